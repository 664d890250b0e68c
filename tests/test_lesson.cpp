// The lesson in the core: the built-in stops follow the README's lesson, a stop's frame is its
// view's frame, the presentation's scale is a whole or quarter factor, and the stepper walks
// stops or steps as a clicker drives it.
#include "lesson/lesson.h"

#include <functional>
#include <regex>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "draw/trace_dc.h"

namespace {

MotorSettings Stopped(Supply supply, double time) {
    MotorSettings s;
    s.supply = supply;
    s.time = time;
    return s;
}

// The synchronous machine's default settings with `change` made to them.
template <typename Change>
SynchronousSettings Machine(Change change) {
    SynchronousSettings s;
    change(s);
    return s;
}

// The single-phase motor's default settings with `change` made to them.
template <typename Change>
CapacitorMotorSettings SinglePhase(Change change) {
    CapacitorMotorSettings s;
    change(s);
    return s;
}

TEST(BuiltInLesson, FollowsTheReadmesStopsThenTheExplorersFourPolesTheMotorsAndTheSynchronous) {
    const std::vector<LessonStop>& stops = BuiltInLesson().stops;
    ASSERT_EQ(stops.size(), 21u);
    // 0°, 30°, 90°, 120°, 180°, 360° with the resultant; then hidden; then animated.
    const int steps[] = {0, 3, 9, 12, 18, 36};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(stops[i].step, steps[i]) << i;
        EXPECT_TRUE(std::get<MainSettings>(stops[i].settings).showResultant && !stops[i].playing)
            << i;
    }
    EXPECT_FALSE(std::get<MainSettings>(stops[6].settings).showResultant);
    EXPECT_TRUE(std::get<MainSettings>(stops[7].settings).showResultant && stops[7].playing);
    // Where the field points at 90°, its resultant hidden.
    EXPECT_EQ(stops[8].settings, ViewSettings(MainSettings{}));
    EXPECT_EQ(stops[8].step, 9);
    EXPECT_EQ(stops[8].hide, (Hidden{.resultant = true}));
    const Preset presets[] = {Preset::Reversed, Preset::OpenU, Preset::SinglePhase};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(MatchPreset(std::get<ExplorerSettings>(stops[9 + i].settings).supply),
                  presets[i]);
    EXPECT_EQ(std::get<WindingSettings>(stops[12].settings).winding, (Winding{4, 36, 1, 9}));
    EXPECT_EQ(MatchPreset(std::get<MotorSettings>(stops[13].settings).supply), Preset::SinglePhase);
    // Which way it turns once pushed backward: the start-up's curves and readouts hidden, and it
    // still, so that no turning rotor answers.
    MotorSettings pushed = Stopped(PresetSupply(Preset::SinglePhase), 10);
    pushed.initialSpeed = -motor::kPushSpeed;
    EXPECT_EQ(stops[14].settings, ViewSettings(pushed));
    EXPECT_EQ(stops[14].hide, (Hidden{.readouts = true, .curves = true}));
    EXPECT_FALSE(stops[14].playing);
    // 30 ms into a dynamic start, the time axis at its first 100 ms.
    MotorSettings dynamic;
    dynamic.time = 0.03;
    dynamic.dynamic = dynamic.zoom = true;
    EXPECT_EQ(stops[15].settings, ViewSettings(dynamic));
    EXPECT_EQ(std::get<MotorSettings>(stops[16].settings).page, MotorPage::Circuit);
    // The capacitor-start motor held at rest, its field playing; then its start-up with a fan and
    // a flywheel just after the switch opened.
    EXPECT_EQ(stops[17].settings, ViewSettings(SinglePhase([](auto& s) { s.speed = 0; })));
    EXPECT_TRUE(stops[17].playing);
    EXPECT_EQ(stops[18].settings, ViewSettings(SinglePhase([](auto& s) {
                  s.load = 2;
                  s.inertia = 0.1;
                  s.time = 0.5;
              })));
    // Over-excited on the 5 kW V-curve; then the pull into step, with the cage and a fan.
    EXPECT_EQ(stops[19].settings, ViewSettings(Machine([](auto& s) { s.fieldCurrent = 3; })));
    EXPECT_EQ(stops[20].settings, ViewSettings(Machine([](auto& s) {
                  s.load = 10;
                  s.fieldOn = 1300;
                  s.time = 6;
              })));
    for (const LessonStop& stop : stops) EXPECT_FALSE(stop.caption.zh.empty());
    for (int i = 0; i < 21; ++i) EXPECT_EQ(StopAsks(stops[i]), i == 8 || i == 14) << i;
}

LessonStop At(ViewSettings settings, int step) {
    LessonStop stop;
    stop.settings = settings;
    stop.step = step;
    return stop;
}

LessonStop At(View view, int step) { return At(DefaultSettings(view), step); }

WindingSettings Wound(Winding winding) {
    WindingSettings s;
    s.winding = winding;
    return s;
}

struct Readings {
    const char* name;
    LessonStop stop;
    std::vector<std::string> values;  // "": not checked
    const char* firstLine;            // of the view's trace
    friend void PrintTo(const Readings& row, std::ostream* os) { *os << row.name; }
};

class StopFrames : public ::testing::TestWithParam<Readings> {};

// The readouts a reader sees, in the caption and the handout.
std::vector<std::string> Shown(const ViewResult& frame) {
    std::vector<std::string> shown;
    for (const Readout& r : frame.readouts)
        if (!r.label.empty()) shown.push_back(r.shown);
    return shown;
}

// The values the README gives for these frames.
TEST_P(StopFrames, ReadOutTheirViewsValues) {
    const LessonStop& stop = GetParam().stop;
    const CanvasInputs canvas = DesignCanvas(stop.view(), stop.step);
    TraceDc dc;
    const ViewResult frame = DrawStopFrame(stop, canvas, dc);
    EXPECT_TRUE(frame.complete);
    const std::vector<std::string>& expected = GetParam().values;
    ASSERT_GE(Shown(frame).size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        if (!expected[i].empty()) {
            EXPECT_EQ(Shown(frame)[i], expected[i]) << i;
        }
    }
    // Its trace is its view's, whose first line is a readout.
    EXPECT_EQ(TraceView(stop.settings, canvas).rfind(GetParam().firstLine, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Views, StopFrames,
    ::testing::Values(
        Readings{"MainAt90",
                 At(View::Main, 9),
                 {"9*π/18=90°", "-0.00", "0.87", "-0.87"},
                 "readout angle 9*π/18=90°\n"},
        Readings{"OpenUAt30",
                 At(ExplorerSettings{PresetSupply(Preset::OpenU)}, 3),
                 {"3*π/18=30°", "0.00", "0.43", "-0.43", "0.75", "0.75", "0.75"},
                 "readout angle 3*π/18=30°\n"},
        // q = 3: kd1 = sin 30° / (3 sin 10°), kd5 = sin 150° / (3 sin 50°), |kd7| = sin 30° /
        // (3 sin 70°); 60 * 50 / 2 rpm; the field a half of 30° on; the fundamental 1.5 kw1.
        Readings{
            "FourPolesAt30",
            At(Wound({4, 36, 1, 9}), 3),
            {"3*π/18=30°", "36", "0.960", "0.218", "0.177", "", "1500 r/min", "15.0°", "1.440 Fc"},
            "readout angle 3*π/18=30°\n"},
        // Stalled: no torque at rest, and no current but in U, 27.59 A, 5.87 times 4.70 A.
        Readings{"SinglePhaseMotorStalled",
                 At(Stopped(PresetSupply(Preset::SinglePhase), 1), 0),
                 {"0 r/min", "1.000", "0.00 N·m", "", "", "27.59 A", "0.00 A", "0.00 A", "5.87",
                  "堵转，过载"},
                 "readout speed 0\n"},
        // The forward and backward components by hand at s = 1 with C_s in the auxiliary
        // circuit: I_a 90.1° ahead of I_m, an ellipse with |I_b|/|I_f| = 0.280.
        Readings{"CapacitorStartAtRest",
                 At(SinglePhase([](auto& s) { s.speed = 0; }), 0),
                 {"0 rpm", "1.000", "19.80 N·m", "", "", "28.66 A", "12.41 A", "31.22 A", "90.1°",
                  "0.280", "闭合"},
                 "readout speed 0\n"},
        // An independent RK4 run with J = 0.1 kg·m² and a 2 N·m fan: the switch opens at 0.491 s,
        // and at 0.5 s the main winding alone carries 18.96 A at 1137 rpm.
        Readings{"CapacitorStartSwitchOpen",
                 At(SinglePhase([](auto& s) {
                        s.load = 2;
                        s.inertia = 0.1;
                        s.time = 0.5;
                    }),
                    0),
                 {"1137 rpm", "0.242", "13.13 N·m", "", "", "18.96 A", "0.00 A", "18.96 A", "—",
                  "1.000", "断开"},
                 "readout speed 1137\n"},
        // E = 1.5 V = 346.4 V; sin δ = P X_s / 3VE; I = |V − E| / X_s; S = 3 V I*; the pull-out
        // 3VE / X_s = 20 kW: over-excited, the machine leads.
        Readings{"SynchronousOverExcited",
                 At(Machine([](auto& s) { s.fieldCurrent = 3; }), 0),
                 {"14.5°", "346.4 V", "11.31 A", "0.638 超前", "5.00 kW", "−6.03 kvar", "20.00 kW",
                  "电动机运行"},
                 "readout load-angle 14.5\n"},
        // Locked into step with a 10 N·m fan at 1500 rpm: P = 10 N·m × 157.08 rad/s.
        Readings{"SynchronousPulledIn",
                 At(Machine([](auto& s) {
                        s.load = 10;
                        s.fieldOn = 1300;
                        s.time = 6;
                    }),
                    0),
                 {"1500 rpm", "6.8°", "230.9 V", "", "", "1.57 kW", "", "13.33 kW", "电动机运行"},
                 "readout speed 1500\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Predict, then reveal: what a stop hides is absent from its frame until it is revealed, and the
// frame is its view's own once revealed.
struct Hiding {
    const char* name;
    LessonStop stop;
    // A line of the trace that draws the hidden part: the thick black resultant; U's first
    // current segment from (50, 156 - 70) to (56, 156 - 70 cos 10°); the explorer's F and its
    // stairs of 1 + 2 x 6 coil sides + 1 points; the windings' S poles and the fundamental's 100 %
    // bar; the motor's N poles and its torque curve from -1500 to 1800 rpm by 10; the machine's
    // jXs·I and its power curve from -90° to 90° by 2°. None: readouts, checked as "?".
    const char* part;
    friend void PrintTo(const Hiding& row, std::ostream* os) { *os << row.name; }
};

LessonStop Asked(LessonStop stop, Hidden hide) {
    stop.hide = hide;
    stop.question = {"?", {}};
    return stop;
}

int Count(const std::string& trace, const std::string& pattern) {
    const std::regex line(pattern);
    std::istringstream in(trace);
    int count = 0;
    for (std::string l; std::getline(in, l);) count += std::regex_match(l, line);
    return count;
}

std::string StopTrace(const LessonStop& stop, bool revealed, ViewResult* frame = nullptr) {
    TraceDc dc;
    const ViewResult result =
        DrawStopFrame(stop, DesignCanvas(stop.view(), stop.step), dc, revealed);
    if (frame != nullptr) *frame = result;
    return ReadoutLines(result.readouts) + dc.Text();
}

class HiddenParts : public ::testing::TestWithParam<Hiding> {};

TEST_P(HiddenParts, AreAbsentFromTheTraceUntilRevealed) {
    const LessonStop& stop = GetParam().stop;
    ViewResult hidden, revealed;
    const std::string before = StopTrace(stop, false, &hidden);
    const std::string after = StopTrace(stop, true, &revealed);
    EXPECT_EQ(after, TraceView(stop.settings, DesignCanvas(stop.view(), stop.step)));
    if (GetParam().part != nullptr) {
        EXPECT_GT(Count(after, GetParam().part), 0);
        EXPECT_EQ(Count(before, GetParam().part), 0);
    }
    const int readouts = Count(after, "readout .*");
    if (stop.hide.readouts) {
        EXPECT_EQ(Count(before, "readout [^ ]+ \\?"), readouts);
        EXPECT_EQ(Count(after, "readout [^ ]+ \\?"), 0);
    } else {
        EXPECT_EQ(Count(before, "readout .*"), readouts);
        EXPECT_EQ(Count(before, "readout [^ ]+ \\?"), 0);
    }
    // What a screen reader hears does not give the answer away either.
    EXPECT_NE(hidden.description, revealed.description);
}

INSTANTIATE_TEST_SUITE_P(
    Views, HiddenParts,
    ::testing::Values(
        Hiding{"MainResultant", Asked(At(View::Main, 9), {.resultant = true}),
               "line .* pen solid 3 000000"},
        Hiding{"MainCurves", Asked(At(View::Main, 9), {.curves = true}),
               "line 50 86 56 87 pen solid 2 ff0000"},
        Hiding{"MainReadouts", Asked(At(View::Main, 9), {.readouts = true}), nullptr},
        Hiding{"ExplorerResultant", Asked(At(View::Explorer, 3), {.resultant = true}),
               "text \\d+ \\d+ F"},
        Hiding{"ExplorerCurves", Asked(At(View::Explorer, 3), {.curves = true}), "polyline 14 .*"},
        Hiding{"ExplorerReadouts", Asked(At(View::Explorer, 3), {.readouts = true}),
               "text \\d+ \\d+ 3\\*π/18=30°"},
        Hiding{"WindingsField", Asked(At(Wound({4, 36, 1, 9}), 3), {.resultant = true}),
               "text \\d+ \\d+ S"},
        Hiding{"WindingsCurves", Asked(At(Wound({4, 36, 1, 9}), 3), {.curves = true}),
               "text \\d+ \\d+ 100"},
        Hiding{"MotorField", Asked(At(View::Motor, 0), {.resultant = true}), "text \\d+ \\d+ N"},
        Hiding{"MotorCurvesAndReadouts",
               Asked(At(Stopped(PresetSupply(Preset::SinglePhase), 10), 0),
                     {.readouts = true, .curves = true}),
               "polyline 331 .*"},
        Hiding{"SinglePhaseMotorField", Asked(At(View::CapacitorMotor, 3), {.resultant = true}),
               "text \\d+ \\d+ F"},
        Hiding{"SynchronousCurrent", Asked(At(View::Synchronous, 0), {.resultant = true}),
               "text \\d+ \\d+ jXs·I"},
        Hiding{"SynchronousCurves", Asked(At(View::Synchronous, 0), {.curves = true}),
               "polyline 91 .*"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Fit {
    const char* name;
    int available;
    double scale;
};

TEST(FitScale, IsTheLargestQuarterThatFits) {
    const Fit rows[] = {
        {"Full HD less a caption line", 1020, 1.5},  // 1020 / 624 = 1.63
        {"Exactly the design", 624, 1.0},           {"One pixel short", 623, 0.75},
        {"4K less a caption line", 2100, 3.25},  // 2100 / 624 = 3.37
        {"Tiny screen keeps a quarter", 100, 0.25},
    };
    for (const Fit& row : rows) EXPECT_EQ(FitScale(624, row.available), row.scale) << row.name;
}

TEST(Presenting, TheMainFrameKeepsItsShapeAndTheExplorerFillsTheRoom) {
    const CanvasInputs main = PresentationInputs(View::Main, 9, 1920, 1020, 1);
    EXPECT_EQ(std::vector({main.step, main.width, main.height}), std::vector({9, 513, 624}));
    EXPECT_EQ(main.scale, 1.5);
    // Twice the device pixels: 2040 / 624 = 3.27.
    EXPECT_EQ(PresentationInputs(View::Main, 0, 1920, 1020, 2).scale, 3.25);
    for (const View view :
         {View::Explorer, View::Winding, View::Motor, View::CapacitorMotor, View::Synchronous}) {
        const CanvasInputs in = PresentationInputs(view, 3, 1920, 1020, 2);
        EXPECT_EQ(std::vector({in.width, in.height}), std::vector({1920, 1020}));
        EXPECT_EQ(in.scale, 2);
    }
}

TEST(Presenting, TheCaptionLineIsTheCaptionAndItsNumberOrTheReadouts) {
    LessonStop stop = At(View::Main, 9);
    TraceDc dc;
    const ViewResult frame = DrawStopFrame(stop, {9, 513, 624}, dc);
    EXPECT_EQ(CaptionLine(stop, 0, 1, frame, Language::Chinese, nullptr),
              "相位角(U相) 9*π/18=90°   U相相对幅值 -0.00   V相相对幅值 0.87   W相相对幅值 -0.87");
    stop.caption = {"零", "nought"};
    EXPECT_EQ(CaptionLine(stop, 2, 11, frame, Language::English, nullptr), "nought   3 / 11");
}

using Key = std::function<void(LessonStepper&)>;
const Key kNext = [](LessonStepper& s) { s.Next(); };
const Key kBack = [](LessonStepper& s) { s.Previous(); };
const Key kHome = [](LessonStepper& s) { s.Home(); };
const Key kPlay = [](LessonStepper& s) { s.PlayPause(); };
const Key kTick = [](LessonStepper& s) { s.Tick(); };
const Key kBlack = [](LessonStepper& s) { s.Black(); };
const Key kWhite = [](LessonStepper& s) { s.White(); };
Key Times(int n, Key key) {
    return [n, key](LessonStepper& s) {
        for (int i = 0; i < n; ++i) key(s);
    };
}

using Walk = LessonStepper::Walk;
using Blank = LessonStepper::Blank;

struct Presses {
    const char* name;
    Walk walk;
    View view;  // of the one stop, when walking steps
    std::vector<Key> keys;
    int index;
    int step;
    bool playing;
    Blank blank;
    friend void PrintTo(const Presses& row, std::ostream* os) { *os << row.name; }
};

class Clicker : public ::testing::TestWithParam<Presses> {};

TEST_P(Clicker, EndsAtTheStopStepAndScreen) {
    const Presses& p = GetParam();
    LessonStepper stepper(p.walk == Walk::Stops ? BuiltInLesson() : Lesson{{}, {At(p.view, 0)}},
                          p.walk);
    for (const Key& key : p.keys) key(stepper);
    EXPECT_EQ(stepper.Index(), p.index);
    EXPECT_EQ(stepper.Step(), p.step);
    EXPECT_EQ(stepper.Playing(), p.playing);
    EXPECT_EQ(stepper.Blanked(), p.blank);
}

constexpr View kMain = View::Main;
constexpr View kExplorer = View::Explorer;
constexpr View kMotor = View::Motor;

INSTANTIATE_TEST_SUITE_P(
    Lesson, Clicker,
    ::testing::Values(
        Presses{"BackAtTheFirstStays", Walk::Stops, kMain, {kBack}, 0, 0, false, Blank::None},
        Presses{
            "NextAtTheLastStays", Walk::Stops, kMain, {Times(22, kNext)}, 20, 0, true, Blank::None},
        Presses{"TheAnimatedStopPlays",
                Walk::Stops,
                kMain,
                {Times(7, kNext), Times(3, kTick)},
                7,
                3,
                true,
                Blank::None},
        Presses{"PPausesWithinAStop",
                Walk::Stops,
                kMain,
                {Times(7, kNext), kTick, kPlay, kTick},
                7,
                1,
                false,
                Blank::None},
        Presses{"LeavingAStopForgetsItsSteps",
                Walk::Stops,
                kMain,
                {kNext, kPlay, Times(4, kTick), kNext, kBack},
                1,
                3,
                false,
                Blank::None},
        Presses{"MainTicksWrapAfter72",
                Walk::Stops,
                kMain,
                {Times(5, kNext), kPlay, Times(37, kTick)},
                5,
                0,
                true,
                Blank::None},
        Presses{
            "WhiteReplacesBlack", Walk::Stops, kMain, {kBlack, kWhite}, 0, 0, false, Blank::White},
        Presses{"NextOnlyShowsTheBlankedPicture",
                Walk::Stops,
                kMain,
                {kWhite, kNext},
                0,
                0,
                false,
                Blank::None}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OneView, Clicker,
    ::testing::Values(
        Presses{"MainNextWrapsAfter72",
                Walk::Steps,
                kMain,
                {Times(73, kNext)},
                0,
                0,
                false,
                Blank::None},
        Presses{"MainBackStaysAtZero",
                Walk::Steps,
                kMain,
                {kNext, Times(2, kBack)},
                0,
                0,
                false,
                Blank::None},
        Presses{
            "ExplorerBackWrapsTo35", Walk::Steps, kExplorer, {kBack}, 0, 35, false, Blank::None},
        Presses{"MotorBackWrapsTo35", Walk::Steps, kMotor, {kBack}, 0, 35, false, Blank::None},
        Presses{"ExplorerTicksWrapAfter35",
                Walk::Steps,
                kExplorer,
                {kPlay, Times(37, kTick)},
                0,
                1,
                true,
                Blank::None},
        Presses{"NextStopsTheAnimation",
                Walk::Steps,
                kMain,
                {kPlay, Times(4, kTick), kNext},
                0,
                5,
                false,
                Blank::None},
        Presses{"HomeKeepsItRunning",
                Walk::Steps,
                kExplorer,
                {kPlay, Times(4, kTick), kHome, kTick},
                0,
                1,
                true,
                Blank::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CaptionText, ChineseAsWrittenEnglishFromTheFileOrTheCatalogue) {
    struct Catalogue : Translation {
        std::string_view Text(std::string_view context, std::string_view source) const override {
            return context == kLessonContext && source == "零" ? "zero" : "";
        }
    } catalogue;
    EXPECT_EQ(TextIn({"零", ""}, Language::Chinese, &catalogue), "零");
    EXPECT_EQ(TextIn({"零", ""}, Language::English, &catalogue), "zero");
    EXPECT_EQ(TextIn({"零", "nought"}, Language::English, &catalogue), "nought");
    EXPECT_EQ(TextIn({"一", ""}, Language::English, &catalogue), "一");
}

}  // namespace
