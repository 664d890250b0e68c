// A teacher's lesson file: good files give their stops, and every mistake is one line naming
// the file, the stop and the field, exactly as a teacher reads it.
#include "lesson_file.h"

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
    LessonStop stop{LessonView::Winding, step, false, true, {}, {"x", ""}, {}, {}};
    stop.winding = {winding, sequence, frequency, flux};
    return stop;
}

LessonStop Motor(Supply supply, MotorSettings motor) {
    LessonStop stop{LessonView::Motor, 0, false, true, supply, {"x", ""}, {}, motor};
    return stop;
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
             {LessonView::Main, 0, false, true, {}, {"零", ""}, {}, {}}},
        Good{"MainHiddenPlaying",
             With(R"({"view": "main", "step": 72, "play": true, "resultant": false,
                      "caption": {"zh": "转", "en": "Turn"}})"),
             {LessonView::Main, 72, true, false, {}, {"转", "Turn"}, {}, {}}},
        Good{"EnglishOnlyServesBoth",
             With(R"({"view": "main", "caption": {"en": "Only"}})"),
             {LessonView::Main, 0, false, true, {}, {"Only", ""}, {}, {}}},
        Good{"ExplorerValuesOverThePreset",
             With(R"({"view": "explorer", "step": 35, "preset": "reversed",
                      "amplitudes": [1, 0.4, 0.7], "sequence": "positive", "caption": "x"})"),
             {LessonView::Explorer, 35, false, true, Amplitudes(1, 0.4, 0.7), {"x", ""}, {}, {}}},
        Good{"ExplorerOpenWithNeutral",
             With(R"({"view": "explorer", "open": "W", "neutral": true, "caption": "x"})"),
             {LessonView::Explorer, 0, false, true, OpenW(), {"x", ""}, {}, {}}},
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
             Motor(SinglePhase(), {5, 0.2, 1400, 0, 0})},
        Good{"MotorStartUp",
             With(R"({"view": "motor", "time": 2, "initial-speed": -150, "inertia": 0.5,
                      "caption": "x"})"),
             Motor({}, {0, 0.5, std::nullopt, 2, -150})},
        Good{"CaptionOf500ChineseCharacters",
             With(("{\"view\": \"main\", \"caption\": \"" + QString(500, QChar(0x78c1)) + "\"}")
                      .toUtf8()
                      .constData()),
             {LessonView::Main,
              0,
              false,
              true,
              {},
              {QString(500, QChar(0x78c1)).toStdString(), ""},
              {},
              {}}}),
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
            R"(lesson.json: stop 1: field "view" is missing (one of main, explorer, winding, motor))"},
        Bad{"UnknownView", With(R"({"view": "windings", "caption": "c"})"),
            R"(lesson.json: stop 1: view "windings" is not one of main, explorer, winding, motor)"},
        Bad{"UnknownPreset",
            With((std::string(kOk) + kOk +
                  R"({"view": "explorer", "preset": "open-x", "caption": "c"})")
                     .c_str()),
            R"(lesson.json: stop 3: preset "open-x" is not one of balanced, reversed, open-u, open-u-neutral, single-phase, unbalanced)"},
        Bad{"MisspeltField", With(R"({"view": "main", "setp": 3, "caption": "c"})"),
            R"(lesson.json: stop 1: field "setp" is not one of view, step, play, caption, resultant)"},
        Bad{"FieldOfTheOtherView",
            With(R"({"view": "main", "preset": "reversed", "caption": "c"})"),
            R"(lesson.json: stop 1: field "preset" is for view "explorer", not "main")"},
        Bad{"StepPastTheExplorersPeriod",
            With(R"({"view": "explorer", "step": 36, "caption": "c"})"),
            R"(lesson.json: stop 1: field "step" must be a whole number from 0 to 35)"},
        Bad{"StepNotWhole", With(R"({"view": "main", "step": 1.5, "caption": "c"})"),
            R"(lesson.json: stop 1: field "step" must be a whole number from 0 to 72)"},
        Bad{"PlayAsText", With(R"({"view": "main", "play": "yes", "caption": "c"})"),
            R"(lesson.json: stop 1: field "play" must be true or false)"},
        Bad{"AmplitudeTooLarge",
            With(R"({"view": "explorer", "amplitudes": [1, 2.5, 1], "caption": "c"})"),
            R"(lesson.json: stop 1: field "amplitudes" must be three numbers from 0 to 2, such as [1, 0.4, 0.7])"},
        Bad{"TwoOffsets", With(R"({"view": "explorer", "offsets": [0, 30], "caption": "c"})"),
            R"(lesson.json: stop 1: field "offsets" must be three numbers from -180 to 180, such as [0, -30, 30])"},
        Bad{"UnknownSequence", With(R"({"view": "explorer", "sequence": "abc", "caption": "c"})"),
            R"(lesson.json: stop 1: sequence "abc" is not one of positive, negative)"},
        Bad{"OpenSinglePhase",
            With(R"({"view": "explorer", "preset": "single-phase", "open": "V", "caption": "c"})"),
            R"(lesson.json: stop 1: field "open" cannot be used with preset "single-phase")"},
        Bad{"NeutralWithoutOpenPhase",
            With(R"({"view": "explorer", "neutral": true, "caption": "c"})"),
            R"(lesson.json: stop 1: field "neutral" needs an open phase: add "open": "U", "V" or "W")"},
        Bad{"UnknownWindingPreset",
            With(R"({"view": "winding", "preset": "4-pole", "caption": "c"})"),
            R"(lesson.json: stop 1: preset "4-pole" is not one of explorer, 4-pole-full, 4-pole-short, 2-pole-short)"},
        Bad{"ThreePoles", With(R"({"view": "winding", "poles": 3, "caption": "c"})"),
            R"(lesson.json: stop 1: poles 3 is not 2, 4, 6 or 8)"},
        Bad{"SlotsThatMakeNoFourPoleWinding",
            With(R"({"view": "winding", "poles": 4, "slots": 30, "caption": "c"})"),
            R"(lesson.json: stop 1: slots 30 do not make a 4-pole winding: use 12, 24, 36 or 48)"},
        Bad{"SlotsThatMakeNoEightPoleWinding",
            With(R"({"view": "winding", "poles": 8, "slots": 30, "caption": "c"})"),
            R"(lesson.json: stop 1: slots 30 do not make an 8-pole winding: use 24, 48, 72 or 96)"},
        Bad{"ShortPitchInOneLayer",
            With(R"({"view": "winding", "preset": "4-pole-full", "pitch": 7, "caption": "c"})"),
            R"(lesson.json: stop 1: pitch 7 is short: a single-layer winding is full-pitch; add "layers": 2)"},
        Bad{"PitchPastThePolePitch",
            With(R"({"view": "winding", "preset": "4-pole-short", "pitch": 10, "caption": "c"})"),
            R"(lesson.json: stop 1: pitch 10 is outside 1 to 9, the pole pitch in slots)"},
        Bad{"NoFrequency", With(R"({"view": "winding", "frequency": 0, "caption": "c"})"),
            R"(lesson.json: stop 1: field "frequency" must be a number from 1 to 400 Hz)"},
        Bad{"LoadPastTheLimit", With(R"({"view": "motor", "load": 41, "caption": "c"})"),
            R"(lesson.json: stop 1: field "load" must be a number from 0 to 40 N·m)"},
        Bad{"SpeedAndTime", With(R"({"view": "motor", "speed": 100, "time": 1, "caption": "c"})"),
            R"(lesson.json: stop 1: field "speed" and field "time" cannot be used together)"},
        Bad{"InitialSpeedForASteadyState",
            With(R"({"view": "motor", "speed": 100, "initial-speed": 0, "caption": "c"})"),
            R"(lesson.json: stop 1: field "initial-speed" is for a start-up: use it with "time")"},
        Bad{"MotorFieldInTheWindings", With(R"({"view": "winding", "load": 3, "caption": "c"})"),
            R"(lesson.json: stop 1: field "load" is for view "motor", not "winding")"},
        Bad{"NoCaption", With(R"({"view": "main"})"),
            R"(lesson.json: stop 1: field "caption" is missing)"},
        Bad{"CaptionInFrench", With(R"({"view": "main", "caption": {"fr": "c"}})"),
            R"(lesson.json: stop 1: field "caption" must be a text, or {"zh": "...", "en": "..."})"},
        Bad{"CaptionOf501Characters",
            With(("{\"view\": \"main\", \"caption\": \"" + std::string(501, 'a') + "\"}").c_str()),
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
        ReadLessonFile(big).error,
        big.toStdString() +
            ": the file has more than 1048576 bytes; a lesson may have at most 1048576 (1 MB)");
    EXPECT_EQ(
        ReadLessonFile(dir.filePath("none.json")).error,
        dir.filePath("none.json").toStdString() + ": cannot be read: No such file or directory");
}

TEST(LessonFile, TheReadmesExampleIsThisFileAndALesson) {
    const QString path = VESK_SOURCE_DIR "/docs/lesson-example.json";
    const LessonFileResult r = ReadLessonFile(path);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.lesson.stops.size(), 6u);
    QFile example(path), readme(VESK_SOURCE_DIR "/README.md");
    ASSERT_TRUE(example.open(QIODevice::ReadOnly) && readme.open(QIODevice::ReadOnly));
    EXPECT_TRUE(readme.readAll().contains("```json\n" + example.readAll() + "```"));
}

}  // namespace
