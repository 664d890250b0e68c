#pragma once
// The colours that tell the three phases apart, U, V and W in that order.
#include <array>
#include <string_view>

#include "draw/surface.h"

struct Palette {
    std::array<COLORREF, 3> phase;
    // Each phase vector also carries its letter at its tip, so that colour is not the only cue.
    bool lettersAtTips = false;
    friend bool operator==(const Palette&, const Palette&) = default;
};

// Red, green and blue: the colours of the coil sides, vectors and curves since the first frame.
constexpr Palette kStandardPalette{{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}, false};

// Red, teal and dark blue, which stay apart under protanopia, deuteranopia and tritanopia and
// keep a contrast of at least 3:1 on white (chosen by the palette's test).
constexpr Palette kSafePalette{
    {RGB(0xcc, 0x33, 0x11), RGB(0x00, 0x99, 0x88), RGB(0x00, 0x44, 0x88)}, true};

// The palette of a name a user gives: "standard" or "safe"; nullptr for anything else.
inline const Palette* PaletteNamed(std::string_view name) {
    if (name == "standard") return &kStandardPalette;
    if (name == "safe") return &kSafePalette;
    return nullptr;
}
