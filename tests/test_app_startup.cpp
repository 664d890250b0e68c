// Start-up: the application object runs the main window modally and ends; without a display the
// program says so in one line; under a real X server it shows the frames vesk-render draws and
// exits with status 0 when the window is closed.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <optional>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "test_dialog_support.h"

#include "display_check.h"
#include "explorer_window.h"
#include "field_demo_app.h"
#include "field_demo_dialog.h"
#include "frame.h"
#include "raster_image.h"
#include "resource.h"

namespace {

QWidget* OpenMainWindow() {
    QWidget* w = QApplication::activeModalWidget();
    return dynamic_cast<CFieldDemoDialog*>(w) != nullptr ? w : nullptr;
}

TEST(FieldDemoApp, InitInstanceRunsTheMainWindowModallyThenReturnsFalse) {
    CFieldDemoApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    QWidget* seen = nullptr;
    QWidget* aboutOwner = nullptr;
    WhenOpen(OpenMainWindow, [&](QWidget* w) {
        seen = w;
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_EQ(AfxGetMainWnd(), w);
        EXPECT_TRUE(w->isModal());
        WhenOpen(
            [] {
                return QApplication::activeModalWidget() != OpenMainWindow()
                           ? QApplication::activeModalWidget()
                           : nullptr;
            },
            [&](QWidget* about) {
                aboutOwner = about->parentWidget();
                PressKey(Qt::Key_Escape);
            });
        auto* dialog = static_cast<CFieldDemoDialog*>(w);
        dialog->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
        // Give the main window back the focus, as the desktop does when a dialog closes.
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        PressKey(Qt::Key_Escape);
        if (dialog->isVisible()) dialog->EndDialog(-1);
    });
    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(aboutOwner, seen) << "the main window owns the About box";
    EXPECT_EQ(AfxGetMainWnd(), nullptr) << "the main window is gone";
    EXPECT_EQ(QCoreApplication::applicationName(), "vesk");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "1.0.0.1");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.vesk.Vesk");
}

TEST(FieldDemoApp, ExploreShowsTheExplorerAloneAndItsCloseEndsTheRun) {
    CFieldDemoApp app;
    app.m_bExplore = true;
    EXPECT_EQ(app.InitInstance(), TRUE) << "the event loop runs the explorer";
    QPointer<QWidget> explorer = AfxGetMainWnd();
    ASSERT_NE(qobject_cast<ExplorerWindow*>(explorer), nullptr);
    EXPECT_TRUE(explorer->isVisible());
    EXPECT_EQ(explorer->parentWidget(), nullptr);
    QTimer::singleShot(0, explorer, [explorer] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(explorer));
        explorer->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "closing the explorer did not end the run";
        QApplication::quit();
    });
    watchdog.start(10000);
    QApplication::exec();
    EXPECT_TRUE(explorer.isNull()) << "the window is deleted when it closes";
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

// vesk's own command line, run as a user runs it.
struct CommandLine {
    const char* name;
    QStringList args;
    int status;       // -1: still running after 1.5 s
    const char* out;  // what standard output or error must contain
    friend void PrintTo(const CommandLine& row, std::ostream* os) { *os << row.name; }
};

class VeskCommandLine : public ::testing::TestWithParam<CommandLine> {};

TEST_P(VeskCommandLine, ExitsOrRuns) {
    const CommandLine& row = GetParam();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess vesk;
    vesk.setProcessEnvironment(env);
    vesk.start(VESK_APP_PATH, row.args);
    ASSERT_TRUE(vesk.waitForStarted(5000));
    if (row.status < 0) {
        EXPECT_FALSE(vesk.waitForFinished(1500)) << "the window's run ended by itself";
        vesk.kill();
        vesk.waitForFinished(5000);
        return;
    }
    ASSERT_TRUE(vesk.waitForFinished(10000));
    EXPECT_EQ(vesk.exitCode(), row.status);
    const QString out = QString::fromUtf8(vesk.readAllStandardOutput());
    const QString err = QString::fromUtf8(vesk.readAllStandardError());
    EXPECT_TRUE((row.status == 0 ? out : err).contains(row.out)) << (out + err).toStdString();
    if (row.status != 0) {
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, VeskCommandLine,
    ::testing::Values(CommandLine{"Explore", {"--explore"}, -1, ""},
                      CommandLine{"Help", {"--help"}, 0, "--explore"},
                      CommandLine{
                          "Unknown", {"--explorer"}, 2, "vesk: unknown option '--explorer'"}),
    [](const auto& info) { return std::string(info.param.name); });

// Sets environment variables for the lifetime of the object; nullptr unsets one.
class ScopedEnv {
  public:
    ScopedEnv(std::initializer_list<std::pair<const char*, const char*>> vars) {
        for (const auto& [name, value] : vars) {
            saved_.push_back({name, qEnvironmentVariableIsSet(name)
                                        ? std::optional<QByteArray>(qgetenv(name))
                                        : std::nullopt});
            if (value != nullptr)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }
    ~ScopedEnv() {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

// A listening Unix socket, standing in for a Wayland compositor.
class ListeningSocket {
  public:
    explicit ListeningSocket(const QByteArray& path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        ok_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::listen(fd_, 1) == 0;
    }
    ~ListeningSocket() { ::close(fd_); }
    bool ok() const { return ok_; }

  private:
    int fd_;
    bool ok_;
};

// A display number with no X server behind it.
QByteArray UnusedDisplay() {
    for (int n = 199; n > 150; --n)
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return ":" + QByteArray::number(n);
    return ":199";
}

struct DisplayRow {
    const char* name;
    const char* platform;  // nullptr: not set
    bool display;          // DISPLAY set (to a display nobody serves)
    bool compositor;       // WAYLAND_DISPLAY names a socket that listens
    bool usable;
    friend void PrintTo(const DisplayRow& row, std::ostream* os) { *os << row.name; }
};

class DisplayProblemTest : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(DisplayProblemTest, FindsWhetherAWindowCanBeShown) {
    const DisplayRow& row = GetParam();
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QByteArray socketPath = runtime.path().toUtf8() + "/wayland-test";
    std::optional<ListeningSocket> compositor;
    if (row.compositor) {
        compositor.emplace(socketPath);
        ASSERT_TRUE(compositor->ok());
    }
    const QByteArray display = UnusedDisplay();
    const QByteArray runtimeDir = runtime.path().toUtf8();
    ScopedEnv env({{"QT_QPA_PLATFORM", row.platform},
                   {"DISPLAY", row.display ? display.constData() : nullptr},
                   {"WAYLAND_DISPLAY", "wayland-test"},
                   {"XDG_RUNTIME_DIR", runtimeDir.constData()}});
    const std::string problem = DisplayProblem();
    EXPECT_EQ(problem.empty(), row.usable) << problem;
    if (row.display && !row.usable && problem.find("X display") != std::string::npos) {
        EXPECT_NE(problem.find(display.toStdString()), std::string::npos) << problem;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DisplayProblemTest,
    ::testing::Values(DisplayRow{"NothingAtAll", nullptr, false, false, false},
                      DisplayRow{"UnservedXDisplay", nullptr, true, false, false},
                      DisplayRow{"WaylandCompositorOnly", nullptr, false, true, true},
                      DisplayRow{"XcbWithoutDisplay", "xcb", false, false, false},
                      DisplayRow{"XcbWithUnservedDisplay", "xcb", true, false, false},
                      DisplayRow{"XcbIgnoresAWaylandCompositor", "xcb", false, true, false},
                      DisplayRow{"WaylandWithoutCompositor", "wayland", false, false, false},
                      DisplayRow{"WaylandWithCompositor", "wayland", false, true, true},
                      DisplayRow{"ListFallsBackToOffscreen", "xcb;offscreen", false, false, true},
                      DisplayRow{"Offscreen", "offscreen", false, false, true},
                      DisplayRow{"Minimal", "minimal", false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The real program where no display can be opened.
class NoDisplay : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(NoDisplay, SaysSoInOneLineAndExitsWithOne) {
    const DisplayRow& row = GetParam();
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    if (row.platform != nullptr) env.insert("QT_QPA_PLATFORM", row.platform);
    if (row.display) env.insert("DISPLAY", QString::fromUtf8(UnusedDisplay()));
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess vesk;
    vesk.setProcessEnvironment(env);
    vesk.start(VESK_APP_PATH, {});
    ASSERT_TRUE(vesk.waitForFinished(10000));
    EXPECT_EQ(vesk.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vesk.exitCode(), 1);
    EXPECT_TRUE(vesk.readAllStandardOutput().isEmpty());
    const QString err = QString::fromUtf8(vesk.readAllStandardError());
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.endsWith('\n')) << err.toStdString();
    EXPECT_TRUE(err.startsWith("vesk: ")) << err.toStdString();
    EXPECT_TRUE(err.contains("desktop session")) << err.toStdString();
    EXPECT_TRUE(err.contains("vesk-render")) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplay,
    ::testing::Values(DisplayRow{"NothingSet", nullptr, false, false, false},
                      DisplayRow{"UnservedDisplay", nullptr, true, false, false},
                      DisplayRow{"XcbWithoutServer", "xcb", true, false, false},
                      DisplayRow{"WaylandWithoutCompositor", "wayland", false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Offscreen, AnExplicitOffscreenPlatformStartsTheWindow) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess vesk;
    vesk.setProcessEnvironment(env);
    vesk.start(VESK_APP_PATH, {});
    ASSERT_TRUE(vesk.waitForStarted(5000));
    EXPECT_FALSE(vesk.waitForFinished(1500)) << "the window's run ended by itself";
    vesk.kill();
    vesk.waitForFinished(5000);
    EXPECT_FALSE(vesk.readAllStandardError().contains("vesk:"));
}

// Runs a helper program to its end; returns its standard output.
QByteArray RunTool(const QString& program, const QStringList& args,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(15000);
    return p.readAllStandardOutput();
}

// Pixels of the canvas in a screenshot of the window that differ from the frame of `step`, or -1
// when no screenshot could be taken.
int CanvasDifference(const QString& import, const QString& window, const QProcessEnvironment& env,
                     int step) {
    const QImage shot = QImage::fromData(RunTool(import, {"-window", window, "png:-"}, env), "PNG");
    if (shot.isNull()) return -1;
    // Compared colour by colour: the screenshot carries a colour space, the frame none.
    const QImage canvas = shot.copy(11, 11, 513, 624).convertToFormat(QImage::Format_RGB32);
    const QImage expected = RasterFrame({step, 513, 624, true});
    int different = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            different += (canvas.pixel(x, y) | 0xff000000u) != (expected.pixel(x, y) | 0xff000000u);
    return different;
}

// The real program on a real (virtual) X server, driven by X input events.
TEST(RealDisplay, ShowsTheRenderedFramesAndExitsWithZeroOnEscape) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    const QString import = QStandardPaths::findExecutable("import");
    if (xvfb.isEmpty() || xdotool.isEmpty() || import.isEmpty())
        GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";

    // A display number of our own (others run virtual servers too); a server that loses the race
    // for a number exits, and the next one is tried.
    QProcess server;
    QString display;
    for (int n = 160; n < 190 && display.isEmpty(); ++n) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        // -noreset: the display check connects and leaves just before the toolkit connects, and
        // a server that resets as its last client leaves would turn the toolkit away meanwhile.
        server.start(xvfb, {QStringLiteral(":%1").arg(n), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp", "-noreset"});
        if (!server.waitForStarted(5000)) continue;
        if (QTest::qWaitFor(
                [&] { return QFile::exists(socket) || server.state() == QProcess::NotRunning; },
                10000) &&
            server.state() == QProcess::Running)
            display = QStringLiteral(":%1").arg(n);
    }
    ASSERT_FALSE(display.isEmpty()) << "no virtual X server could be started";

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("WAYLAND_DISPLAY");
    env.insert("DISPLAY", display);
    // The socket appears a moment before the server answers.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !RunTool(xdotool, {"getdisplaygeometry"}, env).trimmed().isEmpty(); }, 10000));
    QProcess vesk;
    vesk.setProcessEnvironment(env);
    vesk.start(VESK_APP_PATH, {});
    ASSERT_TRUE(vesk.waitForStarted(5000));

    QString window;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            window = QString::fromUtf8(RunTool(xdotool,
                                               {"search", "--onlyvisible", "--pid",
                                                QString::number(vesk.processId())},
                                               env))
                         .trimmed()
                         .split('\n')
                         .last();
            return !window.isEmpty() || vesk.state() == QProcess::NotRunning;
        },
        15000));
    ASSERT_FALSE(window.isEmpty())
        << "no window; the program said: " << vesk.readAllStandardError().toStdString();
    // The first frame is on screen once the window has been painted.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return CanvasDifference(import, window, env, 0) == 0; }, 10000))
        << "the canvas does not show step 0 as vesk-render draws it";
    // Each click on Next (template rectangle 360,289,56,21 in dialog units) shows the next frame.
    for (const int step : {1, 2}) {
        RunTool(xdotool, {"mousemove", "--window", window, "582", "450", "click", "1"}, env);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return CanvasDifference(import, window, env, step) == 0; }, 10000))
            << "the canvas does not show step " << step << " as vesk-render draws it";
    }

    // Escape, once the window has the keyboard focus, ends the program.
    bool ended = false;
    for (int attempt = 0; attempt < 3 && !ended; ++attempt) {
        RunTool(xdotool, {"windowfocus", "--sync", window}, env);
        RunTool(xdotool, {"key", "Escape"}, env);
        ended = vesk.waitForFinished(5000);
    }
    if (!ended) vesk.kill();
    vesk.waitForFinished(5000);
    server.terminate();
    server.waitForFinished(5000);
    ASSERT_TRUE(ended) << "Escape did not end the program";
    EXPECT_EQ(vesk.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vesk.exitCode(), 0);
}

}  // namespace
