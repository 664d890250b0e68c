// The trace surface's record of a polyline: its points to the hundredth of a pixel and its pen.
#include "draw/trace_dc.h"

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct PolylineCase {
    const char* name;
    int style, width;
    COLORREF colour;
    std::vector<PointF> points;
    const char* record;  // "" for none
    friend void PrintTo(const PolylineCase& row, std::ostream* os) { *os << row.name; }
};

class Polyline : public ::testing::TestWithParam<PolylineCase> {};

TEST_P(Polyline, IsOneRecordWithItsPen) {
    const PolylineCase& c = GetParam();
    TraceDc dc;
    dc.SelectObject(dc.CreatePen(c.style, c.width, c.colour));
    EXPECT_TRUE(dc.Polyline(c.points));
    EXPECT_EQ(dc.Text(), c.record);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Polyline,
    ::testing::Values(PolylineCase{"WholeAndHalves",
                                   PS_SOLID,
                                   3,
                                   RGB(1, 2, 254),
                                   {{10, 20}, {30.5, 20.25}, {100, -7}},
                                   "polyline 3 10 20 30.5 20.25 100 -7 pen solid 3 0102fe\n"},
                      // 12.345678 to 12.35; -0.004 is 0, not -0.
                      PolylineCase{"Hundredths",
                                   PS_DOT,
                                   1,
                                   RGB(70, 70, 70),
                                   {{12.345678, -0.004}, {0.996, 1e-9}},
                                   "polyline 2 12.35 0 1 0 pen dot 1 464646\n"},
                      // The width as passed, as for lines.
                      PolylineCase{"ZeroWidth",
                                   PS_SOLID,
                                   0,
                                   RGB(0, 0, 0),
                                   {{1, 2}, {3, 4}},
                                   "polyline 2 1 2 3 4 pen solid 0 000000\n"},
                      PolylineCase{
                          "OnePointDrawsNothing", PS_SOLID, 2, RGB(0, 0, 0), {{1, 2}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Polyline, RefusesAPointThatIsNotFinite) {
    TraceDc dc;
    const std::vector<PointF> points{{1, 2}, {std::numeric_limits<double>::quiet_NaN(), 3}};
    EXPECT_FALSE(dc.Polyline(points));
    const std::vector<PointF> far{{1, 2}, {std::numeric_limits<double>::infinity(), 3}};
    EXPECT_FALSE(dc.Polyline(far));
    EXPECT_EQ(dc.Text(), "");
}

// Like the device contexts' Polyline, it neither starts at the current position nor moves it.
TEST(Polyline, LeavesTheCurrentPositionAlone) {
    TraceDc dc;
    dc.MoveTo(5, 6);
    dc.Polyline(std::vector<PointF>{{1, 1}, {2, 2}});
    dc.LineTo(7, 8);
    EXPECT_EQ(dc.Text(),
              "polyline 2 1 1 2 2 pen solid 1 000000\nline 5 6 7 8 pen solid 1 000000\n");
}

}  // namespace
