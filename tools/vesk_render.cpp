// vesk-render: writes frames of the rotating-field demonstration and of the explorer without
// opening a window.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include <QBuffer>
#include <QGuiApplication>

#include "frame_memory.h"
#include "gif_writer.h"
#include "handout.h"
#include "language.h"
#include "output_file.h"
#include "png_writer.h"
#include "progress.h"
#include "raster_image.h"
#include "render_failure.h"
#include "render_options.h"
#include "svg_dc.h"
#include "version.h"

namespace {

// The animation timer's period, which an animated GIF shows each frame for.
constexpr int kFrameCentiseconds = 20;

// The output drawn and encoded in memory, then written whole (output_file.h). `encode` returns
// false on failure, optionally with the reason in `detail`.
bool SaveTo(const std::string& path, std::string& error,
            const std::function<bool(QIODevice*, std::string& detail)>& encode) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    std::string detail;
    if (!encode(&buffer, detail)) {
        error = "cannot write " + path + ": " +
                (detail.empty() ? std::string("the frame could not be drawn") : detail);
        return false;
    }
    error = WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()));
    return error.empty();
}

// What a view draws for a step, in each format: the main window's frames or the explorer's.
struct Scene {
    int width;  // of a raster frame, in device pixels
    int height;
    int lastStep;
    std::function<QImage(int step)> raster;
    std::function<bool(int step, QIODevice*)> svg;
    std::function<std::string(int step)> trace;
};

// The size of a raster frame on the device: each pixel edge at its rounded place.
int DeviceSize(int pixels, double scale) {
    return static_cast<int>(std::floor(pixels * scale + 0.5));
}

// A view's frames from its settings, whatever the step.
Scene SceneOf(const ViewSettings& settings, const CanvasInputs& canvas) {
    const auto at = [canvas](int step) {
        CanvasInputs one = canvas;
        one.step = step;
        return one;
    };
    return {DeviceSize(canvas.width, canvas.scale),
            DeviceSize(canvas.height, canvas.scale),
            Describe(ViewOf(settings)).lastStep,
            [settings, at](int step) { return RasterViewFrame(settings, at(step)); },
            [settings, at](int step, QIODevice* device) {
                return WriteSvgViewFrame(settings, at(step), device);
            },
            [settings, at](int step) { return TraceView(settings, at(step)); }};
}

// Steps `first`..`last` as one GIF; several frames loop forever at the timer's pace.
bool WriteGif(const Scene& scene, int first, int last, const std::string& path, std::string& error,
              std::vector<int>& approximated) {
    return SaveTo(path, error, [&](QIODevice* device, std::string& detail) {
        const bool animated = last > first;
        GifWriter gif(device,
                      {scene.width, scene.height, animated ? kFrameCentiseconds : 0, animated});
        Progress progress(last - first + 1, "frames");
        for (int step = first; step <= last; ++step) {
            if (!gif.AddFrame(scene.raster(step))) break;
            progress.Advance();
        }
        if (gif.Error().empty()) gif.Finish();
        detail = gif.Error();
        for (const int index : gif.ApproximatedFrames()) approximated.push_back(first + index);
        return detail.empty();
    });
}

bool WriteFrame(const Scene& scene, int step, OutputFormat format, const std::string& path,
                std::string& error) {
    return SaveTo(path, error, [&](QIODevice* device, std::string&) {
        switch (format) {
            case OutputFormat::Png:
                return WritePngImage(scene.raster(step), device);
            case OutputFormat::Svg:
                return scene.svg(step, device);
            case OutputFormat::Trace: {
                const std::string trace = scene.trace(step);
                return device->write(trace.data(), static_cast<qint64>(trace.size())) ==
                       static_cast<qint64>(trace.size());
            }
            case OutputFormat::Gif:
            case OutputFormat::Csv:
                break;  // written by WriteGif, and without a frame
        }
        return false;
    });
}

std::string OutOfMemory(const Scene& scene) {
    return "not enough memory for a frame of " + std::to_string(scene.width) + "x" +
           std::to_string(scene.height) + " device pixels";
}

// Every frame into its own file in `dir`, drawn and encoded on several cores at once (as many as
// memory allows). Each file is the same as when it is written alone; on a failure no further frame
// is begun, the frames already written stay, and the error of the lowest step that failed is
// reported.
bool WriteAllFrames(const Scene& scene, OutputFormat format, const std::string& dir,
                    std::string& error) {
    std::vector<std::string> errors(scene.lastStep + 1);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    Progress progress(scene.lastStep + 1, "frames");
    auto work = [&] {
        for (int step = next++; step <= scene.lastStep && !failed; step = next++) {
            char name[32];
            std::snprintf(name, sizeof name, "frame-%02d.%s", step, FormatExtension(format));
            try {
                if (!WriteFrame(scene, step, format, dir + "/" + name, errors[step])) failed = true;
                progress.Advance();
            } catch (const std::bad_alloc&) {
                errors[step] = OutOfMemory(scene);
                failed = true;
            }
        }
    };
    const unsigned workers = FramesInFlight(std::thread::hardware_concurrency(),
                                            static_cast<long long>(scene.width) * scene.height);
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < workers; ++i) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    for (const std::string& e : errors) {
        if (!e.empty()) {
            error = e;
            return false;
        }
    }
    return true;
}

// Says which frames lost colours: the picture is still written, but not exactly.
void NoteApproximated(const std::vector<int>& steps) {
    if (steps.empty()) return;
    std::string list;
    for (const int step : steps) list += (list.empty() ? "" : ", ") + std::to_string(step);
    std::fprintf(stderr,
                 "vesk-render: note: step %s had more than 256 colours; the GIF shows the "
                 "nearest of 256\n",
                 list.c_str());
}

// Qt's and libpng's warnings (a missing XDG_RUNTIME_DIR, an image it could not allocate, a write
// that failed) are followed by this tool's own one-line message, or concern sessions, not files.
void QuietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

int Run(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (IsHandoutCommand(args)) return RunHandout(args, argv[0]);
    const ParseResult parsed = ParseRenderOptions(args);
    if (!parsed.error.empty()) return Fail(2, parsed.error);
    const RenderOptions& o = parsed.options;
    if (o.help) {
        std::fputs(RenderUsage().c_str(), stdout);
        return 0;
    }
    if (o.version) {
        std::printf("vesk-render %s\n", kVeskVersion);
        return 0;
    }

    if (o.format == OutputFormat::Csv) {
        const std::string csv = Describe(o.view()).csv(o.settings, o.step);
        const std::string error =
            o.output.empty() ? WriteStandardOutput(csv) : WriteWholeFile(o.output, csv);
        return error.empty() ? 0 : Fail(1, error);
    }
    // The labels' language works without an application, so a trace can have it too.
    if (o.language != Language::Chinese) SetLanguage(o.language);
    const Scene scene =
        SceneOf(o.settings, {o.step, o.width, o.height, o.scale, *o.palette, CurrentTranslation()});
    if (o.output.empty()) {
        const std::string error = WriteStandardOutput(scene.trace(o.step));
        return error.empty() ? 0 : Fail(1, error);
    }

    // Text needs a font database, and with it an application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::string error;
    try {
        if (*o.format == OutputFormat::Gif) {
            std::vector<int> approximated;
            const bool ok = WriteGif(scene, o.all ? 0 : o.step, o.all ? scene.lastStep : o.step,
                                     o.output, error, approximated);
            NoteApproximated(approximated);
            return ok ? 0 : Fail(1, error);
        }
        if (!o.all)
            return WriteFrame(scene, o.step, *o.format, o.output, error) ? 0 : Fail(1, error);
    } catch (const std::bad_alloc&) {
        return Fail(1, OutOfMemory(scene));
    }
    std::string dir = o.output;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    error = MakeDirectories(dir);
    if (!error.empty()) return Fail(1, error);
    return WriteAllFrames(scene, *o.format, dir, error) ? 0 : Fail(1, error);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        return Fail(1, "not enough memory");
    }
}
