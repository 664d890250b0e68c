// The windings frame through the trace: its readouts, description and what it draws.
#include "winding/winding_frame.h"

#include <cmath>
#include <cstdio>
#include <numbers>
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

}  // namespace

void PrintTo(const WindingReadouts& r, std::ostream* os) {
    for (const std::string* v : {&r.angle, &r.slotCount, &r.kd1, &r.kp1, &r.kw1, &r.kw5, &r.kw7,
                                 &r.thd, &r.speed, &r.fieldAngle, &r.mmfFundamental})
        *os << *v << ' ';
}

namespace {

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
        // q = 1, full pitch: every factor 1, the six-step THD, 3000 rpm, the fundamental 1.5 F_c.
        ReadoutCase{"Explorer",
                    Inputs({2, 6, 1, 3}, 0),
                    {"0*π/18=0°", "6", "1.000", "1.000", "1.000", "1.000", "1.000", "31.1", "3000",
                     "0.0", "1.500"}},
        // q = 2, y/tau = 4/6: kd1 = sin 30 / (2 sin 15) = 0.966, kp1 = sin 60 = 0.866, kw1 = 0.837;
        // kd5 = kd7 = 0.259 and |kp5| = kp7 = sin 60, so kw5 = kw7 = 0.224; THD 16.9 % from the
        // spectrum summed by hand; 60 * 60 / 4 = 900 rpm. The axis: -350/4 = -87.5, one slot
        // (7.5 degrees) further back for (6 - 4)/2, -95 mod 90 = 85; 1.5 kw1 = 1.255 F_c.
        ReadoutCase{"EightPoleNegative",
                    Inputs({8, 48, 2, 4}, 35, Sequence::Negative, 60),
                    {"35*π/18=350°", "48", "0.966", "0.866", "0.837", "0.224", "0.224", "16.9",
                     "900", "85.0", "1.255"}},
        // Out of range values are brought in: 4 poles of 36 slots and 7/9 at step 36 = 0, the axis
        // one slot (10 degrees) behind 0, -10 mod 180; 1.5 * 0.960 * 0.940 = 1.353.
        ReadoutCase{"Clamped",
                    Inputs({4, 36, 2, 7}, 36, Sequence::Positive, 1e6),
                    {"0*π/18=0°", "36", "0.960", "0.940", "0.902", "0.038", "0.136", "10.5",
                     "12000", "170.0", "1.353"}}),
    [](const auto& info) { return std::string(info.param.name); });

// 36 slots, 4 poles, pitch 7 at step 3. The currents put a full-pitch winding's field at
// theta/p = 30/2 = 15 degrees, the top layer's axis. Each coil returns y = 7 slots on in the
// bottom layer with the opposite sign; a sign is half an electrical period, tau = 9 slots, so the
// bottom layer is the top one moved on by 7 - 9 = -2 slots: its axis at 15 - 2 * 10 = -5. The
// two layers carry equal halves, so the phase axis lies midway, (tau - y)/2 = 1 slot behind the
// top layer's: 15 - 10 = 5.0 degrees.
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
              "readout field-angle 5.0\n"
              "readout mmf-fundamental 1.353\n");
}

// Pitch 1/12 of q = 4 (2 poles, 24 slots): kd1 = sin 30 / (4 sin 7.5), kp1 = sin 7.5, so
// kw1 = sin 30 / 4 = 0.125 and the fundamental is 1.5 kw1 = 0.1875 F_c, not 1.5.
TEST(WindingReadouts, FundamentalOfPitchOneInTwelve) {
    const WindingReadouts r = MakeWindingReadouts(Inputs({2, 24, 2, 1}, 4));
    EXPECT_EQ(r.kw1, "0.125");
    EXPECT_NEAR(std::stod(r.mmfFundamental), 0.1875, 0.0005 + 1e-9);
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

// The zone plan's title names the layers only when there are two.
TEST(WindingTrace, ZonePlanTitle) {
    const std::string one = TraceWindingFrame(Inputs({4, 36, 1, 9}, 0));
    const std::string two = TraceWindingFrame(Inputs({4, 36, 2, 7}, 0));
    EXPECT_EQ(Count(one, " 槽号与相带\n"), 1);
    EXPECT_EQ(Count(one, "上层"), 0);
    EXPECT_EQ(Count(two, " 槽号与相带（上层 / 下层）\n"), 1);
}

struct Line {
    int x1, y1, x2, y2;
    double Length() const { return std::hypot(x2 - x1, y2 - y1); }
    // Counter-clockwise from the x axis, the screen's y running down.
    double Degrees() const {
        const double a = std::atan2(y1 - y2, x2 - x1) * 180.0 / std::numbers::pi;
        return a < 0 ? a + 360.0 : a;
    }
};

// The lines drawn in `pen` ("solid 4 000000"), in order.
std::vector<Line> Lines(const std::string& trace, const std::string& pen) {
    std::vector<Line> lines;
    std::istringstream in(trace);
    for (std::string text; std::getline(in, text);) {
        Line l;
        if (text.ends_with(" pen " + pen) &&
            std::sscanf(text.c_str(), "line %d %d %d %d", &l.x1, &l.y1, &l.x2, &l.y2) == 4)
            lines.push_back(l);
    }
    return lines;
}

// The arrows' shafts: the black lines 4 pixels wide from the centre, where the first begins.
std::vector<Line> Shafts(const std::string& trace) {
    std::vector<Line> shafts;
    const std::vector<Line> lines = Lines(trace, "solid 4 000000");
    for (const Line& l : lines)
        if (l.x1 == lines.front().x1 && l.y1 == lines.front().y1) shafts.push_back(l);
    return shafts;
}

// The field's arrows point at the readout's axis, 5 degrees for 7/9 of 36 slots at step 3 (see
// above), and at the other S half a turn on; they are as long as the fundamental, 1.5 kw1: for
// pitch 1/12 of 24 slots, 0.125 of full pitch's kw1 = kd1 = sin 30 / (4 sin 7.5) = 0.958.
TEST(WindingTrace, ArrowsAlongTheFieldAxis) {
    const std::vector<Line> axis = Shafts(TraceWindingFrame(Inputs({4, 36, 2, 7}, 3)));
    ASSERT_EQ(axis.size(), 2u);
    EXPECT_NEAR(axis[0].Degrees(), 5.0, 1.0);
    EXPECT_NEAR(axis[1].Degrees(), 185.0, 1.0);
    const std::vector<Line> full = Shafts(TraceWindingFrame(Inputs({2, 24, 2, 12}, 3)));
    const std::vector<Line> short12 = Shafts(TraceWindingFrame(Inputs({2, 24, 2, 1}, 3)));
    ASSERT_EQ(full.size(), 1u);
    ASSERT_EQ(short12.size(), 1u);
    EXPECT_NEAR(short12[0].Length(), full[0].Length() * 0.125 / 0.957662, 1.5);
}

// The slots on the MMF's angle axis: two discs a slot for two layers, top then bottom, in their
// phases' colours. Slots 1 to 3 of 7/9 hold -V/-V, -V/U, -V/U.
TEST(WindingTrace, SlotMarksShowBothLayers) {
    const auto marks = [](const Winding& w) {
        std::vector<std::string> brushes;
        std::istringstream in(TraceWindingFrame(Inputs(w, 0)));
        for (std::string line; std::getline(in, line);) {
            int left = 0;
            // The MMF pane begins at 46 % of the width; the cross-section's conductors are left.
            if (std::sscanf(line.c_str(), "ellipse %d", &left) == 1 && left >= 471 &&
                line.find(" pen solid 1 3c3c3c ") != std::string::npos)
                brushes.push_back(line.substr(line.size() - 6));
        }
        return brushes;
    };
    const std::vector<std::string> two = marks({4, 36, 2, 7});
    ASSERT_EQ(two.size(), 72u);
    EXPECT_EQ(
        std::vector<std::string>(two.begin(), two.begin() + 6),
        (std::vector<std::string>{"00ff00", "00ff00", "00ff00", "ff0000", "00ff00", "ff0000"}));
    EXPECT_EQ(marks({4, 36, 1, 9}).size(), 36u);
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
              "4 极 36 槽，双层，节距 7/9：电角度 30°，磁场轴线位于机械角 5.0°，"
              "同步转速 1500 r/min，磁动势谐波畸变率 10.5 %。");
    in.translation = &english;
    EXPECT_EQ(DrawWindingFrame(in, surface).description, "4 poles, THD 10.5 %, 1500 rpm.");
}

}  // namespace
