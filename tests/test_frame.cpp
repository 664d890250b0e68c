// The scene, call by call, through the trace surface.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "draw/gdi_objects.h"
#include "draw/trace_dc.h"
#include "field/frame.h"
#include "step0_trace.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Trace(int step, bool resultant = true, int width = 513, int height = 624) {
    return Lines(TraceFrame({step, width, height, resultant}));
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines drawn with one pen, in order.
std::vector<std::string> WithPen(const std::vector<std::string>& lines, const std::string& pen) {
    std::vector<std::string> out;
    for (const auto& l : lines) {
        if (l.rfind("line ", 0) == 0 && l.size() > pen.size() &&
            l.compare(l.size() - pen.size(), pen.size(), pen) == 0) {
            out.push_back(l);
        }
    }
    return out;
}

TEST(SceneTrace, Step0IsTheFrameWorkedOutByHand) {
    EXPECT_EQ(TraceFrame({0, 513, 624, true}), kStep0Trace);
}

struct VectorCase {
    const char* name;
    int step;
    std::vector<std::string> expected;  // U, V, W vectors, sum, resultant, construction
};

class Vectors : public ::testing::TestWithParam<VectorCase> {};

TEST_P(Vectors, TipsAndConstructionUseTruncatedCoordinates) {
    const auto lines = Trace(GetParam().step);
    std::vector<std::string> drawn;
    for (const char* pen : {"pen solid 2 ff0000", "pen solid 2 00ff00", "pen solid 2 0000ff",
                            "pen solid 1 c0c0c0", "pen solid 3 000000", "pen dot 1 404040"}) {
        const auto withPen = WithPen(lines, pen);
        // The vector is the first line of its pen; the same pens draw the chart traces later.
        const size_t keep = std::string(pen).find("dot") != std::string::npos ? 4 : 1;
        ASSERT_GE(withPen.size(), keep) << pen;
        drawn.insert(drawn.end(), withPen.begin(), withPen.begin() + keep);
    }
    EXPECT_EQ(drawn, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSteps, Vectors,
    ::testing::Values(
        VectorCase{
            "Step9",
            9,
            {"line 256 468 255 468 pen solid 2 ff0000", "line 256 468 225 415 pen solid 2 00ff00",
             "line 256 468 286 415 pen solid 2 0000ff", "line 256 468 255 362 pen solid 1 c0c0c0",
             "line 256 468 254 362 pen solid 3 000000", "line 225 415 255 362 pen dot 1 404040",
             "line 286 415 255 362 pen dot 1 404040", "line 255 468 254 362 pen dot 1 404040",
             "line 255 362 254 362 pen dot 1 404040"}},
        VectorCase{
            "Step12",
            12,
            {"line 256 468 220 468 pen solid 2 ff0000", "line 256 468 221 407 pen solid 2 00ff00",
             "line 256 468 273 437 pen solid 2 0000ff", "line 256 468 238 376 pen solid 1 c0c0c0",
             "line 256 468 202 376 pen solid 3 000000", "line 221 407 238 376 pen dot 1 404040",
             "line 273 437 238 376 pen dot 1 404040", "line 220 468 202 376 pen dot 1 404040",
             "line 238 376 202 376 pen dot 1 404040"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SceneTrace, SixtyDegreesPutsTheUTipAtCxPlus34) {
    EXPECT_EQ(WithPen(Trace(6), "pen solid 2 ff0000").front(),
              "line 256 468 290 468 pen solid 2 ff0000");
}

struct MarkerCase {
    const char* name;
    int step;
    std::string firstCrossLine;
};

class Markers : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(Markers, CrossSideFollowsTheSignAndPenTheMagnitude) {
    EXPECT_TRUE(Contains(Trace(GetParam().step), GetParam().firstCrossLine));
}

INSTANTIATE_TEST_SUITE_P(
    SignTest, Markers,
    ::testing::Values(
        // A tiny negative U: not positive, so the cross moves to the top; the pen is 0 wide.
        MarkerCase{"U9TinyNegative", 9, "line 243 325 269 351 pen solid 0 ffffff"},
        // A tiny positive U stays at the bottom.
        MarkerCase{"U27TinyPositive", 27, "line 243 585 269 611 pen solid 0 ffffff"},
        // U at its negative peak: top, width -8.
        MarkerCase{"U18NegativePeak", 18, "line 243 325 269 351 pen solid -8 ffffff"},
        // V at its peak: cross on the upper right side (368, 403).
        MarkerCase{"V12Peak", 12, "line 355 390 381 416 pen solid 8 ffffff"},
        // W at its peak: cross on the upper left side (143, 403).
        MarkerCase{"W24Peak", 24, "line 130 390 156 416 pen solid 8 ffffff"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SceneTrace, FirstStepDrawsOneSegmentPerPhase) {
    const auto lines = Trace(1);
    EXPECT_TRUE(Contains(lines, "line 50 86 56 87 pen solid 2 ff0000"));
    EXPECT_TRUE(Contains(lines, "line 50 191 56 179 pen solid 2 00ff00"));
    EXPECT_TRUE(Contains(lines, "line 50 191 56 200 pen solid 2 0000ff"));
}

TEST(SceneTrace, TraceEndPointsAreComputedForEachSegment) {
    const auto u = WithPen(Trace(3), "pen solid 2 ff0000");
    const std::vector<std::string> expected = {
        "line 256 468 256 468 pen solid 2 ff0000",  // the U vector at 30 degrees ends at cx + 60
        "line 50 86 56 87 pen solid 2 ff0000", "line 56 87 62 90 pen solid 2 ff0000",
        "line 62 90 68 95 pen solid 2 ff0000"};
    ASSERT_EQ(u.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(u.begin() + 1, u.end()),
              std::vector<std::string>(expected.begin() + 1, expected.end()));
    EXPECT_EQ(u.front(), "line 256 468 316 468 pen solid 2 ff0000");
}

TEST(SceneTrace, LastStepDrawsTwoPeriods) {
    const auto lines = Trace(72);
    for (const char* pen : {"pen solid 2 ff0000", "pen solid 2 00ff00", "pen solid 2 0000ff"}) {
        const auto withPen = WithPen(lines, pen);
        ASSERT_EQ(withPen.size(), 73u) << pen;  // the vector and 72 segments
        EXPECT_EQ(withPen.back().rfind("line 476 ", 0), 0u) << withPen.back();
        EXPECT_NE(withPen.back().find(" 482 "), std::string::npos) << withPen.back();
    }
    EXPECT_TRUE(Contains(lines, "line 50 156 503 156 pen solid 1 000000"));
}

TEST(SceneTrace, GoingBackAStepDrawsOneSegmentLess) {
    for (int step = 1; step <= 72; ++step) {
        EXPECT_EQ(WithPen(Trace(step), "pen solid 2 00ff00").size(),
                  WithPen(Trace(step - 1), "pen solid 2 00ff00").size() + 1)
            << "step " << step;
    }
}

TEST(SceneTrace, WithoutResultantOnlyTheConstructionIsMissing) {
    for (int step : {0, 9, 12, 35, 72}) {
        auto with = Trace(step, true);
        const auto without = Trace(step, false);
        std::erase_if(with, [](const std::string& l) {
            return l.ends_with("pen solid 1 c0c0c0") || l.ends_with("pen solid 3 000000") ||
                   l.ends_with("pen dot 1 404040");
        });
        EXPECT_EQ(with, without) << "step " << step;
        EXPECT_EQ(Trace(step, true).size(), without.size() + 6);
    }
}

TEST(SceneTrace, AnotherCanvasSizeMovesEveryAnchor) {
    const auto lines = Trace(0, true, 800, 600);  // cx = 400, cy = 450, y0 = 150
    EXPECT_EQ(lines[4], "rect 0 0 800 600 pen solid 1 000000 brush ffffff");
    EXPECT_TRUE(Contains(lines, "ellipse 246 296 554 604 pen solid 1 000000 brush ffffff"));
    // The W label is shifted 30 pixels further; truncation drops the fraction of both.
    EXPECT_TRUE(Contains(lines, "text 533 353 V相"));
    EXPECT_TRUE(Contains(lines, "text 236 353 W相"));
    EXPECT_TRUE(Contains(lines, "line 50 150 790 150 pen solid 1 000000"));
    EXPECT_TRUE(Contains(lines, "text 350 30 三相交流电"));
    EXPECT_TRUE(Contains(lines, "line 400 450 470 450 pen solid 2 ff0000"));
}

// The safe palette changes nothing but the three phase colours, and adds each vector's letter
// beside its tip, on its counter-clockwise side, the letter's box 8 x 12 about its centre.
TEST(SceneTrace, TheSafePaletteChangesOnlyColoursAndAddsTheLetters) {
    for (const int step : {0, 9, 40}) {
        FrameInputs safe{step};
        safe.palette = kSafePalette;
        std::vector<std::string> lines = Lines(TraceFrame(safe));
        std::vector<std::string> letters;
        std::erase_if(lines, [&](const std::string& line) {
            const bool letter = line.size() >= 2 && line.rfind("text ", 0) == 0 &&
                                std::string("UVW").find(line.back()) != std::string::npos &&
                                line[line.size() - 2] == ' ' &&
                                line.find(" 66 ") == std::string::npos;
            if (letter) letters.push_back(line);
            return letter;
        });
        std::string recoloured = TraceFrame({step});
        for (const auto& [from, to] :
             {std::pair{"ff0000", "cc3311"}, {"00ff00", "009988"}, {"0000ff", "004488"}}) {
            for (auto at = recoloured.find(from); at != std::string::npos;
                 at = recoloured.find(from)) {
                recoloured.replace(at, 6, to);
            }
        }
        EXPECT_EQ(lines, Lines(recoloured)) << "step " << step;
        ASSERT_EQ(letters.size(), 3u) << "step " << step;
        if (step == 0) {
            // U: centre 4 on and 10 aside of (326,468) along (1,0), i.e. (330,458). V and W point
            // backwards along (0.5, 0.866) and (0.5, -0.866): centres (283.7,496.5), (266.3,428.5).
            EXPECT_EQ(letters, (std::vector<std::string>{"text 326 452 U", "text 279 490 V",
                                                         "text 262 422 W"}));
        }
    }
}

TEST(SceneTrace, EveryFrameReleasesItsObjects) {
    for (bool resultant : {false, true}) {
        for (int step = 0; step <= MAX_STEP; ++step) {
            TraceDc dc;
            DrawFrame({step, 513, 624, resultant}, dc);
            EXPECT_EQ(dc.LiveObjects(), 0) << "step " << step;
        }
    }
}

// A surface on which chosen object creations fail.
class FailingDc : public TraceDc {
  public:
    int failPenWidth = 1000;
    int failBrushNumber = 0;  // 1-based count of brush creations; 0 never fails
    HGDIOBJ CreatePen(int style, int width, COLORREF colour) override {
        return width == failPenWidth ? 0 : TraceDc::CreatePen(style, width, colour);
    }
    HGDIOBJ CreateSolidBrush(COLORREF colour) override {
        return ++m_brushes == failBrushNumber ? 0 : TraceDc::CreateSolidBrush(colour);
    }

  private:
    int m_brushes = 0;
};

TEST(SceneFailures, APenThatCannotBeCreatedLeavesThePreviousPenInUse) {
    FailingDc dc;
    dc.failPenWidth = 3;  // the resultant pen
    DrawFrame({0, 513, 624, true}, dc);
    const auto lines = Lines(dc.Text());
    EXPECT_TRUE(Contains(lines, "line 256 468 360 467 pen solid 1 c0c0c0"));
    EXPECT_TRUE(WithPen(lines, "pen solid 3 000000").empty());
    EXPECT_EQ(dc.LiveObjects(), 0);
}

TEST(SceneFailures, ABrushThatCannotBeCreatedAbandonsTheFrame) {
    for (int failing = 1; failing <= 4; ++failing) {
        FailingDc dc;
        dc.failBrushNumber = failing;
        const FrameResult frame = DrawFrame({9, 513, 624, true}, dc);
        EXPECT_FALSE(frame.complete);
        EXPECT_EQ(frame.readouts.ampU, "-0.00");
        const auto lines = Lines(dc.Text());
        ASSERT_EQ(lines.size(), 1u) << "brush " << failing;  // the first rectangle alone
        EXPECT_EQ(dc.LiveObjects(), 0) << "brush " << failing;
    }
}

}  // namespace
