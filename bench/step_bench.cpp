// Time of one step through the text: ID_NEXT_CHAR (ID_PREV_CHAR on the way
// back) sent to the real frame, then the view painted with UpdateWindow. Taken
// in process for a 1920x1080 and a 3840x2160 view, against the least a
// program must do to show the same glyph: a window of the same client size
// whose paint creates the same font and draws the glyph (InvalidateRect +
// UpdateWindow). Both are timed for glyphs drawn before (in alternating
// rounds, so that a change in the machine's load touches both) and for glyphs
// never drawn at that size; and quelvan once more with its idle-time warming
// of the glyphs beside the one shown, both ways. Last, steps through the same
// characters kept beside '?' bytes (as characters code page 932 lacks are,
// drawn through Uniscribe), against the text in code page 932, in alternating
// rounds; so for 40 emoji ZWJ sequences, each one character of five code
// points; and so a text of Hangul, which the chosen face lacks (drawn in a
// face that has it, found once per character), against one of kanji.
//
//     step_bench [round trips]
//
// "Painted" means drawn into the window's surface, as UpdateWindow returns.
// Wine copies the surface to the X server when the thread next looks at its
// queue, or inside an EndPaint once the thread has been busy for 50 ms; so
// between two samples the benchmark looks at the queue, untimed, and no sample
// carries that copy.
#include "Timing.h"
#include "app/MainFrame.h"
#include "exchange/ViewText.h"
#include "res/resource.h"
#include "tests/wine/AppDriver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// 40 characters, all double-byte in code page 932.
const char kTextUtf8[] = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い所";

// Lets what was drawn reach the screen (see above).
void LookAtQueue()
{
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
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
        wine_test::PumpMessages();
    }
    frame.m_wndView.GetWindowRect(&rcView);
    return SizeOf(rcView);
}

// The minimal program's glyph: its font and its two bytes.
struct MinimalGlyph {
    LOGFONTW lf{};
    const char* bytes = nullptr;
} g_minimal;

LRESULT CALLBACK MinimalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(hWnd, &ps);
    HFONT hFont = ::CreateFontIndirectW(&g_minimal.lf);
    HGDIOBJ old = ::SelectObject(hdc, hFont);
    ::TextOutA(hdc, 0, 0, g_minimal.bytes, 2);
    ::SelectObject(hdc, old);
    ::DeleteObject(hFont);
    ::EndPaint(hWnd, &ps);
    return 0;
}

// The minimal program's window, laid exactly over the view's client area, hidden.
HWND CreateMinimalWindow(const CCharView& view)
{
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = MinimalProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "MinimalGlyph";
        return ::RegisterClassA(&wc);
    }();
    RECT rc;
    view.GetClientRect(&rc);
    ::MapWindowPoints(view.m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const SIZE size = SizeOf(rc);
    return ::CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, rc.left, rc.top, size.cx, size.cy, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

// The minimal program draws the character at index i (every character of the
// text is double-byte).
void TimeMinimalDraw(HWND hWnd, const CString& text, int i, std::vector<double>& times)
{
    g_minimal.bytes = text.GetString() + 2 * i;
    const double start = NowMs();
    ::InvalidateRect(hWnd, nullptr, TRUE);
    ::UpdateWindow(hWnd);
    times.push_back(NowMs() - start);
    LookAtQueue();
}

struct Samples {
    std::vector<double> firstPass; // each glyph's first drawing at this size
    std::vector<double> steps;
    std::vector<double> minimalFirst; // the minimal program, glyphs new to it
    std::vector<double> minimal;      // the minimal program, glyphs drawn before
    int unmoved = 0; // steps that did not move the cursor (so painted nothing)
};

// One step through the text and the repaint it causes: forward to the last
// character, then back to the first, and so on.
void TimeStep(CMainFrame& frame, bool& forward, std::vector<double>& times, int& unmoved)
{
    CCharView& view = frame.m_wndView;
    if (forward ? !view.GetCursor().HasNext() : !view.GetCursor().HasPrev())
        forward = !forward;
    const UINT id = forward ? ID_NEXT_CHAR : ID_PREV_CHAR;
    const int index = view.GetIndex();
    const double start = NowMs();
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 1), 0); // as from the SPACE accelerators
    view.UpdateWindow();
    times.push_back(NowMs() - start);
    LookAtQueue();
    if (view.GetIndex() == index)
        ++unmoved;
}

Samples Measure(CMainFrame& frame, int roundTrips)
{
    CCharView& view = frame.m_wndView;
    const int count = view.GetCount();
    const int stepsPerRoundTrip = 2 * (count - 1);
    Samples s;
    bool forward = true;

    // The way forward once: every glyph is new at this size.
    while (view.GetCursor().HasNext())
        TimeStep(frame, forward, s.firstPass, s.unmoved);

    // The minimal program: once through glyphs new to this process (a size
    // a few pixels smaller), then in rounds against quelvan's steps.
    RECT rc;
    view.GetWindowRect(&rc);
    const SIZE outer = SizeOf(rc);
    HWND hMinimal = CreateMinimalWindow(view);
    ::ShowWindow(hMinimal, SW_SHOWNA);
    wine_test::PumpMessages();
    g_minimal.lf = view.GlyphFont(outer.cx - 6, outer.cy - 6);
    for (int i = 0; i < count; ++i)
        TimeMinimalDraw(hMinimal, view.GetText(), i, s.minimalFirst);
    g_minimal.lf = view.GlyphFont(outer.cx, outer.cy);
    for (int round = 0; round < roundTrips; ++round) {
        ::ShowWindow(hMinimal, SW_SHOWNA);
        wine_test::PumpMessages();
        for (int i = 0; i < stepsPerRoundTrip; ++i)
            TimeMinimalDraw(hMinimal, view.GetText(), i < count ? i : stepsPerRoundTrip - i, s.minimal);
        ::ShowWindow(hMinimal, SW_HIDE);
        wine_test::PumpMessages();
        // Back to the start and forward again (or the other way round).
        for (int i = 0; i < stepsPerRoundTrip; ++i)
            TimeStep(frame, forward, s.steps, s.unmoved);
    }
    ::DestroyWindow(hMinimal);
    wine_test::PumpMessages();
    return s;
}

// The program's idle time after a step, untimed: the bars' update, then the
// warming of the glyphs beside the one just painted.
void Idle()
{
    for (LONG count = 0; theApp.OnIdle(count); ++count) {
    }
}

// Through glyphs never drawn at this size, one way, with the program's idle
// time between the steps: forward from the first character, or back from the
// last.
std::vector<double> MeasureWarmedFirstPass(CMainFrame& frame, bool forward)
{
    std::vector<double> times;
    int unmoved = 0;
    const CTextCursor& cursor = frame.m_wndView.GetCursor();
    Idle();
    while (forward ? cursor.HasNext() : cursor.HasPrev()) {
        TimeStep(frame, forward, times, unmoved);
        Idle();
    }
    return times;
}

void PrintLine(const char* what, const std::vector<double>& v)
{
    std::printf("  %-18s median %7.3f  p90 %7.3f  p99 %7.3f  max %7.3f ms  (%zu)\n", what, Percentile(v, 0.5),
                Percentile(v, 0.9), Percentile(v, 0.99), Percentile(v, 1.0), v.size());
}

// 40 kanji, and 40 Hangul syllables.
const char kKanjiUtf8[] = "日本語漢字文化東京大阪名古屋札幌福岡横浜神戸京都奈良山川海空雨雪風花鳥月星森林竹";
const char kHangulUtf8[] = "대한민국의모든국민은인간으로서의존엄과가치를가지며행복을추구할권리를가진다국가는";

// A text's characters each kept beside a '?', as if code page 932 lacked them.
Cp932Text AllKept(const wchar_t* units, int n)
{
    Cp932Text kept;
    for (int i = 0; i < n; ++i) {
        kept.bytes += '?';
        kept.kept.push_back(KeptChar{static_cast<size_t>(i), static_cast<char32_t>(units[i])});
    }
    return kept;
}

Cp932Text AllKept(const std::string& text)
{
    wchar_t units[128];
    return AllKept(units, ::MultiByteToWideChar(932, 0, text.c_str(), -1, units, 128) - 1);
}

Cp932Text AllKeptUtf8(const char* utf8)
{
    wchar_t units[128];
    return AllKept(units, ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, units, 128) - 1);
}

// Steps through glyphs drawn before: the text in code page 932 and another
// (what) of as many characters, a round trip of each in turn (the first only
// draws them).
void CompareSteps(CMainFrame& frame, const std::string& text, const Cp932Text& other, const char* what,
                  int roundTrips)
{
    std::vector<double> steps[2];
    int unmoved = 0;
    for (int round = 0; round <= roundTrips; ++round) {
        for (int k = 0; k < 2; ++k) {
            if (k)
                frame.m_wndView.SetText(other);
            else
                frame.m_wndView.SetText(text.c_str());
            wine_test::PumpMessages();
            std::vector<double> times;
            bool forward = true;
            for (int i = 0; i < 2 * (frame.m_wndView.GetCount() - 1); ++i)
                TimeStep(frame, forward, times, unmoved);
            if (round)
                steps[k].insert(steps[k].end(), times.begin(), times.end());
        }
    }
    PrintLine("step, code page", steps[0]);
    PrintLine((std::string("step, ") + what).c_str(), steps[1]);
    std::printf("  ratio %s / code page (medians): %.2f\n", what, Percentile(steps[1], 0.5) / Percentile(steps[0], 0.5));
}

// 40 emoji ZWJ sequences (a family of three: five code points each), as
// text from a Unicode source.
Cp932Text ZwjSequences()
{
    std::wstring text;
    for (int i = 0; i < 40; ++i)
        text += L"\U0001F468\u200D\U0001F469\u200D\U0001F467";
    return exchange::Cp932FromUnicode(text.c_str(), text.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int roundTrips = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    if (::GetACP() != 932) {
        std::fprintf(stderr, "step_bench needs code page 932 (LANG=ja_JP.UTF-8 under Wine)\n");
        return 1;
    }
    CMainFrame* pFrame = wine_test::StartFrame();
    if (!pFrame)
        return 1;
    CMainFrame& frame = *pFrame;

    // Filling the font box is start-up's share of this program's own work.
    std::vector<double> fills;
    CFontBox& box = frame.m_wndToolBar.m_wndFontBox;
    for (int i = 0; i < 21; ++i) {
        box.SendMessage(CB_RESETCONTENT);
        const double start = NowMs();
        frame.FillFontBox();
        fills.push_back(NowMs() - start);
    }
    std::printf("font box: filled with %d faces in %.3f ms (median of %zu)\n\n", box.GetCount(),
                Percentile(fills, 0.5), fills.size());

    const std::string text = wine_test::Sjis(kTextUtf8);
    frame.m_wndView.SetText(text.c_str());
    std::printf("step: command to painted glyph, %d-character text, %d round trips; screen %d x %d\n",
                frame.m_wndView.GetCount(), roundTrips, ::GetSystemMetrics(SM_CXSCREEN),
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
        wine_test::PumpMessages();

        const Samples s = Measure(frame, roundTrips);
        PrintLine("first pass", s.firstPass);
        PrintLine("minimal, first", s.minimalFirst);
        std::printf("  ratio first pass / minimal, first (medians): %.2f\n",
                    Percentile(s.firstPass, 0.5) / Percentile(s.minimalFirst, 0.5));
        PrintLine("step", s.steps);
        PrintLine("minimal, drawn", s.minimal);
        std::printf("  ratio step / minimal, drawn (medians): %.2f\n",
                    Percentile(s.steps, 0.5) / Percentile(s.minimal, 0.5));
        unmoved += s.unmoved;

        // With the program's idle-time warming, at sizes a few pixels smaller
        // (so that every glyph is new again): forward, then back from the end.
        SizeViewTo(frame, wanted.cx - 2, wanted.cy - 2);
        frame.m_wndView.SetText(text.c_str());
        wine_test::PumpMessages();
        PrintLine("first pass, warmed", MeasureWarmedFirstPass(frame, true));
        SizeViewTo(frame, wanted.cx - 4, wanted.cy - 4);
        PrintLine("first back, warmed", MeasureWarmedFirstPass(frame, false));
    }
    std::printf("characters kept beside the text, view %d x %d\n", 1920, 1080);
    SizeViewTo(frame, 1920, 1080);
    CompareSteps(frame, text, AllKept(text), "kept", roundTrips);
    std::printf("40 emoji ZWJ sequences of five code points each, against the text, view %d x %d\n", 1920, 1080);
    CompareSteps(frame, text, ZwjSequences(), "ZWJ sequences", roundTrips);
    std::printf("Hangul, drawn in a face standing in for the chosen one, against kanji, view %d x %d\n", 1920,
                1080);
    CompareSteps(frame, wine_test::Sjis(kKanjiUtf8), AllKeptUtf8(kHangulUtf8), "Hangul", roundTrips);
    if (unmoved)
        std::printf("%d step(s) did not move the cursor\n", unmoved);

    frame.DestroyWindow();
    wine_test::PumpMessages();
    return unmoved ? 1 : 0;
}
