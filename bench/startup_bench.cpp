// Start-up time of quelvan against baseline programs (the same window in
// straight Win32 code, a bare window), measured in the same run: each is
// started several times, in turn, and the medians and the ratios of the first
// program's median to each other's are printed.
//
//     startup_bench quelvan.exe baseline.exe... [runs]
//
// Both run from copies in a scratch folder, so that nothing they write beside
// themselves lands in the build tree.
//
// What is timed: from CreateProcess to the first painted main window. Both
// programs show and paint their main window synchronously (ShowWindow,
// UpdateWindow) before they enter their message loop. So the clock stops when
// the process has a visible top-level window and has answered a WM_NULL sent
// to it: a sent message is only taken when the thread reads its messages,
// after that first paint. WaitForInputIdle spares most of the polling before.
#include "Timing.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct WindowSearch {
    DWORD pid;
    HWND hWnd;
};

BOOL CALLBACK FindMainWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != search->pid || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER))
        return TRUE;
    search->hWnd = hWnd;
    return FALSE;
}

// The visible, unowned top-level window of a process, or null.
HWND MainWindowOf(DWORD pid)
{
    WindowSearch search{pid, nullptr};
    ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.hWnd;
}

struct Program {
    std::string name; // file name, for the report
    std::string path; // the copy that runs
    std::vector<double> times;
    int failed = 0;     // starts that never showed a window
    int terminated = 0; // processes that did not end on WM_CLOSE
};

// Starts the program once and closes it again. Returns the milliseconds to its
// first painted main window, or a negative value when none appeared.
double TimeOneStart(Program& program, const std::string& folder)
{
    constexpr DWORD kTimeoutMs = 10000;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string commandLine = "\"" + program.path + "\"";

    const double start = NowMs();
    if (!::CreateProcessA(program.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &pi))
        return -1;
    ::WaitForInputIdle(pi.hProcess, kTimeoutMs);
    HWND hWnd = nullptr;
    while (!(hWnd = MainWindowOf(pi.dwProcessId)) && NowMs() - start < kTimeoutMs &&
           ::WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
        ::Sleep(1);
    DWORD_PTR reply = 0;
    double elapsed = -1;
    if (hWnd && ::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &reply))
        elapsed = NowMs() - start;

    if (hWnd)
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(pi.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, kTimeoutMs);
        ++program.terminated;
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return elapsed;
}

std::string FileName(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (::FindNextFileA(hFind, &found));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> paths;
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::isdigit(static_cast<unsigned char>(argv[i][0])))
            runs = std::max(1, std::atoi(argv[i]));
        else
            paths.push_back(argv[i]);
    }
    if (paths.size() < 2) {
        std::fprintf(stderr, "usage: startup_bench quelvan.exe baseline.exe... [runs]\n");
        return 2;
    }

    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "quelvan-bench-" + std::to_string(::GetCurrentProcessId());
    if (!::CreateDirectoryA(folder.c_str(), nullptr)) {
        std::fprintf(stderr, "cannot create %s\n", folder.c_str());
        return 1;
    }
    std::vector<Program> programs(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        programs[i].name = FileName(paths[i]);
        programs[i].path = folder + "\\" + programs[i].name;
        if (!::CopyFileA(paths[i].c_str(), programs[i].path.c_str(), FALSE)) {
            std::fprintf(stderr, "cannot copy %s\n", paths[i].c_str());
            RemoveFolder(folder);
            return 1;
        }
    }

    // One start of each first, untimed: it reads the files into the cache.
    for (Program& program : programs)
        TimeOneStart(program, folder);
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            const double ms = TimeOneStart(program, folder);
            if (ms < 0)
                ++program.failed;
            else
                program.times.push_back(ms);
        }
    }
    RemoveFolder(folder);

    std::printf("start-up: launch to first painted main window, %d runs each, in turn\n", runs);
    bool ok = true;
    for (const Program& program : programs) {
        const auto [lo, hi] = std::minmax_element(program.times.begin(), program.times.end());
        std::printf("  %-22s median %7.1f ms  (min %.1f, max %.1f)\n", program.name.c_str(),
                    Median(program.times), program.times.empty() ? 0 : *lo, program.times.empty() ? 0 : *hi);
        if (program.failed || program.terminated) {
            std::printf("  %-22s %d start(s) without a window, %d process(es) terminated after WM_CLOSE\n",
                        program.name.c_str(), program.failed, program.terminated);
            ok = false;
        }
    }
    for (size_t i = 1; i < programs.size(); ++i) {
        const double baseline = Median(programs[i].times);
        if (baseline > 0)
            std::printf("  ratio %s / %s: %.2f\n", programs[0].name.c_str(), programs[i].name.c_str(),
                        Median(programs[0].times) / baseline);
    }
    return ok ? 0 : 1;
}
