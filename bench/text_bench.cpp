// Time of taking a text from a memory block (what Paste, monitoring and a drop
// do with the block they get), for a 1 KB and a 100 MB block: the view keeps
// at most 256 bytes, and a block is read no further than that, so both
// should cost the same. And the conversion of a 1 MB Unicode text (what a
// system whose code page is not 932 hands over) into code page 932.
//
//     text_bench [runs]
#include "Timing.h"
#include "app/MainFrame.h"
#include "exchange/ViewText.h"
#include "tests/wine/AppDriver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A block of cb bytes of text, terminated.
HGLOBAL TextBlock(size_t cb)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (!h)
        return nullptr;
    char* p = static_cast<char*>(::GlobalLock(h));
    std::memset(p, 'a', cb - 1);
    p[cb - 1] = '\0';
    ::GlobalUnlock(h);
    return h;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    CMainFrame* pFrame = wine_test::StartFrame();
    if (!pFrame)
        return 1;
    CMainFrame& frame = *pFrame;

    std::printf("text from a block: SetViewText, median of %d\n", runs);
    double medians[2] = {};
    const size_t sizes[] = {1024, 100u << 20};
    for (int k = 0; k < 2; ++k) {
        HGLOBAL h = TextBlock(sizes[k]);
        if (!h) {
            std::fprintf(stderr, "no block of %zu bytes\n", sizes[k]);
            return 1;
        }
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            const double start = NowMs();
            exchange::SetViewText(frame.m_wndView, h, CF_TEXT);
            times.push_back(NowMs() - start);
        }
        ::GlobalFree(h);
        medians[k] = Percentile(times, 0.5);
        std::printf("  %9zu bytes  median %8.4f ms  (kept %d characters)\n", sizes[k], medians[k],
                    frame.m_wndView.GetCount());
    }
    std::printf("  ratio 100 MB / 1 KB (medians): %.2f\n", medians[1] / medians[0]);

    // Half a million Japanese characters, and as many line breaks before the
    // same text (the view drops them, so they are read to the end).
    for (const bool bBreaks : {false, true}) {
        std::wstring text(1u << 19, L'\u6F22');
        if (bBreaks)
            text.replace(0, text.size() - 300, text.size() - 300, L'\n');
        std::vector<double> times;
        size_t cb = 0;
        for (int i = 0; i < runs; ++i) {
            const double start = NowMs();
            cb = exchange::Cp932FromUnicode(text.c_str(), text.size()).bytes.size();
            times.push_back(NowMs() - start);
        }
        std::printf("conversion of a 1 MB Unicode text%s: median %8.4f ms (%zu bytes out)\n",
                    bBreaks ? ", all but its end line breaks" : "", Percentile(times, 0.5), cb);
    }

    frame.DestroyWindow();
    wine_test::PumpMessages();
    return 0;
}
