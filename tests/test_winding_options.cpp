// vesk-render's windings options: what a command line asks for, and each kind of bad input as one
// line (exit status 2 when run).
#include "winding_options.h"

#include <QProcess>

#include <gtest/gtest.h>

#include "render_options.h"

namespace {

struct GoodCase {
    const char* name;
    std::vector<std::string> args;
    Winding winding;
    Sequence sequence;
    double frequency;
    bool fluxLines;
};

class Good : public ::testing::TestWithParam<GoodCase> {};

TEST_P(Good, GivesTheWinding) {
    const GoodCase& c = GetParam();
    const ParseResult parsed = ParseRenderOptions(c.args);
    ASSERT_EQ(parsed.error, "");
    const RenderOptions& o = parsed.options;
    EXPECT_EQ(o.view, View::Winding);
    EXPECT_EQ(o.winding.winding, c.winding);
    EXPECT_EQ(o.winding.sequence, c.sequence);
    EXPECT_EQ(o.winding.frequency, c.frequency);
    EXPECT_EQ(o.winding.fluxLines, c.fluxLines);
    EXPECT_EQ(o.width, 1024);
    EXPECT_EQ(o.height, 768);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Good,
    ::testing::Values(
        GoodCase{"Defaults", {"--view", "winding"}, {2, 6, 1, 3}, Sequence::Positive, 50, true},
        GoodCase{
            "Issue",
            {"--poles", "4", "--slots", "36", "--layers", "2", "--pitch", "7", "--view", "winding"},
            {4, 36, 2, 7},
            Sequence::Positive,
            50,
            true},
        // Slots alone bring the full pitch; the preset's pitch stays when only layers change.
        GoodCase{"SlotsFullPitch",
                 {"--view=winding", "--poles=4", "--slots=48"},
                 {4, 48, 1, 12},
                 Sequence::Positive,
                 50,
                 true},
        GoodCase{"PresetKeepsPitch",
                 {"--view", "winding", "--preset", "2-pole-short", "--layers", "2", "--sequence",
                  "negative", "--frequency", "60", "--no-flux-lines"},
                 {2, 24, 2, 10},
                 Sequence::Negative,
                 60,
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::vector<std::string> args;
    std::string error;
};

class Bad : public ::testing::TestWithParam<BadCase> {};

TEST_P(Bad, SaysWhy) { EXPECT_EQ(ParseRenderOptions(GetParam().args).error, GetParam().error); }

INSTANTIATE_TEST_SUITE_P(
    Rows, Bad,
    ::testing::Values(
        BadCase{"SlotsNot6pq",
                {"--view", "winding", "--poles", "4", "--slots", "30"},
                "30 slots do not make a 4-pole winding (6pq slots, q from 1 to 4: use 12, 24, "
                "36 or 48)"},
        BadCase{"EightPoles",
                {"--view", "winding", "--poles", "8", "--slots", "30"},
                "30 slots do not make an 8-pole winding (6pq slots, q from 1 to 4: use 24, 48, "
                "72 or 96)"},
        BadCase{"QAboveFour",
                {"--view", "winding", "--slots", "30"},
                "30 slots do not make a 2-pole winding (6pq slots, q from 1 to 4: use 6, 12, 18 "
                "or 24)"},
        BadCase{"PitchAboveTau",
                {"--view", "winding", "--poles", "4", "--slots", "36", "--layers", "2", "--pitch",
                 "10"},
                "pitch 10 is outside 1..9 (the pole pitch is 9 slots)"},
        BadCase{"PitchZero",
                {"--view", "winding", "--layers", "2", "--pitch", "0"},
                "pitch 0 is outside 1..3 (the pole pitch is 3 slots)"},
        BadCase{"ShortPitchOneLayer",
                {"--view", "winding", "--poles", "4", "--slots", "36", "--pitch", "7"},
                "a single-layer winding is full-pitch: pitch 7 needs --layers 2"},
        BadCase{"PolesOutsideList",
                {"--view", "winding", "--poles", "5"},
                "poles 5 is not 2, 4, 6 or 8"},
        BadCase{"Layers", {"--view", "winding", "--layers", "3"}, "layers 3 is not 1 or 2"},
        BadCase{"FrequencyZero",
                {"--view", "winding", "--frequency", "0"},
                "frequency '0' is not a number of hertz from 1 to 400"},
        BadCase{"FrequencyHigh",
                {"--view", "winding", "--frequency", "400.5"},
                "frequency '400.5' is not a number of hertz from 1 to 400"},
        BadCase{"SlotsText",
                {"--view", "winding", "--slots", "many"},
                "slots 'many' is not a whole number"},
        BadCase{"NoView", {"--poles", "4", "-o", "x.png"}, "--poles needs --view winding"},
        BadCase{"ExplorerView",
                {"--view", "explorer", "--no-flux-lines"},
                "--no-flux-lines needs --view winding"},
        BadCase{"SupplyOption",
                {"--view", "winding", "--open", "U"},
                "--open needs --view explorer or motor"},
        BadCase{"Preset",
                {"--view", "winding", "--preset", "balanced"},
                "unknown winding preset 'balanced' (use explorer, 4-pole-full, 4-pole-short or "
                "2-pole-short)"},
        BadCase{"Step",
                {"--view", "winding", "--step", "36"},
                "step '36' is not a whole number from 0 to 35"},
        BadCase{"MissingValue", {"--view", "winding", "--pitch"}, "option --pitch needs a value"}),
    [](const auto& info) { return std::string(info.param.name); });

// As a user sees it: one line on the error output and status 2.
TEST(WindingRender, BadInputIsOneLineAndStatusTwo) {
    QProcess process;
    process.start(VESK_RENDER_PATH, {"--view", "winding", "--slots", "7"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.startsWith("vesk-render: 7 slots")) << err.toStdString();
}

}  // namespace
