#pragma once

namespace voltrix {
// Screen-space shapes of the view's drawing, kept free of Qt so their geometry
// is tested without a display: the arrowhead of an arrow segment and the
// clipping that keeps every coordinate handed to the painter in a safe range.
// Screen coordinates may be saturated ints, so everything here works in 64-bit
// integers or doubles and never overflows.

struct ArrowShape {
    long long baseX, baseY;       // where the shaft ends, centre of the head's base
    long long c1x, c1y, c2x, c2y; // the base corners
};

// Head of the arrow from (x1, y1) to the tip (x2, y2): 9 pixels long and 9
// wide (half-width 4.5 truncated). A zero-length arrow points right.
ArrowShape arrowShape(long long x1, long long y1, long long x2, long long y2);

// A rectangle of allowed drawing coordinates.
struct DrawBox {
    double left, top, right, bottom;
};

// The allowed range around an image of width x height: far enough out that
// nothing clipped to it can be seen, near enough that QPainter never meets
// coordinates it handles slowly or wrongly.
DrawBox safeDrawBox(int width, int height);

// Clips the line to `box` keeping its direction (Liang-Barsky); false when
// no part of it lies inside.
bool clipLine(double &x1, double &y1, double &x2, double &y2, const DrawBox &box);

// Clamps a coordinate into [lo, hi] as an int.
int clampCoord(double v, double lo, double hi);

} // namespace voltrix
