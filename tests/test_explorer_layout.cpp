// The explorer's picture, every preset and the extreme supplies at every step, read back from
// its trace with the texts' boxes taken from the scene font's metrics: everything stays in its
// pane, no label of the stator covers an arrow, a coil disc or another label, F is drawn last,
// and the air-gap fundamental's drawn peak is the |F| read out.
#include <QFontMetrics>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "draw/raster_dc.h"
#include "explorer/explorer_frame.h"
#include "language.h"
#include "scene_font.h"

namespace {

struct Box {
    double left, top, right, bottom;
    bool Inside(const Box& o) const {
        return left >= o.left && top >= o.top && right <= o.right && bottom <= o.bottom;
    }
    bool Meets(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

struct Shape {
    std::string kind;  // line, polyline, ellipse, rect, text
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<std::pair<double, double>> points;  // a polyline's
    std::string style;
    int width = 0;
    std::string colour;
    std::string text;
    Box box{};  // what it covers, pen and glyphs included
};

// The texts as the host's painter is asked for them, with their pixel size.
class TextBoxes : public TextPainter {
  public:
    explicit TextBoxes(std::vector<Box>* boxes) : m_boxes(boxes) {}
    void DrawText(PixelBuffer&, int x, int y, std::string_view text, int pixels, COLORREF,
                  bool) override {
        const QFontMetrics metrics(SceneFont(pixels));
        // The painter draws at the baseline, one ascent below the point it is given.
        const QRect ink = metrics.tightBoundingRect(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        const double baseline = y + metrics.ascent();
        m_boxes->push_back({double(x + ink.left()), baseline + ink.top(),
                            double(x + ink.right() + 1), baseline + ink.bottom() + 1});
    }

  private:
    std::vector<Box>* m_boxes;
};

std::vector<Shape> Shapes(const ExplorerInputs& inputs, std::vector<std::string>* readouts) {
    std::vector<Box> texts;
    RasterDc dc(inputs.width, inputs.height, 1, std::make_unique<TextBoxes>(&texts));
    DrawExplorerFrame(inputs, dc);
    std::vector<Shape> shapes;
    std::istringstream in(TraceExplorerFrame(inputs));
    size_t text = 0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        Shape s;
        std::string pen;
        words >> s.kind;
        if (s.kind == "readout") {
            readouts->push_back(line);
        } else if (s.kind == "text") {
            words >> s.x1 >> s.y1;
            std::getline(words >> std::ws, s.text);
            s.box = texts.at(text++);
            shapes.push_back(s);
        } else if (s.kind == "polyline") {
            size_t count = 0;
            words >> count;
            s.points.resize(count);
            for (auto& [x, y] : s.points) words >> x >> y;
            words >> pen >> s.style >> s.width >> s.colour;
            EXPECT_EQ(pen, "pen") << line;
            const double half = std::max(1, s.width) / 2.0;
            s.box = {1e9, 1e9, -1e9, -1e9};
            for (const auto& [x, y] : s.points)
                s.box = {std::min(s.box.left, x - half), std::min(s.box.top, y - half),
                         std::max(s.box.right, x + half), std::max(s.box.bottom, y + half)};
            shapes.push_back(s);
        } else {
            words >> s.x1 >> s.y1 >> s.x2 >> s.y2 >> pen >> s.style >> s.width >> s.colour;
            const double half = s.kind == "line" ? std::max(1, s.width) / 2.0 : 0.0;
            s.box = {std::min(s.x1, s.x2) - half, std::min(s.y1, s.y2) - half,
                     std::max(s.x1, s.x2) + half, std::max(s.y1, s.y2) + half};
            shapes.push_back(s);
        }
    }
    EXPECT_EQ(text, texts.size());
    return shapes;
}

// Whether a stroke of the line's width crosses the box: its centre line comes within half the
// width of the box's outline or passes through it.
bool Crosses(const Shape& l, const Box& b) {
    const double cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    const double halfW = (b.right - b.left) / 2, halfH = (b.bottom - b.top) / 2;
    // Sampled along the segment, a pixel at a time.
    const int n = std::max(1, int(std::hypot(l.x2 - l.x1, l.y2 - l.y1)));
    for (int k = 0; k <= n; ++k) {
        const double x = l.x1 + (l.x2 - l.x1) * k / double(n);
        const double y = l.y1 + (l.y2 - l.y1) * k / double(n);
        const double dx = std::max(0.0, std::abs(x - cx) - halfW);
        const double dy = std::max(0.0, std::abs(y - cy) - halfH);
        if (std::hypot(dx, dy) < l.width / 2.0) return true;
    }
    return false;
}

struct Panes {
    Box stator, chart, airGap, readouts;
};

// The panes from the three grey dividers drawn first: the upright one, then the left and the
// right cross lines.
Panes PanesOf(const std::vector<Shape>& shapes, int width, int height) {
    std::vector<Shape> dividers;
    for (const Shape& s : shapes)
        if (s.kind == "line" && s.colour == "bebebe" && s.style == "solid" && dividers.size() < 3)
            dividers.push_back(s);
    const double middle = dividers.at(0).x1, left = dividers.at(1).y1, right = dividers.at(2).y1;
    return {{0, 0, middle, left},
            {middle, 0, double(width), right},
            {0, left, middle, double(height)},
            {middle, right, double(width), double(height)}};
}

struct Case {
    const char* name;
    Supply supply;
    bool apart = false;
    Language language = Language::Chinese;
    friend void PrintTo(const Case& row, std::ostream* os) { *os << row.name; }
};

Supply Extreme(std::array<double, 3> a, int open = kNoPhase, bool neutral = false) {
    Supply s;
    s.amplitude = a;
    s.openPhase = open;
    s.neutral = neutral;
    return s;
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const Preset p : kPresets) cases.push_back({PresetName(p).data(), PresetSupply(p)});
    cases.push_back({"All2", Extreme({2, 2, 2})});
    cases.push_back({"All2Neutral", Extreme({2, 2, 2}, kNoPhase, true)});
    cases.push_back({"U2Alone", Extreme({2, 0, 0})});
    cases.push_back({"U2AloneNeutral", Extreme({2, 0, 0}, kNoPhase, true)});
    cases.push_back({"None", Extreme({0, 0, 0})});
    cases.push_back({"OpenU2", Extreme({2, 2, 2}, 0)});
    cases.push_back({"OpenU2Neutral", Extreme({2, 2, 2}, 0, true)});
    cases.push_back({"OpenVNeutralUneven", Extreme({1.2, 0.8, 1.5}, 1, true)});
    Supply zero = Extreme({1, 1, 1}, kNoPhase, true);
    zero.offset = {0, -120, 120};
    cases.push_back({"ZeroSequenceNeutral", zero});
    cases.push_back({"BalancedApart", {}, true});
    cases.push_back({"UnbalancedApart", PresetSupply(Preset::Unbalanced), true});
    cases.push_back({"SinglePhaseApart", PresetSupply(Preset::SinglePhase), true});
    // The English words are longer than the Chinese.
    for (const Preset p : {Preset::OpenUNeutral, Preset::SinglePhase, Preset::Unbalanced})
        cases.push_back({PresetName(p).data(), PresetSupply(p), false, Language::English});
    Supply fourWires = PresetSupply(Preset::Balanced);
    fourWires.neutral = true;
    cases.push_back({"FourWires", fourWires, false, Language::English});
    return cases;
}

class EveryStep : public ::testing::TestWithParam<Case> {};

TEST_P(EveryStep, StaysInItsPaneAndLabelsCoverNothing) {
    const Case& c = GetParam();
    SetLanguage(c.language);
    for (int step = 0; step < kExplorerSteps; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        ExplorerInputs in;
        in.supply = c.supply;
        in.step = step;
        in.componentsApart = c.apart;
        in.translation = CurrentTranslation();
        std::vector<std::string> readouts;
        const std::vector<Shape> shapes = Shapes(in, &readouts);
        const Panes panes = PanesOf(shapes, in.width, in.height);
        std::vector<Shape> labels, arrows, discs;
        for (size_t k = 0; k < shapes.size(); ++k) {
            const Shape& s = shapes[k];
            // The background and the dividers belong to the whole canvas.
            if (k == 0 || (s.kind == "line" && s.colour == "bebebe" && s.style == "solid"))
                continue;
            const bool placed = s.box.Inside(panes.stator) || s.box.Inside(panes.chart) ||
                                s.box.Inside(panes.airGap) || s.box.Inside(panes.readouts);
            EXPECT_TRUE(placed) << s.kind << " " << s.x1 << " " << s.y1 << " " << s.text;
            if (!s.box.Inside(panes.stator)) continue;
            if (s.kind == "text") labels.push_back(s);
            if (s.kind == "line" && s.style == "solid" && s.width >= 3) arrows.push_back(s);
            if (s.kind == "ellipse" && s.x2 - s.x1 < 60) discs.push_back(s);
        }
        // The pane's title is the first text, clear of the stator by layout.
        for (size_t i = 1; i < labels.size(); ++i) {
            for (size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].box.Meets(labels[j].box))
                    << labels[i].text << " and " << labels[j].text;
            for (const Shape& a : arrows)
                EXPECT_FALSE(Crosses(a, labels[i].box))
                    << labels[i].text << " crossed by " << a.colour << " " << a.x1 << "," << a.y1
                    << " " << a.x2 << "," << a.y2;
            for (const Shape& d : discs)
                EXPECT_FALSE(labels[i].box.Meets(d.box)) << labels[i].text << " on a disc";
        }
    }
}

// The resultant, an outline in black, comes after every other vector of the stator.
TEST_P(EveryStep, TheResultantIsDrawnOnTop) {
    ExplorerInputs in;
    in.supply = GetParam().supply;
    in.step = 4;
    in.componentsApart = GetParam().apart;
    std::vector<std::string> readouts;
    const std::vector<Shape> shapes = Shapes(in, &readouts);
    const Box stator = PanesOf(shapes, in.width, in.height).stator;
    int lastComponent = -1, lastInk = -1;
    for (int k = 0; k < int(shapes.size()); ++k) {
        const Shape& s = shapes[k];
        if (s.kind != "line" || s.style != "solid" || s.width < 3 || !s.box.Inside(stator))
            continue;
        if (s.colour == "000000")
            lastInk = k;
        else if (s.colour != "ffffff")
            lastComponent = k;
    }
    if (readouts.at(4) != "readout resultant 0.00") {
        EXPECT_GT(lastInk, lastComponent);
    }
}

// Read off the drawn curve with the axis's own scale: the top grid line is the top value, its
// text "N Fp"; the bottom one -N.
TEST_P(EveryStep, TheFundamentalPeaksAtTheResultant) {
    for (int step = 0; step < kExplorerSteps; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        ExplorerInputs in;
        in.supply = GetParam().supply;
        in.step = step;
        std::vector<std::string> readouts;
        const std::vector<Shape> shapes = Shapes(in, &readouts);
        const Box gap = PanesOf(shapes, in.width, in.height).airGap;
        std::vector<int> grid;
        double full = 0;
        std::vector<const Shape*> curves;
        for (const Shape& s : shapes) {
            if (!s.box.Inside(gap)) continue;
            if (s.kind == "line" && s.style == "dot" && s.y1 == s.y2) grid.push_back(s.y1);
            if (s.kind == "text" && s.text.size() > 3 && s.text.substr(s.text.size() - 3) == " Fp")
                full = std::stod(s.text);
            if (s.kind == "polyline" && s.style == "solid" && s.colour == "000000" && s.width == 2)
                curves.push_back(&s);
        }
        ASSERT_EQ(grid.size(), 2u);
        ASSERT_GT(full, 0);
        const double zero = (grid[0] + grid[1]) / 2.0, perFp = (grid[1] - grid[0]) / (2 * full);
        // The curve: one black stroke through 73 points, 72 pieces over the period.
        ASSERT_EQ(curves.size(), 1u);
        ASSERT_EQ(curves[0]->points.size(), 73u);
        double peak = 0;
        for (const auto& [x, y] : curves[0]->points)
            peak = std::max(peak, std::abs(zero - y) / perFp);
        const double resultant =
            std::stod(readouts.at(4).substr(std::string("readout resultant ").size()));
        // 72 points a period sample the peak within 2.5 degrees; half a pixel of rounding.
        EXPECT_NEAR(peak, resultant,
                    0.005 + resultant * (1 - std::cos(2.5 * M_PI / 180)) + 0.5 / perFp);
        EXPECT_GE(peak + 0.005 + 0.5 / perFp, resultant * std::cos(2.5 * M_PI / 180));
    }
}

INSTANTIATE_TEST_SUITE_P(Supplies, EveryStep, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param.language == Language::English ? "English" : "";
    for (const char ch : std::string(info.param.name))
        if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
    return name;
});

}  // namespace
