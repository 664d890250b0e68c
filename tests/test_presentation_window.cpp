// Presentation mode in a real window, as a clicker drives it: the keys move through the lesson's
// stops, B and W blank the screen and bring the picture back, Esc leaves; the window fills the
// screen and shows the core's frame pixel for pixel. F5 in the main window presents its step, and
// the window menu's Lesson entry the built-in lesson.
#include <functional>
#include <memory>

#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "field_demo_dialog.h"
#include "presentation_window.h"
#include "raster_image.h"
#include "resource.h"
#include "test_dialog_support.h"
#include "view_frames.h"
#include "view_windows.h"

namespace {

// Deletes what closed windows left for later.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

PresentationWindow* Shown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<PresentationWindow*>(w); p != nullptr && p->isVisible())
            return p;
    return nullptr;
}

QImage Grab(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

using Blank = LessonStepper::Blank;

struct Keys {
    const char* name;
    std::vector<Qt::Key> keys;
    int stop;  // 1-based, as the caption line counts
    int step;
    bool playing;
    Blank blank;
    friend void PrintTo(const Keys& row, std::ostream* os) { *os << row.name; }
};

class Clicker : public ::testing::TestWithParam<Keys> {};

TEST_P(Clicker, MovesTheStopsAndBlanksTheScreen) {
    QPointer<PresentationWindow> window = Present(BuiltInLesson(), LessonStepper::Walk::Stops);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(window->geometry(), window->screen()->geometry());
    for (const Qt::Key key : GetParam().keys) QTest::keyClick(window, key);

    const Keys& row = GetParam();
    EXPECT_EQ(window->Stepper().Index() + 1, row.stop);
    EXPECT_EQ(window->Stepper().Step(), row.step);
    EXPECT_EQ(window->Stepper().Playing(), row.playing);
    EXPECT_TRUE(window->Caption().endsWith(QStringLiteral(" %1 / 21").arg(row.stop)))
        << window->Caption().toStdString();
    // A blank screen is one colour all over; the picture is not.
    const QImage shown = Grab(*window);
    const QRgb centre = shown.pixel(window->FrameRect().center());
    const QRgb corner = shown.pixel(0, 0);
    switch (row.blank) {
        case Blank::Black:
            EXPECT_EQ(centre, qRgb(0, 0, 0));
            EXPECT_EQ(corner, qRgb(0, 0, 0));
            break;
        case Blank::White:
            EXPECT_EQ(centre, qRgb(255, 255, 255));
            EXPECT_EQ(corner, qRgb(255, 255, 255));
            break;
        case Blank::None: {
            // Not one colour all over (a frame may be white at its centre and corner alike).
            QImage uniform(shown.size(), shown.format());
            uniform.fill(corner);
            EXPECT_NE(shown, uniform);
            break;
        }
    }
    // Alone, Esc leaves full screen and keeps the window; closing it ends the presentation.
    QTest::keyClick(window, Qt::Key_Escape);
    Settle();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
    window->close();
    Settle();
    EXPECT_TRUE(window.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Lesson, Clicker,
    ::testing::Values(Keys{"Opens", {}, 1, 0, false, Blank::None},
                      Keys{"RightPageDownSpace",
                           {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Space},
                           4,
                           12,
                           false,
                           Blank::None},
                      Keys{"LeftPageUp",
                           {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp},
                           1,
                           0,
                           false,
                           Blank::None},
                      Keys{"Home",
                           {Qt::Key_Space, Qt::Key_Space, Qt::Key_Space, Qt::Key_Home},
                           1,
                           0,
                           false,
                           Blank::None},
                      Keys{"PPlaysTheStop", {Qt::Key_Right, Qt::Key_P}, 2, 3, true, Blank::None},
                      Keys{"ReachesTheQuestionAt90", std::vector<Qt::Key>(8, Qt::Key_PageDown), 9,
                           9, false, Blank::None},
                      Keys{"ReachesTheExplorer", std::vector<Qt::Key>(10, Qt::Key_PageDown), 11, 3,
                           false, Blank::None},
                      Keys{"ReachesTheWindings", std::vector<Qt::Key>(12, Qt::Key_PageDown), 13, 0,
                           true, Blank::None},
                      Keys{"ReachesTheMotor", std::vector<Qt::Key>(13, Qt::Key_PageDown), 14, 0,
                           true, Blank::None},
                      Keys{"ReachesTheSinglePhaseMotorAtRest",
                           std::vector<Qt::Key>(17, Qt::Key_PageDown), 18, 0, true, Blank::None},
                      Keys{"EndsWithThePullIntoStep", std::vector<Qt::Key>(22, Qt::Key_PageDown),
                           21, 0, true, Blank::None},
                      Keys{"BBlacks", {Qt::Key_B}, 1, 0, false, Blank::Black},
                      Keys{"PeriodBlacks", {Qt::Key_Period}, 1, 0, false, Blank::Black},
                      Keys{"BAgainShows", {Qt::Key_B, Qt::Key_B}, 1, 0, false, Blank::None},
                      Keys{"WWhitens", {Qt::Key_W}, 1, 0, false, Blank::White},
                      // The next key on a blank screen shows the same stop again, then moves on.
                      Keys{"NextOnABlankScreenShowsThePicture",
                           {Qt::Key_Right, Qt::Key_B, Qt::Key_Right},
                           2,
                           3,
                           false,
                           Blank::None},
                      Keys{"BackOnABlankScreenShowsThePicture",
                           {Qt::Key_Right, Qt::Key_W, Qt::Key_Left, Qt::Key_Left},
                           1,
                           0,
                           false,
                           Blank::None}),
    [](const auto& info) { return std::string(info.param.name); });

// R shows what the stop hid, and the caption gives its answer in place of the question, until the
// stop changes.
TEST(Presentation, RRevealsTheQuestionsAnswerUntilTheStopChanges) {
    PresentationWindow window(LessonStepper(BuiltInLesson(), LessonStepper::Walk::Stops));
    window.resize(1280, 800);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 8; ++i) QTest::keyClick(&window, Qt::Key_Right);
    const LessonStop& stop = window.Stepper().Stop();
    ASSERT_TRUE(stop.hide.resultant);
    const QString question = QString::fromStdString(stop.question.zh);
    const QString answer = QString::fromStdString(stop.caption.zh);
    EXPECT_TRUE(window.Caption().startsWith(question)) << window.Caption().toStdString();
    const QImage hidden = Grab(window).copy(window.FrameRect());
    QTest::keyClick(&window, Qt::Key_R);
    EXPECT_TRUE(window.Caption().startsWith(answer)) << window.Caption().toStdString();
    const QImage revealed = Grab(window).copy(window.FrameRect());
    EXPECT_NE(hidden, revealed);
    // Revealed, the frame is the main window's own, resultant and all.
    const double scale = FitScale(kCanvasHeight, 800 - 800 / 18);
    EXPECT_EQ(revealed, RasterFrame({9, kCanvasWidth, kCanvasHeight, true, scale})
                            .convertToFormat(QImage::Format_RGB32));
    QTest::keyClick(&window, Qt::Key_P);
    QTest::keyClick(&window, Qt::Key_P);
    EXPECT_TRUE(window.Caption().startsWith(answer));
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_TRUE(window.Caption().startsWith(question));
}

TEST(Presentation, ShowsTheMainFrameEnlargedByAQuarterFactorPixelForPixel) {
    LessonStop stop;
    stop.step = 9;
    PresentationWindow window(LessonStepper(Lesson{{}, {stop}}, LessonStepper::Walk::Steps));
    window.resize(1920, 1080);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // A 1080-line screen: the caption line takes 1080 / 18 = 60, and 1020 / 624 = 1.63 rounds
    // down to 1.5, so 513 x 624 becomes 770 x 936 (87 % of the height), centred above it.
    EXPECT_EQ(window.FrameRect(), QRect(575, 42, 770, 936));
    const QImage expected = RasterFrame({9, kCanvasWidth, kCanvasHeight, true, 1.5})
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Grab(window).copy(window.FrameRect()), expected);
    // One view alone: its readouts on the caption line.
    EXPECT_TRUE(window.Caption().contains("9*π/18=90°")) << window.Caption().toStdString();
}

// Every stop of the lesson comes on a 1920 x 1080 window with its key, painted as it is reached
// (bench_dialog times it).
TEST(Presentation, EachKeyPaintsTheNextStop) {
    PresentationWindow window(LessonStepper(BuiltInLesson(), LessonStepper::Walk::Stops));
    window.resize(1920, 1080);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QImage before = window.grab().toImage();
    for (int stop = 1; stop < window.Stepper().Count(); ++stop) {
        QTest::keyClick(&window, Qt::Key_Right);
        ASSERT_EQ(window.Stepper().Index(), stop);
        const QImage now = window.grab().toImage();
        EXPECT_NE(now, before) << "stop " << stop + 1;
        before = now;
    }
}

TEST(Presentation, F5InTheMainWindowPresentsItsStepAndEscReturns) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_Right);  // nothing: the main window has no such key
        dialog.SendMessage(WM_COMMAND, IDC_NEXT);
        dialog.SendMessage(WM_COMMAND, IDC_NEXT);
        QTest::keyClick(&dialog, Qt::Key_F5);
        QPointer<PresentationWindow> shown = Shown();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Stepper().Step(), 2);
        QTest::keyClick(shown, Qt::Key_Right);
        EXPECT_EQ(shown->Stepper().Step(), 3);
        QTest::keyClick(shown, Qt::Key_Escape);
        Settle();
        EXPECT_TRUE(shown.isNull());
        EXPECT_TRUE(dialog.isVisible());

        dialog.SendMessage(WM_SYSCOMMAND, IDM_LESSON);
        shown = Shown();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Stepper().Count(), 21);
        QTest::keyClick(shown, Qt::Key_F11);
        Settle();
        EXPECT_TRUE(shown.isNull());
    });
}

// Every view's window presents what it shows, at its step; the presentation's keys are the
// clicker's, not the window's, and Esc gives the window back.
TEST(Presentation, F5InAViewsWindowPresentsItsSettingsAndStep) {
    for (const View view : WindowViews()) {
        SCOPED_TRACE(std::string(Describe(view).name));
        const std::unique_ptr<ViewWindow> window(MakeViewWindow(view));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Right);
        const int step = window->Stepper().Step();
        QTest::keyClick(window.get(), Qt::Key_F5);
        QPointer<PresentationWindow> shown = Shown();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->windowState() & Qt::WindowFullScreen);
        ViewSettings settings = window->Settings();
        if (auto* motor = std::get_if<MotorSettings>(&settings)) motor->rotorAngle.reset();
        EXPECT_EQ(shown->Stepper().Stop().settings, settings);
        EXPECT_EQ(shown->Stepper().Step(), step);
        for (int i = 0; i <= step; ++i) QTest::keyClick(shown, Qt::Key_Left);
        EXPECT_EQ(shown->Stepper().Step(), 35);
        EXPECT_EQ(window->Stepper().Step(), step);
        QTest::keyClick(shown, Qt::Key_Escape);
        Settle();
        EXPECT_TRUE(shown.isNull());
    }
}

TEST(VeskLesson, AFileWithAMistakeIsOneLineAndExitStatusTwo) {
    const QTemporaryDir dir;
    QFile bad(dir.filePath("l.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(R"({"title": "T", "stops": [{"view": "main", "caption": ""}]})");
    bad.close();
    struct Row {
        const char* name;
        QStringList args;
        QString line;
    } rows[] = {
        {"Mistake",
         {"--lesson", bad.fileName()},
         "vesk: " + bad.fileName() + ": stop 1: field \"caption\" is empty\n"},
        {"NoFile",
         {"--lesson=" + dir.filePath("none.json")},
         "vesk: " + dir.filePath("none.json") + ": cannot be read: No such file or directory\n"},
        {"EmptyName", {"--lesson="}, "vesk: option --lesson= needs a file\n"},
    };
    for (const Row& row : rows) {
        QProcess vesk;
        vesk.start(VESK_APP_PATH, row.args);
        ASSERT_TRUE(vesk.waitForFinished(30000)) << row.name;
        EXPECT_EQ(vesk.exitCode(), 2) << row.name;
        EXPECT_EQ(QString::fromUtf8(vesk.readAllStandardError()), row.line) << row.name;
    }
}

}  // namespace
