// Long runs: many frames through the window's rendering or through vesk-render's PNG path, with
// resident memory read after the first 1,000 frames and again at the end. A frame leaves nothing
// behind, so the difference must stay under the limit; the last frame must still be right.
//
//   long_run dialog [--frames N] [--limit-kb K]   frames through CFieldDemoDialog::RenderFrame on
//                                                 the shown window (default 100000)
//   long_run render [--frames N] [--limit-kb K]   PNG frames written with WritePngImage through
//                                                 QSaveFile into a temporary directory, as
//                                                 vesk-render --all does (default 10000)
//
// Exit status: 0 within the limit (default 1024 kB), 1 memory grew or a frame was wrong, 2 usage.
// The CTest registrations run short versions; the full counts are the defaults.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "canvas_widget.h"
#include "field/frame.h"
#include "field/phase_model.h"
#include "field_demo_dialog.h"
#include "png_writer.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

namespace {

constexpr int kBaselineFrames = 1000;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps freed blocks in quarantine and its own bookkeeping grows, so
// resident memory says little there; LeakSanitizer checks for leaks at exit instead.
constexpr bool kMemoryIsMeaningful = false;
#else
constexpr bool kMemoryIsMeaningful = true;
#endif

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

struct Run {
    long frames = 0;
    long baselineKb = -1;
    long endKb = -1;
    double seconds = 0;
    std::string failure;  // a wrong frame, or why the run could not be made
};

// Counts frames and reads the resident size once the first kBaselineFrames are done.
class Meter {
  public:
    explicit Meter(Run& run) : m_run(run) { m_clock.start(); }
    void Frame() {
        if (++m_run.frames == kBaselineFrames) m_run.baselineKb = ResidentKb();
    }
    void End() {
        m_run.endKb = ResidentKb();
        m_run.seconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e9;
    }

  private:
    Run& m_run;
    QElapsedTimer m_clock;
};

std::string ExpectedReadout(int step) {
    return std::to_string(step) + "*π/18=" + std::to_string(10 * step) + "°";
}

// Steps 0..72 over and over through RenderFrame, as the timer drives them; every 1,000th frame
// is a click on the check box instead, which redraws the current step with the other setting.
Run DialogRun(long frames) {
    Run run;
    CFieldDemoDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            run.failure = "the window was never shown";
            dialog.EndDialog(1);
            return;
        }
        auto* check = qobject_cast<QCheckBox*>(dialog.GetDlgItem(IDC_SHOW_RESULTANT));
        Meter meter(run);
        for (long i = 0; i < frames; ++i) {
            if (i % 1000 == 999) {
                check->click();
            } else {
                dialog.m_nStep = static_cast<int>(i % (MAX_STEP + 1));
                dialog.RenderFrame(dialog.m_nStep);
            }
            // Between two ticks the event loop runs, as it does in the program.
            QCoreApplication::processEvents();
            meter.Frame();
        }
        meter.End();

        const auto* canvas = static_cast<CanvasWidget*>(dialog.GetDlgItem(IDC_CANVAS));
        const double scale = canvas->devicePixelRatioF();
        const QImage expected = RasterFrame({dialog.m_nStep, canvas->width(), canvas->height(),
                                             dialog.m_bShowResultant != FALSE, scale});
        const auto* angle = qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_PHASE_ANGLE));
        if (canvas->Frame() != expected)
            run.failure = "the canvas does not show step " + std::to_string(dialog.m_nStep);
        else if (angle->text().toStdString() != ExpectedReadout(dialog.m_nStep))
            run.failure = "the phase angle reads '" + angle->text().toStdString() + "'";
        dialog.EndDialog(0);
    });
    dialog.DoModal();
    return run;
}

// The frames vesk-render --all writes, over and over: the whole cycle with the resultant, then
// without it, each frame saved beside its target and renamed into place.
Run RenderRun(long frames) {
    Run run;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        run.failure = "no temporary directory";
        return run;
    }
    FrameInputs frame;
    QString path;
    Meter meter(run);
    for (long i = 0; i < frames; ++i) {
        frame.step = static_cast<int>(i % (MAX_STEP + 1));
        frame.showResultant = (i / (MAX_STEP + 1)) % 2 == 0;
        path =
            QDir(dir.path()).filePath(QString("frame-%1.png").arg(frame.step, 2, 10, QChar('0')));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !WritePngImage(RasterFrame(frame), &file) || !file.commit()) {
            run.failure = "cannot write " + path.toStdString();
            return run;
        }
        meter.Frame();
    }
    meter.End();
    const QImage written(path);
    if (written.convertToFormat(QImage::Format_RGB32) != RasterFrame(frame))
        run.failure = "the last file does not hold step " + std::to_string(frame.step);
    return run;
}

int Usage() {
    std::fputs("usage: long_run dialog|render [--frames N] [--limit-kb K]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string mode = argv[1];
    if (mode != "dialog" && mode != "render") return Usage();
    long frames = mode == "dialog" ? 100000 : 10000;
    long limitKb = 1024;
    for (int i = 2; i < argc; ++i) {
        char* end = nullptr;
        if (i + 1 >= argc) return Usage();
        const long value = std::strtol(argv[i + 1], &end, 10);
        if (*end != '\0' || value <= 0) return Usage();
        if (std::strcmp(argv[i], "--frames") == 0)
            frames = value;
        else if (std::strcmp(argv[i], "--limit-kb") == 0)
            limitKb = value;
        else
            return Usage();
        ++i;
    }
    if (frames <= kBaselineFrames) {
        std::fprintf(stderr, "long_run: --frames must exceed the %d frames before the baseline\n",
                     kBaselineFrames);
        return 2;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Run run = mode == "dialog" ? DialogRun(frames) : RenderRun(frames);
    if (!run.failure.empty()) {
        std::fprintf(stderr, "long_run %s: %s\n", mode.c_str(), run.failure.c_str());
        return 1;
    }
    const long growth = run.endKb - run.baselineKb;
    std::printf(
        "long_run %s: %ld frames in %.1f s (%.3f ms a frame); resident memory %ld kB after %d "
        "frames, %ld kB at the end: %+ld kB (limit %ld kB)\n",
        mode.c_str(), run.frames, run.seconds,
        1000.0 * run.seconds / static_cast<double>(run.frames), run.baselineKb, kBaselineFrames,
        run.endKb, growth, limitKb);
    if (!kMemoryIsMeaningful) {
        std::puts("long_run: built with AddressSanitizer: growth not checked, leaks are");
        return 0;
    }
    if (run.baselineKb < 0 || run.endKb < 0) {
        std::fputs("long_run: cannot read VmRSS from /proc/self/status\n", stderr);
        return 1;
    }
    if (growth >= limitKb) {
        std::fprintf(stderr, "long_run %s: resident memory grew by %ld kB\n", mode.c_str(), growth);
        return 1;
    }
    return 0;
}
