// The motor's frame through the trace: the readout lines and their formats, the field's direction
// and the slip to it, the states, the current ratio, the description in both languages, the
// palettes, the poles against the bars' currents, the torque chart's axis and labels, the texts'
// sizes and places, and going back in time.
#include "motor/motor_frame.h"

#include "draw/trace_dc.h"
#include "motor/motor_layers.h"

#include <cmath>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string Head(const std::string& trace, int lines) {
    std::istringstream in(trace);
    std::string line, out;
    for (int k = 0; k < lines && std::getline(in, line); ++k) out += line + "\n";
    return out;
}

std::string Line(const std::string& trace, const std::string& key) {
    const auto at = trace.find("readout " + key + " ");
    if (at == std::string::npos) return "?";
    const auto from = at + key.size() + 9;
    return trace.substr(from, trace.find('\n', from) - from);
}

MotorInputs AtSpeed(Supply supply, double speed, double load = 0.0) {
    MotorInputs in;
    in.supply = supply;
    in.speed = speed;
    in.load = load;
    return in;
}

MotorInputs After(Supply supply, double time, double initial = 0.0, double load = 0.0) {
    MotorInputs in;
    in.supply = supply;
    in.time = time;
    in.initialSpeed = initial;
    in.load = load;
    return in;
}

Supply Reversed() {
    Supply s;
    s.sequence = Sequence::Negative;
    return s;
}
Supply Single() {
    Supply s;
    s.singlePhase = true;
    return s;
}
Supply OpenU(bool neutral, Sequence sequence = Sequence::Positive) {
    Supply s;
    s.openPhase = 0;
    s.neutral = neutral;
    s.sequence = sequence;
    return s;
}

TEST(MotorTrace, BeginsWithTheReadoutsAt1440) {
    EXPECT_EQ(Head(TraceMotorFrame(AtSpeed(Supply{}, 1440)), 11),
              "readout speed 1440\nreadout slip 0.040\nreadout torque 14.26\n"
              "readout torque-forward 14.26\nreadout torque-backward 0.00\n"
              "readout current-u 4.70\nreadout current-v 4.70\nreadout current-w 4.70\n"
              "readout synchronous 1500\nreadout current-ratio 1.00\n"
              "readout state accelerating\n");
}

struct ReadoutCase {
    const char* name;
    MotorInputs inputs;
    const char* speed;
    const char* slip;
    const char* torque;  // "": not checked
    const char* synchronous;
    const char* state;
    friend void PrintTo(const ReadoutCase& row, std::ostream* os) { *os << row.name; }
};

class Readouts : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readouts, AsPrinted) {
    const ReadoutCase& c = GetParam();
    const std::string trace = TraceMotorFrame(c.inputs);
    EXPECT_EQ(Line(trace, "speed"), c.speed);
    EXPECT_EQ(Line(trace, "slip"), c.slip);
    if (*c.torque != '\0') {
        EXPECT_EQ(Line(trace, "torque"), c.torque);
    }
    EXPECT_EQ(Line(trace, "synchronous"), c.synchronous);
    EXPECT_EQ(Line(trace, "state"), c.state);
}

// The field turns the way of the larger sequence part of the windings' voltage: an open phase
// with the neutral leaves V and W 120° apart, |V+| = 2/3 and |V-| = 1/3 of a phase; without it, V
// and W in series give equal parts, as a single phase does, and the field pulsates. The slip is
// (n_f - n)/n_f, n_f = +1500 for a pulsating field: reversed at 1450, (-1500 - 1450)/-1500.
// The states, one each: a single phase at rest has no torque; a balanced one at rest has; at 1600
// the motor's torque holds back a rotor faster than its field; the reversed supply's holds back
// one turning against its field; the balanced motor at 1440 is left 14.26 N·m, or a fan of 20 N·m
// takes 20 (0.96)² = 18.43 N·m from it; the reversed field turns at -1500 rpm with the rotor.
INSTANTIATE_TEST_SUITE_P(
    Frame, Readouts,
    ::testing::Values(
        ReadoutCase{"stalled", After(Single(), 2.0), "0", "1.000", "0.00", "±1500", "stalled"},
        ReadoutCase{"just_below_zero_stalled", AtSpeed(Single(), -0.2), "0", "1.000", "0.00",
                    "±1500", "stalled"},
        ReadoutCase{"starting", AtSpeed(Supply{}, 0), "0", "1.000", "27.41", "1500", "starting"},
        ReadoutCase{"generating", AtSpeed(Supply{}, 1600), "1600", "-0.067", "-31.65", "1500",
                    "generating"},
        ReadoutCase{"braking", AtSpeed(Reversed(), 1450), "1450", "1.967", "-16.36", "-1500",
                    "braking"},
        ReadoutCase{"plugged_in_a_start_up", After(Reversed(), 0.05, 1440), "1401", "1.934",
                    "-16.59", "-1500", "braking"},
        ReadoutCase{"running", AtSpeed(Reversed(), -1500), "-1500", "0.000", "0.00", "-1500",
                    "running"},
        ReadoutCase{"settled_after_3s", After(Supply{}, 3.0), "1500", "0.000", "0.00", "1500",
                    "running"},
        ReadoutCase{"accelerating", AtSpeed(Supply{}, 1440), "1440", "0.040", "14.26", "1500",
                    "accelerating"},
        ReadoutCase{"decelerating", AtSpeed(Supply{}, 1440, 20), "1440", "0.040", "14.26", "1500",
                    "decelerating"},
        ReadoutCase{"reversed_accelerating", AtSpeed(Reversed(), -1440), "-1440", "0.040", "-14.26",
                    "-1500", "accelerating"},
        ReadoutCase{"single_phase_forward", AtSpeed(Single(), 1450), "1450", "0.033", "", "±1500",
                    "accelerating"},
        ReadoutCase{"single_phase_backward", AtSpeed(Single(), -1450), "-1450", "1.967", "",
                    "±1500", "accelerating"},
        ReadoutCase{"open_u_pulsates", AtSpeed(OpenU(false), 700), "700", "0.533", "", "±1500",
                    "accelerating"},
        ReadoutCase{"open_u_neutral_turns", AtSpeed(OpenU(true), 700), "700", "0.533", "", "1500",
                    "accelerating"},
        ReadoutCase{"open_u_neutral_reversed", AtSpeed(OpenU(true, Sequence::Negative), -700),
                    "-700", "0.533", "", "-1500", "accelerating"}),
    [](const auto& info) { return std::string(info.param.name); });

// The largest current over 4.70 A, the current at 1440 rpm. Above 1.5 the state says so.
struct RatioCase {
    const char* name;
    MotorInputs inputs;
    const char* ratio;
    bool overloaded;
    friend void PrintTo(const RatioCase& row, std::ostream* os) { *os << row.name; }
};

class CurrentRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(CurrentRatio, OverloadedAboveOneAndAHalf) {
    const RatioCase& c = GetParam();
    TraceDc dc;
    const MotorResult r = DrawMotorFrame(c.inputs, dc);
    EXPECT_EQ(r.readouts.currentRatio, c.ratio);
    EXPECT_EQ(r.readouts.overloaded, c.overloaded);
    // Beside the state in the readouts pane, and in the description.
    const std::string overloaded =
        std::string(MotorStateText(nullptr, r.readouts.state)) + "，过载";
    EXPECT_EQ(dc.Text().find(" " + overloaded + "\n") != std::string::npos, c.overloaded);
    EXPECT_EQ(r.description.find(overloaded) != std::string::npos, c.overloaded);
}

// A single phase at 153 rpm with a 40 N·m fan draws 27.6 A: 27.56 / 4.70. The unbalanced supply
// at 1440 rpm puts 7.63 A in U.
INSTANTIATE_TEST_SUITE_P(
    Frame, CurrentRatio,
    ::testing::Values(RatioCase{"rated", AtSpeed(Supply{}, 1440), "1.00", false},
                      RatioCase{"single_phase_fan", AtSpeed(Single(), 153, 40), "5.86", true},
                      RatioCase{"unbalanced", AtSpeed(PresetSupply(Preset::Unbalanced), 1440),
                                "1.62", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MotorTrace, SpeedOutOfRangeIsBroughtIn) {
    MotorInputs bad = AtSpeed(Supply{}, 1e9);
    EXPECT_EQ(Line(TraceMotorFrame(bad), "speed"), "3000");
    bad.speed = std::nan("");
    bad.load = std::nan("");
    bad.inertia = -3;
    bad.step = 36;
    MotorInputs good = AtSpeed(Supply{}, 0);
    good.inertia = motor::kMinInertia;
    EXPECT_EQ(TraceMotorFrame(bad), TraceMotorFrame(good));
}

class English : public Translation {
  public:
    std::string_view Text(std::string_view, std::string_view source) const override {
        if (source.find("%9") != std::string_view::npos)
            return "n=%1 s=%2 T=%3 (%4 %5) %6/%7/%8 %9";
        if (source == "减速") return "decelerating";
        return {};
    }
};

TEST(MotorDescription, InTheFramesLanguage) {
    MotorInputs in = AtSpeed(Supply{}, 1440);
    in.load = 20;
    TraceDc chinese;
    EXPECT_EQ(DrawMotorFrame(in, chinese).description,
              "电动机转速 1440 r/min，对正向磁场的转差率 0.040，转矩 14.26 N·m（正转分量 "
              "14.26，反转分量 0.00），电流 U 4.70 A、V 4.70 A、W 4.70 A，减速。");
    const English english;
    in.translation = &english;
    TraceDc dc;
    EXPECT_EQ(DrawMotorFrame(in, dc).description,
              "n=1440 s=0.040 T=14.26 (14.26 0.00) 4.70/4.70/4.70 decelerating");
}

// What the trace drew, one shape a line; a polyline, the curves' and the dashes', a line a piece.
struct Shape {
    std::string kind;  // ellipse, line or text
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 0;
    std::string pen, brush, text;
    double X() const { return (x1 + x2) / 2.0; }
    double Y() const { return (y1 + y2) / 2.0; }
};

std::vector<Shape> Shapes(const MotorInputs& in) {
    std::istringstream trace(TraceMotorFrame(in));
    std::vector<Shape> shapes;
    for (std::string line; std::getline(trace, line);) {
        std::istringstream words(line);
        Shape s;
        std::string skip;
        words >> s.kind;
        if (s.kind == "ellipse" || s.kind == "rect") {
            words >> s.x1 >> s.y1 >> s.x2 >> s.y2 >> skip >> skip >> s.width >> s.pen >> skip >>
                s.brush;
        } else if (s.kind == "line") {
            words >> s.x1 >> s.y1 >> s.x2 >> s.y2 >> skip >> skip >> s.width >> s.pen;
        } else if (s.kind == "polyline") {
            size_t count = 0;
            words >> count;
            std::vector<double> xy(2 * count);
            for (double& v : xy) words >> v;
            words >> skip >> skip >> s.width >> s.pen;
            s.kind = "line";
            for (size_t k = 1; k < count; ++k) {
                s.x1 = xy[2 * k - 2], s.y1 = xy[2 * k - 1], s.x2 = xy[2 * k], s.y2 = xy[2 * k + 1];
                shapes.push_back(s);
            }
            continue;
        } else if (s.kind == "text") {
            words >> s.x1 >> s.y1 >> std::ws&& std::getline(words, s.text);
        }
        shapes.push_back(s);
    }
    return shapes;
}

TEST(MotorTrace, TheSafePaletteColoursTheCurrents) {
    MotorInputs in = After(Supply{}, 0.5);
    const std::string standard = TraceMotorFrame(in);
    in.palette = kSafePalette;
    const std::string safe = TraceMotorFrame(in);
    EXPECT_NE(standard.find("ff0000"), std::string::npos);
    EXPECT_EQ(safe.find("ff0000"), std::string::npos);
    EXPECT_NE(safe.find("cc3311"), std::string::npos);
}

// WCAG's contrast of a colour against white.
double ContrastOnWhite(const std::string& hex) {
    double luminance = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722};
    for (int k = 0; k < 3; ++k) {
        const double c = std::stoi(hex.substr(2 * k, 2), nullptr, 16) / 255.0;
        luminance += weights[k] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return 1.05 / (luminance + 0.05);
}

// T- is the torque chart's one curve neither black, purple (T+) nor green (the load).
TEST(MotorTrace, TheBackwardTorqueIsWideAndDarkEnough) {
    for (const Palette& palette : {kStandardPalette, kSafePalette}) {
        MotorInputs in = AtSpeed(Single(), 700);
        in.palette = palette;
        int drawn = 0;
        for (const Shape& s : Shapes(in)) {
            if (s.kind != "line" || s.X() > 512 || s.Y() > 407) continue;
            if (s.pen == "000000" || s.pen == "bebebe" || s.pen == "8800cc" || s.pen == "008c3c")
                continue;
            ++drawn;
            EXPECT_GE(s.width, 2);
            EXPECT_GE(ContrastOnWhite(s.pen), 3.0) << s.pen;
        }
        EXPECT_GT(drawn, 50);
    }
}

// F = I l × B: under a south pole the flux leaves the rotor, and a bar whose current comes out of
// the page (a dot) is pushed counter-clockwise; under a north pole, clockwise. Every marked bar
// within 20° of a pole is pushed the way the torque turns: counter-clockwise at 1440 rpm
// (+14.26 N·m), clockwise on the reversed supply at -1440.
class Poles : public ::testing::TestWithParam<std::pair<MotorInputs, int>> {};

TEST_P(Poles, PushTheBarsTheWayTheTorqueTurns) {
    for (const int step : {0, 7, 20}) {
        MotorInputs in = GetParam().first;
        in.step = step;
        const std::vector<Shape> shapes = Shapes(in);
        const Shape* shaft = nullptr;
        std::vector<const Shape*> poles, bars;
        for (const Shape& s : shapes) {
            if (s.kind != "ellipse") continue;
            if (s.brush == "787878") shaft = &s;
            if (s.brush == "285ac8" || s.brush == "c82828") poles.push_back(&s);
            if (s.brush == "b87333") bars.push_back(&s);
        }
        ASSERT_TRUE(shaft != nullptr);
        ASSERT_EQ(poles.size(), 4u);
        const auto angle = [&](const Shape* s) {
            return std::atan2(shaft->Y() - s->Y(), s->X() - shaft->X());
        };
        int checked = 0;
        for (const Shape* bar : bars) {
            bool dot = false, cross = false;
            for (const Shape& s : shapes) {
                const bool here =
                    std::abs(s.X() - bar->X()) <= 1 && std::abs(s.Y() - bar->Y()) <= 1;
                dot |= here && s.kind == "ellipse" && s.brush == "000000";
                cross |= here && s.kind == "line";
            }
            if (!dot && !cross) continue;
            for (const Shape* pole : poles) {
                if (std::abs(std::remainder(angle(bar) - angle(pole), 2 * M_PI)) > 20 * M_PI / 180)
                    continue;
                ++checked;
                const bool south = pole->brush == "285ac8";
                EXPECT_EQ(dot == south ? 1 : -1, GetParam().second) << "step " << step;
            }
        }
        EXPECT_GE(checked, 6) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Frame, Poles,
                         ::testing::Values(std::pair{AtSpeed(Supply{}, 1440), 1},
                                           std::pair{AtSpeed(Reversed(), -1440), -1}));

// The marks in the bars: dots and crosses centred on a bar, the largest a measure of their size.
struct Marks {
    int count = 0;
    double largest = 0;
};

Marks BarMarks(const MotorInputs& in) {
    const std::vector<Shape> shapes = Shapes(in);
    Marks marks;
    for (const Shape& bar : shapes) {
        if (bar.kind != "ellipse" || bar.brush != "b87333") continue;
        for (const Shape& s : shapes) {
            if (std::abs(s.X() - bar.X()) > 1 || std::abs(s.Y() - bar.Y()) > 1) continue;
            if (s.kind == "ellipse" && s.brush == "000000") {
                ++marks.count;
                marks.largest = std::max(marks.largest, s.x2 - s.x1);
            } else if (s.kind == "line") {
                ++marks.count;  // each arm of a cross
                marks.largest = std::max(marks.largest, std::abs(s.x2 - s.x1));
            }
        }
    }
    return marks;
}

// At 1499.9 rpm the slip is 6.7e-5 and the bars carry I_R ≈ E s / R_R = 0.007 A, 0.03 % of the
// 25 A at standstill: no marks. At 1440 the rotor current is about a sixth of that at rest.
TEST(MotorTrace, BarMarksFollowTheBarsCurrent) {
    EXPECT_EQ(BarMarks(AtSpeed(Supply{}, 1499.9)).count, 0);
    const Marks rated = BarMarks(AtSpeed(Supply{}, 1440));
    const Marks still = BarMarks(AtSpeed(Supply{}, 0));
    EXPECT_GT(rated.count, 10);
    EXPECT_GT(still.largest, rated.largest);
}

// The operating point's disc lies on the total torque's curve (black, 3 pixels wide) wherever the
// speed is, the axis widened to take it in.
double FromTheCurve(const MotorInputs& in) {
    const std::vector<Shape> shapes = Shapes(in);
    const Shape* disc = nullptr;
    for (const Shape& s : shapes)
        if (s.kind == "ellipse" && s.brush == "ffdc00" && s.X() < 512 && s.Y() < 407) disc = &s;
    EXPECT_TRUE(disc != nullptr);
    if (disc == nullptr) return 1e9;
    double nearest = 1e9;
    for (const Shape& s : shapes) {
        if (s.kind != "line" || s.pen != "000000" || s.width != 3) continue;
        for (int k = 0; k <= 10; ++k)
            nearest = std::min(nearest, std::hypot(s.x1 + (s.x2 - s.x1) * k / 10.0 - disc->X(),
                                                   s.y1 + (s.y2 - s.y1) * k / 10.0 - disc->Y()));
    }
    return nearest;
}

TEST(MotorTrace, TheOperatingPointIsOnItsCurve) {
    for (const MotorInputs& in :
         {AtSpeed(Supply{}, 1440), AtSpeed(Supply{}, 3000), AtSpeed(Supply{}, -3000),
          AtSpeed(Reversed(), 2500, 10), After(Single(), 2.0, 2900)})
        EXPECT_LE(FromTheCurve(in), 1.5) << Line(TraceMotorFrame(in), "speed");
}

// The breakdown torque's label lies on none of the curves: the total, its two parts or the load.
// Its box is estimated from the text, a CJK character as wide as the text is high and any other
// half as wide, which is wider than the scene font's glyphs.
bool LabelOnACurve(const MotorInputs& in) {
    std::vector<Shape> curves;
    double left = 0, top = 0, right = 0, bottom = 0;
    for (const Shape& s : Shapes(in)) {
        // Ink of width 3 is the total; thinner ink is an axis or a tick, grey the grid.
        if (s.kind == "line" && s.pen != "bebebe" && (s.pen != "000000" || s.width >= 3))
            curves.push_back(s);
        if (s.kind == "text" && s.text.find("最大转矩") != std::string::npos) {
            double width = 0;
            for (size_t i = 0; i < s.text.size(); ++i) {
                const auto byte = static_cast<unsigned char>(s.text[i]);
                if ((byte & 0xC0) == 0x80) continue;
                width += byte >= 0xE3 ? 15.0 : 7.5;
            }
            left = s.x1, top = s.y1, right = s.x1 + width, bottom = s.y1 + 15;
        }
    }
    EXPECT_GT(right, left) << "no breakdown label";
    // The total alone is 330 pieces, its parts in dashes more.
    EXPECT_GT(curves.size(), 2u * 329);
    for (const Shape& s : curves)
        for (int k = 0; k <= 20; ++k) {
            const double x = s.x1 + (s.x2 - s.x1) * k / 20.0, y = s.y1 + (s.y2 - s.y1) * k / 20.0;
            if (x > left && x < right && y > top && y < bottom) return true;
        }
    return false;
}

TEST(MotorTrace, TheBreakdownLabelLiesOnNoCurve) {
    MotorInputs loaded = AtSpeed(Single(), 1400);
    loaded.load = 20;
    Supply weakV;
    weakV.amplitude = {1.0, 0.4, 1.0};
    for (const MotorInputs& in : {AtSpeed(Supply{}, 1440), AtSpeed(Reversed(), -1440),
                                  AtSpeed(Single(), 1400), loaded, AtSpeed(weakV, 1000)})
        EXPECT_FALSE(LabelOnACurve(in));
}

// Each text's box and size as drawn: a character of three or more bytes (CJK, the minus sign) as
// wide as the text is high, any other 0.6 of that, wider than the scene font's glyphs.
class TextBoxes : public TraceDc {
  public:
    struct Box {
        double left, top, right, bottom;
        int size;
        std::string text;
    };
    std::vector<Box> boxes;

  protected:
    void DrawText(int x, int y, std::string_view text) override {
        double width = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if ((byte & 0xC0) != 0x80) width += (byte >= 0xE0 ? 1.0 : 0.6) * TextSize();
        }
        boxes.push_back({double(x), double(y), x + width, double(y + TextSize()), TextSize(),
                         std::string(text)});
        TraceDc::DrawText(x, y, text);
    }
};

struct Canvas {
    int width, height;
};

// The canvas of the window on a 1024x768 and a 1366x768 screen with its panel, and without it;
// and the handout's and the design's.
constexpr Canvas kCanvases[] = {{600, 710}, {936, 710}, {1008, 710}, {1344, 710}, {1024, 768}};

// No text is smaller than 12 pixels or leaves its pane, and no two overlap: in the torque chart,
// where the labels of both axes meet at a corner, and everywhere else.
TEST(MotorTrace, TextsStayInTheirPanesAndApart) {
    const MotorInputs cases[] = {AtSpeed(Supply{}, 1440),        AtSpeed(Supply{}, 3000),
                                 AtSpeed(Reversed(), -3000, 40), AtSpeed(Single(), 153, 40),
                                 After(Supply{}, 0.3, 0, 10),    AtSpeed(Reversed(), 1450),
                                 After(Single(), 30.0, 150, 5)};
    for (const Canvas& canvas : kCanvases)
        for (MotorInputs in : cases) {
            in.width = canvas.width;
            in.height = canvas.height;
            TextBoxes dc;
            DrawMotorFrame(in, dc);
            // The panes: the curves on the left over each other, the machine over the readouts.
            const double middle = std::lround(canvas.width * 0.5);
            const double left = std::lround(canvas.height * 0.53);
            const double right = std::lround(canvas.height * 0.5);
            const auto pane = [&](const TextBoxes::Box& b) {
                return b.left < middle ? (b.top < left ? 0 : 1) : (b.top < right ? 2 : 3);
            };
            const std::string where = std::to_string(canvas.width) + "x" +
                                      std::to_string(canvas.height) + " " +
                                      Line(TraceMotorFrame(in), "speed") + " rpm: ";
            int chart = 0;
            for (size_t i = 0; i < dc.boxes.size(); ++i) {
                const TextBoxes::Box& a = dc.boxes[i];
                const int p = pane(a);
                chart += p == 0 ? 1 : 0;
                EXPECT_GE(a.size, 12) << where << a.text;
                EXPECT_LE(a.right, p < 2 ? middle : canvas.width) << where << a.text;
                EXPECT_LE(a.bottom, p == 0   ? left
                                    : p == 2 ? right
                                             : canvas.height)
                    << where << a.text;
                for (size_t j = i + 1; j < dc.boxes.size(); ++j) {
                    const TextBoxes::Box& b = dc.boxes[j];
                    EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                                 b.top < a.bottom)
                        << where << a.text << " on " << b.text;
                }
            }
            EXPECT_GE(chart, 12) << where;
        }
}

// The rotor at rest stays where it is while the field turns; the poles move with the step.
TEST(MotorTrace, StepsTurnTheFieldNotAStillRotor) {
    MotorInputs in = AtSpeed(Supply{}, 0);
    const std::string first = TraceMotorFrame(in);
    in.step = 9;
    const std::string quarter = TraceMotorFrame(in);
    EXPECT_NE(first, quarter);
    in.step = 36;
    EXPECT_EQ(TraceMotorFrame(in), first);
}

// A start-up drawn at 2 s and then at 0.3 s starts again: with a 10 N·m fan it has reached 429
// rpm at 0.3 s, and the frame is the one a fresh thread, with nothing cached, draws.
TEST(MotorTrace, AnEarlierTimeStartsTheRunAgain) {
    const MotorInputs later = After(Supply{}, 2.0, 0, 10), earlier = After(Supply{}, 0.3, 0, 10);
    EXPECT_EQ(Line(TraceMotorFrame(later), "speed"), "1462");
    const std::string again = TraceMotorFrame(earlier);
    EXPECT_EQ(Line(again, "speed"), "429");
    std::string fresh;
    std::thread([&] { fresh = TraceMotorFrame(earlier); }).join();
    EXPECT_EQ(again, fresh);
}

}  // namespace
