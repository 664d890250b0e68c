// The explorer's picture through the trace surface: the readout lines, the resultant's length,
// the coil-side markers, F+ and F- tip to tail, and how the picture scales.
#include "explorer/explorer_frame.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "draw/raster_dc.h"
#include "explorer/explorer_layers.h"

namespace {

const double kRoot3 = std::sqrt(3.0);

struct Line {
    int x1, y1, x2, y2;
    std::string style;
    int width;
    std::string colour;
    double Length() const { return std::hypot(x2 - x1, y2 - y1); }
};

std::string Hex(COLORREF c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

std::vector<std::string> TraceLines(const ExplorerInputs& inputs) {
    std::vector<std::string> lines;
    std::istringstream in(TraceExplorerFrame(inputs));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The trace's lines drawn in `colour`, in order.
std::vector<Line> LinesIn(const std::vector<std::string>& trace, COLORREF colour) {
    std::vector<Line> out;
    for (const std::string& text : trace) {
        std::istringstream in(text);
        std::string kind, pen;
        Line l;
        if (in >> kind >> l.x1 >> l.y1 >> l.x2 >> l.y2 >> pen >> l.style >> l.width >> l.colour &&
            kind == "line" && l.colour == Hex(colour))
            out.push_back(l);
    }
    return out;
}

ExplorerInputs Inputs(const Supply& supply, int step, int width = 1024, int height = 768) {
    ExplorerInputs in;
    in.supply = supply;
    in.step = step;
    in.width = width;
    in.height = height;
    return in;
}

// Through the neutral, so that each winding carries its own supply.
Supply WithAmplitudes(std::array<double, 3> a) {
    Supply s;
    s.amplitude = a;
    s.neutral = true;
    return s;
}

// The resultant from the centre, where the dotted axes start, to the tip of its outline: the
// widest black lines, whose third ends at the tip. Its width is the outline's.
Line Resultant(const std::vector<std::string>& trace) {
    const std::vector<Line> ink = LinesIn(trace, kInk);
    int widest = 0;
    for (const Line& l : ink) widest = std::max(widest, l.width);
    std::vector<Line> outline;
    for (const Line& l : ink)
        if (l.width == widest) outline.push_back(l);
    Line centre{};
    for (const Line& l : LinesIn(trace, kStandardPalette.phase[0]))
        if (l.style == "dot") centre = l;
    return {centre.x1, centre.y1, outline.at(2).x2, outline.at(2).y2, "solid", widest, "000000"};
}

// The stator's centre and one phase's peak in pixels, from step 0 of the balanced supply: the
// resultant starts at the centre, and U's vector is one peak long, i_U being 1.
struct Stator {
    int cx;
    int cy;
    int peak;
};
Stator StatorAt(int width, int height) {
    const std::vector<std::string> trace = TraceLines(Inputs({}, 0, width, height));
    const Line r = Resultant(trace);
    for (const Line& l : LinesIn(trace, kStandardPalette.phase[0]))
        if (l.style == "solid") return {r.x1, r.y1, static_cast<int>(l.Length())};
    return {};
}

struct ReadoutCase {
    const char* name;
    Supply supply;
    int step;
    const char* lines;
    friend void PrintTo(const ReadoutCase& row, std::ostream* os) { *os << row.name; }
};

class Readouts : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readouts, OpenTheTrace) {
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(TraceExplorerFrame(Inputs(c.supply, c.step)).substr(0, std::string(c.lines).size()),
              c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Readouts,
    ::testing::Values(
        // i_V = -i_W = (cos(-90°) - cos(-210°))/2; F = sqrt(3) i_V, straight up.
        ReadoutCase{"OpenUAt30", PresetSupply(Preset::OpenU), 3,
                    "readout angle 3*π/18=30°\nreadout u 0.00\nreadout v 0.43\nreadout w -0.43\n"
                    "readout resultant 0.75\nreadout positive 0.75\nreadout negative 0.75\n"
                    "readout rotation pulsating\nrect "},
        // cos 270° is a hair below zero: it still reads 0.00.
        ReadoutCase{"BalancedAt270", PresetSupply(Preset::Balanced), 27,
                    "readout angle 27*π/18=270°\nreadout u 0.00\nreadout v -0.87\n"
                    "readout w 0.87\nreadout resultant 1.50\nreadout positive 1.50\n"
                    "readout negative 0.00\nreadout rotation counter-clockwise\n"},
        ReadoutCase{"NoField", WithAmplitudes({0, 0, 0}), 5,
                    "readout angle 5*π/18=50°\nreadout u 0.00\nreadout v 0.00\nreadout w 0.00\n"
                    "readout resultant 0.00\nreadout positive 0.00\nreadout negative 0.00\n"
                    "readout rotation none\n"},
        ReadoutCase{"StepsGoRoundOnePeriod", PresetSupply(Preset::Balanced), 37,
                    "readout angle 1*π/18=10°\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Size {
    const char* name;
    int width;
    int height;
    friend void PrintTo(const Size& row, std::ostream* os) { *os << row.name; }
};

class BalancedResultant : public ::testing::TestWithParam<Size> {};

// Rounded, not truncated: 3/2 of the peak within half a pixel, all the way round.
TEST_P(BalancedResultant, KeepsItsLengthWithinHalfAPixel) {
    const Size& size = GetParam();
    const int peak = StatorAt(size.width, size.height).peak;
    ASSERT_GT(peak, 10);
    for (int step = 0; step < kExplorerSteps; ++step) {
        const Line r = Resultant(TraceLines(Inputs({}, step, size.width, size.height)));
        EXPECT_NEAR(r.Length(), 1.5 * peak, 0.5) << "step " << step;
        const double angle = std::atan2(r.y1 - r.y2, r.x2 - r.x1);
        EXPECT_NEAR(std::remainder(angle - step * std::numbers::pi / 18, 2 * std::numbers::pi), 0.0,
                    0.6 / (1.5 * peak))
            << "step " << step;
    }
}

// At 800x600 and 900x700 the largest peak that fits would leave the balanced resultant up to 0.7
// pixels off at some step.
INSTANTIATE_TEST_SUITE_P(Sizes, BalancedResultant,
                         ::testing::Values(Size{"Design", 1024, 768}, Size{"Svga", 800, 600},
                                           Size{"Window", 900, 700}, Size{"Small", 640, 480},
                                           Size{"Wide", 1920, 1080}, Size{"Tall", 700, 900}),
                         [](const auto& info) { return std::string(info.param.name); });

// The white marks on the coil sides: a cross (two white lines) and a dot (a white disc) for each
// phase carrying at least 0.005 of the peak.
struct MarkerCase {
    const char* name;
    Supply supply;
    int step;
    int marked;
    friend void PrintTo(const MarkerCase& row, std::ostream* os) { *os << row.name; }
};

class Markers : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(Markers, OnlyWhereACurrentFlows) {
    const MarkerCase& c = GetParam();
    const std::vector<std::string> trace = TraceLines(Inputs(c.supply, c.step));
    int dots = 0;
    for (const std::string& l : trace)
        if (l.rfind("ellipse ", 0) == 0 && l.find(" ffffff brush ffffff") != std::string::npos)
            ++dots;
    EXPECT_EQ(LinesIn(trace, kWhite).size(), 2u * c.marked);
    EXPECT_EQ(dots, c.marked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Markers,
    ::testing::Values(MarkerCase{"BalancedAt0", {}, 0, 3},
                      // cos 90° is 6e-17 of the peak: U has no marker.
                      MarkerCase{"BalancedAt90", {}, 9, 2},
                      // At 240°: i_U = -0.5, i_V = 0.004 cos 120° = -0.002, i_W = 0.006.
                      MarkerCase{"SmallCurrents", WithAmplitudes({1, 0.004, 0.006}), 24, 2},
                      MarkerCase{"JustBelow", WithAmplitudes({0.0049, 0, 0}), 0, 0},
                      MarkerCase{"AtTheThreshold", WithAmplitudes({0.005, 0, 0}), 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// At 0° the field points along U's axis, to the right: every cross lies below the centre and
// every dot above; half a period later the other way round.
TEST(Markers, CrossesLieWhereTheFieldSaysIntoThePage) {
    for (const auto& [step, crossesBelow] : {std::pair{0, true}, std::pair{18, false}}) {
        const std::vector<std::string> trace = TraceLines(Inputs({}, step));
        const Line centre = Resultant(trace);
        const std::vector<Line> crosses = LinesIn(trace, kWhite);
        ASSERT_EQ(crosses.size(), 6u);
        for (const Line& l : crosses)
            EXPECT_EQ((l.y1 + l.y2) / 2 > centre.y1, crossesBelow) << "step " << step;
    }
}

// F+ from the centre, F- from its tip, ending on the resultant's tip, which lies at F times the
// peak: F = (i_U - i_V/2 - i_W/2, sqrt(3)/2 (i_V - i_W)).
struct ComponentCase {
    const char* name;
    Supply supply;
    int step;
    double fx;
    double fy;
    friend void PrintTo(const ComponentCase& row, std::ostream* os) { *os << row.name; }
};

class Components : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(Components, AddUpTipToTailToTheResultant) {
    const ComponentCase& c = GetParam();
    const std::vector<std::string> trace = TraceLines(Inputs(c.supply, c.step));
    const Stator stator = StatorAt(1024, 768);
    const Line r = Resultant(trace);
    ASSERT_EQ(std::pair(r.x1, r.y1), std::pair(stator.cx, stator.cy));
    EXPECT_NEAR(r.x2, r.x1 + c.fx * stator.peak, 0.5);
    EXPECT_NEAR(r.y2, r.y1 - c.fy * stator.peak, 0.5);
    // A component of no length is not drawn: the other one is then the resultant.
    const auto from = [&](COLORREF colour, std::pair<int, int> start) {
        for (const Line& l : LinesIn(trace, colour))
            if (std::pair(l.x1, l.y1) == start) return std::pair(l.x2, l.y2);
        return start;
    };
    const std::pair<int, int> positiveTip = from(kPositiveColour, {r.x1, r.y1});
    EXPECT_EQ(from(kNegativeColour, positiveTip), std::pair(r.x2, r.y2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Components,
    ::testing::Values(
        ComponentCase{"OpenUAt30", PresetSupply(Preset::OpenU), 3, 0.0, 0.75},
        // i = (1, -0.2, -0.35).
        ComponentCase{"UnbalancedAt0", PresetSupply(Preset::Unbalanced), 0, 1.275,
                      kRoot3 / 2 * 0.15},
        // V and W alone at 0°: i_V = i_W = -0.5, their sum points right, half a peak long.
        ComponentCase{"OpenUNeutralAt0", PresetSupply(Preset::OpenUNeutral), 0, 0.5, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

// Sizes of the texts a frame writes, in order.
class TextSizes : public TextPainter {
  public:
    explicit TextSizes(std::vector<int>* sizes) : m_sizes(sizes) {}
    void DrawText(PixelBuffer&, int, int, std::string_view, int pixels, COLORREF, bool) override {
        m_sizes->push_back(pixels);
    }

  private:
    std::vector<int>* m_sizes;
};

std::vector<int> TextSizesAt(int width, int height) {
    std::vector<int> sizes;
    RasterDc dc(width, height, 1, std::make_unique<TextSizes>(&sizes));
    DrawExplorerFrame(Inputs(PresetSupply(Preset::Unbalanced), 4, width, height), dc);
    return sizes;
}

TEST(Scaling, TwiceTheCanvasTwiceTheLinesAndTexts) {
    const std::vector<std::string> design = TraceLines(Inputs({}, 0));
    const std::vector<std::string> doubled = TraceLines(Inputs({}, 0, 2048, 1536));
    EXPECT_EQ(Resultant(doubled).width, 2 * Resultant(design).width);
    EXPECT_NEAR(Resultant(doubled).Length(), 2 * Resultant(design).Length(), 6.0);
    const std::vector<int> small = TextSizesAt(1024, 768);
    const std::vector<int> large = TextSizesAt(2048, 1536);
    ASSERT_EQ(small.size(), large.size());
    for (size_t i = 0; i < small.size(); ++i) EXPECT_NEAR(large[i], 2 * small[i], 1) << i;
    // Readable from the back of the room at the design size.
    EXPECT_GE(*std::min_element(small.begin(), small.end()), 17);
}

TEST(OutOfRange, InputsAreBroughtIntoRange) {
    EXPECT_EQ(TraceExplorerFrame(Inputs(WithAmplitudes({5, -1, std::nan("")}), 40)),
              TraceExplorerFrame(Inputs(WithAmplitudes({2, 0, 1}), 4)));
    EXPECT_EQ(TraceExplorerFrame(Inputs({}, -1)), TraceExplorerFrame(Inputs({}, 35)));
    EXPECT_NE(TraceExplorerFrame(Inputs({}, 0, 1, 1)), "");
}

}  // namespace
