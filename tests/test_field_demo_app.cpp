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
#include "x_session.h"

#include "display_check.h"
#include "explorer_window.h"
#include "field/frame.h"
#include "field_demo_app.h"
#include "field_demo_dialog.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

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
    app.m_view = View::Explorer;
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
                      CommandLine{"Windings", {"--windings"}, -1, ""},
                      CommandLine{"Help", {"--help"}, 0, "--explore"},
                      CommandLine{
                          "Unknown", {"--explorers"}, 2, "vesk: unknown option '--explorers'"},
                      CommandLine{"English", {"--lang", "en"}, -1, ""},
                      CommandLine{"SafeAndLarger", {"--palette=safe", "--scale", "1.5"}, -1, ""},
                      CommandLine{"UnknownLanguage", {"--lang", "xx"}, 2, "unknown language 'xx'"},
                      CommandLine{"UnknownPalette", {"--palette", "pink"}, 2, "'pink'"},
                      CommandLine{"ScaleNotOffered", {"--scale", "3"}, 2, "scale '3'"},
                      CommandLine{"ScaleWithoutValue", {"--scale"}, 2, "needs a value"}),
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

// Pixels of the canvas in a screenshot of the window that differ from the frame of `step`, or -1
// when no screenshot could be taken.
int CanvasDifference(XSession& x, int step) {
    const QImage shot = x.Shot();
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

// A bare X server resets when its last client leaves; the display check must not leave it so just
// before the toolkit connects, or the toolkit is turned away and aborts.
TEST(RealDisplay, OpensOnAServerThatResetsBetweenClients) {
    for (int run = 0; run < 4; ++run) {
        XSession x;
        if (!x.HasTools()) GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";
        ASSERT_TRUE(x.Start(190, true)) << "no virtual X server could be started";
        EXPECT_TRUE(x.Launch(VESK_APP_PATH))
            << "run " << run << ": " << x.Program().readAllStandardError().toStdString();
    }
}

// The real program on a real (virtual) X server, driven by X input events.
TEST(RealDisplay, ShowsTheRenderedFramesAndExitsWithZeroOnEscape) {
    XSession x;
    if (!x.HasTools()) GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";
    ASSERT_TRUE(x.Start(160)) << "no virtual X server could be started";
    ASSERT_TRUE(x.Launch(VESK_APP_PATH))
        << "no window; the program said: " << x.Program().readAllStandardError().toStdString();
    // The first frame is on screen once the window has been painted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return CanvasDifference(x, 0) == 0; }, 10000))
        << "the canvas does not show step 0 as vesk-render draws it";
    // Each click on Next (template rectangle 360,289,56,21 in dialog units) shows the next frame.
    for (const int step : {1, 2}) {
        x.Click(582, 450);
        EXPECT_TRUE(QTest::qWaitFor([&] { return CanvasDifference(x, step) == 0; }, 10000))
            << "the canvas does not show step " << step << " as vesk-render draws it";
    }
    // Escape, once the window has the keyboard focus, ends the program.
    ASSERT_TRUE(x.EndWithEscape()) << "Escape did not end the program";
    EXPECT_EQ(x.Program().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(x.Program().exitCode(), 0);
}

}  // namespace
