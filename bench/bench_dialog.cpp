// One frame through the shown main window: RenderFrame end to end (the scene drawn off-screen,
// then copied onto the canvas and flushed), and one animation tick as the timer delivers it.
// The window is shown on the offscreen platform unless QT_QPA_PLATFORM names another.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "field/phase_model.h"
#include "field_demo_dialog.h"

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
