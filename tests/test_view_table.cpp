// The table of views and its readers: every parameter's range and message reach vesk-render's
// options and the lesson files alike, each view's own rules are one line, and the command lines
// of both programs are read by the same rules.
#include "views/view_table.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include "app_options.h"
#include "lesson_file.h"
#include "render_options.h"
#include "text/numbers.h"
#include "views/command_line.h"

namespace {

// A value each kind of parameter refuses: as a command line writes it, as a lesson file writes it,
// and as the file's message shows it.
struct Refused {
    std::string text;
    std::string json;
    std::string shown;
};

Refused RefusedValue(const ParamSpec& p) {
    const std::string past = Shortest(p.high + 1);
    switch (p.kind) {
        case ParamKind::Number:
        case ParamKind::Whole:
            return {past, past, past};
        case ParamKind::Choice:
            return {"nope", "\"nope\"", "nope"};
        case ParamKind::Switch:
            return {"", "1", "1"};
        case ParamKind::Triple:
            return {"0,0," + past, "[0, 0, " + past + "]", "[0,0," + past + "]"};
    }
    return {};
}

std::string Option(const ParamSpec& p) { return "--" + std::string(p.name); }

QByteArray Lesson(std::string_view view, const std::string& field) {
    return QByteArray::fromStdString(R"({"title": "T", "stops": [{"view": ")" + std::string(view) +
                                     "\", " + field + R"(, "caption": "c"}]})");
}

// Both readers refuse the same value with the same line, the table's; the lowest and highest
// values of a range are taken by both (another rule of the view may still refuse it alone).
TEST(ViewTable, EveryParametersRangeAndMessageReachBothReaders) {
    int checked = 0;
    for (const ViewDescriptor& d : Views()) {
        for (const ParamSpec& p : d.params) {
            SCOPED_TRACE(std::string(d.name) + " " + std::string(p.name));
            const Refused bad = RefusedValue(p);
            const std::string field = "\"" + std::string(p.name) + "\": ";
            const LessonFileResult lesson = ParseLesson(Lesson(d.name, field + bad.json), "l.json");
            EXPECT_EQ(lesson.error, "l.json: stop 1: " + Refusal(p, bad.shown));
            if (p.kind == ParamKind::Switch) continue;
            const ParseResult cli =
                ParseRenderOptions({"--view", std::string(d.name), Option(p), bad.text});
            EXPECT_EQ(cli.error, Refusal(p, bad.text));
            if (p.kind != ParamKind::Number) continue;
            for (const double edge : {p.low, p.high}) {
                EXPECT_EQ(ParseRenderOptions({"--view", std::string(d.name), Option(p),
                                              Shortest(edge), "--speed", "0"})
                              .error.find(std::string(p.name) + " '"),
                          std::string::npos);
                EXPECT_EQ(ParseLesson(Lesson(d.name, field + Shortest(edge)), "l.json")
                              .error.find(std::string(p.name) + " '"),
                          std::string::npos);
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 6);  // load, inertia, speed, time, initial-speed, frequency
}

// The view's settings with nothing given but `change`.
template <typename Settings, typename Change>
ViewSettings With(Change change) {
    Settings s;
    change(s);
    return s;
}

// An address read leniently leaves out the value a rule of the view is about and keeps the rest.
TEST(ViewTable, ALenientReadingLeavesOutTheValueARuleRefuses) {
    struct Row {
        const char* name;
        View view;
        std::vector<TextValue> given;
        ViewSettings kept;
        const char* problem;
    } const rows[] = {
        {"FieldOnWithoutTime",
         View::Synchronous,
         {{"field-on", "1300"}, {"field-current", "3"}},
         With<SynchronousSettings>([](auto& s) { s.fieldCurrent = 3; }),
         "--field-on is for a start-up: use it with --time"},
        {"PowerInAStartUp",
         View::Synchronous,
         {{"power", "8"}, {"time", "2"}, {"load", "10"}},
         With<SynchronousSettings>([](auto& s) {
             s.load = 10;
             s.time = 2;
         }),
         "--power cannot be used with --time: in a start-up the load sets the power"},
        {"StartCapacitorOfASplitPhaseMotor",
         View::CapacitorMotor,
         {{"kind", "split-phase"}, {"start-capacitor", "100"}, {"load", "3"}},
         With<CapacitorMotorSettings>([](auto& s) {
             s.config.kind = CapacitorMotorKind::SplitPhase;
             s.load = 3;
         }),
         "--start-capacitor: a split-phase motor has no start capacitor"},
        {"SwitchOfAPermanentCapacitorMotor",
         View::CapacitorMotor,
         {{"switch", "open"}, {"kind", "permanent-capacitor"}, {"run-capacitor", "30"}},
         With<CapacitorMotorSettings>([](auto& s) {
             s.config.kind = CapacitorMotorKind::PermanentCapacitor;
             s.config.runCapacitor = 30;
         }),
         "--switch: a permanent-capacitor motor has no centrifugal switch"},
        {"SpeedAndTime",
         View::CapacitorMotor,
         {{"speed", "1440"}, {"time", "1"}, {"reverse-aux", "1"}},
         With<CapacitorMotorSettings>([](auto& s) {
             s.speed = 1440;
             s.config.reverseAux = true;
         }),
         "speed and time cannot be used together"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> problems;
        const SettingsResult r = SettingsFromTexts(row.view, row.given, true, &problems);
        EXPECT_EQ(r.error, "");
        EXPECT_EQ(r.settings, row.kept);
        EXPECT_EQ(problems, std::vector<std::string>{row.problem});
    }
}

// A state as the command line gives it, written as the page's address and read back as the page
// reads it, is the same state at the same step.
struct Stated {
    const char* name;
    View view;
    std::vector<TextValue> given;
    int step;
    const char* address;  // "": not checked letter for letter
};

TEST(ViewTable, AnAddressReadsBackTheStateItWasWrittenFrom) {
    const Stated rows[] = {
        {"MainWithoutResultant",
         View::Main,
         {{"resultant", "0"}},
         72,
         "#view=main&step=72&resultant=0"},
        {"ExplorerOwnSupply",
         View::Explorer,
         {{"amplitudes", "1,0.4,0.7"},
          {"offsets", "0,-30.5,30"},
          {"sequence", "negative"},
          {"open", "W"},
          {"neutral", "1"},
          {"apart", "1"}},
         35,
         "#view=explorer&step=35&amplitudes=1,0.4,0.7&offsets=0,-30.5,30&sequence=negative&"
         "open=W&neutral=1&apart=1"},
        {"ExplorerSinglePhaseWeaker",
         View::Explorer,
         {{"preset", "single-phase"}, {"amplitudes", "0.5,0,0"}},
         1,
         ""},
        {"WindingOfItsOwn",
         View::Winding,
         {{"poles", "6"},
          {"slots", "54"},
          {"layers", "2"},
          {"pitch", "7"},
          {"frequency", "60.5"},
          {"sequence", "negative"},
          {"flux", "0"}},
         20,
         "#view=winding&step=20&poles=6&slots=54&layers=2&pitch=7&frequency=60.5&"
         "sequence=negative&flux=0"},
        {"MotorHeldAtASpeed",
         View::Motor,
         {{"preset", "single-phase"}, {"load", "5"}, {"speed", "1440"}},
         3,
         "#view=motor&step=3&preset=single-phase&load=5&speed=1440"},
        {"MotorDynamicFromRest",
         View::Motor,
         {{"time", "0"}, {"dynamic", "1"}, {"switch-angle", "90"}, {"zoom", "1"}},
         0,
         "#view=motor&step=0&time=0&dynamic=1&switch-angle=90&zoom=1"},
        {"TwoValueMotorReversedStarting",
         View::CapacitorMotor,
         {{"kind", "two-value"},
          {"start-capacitor", "200"},
          {"reverse-aux", "1"},
          {"switch", "closed"},
          {"load", "1.5"},
          {"time", "2"}},
         5,
         "#view=capacitor-motor&step=5&kind=two-value&start-capacitor=200&reverse-aux=1&"
         "switch=closed&load=1.5&time=2"},
    };
    for (const Stated& row : rows) {
        SCOPED_TRACE(row.name);
        const SettingsResult given = SettingsFromTexts(row.view, row.given, false);
        ASSERT_EQ(given.error, "");
        const std::string address = AddressOf(given.settings, row.step);
        if (*row.address != '\0') {
            EXPECT_EQ(address, row.address);
        }
        const AddressRead read = SettingsFromAddress("index.html" + address);
        EXPECT_EQ(read.settings, given.settings) << address;
        EXPECT_EQ(read.step, row.step);
        EXPECT_EQ(read.problems, std::vector<std::string>{});
    }
}

// Each parameter of each view, given at a value other than its default, is written in the address
// and read back: a parameter added to the table but not to its view's `values` fails here.
TEST(ViewTable, EveryParameterGoesThroughTheAddress) {
    int checked = 0;
    for (const ViewDescriptor& d : Views()) {
        for (const ParamSpec& p : d.params) {
            const double far = p.fallback == p.high ? p.low : p.high;
            std::string text = Shortest(far);
            if (p.kind == ParamKind::Whole && !p.values.empty())
                text = std::to_string(p.values.back());
            if (p.kind == ParamKind::Choice) text = p.choices.back();
            if (p.kind == ParamKind::Switch) text = p.fallback != 0 ? "0" : "1";
            if (p.kind == ParamKind::Triple) text = text + "," + text + "," + text;
            std::vector<TextValue> given{{p.name, text}};
            SettingsResult r = SettingsFromTexts(d.view, given, false);
            // A start-up's own parameters come with its time.
            if (!r.error.empty()) {
                given.push_back({"time", "1"});
                r = SettingsFromTexts(d.view, given, false);
            }
            if (!r.error.empty() || r.settings == DefaultSettings(d.view)) continue;
            EXPECT_EQ(SettingsFromAddress(AddressOf(r.settings, 0)).settings, r.settings)
                << d.name << " " << p.name << " " << text;
            ++checked;
        }
    }
    EXPECT_GE(checked, 40);
}

TEST(ViewTable, AnAddressIsReadLenientlyAsThePageReadsIt) {
    const struct Row {
        const char* name;
        const char* address;
        ViewSettings settings;
        int step;
        std::vector<std::string> problems;
    } rows[] = {
        {"PercentEscapesAndThePagesOwnKeys",
         "#lang=en&view=%6Dotor&load=%32.5&palette=safe&step=4",
         [] {
             MotorSettings s;
             s.load = 2.5;
             return s;
         }(),
         4,
         {}},
        {"AnUnknownViewIsTheMainWindow",
         "#view=stator&step=2",
         MainSettings{},
         2,
         {"unknown view 'stator' (use main, explorer, winding, motor, capacitor-motor or "
          "synchronous)"}},
        {"ARefusedValueKeepsItsDefault",
         "#view=motor&load=41&step=36",
         MotorSettings{},
         0,
         {"load '41' is not a number from 0 to 40 N·m",
          "step '36' is not a whole number from 0 to 35"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const AddressRead read = SettingsFromAddress(row.address);
        EXPECT_EQ(read.settings, row.settings);
        EXPECT_EQ(read.step, row.step);
        EXPECT_EQ(read.problems, row.problems);
    }
}

struct Line {
    const char* name;
    std::vector<std::string> args;
    const char* error;
    friend void PrintTo(const Line& row, std::ostream* os) { *os << row.name; }
};

class RenderLine : public ::testing::TestWithParam<Line> {};

TEST_P(RenderLine, IsRefusedInOneLine) {
    EXPECT_EQ(ParseRenderOptions(GetParam().args).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RenderLine,
    ::testing::Values(
        Line{"SlotsNot6pq",
             {"--view", "winding", "--poles", "4", "--slots", "30"},
             "30 slots do not make a 4-pole winding (6pq slots, q from 1 to 4: use 12, 24, 36 or "
             "48)"},
        Line{"SlotsNot6pqForEightPoles",
             {"--view", "winding", "--poles", "8", "--slots", "30"},
             "30 slots do not make an 8-pole winding (6pq slots, q from 1 to 4: use 24, 48, 72 or "
             "96)"},
        Line{"PitchAboveTau",
             {"--view", "winding", "--poles", "4", "--slots", "36", "--layers", "2", "--pitch",
              "10"},
             "pitch 10 is outside 1 to 9 (the pole pitch is 9 slots)"},
        Line{"ShortPitchOneLayer",
             {"--view", "winding", "--poles", "4", "--slots", "36", "--pitch", "7"},
             "a single-layer winding is full-pitch: pitch 7 needs layers 2"},
        Line{"PolesOutsideTheList",
             {"--view", "winding", "--poles", "5"},
             "poles '5' is not one of 2, 4, 6 or 8"},
        Line{"WindingOptionWithoutItsView", {"--poles", "4"}, "--poles needs --view winding"},
        Line{"SupplyOptionInTheWindings",
             {"--view", "winding", "--open", "U"},
             "--open needs --view explorer or motor"},
        Line{"PresetOnTheMainView",
             {"--preset", "reversed"},
             "--preset needs --view explorer, winding or motor"},
        Line{"SpeedAndTime",
             {"--view", "motor", "--speed", "1", "--time", "1"},
             "speed and time cannot be used together"},
        Line{"FieldOnWithoutTime",
             {"--view", "synchronous", "--field-on", "1300"},
             "--field-on is for a start-up: use it with --time"},
        Line{"PowerWithTime",
             {"--view", "synchronous", "--time", "2", "--power", "5"},
             "--power cannot be used with --time: in a start-up the load sets the power"},
        Line{"DamperAsAFlag",
             {"--view", "synchronous", "--damper"},
             "option --damper needs a value"},
        Line{"CapacitorOfAKindWithoutIt",
             {"--view", "capacitor-motor", "--kind", "split-phase", "--run-capacitor", "30"},
             "--run-capacitor: a split-phase motor has no run capacitor"},
        Line{"ReversedMainOnly",
             {"--view", "capacitor-motor", "--reverse-aux", "--kind", "main-only"},
             "--reverse-aux: a main-only motor has no auxiliary winding"},
        Line{"ReverseAuxWithAValue",
             {"--view", "capacitor-motor", "--reverse-aux=yes"},
             "option --reverse-aux takes no value (given '--reverse-aux=yes')"},
        Line{"SynchronousOptionWithoutItsView",
             {"--field-current", "3"},
             "--field-current needs --view synchronous"},
        // A second preset is read too: a misspelt one after a good one is no less an error.
        Line{"BadPresetAfterAGoodOne",
             {"--view", "winding", "--preset", "4-pole-full", "--preset", "nope"},
             "preset 'nope' is not one of explorer, 4-pole-full, 4-pole-short or 2-pole-short"},
        Line{"FlagWithAValue",
             {"--view", "winding", "--no-flux-lines=yes"},
             "option --no-flux-lines takes no value (given '--no-flux-lines=yes')"},
        Line{"MissingValue", {"--view", "winding", "--pitch"}, "option --pitch needs a value"},
        Line{"LineBreakInAValue",
             {"--view", "explorer", "--preset", "a\nb"},
             "preset 'a\\nb' is not one of balanced, reversed, open-u, open-u-neutral, "
             "single-phase or unbalanced"},
        Line{"UnknownWord", {"stray"}, "unknown option 'stray' (see --help)"}),
    [](const auto& info) { return std::string(info.param.name); });

class AppLine : public ::testing::TestWithParam<Line> {};

TEST_P(AppLine, IsRefusedInOneLine) {
    EXPECT_EQ(ParseAppOptions(GetParam().args).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AppLine,
    ::testing::Values(
        Line{"ViewFlagWithAValue",
             {"--motor=no"},
             "option --motor takes no value (given '--motor=no')"},
        Line{"OldSpellingWithAValue",
             {"--windings=no"},
             "option --windings takes no value (given '--windings=no')"},
        Line{"PresentWithAValue",
             {"--present=yes"},
             "option --present takes no value (given '--present=yes')"},
        Line{"TwoViews", {"--explore", "--motor"}, "--explore and --motor cannot be used together"},
        Line{"UnknownOption", {"--explorers"}, "unknown option '--explorers' (see vesk --help)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AppOptions, EachViewFlagAndItsOldSpellingOpenTheView) {
    const std::pair<const char*, View> rows[] = {{"--explorer", View::Explorer},
                                                 {"--explore", View::Explorer},
                                                 {"--winding", View::Winding},
                                                 {"--windings", View::Winding},
                                                 {"--motor", View::Motor},
                                                 {"--single-phase-motor", View::CapacitorMotor},
                                                 {"--synchronous", View::Synchronous}};
    for (const auto& [flag, view] : rows)
        EXPECT_EQ(ParseAppOptions({flag}).options.view, view) << flag;
    // The same view twice in two spellings is the one view.
    EXPECT_EQ(ParseAppOptions({"--explore", "--explorer"}).error, "");
}

}  // namespace
