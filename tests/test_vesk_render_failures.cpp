// vesk-render where things go wrong, run through the shell where the fault shows: a small tmpfs (a
// full disk), a FIFO, a socket, a device node, /dev/full, `ulimit -v`; the frames and the handout.
#include <poll.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

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
// A handout of one stop, 25 kB, where the built-in lesson's is 175 kB.
constexpr const char* kSmallHandout =
    "printf '{\"title\": \"T\", \"stops\": [{\"view\": \"main\", \"caption\": \"c\"}]}' > l.json "
    "&& "
    "$R --handout h.pdf --lesson l.json";

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
        Case{"NameNotUtf8", 0, "", "n=$(printf 'caf\\351.png') && $R -o \"$n\" && ls && rm \"$n\"",
             0, "", "same: printf 'caf\\351.png\\n'"},
        Case{"FourGibibytes", 0, "", "$R --size 8192x8192 --scale 4 -o f.png", 2, "67108864", ""},
        Case{"PngUnderUlimit", 0, "", "ulimit -v 400000 && $R --size 8192x8192 -o f.png", 1,
             "not enough memory", ""},
        Case{"GifUnderUlimit", 0, "", "ulimit -v 300000 && $R --size 8192x8192 -o f.gif", 1,
             "not enough memory", ""},
        Case{"AllUnderUlimit", 0, "", "ulimit -v 400000 && $R --all --size 8192x8192 -o frames", 1,
             "not enough memory", ""},
        Case{"SmallFrameUnderUlimit", 0, "", "ulimit -v 400000 && $R -o f.png", 0, "",
             "test -s f.png"},
        Case{"VeskFlagWithAValue", 0, "", "$V --explore=no", 2, "takes no value", ""},
        // The handout through the same writer. Once it left a cut PDF on a full disk, in most
        // runs but not all: the full disk is tried six times, each leaving the old handout.
        Case{"HandoutFullDiskSixTimes", 100, kSmallHandout,
             "for i in 1 2 3 4 5 6; do e=$($R --handout h.pdf 2>&1); [ $? = 1 ] || exit 10; "
             "[ \"$e\" = 'vesk-render: cannot write h.pdf: No space left on device' ] || exit 11; "
             "done; echo \"$e\" >&2; exit 1",
             1, "cannot write h.pdf: No space left on device", ""},
        Case{"HandoutDeviceNode", 0, "mknod null c 1 3", "$R --handout null", 0, "",
             "test -c null"},
        Case{"HandoutFifo", 0, "mkfifo pipe",
             "cat pipe > got & c=$!; $R --handout pipe; s=$?; test -p pipe || kill $c; wait; exit "
             "$s",
             0, "",
             "test -p pipe && n=$(pdfinfo got | sed -n 's/^Pages: *//p') && "
             "pdftotext -f $n -l $n got - | grep -q \"$n / $n\""},
        Case{"HandoutDirectory", 0, "mkdir d", "$R --handout d", 1,
             "cannot write d: Is a directory", "test -d d"},
        Case{"HandoutReadOnlyFolder", 1024, "$R --handout h.pdf && mount -o remount,ro \"$PWD\"",
             "$R --handout h.pdf --lang en", 1, "cannot write h.pdf: Read-only file system", ""},
        Case{"HandoutStandardOutput", 0, "", "$R --handout - > out.pdf", 0, "",
             // Whole: its last page is numbered as the last of all.
             "n=$(pdfinfo out.pdf | sed -n 's/^Pages: *//p') && "
             "pdftotext -f $n -l $n out.pdf - | grep -q \"$n / $n\""},
        Case{"HandoutFullStandardOutput", 0, "", "$R --handout - > /dev/full", 1,
             "cannot write standard output: No space left on device", ""},
        Case{"HandoutUnderUlimit100M", 0, kSmallHandout, "ulimit -v 100000 && $R --handout h.pdf",
             1, "not enough memory for the handout", ""},
        Case{"HandoutUnderUlimit150M", 0, kSmallHandout, "ulimit -v 150000 && $R --handout h.pdf",
             1, "not enough memory for the handout", ""},
        Case{"HandoutNameNotUtf8", 0, "",
             "n=$(printf 'caf\\351.pdf') && $R --handout \"$n\" && ls && rm \"$n\"", 0, "",
             "same: printf 'caf\\351.pdf\\n'"}),
    [](const auto& info) { return std::string(info.param.name); });

// A Unix socket is connected to and written into, as `nc -U` would, and stays a socket.
struct SocketCase {
    const char* name;
    QStringList args;  // %1: the socket
    QByteArray begins;
};

TEST(Socket, IsWrittenIntoNotReplaced) {
    const SocketCase rows[] = {
        {"Frame", {"--step", "3", "-o", "%1", "--format", "png"}, "\x89PNG"},
        {"Handout", {"--handout", "%1"}, "%PDF-"},
    };
    for (const SocketCase& row : rows) {
        const QTemporaryDir dir;
        const QByteArray path = dir.filePath("socket").toLocal8Bit();
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(listener, 1), 0);
        QByteArray received;
        std::atomic<bool> finished{false};
        // The one connection, if vesk-render makes it before it ends.
        std::thread reader([listener, &received, &finished] {
            pollfd waiting{listener, POLLIN, 0};
            while (::poll(&waiting, 1, 100) == 0) {
                if (finished) return;
            }
            const int connection = ::accept(listener, nullptr, nullptr);
            char buffer[65536];
            for (ssize_t n; connection >= 0 && (n = ::read(connection, buffer, sizeof buffer)) > 0;)
                received.append(buffer, n);
            ::close(connection);
        });
        QStringList args;
        for (const QString& a : row.args) args << (a == "%1" ? QString::fromLocal8Bit(path) : a);
        QProcess process;
        process.start(VESK_RENDER_PATH, args);
        EXPECT_TRUE(process.waitForFinished(60000)) << row.name;
        EXPECT_EQ(process.exitCode(), 0)
            << row.name << process.readAllStandardError().toStdString();
        finished = true;
        reader.join();
        ::close(listener);
        EXPECT_TRUE(received.startsWith(row.begins)) << row.name;
        struct stat st {};
        EXPECT_TRUE(::stat(path.constData(), &st) == 0 && S_ISSOCK(st.st_mode)) << row.name;
    }
}

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
