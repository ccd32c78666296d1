// Time of the first lookup of a character's face where no installed face has
// it (𠮷 here), so that every face is tried: from the chosen face's own check
// to the answer, with the program started (the font box filled). Each round
// starts afresh (nothing remembered, the faces enumerated again); the first
// round is also the process's first. Against one frame at 60 Hz, and against
// the lookup of a character the chosen face has (one face tried).
//
//     fallback_bench [rounds]
#include "Timing.h"
#include "tests/wine/AppDriver.h"
#include "view/SystemFaces.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A fresh lookup of text's face for the chosen face, in ms.
double TimeLookup(const std::u16string& chosen, const std::u16string& text, std::u16string& face)
{
    CSystemFaces system;
    CFaceChoice choice(system);
    const double start = NowMs();
    face = choice.FaceFor(chosen, text);
    return NowMs() - start;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    CMainFrame* pFrame = wine_test::StartFrame();
    if (!pFrame)
        return 1;
    const std::u16string chosen = Utf16Of(pFrame->GetSelectedFace().c_str());
    std::vector<double> absent, present;
    std::u16string face;
    for (int round = 0; round < rounds; ++round) {
        absent.push_back(TimeLookup(chosen, u"\xD842\xDFB7", face));
        if (!face.empty()) {
            std::fprintf(stderr, "fallback_bench: an installed face has U+20BB7\n");
            return 1;
        }
        present.push_back(TimeLookup(chosen, u"\x6F22", face));
    }
    CSystemFaces system;
    std::printf("first lookup of U+20BB7, which none of %zu installed faces has (%d rounds):\n",
                system.InstalledFaces().size(), rounds);
    std::printf("  the process's first %7.3f ms  median %7.3f  max %7.3f ms\n", absent.front(), Percentile(absent, 0.5),
                Percentile(absent, 1.0));
    std::printf("  of a 60 Hz frame (16.667 ms): first %.2f, median %.2f\n", absent.front() / (1000.0 / 60),
                Percentile(absent, 0.5) / (1000.0 / 60));
    std::printf("  ratio to the lookup of U+6F22, which the chosen face has (medians, %.3f ms): %.1f\n",
                Percentile(present, 0.5), Percentile(absent, 0.5) / Percentile(present, 0.5));
    pFrame->DestroyWindow();
    wine_test::PumpMessages();
    return 0;
}
