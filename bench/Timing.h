// Clock and statistics of the benchmarks.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds from the performance counter.
inline double NowMs()
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

// The value below which the given fraction of the samples lie (0.5: the median).
inline double Percentile(std::vector<double> v, double fraction)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = static_cast<size_t>(fraction * static_cast<double>(v.size() - 1) + 0.5);
    return v[i];
}
