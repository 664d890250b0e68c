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

#include "field/frame.h"
#include "frame_memory.h"
#include "gif_writer.h"
#include "handout.h"
#include "language.h"
#include "motor_image.h"
#include "output_file.h"
#include "png_writer.h"
#include "raster_image.h"
#include "render_failure.h"
#include "render_options.h"
#include "svg_dc.h"
#include "version.h"
#include "winding_image.h"

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
    "  -o PATH           the output file, or the directory (or .gif file) for --all; a\n"
    "                    device, FIFO or socket is written into, never replaced\n"
    "  --lang zh|en      the labels in the picture in Chinese (the default) or English\n"
    "  --palette standard|safe\n"
    "                    the phases in red, green and blue (the default), or in colours that\n"
    "                    stay apart for colour-blind eyes, each vector with its letter\n"
    "  --scale S         PNG and GIF frames with S x S device pixels a pixel, 1..4 in\n"
    "                    quarters, for sharp slides (an SVG is sized S times larger; a\n"
    "                    trace has no pixels)\n"
    "  --handout PDF     a lesson as a printed handout, A4: add --lesson FILE for a lesson\n"
    "                    of your own, --lang and --palette as above\n"
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
    "  --neutral         the star point joined to the neutral (four wires); without it\n"
    "                    the star has three wires and its currents sum to zero\n"
    "  --apart           F+ and F- also drawn from the centre, each on its own circle\n"
    "\n"
    "A PNG or GIF frame has at most 8192x8192 device pixels in all (width x height x S^2,\n"
    "67108864, 256 MiB as drawn); --all draws as many frames at once as fit in 256 MiB.\n"
    "A file is written whole or not at all: a failed run leaves what was there before.\n"
    "\n"
    "The windings view: poles, slots, distributed and short-pitched windings, the MMF's\n"
    "harmonics and the flux lines (steps 0..35, 1024x768 unless --size says otherwise):\n"
    "  --view winding\n"
    "  --preset NAME     explorer (2 poles, 6 slots), 4-pole-full (36 slots), 4-pole-short\n"
    "                    (36 slots, two layers, pitch 7/9) or 2-pole-short (24 slots, 10/12)\n"
    "  --poles P         2, 4, 6 or 8 (default 2)\n"
    "  --slots Q         6pq slots, q from 1 to 4 (default 6)\n"
    "  --layers L        1 or 2 (default 1; a single layer is full-pitch)\n"
    "  --pitch Y         the coil pitch in slots, 1 up to the pole pitch Q/2p (default: full)\n"
    "  --frequency F     the supply's frequency in Hz, 1..400 (default 50)\n"
    "  --sequence SEQ    positive or negative\n"
    "  --no-flux-lines   leave out the flux lines\n"
    "\n"
    "The motor (--view motor): a 2.2 kW 4-pole motor on the explorer's supply options;\n"
    "--all writes the 36 steps of the drawing at the operating point:\n"
    "  --speed N         the operating point held at N rpm, -3000..3000\n"
    "  --time T          or the state T seconds into a start-up, 0..10 (default 0)\n"
    "  --initial-speed N the start-up's initial speed in rpm, -3000..3000 (default 0)\n"
    "  --load L          a fan's torque at synchronous speed, 0..40 N·m (default 0)\n"
    "  --inertia J       of the motor and its load, 0.015..10 kg·m² (default 0.2)\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be written, 2 a usage error.\n";

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
bool WriteGif(const Scene& scene, int first, int last, const std::string& path, std::string& error,
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
                break;  // written by WriteGif
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
    auto work = [&] {
        for (int step = next++; step <= scene.lastStep && !failed; step = next++) {
            char name[32];
            std::snprintf(name, sizeof name, "frame-%02d.%s", step, FormatExtension(format));
            try {
                if (!WriteFrame(scene, step, format, dir + "/" + name, errors[step])) failed = true;
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
                                       .translation = CurrentTranslation(),
                                       .componentsApart = o.componentsApart},
                        kExplorerSteps - 1, RasterExplorerFrame, WriteSvgExplorerFrame,
                        TraceExplorerFrame);
    if (o.view == View::Winding) {
        WindingInputs in = o.winding;
        in.step = o.step;
        in.width = o.width;
        in.height = o.height;
        in.scale = o.scale;
        in.palette = *o.palette;
        in.translation = CurrentTranslation();
        scene = SceneOf(
            in, kExplorerSteps - 1, [](const WindingInputs& i) { return RasterWindingFrame(i); },
            WriteSvgWindingFrame, TraceWindingFrame);
    }
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
