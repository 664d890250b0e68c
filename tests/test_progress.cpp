// vesk-render's progress line: on a terminal, long work shows how far it has come and clears the
// line at the end; on a pipe it writes nothing at all.
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <thread>

#include <gtest/gtest.h>

namespace {

struct LongWork {
    const char* name;
    QStringList args;  // %1: a writable directory
    int total;         // frames
    bool terminal;     // standard error on a pseudo-terminal, or else on a pipe
    friend void PrintTo(const LongWork& row, std::ostream* os) { *os << row.name; }
};

struct Outcome {
    int status = -1;
    QByteArray err;
};

// Runs vesk-render with standard error on a pseudo-terminal, or on a pipe, and returns what it
// wrote there.
Outcome RunWith(const LongWork& work, const QString& dir) {
    const bool terminal = work.terminal;
    QStringList args;
    for (const QString& a : work.args) args << (a.contains("%1") ? a.arg(dir) : a);
    QProcess process;
    int master = -1, slave = -1;
    if (terminal) {
        EXPECT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        ::fcntl(slave, F_SETFD, FD_CLOEXEC);
        process.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
    }
    Outcome outcome;
    process.start(VESK_RENDER_PATH, args);
    std::thread reader;
    if (terminal) {
        ::close(slave);
        // Until the last holder of the terminal's other end has gone.
        reader = std::thread([master, &outcome] {
            char buffer[4096];
            for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
                outcome.err.append(buffer, n);
        });
    }
    EXPECT_TRUE(process.waitForFinished(120000));
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (terminal) {
        reader.join();
        ::close(master);
    } else {
        outcome.err = process.readAllStandardError();
    }
    return outcome;
}

// The line a terminal shows after `bytes`: a carriage return goes back to its start, and what
// follows writes over what was there.
QByteArray Shown(const QByteArray& bytes) {
    QByteArray line;
    qsizetype column = 0;
    for (const char c : bytes) {
        if (c == '\r') {
            column = 0;
        } else {
            if (column < line.size())
                line[column] = c;
            else
                line.append(c);
            ++column;
        }
    }
    return line;
}

class Progress : public ::testing::TestWithParam<LongWork> {};

TEST_P(Progress, CountsUpOnATerminalAndIsClearedAtTheEndSilentOnAPipe) {
    const QTemporaryDir dir;
    const Outcome run = RunWith(GetParam(), dir.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    if (!GetParam().terminal) {
        EXPECT_EQ(run.err, QByteArray());
        return;
    }
    EXPECT_FALSE(run.err.contains('\n')) << run.err.toStdString();
    EXPECT_TRUE(Shown(run.err).trimmed().isEmpty())
        << "left on the screen: " << Shown(run.err).toStdString();

    const QRegularExpression drawn(
        QStringLiteral("^vesk-render: \\[[#.]{20}\\] (\\d+)/%1 frames, (\\d+ s|\\d+ min \\d\\d s) "
                       "left *$")
            .arg(GetParam().total));
    int lines = 0, last = 0;
    for (const QByteArray& part : run.err.split('\r')) {
        if (part.trimmed().isEmpty()) continue;  // the clearing
        const QRegularExpressionMatch match = drawn.match(QString::fromUtf8(part));
        ASSERT_TRUE(match.hasMatch()) << part.toStdString();
        const int done = match.captured(1).toInt();
        EXPECT_GT(done, last);
        EXPECT_LT(done, GetParam().total);
        last = done;
        ++lines;
    }
    EXPECT_GT(lines, 0) << "no progress shown";
}

// Each takes a few seconds: long enough to be shown.
INSTANTIATE_TEST_SUITE_P(
    LongWork, Progress,
    ::testing::Values(
        LongWork{"AllFramesOnATerminal", {"--all", "--size", "2048x2048", "-o", "%1/f"}, 73, true},
        LongWork{"AnimatedGifOnATerminal", {"--all", "--scale", "3", "-o", "%1/f.gif"}, 73, true},
        LongWork{"AllFramesOnAPipe", {"--all", "--size", "2048x2048", "-o", "%1/f"}, 73, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
