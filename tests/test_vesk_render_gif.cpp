// vesk-render's GIF output as a user runs it: the animation of the whole cycle, single steps,
// and the command lines that cannot work.
#include <gif_lib.h>

#include <cstring>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "field/frame.h"
#include "raster_image.h"
#include "render_options.h"
#include "view_frames.h"

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Render(const QStringList& args, const QString& workingDir) {
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(VESK_RENDER_PATH, args);
    EXPECT_TRUE(process.waitForFinished(120000));
    Outcome run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The layout of a GIF file as giflib reads it.
struct GifLayout {
    std::string error;
    QSize size;
    std::vector<QRect> rects;
    std::vector<int> delays;     // hundredths of a second; -1 without a control block
    std::vector<int> disposals;  // -1 without a control block
    int loopBlocks = 0;
    int loopCount = -1;
};

GifLayout ReadLayout(const QString& path) {
    GifLayout layout;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) {
        layout.error = GifErrorString(error);
        return layout;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        layout.error = GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        return layout;
    }
    layout.size = QSize(gif->SWidth, gif->SHeight);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        layout.rects.emplace_back(d.Left, d.Top, d.Width, d.Height);
        GraphicsControlBlock control;
        const bool has = DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK;
        layout.delays.push_back(has ? control.DelayTime : -1);
        layout.disposals.push_back(has ? control.DisposalMode : -1);
        for (int b = 0; b < image.ExtensionBlockCount; ++b) {
            const ExtensionBlock& block = image.ExtensionBlocks[b];
            if (block.Function != APPLICATION_EXT_FUNC_CODE || block.ByteCount != 11 ||
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) != 0)
                continue;
            ++layout.loopBlocks;
            const ExtensionBlock* next = b + 1 < image.ExtensionBlockCount ? &block + 1 : nullptr;
            if (next && next->ByteCount == 3 && next->Bytes[0] == 1)
                layout.loopCount = next->Bytes[1] | next->Bytes[2] << 8;
        }
    }
    DGifCloseFile(gif, &error);
    return layout;
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// ---- what a good command line writes --------------------------------------------------------

struct GoodCase {
    const char* name;
    QStringList args;
    const char* file;  // what appears in the working directory
    int frames;
    int firstStep;
    QSize size;
    bool resultant;
};

void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

class GifOutput : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GifOutput, FramesMatchTheRasterFrames) {
    const GoodCase& c = GetParam();
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("gif"));
    QTemporaryDir dir;
    const Outcome run = Render(c.args, dir.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Entries(dir.path()), QStringList{c.file});  // no temporary left beside it
    const QString path = dir.filePath(c.file);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(6), QByteArray("GIF89a"));
    file.close();

    const GifLayout layout = ReadLayout(path);
    ASSERT_EQ(layout.error, "");
    EXPECT_EQ(layout.size, c.size);
    ASSERT_EQ(static_cast<int>(layout.rects.size()), c.frames);
    const bool animated = c.frames > 1;
    for (int i = 0; i < c.frames; ++i) {
        EXPECT_EQ(layout.delays[i], animated ? 20 : 0) << "frame " << i;  // the 200 ms timer
        EXPECT_EQ(layout.disposals[i], DISPOSE_DO_NOT) << "frame " << i;
    }
    EXPECT_EQ(layout.rects[0], QRect(QPoint(0, 0), c.size));
    EXPECT_EQ(layout.loopBlocks, animated ? 1 : 0);
    if (animated) {
        EXPECT_EQ(layout.loopCount, 0);  // for ever
        // Later frames are smaller than the canvas, so what is checked below is composed.
        EXPECT_LT(layout.rects[1].width() * layout.rects[1].height(),
                  c.size.width() * c.size.height());
    }

    QImageReader reader(path, "gif");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    EXPECT_EQ(reader.imageCount(), c.frames);
    if (animated) {
        EXPECT_EQ(reader.loopCount(), -1);  // Qt's word for "for ever"
    }
    for (int i = 0; i < c.frames; ++i) {
        const QImage shown = reader.read();
        ASSERT_FALSE(shown.isNull()) << "frame " << i << ": " << reader.errorString().toStdString();
        const int step = c.firstStep + i;
        // Compared as a whole; a printed difference of two canvases would be unreadable.
        EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) ==
                    RasterFrame({step, c.size.width(), c.size.height(), c.resultant}))
            << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, GifOutput,
    ::testing::Values(
        GoodCase{"AllToGifFile",
                 {"--all", "-o", "cycle.gif"},
                 "cycle.gif",
                 73,
                 0,
                 QSize(513, 624),
                 true},
        GoodCase{"AllWithFormatGif",
                 {"--all", "--format", "gif", "-o", "cycle"},
                 "cycle",
                 73,
                 0,
                 QSize(513, 624),
                 true},
        GoodCase{"AllSizedWithoutResultant",
                 {"--all", "--size", "400x520", "--no-resultant", "-o", "small.gif"},
                 "small.gif",
                 73,
                 0,
                 QSize(400, 520),
                 false},
        GoodCase{"OneStep", {"--step", "17", "-o", "s.gif"}, "s.gif", 1, 17, QSize(513, 624), true},
        GoodCase{"OneStepFormatGif",
                 {"--step", "72", "--format", "gif", "--no-resultant", "-o", "still"},
                 "still",
                 1,
                 72,
                 QSize(513, 624),
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GifOutputSize, DefaultCycleStaysSmall) {
    QTemporaryDir dir;
    const Outcome run = Render({"--all", "-o", "cycle.gif"}, dir.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_LT(QFileInfo(dir.filePath("cycle.gif")).size(), 400 * 1024);
}

TEST(GifOutputSize, ReplacesAnOlderFileWhole) {
    QTemporaryDir dir;
    QFile old(dir.filePath("cycle.gif"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000000, 'x'));
    old.close();
    const Outcome run = Render({"--step", "3", "-o", "cycle.gif"}, dir.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(ReadLayout(dir.filePath("cycle.gif")).rects.size(), 1u);
    EXPECT_LT(QFileInfo(dir.filePath("cycle.gif")).size(), 100000);
}

// ---- command lines that cannot work ---------------------------------------------------------

struct BadCase {
    const char* name;
    QStringList args;
    int status;
    const char* message;  // what the one line must say
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class GifBadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(GifBadInput, OneLineExitStatusAndNothingWritten) {
    const BadCase& c = GetParam();
    QTemporaryDir dir;
    // A plain file where a directory is needed cannot be written through, even by root.
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.gif"));
    const Outcome run = Render(c.args, dir.path());
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith("vesk-render: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_EQ(Entries(dir.path()), (QStringList{"blocker", "taken.gif"}));
    EXPECT_EQ(Entries(dir.filePath("taken.gif")), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GifBadInput,
    ::testing::Values(
        BadCase{"StepGifWithoutOutput",
                {"--step", "3", "--format", "gif"},
                2,
                "--format gif needs an output file: -o PATH"},
        BadCase{"AllGifWithoutOutput",
                {"--all", "--format", "gif"},
                2,
                "--all --format gif needs an output file: -o FILE.gif"},
        BadCase{"AllWithStep", {"--all", "--step", "3", "-o", "c.gif"}, 2, "--step and --all"},
        BadCase{"UnknownFormatNamesGif", {"--format", "jpeg", "-o", "c.jpg"}, 2, "gif"},
        BadCase{"UnwritableAnimation", {"--all", "-o", "blocker/c.gif"}, 1, "cannot write"},
        BadCase{"UnwritableStill", {"--step", "4", "-o", "blocker/s.gif"}, 1, "cannot write"},
        BadCase{"AnimationOntoADirectory", {"--all", "-o", "taken.gif"}, 1, "cannot write"},
        BadCase{"StillOntoADirectory", {"--step", "1", "-o", "taken.gif"}, 1, "cannot write"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- how the command line picks GIF ---------------------------------------------------------

struct ParseCase {
    const char* name;
    std::vector<std::string> args;
    OutputFormat format;
    bool all;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class GifOptions : public ::testing::TestWithParam<ParseCase> {};

TEST_P(GifOptions, PickTheFormat) {
    const ParseCase& c = GetParam();
    const ParseResult parsed = ParseRenderOptions(c.args);
    ASSERT_EQ(parsed.error, "");
    ASSERT_TRUE(parsed.options.format.has_value());
    EXPECT_EQ(*parsed.options.format, c.format);
    EXPECT_EQ(parsed.options.all, c.all);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GifOptions,
    ::testing::Values(
        ParseCase{"AllGifExtension", {"--all", "-o", "c.gif"}, OutputFormat::Gif, true},
        ParseCase{"AllDirectory", {"--all", "-o", "frames"}, OutputFormat::Png, true},
        ParseCase{"AllDirectoryInsideGifNamedOne",
                  {"--all", "-o", "x.gif/frames"},
                  OutputFormat::Png,
                  true},
        ParseCase{"AllFormatGif", {"--all", "--format=gif", "-o", "c"}, OutputFormat::Gif, true},
        ParseCase{"AllExplicitPngWins",
                  {"--all", "--format", "png", "-o", "c.gif"},
                  OutputFormat::Png,
                  true},
        ParseCase{"StepGifExtension", {"--step", "4", "-o", "s.gif"}, OutputFormat::Gif, false},
        ParseCase{"GifExtensionNeedsNoStep", {"-o", "s.gif"}, OutputFormat::Gif, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
