// vesk-render: writes frames of the rotating-field demonstration without opening a window.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include "frame_export.h"
#include "render_options.h"

namespace {

constexpr const char* kUsage =
    "Usage: vesk-render [--step K | --all] [options]\n"
    "Draws frames of the rotating magnetic field of a three-phase stator.\n"
    "\n"
    "  --step K          the step to draw, 0..72 (10 electrical degrees each; default 0)\n"
    "  --all             all 73 frames, as DIR/frame-00.EXT .. DIR/frame-72.EXT\n"
    "  --no-resultant    leave out the resultant and its construction\n"
    "  --size WxH        canvas size in pixels, 64..8192 (default 513x624)\n"
    "  --format FORMAT   png, svg or trace (default: from the output's extension;\n"
    "                    a trace, on standard output, when there is no -o)\n"
    "  -o PATH           the output file, or the directory for --all\n"
    "  --help            this text\n"
    "  --version         the version\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be written, 2 a usage error.\n";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vesk-render: %s\n", message.c_str());
    return status;
}

// Written beside the target and renamed into place, so a failure leaves no partial file.
bool WriteFrame(const FrameOptions& frame, OutputFormat format, const QString& path,
                std::string& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write '" + path.toStdString() + "': " + file.errorString().toStdString();
        return false;
    }
    bool ok = false;
    switch (format) {
        case OutputFormat::Png:
            ok = RasterFrame(frame).save(&file, "PNG");
            break;
        case OutputFormat::Svg:
            ok = WriteSvgFrame(frame, &file);
            break;
        case OutputFormat::Trace: {
            const std::string trace = TraceFrame(frame);
            ok = file.write(trace.data(), static_cast<qint64>(trace.size())) ==
                 static_cast<qint64>(trace.size());
            break;
        }
    }
    if (!ok || !file.commit()) {
        file.cancelWriting();
        error = "cannot write '" + path.toStdString() + "': " + file.errorString().toStdString();
        return false;
    }
    return true;
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
        std::puts("vesk-render 1.0.0.1");
        return 0;
    }

    FrameOptions frame{o.step, o.width, o.height, o.showResultant};
    if (o.output.empty()) {
        const std::string trace = TraceFrame(frame);
        std::fwrite(trace.data(), 1, trace.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : Fail(1, "cannot write the trace to standard output");
    }

    // Text needs a font database, and with it an application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::string error;
    if (!o.all) {
        return WriteFrame(frame, *o.format, QString::fromStdString(o.output), error)
                   ? 0
                   : Fail(1, error);
    }
    const QString dir = QString::fromStdString(o.output);
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) {
        return Fail(1, "cannot create the directory '" + o.output + "'");
    }
    for (int step = 0; step <= 72; ++step) {
        frame.step = step;
        const QString name =
            QString("frame-%1.%2").arg(step, 2, 10, QChar('0')).arg(FormatExtension(*o.format));
        if (!WriteFrame(frame, *o.format, QDir(dir).filePath(name), error)) return Fail(1, error);
    }
    return 0;
}
