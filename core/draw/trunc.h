#pragma once
// Floating-point coordinates become pixels by truncation toward zero, never by rounding, in the
// main window's picture; the other views' layers round to the nearest pixel.
#include <cmath>

inline int Trunc(double v) { return static_cast<int>(v); }
inline int Px(double v) { return static_cast<int>(std::lround(v)); }
