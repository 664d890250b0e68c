// The windings frame through the trace: its readouts, description and what it draws.
#include "winding/winding_frame.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct ReadoutCase {
    const char* name;
    WindingInputs inputs;
    WindingReadouts expected;
};

class Readouts : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readouts, AsWorkedOut) {
    EXPECT_EQ(MakeWindingReadouts(GetParam().inputs), GetParam().expected);
}

WindingInputs Inputs(Winding w, int step, Sequence sequence = Sequence::Positive,
                     double frequency = 50) {
    WindingInputs in;
    in.winding = w;
    in.step = step;
    in.sequence = sequence;
    in.frequency = frequency;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Windings, Readouts,
    ::testing::Values(
        // q = 1, full pitch: every factor 1, the six-step THD, 3000 rpm.
        ReadoutCase{
            "Explorer",
            Inputs({2, 6, 1, 3}, 0),
            {"0*π/18=0°", "6", "1.000", "1.000", "1.000", "1.000", "1.000", "31.1", "3000", "0.0"}},
        // q = 2, y/tau = 5/6: kd1 = sin 30 / (2 sin 15) = kp1 = sin 75 = 0.966; kd5 = kp5 =
        // sin 15 = 0.259; |kd7| = kp7 = 0.259; THD 15.3 % from the spectrum summed by hand;
        // 60 * 60 / 4 = 900 rpm; -350/4 mod 90 = 2.5.
        ReadoutCase{"EightPoleNegative",
                    Inputs({8, 48, 2, 5}, 35, Sequence::Negative, 60),
                    {"35*π/18=350°", "48", "0.966", "0.966", "0.933", "0.067", "0.067", "15.3",
                     "900", "2.5"}},
        // Out of range values are brought in: 4 poles of 36 slots and 7/9 at step 36 = 0.
        ReadoutCase{"Clamped",
                    Inputs({4, 36, 2, 7}, 36, Sequence::Positive, 1e6),
                    {"0*π/18=0°", "36", "0.960", "0.940", "0.902", "0.038", "0.136", "10.5",
                     "12000", "0.0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindingTrace, BeginsWithTheReadoutLines) {
    const std::string trace = TraceWindingFrame(Inputs({4, 36, 2, 7}, 3));
    EXPECT_EQ(trace.substr(0, trace.find("rect")),
              "readout angle 3*π/18=30°\n"
              "readout slots 36\n"
              "readout kd1 0.960\n"
              "readout kp1 0.940\n"
              "readout kw1 0.902\n"
              "readout kw5 0.038\n"
              "readout kw7 0.136\n"
              "readout thd 10.5\n"
              "readout speed 1500\n"
              "readout field-angle 15.0\n");
}

int Count(const std::string& trace, const std::string& part) {
    int n = 0;
    for (size_t at = trace.find(part); at != std::string::npos; at = trace.find(part, at + 1)) ++n;
    return n;
}

// The flux lines are the only strokes in their colour, each a closed loop drawn as one polyline
// (the field's levels never reach the centre or the yoke's rim); the zone plan writes every
// conductor.
TEST(WindingTrace, FluxLinesAndZonePlan) {
    WindingInputs in = Inputs({2, 24, 2, 10}, 4);
    std::istringstream with(TraceWindingFrame(in));
    int loops = 0, pieces = 0;
    for (std::string line; std::getline(with, line);) {
        if (line.find("464646") == std::string::npos) continue;
        std::istringstream words(line);
        std::string kind;
        size_t count = 0;
        words >> kind >> count;
        ASSERT_EQ(kind, "polyline") << line;
        ASSERT_GE(count, 2u) << line;
        std::vector<std::string> xy(2 * count);
        for (std::string& v : xy) words >> v;
        std::string rest;
        std::getline(words, rest);
        EXPECT_EQ(rest, " pen solid 1 464646") << line;
        EXPECT_EQ(xy[0] + " " + xy[1], xy[2 * count - 2] + " " + xy[2 * count - 1]) << "open";
        ++loops;
        pieces += static_cast<int>(count) - 1;
    }
    EXPECT_GT(loops, 1);
    EXPECT_GT(pieces, 200);
    in.fluxLines = false;
    const std::string without = TraceWindingFrame(in);
    EXPECT_EQ(Count(without, "464646"), 0);
    // 24 slots of two layers: -V on top in slots 1-4, below in 1, 2, 23 and 24; -W likewise.
    EXPECT_EQ(Count(without, " −V\n"), 8);
    EXPECT_EQ(Count(without, " −W\n"), 8);
}

// The most slots the controls allow: the zone plan's last row stays on the canvas.
TEST(WindingTrace, NinetySixSlotsFitTheCanvas) {
    std::istringstream trace(TraceWindingFrame(Inputs({8, 96, 2, 9}, 5)));
    for (std::string line; std::getline(trace, line);) {
        int l, t, r, b;
        if (std::sscanf(line.c_str(), "rect %d %d %d %d", &l, &t, &r, &b) == 4) {
            EXPECT_LE(b, kWindingHeight) << line;
        }
    }
}

// Half of a pole pair apart, two N and two S for four poles.
TEST(WindingTrace, MarksNorthAndSouthPoles) {
    const std::string trace = TraceWindingFrame(Inputs({4, 36, 1, 9}, 0));
    EXPECT_EQ(Count(trace, " N\n"), 2);
    EXPECT_EQ(Count(trace, " S\n"), 2);
}

class English : public Translation {
  public:
    std::string_view Text(std::string_view, std::string_view source) const override {
        if (source.find("%7") != std::string_view::npos) return "%1 poles, THD %7 %, %6 rpm.";
        return {};
    }
};

TEST(WindingDescription, InTheFramesLanguage) {
    WindingInputs in = Inputs({4, 36, 2, 7}, 3);
    const English english;
    class Null : public CDC {
      public:
        HGDIOBJ CreatePen(int, int, COLORREF) override { return 1; }
        HGDIOBJ CreateSolidBrush(COLORREF) override { return 2; }
        HGDIOBJ SelectObject(HGDIOBJ) override { return 1; }
        bool DeleteObject(HGDIOBJ) override { return true; }
        int SetBkMode(int) override { return 0; }
        bool Rectangle(int, int, int, int) override { return true; }
        bool Ellipse(int, int, int, int) override { return true; }
        void MoveTo(int, int) override {}
        bool LineTo(int, int) override { return true; }
        bool Polyline(const PointF*, size_t) override { return true; }
        bool TextOut(int, int, std::string_view) override { return true; }
        int SetTextSize(int) override { return 0; }
        COLORREF SetTextColor(COLORREF) override { return 0; }
    } surface;
    const std::string chinese = DrawWindingFrame(in, surface).description;
    EXPECT_EQ(chinese,
              "4 极 36 槽，双层，节距 7/9：电角度 30°，旋转磁场位于机械角 15.0°，"
              "同步转速 1500 r/min，磁动势谐波畸变率 10.5 %。");
    in.translation = &english;
    EXPECT_EQ(DrawWindingFrame(in, surface).description, "4 poles, THD 10.5 %, 1500 rpm.");
}

}  // namespace
