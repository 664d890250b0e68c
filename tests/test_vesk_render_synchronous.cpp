// vesk-render's synchronous machine as a user runs it: the trace's readouts in the order a teacher
// reads them, each option reaching the frame, the PNG is the core's frame, and bad command lines
// are one line and exit status 2.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "raster_image.h"
#include "views/view_table.h"

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Render(const QStringList& args, const QString& dir = QString()) {
    QProcess process;
    if (!dir.isEmpty()) process.setWorkingDirectory(dir);
    process.start(VESK_RENDER_PATH, QStringList{"--view", "synchronous"} + args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct Trace {
    const char* name;
    QStringList args;
    const char* readouts;  // the trace's first lines
    friend void PrintTo(const Trace& row, std::ostream* os) { *os << row.name; }
};

class VeskRenderSynchronous : public ::testing::TestWithParam<Trace> {};

TEST_P(VeskRenderSynchronous, TraceBeginsWithTheReadouts) {
    const Outcome run = Render(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(GetParam().readouts)) << run.out.left(400).toStdString();
}

// The steady states by hand: E = V·If / 2 A, sin δ = P·X_s / 3VE, I = (V − E∠−δ) / jX_s,
// S = 3V·I*. The start-ups by the states' definitions; the pull-in by an independent integration
// (1500.0 rpm, 6.77°).
INSTANTIATE_TEST_SUITE_P(
    Readouts, VeskRenderSynchronous,
    ::testing::Values(
        Trace{"Default",
              {},
              "readout load-angle 22.0\nreadout emf 230.9\nreadout current 7.35\n"
              "readout power-factor 0.982\nreadout pf-kind lagging\nreadout p 5.00\n"
              "readout q 0.97\nreadout pull-out 13.33\nreadout state motoring\n"},
        Trace{"GeneratingLeading",
              {"--power", "-5", "--field-current", "2.5"},
              "readout load-angle -17.5\nreadout emf 288.7\nreadout current 8.11\n"
              "readout power-factor 0.890\nreadout pf-kind leading\nreadout p -5.00\n"
              "readout q -2.57\nreadout pull-out 16.67\nreadout state generating\n"},
        Trace{"PastThePullOut",
              {"--power", "14"},
              "readout load-angle -\nreadout emf 230.9\nreadout current -\n"
              "readout power-factor -\nreadout pf-kind -\nreadout p 14.00\nreadout q -\n"
              "readout pull-out 13.33\nreadout state out-of-step\n"},
        Trace{"PullsIntoStep",
              {"--time", "8", "--field-on", "1300", "--load", "10"},
              "readout speed 1500\nreadout load-angle 6.8\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Reaches {
    const char* name;
    QStringList args;
    const char* line;  // a line of the trace
    friend void PrintTo(const Reaches& row, std::ostream* os) { *os << row.name; }
};

class EachOption : public ::testing::TestWithParam<Reaches> {};

TEST_P(EachOption, ReachesTheFrame) {
    const Outcome run = Render(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(GetParam().line)) << run.out.left(400).toStdString();
}

// With --time, the field on at once without a cage cannot start it; the cage with the field off
// starts it as an induction motor; the field on with the cage pulls it in.
INSTANTIATE_TEST_SUITE_P(
    Options, EachOption,
    ::testing::Values(
        Reaches{"DamperNo", {"--time", "1", "--damper", "no"}, "readout state not-starting\n"},
        Reaches{"FieldOnLater", {"--time", "1", "--field-on", "1400"}, "readout state starting\n"},
        Reaches{"FieldOnAtOnce", {"--time", "0.5"}, "readout state pulling-in\n"},
        Reaches{"OCurves", {"--curves", "o"}, "O 形曲线"},
        Reaches{"InertiaAndLoadAreShown",
                {"--time", "1", "--inertia", "2", "--load", "30"},
                "30 N·m / 2 kg·m²"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VeskRenderSynchronousPng, IsTheCoresFrame) {
    QTemporaryDir dir;
    const Outcome run = Render({"--time", "2.5", "--field-on", "1200", "--load", "20", "--step",
                                "7", "--size", "800x600", "-o", dir.filePath("s.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    SynchronousSettings s;
    s.time = 2.5;
    s.fieldOn = 1200;
    s.load = 20;
    CanvasInputs canvas = DesignCanvas(View::Synchronous, 7);
    canvas.width = 800;
    canvas.height = 600;
    const QImage expected = RasterViewFrame(s, canvas).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(QImage(dir.filePath("s.png")).convertToFormat(QImage::Format_RGB32) == expected);
}

struct BadCase {
    const char* name;
    QStringList args;
    const char* message;
    friend void PrintTo(const BadCase& row, std::ostream* os) { *os << row.name; }
};

class VeskRenderSynchronousBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(VeskRenderSynchronousBad, OneLineExitTwoNoFile) {
    QTemporaryDir dir;
    const Outcome run = Render(GetParam().args + QStringList{"-o", "s.png"}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, QString("vesk-render: ") + GetParam().message + "\n");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// The two rules that join options, and a refusal of each kind; every parameter's range reaches
// vesk-render as the table's own test checks.
INSTANTIATE_TEST_SUITE_P(
    Cases, VeskRenderSynchronousBad,
    ::testing::Values(
        BadCase{"FieldOnWithoutTime",
                {"--field-on", "1300"},
                "--field-on is for a start-up: use it with --time"},
        BadCase{"PowerWithTime",
                {"--power", "5", "--time", "2"},
                "--power cannot be used with --time: in a start-up the load sets the power"},
        BadCase{"PowerBeyondTheRange",
                {"--power", "-16"},
                "power '-16' is not a number from -15 to 15 kW"},
        BadCase{"FieldOnPastSynchronism",
                {"--time", "1", "--field-on", "1600"},
                "field-on '1600' is not a number from 0 to 1500 rpm"},
        BadCase{"DamperMaybe", {"--damper", "maybe"}, "damper 'maybe' is not one of yes or no"},
        BadCase{"MotorOptionHere",
                {"--speed", "1400"},
                "--speed needs --view motor or capacitor-motor"},
        BadCase{"StepTooLarge", {"--step", "36"}, "step '36' is not a whole number from 0 to 35"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
