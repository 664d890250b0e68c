// The windings view's picture at the design's size and at the smaller canvases the window gives
// on 1366x768 and 1024x768 screens, its texts' boxes taken from the scene font's metrics: no text
// is smaller than 12 pixels, none leaves its pane and none covers another.
#include <QFontMetrics>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "draw/raster_dc.h"
#include "language.h"
#include "scene_font.h"
#include "winding/winding_frame.h"

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

struct Text {
    std::string text;
    int pixels;
    Box box;  // its glyphs' ink
};

class TextBoxes : public TextPainter {
  public:
    explicit TextBoxes(std::vector<Text>* texts) : m_texts(texts) {}
    void DrawText(PixelBuffer&, int x, int y, std::string_view text, int pixels, COLORREF,
                  bool) override {
        const QFontMetrics metrics(SceneFont(pixels));
        const QRect ink = metrics.tightBoundingRect(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        // The painter draws at the baseline, one ascent below the point it is given.
        const double baseline = y + metrics.ascent();
        m_texts->push_back({std::string(text),
                            pixels,
                            {double(x + ink.left()), baseline + ink.top(),
                             double(x + ink.right() + 1), baseline + ink.bottom() + 1}});
    }

  private:
    std::vector<Text>* m_texts;
};

// The five panes from the four grey dividers, drawn first: the upright one beside the
// cross-section, the one under the MMF, the one over the zone plan and the one before the
// readouts.
std::vector<Box> Panes(const WindingInputs& in) {
    std::istringstream trace(TraceWindingFrame(in));
    std::vector<std::array<double, 4>> dividers;
    for (std::string line; std::getline(trace, line) && dividers.size() < 4;) {
        double x1, y1, x2, y2;
        if (line.find(" pen solid ") != std::string::npos && line.ends_with(" bebebe") &&
            std::sscanf(line.c_str(), "line %lf %lf %lf %lf", &x1, &y1, &x2, &y2) == 4)
            dividers.push_back({x1, y1, x2, y2});
    }
    EXPECT_EQ(dividers.size(), 4u);
    if (dividers.size() < 4) return {};
    const double middle = dividers[0][0], mmfBottom = dividers[1][1], upper = dividers[2][1];
    const double readouts = dividers[3][0], w = in.width, h = in.height;
    return {{0, 0, middle, upper},
            {middle, 0, w, mmfBottom},
            {middle, mmfBottom, w, upper},
            {0, upper, readouts, h},
            {readouts, upper, w, h}};
}

struct Canvas {
    const char* name;
    int width, height;
    friend void PrintTo(const Canvas& c, std::ostream* os) { *os << c.name; }
};

class EveryWinding : public ::testing::TestWithParam<Canvas> {};

TEST_P(EveryWinding, TextsReadableInTheirPanes) {
    const Winding windings[] = {{2, 6, 1, 3},   {4, 36, 2, 7},  {6, 54, 2, 7},
                                {6, 72, 1, 12}, {8, 96, 2, 10}, {2, 24, 2, 1}};
    for (const Language language : {Language::Chinese, Language::English}) {
        SetLanguage(language);
        for (const Winding& w : windings) {
            SCOPED_TRACE(std::to_string(w.slotCount) + " slots, " + std::to_string(w.poles) +
                         " poles, " + (language == Language::English ? "English" : "Chinese"));
            WindingInputs in;
            in.winding = w;
            in.step = 11;
            in.frequency = 60;
            in.width = GetParam().width;
            in.height = GetParam().height;
            in.translation = CurrentTranslation();
            std::vector<Text> texts;
            RasterDc dc(in.width, in.height, 1, std::make_unique<TextBoxes>(&texts));
            DrawWindingFrame(in, dc);
            const std::vector<Box> panes = Panes(in);
            for (size_t i = 0; i < texts.size(); ++i) {
                const Text& t = texts[i];
                EXPECT_GE(t.pixels, 12) << t.text;
                bool placed = false;
                for (const Box& pane : panes) placed = placed || t.box.Inside(pane);
                EXPECT_TRUE(placed) << t.text << " at " << t.box.left << ", " << t.box.top;
                for (size_t j = i + 1; j < texts.size(); ++j) {
                    EXPECT_FALSE(t.box.Meets(texts[j].box)) << t.text << " on " << texts[j].text;
                }
            }
        }
    }
    SetLanguage(Language::Chinese);
}

// The design's size; the canvases the window leaves beside its 400-pixel panel on 1366x768 and
// 1024x768 screens; a small 4:3 window.
INSTANTIATE_TEST_SUITE_P(Canvases, EveryWinding,
                         ::testing::Values(Canvas{"Design", 1024, 768},
                                           Canvas{"Screen1366", 938, 725},
                                           Canvas{"Screen1024", 602, 725},
                                           Canvas{"Small", 700, 525}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
