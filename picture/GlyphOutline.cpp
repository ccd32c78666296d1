#include "GlyphOutline.h"

#include <cmath>
#include <cstdint>

namespace picture {

namespace {

// The record types of native outline data.
constexpr uint32_t kPolygonType = 24; // TT_POLYGON_TYPE
constexpr uint16_t kLine = 1, kQSpline = 2, kCSpline = 3;
constexpr size_t kHeaderSize = 16, kCurveHeaderSize = 4, kPointSize = 8;

uint32_t Read32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Read16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// A POINTFX: two 16.16 fixed-point numbers, y growing upwards.
PointF ReadPoint(const unsigned char* p, PointF origin)
{
    const double x = static_cast<int32_t>(Read32(p)) / 65536.0;
    const double y = static_cast<int32_t>(Read32(p + 4)) / 65536.0;
    return {origin.x + x, origin.y - y};
}

PointF Mid(PointF a, PointF b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// One contour's curves (between begin and end), appended to contour; false
// where they are malformed.
bool ReadCurves(const unsigned char* p, const unsigned char* end, PointF origin, Path& contour)
{
    while (p < end) {
        if (static_cast<size_t>(end - p) < kCurveHeaderSize)
            return false;
        const uint16_t type = Read16(p);
        const size_t n = Read16(p + 2);
        p += kCurveHeaderSize;
        if (n == 0 || static_cast<size_t>(end - p) / kPointSize < n)
            return false;
        std::vector<PointF> pts(n);
        for (size_t i = 0; i < n; ++i, p += kPointSize)
            pts[i] = ReadPoint(p, origin);
        if (type == kLine) {
            for (const PointF& pt : pts)
                contour.push_back({PathStep::Line, {pt}});
        } else if (type == kQSpline) {
            // The last point ends the spline; between two control points
            // before it lies an on-curve point at their midpoint.
            if (n < 2)
                return false;
            for (size_t i = 0; i + 1 < n; ++i)
                contour.push_back({PathStep::Quad, {pts[i], i + 2 == n ? pts[i + 1] : Mid(pts[i], pts[i + 1])}});
        } else if (type == kCSpline) {
            if (n % 3)
                return false;
            for (size_t i = 0; i < n; i += 3)
                contour.push_back({PathStep::Cubic, {pts[i], pts[i + 1], pts[i + 2]}});
        } else {
            return false;
        }
    }
    return true;
}

// A number to a hundredth, without the C library's formatter (and so
// whatever its locale): "12", "-0.5", "3.25".
void AppendNumber(std::string& out, double v)
{
    long long hundredths = std::llround(v * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    out += std::to_string(hundredths / 100);
    const int fraction = static_cast<int>(hundredths % 100);
    if (fraction) {
        out += '.';
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10)
            out += static_cast<char>('0' + fraction % 10);
    }
}

void AppendPoint(std::string& out, PointF pt)
{
    AppendNumber(out, pt.x);
    out += ' ';
    AppendNumber(out, pt.y);
}

} // namespace

void AppendNativeOutline(const unsigned char* data, size_t size, PointF origin, Path& path)
{
    const unsigned char* p = data;
    const unsigned char* end = data + size;
    while (static_cast<size_t>(end - p) >= kHeaderSize) {
        const size_t cb = Read32(p);
        if (Read32(p + 4) != kPolygonType || cb < kHeaderSize || cb > static_cast<size_t>(end - p))
            return;
        Path contour{{PathStep::Move, {ReadPoint(p + 8, origin)}}};
        if (!ReadCurves(p + kHeaderSize, p + cb, origin, contour))
            return;
        contour.push_back({PathStep::Close, {}});
        path.insert(path.end(), contour.begin(), contour.end());
        p += cb;
    }
}

std::string SvgPathData(const Path& path)
{
    static const char kCommand[] = "MLQCZ"; // by PathStep::Kind
    static const int kPoints[] = {1, 1, 2, 3, 0};
    std::string out;
    for (const PathStep& step : path) {
        out += kCommand[step.kind];
        for (int i = 0; i < kPoints[step.kind]; ++i) {
            if (i)
                out += ' ';
            AppendPoint(out, step.pt[i]);
        }
    }
    return out;
}

std::string SvgDocument(const Path& path, int width, int height, unsigned long rgb)
{
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::string colour = "#000000";
    for (int i = 0; i < 6; ++i)
        colour[1 + i] = "0123456789abcdef"[(rgb >> (20 - 4 * i)) & 0xF];
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w +
           " " + h + "\">\n<path fill=\"" + colour + "\" d=\"" + SvgPathData(path) + "\"/>\n</svg>\n";
}

Path AsCubics(const Path& path)
{
    Path cubics;
    PointF at{}, start{};
    for (const PathStep& step : path) {
        switch (step.kind) {
        case PathStep::Move:
            at = start = step.pt[0];
            cubics.push_back(step);
            continue;
        case PathStep::Line: {
            const PointF to = step.pt[0];
            cubics.push_back({PathStep::Cubic,
                              {{at.x + (to.x - at.x) / 3, at.y + (to.y - at.y) / 3},
                               {at.x + 2 * (to.x - at.x) / 3, at.y + 2 * (to.y - at.y) / 3},
                               to}});
            at = to;
            continue;
        }
        case PathStep::Quad: {
            // The same curve: each control point two thirds of the way to the
            // quadratic one from its end.
            const PointF c = step.pt[0], to = step.pt[1];
            cubics.push_back({PathStep::Cubic,
                              {{at.x + 2 * (c.x - at.x) / 3, at.y + 2 * (c.y - at.y) / 3},
                               {to.x + 2 * (c.x - to.x) / 3, to.y + 2 * (c.y - to.y) / 3},
                               to}});
            at = to;
            continue;
        }
        case PathStep::Cubic:
            at = step.pt[2];
            cubics.push_back(step);
            continue;
        case PathStep::Close:
            at = start;
            cubics.push_back(step);
            continue;
        }
    }
    return cubics;
}

} // namespace picture
