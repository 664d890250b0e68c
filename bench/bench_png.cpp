// One PNG frame as vesk-render writes it, and its parts: the raster frame, the exact palette and
// the encoding of the indexed image at a few of Qt's quality settings (-1 is the default, which
// vesk-render uses; lower quality means more compression).
#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>

#include <benchmark/benchmark.h>

#include "field/frame.h"
#include "png_writer.h"
#include "raster_image.h"
#include "view_frames.h"

namespace {

const FrameInputs kFrame{72, 513, 624, true};

void BM_WritePngFrame(benchmark::State& state) {
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(WritePngImage(RasterFrame(kFrame), &buffer));
        bytes = buffer.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WritePngFrame)->Unit(benchmark::kMicrosecond);

void BM_ExactIndexed(benchmark::State& state) {
    const QImage frame = RasterFrame(kFrame);
    for (auto _ : state) benchmark::DoNotOptimize(ExactIndexed(frame).constBits());
}
BENCHMARK(BM_ExactIndexed)->Unit(benchmark::kMicrosecond);

void BM_EncodeIndexed(benchmark::State& state) {
    const QImage indexed = ExactIndexed(RasterFrame(kFrame));
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "PNG");
        writer.setQuality(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(writer.write(indexed));
        bytes = buffer.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodeIndexed)->Arg(-1)->Arg(50)->Arg(80)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Text needs a font database; no window is opened.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
