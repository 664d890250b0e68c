// The single-phase motor's frame through the trace: the readout lines, their order and formats,
// the switch as a steady state and a start-up leave it, the description, and bad input.
#include "capacitor_motor/capacitor_motor_frame.h"

#include "draw/trace_dc.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

using Kind = CapacitorMotorKind;

std::string Head(const std::string& trace, int lines) {
    std::istringstream in(trace);
    std::string line, out;
    for (int k = 0; k < lines && std::getline(in, line); ++k) out += line + "\n";
    return out;
}

CapacitorMotorInputs AtSpeed(Kind kind, double speed, bool reverse = false) {
    CapacitorMotorInputs in;
    in.kind = kind;
    in.speed = speed;
    in.reverseAux = reverse;
    return in;
}

CapacitorMotorInputs After(Kind kind, double time) {
    CapacitorMotorInputs in;
    in.kind = kind;
    in.time = time;
    return in;
}

TEST(CapacitorMotorTrace, BeginsWithTheReadoutsInOrder) {
    // T_b = -0.00045 N·m prints unsigned.
    EXPECT_EQ(Head(TraceCapacitorMotorFrame(AtSpeed(Kind::PermanentCapacitor, 1440)), 12),
              "readout speed 1440\nreadout slip 0.040\nreadout torque 6.49\n"
              "readout torque-forward 6.49\nreadout torque-backward 0.00\n"
              "readout current-main 3.94\nreadout current-aux 2.91\nreadout current-line 5.04\n"
              "readout aux-angle 86.5\nreadout backward-ratio 0.037\nreadout switch none\n"
              "rect 0 0 1024 768 pen solid 1 ffffff brush ffffff\n");
}

struct ReadoutCase {
    const char* name;
    CapacitorMotorInputs inputs;
    CapacitorMotorReadouts expected;
    friend void PrintTo(const ReadoutCase& row, std::ostream* os) { *os << row.name; }
};

class CapacitorMotorPrinted : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(CapacitorMotorPrinted, AsPrinted) {
    TraceDc dc;
    EXPECT_EQ(CapacitorMotorReadoutLines(DrawCapacitorMotorFrame(GetParam().inputs, dc).readouts),
              CapacitorMotorReadoutLines(GetParam().expected));
}

CapacitorMotorInputs SplitPhaseClosed() {
    CapacitorMotorInputs in = AtSpeed(Kind::SplitPhase, 1440);
    in.switchSetting = SwitchSetting::Closed;
    return in;
}

// Worked as in the model's test. Reversed, I_a turns round: it leads I_m by 90.05° - 180°. At
// 1125 rpm the switch has opened and the main winding is alone, I_f = I_b. Held closed at
// 1440 rpm the split-phase winding runs against the motor. After 0.3 s a start-up from rest has
// settled at 1498.24 rpm, where the torque is nothing; at -0.2 rpm the torque is -0.0023 N·m.
INSTANTIATE_TEST_SUITE_P(
    CapacitorMotor, CapacitorMotorPrinted,
    ::testing::Values(ReadoutCase{"main_only_standstill",
                                  AtSpeed(Kind::MainOnly, 0),
                                  {"0", "1.000", "0.00", "8.79", "-8.79", "28.66", "0.00", "28.66",
                                   "none", "1.000", SwitchState::None}},
                      ReadoutCase{"main_only_just_backwards",
                                  AtSpeed(Kind::MainOnly, -0.2),
                                  {"0", "1.000", "0.00", "8.79", "-8.79", "28.66", "0.00", "28.66",
                                   "none", "1.000", SwitchState::None}},
                      ReadoutCase{"capacitor_start_standstill",
                                  AtSpeed(Kind::CapacitorStart, 0),
                                  {"0", "1.000", "19.80", "21.48", "-1.68", "28.66", "12.41",
                                   "31.22", "90.1", "0.280", SwitchState::Closed}},
                      ReadoutCase{"capacitor_start_reversed",
                                  AtSpeed(Kind::CapacitorStart, 0, true),
                                  {"0", "1.000", "-19.80", "1.68", "-21.48", "28.66", "12.41",
                                   "31.22", "-89.9", "3.577", SwitchState::Closed}},
                      ReadoutCase{"capacitor_start_1125",
                                  AtSpeed(Kind::CapacitorStart, 1125),
                                  {"1125", "0.250", "13.11", "15.39", "-2.28", "19.28", "0.00",
                                   "19.28", "none", "1.000", SwitchState::Open}},
                      ReadoutCase{"split_phase_held_closed",
                                  SplitPhaseClosed(),
                                  {"1440", "0.040", "-5.43", "3.37", "-8.79", "20.69", "15.21",
                                   "28.78", "-74.4", "7.211", SwitchState::Closed}},
                      ReadoutCase{"capacitor_start_after_0_3s",
                                  After(Kind::CapacitorStart, 0.3),
                                  {"1498", "0.001", "0.00", "0.17", "-0.17", "5.68", "0.00", "5.68",
                                   "none", "1.000", SwitchState::Open}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CapacitorMotorReadoutLines, ElevenLinesInTheirOrder) {
    const CapacitorMotorReadouts r{
        "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", SwitchState::Open};
    EXPECT_EQ(CapacitorMotorReadoutLines(r),
              "readout speed a\nreadout slip b\nreadout torque c\nreadout torque-forward d\n"
              "readout torque-backward e\nreadout current-main f\nreadout current-aux g\n"
              "readout current-line h\nreadout aux-angle i\nreadout backward-ratio j\n"
              "readout switch open\n");
}

class English : public Translation {
  public:
    std::string_view Text(std::string_view, std::string_view source) const override {
        if (source.find("%9") != std::string_view::npos) return "%1 %2 %3 %4 %5 %6 %7 %8 %9.";
        if (source == "离心开关闭合") return "closed";
        if (source == "电容起动式") return "capacitor-start";
        if (source == "断开于") return "opens at";
        if (source == "闭合于") return "closes at";
        return {};
    }
};

TEST(CapacitorMotorDescription, InTheFramesLanguage) {
    CapacitorMotorInputs in = AtSpeed(Kind::CapacitorStart, 0);
    TraceDc chinese;
    EXPECT_EQ(DrawCapacitorMotorFrame(in, chinese).description,
              "单相电动机（电容起动式）转速 0 rpm，转矩 19.80 N·m，主绕组电流 28.66 A，辅绕组电流 "
              "12.41 A，线电流 31.22 A；辅绕组电流超前主绕组电流 90.1°，反转与正转分量之比 "
              "0.280；离心开关闭合。");
    const English english;
    in.translation = &english;
    TraceDc dc;
    // The angle's phrase has no translation here: it stays as written.
    EXPECT_EQ(DrawCapacitorMotorFrame(in, dc).description,
              "capacitor-start 0 19.80 28.66 12.41 31.22 辅绕组电流超前主绕组电流 90.1° 0.280 "
              "closed.");
}

TEST(CapacitorMotorTrace, OutOfRangeIsBroughtIn) {
    CapacitorMotorInputs bad = AtSpeed(Kind::TwoValue, 1e9);
    EXPECT_EQ(Head(TraceCapacitorMotorFrame(bad), 1), "readout speed 3000\n");
    bad.speed = std::nan("");
    bad.load = std::nan("");
    bad.inertia = -3;
    bad.startCapacitor = 5000;
    bad.runCapacitor = std::nan("");
    bad.step = 36;
    CapacitorMotorInputs good = AtSpeed(Kind::TwoValue, 0);
    good.startCapacitor = 1000;
    good.inertia = capmotor::kMinInertia;
    EXPECT_EQ(TraceCapacitorMotorFrame(bad), TraceCapacitorMotorFrame(good));
}

// What a kind does not have is left out, as the option parser would not have let it in.
TEST(CapacitorMotorTrace, WhatTheKindLacksIsIgnored) {
    CapacitorMotorInputs odd = AtSpeed(Kind::MainOnly, 700);
    odd.startCapacitor = 10;
    odd.runCapacitor = 10;
    odd.reverseAux = true;
    odd.switchSetting = SwitchSetting::Closed;
    EXPECT_EQ(TraceCapacitorMotorFrame(odd),
              TraceCapacitorMotorFrame(AtSpeed(Kind::MainOnly, 700)));
}

TEST(CapacitorMotorTrace, StepsTurnTheFieldOnePeriodIn36) {
    CapacitorMotorInputs in = AtSpeed(Kind::CapacitorStart, 0);
    const std::string first = TraceCapacitorMotorFrame(in);
    in.step = 9;
    EXPECT_NE(TraceCapacitorMotorFrame(in), first);
    in.step = 36;
    EXPECT_EQ(TraceCapacitorMotorFrame(in), first);
}

TEST(CapacitorMotorTrace, TheSafePaletteColoursTheWindings) {
    CapacitorMotorInputs in = After(Kind::TwoValue, 0.2);
    const std::string standard = TraceCapacitorMotorFrame(in);
    in.palette = kSafePalette;
    const std::string safe = TraceCapacitorMotorFrame(in);
    EXPECT_NE(standard.find("ff0000"), std::string::npos);
    EXPECT_EQ(safe.find("ff0000"), std::string::npos);
    EXPECT_NE(safe.find("cc3311"), std::string::npos);
    EXPECT_NE(safe.find("004488"), std::string::npos);
}

// Every text lies inside the canvas, at any size.
TEST(CapacitorMotorTrace, TextsStayOnTheCanvas) {
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{640, 480}, std::pair{1920, 1080}}) {
        CapacitorMotorInputs in = After(Kind::TwoValue, 0.2);
        in.width = w;
        in.height = h;
        in.reverseAux = true;
        std::istringstream trace(TraceCapacitorMotorFrame(in));
        for (std::string line; std::getline(trace, line);) {
            std::istringstream words(line);
            std::string kind;
            int x = -1, y = -1;
            if (!(words >> kind) || kind != "text") continue;
            words >> x >> y;
            EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << line;
        }
    }
}

// The switch's speeds are written beside their dotted lines, never over them nor over another
// text (the torque's labels in the margin), whichever way the motor turns, in either language
// and at any size. A text's width as the layout measures it: a character of three or more bytes
// as wide as the letters are high, any other 0.55 of that.
TEST(CapacitorMotorTrace, TheSwitchsSpeedsStandBesideTheirLines) {
    const English english;
    struct Text {
        double left, top, right, bottom;
        std::string line;
        bool mark;  // a switching speed's word or figure
    };
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{640, 480}, std::pair{1920, 1080}})
        for (const bool reverse : {false, true})
            for (const Translation* translation : {static_cast<const Translation*>(nullptr),
                                                   static_cast<const Translation*>(&english)}) {
                CapacitorMotorInputs in =
                    AtSpeed(Kind::CapacitorStart, reverse ? -1000 : 1000, reverse);
                in.width = w;
                in.height = h;
                in.translation = translation;
                const double size = 15.0 * std::min(w / 1024.0, h / 768.0);
                std::istringstream trace(TraceCapacitorMotorFrame(in));
                std::vector<Text> texts;
                int lineX = -1, marks = 0;
                for (std::string line; std::getline(trace, line);) {
                    std::istringstream words(line);
                    std::string kind, text;
                    int x = 0, y = 0;
                    words >> kind >> x;
                    if (kind == "line" && line.ends_with("pen dot 1 006ebe")) lineX = x;
                    if (kind != "text") continue;
                    words >> y;
                    std::getline(words >> std::ws, text);
                    double width = 0;
                    for (const char c : text)
                        if ((c & 0xC0) != 0x80) width += (c & 0xE0) == 0xE0 ? size : 0.55 * size;
                    texts.push_back({double(x), double(y), x + width, y + size, line, lineX >= 0});
                    if (lineX < 0) continue;
                    EXPECT_TRUE(x > lineX || x + width < lineX) << w << "x" << h << ": " << line;
                    if (++marks % 2 == 0) lineX = -1;
                }
                EXPECT_EQ(marks, 4) << w << "x" << h;
                for (const Text& a : texts)
                    for (const Text& b : texts) {
                        if (!a.mark || &a == &b) continue;
                        EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                                     b.top < a.bottom)
                            << w << "x" << h << ": " << a.line << " on " << b.line;
                    }
            }
}

}  // namespace
