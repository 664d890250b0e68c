// One frame through the shown main window: RenderFrame end to end (the scene drawn off-screen,
// then copied onto the canvas and flushed), one animation tick as the timer delivers it, and a
// clicker's key in presentation mode until the next stop is painted.
// The window is shown on the offscreen platform unless QT_QPA_PLATFORM names another.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "field/phase_model.h"
#include "field_demo_dialog.h"
#include "lesson/lesson.h"
#include "presentation_window.h"

namespace {

CFieldDemoDialog* g_dialog = nullptr;

void BM_RenderFrame(benchmark::State& state) {
    const int step = static_cast<int>(state.range(0));
    for (auto _ : state) g_dialog->RenderFrame(step);
}
BENCHMARK(BM_RenderFrame)->Arg(0)->Arg(36)->Arg(72)->Unit(benchmark::kMicrosecond);

// What a timer tick costs the program: the message dispatched, the step advanced, the frame drawn.
void BM_TimerTick(benchmark::State& state) {
    for (auto _ : state) {
        g_dialog->SendMessage(WM_TIMER, CFieldDemoDialog::ANIM_TIMER_ID);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TimerTick)->Unit(benchmark::kMicrosecond);

// Round the built-in lesson on a 1920 x 1080 window, from the key to the stop painted.
void BM_PresentationKeyToStop(benchmark::State& state) {
    PresentationWindow window(LessonStepper(BuiltInLesson(), LessonStepper::Walk::Stops));
    window.resize(1920, 1080);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    for (auto _ : state) {
        const bool last = window.Stepper().Index() + 1 == window.Stepper().Count();
        QTest::keyClick(&window, last ? Qt::Key_Home : Qt::Key_Right);
        window.repaint();
    }
}
BENCHMARK(BM_PresentationKeyToStop)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

    CFieldDemoDialog dialog;
    g_dialog = &dialog;
    int status = 0;
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowExposed(&dialog))
            benchmark::RunSpecifiedBenchmarks();
        else
            status = 1;
        dialog.EndDialog(0);
    });
    dialog.DoModal();
    benchmark::Shutdown();
    return status;
}
