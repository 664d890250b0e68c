// One complete frame on each surface, the main window's and the explorer's.
#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "draw/raster_dc.h"
#include "draw/trace_dc.h"
#include "explorer/explorer_frame.h"
#include "field/frame.h"
#include "raster_image.h"
#include "svg_dc.h"
#include "view_frames.h"

namespace {

void BM_RasterFrame(benchmark::State& state) {
    const int step = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(513, 624, 1);
        DrawFrame({step}, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_RasterFrame)->Arg(0)->Arg(36)->Arg(72)->Unit(benchmark::kMicrosecond);

void BM_TraceFrame(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TraceFrame({72, 513, 624, true}));
}
BENCHMARK(BM_TraceFrame)->Unit(benchmark::kMicrosecond);

void BM_SvgFrame(benchmark::State& state) {
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WriteSvgFrame({72, 513, 624, true}, &buffer);
        benchmark::DoNotOptimize(buffer.data().size());
    }
}
BENCHMARK(BM_SvgFrame)->Unit(benchmark::kMicrosecond);

// One explorer frame at its design size, with Qt's text, for each preset; the window draws one on
// every step and every change of a control.
void BM_ExplorerRasterFrame(benchmark::State& state) {
    ExplorerInputs inputs;
    inputs.supply = PresetSupply(kPresets[state.range(0)]);
    inputs.step = 7;
    state.SetLabel(std::string(PresetName(kPresets[state.range(0)])));
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kExplorerWidth, kExplorerHeight, 1);
        DrawExplorerFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_ExplorerRasterFrame)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// The same frame as the window shows it on a HiDPI screen, at twice the resolution.
void BM_ExplorerRasterFrameHiDpi(benchmark::State& state) {
    ExplorerInputs inputs;
    inputs.supply = PresetSupply(Preset::Unbalanced);
    inputs.step = 7;
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kExplorerWidth, kExplorerHeight, 2);
        DrawExplorerFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_ExplorerRasterFrameHiDpi)->Unit(benchmark::kMicrosecond);

void BM_ExplorerTraceFrame(benchmark::State& state) {
    ExplorerInputs inputs;
    inputs.supply = PresetSupply(Preset::Unbalanced);
    for (auto _ : state) benchmark::DoNotOptimize(TraceExplorerFrame(inputs));
}
BENCHMARK(BM_ExplorerTraceFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Text needs a font database; no window is opened.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
