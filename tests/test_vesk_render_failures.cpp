// vesk-render where things go wrong, run through the shell where the fault shows: a small tmpfs (a
// full disk), a FIFO, a device node, /dev/full, `ulimit -v`.
#include <sys/mount.h>
#include <unistd.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "frame_memory.h"
#include "raster_image.h"
#include "view_frames.h"

namespace {

struct Case {
    const char* name;
    int diskKib;         // a tmpfs of this size to work in; 0: a plain directory
    const char* first;   // run before and expected to succeed, or ""
    const char* script;  // $R is vesk-render, $V vesk
    int status;
    const char* error;  // a part of the one line on standard error; "" for none
    const char* check;  // a shell test that must still hold, or a command printing what
                        // `script` printed ("same: ..."), or ""
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome Shell(const QString& script, const QString& dir) {
    QProcess process;
    process.setWorkingDirectory(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("R", VESK_RENDER_PATH);
    env.insert("V", VESK_APP_PATH);
    process.setProcessEnvironment(env);
    process.start("/bin/sh", {"-c", script});
    EXPECT_TRUE(process.waitForFinished(120000)) << script.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

QMap<QString, QByteArray> Files(const QString& dir) {
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[it.filePath().mid(dir.size() + 1)] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return files;
}

class Faults : public ::testing::TestWithParam<Case> {};

TEST_P(Faults, OneLineRightStatusAndNothingHalfWritten) {
    const Case& c = GetParam();
    const QTemporaryDir dir;
    // Unmounted before the directory goes, however the test ends.
    const struct Disk {
        QByteArray path;
        bool mounted;
        ~Disk() {
            if (mounted) ::umount(path);
        }
    } disk{dir.path().toLocal8Bit(),
           c.diskKib > 0 && ::mount("tmpfs", dir.path().toLocal8Bit(), "tmpfs", 0,
                                    "size=" + QByteArray::number(c.diskKib) + "k") == 0};
    if (c.diskKib > 0 && !disk.mounted)
        GTEST_SKIP() << "mounting a small tmpfs needs root; run the suite as root for this row";
    if (QString(c.first).contains("mknod") && ::geteuid() != 0)
        GTEST_SKIP() << "making a device node needs root; run the suite as root for this row";
#ifdef VESK_SANITIZED
    if (QString(c.script).contains("ulimit"))
        GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under ulimit -v";
#endif
    if (*c.first != '\0') {
        EXPECT_EQ(Shell(c.first, dir.path()).status, 0);
    }
    const QMap<QString, QByteArray> before = Files(dir.path());

    const Outcome run = Shell(c.script, dir.path());
    EXPECT_EQ(run.status, c.status) << run.err;
    if (*c.error == '\0') {
        EXPECT_EQ(run.err, "");
    } else {
        const QString err = QString::fromStdString(run.err);
        EXPECT_TRUE(err.startsWith("vesk-render: ") || err.startsWith("vesk: ")) << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    const QString check = c.check;
    if (check.startsWith("same: ")) {
        const Outcome expected = Shell(check.mid(6), dir.path());
        EXPECT_EQ(expected.status, 0) << c.check;
        EXPECT_TRUE(expected.out == run.out) << "not what was written";
    } else if (!check.isEmpty()) {
        EXPECT_EQ(Shell(check, dir.path()).status, 0) << c.check;
    }
    // After a failure, what was there stays; anything new is a whole frame of the step it names.
    const QMap<QString, QByteArray> after = Files(dir.path());
    for (auto it = after.begin(); c.status != 0 && it != after.end(); ++it) {
        if (before.contains(it.key())) {
            EXPECT_TRUE(before[it.key()] == it.value()) << "changed: " << it.key().toStdString();
        } else {
            ASSERT_TRUE(it.key().startsWith("frames/frame-")) << it.key().toStdString();
            const QImage frame = QImage::fromData(it.value()).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(frame, RasterFrame({it.key().mid(13, 2).toInt()})) << it.key().toStdString();
        }
    }
}

// The explorer's PNG is 21 kB, its trace 19 kB, the main SVG 10 kB: none fits in 4 KiB.
constexpr const char* kFull = "No space left on device";

INSTANTIATE_TEST_SUITE_P(
    Cases, Faults,
    ::testing::Values(
        Case{"FullDiskPng", 4, "", "$R --view explorer -o f.png", 1, kFull, ""},
        Case{"FullDiskSvg", 4, "", "$R -o f.svg", 1, "cannot write f.svg: No space", ""},
        Case{"FullDiskTrace", 4, "", "$R --view explorer -o f.trace", 1, kFull, ""},
        Case{"FullDiskGif", 4, "", "$R --all -o c.gif", 1, kFull, ""},
        Case{"FullDiskKeepsTheOldSlide", 24, "$R --view explorer --step 3 -o s.png",
             "$R --view explorer --step 4 -o s.png", 1, kFull, ""},
        Case{"FullDiskAllKeepsWholeFrames", 32, "", "$R --all -o frames", 1, kFull,
             "test -f frames/frame-00.png"},
        Case{"Fifo", 0, "mkfifo pipe",
             "cat pipe & $R --step 5 -o pipe --format png; s=$?; wait; exit $s", 0, "",
             "same: $R --step 5 -o f.png && cat f.png && test -p pipe"},
        Case{"CharacterDevice", 0, "mknod null c 1 3", "$R --step 5 -o null --format png", 0, "",
             "test -c null"},
        Case{"DevStdout", 0, "", "$R --step 2 -o /dev/stdout --format trace", 0, "",
             "same: $R --step 2"},
        Case{"Directory", 0, "mkdir d", "$R -o d --format png", 1, "cannot write d: ", "test -d d"},
        Case{"FullStandardOutput", 0, "", "$R --view explorer --step 3 > /dev/full", 1,
             "cannot write standard output: No space left on device", ""},
        Case{"NameNotUtf8", 0, "", "$R -o \"$(printf 'caf\\351.png')\" && ls", 0, "",
             "same: printf 'caf\\351.png\\n'"},
        Case{"FourGibibytes", 0, "", "$R --size 8192x8192 --scale 4 -o f.png", 2, "67108864", ""},
        Case{"PngUnderUlimit", 0, "", "ulimit -v 400000 && $R --size 8192x8192 -o f.png", 1,
             "not enough memory", ""},
        Case{"GifUnderUlimit", 0, "", "ulimit -v 600000 && $R --size 8192x8192 -o f.gif", 1,
             "not enough memory", ""},
        Case{"AllUnderUlimit", 0, "", "ulimit -v 400000 && $R --all --size 8192x8192 -o frames", 1,
             "not enough memory", ""},
        Case{"SmallFrameUnderUlimit", 0, "", "ulimit -v 400000 && $R -o f.png", 0, "",
             "test -s f.png"},
        Case{"VeskFlagWithAValue", 0, "", "$V --explore=no", 2, "takes no value", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// --all draws a frame per core (at most 16) while frames are small, fewer as they grow: at most
// what fits in 256 MiB at 6 bytes a device pixel, and always one.
TEST(FramesInFlight, BoundedByCoresAndMemory) {
    EXPECT_EQ(FramesInFlight(2, 513 * 624), 2u);
    EXPECT_EQ(FramesInFlight(64, 513 * 624), 16u);
    EXPECT_EQ(FramesInFlight(0, 513 * 624), 1u);
    EXPECT_EQ(FramesInFlight(16, 2052LL * 2496), 8u);  // 30.7 MB each
    EXPECT_EQ(FramesInFlight(16, 4096LL * 4096), 2u);  // 100.7 MB each
    EXPECT_EQ(FramesInFlight(16, 8192LL * 8192), 1u);  // 402.7 MB, past the budget
}

}  // namespace
