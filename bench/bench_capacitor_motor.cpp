// The single-phase motor: one frame at its design size, with Qt's text, and the start-up it
// simulates.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "capacitor_motor/capacitor_motor_frame.h"
#include "capacitor_motor/capacitor_motor_run.h"
#include "draw/raster_dc.h"
#include "raster_image.h"

namespace {

CapacitorMotorKind KindOf(const benchmark::State& state) {
    return kCapacitorMotorKinds[state.range(0)];
}

// The steady state at 1440 rpm, for each kind: both torque curves are computed afresh for every
// frame.
void BM_CapacitorMotorRasterFrame(benchmark::State& state) {
    CapacitorMotorInputs inputs;
    inputs.kind = KindOf(state);
    inputs.speed = 1440;
    inputs.step = 7;
    state.SetLabel(std::string(CapacitorMotorKindName(inputs.kind)));
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc =
            MakeRasterDc(kCapacitorMotorWidth, kCapacitorMotorHeight, 1);
        DrawCapacitorMotorFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_CapacitorMotorRasterFrame)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// 3 s into a loaded start-up, as the window draws it while the run goes on: the run is kept
// between frames, so a frame pays for drawing its 3000 samples and the switch's path, not for
// the run.
void BM_CapacitorMotorRasterFrameStartUp(benchmark::State& state) {
    CapacitorMotorInputs inputs;
    inputs.kind = KindOf(state);
    inputs.time = 3.0;
    inputs.load = 5;
    inputs.inertia = 0.1;
    state.SetLabel(std::string(CapacitorMotorKindName(inputs.kind)));
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc =
            MakeRasterDc(kCapacitorMotorWidth, kCapacitorMotorHeight, 1);
        DrawCapacitorMotorFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_CapacitorMotorRasterFrameStartUp)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// A 3 s start-up from rest under a fan load, RK4 at 1 ms with the switch checked every step,
// and its samples.
void BM_CapacitorMotorStartUp(benchmark::State& state) {
    CapacitorMotorConfig config;
    config.kind = KindOf(state);
    state.SetLabel(std::string(CapacitorMotorKindName(config.kind)));
    for (auto _ : state) {
        CapacitorMotorRun run({config, 5.0, 0.1, 0.0});
        benchmark::DoNotOptimize(run.At(3.0).speed);
    }
}
BENCHMARK(BM_CapacitorMotorStartUp)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
