// vesk-render: writes frames of the rotating-field demonstration and of the explorer without
// opening a window.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include "frame.h"
#include "gif_writer.h"
#include "language.h"
#include "motor_image.h"
#include "png_writer.h"
#include "raster_image.h"
#include "render_options.h"
#include "svg_dc.h"
#include "version.h"

namespace {

constexpr const char* kUsage =
    "Usage: vesk-render [--step K | --all] [options]\n"
    "Draws frames of the rotating magnetic field of a three-phase stator.\n"
    "\n"
    "  --step K          the step to draw, 0..72 (10 electrical degrees each; default 0)\n"
    "  --all             all 73 frames, as DIR/frame-00.EXT .. DIR/frame-72.EXT, or, when\n"
    "                    the output is a .gif file, as one animation that loops forever,\n"
    "                    200 ms a frame\n"
    "  --no-resultant    leave out the resultant and its construction\n"
    "  --size WxH        canvas size in pixels, 64..8192 (default 513x624)\n"
    "  --format FORMAT   png, svg, gif or trace (default: from the output's extension;\n"
    "                    a trace, on standard output, when there is no -o)\n"
    "  -o PATH           the output file, or the directory (or .gif file) for --all\n"
    "  --lang zh|en      the labels in the picture in Chinese (the default) or English\n"
    "  --palette standard|safe\n"
    "                    the phases in red, green and blue (the default), or in colours that\n"
    "                    stay apart for colour-blind eyes, each vector with its letter\n"
    "  --scale S         PNG and GIF frames with S x S device pixels a pixel, 1..4 in\n"
    "                    quarters, for sharp slides (an SVG is sized S times larger)\n"
    "  --help            this text\n"
    "  --version         the version\n"
    "\n"
    "The explorer: reversed, open and unbalanced supplies (one period, steps 0..35;\n"
    "--all writes 36 frames; the canvas is 1024x768 unless --size says otherwise):\n"
    "  --view VIEW       main (the default) or explorer\n"
    "  --preset NAME     balanced, reversed, open-u, open-u-neutral, single-phase or\n"
    "                    unbalanced (amplitudes 1, 0.4, 0.7); the options below override it\n"
    "  --amplitudes A,A,A  the peaks of U, V and W, 0..2 (1 is the balanced peak)\n"
    "  --offsets D,D,D   the phase offsets of U, V and W in degrees, -180..180\n"
    "  --sequence SEQ    positive or negative\n"
    "  --open PHASE      U, V or W is open; the other two windings are in series\n"
    "  --neutral         with --open: the star point is joined to the neutral\n"
    "\n"
    "The motor (--view motor): a 2.2 kW 4-pole motor on the explorer's supply options;\n"
    "--all writes the 36 steps of the drawing at the operating point:\n"
    "  --speed N         the steady state at N rpm, -3000..3000\n"
    "  --time T          or the state T seconds into a start-up, 0..10 (default 0)\n"
    "  --initial-speed N the start-up's initial speed in rpm, -3000..3000 (default 0)\n"
    "  --load L          a fan's torque at synchronous speed, 0..40 N·m (default 0)\n"
    "  --inertia J       of the motor and its load, 0.015..10 kg·m² (default 0.2)\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be written, 2 a usage error.\n";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vesk-render: %s\n", message.c_str());
    return status;
}

// The animation timer's period, which an animated GIF shows each frame for.
constexpr int kFrameCentiseconds = 20;

// Written beside the target and renamed into place, so a failure leaves no partial file.
// `write` returns false on failure, optionally with the reason in `detail`.
bool SaveTo(const QString& path, std::string& error,
            const std::function<bool(QIODevice*, std::string& detail)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write '" + path.toStdString() + "': " + file.errorString().toStdString();
        return false;
    }
    std::string detail;
    if (!write(&file, detail) || !file.commit()) {
        if (detail.empty()) detail = file.errorString().toStdString();
        file.cancelWriting();
        error = "cannot write '" + path.toStdString() + "': " + detail;
        return false;
    }
    return true;
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

// A view's frames from its inputs, whatever the step: the main window's or the explorer's.
template <class Inputs, class Raster, class Svg, class Trace>
Scene SceneOf(const Inputs& inputs, int lastStep, Raster raster, Svg svg, Trace trace) {
    const auto at = [inputs](int step) {
        Inputs one = inputs;
        one.step = step;
        return one;
    };
    return {DeviceSize(inputs.width, inputs.scale),
            DeviceSize(inputs.height, inputs.scale),
            lastStep,
            [at, raster](int step) { return raster(at(step)); },
            [at, svg](int step, QIODevice* device) { return svg(at(step), device); },
            [at, trace](int step) { return trace(at(step)); }};
}

// Steps `first`..`last` as one GIF; several frames loop forever at the timer's pace.
bool WriteGif(const Scene& scene, int first, int last, const QString& path, std::string& error,
              std::vector<int>& approximated) {
    return SaveTo(path, error, [&](QIODevice* device, std::string& detail) {
        const bool animated = last > first;
        GifWriter gif(device,
                      {scene.width, scene.height, animated ? kFrameCentiseconds : 0, animated});
        for (int step = first; step <= last; ++step) {
            if (!gif.AddFrame(scene.raster(step))) break;
        }
        if (gif.Error().empty()) gif.Finish();
        detail = gif.Error();
        for (const int index : gif.ApproximatedFrames()) approximated.push_back(first + index);
        return detail.empty();
    });
}

bool WriteFrame(const Scene& scene, int step, OutputFormat format, const QString& path,
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
                break;  // written by WriteGif
        }
        return false;
    });
}

// Every frame into its own file in `dir`, drawn and encoded on every core at once. Each file is
// the same as when it is written alone; on a failure no further frame is begun, and the error of
// the lowest step that failed is reported.
bool WriteAllFrames(const Scene& scene, OutputFormat format, const QString& dir,
                    std::string& error) {
    std::vector<std::string> errors(scene.lastStep + 1);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (int step = next++; step <= scene.lastStep && !failed; step = next++) {
            const QString name =
                QString("frame-%1.%2").arg(step, 2, 10, QChar('0')).arg(FormatExtension(format));
            if (!WriteFrame(scene, step, format, QDir(dir).filePath(name), errors[step]))
                failed = true;
        }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
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

// Qt's note about a missing XDG_RUNTIME_DIR concerns sessions, not files: keep the one-line
// messages of this tool clean of it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) return;
    std::fprintf(stderr, "vesk-render: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseRenderOptions(args);
    if (!parsed.error.empty()) return Fail(2, parsed.error);
    const RenderOptions& o = parsed.options;
    if (o.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (o.version) {
        std::printf("vesk-render %s\n", kVeskVersion);
        return 0;
    }

    // The labels' language works without an application, so a trace can have it too.
    if (o.language != Language::Chinese) SetLanguage(o.language);
    Scene scene = SceneOf(FrameInputs{o.step, o.width, o.height, o.showResultant, o.scale,
                                      *o.palette, CurrentTranslation()},
                          MAX_STEP, RasterFrame, WriteSvgFrame, TraceFrame);
    if (o.view == View::Explorer)
        scene = SceneOf(ExplorerInputs{.supply = o.supply,
                                       .step = o.step,
                                       .width = o.width,
                                       .height = o.height,
                                       .scale = o.scale,
                                       .palette = *o.palette,
                                       .translation = CurrentTranslation()},
                        kExplorerSteps - 1, RasterExplorerFrame, WriteSvgExplorerFrame,
                        TraceExplorerFrame);
    if (o.view == View::Motor) {
        MotorInputs in = o.motor.Inputs();
        in.supply = o.supply;
        in.step = o.step;
        in.width = o.width;
        in.height = o.height;
        in.scale = o.scale;
        in.palette = *o.palette;
        in.translation = CurrentTranslation();
        scene =
            SceneOf(in, kExplorerSteps - 1, RasterMotorFrame, WriteSvgMotorFrame, TraceMotorFrame);
    }
    if (o.output.empty()) {
        const std::string trace = scene.trace(o.step);
        std::fwrite(trace.data(), 1, trace.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : Fail(1, "cannot write the trace to standard output");
    }

    // Text needs a font database, and with it an application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::string error;
    if (*o.format == OutputFormat::Gif) {
        std::vector<int> approximated;
        const bool ok = WriteGif(scene, o.all ? 0 : o.step, o.all ? scene.lastStep : o.step,
                                 QString::fromStdString(o.output), error, approximated);
        NoteApproximated(approximated);
        return ok ? 0 : Fail(1, error);
    }
    if (!o.all) {
        return WriteFrame(scene, o.step, *o.format, QString::fromStdString(o.output), error)
                   ? 0
                   : Fail(1, error);
    }
    const QString dir = QString::fromStdString(o.output);
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) {
        return Fail(1, "cannot create the directory '" + o.output + "'");
    }
    return WriteAllFrames(scene, *o.format, dir, error) ? 0 : Fail(1, error);
}
