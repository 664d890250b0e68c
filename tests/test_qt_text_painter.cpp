// Texts on the raster surface, drawn by Qt on the surface's own pixels.
#include "qt_text_painter.h"

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "raster_dc.h"

namespace {

constexpr std::uint32_t kBlack = 0xff000000, kWhite = 0xffffffff, kRed = 0xffff0000;

// A 100 x 100 surface painted red, so that untouched pixels show.
struct Canvas {
    RasterDc dc{100, 100, 1, std::make_unique<QtTextPainter>()};
    Canvas() {
        dc.SelectObject(dc.CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
        dc.SelectObject(dc.CreateSolidBrush(RGB(255, 0, 0)));
        dc.Rectangle(0, 0, 100, 100);
    }
    std::uint32_t At(int x, int y) const { return dc.Pixels().At(x, y); }
    int CountInRow(int y, std::uint32_t c) const {
        int n = 0;
        for (int x = 0; x < 100; ++x) n += At(x, y) == c;
        return n;
    }
};

TEST(QtTextPainter, TextIsAnchoredAtItsTopLeftCorner) {
    Canvas c;
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(20, 30, "U相");
    int top = 100, left = 100, bottom = -1, dark = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (c.At(x, y) == kBlack) {
                top = std::min(top, y), left = std::min(left, x), bottom = std::max(bottom, y);
                ++dark;
            } else {
                ASSERT_EQ(c.At(x, y), kRed) << "transparent text keeps the background";
            }
        }
    }
    EXPECT_GT(dark, 20);
    EXPECT_GE(top, 30);
    EXPECT_LE(top, 33);
    EXPECT_GE(left, 20);
    EXPECT_LE(left, 22);
    EXPECT_LT(bottom, 30 + 16);
}

TEST(QtTextPainter, OpaqueTextPaintsItsBackground) {
    Canvas c;
    c.dc.TextOut(20, 30, "U");
    EXPECT_GT(c.CountInRow(31, kWhite), 0);
}

}  // namespace
