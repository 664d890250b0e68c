// The synchronous machine's view: one frame at its design size, with Qt's text, and the start-up
// it simulates.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "draw/raster_dc.h"
#include "raster_image.h"
#include "synchronous/synchronous_frame.h"

namespace {

// The steady state: 5 kW at 2 A, the V-curves or the O-curves, all computed afresh each frame.
void BM_SynchronousRasterFrame(benchmark::State& state) {
    SynchronousInputs inputs;
    inputs.step = 7;
    inputs.curves = state.range(0) == 0 ? SynchronousCurves::V : SynchronousCurves::O;
    state.SetLabel(state.range(0) == 0 ? "V-curves" : "O-curves");
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kSynchronousWidth, kSynchronousHeight, 1);
        DrawSynchronousFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_SynchronousRasterFrame)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// 3 s into the pull-in, as the window draws it while the run goes on: the run is kept between
// frames, so a frame pays for drawing its 3000 samples, not for the run.
void BM_SynchronousRasterFrameStartUp(benchmark::State& state) {
    SynchronousInputs inputs;
    inputs.time = 3.0;
    inputs.load = 10.0;
    inputs.fieldOn = 1300.0;
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kSynchronousWidth, kSynchronousHeight, 1);
        DrawSynchronousFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_SynchronousRasterFrameStartUp)->Unit(benchmark::kMicrosecond);

// A 3 s start-up from rest, RK4 at 0.2 ms, with its samples: the cage alone, and the pull-in.
void BM_SynchronousStartUp(benchmark::State& state) {
    SynchronousRunInputs run;
    run.load = 10.0;
    run.fieldOn = state.range(0) == 0 ? 1500.0 : 1300.0;
    state.SetLabel(state.range(0) == 0 ? "field off" : "pull-in");
    for (auto _ : state) {
        SynchronousRun r(run);
        benchmark::DoNotOptimize(r.At(3.0));
    }
}
BENCHMARK(BM_SynchronousStartUp)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
