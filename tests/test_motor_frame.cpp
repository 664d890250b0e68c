// The motor's frame through the trace: the readout lines and their formats, the state, the
// description in both languages, the palettes and bad input.
#include "motor/motor_frame.h"

#include "draw/trace_dc.h"

#include <cmath>
#include <sstream>
#include <string>
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

MotorInputs AtSpeed(Supply supply, double speed) {
    MotorInputs in;
    in.supply = supply;
    in.speed = speed;
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

TEST(MotorTrace, BeginsWithTheReadoutsAt1440) {
    EXPECT_EQ(Head(TraceMotorFrame(AtSpeed(Supply{}, 1440)), 8),
              "readout speed 1440\nreadout slip 0.040\nreadout torque 14.26\n"
              "readout torque-forward 14.26\nreadout torque-backward 0.00\n"
              "readout current-u 4.70\nreadout current-v 4.70\nreadout current-w 4.70\n");
}

struct ReadoutCase {
    const char* name;
    MotorInputs inputs;
    const char* speed;
    const char* slip;
    const char* torque;
    const char* backward;
    const char* state;
    friend void PrintTo(const ReadoutCase& row, std::ostream* os) { *os << row.name; }
};

class Readouts : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readouts, AsPrinted) {
    const ReadoutCase& c = GetParam();
    const std::string trace = TraceMotorFrame(c.inputs);
    EXPECT_EQ(Line(trace, "speed"), c.speed);
    EXPECT_EQ(Line(trace, "slip"), c.slip);
    EXPECT_EQ(Line(trace, "torque"), c.torque);
    EXPECT_EQ(Line(trace, "torque-backward"), c.backward);
    EXPECT_EQ(Line(trace, "state"), c.state);
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

// The reversed supply at -1440 rpm is the balanced one at 1440 turned round: its torque comes
// from the backward part. A single phase at rest stays there, its two parts equal and opposite:
// I+ = I- = 27.59/3 A, |I_R|² R_R = 177.4 W at s = 1, 6/ω of that is 3.39 N·m. Rounding to zero
// drops the sign.
INSTANTIATE_TEST_SUITE_P(
    Frame, Readouts,
    ::testing::Values(ReadoutCase{"standstill", AtSpeed(Supply{}, 0), "0", "1.000", "27.41", "0.00",
                                  "accelerating"},
                      ReadoutCase{"reversed_1440", AtSpeed(Reversed(), -1440), "-1440", "1.960",
                                  "-14.26", "-14.26", "accelerating"},
                      ReadoutCase{"just_below_zero", AtSpeed(Single(), -0.2), "0", "1.000", "0.00",
                                  "-3.39", "stalled"},
                      ReadoutCase{"single_phase_start", After(Single(), 2.0), "0", "1.000", "0.00",
                                  "-3.39", "stalled"},
                      ReadoutCase{"generator_above_ns", AtSpeed(Supply{}, 1600), "1600", "-0.067",
                                  "-31.65", "0.00", "braking"},
                      ReadoutCase{"plugged", After(Reversed(), 0.05, 1440), "1401", "0.066",
                                  "-16.59", "-16.59", "braking"},
                      ReadoutCase{"settled_after_3s", After(Supply{}, 3.0), "1500", "0.000", "0.00",
                                  "0.00", "running"}),
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
        if (source == "稳定运行") return "running";
        return {};
    }
};

TEST(MotorDescription, InTheFramesLanguage) {
    MotorInputs in = AtSpeed(Supply{}, 1440);
    // A fan that takes the whole 14.26 N·m at 1440 rpm: L (1440/1500)² = 14.26, L = 15.47.
    in.load = 15.47;
    TraceDc chinese;
    EXPECT_EQ(DrawMotorFrame(in, chinese).description,
              "电动机转速 1440 rpm，转差率 0.040，转矩 14.26 N·m（正转分量 14.26，反转分量 "
              "0.00），电流 U 4.70 A、V 4.70 A、W 4.70 A，稳定运行。");
    const English english;
    in.translation = &english;
    TraceDc dc;
    EXPECT_EQ(DrawMotorFrame(in, dc).description,
              "n=1440 s=0.040 T=14.26 (14.26 0.00) 4.70/4.70/4.70 running");
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

// The breakdown torque's label lies on none of the curves: the total, its two parts or the load.
// Its box is estimated from the text, a CJK character as wide as the text is high and any other
// half as wide, which is wider than the scene font's glyphs.
bool LabelOnACurve(const MotorInputs& in) {
    std::istringstream trace(TraceMotorFrame(in));
    struct Segment {
        double x1, y1, x2, y2, width;
    };
    std::vector<Segment> curves;
    double left = 0, top = 0, right = 0, bottom = 0;
    for (std::string line; std::getline(trace, line);) {
        std::istringstream words(line);
        std::string kind, style, colour;
        words >> kind;
        if (kind == "polyline") {
            // The curves are polylines: the total, its parts (the forward one a dash each) and
            // the load.
            size_t count = 0;
            words >> count;
            std::vector<double> xy(2 * count);
            for (double& v : xy) words >> v;
            double width = 0;
            words >> style >> style >> width >> colour;
            for (size_t k = 1; k < count; ++k)
                curves.push_back({xy[2 * k - 2], xy[2 * k - 1], xy[2 * k], xy[2 * k + 1], width});
        } else if (kind == "line") {
            Segment s;
            words >> s.x1 >> s.y1 >> s.x2 >> s.y2 >> style >> style >> s.width >> colour;
            // Ink of width 3 is the total; thinner ink is an axis or a tick, grey the grid.
            if (colour != "bebebe" && (colour != "000000" || s.width >= 3)) curves.push_back(s);
        } else if (kind == "text" && line.find("最大转矩") != std::string::npos) {
            int x, y;
            std::string text;
            words >> x >> y;
            std::getline(words >> std::ws, text);
            double width = 0;
            for (size_t i = 0; i < text.size(); ++i) {
                const auto byte = static_cast<unsigned char>(text[i]);
                if ((byte & 0xC0) == 0x80) continue;
                width += byte >= 0xE3 ? 15.0 : 7.5;
            }
            left = x, top = y, right = x + width, bottom = y + 15;
        }
    }
    EXPECT_GT(right, left) << "no breakdown label";
    // The total and the backward part alone are 329 pieces each.
    EXPECT_GT(curves.size(), 2u * 329);
    for (const Segment& s : curves)
        for (int k = 0; k <= 20; ++k) {
            const double x = s.x1 + (s.x2 - s.x1) * k / 20, y = s.y1 + (s.y2 - s.y1) * k / 20;
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

}  // namespace
