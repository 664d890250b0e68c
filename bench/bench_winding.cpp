// One windings frame at its design size, with flux lines and Qt's text, for each preset at a
// step where no current is zero; the field of a winding is computed once and kept.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "raster_image.h"
#include "winding/winding_frame.h"

namespace {

void BM_WindingRasterFrame(benchmark::State& state) {
    WindingInputs inputs;
    inputs.winding = PresetWinding(kWindingPresets[state.range(0)]);
    inputs.step = 7;
    state.SetLabel(WindingPresetName(kWindingPresets[state.range(0)]));
    for (auto _ : state) {
        const std::unique_ptr<RasterDc> dc = MakeRasterDc(kWindingWidth, kWindingHeight, 1);
        DrawWindingFrame(inputs, *dc);
        benchmark::DoNotOptimize(dc->Pixels().pixels.data());
    }
}
BENCHMARK(BM_WindingRasterFrame)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A new winding: its field computed from the series, as when a control changes it.
void BM_WindingField(benchmark::State& state) {
    const Winding winding = PresetWinding(kWindingPresets[state.range(0)]);
    state.SetLabel(WindingPresetName(kWindingPresets[state.range(0)]));
    for (auto _ : state) benchmark::DoNotOptimize(WindingField(winding).LevelStep());
}
BENCHMARK(BM_WindingField)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
