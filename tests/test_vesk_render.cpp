// vesk-render as a user runs it: exit status, messages, and the files it leaves.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "explorer/explorer_frame.h"
#include "field/frame.h"
#include "raster_image.h"
#include "view_frames.h"

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Render(const QStringList& args, const QString& workingDir = QString()) {
    QProcess process;
    if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
    process.start(VESK_RENDER_PATH, args);
    EXPECT_TRUE(process.waitForFinished(60000));
    Outcome run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class VeskRender : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

TEST_F(VeskRender, WritesThePngOfTheStep) {
    const Outcome run = Render({"--step", "12", "-o", Path("f.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(Path("f.png"));
    ASSERT_EQ(image.size(), QSize(513, 624));
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), RasterFrame({12, 513, 624, true}));
    EXPECT_EQ(Entries(), QStringList{"f.png"});
}

TEST_F(VeskRender, WritesAWellFormedSvg) {
    const Outcome run = Render({"--step", "9", "--no-resultant", "-o", Path("f.svg")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile file(Path("f.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QLatin1String("0 0 513 624"));
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("g")) {
            EXPECT_TRUE(xml.attributes().value("font-family").endsWith(QLatin1String(", serif")));
        }
        if (xml.name() == QLatin1String("text")) texts << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // Each label in one piece, whatever font a slide program draws it with.
    EXPECT_EQ(texts.size(), 16) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("U相") && texts.contains("三相交流电"))
        << texts.join('|').toStdString();
}

// Each flux line and curve is one polyline, so that the windings' SVGs stay small enough for a
// slide: 3,876 <line> elements made 523 kB of the first.
TEST_F(VeskRender, WindingsSvgsStayUnder150kB) {
    for (const QStringList& view : {QStringList{"--step", "3"}, {"--preset", "4-pole-short"}}) {
        const Outcome run = Render(QStringList{"--view", "winding", "-o", Path("w.svg")} + view);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        QFile file(Path("w.svg"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_LE(file.size(), 150000) << view.join(' ').toStdString();
        QXmlStreamReader xml(&file);
        int polylines = 0, lines = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            polylines += xml.name() == QLatin1String("polyline");
            lines += xml.name() == QLatin1String("line");
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        // Flux lines, the MMF's steps and its fundamental; lines only for axes, grids and marks.
        EXPECT_GE(polylines, 3) << view.join(' ').toStdString();
        EXPECT_LT(lines, 200) << view.join(' ').toStdString();
    }
}

TEST_F(VeskRender, PrintsTheTraceWhenThereIsNoOutputFile) {
    const Outcome run = Render({"--step", "9", "--format", "trace"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.startsWith("readout angle 9*π/18=90°\n"
                           "readout u -0.00\n"
                           "readout v 0.87\n"
                           "readout w -0.87\n"
                           "rect 0 0 513 624 pen solid 1 000000 brush ffffff\n"
                           "rect 0 0 513 624 pen solid 1 000000 brush ffffff\n"))
        << run.out.left(300).toStdString();
    EXPECT_EQ(run.out.toStdString(), TraceFrame({9, 513, 624, true}));
}

// The curves as numbers: on standard output or in a file, the same bytes, whatever the view.
TEST_F(VeskRender, WritesEachViewsCurvesAsCsv) {
    for (const QString view : {"main", "explorer", "winding", "motor", "synchronous"}) {
        const Outcome shown = Render({"--view", view, "--format", "csv"});
        ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
        const Outcome written = Render({"--view", view, "-o", Path(view + ".csv")});
        ASSERT_EQ(written.status, 0) << written.err.toStdString();
        QFile file(Path(view + ".csv"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), shown.out.toUtf8()) << view.toStdString();
        EXPECT_TRUE(shown.out.contains(QRegularExpression("^[a-zA-Z ]+ \\([^)]+\\),")));
    }
}

TEST_F(VeskRender, SizeMovesTheAnchors) {
    const Outcome run = Render({"--size", "800x600", "--no-resultant"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), TraceFrame({0, 800, 600, false}));
    EXPECT_TRUE(run.out.contains("ellipse 246 296 554 604 "));
}

TEST_F(VeskRender, AllWritesSeventyThreeFrames) {
    const Outcome run = Render({"--all", "--format", "trace", "-o", Path("frames")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList files = QDir(Path("frames")).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 73);
    EXPECT_EQ(files.front(), "frame-00.trace");
    EXPECT_EQ(files.back(), "frame-72.trace");
    QFile frame9(Path("frames/frame-09.trace"));
    ASSERT_TRUE(frame9.open(QIODevice::ReadOnly));
    EXPECT_EQ(frame9.readAll().toStdString(), TraceFrame({9, 513, 624, true}));
}

// --all draws and encodes the frames on every core at once; each file is the same, byte for byte,
// as the frame written alone (whose extension is matched without regard to case).
TEST_F(VeskRender, AllWritesEachPngAsWhenWrittenAlone) {
    const Outcome run = Render({"--all", "--no-resultant", "-o", Path("png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_EQ(QDir(Path("png")).entryList(QDir::Files).size(), 73);
    auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (int step = 0; step <= 72; ++step) {
        const QString name = QString("png/frame-%1.png").arg(step, 2, 10, QChar('0'));
        const Outcome one =
            Render({"--step", QString::number(step), "--no-resultant", "-o", Path("one.PNG")});
        ASSERT_EQ(one.status, 0) << one.err.toStdString();
        EXPECT_EQ(bytes(Path(name)), bytes(Path("one.PNG"))) << name.toStdString();
    }
}

// A slide for a 4K projector: the same frame drawn at twice the resolution, as on a screen of
// twice the pixel density, not enlarged.
TEST_F(VeskRender, ScaleDrawsTheFrameAtThatManyDevicePixels) {
    const Outcome run = Render({"--scale", "2", "--step", "9", "-o", Path("big.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(Path("big.png"));
    ASSERT_EQ(image.size(), QSize(1026, 1248));
    QImage expected = RasterFrame({9, 513, 624, true, 2});
    expected.setDevicePixelRatio(1);
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), expected);
}

// In English every label of the picture is English: no Chinese character in any text line.
TEST_F(VeskRender, EnglishLabelsHaveNoChinese) {
    for (const QString view : {"main", "explorer"}) {
        const Outcome run = Render({"--lang", "en", "--view", view, "--step", "3"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        int texts = 0;
        for (const QString& line : run.out.split('\n')) {
            if (!line.startsWith("text ")) continue;
            ++texts;
            for (const QChar c : line)
                EXPECT_FALSE(c.unicode() >= 0x3000 && c.unicode() < 0xa000) << line.toStdString();
        }
        EXPECT_GT(texts, 10) << view.toStdString();
    }
}

TEST_F(VeskRender, VersionAndHelp) {
    const Outcome version = Render({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vesk-render 1.0.0.1\n");  // the project's version
    const Outcome help = Render({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--step K"));
    EXPECT_TRUE(help.out.contains("--size WxH"));
}

// ---- the explorer ---------------------------------------------------------------------------

ExplorerInputs Explorer(const Supply& supply, int step, int width = 1024, int height = 768) {
    ExplorerInputs in;
    in.supply = supply;
    in.step = step;
    in.width = width;
    in.height = height;
    return in;
}

TEST_F(VeskRender, ExplorerTraceOfAnOpenPhase) {
    const Outcome run =
        Render({"--view", "explorer", "--preset", "open-u", "--step", "3", "--format", "trace"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.contains("readout positive 0.75\nreadout negative 0.75\n"
                         "readout rotation pulsating\n"));
    EXPECT_EQ(run.out.toStdString(), TraceExplorerFrame(Explorer(PresetSupply(Preset::OpenU), 3)));
}

TEST_F(VeskRender, ExplorerPngAtItsOwnSize) {
    const Outcome run = Render({"--view", "explorer", "--preset", "unbalanced", "--offsets",
                                "0,-30,30", "--step", "7", "-o", Path("e.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    Supply supply = PresetSupply(Preset::Unbalanced);
    supply.offset = {0, -30, 30};
    EXPECT_EQ(QImage(Path("e.png")).convertToFormat(QImage::Format_RGB32),
              RasterExplorerFrame(Explorer(supply, 7)));
}

// The options given override the preset's values, in any order.
struct OverrideCase {
    const char* name;
    QStringList args;
    Supply supply;
    friend void PrintTo(const OverrideCase& row, std::ostream* os) { *os << row.name; }
};

class ExplorerOverrides : public ::testing::TestWithParam<OverrideCase> {};

TEST_P(ExplorerOverrides, DrawTheSupplyTheyDescribe) {
    const Outcome run = Render(QStringList{"--view", "explorer", "--step", "4"} + GetParam().args);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), TraceExplorerFrame(Explorer(GetParam().supply, 4)));
}

Supply OpenWithNeutral(int phase) {
    Supply s;
    s.openPhase = phase;
    s.neutral = true;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExplorerOverrides,
    ::testing::Values(OverrideCase{"AmplitudesOverThePreset",
                                   {"--amplitudes", "1,1,1", "--preset", "unbalanced"},
                                   PresetSupply(Preset::Balanced)},
                      OverrideCase{"OpenPhaseOverThePreset",
                                   {"--preset", "open-u-neutral", "--open", "w"},
                                   OpenWithNeutral(2)},
                      OverrideCase{"NeutralOnAnOpenPreset",
                                   {"--preset", "open-u", "--neutral"},
                                   PresetSupply(Preset::OpenUNeutral)},
                      OverrideCase{"NeutralWithNoPhaseOpen",
                                   {"--preset", "unbalanced", "--neutral"},
                                   [] {
                                       Supply s = PresetSupply(Preset::Unbalanced);
                                       s.neutral = true;
                                       return s;
                                   }()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VeskRender, ExplorerAllIsOnePeriod) {
    const Outcome frames = Render({"--view", "explorer", "--preset", "reversed", "--all",
                                   "--format", "trace", "-o", Path("frames")});
    ASSERT_EQ(frames.status, 0) << frames.err.toStdString();
    const QStringList files = QDir(Path("frames")).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 36);
    EXPECT_EQ(files.back(), "frame-35.trace");
    // A looping GIF of the same period: 36 frames, the last one step before the first.
    const Outcome gif =
        Render({"--view", "explorer", "--all", "--size", "320x240", "-o", Path("cycle.gif")});
    ASSERT_EQ(gif.status, 0) << gif.err.toStdString();
    QImageReader reader(Path("cycle.gif"));
    EXPECT_EQ(reader.imageCount(), 36);
}

// An explorer command line that writes a PNG.
QStringList X(const QStringList& args) {
    return QStringList{"--view", "explorer"} + args + QStringList{"-o", "f.png"};
}

struct BadCase {
    const char* name;
    QStringList args;
    int status;
    const char* message;  // a word the one-line message must contain
};

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, OneLineNonZeroExitAndNoFile) {
    const BadCase& c = GetParam();
    QTemporaryDir dir;
    // A plain file where a directory is needed makes a path that cannot be written, even for root.
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QStringList args = c.args;
    args.replaceInStrings("BLOCKER", dir.filePath("blocker"));
    const Outcome run = Render(args, dir.path());
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("vesk-render: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"blocker"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInput,
    ::testing::Values(BadCase{"StepTooLarge", {"--step", "73", "-o", "f.png"}, 2, "step"},
                      BadCase{"StepNegative", {"--step", "-1", "-o", "f.png"}, 2, "step"},
                      BadCase{"StepNotANumber", {"--step", "nine", "-o", "f.png"}, 2, "nine"},
                      BadCase{"StepTrailingText", {"--step", "9x", "-o", "f.png"}, 2, "9x"},
                      BadCase{"StepWithoutValue", {"--step"}, 2, "needs a value"},
                      BadCase{"UnknownOption", {"--frobnicate", "-o", "f.png"}, 2, "--frobnicate"},
                      BadCase{"UnknownFormat", {"--format", "bmp", "-o", "f.bmp"}, 2, "bmp"},
                      BadCase{"UnknownExtension", {"-o", "f.bmp"}, 2, "format"},
                      BadCase{"SizeTooSmall", {"--size", "10x10", "-o", "f.png"}, 2, "10x10"},
                      BadCase{"SizeTooLarge", {"--size", "9000x624", "-o", "f.png"}, 2, "9000x624"},
                      BadCase{"SizeWithoutHeight", {"--size", "513", "-o", "f.png"}, 2, "513"},
                      BadCase{"SizeThreeNumbers", {"--size", "5x6x7", "-o", "f.png"}, 2, "5x6x7"},
                      BadCase{"AllWithoutDirectory", {"--all"}, 2, "directory"},
                      BadCase{"AllWithStep", {"--all", "--step", "3", "-o", "d"}, 2, "--all"},
                      BadCase{"PngWithoutOutput", {"--format", "png"}, 2, "-o"},
                      BadCase{"UnwritableFile", {"-o", "BLOCKER/f.png"}, 1, "cannot write"},
                      BadCase{
                          "UnwritableDirectory", {"--all", "-o", "BLOCKER/frames"}, 1, "directory"},
                      BadCase{"DirectoryIsAFile", {"--all", "-o", "BLOCKER"}, 1, "directory"},
                      BadCase{"UnknownLanguage", {"--lang", "fr", "-o", "f.png"}, 2, "fr"},
                      BadCase{"UnknownPalette", {"--palette", "pink", "-o", "f.png"}, 2, "pink"},
                      BadCase{"ScaleTooLarge", {"--scale", "5", "-o", "f.png"}, 2, "scale"},
                      BadCase{"ScaleNotAQuarter", {"--scale", "1.3", "-o", "f.png"}, 2, "1.3"},
                      BadCase{"CsvOfAllSteps", {"--all", "--format", "csv", "-o", "d"}, 2, "CSV"},
                      BadCase{"CsvScaled", {"--scale", "2", "-o", "c.csv"}, 2, "CSV"},
                      BadCase{"CsvUnwritable", {"-o", "BLOCKER/c.csv"}, 1, "cannot write"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Explorer, BadInput,
    ::testing::Values(
        BadCase{"UnknownView", {"--view", "side", "-o", "f.png"}, 2, "side"},
        BadCase{"SupplyWithoutTheExplorer", {"--preset", "reversed"}, 2, "--view explorer"},
        BadCase{"ExplorerStep36", X({"--step", "36"}), 2, "0 to 35"},
        BadCase{"AmplitudeAboveTwo", X({"--amplitudes", "1,2.5,1"}), 2, "2.5"},
        BadCase{"AmplitudeNegative", X({"--amplitudes", "1,-0.1,1"}), 2, "-0.1"},
        BadCase{"OffsetOutside", X({"--offsets", "0,0,181"}), 2, "181"},
        BadCase{"TwoAmplitudes", X({"--amplitudes", "1,1"}), 2, "'1,1'"},
        BadCase{"TrailingComma", X({"--offsets", "0,0,0,"}), 2, "'0,0,0,'"},
        BadCase{"NotNumbers", X({"--amplitudes", "a,b,c"}), 2, "'a,b,c'"},
        BadCase{"UnknownPreset", X({"--preset", "open-x"}), 2, "open-x"},
        BadCase{"UnknownPhase", X({"--open", "X"}), 2, "'X'"},
        BadCase{"UnknownSequence", X({"--sequence", "zero"}), 2, "zero"},
        BadCase{"NeutralWithSinglePhase", X({"--preset", "single-phase", "--neutral"}), 2,
                "neutral cannot"},
        BadCase{"OpenWithSinglePhase", X({"--preset", "single-phase", "--open", "V"}), 2,
                "single-phase"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Options that are on or off take no value; --all writes a directory or one GIF; each view's range
// is the one named; a number is echoed as it was typed.
namespace {

INSTANTIATE_TEST_SUITE_P(
    Strict, BadInput,
    ::testing::Values(
        BadCase{"AllWithAValue", {"--all=no", "-o", "d"}, 2, "--all takes no value"},
        BadCase{"NoResultantWithAValue",
                {"--no-resultant=no", "-o", "f.png"},
                2,
                "--no-resultant takes no value"},
        BadCase{"NeutralWithAValue", X({"--open", "U", "--neutral=no"}), 2,
                "--neutral takes no value"},
        BadCase{"VersionWithAValue", {"--version=2"}, 2, "--version takes no value"},
        BadCase{"AllIntoAnSvgName", {"--all", "-o", "a.svg"}, 2, "a directory or one .gif"},
        BadCase{"AllIntoATxtName", {"--all", "-o", "a.txt"}, 2, "a directory or one .gif"},
        BadCase{"AllAsGifIntoAPngName",
                {"--all", "--format", "gif", "-o", "a.png"},
                2,
                "a directory or one .gif"},
        BadCase{"ExplorerStepNegative", X({"--step", "-1"}), 2, "0 to 35"},
        BadCase{"ExplorerStepNotANumberBeforeTheView",
                {"--step", "x", "--view", "explorer", "-o", "f.png"},
                2,
                "0 to 35"},
        BadCase{"MainStepNegative", {"--step", "-1", "-o", "f.png"}, 2, "0 to 72"},
        BadCase{"AmplitudeEchoedAsTyped", X({"--amplitudes", "1,2.0000001,1"}), 2,
                "amplitudes '1,2.0000001,1' is not three numbers from 0 to 2"},
        BadCase{"OffsetEchoedAsTyped", X({"--offsets", "0,180.00001,0"}), 2,
                "offsets '0,180.00001,0' is not three numbers from -180 to 180°"},
        BadCase{"ScaleWithTheTrace", {"--scale", "2"}, 2, "--scale"},
        BadCase{"ScaleWithATraceFile", {"--scale", "2", "-o", "f.trace"}, 2, "trace"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
