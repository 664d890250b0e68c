// A teacher's lesson file: good files give their stops, and every mistake is one line naming
// the file, the stop and the field, exactly as a teacher reads it.
#include "lesson_file.h"

#include <sys/stat.h>

#include <cstdio>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A lesson around the given stops.
QByteArray With(const char* stops) {
    return QByteArray(R"({"title": "T", "stops": [)") + stops + "]}";
}

struct Good {
    const char* name;
    QByteArray json;
    LessonStop first;
    friend void PrintTo(const Good& row, std::ostream* os) { *os << row.name; }
};

Supply Amplitudes(double u, double v, double w) {
    Supply s;
    s.amplitude = {u, v, w};
    return s;
}

Supply OpenW() {
    Supply s;
    s.openPhase = 2;
    s.neutral = true;
    return s;
}

LessonStop Windings(int step, Winding winding, Sequence sequence, double frequency, bool flux) {
    return {WindingSettings{winding, sequence, frequency, flux}, step, false, {"x", ""}};
}

LessonStop Motor(MotorSettings motor) { return {motor, 0, false, {"x", ""}}; }

// The synchronous machine's default settings with `change` made to them.
template <typename Change>
LessonStop Synchronous(Change change) {
    SynchronousSettings s;
    change(s);
    return {s, 0, false, {"x", ""}};
}

// The single-phase motor's default settings with `change` made to them.
template <typename Change>
LessonStop SinglePhaseMotor(Change change) {
    CapacitorMotorSettings s;
    change(s);
    return {s, 0, false, {"x", ""}};
}

LessonStop Explorer(int step, Supply supply) {
    return {ExplorerSettings{supply}, step, false, {"x", ""}};
}

Supply Neutral() {
    Supply s;
    s.neutral = true;
    return s;
}

Supply SinglePhase() {
    Supply s;
    s.singlePhase = true;
    return s;
}

class GoodFile : public ::testing::TestWithParam<Good> {};

TEST_P(GoodFile, GivesItsFirstStop) {
    const LessonFileResult r = ParseLesson(GetParam().json, "l.json");
    ASSERT_EQ(r.error, "");
    ASSERT_FALSE(r.lesson.stops.empty());
    EXPECT_EQ(r.lesson.stops[0], GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, GoodFile,
    ::testing::Values(
        Good{"MainWithDefaults",
             With(R"({"view": "main", "caption": "零"})"),
             {MainSettings{}, 0, false, {"零", ""}}},
        Good{"MainHiddenPlaying",
             With(R"({"view": "main", "step": 72, "play": true, "resultant": false,
                      "caption": {"zh": "转", "en": "Turn"}})"),
             {MainSettings{false}, 72, true, {"转", "Turn"}}},
        Good{"EnglishOnlyServesBoth",
             With(R"({"view": "main", "caption": {"en": "Only"}})"),
             {MainSettings{}, 0, false, {"Only", ""}}},
        Good{"ExplorerValuesOverThePreset",
             With(R"({"view": "explorer", "step": 35, "preset": "reversed",
                      "amplitudes": [1, 0.4, 0.7], "sequence": "positive", "caption": "x"})"),
             Explorer(35, Amplitudes(1, 0.4, 0.7))},
        Good{"ExplorerOpenWithNeutral",
             With(R"({"view": "explorer", "open": "W", "neutral": true, "caption": "x"})"),
             Explorer(0, OpenW())},
        Good{"WindingPresetWithItsPitchChanged",
             With(R"({"view": "winding", "step": 3, "preset": "4-pole-short", "pitch": 8,
                      "frequency": 60, "sequence": "negative", "flux": false, "caption": "x"})"),
             Windings(3, {4, 36, 2, 8}, Sequence::Negative, 60, false)},
        Good{"NewPolesAndSlotsBringTheFullPitch",
             With(R"({"view": "winding", "poles": 4, "slots": 36, "caption": "x"})"),
             Windings(0, {4, 36, 1, 9}, Sequence::Positive, 50, true)},
        Good{"MotorSteadyState",
             With(R"({"view": "motor", "preset": "single-phase", "load": 5, "speed": 1400,
                      "caption": "x"})"),
             Motor({SinglePhase(), 5, 0.2, 1400, 0, 0, std::nullopt, false, 0.0, false, {}, {}})},
        Good{"MotorStartUp",
             With(R"({"view": "motor", "time": 2, "initial-speed": -150, "inertia": 0.5,
                      "caption": "x"})"),
             Motor({{}, 0, 0.5, std::nullopt, 2, -150, std::nullopt, false, 0.0, false, {}, {}})},
        Good{"SynchronousSteadyState",
             With(R"({"view": "synchronous", "field-current": 3, "power": -5, "curves": "o",
                      "caption": "x"})"),
             Synchronous([](auto& s) {
                 s.fieldCurrent = 3;
                 s.power = -5;
                 s.curves = SynchronousCurves::O;
             })},
        Good{"TwoValueMotorReversedWithItsCapacitors",
             With(R"({"view": "capacitor-motor", "kind": "two-value", "start-capacitor": 200,
                      "run-capacitor": 30, "reverse-aux": true, "switch": "closed",
                      "speed": -1440, "caption": "x"})"),
             SinglePhaseMotor([](auto& s) {
                 s.config = {CapacitorMotorKind::TwoValue, 200, 30, true, SwitchSetting::Closed};
                 s.speed = -1440;
             })},
        Good{"SplitPhaseStartUp",
             With(R"({"view": "capacitor-motor", "kind": "split-phase", "time": 1.5,
                      "load": 3, "inertia": 0.05, "caption": "x"})"),
             SinglePhaseMotor([](auto& s) {
                 s.config.kind = CapacitorMotorKind::SplitPhase;
                 s.time = 1.5;
                 s.load = 3;
                 s.inertia = 0.05;
             })},
        Good{"SynchronousStartUpWithoutItsCage",
             With(R"({"view": "synchronous", "time": 2, "damper": "no", "field-on": 1300,
                      "load": 10, "inertia": 0.5, "caption": "x"})"),
             Synchronous([](auto& s) {
                 s.inertia = 0.5;
                 s.damper = false;
                 s.load = 10;
                 s.fieldOn = 1300;
                 s.time = 2;
             })},
        Good{"CaptionOf500ChineseCharacters",
             With(("{\"view\": \"main\", \"caption\": \"" + QString(500, QChar(0x78c1)) + "\"}")
                      .toUtf8()
                      .constData()),
             {MainSettings{}, 0, false, {QString(500, QChar(0x78c1)).toStdString(), ""}}},
        // "é" as e and a combining accent: 1000 code points, 500 characters as a reader counts.
        Good{
            "CaptionOf500AccentedLetters",
            With(("{\"view\": \"main\", \"caption\": \"" + QString("e\u0301").repeated(500) + "\"}")
                     .toUtf8()
                     .constData()),
            {MainSettings{}, 0, false, {QString("e\u0301").repeated(500).toStdString(), ""}}},
        Good{"NeutralWithoutAnOpenPhaseIsFourWires",
             With(R"({"view": "explorer", "neutral": true, "caption": "x"})"),
             Explorer(0, Neutral())},
        Good{"WindingsIsTheWindingView",
             With(R"({"view": "windings", "poles": 4, "slots": 12, "caption": "x"})"),
             Windings(0, {4, 12, 1, 3}, Sequence::Positive, 50, true)},
        Good{"AQuestionWithTheResultantHidden",
             With(R"({"view": "main", "step": 9, "caption": "Up", "question": {"zh": "哪里？",
                      "en": "Where?"}, "hide": ["resultant"]})"),
             {MainSettings{}, 9, false, {"Up", ""}, {"哪里？", "Where?"}, {.resultant = true}}},
        Good{"EveryPartHiddenWithoutAQuestion",
             With(R"({"view": "motor", "caption": "x",
                      "hide": ["curves", "readouts", "resultant"]})"),
             {MotorSettings{}, 0, false, {"x", ""}, {}, {true, true, true}}},
        Good{"NothingHidden",
             With(R"({"view": "main", "caption": "x", "hide": []})"),
             {MainSettings{}, 0, false, {"x", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Bad {
    const char* name;
    QByteArray json;
    const char* message;
    friend void PrintTo(const Bad& row, std::ostream* os) { *os << row.name; }
};

class BadFile : public ::testing::TestWithParam<Bad> {};

TEST_P(BadFile, IsOneLineNamingTheStopAndField) {
    const LessonFileResult r = ParseLesson(GetParam().json, "lesson.json");
    EXPECT_EQ(r.error, GetParam().message);
    EXPECT_TRUE(r.lesson.stops.empty());
}

const char* kOk = R"({"view": "main", "caption": "c"}, )";

INSTANTIATE_TEST_SUITE_P(
    Mistakes, BadFile,
    ::testing::Values(
        Bad{"NotJson", "{\"title\": \"T\",\n  \"stops\" []}",
            "lesson.json: line 2, column 11: missing name separator"},
        Bad{"NotAnObject", "[]",
            R"(lesson.json: a lesson is an object: {"title": "...", "stops": [...]})"},
        Bad{"NoTitle", R"({"stops": []})", R"(lesson.json: field "title" is missing)"},
        Bad{"UnknownTopField", R"({"title": "T", "stop": []})",
            R"(lesson.json: field "stop" is not one of title, stops)"},
        Bad{"NoStops", R"({"title": "T", "stops": []})",
            R"(lesson.json: field "stops" is empty; a lesson needs at least one stop)"},
        Bad{"StopNotAnObject", With(R"({"view": "main", "caption": "c"}, 3)"),
            R"(lesson.json: stop 2: must be an object such as {"view": "main", "step": 3, "caption": "..."})"},
        Bad{"NoView", With(R"({"caption": "c"})"),
            R"(lesson.json: stop 1: field "view" is missing (one of main, explorer, winding, motor, capacitor-motor or synchronous))"},
        Bad{"UnknownView", With(R"({"view": "stator", "caption": "c"})"),
            R"(lesson.json: stop 1: view 'stator' is not one of main, explorer, winding, motor, capacitor-motor or synchronous)"},
        Bad{"UnknownPreset",
            With((std::string(kOk) + kOk +
                  R"({"view": "explorer", "preset": "open-x", "caption": "c"})")
                     .c_str()),
            R"(lesson.json: stop 3: preset 'open-x' is not one of balanced, reversed, open-u, open-u-neutral, single-phase or unbalanced)"},
        Bad{"MisspeltField", With(R"({"view": "main", "setp": 3, "caption": "c"})"),
            R"(lesson.json: stop 1: field "setp" is not one of view, step, play, caption, question, hide, resultant)"},
        Bad{"FieldOfTheOtherView",
            With(R"({"view": "main", "preset": "reversed", "caption": "c"})"),
            R"(lesson.json: stop 1: field "preset" is for view explorer, winding or motor, not main)"},
        Bad{"StepPastTheExplorersPeriod",
            With(R"({"view": "explorer", "step": 36, "caption": "c"})"),
            R"(lesson.json: stop 1: step '36' is not a whole number from 0 to 35)"},
        Bad{"StepNotWhole", With(R"({"view": "main", "step": 1.5, "caption": "c"})"),
            R"(lesson.json: stop 1: step '1.5' is not a whole number from 0 to 72)"},
        Bad{"PlayAsText", With(R"({"view": "main", "play": "yes", "caption": "c"})"),
            R"(lesson.json: stop 1: play 'yes' is not true or false)"},
        Bad{"AmplitudeTooLarge",
            With(R"({"view": "explorer", "amplitudes": [1, 2.5, 1], "caption": "c"})"),
            R"(lesson.json: stop 1: amplitudes '[1,2.5,1]' is not three numbers from 0 to 2, such as 1,0.4,0.7)"},
        Bad{"TwoOffsets", With(R"({"view": "explorer", "offsets": [0, 30], "caption": "c"})"),
            R"(lesson.json: stop 1: offsets '[0,30]' is not three numbers from -180 to 180°, such as 0,-30,30)"},
        Bad{"UnknownSequence", With(R"({"view": "explorer", "sequence": "abc", "caption": "c"})"),
            R"(lesson.json: stop 1: sequence 'abc' is not one of positive or negative)"},
        Bad{"OpenSinglePhase",
            With(R"({"view": "explorer", "preset": "single-phase", "open": "V", "caption": "c"})"),
            R"(lesson.json: stop 1: open cannot be used with preset single-phase)"},
        Bad{"OpenAsANumber", With(R"({"view": "explorer", "open": 1, "caption": "c"})"),
            R"(lesson.json: stop 1: open '1' is not one of U, V or W)"},
        Bad{"UnknownWindingPreset",
            With(R"({"view": "winding", "preset": "4-pole", "caption": "c"})"),
            R"(lesson.json: stop 1: preset '4-pole' is not one of explorer, 4-pole-full, 4-pole-short or 2-pole-short)"},
        Bad{"ThreePoles", With(R"({"view": "winding", "poles": 3, "caption": "c"})"),
            R"(lesson.json: stop 1: poles '3' is not one of 2, 4, 6 or 8)"},
        Bad{"AThousandAndOnePoles", With(R"({"view": "winding", "poles": 1001, "caption": "c"})"),
            R"(lesson.json: stop 1: poles '1001' is not one of 2, 4, 6 or 8)"},
        Bad{"SlotsThatMakeNoFourPoleWinding",
            With(R"({"view": "winding", "poles": 4, "slots": 30, "caption": "c"})"),
            R"(lesson.json: stop 1: 30 slots do not make a 4-pole winding (6pq slots, q from 1 to 4: use 12, 24, 36 or 48))"},
        Bad{"SlotsThatMakeNoEightPoleWinding",
            With(R"({"view": "winding", "poles": 8, "slots": 30, "caption": "c"})"),
            R"(lesson.json: stop 1: 30 slots do not make an 8-pole winding (6pq slots, q from 1 to 4: use 24, 48, 72 or 96))"},
        Bad{"ShortPitchInOneLayer",
            With(R"({"view": "winding", "preset": "4-pole-full", "pitch": 7, "caption": "c"})"),
            R"(lesson.json: stop 1: a single-layer winding is full-pitch: pitch 7 needs layers 2)"},
        Bad{"PitchPastThePolePitch",
            With(R"({"view": "winding", "preset": "4-pole-short", "pitch": 10, "caption": "c"})"),
            R"(lesson.json: stop 1: pitch 10 is outside 1 to 9 (the pole pitch is 9 slots))"},
        Bad{"NoFrequency", With(R"({"view": "winding", "frequency": 0, "caption": "c"})"),
            R"(lesson.json: stop 1: frequency '0' is not a number from 1 to 400 Hz)"},
        Bad{"LoadPastTheLimit", With(R"({"view": "motor", "load": 41, "caption": "c"})"),
            R"(lesson.json: stop 1: load '41' is not a number from 0 to 40 N·m)"},
        Bad{"SpeedAndTime", With(R"({"view": "motor", "speed": 100, "time": 1, "caption": "c"})"),
            R"(lesson.json: stop 1: speed and time cannot be used together)"},
        Bad{"InitialSpeedForASteadyState",
            With(R"({"view": "motor", "speed": 100, "initial-speed": 0, "caption": "c"})"),
            R"(lesson.json: stop 1: initial-speed is for a start-up: use it with time)"},
        Bad{"FieldOnForASteadyState",
            With(R"({"view": "synchronous", "field-on": 1300, "caption": "c"})"),
            R"(lesson.json: stop 1: --field-on is for a start-up: use it with --time)"},
        Bad{"PowerInAStartUp",
            With(R"({"view": "synchronous", "power": 5, "time": 1, "caption": "c"})"),
            R"(lesson.json: stop 1: --power cannot be used with --time: in a start-up the load sets the power)"},
        Bad{"DamperAsASwitch", With(R"({"view": "synchronous", "damper": false, "caption": "c"})"),
            R"(lesson.json: stop 1: damper 'false' is not one of yes or no)"},
        Bad{"StartCapacitorOfAPermanentCapacitorMotor",
            With(R"({"view": "capacitor-motor", "kind": "permanent-capacitor",
                     "start-capacitor": 100, "caption": "c"})"),
            R"(lesson.json: stop 1: --start-capacitor: a permanent-capacitor motor has no start capacitor)"},
        Bad{"ReversedMainOnly",
            With(R"({"view": "capacitor-motor", "kind": "main-only", "reverse-aux": true,
                     "caption": "c"})"),
            R"(lesson.json: stop 1: --reverse-aux: a main-only motor has no auxiliary winding)"},
        Bad{"ReverseAuxAsAWord",
            With(R"({"view": "capacitor-motor", "reverse-aux": "yes", "caption": "c"})"),
            R"(lesson.json: stop 1: reverse-aux 'yes' is not true or false)"},
        Bad{"MotorFieldInTheWindings", With(R"({"view": "winding", "load": 3, "caption": "c"})"),
            R"(lesson.json: stop 1: field "load" is for view motor, capacitor-motor or synchronous, not winding)"},
        Bad{"NoCaption", With(R"({"view": "main"})"),
            R"(lesson.json: stop 1: field "caption" is missing)"},
        Bad{"CaptionInFrench", With(R"({"view": "main", "caption": {"fr": "c"}})"),
            R"(lesson.json: stop 1: field "caption" must be a text, or {"zh": "...", "en": "..."})"},
        Bad{"CaptionOf501Characters",
            With(("{\"view\": \"main\", \"caption\": \"" + std::string(501, 'a') + "\"}").c_str()),
            R"(lesson.json: stop 1: field "caption" has 501 characters; at most 500)"},
        // One line, whatever the file holds: a break, an escape or a NUL is shown escaped.
        Bad{"KeyWithALineBreak", With(R"({"view": "main", "a\nb": 1, "caption": "c"})"),
            R"(lesson.json: stop 1: field "a\nb" is not one of view, step, play, caption, question, hide, resultant)"},
        Bad{"KeyWithANul", With(R"({"view": "main", "a\u0000b": 1, "caption": "c"})"),
            R"(lesson.json: stop 1: field "a\x00b" is not one of view, step, play, caption, question, hide, resultant)"},
        Bad{"ValueWithAnEscape",
            With(R"({"view": "explorer", "preset": "\u001b[2J", "caption": "c"})"),
            R"(lesson.json: stop 1: preset '\x1b[2J' is not one of balanced, reversed, open-u, open-u-neutral, single-phase or unbalanced)"},
        Bad{"CaptionWithABell", With(R"({"view": "main", "caption": "a\u0007"})"),
            R"(lesson.json: stop 1: field "caption" holds a control character (\x07); only tabs and printable text are allowed)"},
        Bad{"CaptionOfInvisibleCharacters", With(R"({"view": "main", "caption": "\u200b \u200d"})"),
            R"(lesson.json: stop 1: field "caption" is empty)"},
        Bad{"QuestionOf501Characters",
            With(("{\"view\": \"main\", \"caption\": \"c\", \"question\": \"" +
                  std::string(501, 'a') + "\"}")
                     .c_str()),
            R"(lesson.json: stop 1: field "question" has 501 characters; at most 500)"},
        Bad{"HideNotAList", With(R"({"view": "main", "caption": "c", "hide": "curves"})"),
            R"(lesson.json: stop 1: field "hide" must be a list of names, such as ["readouts"] (readouts, resultant or curves))"},
        Bad{"HideANumber", With(R"({"view": "main", "caption": "c", "hide": ["curves", 1]})"),
            R"(lesson.json: stop 1: field "hide" holds something that is not a name (readouts, resultant or curves))"},
        Bad{"HideAnUnknownPart",
            With(R"({"view": "main", "caption": "c", "hide": ["axes\u001b"]})"),
            R"(lesson.json: stop 1: field "hide": 'axes\x1b' is not one of readouts, resultant or curves)"},
        Bad{"HideTwice",
            With(R"({"view": "main", "caption": "c", "hide": ["curves", "readouts", "curves"]})"),
            R"(lesson.json: stop 1: field "hide" names 'curves' twice)"},
        Bad{"CaptionOf501AccentedLetters",
            With(("{\"view\": \"main\", \"caption\": \"" + QString("e\u0301").repeated(501) + "\"}")
                     .toUtf8()
                     .constData()),
            R"(lesson.json: stop 1: field "caption" has 501 characters; at most 500)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LessonFile, TwoHundredStopsAreALessonAndOneMoreIsNot) {
    QByteArray stops = R"({"view": "main", "caption": "c"})";
    for (int i = 1; i < 200; ++i) stops += R"(, {"view": "main", "caption": "c"})";
    EXPECT_EQ(ParseLesson(With(stops), "l.json").lesson.stops.size(), 200u);
    stops += R"(, {"view": "main", "caption": "c"})";
    EXPECT_EQ(ParseLesson(With(stops), "l.json").error,
              R"(l.json: field "stops" has 201 stops; a lesson may have at most 200)");
}

TEST(LessonFile, AFileOverOneMegabyteIsRefusedAndAMissingOneNamed) {
    const QTemporaryDir dir;
    const QString big = dir.filePath("big.json");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A valid lesson padded with spaces to one byte past 1 MB.
    QByteArray json = With(R"({"view": "main", "caption": "c"})");
    json += QByteArray(1024 * 1024 + 1 - json.size(), ' ');
    file.write(json);
    file.close();
    EXPECT_EQ(
        ReadLessonFile(big.toStdString()).error,
        big.toStdString() +
            ": the file has more than 1048576 bytes; a lesson may have at most 1048576 (1 MB)");
    EXPECT_EQ(
        ReadLessonFile(dir.filePath("none.json").toStdString()).error,
        dir.filePath("none.json").toStdString() + ": cannot be read: No such file or directory");
}

// A FIFO with no writer would hold a reader for ever; a name that is not UTF-8 is kept byte for
// byte, in the system call and in the message.
TEST(LessonFile, OnlyARegularFileIsReadWhateverItsName) {
    const QTemporaryDir dir;
    const std::string fifo = dir.filePath("lesson.fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadLessonFile(fifo).error, fifo + ": cannot be read: not a regular file");
    EXPECT_EQ(ReadLessonFile("/dev/null").error, "/dev/null: cannot be read: not a regular file");
    const std::string latin1 = dir.path().toStdString() + "/caf\xe9.json";
    FILE* file = std::fopen(latin1.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(R"({"title": "T", "stops": [{"view": "main", "caption": "c"}, 1]})", file);
    std::fclose(file);
    EXPECT_EQ(ReadLessonFile(latin1).error, latin1 +
                                                ": stop 2: must be an object such as "
                                                R"({"view": "main", "step": 3, "caption": "..."})");
}

TEST(LessonFile, TheReadmesExampleIsThisFileAndALesson) {
    const QString path = VESK_SOURCE_DIR "/docs/lesson-example.json";
    const LessonFileResult r = ReadLessonFile(path.toStdString());
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.lesson.stops.size(), 6u);
    QFile example(path), readme(VESK_SOURCE_DIR "/README.md");
    ASSERT_TRUE(example.open(QIODevice::ReadOnly) && readme.open(QIODevice::ReadOnly));
    EXPECT_TRUE(readme.readAll().contains("```json\n" + example.readAll() + "```"));
}

}  // namespace
