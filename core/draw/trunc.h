#pragma once
// Floating-point coordinates become pixels by truncation toward zero, never by rounding.
inline int Trunc(double v) { return static_cast<int>(v); }
