// The synchronous machine's frame through the trace: the readout lines, their order and formats,
// the states, a drag of E's tip there and back, the description, bad input, and a picture that
// stays on its canvas with texts a class can read.
#include "synchronous/synchronous_frame.h"

#include "draw/trace_dc.h"
#include "synchronous/synchronous_layers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string Head(const std::string& trace, int lines) {
    std::istringstream in(trace);
    std::string line, out;
    for (int k = 0; k < lines && std::getline(in, line); ++k) out += line + "\n";
    return out;
}

SynchronousInputs Steady(double field, double power) {
    SynchronousInputs in;
    in.fieldCurrent = field;
    in.power = power;
    return in;
}

SynchronousInputs StartUp(double time, double load, double fieldOn, bool damper = true) {
    SynchronousInputs in;
    in.time = time;
    in.load = load;
    in.fieldOn = fieldOn;
    in.damper = damper;
    return in;
}

TEST(SynchronousTrace, BeginsWithTheReadoutsInOrder) {
    EXPECT_EQ(Head(TraceSynchronousFrame(Steady(2.0, 5.0)), 9),
              "readout load-angle 22.0\nreadout emf 230.9\nreadout current 7.35\n"
              "readout power-factor 0.982\nreadout pf-kind lagging\nreadout p 5.00\n"
              "readout q 0.97\nreadout pull-out 13.33\nreadout state motoring\n");
}

// The pull-in at 8 s, by an independent RK4 integration at 0.2 ms: 1500.0 rpm, delta 6.77°;
// E = V, I = |V - E∠-6.77°| / 12 = 2.27 A, P = 3 V E sin(delta) / X_s = 1.57 kW, Q = 0.09 kvar.
TEST(SynchronousTrace, AStartUpPutsTheSpeedFirst) {
    EXPECT_EQ(Head(TraceSynchronousFrame(StartUp(8.0, 10.0, 1300.0)), 10),
              "readout speed 1500\nreadout load-angle 6.8\nreadout emf 230.9\n"
              "readout current 2.27\nreadout power-factor 0.998\nreadout pf-kind lagging\n"
              "readout p 1.57\nreadout q 0.09\nreadout pull-out 13.33\nreadout state motoring\n");
}

TEST(SynchronousTrace, OutOfStepHasOnlyWhatMeansSomething) {
    EXPECT_EQ(Head(TraceSynchronousFrame(Steady(1.5, -15.0)), 9),
              "readout load-angle -\nreadout emf 173.2\nreadout current -\n"
              "readout power-factor -\nreadout pf-kind -\nreadout p -15.00\nreadout q -\n"
              "readout pull-out 10.00\nreadout state out-of-step\n");
}

struct StateCase {
    const char* name;
    SynchronousInputs inputs;
    const char* state;
    friend void PrintTo(const StateCase& row, std::ostream* os) { *os << row.name; }
};

class States : public ::testing::TestWithParam<StateCase> {};

TEST_P(States, AsPrinted) {
    const std::string trace = TraceSynchronousFrame(GetParam().inputs);
    EXPECT_NE(trace.find(std::string("\nreadout state ") + GetParam().state + "\n"),
              std::string::npos)
        << Head(trace, 11);
}

// Floating below 0.05 kW either way. In a start-up the pull-in locks at 4.64 s + 0.5 s (the last
// time out of the 0.5 rpm band, from an independent integration); with no load it locks with
// nothing to drive, and floats.
INSTANTIATE_TEST_SUITE_P(
    Frame, States,
    ::testing::Values(StateCase{"motoring", Steady(2.0, 5.0), "motoring"},
                      StateCase{"generating", Steady(2.5, -5.0), "generating"},
                      StateCase{"floating", Steady(2.0, -0.04), "floating"},
                      StateCase{"just_motoring", Steady(2.0, 0.06), "motoring"},
                      StateCase{"out_of_step", Steady(2.0, 13.4), "out-of-step"},
                      StateCase{"no_cage", StartUp(2.0, 0.0, 0.0, false), "not-starting"},
                      StateCase{"field_off", StartUp(1.5, 10.0, 1300.0), "starting"},
                      StateCase{"swinging", StartUp(2.3, 10.0, 1300.0), "pulling-in"},
                      StateCase{"not_yet_locked", StartUp(5.13, 10.0, 1300.0), "pulling-in"},
                      StateCase{"locked", StartUp(5.15, 10.0, 1300.0), "motoring"},
                      StateCase{"locked_unloaded", StartUp(10.0, 0.0, 0.0), "floating"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SynchronousTrace, NoFieldMeansUnitlessZeroes) {
    // P = 0 with no field: the magnetising current V/X_s alone, lagging; -0.00 prints unsigned.
    EXPECT_EQ(Head(TraceSynchronousFrame(Steady(0.0, -0.0)), 9),
              "readout load-angle 0.0\nreadout emf 0.0\nreadout current 19.25\n"
              "readout power-factor 0.000\nreadout pf-kind lagging\nreadout p 0.00\n"
              "readout q 13.33\nreadout pull-out 0.00\nreadout state floating\n");
}

TEST(SynchronousTrace, BadInputIsBroughtIntoRange) {
    SynchronousInputs bad = Steady(std::nan(""), 1e9);
    bad.inertia = -1;
    bad.step = 37;
    SynchronousInputs good = Steady(2.0, 15.0);
    good.step = 1;
    EXPECT_EQ(TraceSynchronousFrame(bad), TraceSynchronousFrame(good));
    SynchronousInputs late = StartUp(1e9, 1e9, -5);
    late.inertia = 1e9;
    SynchronousInputs last = StartUp(10.0, 80.0, 0.0);
    last.inertia = 5.0;
    EXPECT_EQ(TraceSynchronousFrame(late), TraceSynchronousFrame(last));
}

struct DragCase {
    const char* name;
    double field;
    double power;
    int width;
    int height;
    friend void PrintTo(const DragCase& row, std::ostream* os) { *os << row.name; }
};

class Drag : public ::testing::TestWithParam<DragCase> {};

TEST_P(Drag, TheTipLeadsBackToItsSetting) {
    const DragCase& c = GetParam();
    SynchronousInputs in = Steady(c.field, c.power);
    in.width = c.width;
    in.height = c.height;
    const std::optional<SynchronousPixel> tip = SynchronousEmfTip(in);
    ASSERT_TRUE(tip.has_value());
    // Within the half pixel the tip was rounded to: a pixel is at most 3 V at 640x480.
    const SynchronousSetting back = SynchronousDragTo(in, tip->x, tip->y);
    EXPECT_NEAR(back.fieldCurrent, c.field, 0.015);
    EXPECT_NEAR(back.power, c.power, 0.1);
    // And a point dragged to is where the tip is then drawn.
    const SynchronousSetting moved = SynchronousDragTo(in, tip->x + 7, tip->y - 5);
    const std::optional<SynchronousPixel> there = SynchronousEmfTip([&] {
        SynchronousInputs next = in;
        next.fieldCurrent = moved.fieldCurrent;
        next.power = moved.power;
        return next;
    }());
    ASSERT_TRUE(there.has_value());
    EXPECT_NEAR(there->x, tip->x + 7, 1);
    EXPECT_NEAR(there->y, tip->y - 5, 1);
}

INSTANTIATE_TEST_SUITE_P(Phasors, Drag,
                         ::testing::Values(DragCase{"motor", 2.0, 5.0, 1024, 768},
                                           DragCase{"generator", 2.5, -5.0, 1024, 768},
                                           DragCase{"over_excited", 4.0, 12.0, 1024, 768},
                                           DragCase{"small", 1.5, 3.0, 640, 480},
                                           DragCase{"large", 3.0, -8.0, 2048, 1536}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Drag, AMotorsTipLiesBelowAGeneratorsAboveV) {
    const std::optional<SynchronousPixel> none = SynchronousEmfTip(Steady(2.0, 0.0));
    const std::optional<SynchronousPixel> motor = SynchronousEmfTip(Steady(2.0, 5.0));
    const std::optional<SynchronousPixel> generator = SynchronousEmfTip(Steady(2.0, -5.0));
    ASSERT_TRUE(none && motor && generator);
    EXPECT_GT(motor->y, none->y);
    EXPECT_LT(generator->y, none->y);
    EXPECT_NEAR(motor->y - none->y, none->y - generator->y, 1);
}

TEST(Drag, StaysInRangeAndInStep) {
    const SynchronousInputs in = Steady(2.0, 5.0);
    const std::optional<SynchronousPixel> tip = SynchronousEmfTip(in);
    ASSERT_TRUE(tip.has_value());
    // Far out and far down: the largest field and power.
    const SynchronousSetting far = SynchronousDragTo(in, tip->x + 5000, tip->y + 5000);
    EXPECT_EQ(far.fieldCurrent, 5.0);
    EXPECT_EQ(far.power, 15.0);
    // Behind the origin: the angle stops at 90°, which is the pull-out itself.
    const SynchronousSetting behind = SynchronousDragTo(in, 0, tip->y);
    EXPECT_TRUE(SynchronousSteady(behind.fieldCurrent, behind.power * 1000.0).inStep);
    EXPECT_NEAR(behind.power * 1000.0, PullOutPower(behind.fieldCurrent), 1e-6);
}

TEST(Drag, NothingToGrabWithoutASteadyStateOrAField) {
    EXPECT_FALSE(SynchronousEmfTip(Steady(2.0, 14.0)).has_value());
    EXPECT_FALSE(SynchronousEmfTip(Steady(0.0, 0.0)).has_value());
    EXPECT_FALSE(SynchronousEmfTip(StartUp(1.0, 0.0, 0.0)).has_value());
}

class English : public Translation {
  public:
    std::string_view Text(std::string_view, std::string_view source) const override {
        if (source == "同步电机：") return "Synchronous machine: ";
        if (source == "转速 %1 rpm，") return "n=%1, ";
        if (source.find("%9") != std::string_view::npos) return "%1 %2 %3 %4 %5 %6 %7 %8 %9";
        if (source == "滞后") return "lagging";
        if (source == "电动机运行") return "motoring";
        return {};
    }
};

TEST(SynchronousDescription, InTheFramesLanguage) {
    SynchronousInputs in = StartUp(8.0, 10.0, 1300.0);
    TraceDc chinese;
    EXPECT_EQ(
        DrawSynchronousFrame(in, chinese).description,
        "同步电机：转速 1500 rpm，功角 6.8°，电动势 230.9 V，电流 2.27 A，功率因数 "
        "0.998（滞后），有功功率 1.57 kW，无功功率 0.09 kvar，失步功率 13.33 kW，电动机运行。");
    const English english;
    in.translation = &english;
    TraceDc dc;
    EXPECT_EQ(DrawSynchronousFrame(in, dc).description,
              "Synchronous machine: n=1500, 6.8 230.9 2.27 0.998 lagging 1.57 0.09 13.33 motoring");
}

// Records the smallest text asked for.
class SizeDc : public TraceDc {
  public:
    int SetTextSize(int pixels) override {
        smallest = std::min(smallest, pixels);
        return TraceDc::SetTextSize(pixels);
    }
    int smallest = INT_MAX;
};

// Every line, shape and text anchor of a frame on its canvas, and no text under 12 px at the
// design size: what a lesson shows, steady or moving, out of step or not.
TEST(SynchronousPicture, StaysOnItsCanvasInLegibleText) {
    SynchronousInputs oCurves = Steady(2.5, -5.0);
    oCurves.curves = SynchronousCurves::O;
    for (const SynchronousInputs& in :
         {Steady(2.0, 5.0), Steady(5.0, 15.0), Steady(0.3, -15.0), Steady(1.0, -15.0), oCurves,
          StartUp(2.0, 0.0, 0.0, false), StartUp(1.5, 10.0, 1300.0), StartUp(2.3, 80.0, 1300.0),
          StartUp(8.0, 10.0, 1300.0)}) {
        SizeDc dc;
        DrawSynchronousFrame(in, dc);
        EXPECT_GE(dc.smallest, 12);
        std::istringstream trace(dc.Text());
        for (std::string line; std::getline(trace, line);) {
            std::istringstream words(line);
            std::string kind;
            words >> kind;
            const int count = kind == "text"                                          ? 2
                              : kind == "line" || kind == "rect" || kind == "ellipse" ? 4
                                                                                      : 0;
            for (int k = 0; k < count; ++k) {
                int v = 0;
                words >> v;
                const int limit = k % 2 == 0 ? 1024 : 768;
                EXPECT_TRUE(v >= 0 && v <= limit) << line;
            }
        }
    }
}

// Each text's box as drawn: a character of three or more bytes (δ, φ, the minus sign) as wide as
// the text is high, any other 0.6 of that, wider than the scene font's glyphs.
class TextBoxes : public TraceDc {
  public:
    std::vector<CRect> boxes;
    std::vector<std::string> texts;

  protected:
    void DrawText(int x, int y, std::string_view text) override {
        double width = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if ((byte & 0xC0) != 0x80) width += (byte >= 0xE0 ? 1.0 : 0.6) * TextSize();
        }
        boxes.push_back({x, y, x + static_cast<int>(width), y + TextSize()});
        texts.emplace_back(text);
        TraceDc::DrawText(x, y, text);
    }
};

// Every text lies in the pane it starts in, whichever way the axes point as the field turns, and
// no two texts of the power–angle chart meet where its axes' labels do.
TEST(SynchronousPicture, TextsStayInTheirPanesAndTheChartsLabelsApart) {
    const SynchronousPanes panes = SynchronousLayout(kSynchronousWidth, kSynchronousHeight);
    const CRect all[] = {panes.phasor, panes.section, panes.readouts,
                         panes.power,  panes.curves,  panes.startUp};
    for (const SynchronousInputs& base : {Steady(2.0, 5.0), Steady(1.0, -12.0), Steady(3.0, 0.0)})
        for (int step = 0; step < 36; ++step) {
            SynchronousInputs in = base;
            in.step = step;
            TextBoxes dc;
            DrawSynchronousFrame(in, dc);
            for (size_t i = 0; i < dc.boxes.size(); ++i) {
                const CRect& b = dc.boxes[i];
                const auto home = std::find_if(std::begin(all), std::end(all), [&](const CRect& p) {
                    return b.left >= p.left && b.left < p.right && b.top >= p.top &&
                           b.top < p.bottom;
                });
                ASSERT_NE(home, std::end(all)) << dc.texts[i] << " at step " << step;
                EXPECT_LE(b.right, home->right) << dc.texts[i] << " at step " << step;
                EXPECT_LE(b.bottom, home->bottom) << dc.texts[i] << " at step " << step;
                for (size_t j = i + 1; j < dc.boxes.size(); ++j) {
                    const CRect& c = dc.boxes[j];
                    if (home->left != panes.power.left || home->top != panes.power.top) continue;
                    EXPECT_FALSE(b.left < c.right && c.left < b.right && b.top < c.bottom &&
                                 c.top < b.bottom)
                        << dc.texts[i] << " on " << dc.texts[j];
                }
            }
        }
}

// The V-curves' heading "P/kW" stays clear of the present point, which at the largest power and
// field sits at the curves' right-hand end beside it.
TEST(SynchronousPicture, TheCurvesHeadingClearsThePresentPoint) {
    for (const double power : {5.0, 15.0}) {
        TextBoxes dc;
        DrawSynchronousFrame(Steady(5.0, power), dc);
        const auto heading = std::find(dc.texts.begin(), dc.texts.end(), "P/kW");
        ASSERT_NE(heading, dc.texts.end());
        const CRect& h = dc.boxes[heading - dc.texts.begin()];
        // The point is the last disc drawn: "ellipse L T R B ...".
        const std::string trace = dc.Text();
        std::istringstream disc(trace.substr(trace.rfind("\nellipse ") + 9));
        int left = 0, top = 0, right = 0, bottom = 0;
        disc >> left >> top >> right >> bottom;
        EXPECT_FALSE(h.left < right && left < h.right && h.top < bottom && top < h.bottom)
            << power << " kW";
    }
}

TEST(SynchronousPicture, TheToggleShowsTheOCurves) {
    SynchronousInputs in = Steady(2.0, 5.0);
    const std::string v = TraceSynchronousFrame(in);
    in.curves = SynchronousCurves::O;
    const std::string o = TraceSynchronousFrame(in);
    EXPECT_NE(v.find("V 形曲线"), std::string::npos);
    EXPECT_NE(o.find("O 形曲线"), std::string::npos);
    EXPECT_NE(o.find(" cos φ\n"), std::string::npos);
    EXPECT_EQ(Head(v, 9), Head(o, 9));
}

}  // namespace
