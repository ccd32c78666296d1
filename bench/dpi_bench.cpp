// Time of the re-layout on WM_DPICHANGED: the message (to 144 DPI with a
// rectangle 1.5 times the window, and back to 96 with the first rectangle),
// sent to the real frame with a 1920x1080 view and a glyph shown, until the
// whole window is painted again. Against the same two rectangles taken by a
// plain resize (SetWindowPos, then the paint): what the window's resize and
// the glyph's repaint at those sizes cost anyway; and the bars' rebuild for
// the other DPI alone, the re-layout's own share. A 60 Hz frame is 16.7 ms.
//
//     dpi_bench [round trips]
#include "Timing.h"
#include "app/MainFrame.h"
#include "tests/wine/AppDriver.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <cstdlib>
#include <vector>

namespace {

// Paints every part of the frame that waits for it, as the message loop would.
void PaintNow(const CMainFrame& frame)
{
    ::RedrawWindow(frame.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double TimeDpiChange(CMainFrame& frame, int dpi, const RECT& rc)
{
    const double start = NowMs();
    frame.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rc));
    PaintNow(frame);
    const double ms = NowMs() - start;
    wine_test::PumpMessages(); // untimed: the copy to the screen, idle work
    return ms;
}

double TimeResize(CMainFrame& frame, const RECT& rc)
{
    const double start = NowMs();
    frame.SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE);
    PaintNow(frame);
    const double ms = NowMs() - start;
    wine_test::PumpMessages();
    return ms;
}

void PrintLine(const char* what, const std::vector<double>& v)
{
    std::printf("  %-22s median %7.3f  max %7.3f ms  (%zu)\n", what, Percentile(v, 0.5), Percentile(v, 1.0), v.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int roundTrips = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    CMainFrame* pFrame = wine_test::StartFrame();
    if (!pFrame)
        return 1;
    CMainFrame& frame = *pFrame;
    frame.m_wndView.SetText(wine_test::Sjis("漢字").c_str());

    // The frame sized so that the view is 1920 x 1080.
    RECT rcView, rc96;
    frame.m_wndView.GetWindowRect(&rcView);
    frame.GetWindowRect(&rc96);
    rc96 = RECT{0, 0, rc96.right - rc96.left + 1920 - (rcView.right - rcView.left),
                rc96.bottom - rc96.top + 1080 - (rcView.bottom - rcView.top)};
    frame.SetWindowPos(nullptr, 0, 0, rc96.right, rc96.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    wine_test::PumpMessages();
    frame.m_wndView.GetWindowRect(&rcView);
    const RECT rc144{0, 0, rc96.right * 3 / 2, rc96.bottom * 3 / 2};

    // The first change of each way draws the glyph at a size new to it.
    const double first144 = TimeDpiChange(frame, 144, rc144);
    const double first96 = TimeDpiChange(frame, 96, rc96);
    std::vector<double> to144, to96, resize, bars;
    for (int i = 0; i < roundTrips; ++i) {
        for (int dpi : {144, 96}) {
            const double start = NowMs();
            frame.m_wndToolBar.ScaleToDpi(dpi);
            frame.m_wndStatusBar.ScaleToDpi(dpi);
            bars.push_back(NowMs() - start);
        }
        to144.push_back(TimeDpiChange(frame, 144, rc144));
        to96.push_back(TimeDpiChange(frame, 96, rc96));
        resize.push_back(TimeResize(frame, rc144));
        resize.push_back(TimeResize(frame, rc96));
    }
    std::printf("WM_DPICHANGED: message to painted window, view %ld x %ld at 96 DPI, window %ld x %ld / %ld x %ld\n",
                rcView.right - rcView.left, rcView.bottom - rcView.top, rc96.right, rc96.bottom, rc144.right,
                rc144.bottom);
    std::printf("  first change to 144    %7.3f ms, back to 96 %7.3f ms\n", first144, first96);
    PrintLine("to 144", to144);
    PrintLine("to 96", to96);
    PrintLine("plain resize, both", resize);
    PrintLine("bars' rebuild alone", bars);
    std::vector<double> both = to144;
    both.insert(both.end(), to96.begin(), to96.end());
    std::printf("  ratio DPI change / plain resize (medians): %.2f; median / 60 Hz frame: %.2f\n",
                Percentile(both, 0.5) / Percentile(resize, 0.5), Percentile(both, 0.5) / (1000.0 / 60));

    frame.DestroyWindow();
    wine_test::PumpMessages();
    return 0;
}
