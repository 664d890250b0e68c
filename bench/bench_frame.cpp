// One complete frame on each surface.
#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "frame.h"
#include "raster_dc.h"
#include "raster_image.h"
#include "svg_dc.h"
#include "trace_dc.h"

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
