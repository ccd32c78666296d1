// Time of taking a text from a memory block (what Paste, monitoring and a drop
// do with the block they get), for a 1 KB and a 100 MB block: the view keeps
// at most 256 bytes, and a block is read no further than that, so both
// should cost the same. And the conversion of a 1 MB Unicode text (what a
// system whose code page is not 932 hands over) into code page 932. Last,
// composition and cluster breaks over the whole of a 1 MB Unicode text (the
// view reads no more than it keeps; this is what any length costs), against
// reading its code points alone.
//
//     text_bench [runs]
#include "Timing.h"
#include "app/MainFrame.h"
#include "exchange/Composition.h"
#include "exchange/Cp932.h"
#include "exchange/GraphemeBreak.h"
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

    // Japanese prose with a decomposed ガ and an emoji sequence in every 40
    // characters, and a worst case: a mark, a selector or a sequence at every
    // other character.
    for (const char16_t* piece :
         {u"\u543E\u8F29\u306F\u732B\u3067\u3042\u308B\u3002\u540D\u524D\u306F\u307E\u3060\u7121\u3044\u3002"
          u"\u3069\u3053\u3067\u751F\u308C\u305F\u304B\u3068\u3093\u3068\u898B\u5F53\u304C\u3064\u304B\u306C"
          u"\u3002\u30AB\u3099\U0001F468\u200D\U0001F469\u200D\U0001F467",
          u"\u30AB\u3099e\u0301\u1112\u1161\u11AB\U0001F468\u200D\U0001F469\u200D\U0001F467\u6F22\u5B57"
          u"1\uFE0F\u20E3\U0001F1EF\U0001F1F5\u845B\U000E0100"}) {
        std::u16string text;
        while (text.size() < (1u << 19))
            text += piece;
        std::vector<double> reads, composes;
        size_t clusters = 0;
        char32_t sum = 0;
        for (int i = 0; i < runs; ++i) {
            double start = NowMs();
            for (size_t k = 0; k < text.size();)
                sum += cp932::NextCodePoint(text.data(), text.size(), k);
            reads.push_back(NowMs() - start);
            start = NowMs();
            std::u32string composed;
            composed.reserve(text.size());
            unicode::CComposer composer;
            for (size_t k = 0; k < text.size();)
                composer.Add(cp932::NextCodePoint(text.data(), text.size(), k), composed);
            unicode::CGraphemeBreaker breaker;
            clusters = 0;
            for (char32_t c : composed)
                clusters += breaker.BreakBefore(c) ? 1 : 0;
            composes.push_back(NowMs() - start);
        }
        std::printf("composition and cluster breaks of a 1 MB Unicode text%s: median %8.4f ms (%zu clusters)\n",
                    piece[0] == u'\u30AB' ? ", worst case" : "", Percentile(composes, 0.5), clusters);
        std::printf("  reading its code points: median %8.4f ms (sum %u); ratio %.1f\n", Percentile(reads, 0.5),
                    static_cast<unsigned>(sum), Percentile(composes, 0.5) / Percentile(reads, 0.5));
    }

    frame.DestroyWindow();
    wine_test::PumpMessages();
    return 0;
}
