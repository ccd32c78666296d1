// libFuzzer target: the input up to its first zero byte is the text, every
// byte after it one step (odd: forward, even: back).
#include "CursorCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    const size_t end = text.find('\0');
    std::vector<bool> steps;
    if (end != std::string::npos) {
        for (size_t i = end + 1; i < size; ++i)
            steps.push_back(data[i] & 1);
        text.resize(end);
    }
    const std::string failure = cursor_check::Run(text.c_str(), steps);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
