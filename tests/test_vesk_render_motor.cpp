// vesk-render's motor view as a user runs it: the trace's first lines, the PNG is the core's
// frame, --all is one period of the drawing, and bad command lines.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "view_frames.h"

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Render(const QStringList& args, const QString& dir = QString()) {
    QProcess process;
    if (!dir.isEmpty()) process.setWorkingDirectory(dir);
    process.start(VESK_RENDER_PATH, args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(VeskRenderMotor, TraceBeginsWithTheReadouts) {
    const Outcome run = Render({"--view", "motor", "--speed", "1440"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(
        run.out.startsWith("readout speed 1440\nreadout slip 0.040\nreadout torque 14.26\n"
                           "readout torque-forward 14.26\nreadout torque-backward 0.00\n"
                           "readout current-u 4.70\nreadout current-v 4.70\n"
                           "readout current-w 4.70\n"))
        << run.out.left(300).toStdString();
}

// The light start-up's peaks, as an independent integration gives them, after the motor's own
// readouts; time-95 is a dash until the speed gets there.
TEST(VeskRenderMotor, DynamicReadoutsFollowTheMotors) {
    const struct {
        const char* time;
        const char* tail;
    } rows[] = {{"0.3",
                 "readout state running\nreadout peak-current 39.7\nreadout peak-torque 64.2\n"
                 "readout min-torque -6.4\nreadout time-95 0.072\n"},
                {"0.05", "readout time-95 —\n"}};
    for (const auto& row : rows) {
        const Outcome run =
            Render({"--view", "motor", "--time", row.time, "--inertia", "0.015", "--dynamic"});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(row.tail) + "readout p-in "))
            << run.out.left(700).toStdString();
    }
}

TEST(VeskRenderMotor, PngIsTheCoresFrame) {
    QTemporaryDir dir;
    const Outcome run =
        Render({"--view", "motor", "--preset", "single-phase", "--time", "1.5", "--initial-speed",
                "150", "--load", "5", "--step", "7", "-o", dir.filePath("m.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    MotorInputs in;
    in.supply.singlePhase = true;
    in.time = 1.5;
    in.initialSpeed = 150;
    in.load = 5;
    in.step = 7;
    const QImage expected = RasterMotorFrame(in).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(QImage(dir.filePath("m.png")).convertToFormat(QImage::Format_RGB32) == expected);
}

TEST(VeskRenderMotor, AllIsThirtySixSteps) {
    QTemporaryDir dir;
    const Outcome run =
        Render({"--view", "motor", "--speed", "1200", "--all", "-o", dir.filePath("frames")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.filePath("frames")).entryList(QDir::Files).size(), 36);
}

struct BadCase {
    const char* name;
    QStringList args;
    const char* message;
    friend void PrintTo(const BadCase& row, std::ostream* os) { *os << row.name; }
};

class VeskRenderMotorBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(VeskRenderMotorBad, OneLineExitTwoNoFile) {
    QTemporaryDir dir;
    const Outcome run = Render(GetParam().args + QStringList{"-o", "m.png"}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

QStringList M(const QStringList& args) { return QStringList{"--view", "motor"} + args; }

INSTANTIATE_TEST_SUITE_P(
    Cases, VeskRenderMotorBad,
    ::testing::Values(
        BadCase{"SpeedAndTime", M({"--speed", "100", "--time", "1"}), "together"},
        BadCase{"SpeedTooHigh", M({"--speed", "3001"}), "3001"},
        BadCase{"SpeedNotANumber", M({"--speed", "fast"}), "fast"},
        BadCase{"TimeTooLong", M({"--time", "10.5"}), "10.5"},
        BadCase{"TimeNegative", M({"--time", "-1"}), "-1"},
        BadCase{"LoadTooLarge", M({"--load", "41"}), "41"},
        BadCase{"InertiaTooSmall", M({"--inertia", "0.01"}), "0.01"},
        BadCase{"InertiaNaN", M({"--inertia", "nan"}), "nan"},
        BadCase{"InitialWithSpeed", M({"--speed", "1", "--initial-speed", "5"}),
                "use it with time"},
        BadCase{"LoadWithoutMotor", {"--view", "explorer", "--load", "5"}, "--view motor"},
        BadCase{"StepTooLarge", M({"--step", "36"}), "0 to 35"},
        BadCase{"DynamicWithoutTime", M({"--dynamic"}), "use it with time"},
        BadCase{"DynamicWithSpeed", M({"--dynamic", "--speed", "100"}), "speed"},
        BadCase{"SwitchAngleTooLarge", M({"--time", "1", "--switch-angle", "361"}), "0 to 360"},
        BadCase{"SwitchAngleNegative", M({"--time", "1", "--switch-angle", "-1"}), "0 to 360"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
