// vesk-render when the world is against it: a full disk, special files, too little memory, a full
// standard output. Each case runs the program as a process, through the shell, in the place where
// the fault shows only there: a small tmpfs, a FIFO, /dev/full, `ulimit -v`.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "explorer_frame.h"
#include "frame.h"
#include "frame_memory.h"
#include "raster_image.h"

namespace {

struct Outcome {
    int status = -1;  // -1: killed by a signal
    std::string out;
    std::string err;
};

// `script` in sh, in `dir`, with $R the program.
Outcome Shell(const QString& script, const QString& dir) {
    QProcess process;
    process.setWorkingDirectory(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("R", VESK_RENDER_PATH);
    process.setProcessEnvironment(env);
    process.start("/bin/sh", {"-c", script});
    EXPECT_TRUE(process.waitForFinished(120000)) << script.toStdString();
    Outcome run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under `dir`, hidden ones too, relative to it.
QStringList FilesUnder(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

// A tmpfs of `kib` KiB mounted on a directory of its own, gone with the object.
class SmallDisk {
  public:
    explicit SmallDisk(int kib) {
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        m_mounted = ::mount("tmpfs", m_dir.path().toLocal8Bit(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (m_mounted) ::umount(m_dir.path().toLocal8Bit());
    }
    bool Mounted() const { return m_mounted; }
    QString Path() const { return m_dir.path(); }

  private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// ---- a full disk ------------------------------------------------------------------------------

struct FullDiskCase {
    const char* name;
    int diskKib;
    const char* first;       // run before, on the empty disk, and expected to succeed; may be ""
    const char* script;      // fails for want of space
    const char* failedPath;  // what the message names, under the disk
    friend void PrintTo(const FullDiskCase& row, std::ostream* os) { *os << row.name; }
};

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

// The explorer's frame is 21 kB as a PNG, its trace 19 kB, the main SVG 10 kB: none fits in 4 KiB.
TEST_P(FullDisk, ExitsOneLeavesNoPartialFileAndKeepsWhatWasThere) {
    const FullDiskCase& c = GetParam();
    SmallDisk disk(c.diskKib);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root; run the suite as root for this row";
    if (*c.first != '\0') {
        const Outcome first = Shell(c.first, disk.Path());
        ASSERT_EQ(first.status, 0) << first.err;
    }
    QMap<QString, QByteArray> before;
    for (const QString& file : FilesUnder(disk.Path()))
        before[file] = Bytes(disk.Path() + "/" + file);

    const Outcome run = Shell(c.script, disk.Path());
    EXPECT_EQ(run.status, 1);
    const std::string prefix = std::string("vesk-render: cannot write ") + c.failedPath;
    const std::string suffix = ": No space left on device\n";
    EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
    EXPECT_TRUE(run.err.size() > suffix.size() &&
                run.err.compare(run.err.size() - suffix.size(), suffix.size(), suffix) == 0)
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    int whole = 0;
    // What was there is unchanged; anything new is a whole frame of the step in its name.
    for (const QString& file : FilesUnder(disk.Path())) {
        const QString path = disk.Path() + "/" + file;
        if (before.contains(file)) {
            EXPECT_EQ(Bytes(path), before[file]) << file.toStdString();
            continue;
        }
        ASSERT_TRUE(file.startsWith("frames/frame-") && file.endsWith(".png"))
            << "left behind: " << file.toStdString();
        const int step = file.mid(13, 2).toInt();
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), RasterFrame({step}))
            << file.toStdString();
        ++whole;
    }
    if (QString(c.failedPath).startsWith("frames/")) {
        EXPECT_GT(whole, 0) << "room was left for some";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullDisk,
    ::testing::Values(
        FullDiskCase{"Png", 4, "", "$R --view explorer -o f.png", "f.png"},
        FullDiskCase{"Svg", 4, "", "$R -o f.svg", "f.svg"},
        FullDiskCase{"Trace", 4, "", "$R --view explorer -o f.trace", "f.trace"},
        FullDiskCase{"Gif", 4, "", "$R --all -o cycle.gif", "cycle.gif"},
        // A good slide in place, and room for only one: the new one fails and the old one stays.
        FullDiskCase{"ExistingSlideKept", 24, "$R --view explorer --step 3 -o slide.png",
                     "$R --view explorer --step 4 -o slide.png", "slide.png"},
        // Room for a few frames: those written are whole, the rest are not begun or are removed.
        FullDiskCase{"AllKeepsWholeFrames", 32, "", "$R --all -o frames", "frames/frame-"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- special files and standard output --------------------------------------------------------

struct SpecialCase {
    const char* name;
    const char* script;  // in a fresh directory; what it prints is compared with `expected`
    int status;
    const char* expected;  // standard output, as a command: its own output is compared
    const char* error;     // a part of the one line on standard error, or "" for none
    const char* check;     // a shell test that must still hold afterwards, or ""
    friend void PrintTo(const SpecialCase& row, std::ostream* os) { *os << row.name; }
};

class SpecialFiles : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialFiles, AreWrittenIntoAndNeverReplaced) {
    const SpecialCase& c = GetParam();
    const QTemporaryDir dir;
    const bool root = ::geteuid() == 0;
    if (QString(c.script).contains("mknod") && !root)
        GTEST_SKIP() << "making a device node needs root; run the suite as root for this row";
    const Outcome run = Shell(c.script, dir.path());
    EXPECT_EQ(run.status, c.status) << run.err;
    if (*c.expected != '\0') {
        const Outcome expected = Shell(c.expected, dir.path());
        ASSERT_EQ(expected.status, 0);
        EXPECT_TRUE(run.out == expected.out) << "output differs (" << run.out.size() << " bytes, "
                                             << expected.out.size() << " expected)";
    }
    if (*c.error == '\0') {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_EQ(run.err.rfind("vesk-render: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    if (*c.check != '\0') {
        EXPECT_EQ(Shell(c.check, dir.path()).status, 0) << c.check;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecialFiles,
    ::testing::Values(
        // A reader at the other end of a FIFO gets the whole file; the FIFO stays one.
        SpecialCase{"Fifo",
                    "mkfifo pipe && { cat pipe & $R --step 5 -o pipe --format png; s=$?; wait; "
                    "exit $s; }",
                    0, "$R --step 5 -o f.png && cat f.png", "", "test -p pipe"},
        // /dev/null's own kind: a character device, made here so that nothing real is at risk.
        SpecialCase{"CharacterDevice", "mknod null c 1 3 && $R --step 5 -o null --format png", 0,
                    "", "", "test -c null"},
        SpecialCase{"DevStdout", "$R --view explorer --step 2 -o /dev/stdout --format trace", 0,
                    "$R --view explorer --step 2", "", ""},
        SpecialCase{"DevStdoutToAFile",
                    "$R --step 7 -o /dev/stdout --format trace > out.trace && cat out.trace", 0,
                    "$R --step 7", "", "test -f out.trace"},
        SpecialCase{"Directory", "mkdir d && $R -o d --format png", 1, "",
                    "cannot write d: ", "test -d d"},
        SpecialCase{"FullStandardOutput", "$R --step 3 > /dev/full", 1, "",
                    "cannot write standard output: No space left on device", ""},
        SpecialCase{"FullStandardOutputExplorer", "$R --view explorer --step 3 > /dev/full", 1, "",
                    "cannot write standard output: No space left on device", ""},
        SpecialCase{"FullDeviceAsOutput", "$R --step 3 -o /dev/full --format png", 1, "",
                    "cannot write /dev/full: No space left on device", "test -c /dev/full"},
        // A name that is not UTF-8 is the name written.
        SpecialCase{"NameNotUtf8", "$R -o \"$(printf 'caf\\351.png')\" && ls", 0,
                    "printf 'caf\\351.png\\n'", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- memory -----------------------------------------------------------------------------------

struct MemoryCase {
    const char* name;
    const char* script;
    int status;
    const char* error;  // a part of the one line on standard error
    friend void PrintTo(const MemoryCase& row, std::ostream* os) { *os << row.name; }
};

class Memory : public ::testing::TestWithParam<MemoryCase> {};

// Under AddressSanitizer no run fits in a limit of address space.
bool Sanitized() {
#ifdef VESK_SANITIZED
    return true;
#else
    return false;
#endif
}

TEST_P(Memory, RefusedOrFailedInOneLineWithNoFile) {
    const MemoryCase& c = GetParam();
    if (QString(c.script).contains("ulimit") && Sanitized())
        GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under ulimit -v";
    const QTemporaryDir dir;
    const Outcome run = Shell(c.script, dir.path());
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.err.rfind("vesk-render: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(FilesUnder(dir.path()), QStringList());
}

// 400 MB of address space starts the program and draws small frames, but not a frame of
// 8192 x 8192 (256 MiB drawn, as much again to encode).
INSTANTIATE_TEST_SUITE_P(
    Cases, Memory,
    ::testing::Values(
        MemoryCase{"FourGibibytes", "$R --size 8192x8192 --scale 4 -o f.png", 2, "67108864"},
        MemoryCase{"JustOverTheLimit", "$R --size 8192x8192 --scale 1.25 -o f.gif", 2, "67108864"},
        MemoryCase{"PngUnderUlimit", "ulimit -v 400000 && $R --size 8192x8192 -o f.png", 1,
                   "not enough memory"},
        MemoryCase{"GifUnderUlimit", "ulimit -v 400000 && $R --size 8192x8192 -o f.gif", 1,
                   "not enough memory"},
        MemoryCase{"GifUnderALargerUlimit", "ulimit -v 600000 && $R --size 8192x8192 -o f.gif", 1,
                   "not enough memory"},
        MemoryCase{"AllUnderUlimit", "ulimit -v 400000 && $R --all --size 8192x8192 -o frames", 1,
                   "not enough memory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Memory, SmallFramesStillDrawUnderTheSameUlimit) {
    if (Sanitized())
        GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under ulimit -v";
    const QTemporaryDir dir;
    const Outcome run = Shell("ulimit -v 400000 && $R --step 3 -o f.png", dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(QImage(dir.filePath("f.png")).convertToFormat(QImage::Format_RGB32),
              RasterFrame({3}));
}

// --all draws one frame per core while frames are small, fewer as they grow: at most what fits in
// 256 MiB at 6 bytes a device pixel, and always one.
struct InFlightCase {
    const char* name;
    unsigned cores;
    long long pixels;
    unsigned frames;
    friend void PrintTo(const InFlightCase& row, std::ostream* os) { *os << row.name; }
};

class FramesAtOnce : public ::testing::TestWithParam<InFlightCase> {};

TEST_P(FramesAtOnce, BoundedByCoresAndMemory) {
    EXPECT_EQ(FramesInFlight(GetParam().cores, GetParam().pixels), GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FramesAtOnce,
    ::testing::Values(InFlightCase{"SmallFramesTwoCores", 2, 513 * 624, 2},
                      InFlightCase{"SmallFramesSixteenCores", 16, 513 * 624, 16},
                      InFlightCase{"NoMoreThanSixteen", 64, 513 * 624, 16},
                      InFlightCase{"NoCoreCountKnown", 0, 513 * 624, 1},
                      // 2052 x 2496 (scale 4): 30.7 MB each, 8 in 256 MiB
                      InFlightCase{"ScaleFour", 16, 2052LL * 2496, 8},
                      // 4096 x 4096: 100.7 MB each, 2 fit
                      InFlightCase{"Large", 16, 4096LL * 4096, 2},
                      // 8192 x 8192: 402.7 MB, more than the budget: still one at a time
                      InFlightCase{"Largest", 16, 8192LL * 8192, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The window's program is as strict about its flags.
TEST(VeskOptions, AFlagGivenAValueIsAUsageError) {
    const QTemporaryDir dir;
    for (const char* flag : {"--explore=no", "--help=1"}) {
        const Outcome run = Shell(QString(VESK_APP_PATH) + " " + flag, dir.path());
        EXPECT_EQ(run.status, 2) << flag;
        EXPECT_EQ(run.out, "") << flag;
        EXPECT_NE(run.err.find("takes no value"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
