// Time of one step through the text: ID_NEXT_CHAR (ID_PREV_CHAR on the way
// back) sent to the real frame, then the view painted with UpdateWindow. Taken
// in process for a 1920x1080 and a 3840x2160 view, against plain repaints
// (InvalidateRect + UpdateWindow) of a blank window of the same client size;
// the two are timed in alternating rounds so that a change in the machine's
// load touches both.
//
//     step_bench [round trips]
//
// Under Wine, "painted" means drawn into the window's surface: Wine copies the
// surface to the X server later, when the thread next waits for messages.
#include "app/MainFrame.h"
#include "app/ViewerApp.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// 40 characters, all double-byte in code page 932.
const char kTextUtf8[] = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い所";

double NowMs()
{
    static const double msPerTick = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return 1000.0 / static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * msPerTick;
}

// The value below which the given fraction of the samples lie.
double Percentile(std::vector<double> v, double fraction)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = static_cast<size_t>(fraction * static_cast<double>(v.size() - 1) + 0.5);
    return v[i];
}

std::string ToCodePage932(const char* utf8)
{
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], n);
    const int m = ::WideCharToMultiByte(932, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(m), '\0');
    ::WideCharToMultiByte(932, 0, wide.c_str(), -1, &out[0], m, nullptr, nullptr);
    out.resize(static_cast<size_t>(m) - 1);
    return out;
}

// Dispatches what is queued as the program's loop does, then one idle pass.
void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        if (!theApp.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    theApp.OnIdle(0);
}

SIZE SizeOf(const RECT& rc)
{
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

// Resizes the frame (at the screen's top left) so that the view's outer
// rectangle is cx by cy, as far as the system lets it; returns the view's size.
SIZE SizeViewTo(CMainFrame& frame, int cx, int cy)
{
    RECT rcView;
    RECT rcFrame;
    for (int attempt = 0; attempt < 3; ++attempt) {
        frame.m_wndView.GetWindowRect(&rcView);
        frame.GetWindowRect(&rcFrame);
        const SIZE view = SizeOf(rcView);
        if (view.cx == cx && view.cy == cy)
            break;
        const SIZE outer = SizeOf(rcFrame);
        frame.SetWindowPos(nullptr, 0, 0, outer.cx + cx - view.cx, outer.cy + cy - view.cy, SWP_NOZORDER);
        PumpMessages();
    }
    frame.m_wndView.GetWindowRect(&rcView);
    return SizeOf(rcView);
}

// A blank popup window laid exactly over the view's client area, hidden.
HWND CreateBlankWindow(const CCharView& view)
{
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "BlankWindow";
        return ::RegisterClassA(&wc);
    }();
    RECT rc;
    view.GetClientRect(&rc);
    ::MapWindowPoints(view.m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const SIZE size = SizeOf(rc);
    return ::CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, rc.left, rc.top, size.cx, size.cy, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

struct Samples {
    std::vector<double> firstPass; // each glyph's first drawing at this size
    std::vector<double> steps;
    std::vector<double> blank;
    int unmoved = 0; // steps that did not move the cursor (so painted nothing)
};

// One step through the text and the repaint it causes: forward to the last
// character, then back to the first, and so on.
void TimeStep(CMainFrame& frame, bool& forward, std::vector<double>& times, int& unmoved)
{
    CCharView& view = frame.m_wndView;
    if (forward ? !view.HasNext() : !view.HasPrev())
        forward = !forward;
    const UINT id = forward ? ID_NEXT_CHAR : ID_PREV_CHAR;
    const int index = view.GetIndex();
    const double start = NowMs();
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 1), 0);
    view.UpdateWindow();
    times.push_back(NowMs() - start);
    if (view.GetIndex() == index)
        ++unmoved;
}

Samples Measure(CMainFrame& frame, int roundTrips)
{
    CCharView& view = frame.m_wndView;
    const int stepsPerRoundTrip = 2 * (view.GetCount() - 1);
    Samples s;
    bool forward = true;

    // The way forward once: every glyph is new at this size.
    while (view.HasNext())
        TimeStep(frame, forward, s.firstPass, s.unmoved);

    HWND hBlank = CreateBlankWindow(view);
    for (int round = 0; round < roundTrips; ++round) {
        ::ShowWindow(hBlank, SW_SHOWNA);
        PumpMessages();
        for (int i = 0; i < stepsPerRoundTrip; ++i) {
            const double start = NowMs();
            ::InvalidateRect(hBlank, nullptr, TRUE);
            ::UpdateWindow(hBlank);
            s.blank.push_back(NowMs() - start);
        }
        ::ShowWindow(hBlank, SW_HIDE);
        PumpMessages();
        // Back to the start and forward again (or the other way round).
        for (int i = 0; i < stepsPerRoundTrip; ++i)
            TimeStep(frame, forward, s.steps, s.unmoved);
    }
    ::DestroyWindow(hBlank);
    PumpMessages();
    return s;
}

void PrintLine(const char* what, const std::vector<double>& v)
{
    std::printf("  %-18s median %7.3f  p90 %7.3f  p99 %7.3f  max %7.3f ms  (%zu)\n", what, Percentile(v, 0.5),
                Percentile(v, 0.9), Percentile(v, 0.99), Percentile(v, 1.0), v.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int roundTrips = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    if (::GetACP() != 932) {
        std::fprintf(stderr, "step_bench needs code page 932 (LANG=ja_JP.UTF-8 under Wine)\n");
        return 1;
    }
    theApp.m_hInstance = ::GetModuleHandleA(nullptr);
    if (!theApp.InitInstance()) {
        std::fprintf(stderr, "the main frame could not be created\n");
        return 1;
    }
    CMainFrame& frame = *static_cast<CMainFrame*>(theApp.m_pMainWnd);
    PumpMessages();

    const std::string text = ToCodePage932(kTextUtf8);
    std::printf("step: command to painted glyph, %d-character text, %d round trips; screen %d x %d\n",
                static_cast<int>(text.size() / 2), roundTrips, ::GetSystemMetrics(SM_CXSCREEN),
                ::GetSystemMetrics(SM_CYSCREEN));

    const SIZE sizes[] = {{1920, 1080}, {3840, 2160}};
    int unmoved = 0;
    for (const SIZE& wanted : sizes) {
        const SIZE got = SizeViewTo(frame, wanted.cx, wanted.cy);
        RECT client;
        frame.m_wndView.GetClientRect(&client);
        std::printf("view %ld x %ld (client %ld x %ld)%s\n", got.cx, got.cy, client.right, client.bottom,
                    got.cx == wanted.cx && got.cy == wanted.cy ? "" : "  -- not the size asked for");
        // A new text: the cursor goes back to the first character.
        frame.m_wndView.SetText(text.c_str());
        PumpMessages();

        const Samples s = Measure(frame, roundTrips);
        PrintLine("first pass", s.firstPass);
        PrintLine("step", s.steps);
        PrintLine("blank repaint", s.blank);
        std::printf("  ratio step / blank repaint (medians): %.2f\n",
                    Percentile(s.steps, 0.5) / Percentile(s.blank, 0.5));
        unmoved += s.unmoved;
    }
    if (unmoved)
        std::printf("%d step(s) did not move the cursor\n", unmoved);

    frame.DestroyWindow();
    PumpMessages();
    return unmoved ? 1 : 0;
}
