// vesk-render's single-phase motor as a user runs it: the trace's readouts in the order a teacher
// reads them, each kind and option reaching the frame, the PNG is the core's frame, and bad
// command lines, those that give a kind what it has not among them, are one line and exit 2.
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
    process.start(VESK_RENDER_PATH, QStringList{"--view", "capacitor-motor"} + args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The eleven readout lines, in their order.
QString Readouts(const char* speed, const char* slip, const char* torque, const char* forward,
                 const char* backward, const char* main, const char* aux, const char* line,
                 const char* angle, const char* ratio, const char* switchState) {
    return QString(
               "readout speed %1\nreadout slip %2\nreadout torque %3\nreadout torque-forward %4\n"
               "readout torque-backward %5\nreadout current-main %6\nreadout current-aux %7\n"
               "readout current-line %8\nreadout aux-angle %9\n")
               .arg(speed, slip, torque, forward, backward, main, aux, line, angle) +
           QString("readout backward-ratio %1\nreadout switch %2\n").arg(ratio, switchState);
}

struct Trace {
    const char* name;
    QStringList args;
    QString readouts;  // the trace's first lines
    friend void PrintTo(const Trace& row, std::ostream* os) { *os << row.name; }
};

class VeskRenderCapacitorMotor : public ::testing::TestWithParam<Trace> {};

TEST_P(VeskRenderCapacitorMotor, TraceBeginsWithTheReadoutsInOrder) {
    const Outcome run = Render(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.left(GetParam().readouts.size()), GetParam().readouts);
}

// By hand from the forward and backward components: V = Z_1m (I_f + I_b) + Z_f I_f + Z_b I_b and
// V/a = j Z_1a' (I_f − I_b) + j (Z_f I_f − Z_b I_b), T = (2/ω_s)(|I_f|² Re Z_f − |I_b|² Re Z_b);
// the start-up by an independent RK4 run at 1 ms (the switch opens at 0.491 s).
INSTANTIATE_TEST_SUITE_P(
    Readouts, VeskRenderCapacitorMotor,
    ::testing::Values(
        Trace{"CapacitorStartAtRestByDefault",
              {},
              Readouts("0", "1.000", "19.80", "21.48", "-1.68", "28.66", "12.41", "31.22", "90.1",
                       "0.280", "closed")},
        Trace{"PermanentCapacitorNearlyCircular",
              {"--kind", "permanent-capacitor", "--speed", "1440"},
              Readouts("1440", "0.040", "6.49", "6.49", "0.00", "3.94", "2.91", "5.04", "86.5",
                       "0.037", "none")},
        // Above 1125 rpm the switch leaves C_r alone: the permanent-capacitor motor's numbers.
        Trace{"TwoValueRunsOnItsRunCapacitor",
              {"--kind", "two-value", "--speed", "1440"},
              Readouts("1440", "0.040", "6.49", "6.49", "0.00", "3.94", "2.91", "5.04", "86.5",
                       "0.037", "open")},
        Trace{"LargerStartCapacitor",
              {"--start-capacitor", "300", "--speed", "0"},
              Readouts("0", "1.000", "23.10", "25.86", "-2.76", "28.66", "17.47", "41.07", "56.0",
                       "0.327", "closed")},
        // Reversed, the auxiliary current lags: the field and the torque turn the other way.
        Trace{"ReversedAuxiliary",
              {"--reverse-aux", "--speed", "0"},
              Readouts("0", "1.000", "-19.80", "1.68", "-21.48", "28.66", "12.41", "31.22", "-89.9",
                       "3.577", "closed")},
        Trace{"SwitchHeldOpenAtRest",
              {"--switch", "open", "--speed", "0"},
              Readouts("0", "1.000", "0.00", "8.79", "-8.79", "28.66", "0.00", "28.66", "none",
                       "1.000", "open")},
        Trace{"StartUpPastTheSwitch",
              {"--time", "0.5", "--load", "2", "--inertia", "0.1"},
              Readouts("1137", "0.242", "13.13", "15.32", "-2.19", "18.96", "0.00", "18.96", "none",
                       "1.000", "open")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VeskRenderCapacitorMotorPng, IsTheCoresFrame) {
    QTemporaryDir dir;
    const Outcome run = Render({"--kind", "two-value", "--time", "0.3", "--load", "4", "--step",
                                "5", "--size", "800x600", "-o", dir.filePath("c.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    CapacitorMotorSettings s;
    s.config.kind = CapacitorMotorKind::TwoValue;
    s.time = 0.3;
    s.load = 4;
    CanvasInputs canvas = DesignCanvas(View::CapacitorMotor, 5);
    canvas.width = 800;
    canvas.height = 600;
    const QImage expected = RasterViewFrame(s, canvas).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(QImage(dir.filePath("c.png")).convertToFormat(QImage::Format_RGB32) == expected);
}

struct BadCase {
    const char* name;
    QStringList args;
    const char* message;
    friend void PrintTo(const BadCase& row, std::ostream* os) { *os << row.name; }
};

class VeskRenderCapacitorMotorBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(VeskRenderCapacitorMotorBad, OneLineExitTwoNoFile) {
    QTemporaryDir dir;
    const Outcome run = Render(GetParam().args + QStringList{"-o", "c.png"}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, QString("vesk-render: ") + GetParam().message + "\n");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// What a kind has not, the rule that joins two options, and a refusal of each kind of value but a
// number's; every parameter's range reaches vesk-render as the table's own test checks.
INSTANTIATE_TEST_SUITE_P(
    Cases, VeskRenderCapacitorMotorBad,
    ::testing::Values(
        BadCase{"StartCapacitorOfASplitPhaseMotor",
                {"--kind", "split-phase", "--start-capacitor", "100"},
                "--start-capacitor: a split-phase motor has no start capacitor"},
        BadCase{"RunCapacitorOfACapacitorStartMotor",
                {"--run-capacitor", "30"},
                "--run-capacitor: a capacitor-start motor has no run capacitor"},
        BadCase{"ReversedMainOnly",
                {"--kind", "main-only", "--reverse-aux"},
                "--reverse-aux: a main-only motor has no auxiliary winding"},
        BadCase{"SwitchOfAPermanentCapacitorMotor",
                {"--kind", "permanent-capacitor", "--switch", "open"},
                "--switch: a permanent-capacitor motor has no centrifugal switch"},
        BadCase{"SpeedAndTime",
                {"--speed", "1440", "--time", "1"},
                "speed and time cannot be used together"},
        BadCase{"UnknownKind",
                {"--kind", "shaded-pole"},
                "kind 'shaded-pole' is not one of split-phase, capacitor-start, "
                "permanent-capacitor, two-value or main-only"},
        BadCase{
            "SwitchAutomatic", {"--switch", "auto"}, "switch 'auto' is not one of closed or open"},
        BadCase{"ReverseAuxWithAValue",
                {"--reverse-aux=no"},
                "option --reverse-aux takes no value (given '--reverse-aux=no')"},
        BadCase{"SynchronousOptionHere",
                {"--field-current", "3"},
                "--field-current needs --view synchronous"},
        BadCase{"StepTooLarge", {"--step", "36"}, "step '36' is not a whole number from 0 to 35"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
