// The motor view: one frame at its design size, with Qt's text, and the start-up it simulates.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "draw/raster_dc.h"
#include "motor/motor_dynamic.h"
#include "motor/motor_frame.h"
#include "raster_image.h"
#include "views/view_table.h"

namespace {

// The steady state at 1440 rpm, for each preset: the curves and the breakdown are computed afresh
// for every frame.
void BM_MotorRasterFrame(benchmark::State& state) {
    MotorInputs inputs;
    inputs.supply = PresetSupply(kPresets[state.range(0)]);
    inputs.speed = 1440;
    inputs.step = 7;
    state.SetLabel(std::string(PresetName(kPresets[state.range(0)])));
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kMotorWidth, kMotorHeight, 1);
        DrawMotorFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_MotorRasterFrame)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// 3 s into a start-up, as the window draws it while the run goes on: the run is kept between
// frames, so a frame pays for drawing its 300 samples, not for the run.
void BM_MotorRasterFrameStartUp(benchmark::State& state) {
    MotorInputs inputs;
    inputs.time = 3.0;
    inputs.load = 10;
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kMotorWidth, kMotorHeight, 1);
        DrawMotorFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_MotorRasterFrameStartUp)->Unit(benchmark::kMicrosecond);

// The circuit page at 1440 rpm on the unbalanced supply: both sequences' circuits, the phasors
// and the power band.
void BM_MotorCircuitPage(benchmark::State& state) {
    MotorInputs inputs;
    inputs.supply = PresetSupply(Preset::Unbalanced);
    inputs.speed = 1440;
    inputs.step = 7;
    inputs.page = MotorPage::Circuit;
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kMotorWidth, kMotorHeight, 1);
        DrawMotorFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_MotorCircuitPage)->Unit(benchmark::kMicrosecond);

// A 3 s start-up from rest, RK4 at 1 ms, with its samples.
void BM_MotorStartUp(benchmark::State& state) {
    const Supply supply = PresetSupply(kPresets[state.range(0)]);
    const MotorModel model(supply);
    state.SetLabel(std::string(PresetName(kPresets[state.range(0)])));
    std::vector<MotorSample> samples;
    for (auto _ : state)
        benchmark::DoNotOptimize(RunMotor(model, {supply, 10.0, 0.2, 0.0, 3.0}, &samples));
}
BENCHMARK(BM_MotorStartUp)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The CSV of the torque curve, 331 speeds with T, T+, T- and the currents, through the table of
// views as vesk-render and the windows write it (goal: 20 ms at most); and of a 10 s start-up.
void BM_MotorCsv(benchmark::State& state) {
    MotorSettings settings;
    settings.supply = PresetSupply(kPresets[state.range(0)]);
    settings.time = state.range(1);
    state.SetLabel(std::string(PresetName(kPresets[state.range(0)])) +
                   (settings.time > 0 ? ", start-up" : ", curve"));
    for (auto _ : state) benchmark::DoNotOptimize(Describe(View::Motor).csv(settings, 0));
}
BENCHMARK(BM_MotorCsv)->ArgsProduct({{0, 4}, {0, 10}})->Unit(benchmark::kMillisecond);

// A 3 s start-up with the electrical transient: RK4 at 20 us, a sample every 100 us.
void BM_MotorDynamicStartUp(benchmark::State& state) {
    const Supply supply = PresetSupply(kPresets[state.range(0)]);
    state.SetLabel(std::string(PresetName(kPresets[state.range(0)])));
    for (auto _ : state) {
        DynamicRun run({supply, 10.0, 0.2, 0.0, 0.0, {}});
        run.RunTo(3.0);
        benchmark::DoNotOptimize(run.Samples().data());
    }
}
BENCHMARK(BM_MotorDynamicStartUp)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
