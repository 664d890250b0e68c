// The pixel rules of the raster surface, one case each.
#include "draw/raster_dc.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "qt_text_painter.h"

namespace {

constexpr QRgb kBlack = 0xff000000, kWhite = 0xffffffff, kRed = 0xffff0000, kGrey = 0xff404040;

// A 100 x 100 surface, first painted red so that untouched pixels show.
struct Canvas {
    RasterDc dc{100, 100, 1, std::make_unique<QtTextPainter>()};
    HGDIOBJ redBrush = 0;
    Canvas() {
        HGDIOBJ nullPen = dc.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
        redBrush = dc.CreateSolidBrush(RGB(255, 0, 0));
        dc.SelectObject(nullPen);
        dc.SelectObject(redBrush);
        dc.Rectangle(0, 0, 100, 100);
    }
    QRgb At(int x, int y) const { return dc.Pixels().At(x, y); }
    void Pen(int style, int width, COLORREF colour) {
        dc.SelectObject(dc.CreatePen(style, width, colour));
    }
    void Line(int x1, int y1, int x2, int y2) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y2);
    }
    // How many pixels of column x (or row y) have the colour.
    int CountInColumn(int x, QRgb c) const {
        int n = 0;
        for (int y = 0; y < 100; ++y) n += At(x, y) == c;
        return n;
    }
    int CountInRow(int y, QRgb c) const {
        int n = 0;
        for (int x = 0; x < 100; ++x) n += At(x, y) == c;
        return n;
    }
};

TEST(RasterDc, FreshSurfaceHasBlackOnePixelPenAndWhiteBrush) {
    RasterDc dc(20, 20);
    dc.Rectangle(2, 2, 12, 8);
    EXPECT_EQ(dc.Pixels().At(2, 2), kBlack);
    EXPECT_EQ(dc.Pixels().At(11, 7), kBlack);
    EXPECT_EQ(dc.Pixels().At(3, 3), kWhite);
    EXPECT_EQ(dc.Pixels().At(10, 6), kWhite);
    EXPECT_EQ(dc.Pixels().At(12, 5), kBlack);  // outside: the untouched black of a new bitmap
    EXPECT_EQ(dc.Pixels().At(5, 8), kBlack);
    EXPECT_EQ(dc.Pixels().At(4, 3), kWhite);
}

TEST(RasterDc, RectangleCoversLeftAndTopButNotRightAndBottom) {
    Canvas c;
    c.Pen(PS_SOLID, 1, RGB(0, 0, 0));
    c.dc.SelectObject(c.dc.CreateSolidBrush(RGB(255, 255, 255)));
    c.dc.Rectangle(10, 20, 30, 25);
    EXPECT_EQ(c.CountInRow(20, kBlack), 20);  // x = 10 .. 29
    EXPECT_EQ(c.CountInRow(24, kBlack), 20);  // the bottom edge is y = 24
    EXPECT_EQ(c.CountInRow(22, kBlack), 2);   // x = 10 and x = 29
    EXPECT_EQ(c.CountInRow(22, kWhite), 18);
    EXPECT_EQ(c.At(30, 22), kRed);
    EXPECT_EQ(c.At(15, 25), kRed);
}

struct ThinLineCase {
    const char* name;
    int x1, y1, x2, y2;
    int startX, startY, endX, endY;  // first pixel drawn; the end pixel left out
    int pixels;
};

class ThinLine : public ::testing::TestWithParam<ThinLineCase> {};

TEST_P(ThinLine, LeavesOutTheEndPixel) {
    const ThinLineCase& t = GetParam();
    Canvas c;
    c.Pen(PS_SOLID, 1, RGB(0, 0, 0));
    c.Line(t.x1, t.y1, t.x2, t.y2);
    if (t.pixels > 0) {
        EXPECT_EQ(c.At(t.startX, t.startY), kBlack);
    }
    EXPECT_EQ(c.At(t.endX, t.endY), kRed);
    int drawn = 0;
    for (int y = 0; y < 100; ++y) drawn += c.CountInRow(y, kBlack);
    EXPECT_EQ(drawn, t.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ThinLine,
    ::testing::Values(ThinLineCase{"Right", 10, 10, 20, 10, 10, 10, 20, 10, 10},
                      ThinLineCase{"Left", 20, 12, 10, 12, 20, 12, 10, 12, 10},
                      ThinLineCase{"Down", 5, 10, 5, 30, 5, 10, 5, 30, 20},
                      ThinLineCase{"Diagonal", 10, 10, 20, 20, 10, 10, 20, 20, 10},
                      ThinLineCase{"UpLeft", 60, 60, 40, 50, 60, 60, 40, 50, 20},
                      ThinLineCase{"Empty", 50, 50, 50, 50, 50, 50, 50, 50, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RasterDc, PolylineJointsAreDrawnOnce) {
    Canvas c;
    c.Pen(PS_SOLID, 1, RGB(0, 0, 0));
    c.dc.MoveTo(10, 10);
    c.dc.LineTo(20, 10);
    c.dc.LineTo(20, 20);
    EXPECT_EQ(c.At(20, 10), kBlack);  // the joint, drawn as the start of the second line
    EXPECT_EQ(c.At(20, 20), kRed);
}

struct WidthCase {
    const char* name;
    int width;
    int thickness;
};

class PenWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(PenWidth, DrawsABandOfItsMagnitude) {
    Canvas c;
    c.Pen(PS_SOLID, GetParam().width, RGB(0, 0, 0));
    c.Line(20, 50, 80, 50);
    EXPECT_EQ(c.CountInColumn(50, kBlack), GetParam().thickness);
}

INSTANTIATE_TEST_SUITE_P(Widths, PenWidth,
                         ::testing::Values(WidthCase{"Zero", 0, 1}, WidthCase{"One", 1, 1},
                                           WidthCase{"Two", 2, 2}, WidthCase{"Three", 3, 3},
                                           WidthCase{"Eight", 8, 8}, WidthCase{"MinusOne", -1, 1},
                                           WidthCase{"MinusFour", -4, 4},
                                           WidthCase{"MinusEight", -8, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RasterDc, WideLinesHaveRoundEnds) {
    Canvas c;
    c.Pen(PS_SOLID, 8, RGB(0, 0, 0));
    c.Line(30, 50, 70, 50);
    // Half the width beyond each end on the axis of the line...
    EXPECT_EQ(c.At(26, 49), kBlack);
    EXPECT_EQ(c.At(73, 50), kBlack);
    EXPECT_EQ(c.At(25, 49), kRed);
    EXPECT_EQ(c.At(74, 50), kRed);
    // ...but not in the corners, where a square end would reach.
    EXPECT_EQ(c.At(26, 46), kRed);
    EXPECT_EQ(c.At(73, 53), kRed);
    EXPECT_EQ(c.At(30, 46), kBlack);
}

// The band of a wide line, by its definition: pixel centres closer than half the width to the
// segment, odd widths measured from pixel centres, even ones from pixel corners.
bool InBand(int px, int py, int x1, int y1, int x2, int y2, int width) {
    const double o = width % 2 == 1 ? 0.5 : 0.0;
    const double ax = x1 + o, ay = y1 + o, vx = x2 - x1, vy = y2 - y1;
    const double cx = px + 0.5, cy = py + 0.5;
    const double l2 = vx * vx + vy * vy;
    const double t = l2 > 0 ? std::clamp(((cx - ax) * vx + (cy - ay) * vy) / l2, 0.0, 1.0) : 0.0;
    const double ex = ax + t * vx - cx, ey = ay + t * vy - cy;
    return ex * ex + ey * ey < width * width / 4.0;
}

TEST(RasterDc, WideLinesCoverExactlyTheirBand) {
    unsigned seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
    };
    for (int i = 0; i < 300; ++i) {
        // Horizontal, vertical and zero-length segments come up often enough with these ranges.
        const int x1 = 20 + next(60), y1 = 20 + next(60);
        const int x2 = next(4) == 0 ? x1 : 20 + next(60), y2 = next(4) == 0 ? y1 : 20 + next(60);
        const int width = 2 + next(8);
        Canvas c;
        c.Pen(PS_SOLID, width, RGB(0, 0, 0));
        c.Line(x1, y1, x2, y2);
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                ASSERT_EQ(c.At(x, y) == kBlack, InBand(x, y, x1, y1, x2, y2, width))
                    << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") width " << width
                    << " at " << x << "," << y;
            }
        }
    }
}

TEST(RasterDc, AWideDotIsSymmetric) {
    for (int width : {3, 8}) {
        Canvas c;
        c.Pen(PS_SOLID, width, RGB(0, 0, 0));
        // The closed 4 x 4 square of a current marker.
        c.dc.MoveTo(48, 48);
        for (auto [x, y] : {std::pair{52, 48}, {52, 52}, {48, 52}, {48, 48}}) c.dc.LineTo(x, y);
        const int centre2 = width % 2 == 1 ? 100 : 99;  // pixel x mirrors to centre2 - x
        for (int y = 30; y < 70; ++y) {
            for (int x = 30; x < 70; ++x) {
                ASSERT_EQ(c.At(x, y), c.At(centre2 - x, y)) << width << ": " << x << "," << y;
                ASSERT_EQ(c.At(x, y), c.At(x, centre2 - y)) << width << ": " << x << "," << y;
                ASSERT_EQ(c.At(x, y), c.At(y, x)) << width << ": " << x << "," << y;
            }
        }
        // From width 4 on, the band closes the square into a solid dot.
        EXPECT_EQ(c.At(50, 50), width >= 4 ? kBlack : kRed) << "width " << width;
    }
}

// A one-pixel polyline rounds each point to the nearest pixel and, like LineTo, leaves out the
// end pixel; its dots run on round the corners (one on, two off, white between in opaque mode).
struct ThinPolylineCase {
    const char* name;
    int style;
    std::vector<PointF> points;
    std::vector<std::pair<int, int>> on;  // pixels in the pen's colour, all of them
    int white;                            // gap pixels painted white
    friend void PrintTo(const ThinPolylineCase& row, std::ostream* os) { *os << row.name; }
};

class ThinPolyline : public ::testing::TestWithParam<ThinPolylineCase> {};

TEST_P(ThinPolyline, CoversItsPixels) {
    const ThinPolylineCase& t = GetParam();
    Canvas c;
    c.Pen(t.style, 1, RGB(0, 0, 0));
    EXPECT_TRUE(c.dc.Polyline(t.points));
    int drawn = 0, white = 0;
    for (int y = 0; y < 100; ++y)
        drawn += c.CountInRow(y, kBlack), white += c.CountInRow(y, kWhite);
    EXPECT_EQ(drawn, static_cast<int>(t.on.size()));
    EXPECT_EQ(white, t.white);
    for (const auto& [x, y] : t.on) EXPECT_EQ(c.At(x, y), kBlack) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ThinPolyline,
    ::testing::Values(
        // (10.4, 20.49) is pixel (10, 20), (14.6, 19.5) is (15, 20): x = 10..14.
        ThinPolylineCase{"HorizontalRun",
                         PS_SOLID,
                         {{10.4, 20.49}, {14.6, 19.5}},
                         {{10, 20}, {11, 20}, {12, 20}, {13, 20}, {14, 20}},
                         0},
        ThinPolylineCase{"DiagonalEndLeftOut",
                         PS_SOLID,
                         {{9.7, 10.2}, {13, 13}},
                         {{10, 10}, {11, 11}, {12, 12}},
                         0},
        // The corner is drawn once, as the start of the second piece; the last end is left out.
        ThinPolylineCase{"Corner",
                         PS_SOLID,
                         {{10, 10}, {13, 10}, {13, 12}},
                         {{10, 10}, {11, 10}, {12, 10}, {13, 10}, {13, 11}},
                         0},
        // Fourteen pixels stepped: dots at steps 0, 3, 6, 9 and 12 of the whole path, where two
        // LineTo calls would start again at the corner.
        ThinPolylineCase{"DotsRunOnRoundTheCorner",
                         PS_DOT,
                         {{10, 50}, {14, 50}, {14, 60}},
                         {{10, 50}, {13, 50}, {14, 52}, {14, 55}, {14, 58}},
                         9}),
    [](const auto& info) { return std::string(info.param.name); });

// Through whole-number points a polyline covers what MoveTo and LineTo cover, for any pen.
TEST(RasterDc, PolylineThroughWholePointsIsTheChainOfLines) {
    const std::vector<std::pair<int, int>> path{{20, 20}, {60, 25}, {55, 70}, {20, 40}, {21, 40}};
    for (const int width : {1, 2, 5, 8}) {
        Canvas lines, polyline;
        lines.Pen(PS_SOLID, width, RGB(0, 0, 0));
        polyline.Pen(PS_SOLID, width, RGB(0, 0, 0));
        std::vector<PointF> points;
        lines.dc.MoveTo(path[0].first, path[0].second);
        for (const auto& [x, y] : path) {
            lines.dc.LineTo(x, y);
            points.push_back({double(x), double(y)});
        }
        polyline.dc.Polyline(points);
        EXPECT_EQ(polyline.dc.Pixels().pixels, lines.dc.Pixels().pixels) << "width " << width;
    }
}

// A wide pen's band, by its definition in device pixels: pixel centres closer than half the width
// to one of the pieces, odd widths measured from the picture pixel's centre. Every product here is
// exact for points on a quarter-pixel grid.
bool InPolylineBand(int px, int py, const std::vector<PointF>& points, int width, double scale) {
    const double o = width % 2 == 1 ? 0.5 : 0.0, r = width * scale / 2;
    const double cx = px + 0.5, cy = py + 0.5;
    for (size_t k = 1; k < points.size(); ++k) {
        const double ax = (points[k - 1].x + o) * scale, ay = (points[k - 1].y + o) * scale;
        const double bx = (points[k].x + o) * scale, by = (points[k].y + o) * scale;
        const double vx = bx - ax, vy = by - ay, wx = cx - ax, wy = cy - ay;
        const double along = wx * vx + wy * vy, l2 = vx * vx + vy * vy;
        const double cross = wx * vy - wy * vx;
        const bool inside = along <= 0    ? wx * wx + wy * wy < r * r
                            : along >= l2 ? (cx - bx) * (cx - bx) + (cy - by) * (cy - by) < r * r
                                          : cross * cross < r * r * l2;
        if (inside) return true;
    }
    return false;
}

// Points between pixels keep their place: on the half-pixel grid at scale 1, on the quarter-pixel
// grid at scale 2, the band is exactly the one of the unrounded path.
TEST(RasterDc, WidePolylineCoversExactlyItsBand) {
    struct Row {
        const char* name;
        double scale;
        double grid;
        int width;
    };
    unsigned seed = 2024;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
    };
    for (const Row& row : {Row{"Halves", 1, 0.5, 3}, Row{"HalvesEven", 1, 0.5, 4},
                           Row{"QuartersAtTwice", 2, 0.25, 3}, Row{"QuartersEven", 2, 0.25, 2}}) {
        for (int i = 0; i < 40; ++i) {
            std::vector<PointF> points;
            for (int k = 0; k < 4; ++k)
                points.push_back({8 + next(static_cast<int>(34 / row.grid)) * row.grid,
                                  8 + next(static_cast<int>(34 / row.grid)) * row.grid});
            RasterDc dc(50, 50, row.scale);
            dc.SelectObject(dc.CreatePen(PS_SOLID, row.width, RGB(255, 255, 255)));
            dc.Polyline(points);
            const PixelBuffer& b = dc.Pixels();
            for (int y = 0; y < b.height; ++y) {
                for (int x = 0; x < b.width; ++x) {
                    ASSERT_EQ(b.At(x, y) == kWhite,
                              InPolylineBand(x, y, points, row.width, row.scale))
                        << row.name << " path " << i << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(RasterDc, EllipseFillsItsBoxExclusiveOfRightAndBottom) {
    Canvas c;
    c.Pen(PS_SOLID, 1, RGB(0, 0, 0));
    c.dc.SelectObject(c.dc.CreateSolidBrush(RGB(255, 255, 255)));
    c.dc.Ellipse(10, 20, 50, 60);
    // Outline at the extremes of the box, white inside, red outside.
    EXPECT_EQ(c.At(10, 39), kBlack);
    EXPECT_EQ(c.At(49, 40), kBlack);
    EXPECT_EQ(c.At(29, 20), kBlack);
    EXPECT_EQ(c.At(30, 59), kBlack);
    EXPECT_EQ(c.At(50, 40), kRed);
    EXPECT_EQ(c.At(30, 60), kRed);
    EXPECT_EQ(c.At(9, 40), kRed);
    EXPECT_EQ(c.At(10, 20), kRed);  // the corner of the box lies outside the ellipse
    EXPECT_EQ(c.At(30, 40), kWhite);
    EXPECT_EQ(c.At(11, 40), kWhite);
    // Symmetric about the centre of the box.
    for (int y = 20; y < 60; ++y) {
        for (int x = 10; x < 50; ++x) ASSERT_EQ(c.At(x, y), c.At(59 - x, 79 - y)) << x << "," << y;
    }
}

TEST(RasterDc, DottedPenLeavesGapsUntouchedInTransparentMode) {
    for (int mode : {TRANSPARENT, OPAQUE}) {
        Canvas c;
        c.dc.SetBkMode(mode);
        c.Pen(PS_DOT, 1, RGB(64, 64, 64));
        c.Line(10, 50, 70, 50);
        const int dots = c.CountInRow(50, kGrey);
        EXPECT_GE(dots, 15);
        EXPECT_LE(dots, 40);
        EXPECT_EQ(c.CountInRow(50, kRed), mode == TRANSPARENT ? 100 - dots : 100 - 60);
        EXPECT_EQ(c.CountInRow(50, kWhite), mode == TRANSPARENT ? 0 : 60 - dots);
    }
}

// At a scale of p/q the edge of picture pixel x lies at round(x * p / q) on the device, so the
// pixels of the picture tile the device without gaps or overlaps, and a 1.5 window is sharp.
TEST(RasterDc, QuarterScalesPutEveryEdgeAtItsRoundedPlace) {
    struct Row {
        double scale;
        int size;      // device pixels of a 10-pixel surface
        int first[4];  // device columns where picture columns 0..3 start
    };
    for (const Row& row : {Row{1.25, 13, {0, 1, 3, 4}}, Row{1.5, 15, {0, 2, 3, 5}},
                           Row{1.75, 18, {0, 2, 4, 5}}, Row{3, 30, {0, 3, 6, 9}}}) {
        RasterDc dc(10, 10, row.scale);
        ASSERT_EQ(dc.Pixels().width, row.size) << row.scale;
        // Alternate columns black and white; every device column takes the colour of its pixel.
        dc.SelectObject(dc.CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        for (int x = 1; x < 4; x += 2) {
            dc.MoveTo(x, 0);
            dc.LineTo(x, 10);
        }
        for (int picture = 0; picture < 3; ++picture)
            for (int device = row.first[picture]; device < row.first[picture + 1]; ++device)
                EXPECT_EQ(dc.Pixels().At(device, 0), picture % 2 ? kWhite : kBlack)
                    << row.scale << " column " << device;
    }
}

// Texts go to the host's painter with their place, size and colour, on the surface's own buffer;
// the painter hears when the frame is done. Without a painter they are passed over.
TEST(RasterDc, HandsEveryTextToTheHostsPainter) {
    struct Recorder : TextPainter {
        std::string calls;
        void DrawText(PixelBuffer& buffer, int x, int y, std::string_view text, int pixels,
                      COLORREF colour, bool opaque) override {
            calls += std::to_string(x) + "," + std::to_string(y) + " " + std::string(text) + " " +
                     std::to_string(pixels) + " " + std::to_string(colour) +
                     (opaque ? " o" : " t") + " x" + std::to_string(buffer.scale).substr(0, 3) +
                     ";";
            buffer.Row(y * 2)[x * 2] = 0xff123456;
        }
        void Finish(PixelBuffer&) override { calls += "done"; }
    };
    auto owned = std::make_unique<Recorder>();
    Recorder* recorder = owned.get();
    RasterDc dc(40, 30, 2, std::move(owned));
    dc.TextOut(3, 4, "U相");
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextSize(20);
    dc.SetTextColor(RGB(255, 0, 0));
    dc.TextOut(10, 12, "F₊");
    EXPECT_EQ(recorder->calls, "3,4 U相 12 0 o x2.0;10,12 F₊ 20 255 t x2.0;");
    EXPECT_EQ(dc.TakePixels().At(20, 24), 0xff123456u);
    EXPECT_EQ(recorder->calls.substr(recorder->calls.size() - 4), "done");

    RasterDc silent(10, 10);
    EXPECT_TRUE(silent.TextOut(1, 1, "U"));
    EXPECT_EQ(silent.Pixels().At(1, 1), kBlack);
}

TEST(RasterDc, TextIsAnchoredAtItsTopLeftCorner) {
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

TEST(RasterDc, OpaqueTextPaintsItsBackground) {
    Canvas c;
    c.dc.TextOut(20, 30, "U");
    EXPECT_GT(c.CountInRow(31, kWhite), 0);
}

}  // namespace
