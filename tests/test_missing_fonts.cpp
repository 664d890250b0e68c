// A machine without a single font: the window still opens, draws every frame (the texts as
// whatever the toolkit makes of a missing glyph) and closes as usual; vesk-render still writes
// its frames; nothing crashes. This test has its own main(): before anything looks for a font,
// fontconfig is pointed at a configuration that names no font directory, and the programs this
// test starts inherit it.
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "test_dialog_support.h"
#include "x_session.h"

#include "canvas_widget.h"
#include "draw/raster_dc.h"
#include "field/frame.h"
#include "field_demo_dialog.h"
#include "raster_image.h"
#include "resource.h"

namespace {

// What a crash or an abort leaves on standard error.
bool LooksLikeACrash(const QString& err) {
    for (const char* sign : {"Segmentation", "Aborted", "terminate called", "AddressSanitizer",
                             "runtime error", "QFATAL", "core dumped"})
        if (err.contains(QLatin1StringView(sign), Qt::CaseInsensitive)) return true;
    return false;
}

// The frame of a step with every text left out.
QImage FrameWithoutTexts(int step) {
    class NoTexts : public RasterDc {
      public:
        using RasterDc::RasterDc;
        bool TextOut(int, int, std::string_view) override { return true; }
    };
    NoTexts dc(513, 624);
    DrawFrame({step}, dc);
    return ToImage(dc.TakePixels());
}

// Where the texts of a frame go, with room for glyphs of any shape up to 16 pixels a character.
QRegion TextBoxes(int step) {
    QRegion boxes;
    QString trace = QString::fromStdString(TraceFrame({step, 513, 624, true}));
    for (const QString& line : trace.split('\n')) {
        if (!line.startsWith("text ")) continue;
        const QStringList parts = line.split(' ');
        const QString text = line.section(' ', 3);
        boxes += QRect(parts[1].toInt() - 2, parts[2].toInt() - 2, 16 * text.size() + 4, 20);
    }
    return boxes;
}

struct Comparison {
    int compared = 0;
    int different = 0;
};

// Every pixel outside the texts must be the frame's own: the stator, the coil sides, the vectors,
// the chart.
Comparison CompareOutsideTexts(const QImage& shown, int step) {
    const QImage expected = FrameWithoutTexts(step);
    const QImage image = shown.convertToFormat(QImage::Format_RGB32);
    const QRegion texts = TextBoxes(step);
    Comparison c;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            if (texts.contains(QPoint(x, y))) continue;
            ++c.compared;
            c.different +=
                (image.pixel(x, y) | 0xff000000u) != (expected.pixel(x, y) | 0xff000000u);
        }
    return c;
}

void ExpectWholeFrame(const QImage& shown, int step) {
    ASSERT_EQ(shown.size(), QSize(513, 624));
    const Comparison c = CompareOutsideTexts(shown, step);
    EXPECT_EQ(c.different, 0) << "step " << step;
    EXPECT_GT(c.compared, 513 * 624 * 9 / 10) << "the texts hide too much to compare";
    // By hand, step 0: inside the top coil side of U, red; the resultant, black.
    if (step == 0) {
        EXPECT_EQ(shown.pixel(244, 338) | 0xff000000u, qRgb(255, 0, 0));
        EXPECT_EQ(shown.pixel(300, 468) | 0xff000000u, qRgb(0, 0, 0));
    }
}

// Qt names three generic families whatever is installed; fontconfig itself must list nothing.
TEST(MissingFonts, NoFontIsInstalledForThisTest) {
    for (const QString& family : QFontDatabase::families())
        EXPECT_TRUE(family == "Monospace" || family == "Sans Serif" || family == "Serif")
            << family.toStdString();
    const QString fcList = QStandardPaths::findExecutable("fc-list");
    if (fcList.isEmpty()) return;
    QProcess list;
    list.start(fcList, {});
    ASSERT_TRUE(list.waitForFinished(10000));
    EXPECT_EQ(list.readAllStandardOutput().trimmed().toStdString(), "");
}

TEST(MissingFonts, VeskRenderStillDrawsTheFrames) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    for (const int step : {0, 45}) {
        const QString png = out.filePath(QStringLiteral("frame-%1.png").arg(step));
        QProcess render;
        render.start(VESK_RENDER_PATH, {"--step", QString::number(step), "-o", png});
        ASSERT_TRUE(render.waitForFinished(30000));
        const QString err = QString::fromUtf8(render.readAllStandardError());
        std::printf("vesk-render --step %d without fonts: exit %d, said \"%s\"\n", step,
                    render.exitCode(), qPrintable(err.trimmed()));
        EXPECT_EQ(render.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(render.exitCode(), 0);
        EXPECT_FALSE(LooksLikeACrash(err)) << err.toStdString();
        const QImage image(png);
        ASSERT_FALSE(image.isNull());
        ExpectWholeFrame(image, step);
        if (step != 0) {
            // The comparison tells frames apart.
            EXPECT_GT(CompareOutsideTexts(image, 0).different, 1000);
        }
    }
}

TEST(MissingFonts, TheWindowOpensDrawsAndCloses) {
    CFieldDemoDialog dialog;
    const int result = RunModal(dialog, [&] {
        const auto* canvas = static_cast<CanvasWidget*>(dialog.GetDlgItem(IDC_CANVAS));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !canvas->Frame().isNull(); }, 5000));
        ExpectWholeFrame(canvas->Frame(), 0);
        Click(dialog.GetDlgItem(IDC_NEXT));
        ExpectWholeFrame(canvas->Frame(), 1);
        // The readouts are text like any other.
        EXPECT_EQ(
            qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_PHASE_ANGLE))->text().toStdString(),
            "1*π/18=10°");
        // The About box opens and closes.
        bool about = false;
        WhenOpen(
            [&]() -> QWidget* {
                QWidget* w = QApplication::activeModalWidget();
                return w != &dialog ? w : nullptr;
            },
            [&](QWidget* w) {
                about = true;
                QTest::keyClick(w, Qt::Key_Escape);
            });
        dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
        EXPECT_TRUE(about);
        dialog.activateWindow();
        dialog.GetDlgItem(IDC_START)->setFocus();
        QTest::keyClick(dialog.GetDlgItem(IDC_START), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
}

// Without a way to close it from outside, the program on the offscreen platform is only watched:
// it starts, keeps running and says nothing of a crash.
TEST(MissingFonts, VeskStaysUpOffscreen) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess vesk;
    vesk.setProcessEnvironment(env);
    vesk.start(VESK_APP_PATH, {});
    ASSERT_TRUE(vesk.waitForStarted(5000));
    EXPECT_FALSE(vesk.waitForFinished(2000)) << "ended by itself with status " << vesk.exitCode()
                                             << ": " << vesk.readAllStandardError().toStdString();
    vesk.kill();
    vesk.waitForFinished(5000);
    const QString err = QString::fromUtf8(vesk.readAllStandardError());
    std::printf("vesk without fonts, offscreen, said \"%s\"\n", qPrintable(err.trimmed()));
    EXPECT_FALSE(LooksLikeACrash(err)) << err.toStdString();
}

// On a real (virtual) X server, where the window can be closed from outside: it shows the frame
// and Escape ends the program with status 0.
TEST(MissingFonts, VeskOnAnXServerDrawsAndExitsWithZero) {
    XSession x;
    if (!x.HasTools()) GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";
    ASSERT_TRUE(x.Start(120)) << "no virtual X server could be started";
    const bool shown = x.Launch(VESK_APP_PATH);
    // The canvas lies 11 pixels in from the window's corner.
    const bool drawn =
        shown && QTest::qWaitFor(
                     [&] {
                         const QImage shot = x.Shot();
                         return !shot.isNull() &&
                                CompareOutsideTexts(shot.copy(11, 11, 513, 624), 0).different == 0;
                     },
                     10000);
    const bool ended = x.EndWithEscape();
    const QString err = QString::fromUtf8(x.Program().readAllStandardError());
    std::printf("vesk without fonts on %s said \"%s\"\n", qPrintable(x.Display()),
                qPrintable(err.trimmed()));
    ASSERT_TRUE(shown) << "no window; the program said: " << err.toStdString();
    EXPECT_TRUE(drawn) << "the canvas does not show the frame of step 0";
    ASSERT_TRUE(ended) << "Escape did not end the program";
    EXPECT_EQ(x.Program().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(x.Program().exitCode(), 0);
    EXPECT_FALSE(LooksLikeACrash(err)) << err.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything looks for a font: a configuration with no font directory, and a cache of
    // its own.
    QTemporaryDir config;
    if (!config.isValid()) return 2;
    QFile file(config.filePath("fonts.conf"));
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
        "<fontconfig>\n  <cachedir>" +
        config.filePath("cache").toUtf8() + "</cachedir>\n</fontconfig>\n");
    file.close();
    qputenv("FONTCONFIG_FILE", file.fileName().toUtf8());
    qputenv("FONTCONFIG_PATH", config.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
