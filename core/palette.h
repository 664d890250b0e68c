#pragma once
// The colours that tell the three phases apart, U, V and W in that order.
#include <array>

#include "surface.h"

struct Palette {
    std::array<COLORREF, 3> phase;
};

// Red, green and blue: the colours of the coil sides, vectors and curves since the first frame.
constexpr Palette kStandardPalette{{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}};
