// A glyph's outline: read from the system's native outline data, written as
// an SVG path, made of cubic curves alone for a metafile. Pure C++.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace picture {

struct PointF {
    double x, y;
};

// One step of a path. A move starts a contour and a close ends it; a curve
// goes from the point before it through its control points to its last one.
struct PathStep {
    enum Kind { Move, Line, Quad, Cubic, Close } kind;
    PointF pt[3]; // Move, Line: the point; Quad: control, end; Cubic: two controls, end
};
using Path = std::vector<PathStep>;

// Appends the contours of a glyph's native outline (GetGlyphOutline's
// GGO_NATIVE data: for each contour a TTPOLYGONHEADER, then TTPOLYCURVE
// records of lines, quadratic B-splines whose on-curve points between two
// control points lie at their midpoints, or cubic Béziers), in device
// coordinates: the glyph's origin at origin, y growing downwards. Data cut
// short or malformed adds nothing from the contour where it goes wrong.
void AppendNativeOutline(const unsigned char* data, size_t size, PointF origin, Path& path);

// The path as an SVG path's data ("M1 2L3 4Q...Z"), to a hundredth.
std::string SvgPathData(const Path& path);

// A whole SVG document: the path filled with rgb (0xRRGGBB) in a viewBox
// (and a size in pixels) of width by height.
std::string SvgDocument(const Path& path, int width, int height, unsigned long rgb);

// The same path of moves, cubic curves and closes only (as a metafile's
// Bézier records take it): lines and quadratic curves raised to cubic ones.
Path AsCubics(const Path& path);

} // namespace picture
