// When the drawing surface lets the frame down: a pen that cannot be created leaves the previous
// pen drawing, a drawing call that fails is passed over and the frame goes on, and a brush that
// cannot be created abandons the frame, which stays missing until the next event draws one. The
// window lives through all of it, releases every pen and brush, and draws normally afterwards.
//
// The window is handed surfaces that fail on demand, through its surface factory; everything
// else runs exactly as it ships.
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QLineEdit>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "draw/raster_dc.h"
#include "draw/trace_dc.h"
#include "field/frame.h"
#include "field_demo_dialog.h"
#include "qt_text_painter.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

// What the window's surfaces are to refuse; nothing unless armed.
namespace faults {
int failBrushNumber = 0;   // on every surface, the nth brush created (1-based); 0: none
int failPenWidth = -1000;  // pens of this width
bool failEllipses = false;
std::vector<int> liveAtEnd;  // LiveObjects() of each surface as it is destroyed

void Disarm() {
    failBrushNumber = 0;
    failPenWidth = -1000;
    failEllipses = false;
}
}  // namespace faults

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// --- The scene on a surface whose drawing calls fail ---------------------------------------------

enum Call { kRect, kEllipse, kLine, kText };

// A trace surface that refuses chosen drawing calls: they draw nothing and return false. A refused
// LineTo still moves the current position, so that what is drawn after it can be compared.
class RefusingDc : public TraceDc {
  public:
    explicit RefusingDc(std::function<bool(Call, int)> refuse) : m_refuse(std::move(refuse)) {}

    bool Rectangle(int l, int t, int r, int b) override {
        return !Refused(kRect) && TraceDc::Rectangle(l, t, r, b);
    }
    bool Ellipse(int l, int t, int r, int b) override {
        return !Refused(kEllipse) && TraceDc::Ellipse(l, t, r, b);
    }
    bool LineTo(int x, int y) override {
        if (!Refused(kLine)) return TraceDc::LineTo(x, y);
        MoveTo(x, y);
        return false;
    }
    bool TextOut(int x, int y, std::string_view text) override {
        return !Refused(kText) && TraceDc::TextOut(x, y, text);
    }
    using CDC::Rectangle;

    int calls = 0;
    int refused = 0;

  private:
    bool Refused(Call call) {
        const bool no = m_refuse(call, calls++);
        refused += no;
        return no;
    }
    std::function<bool(Call, int)> m_refuse;
};

Call KindOf(const std::string& line) {
    if (line.rfind("rect ", 0) == 0) return kRect;
    if (line.rfind("ellipse ", 0) == 0) return kEllipse;
    if (line.rfind("line ", 0) == 0) return kLine;
    return kText;
}

struct RefusalRow {
    const char* name;
    std::function<bool(Call, int)> refuse;  // the call's kind and its number in the frame
    friend void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }
};

class FailedDrawingCalls : public ::testing::TestWithParam<RefusalRow> {};

// The scene issues every call it would have issued, in the same order, whatever the surface
// answered: the frame is the normal one less the refused primitives.
TEST_P(FailedDrawingCalls, ArePassedOverAndTheFrameGoesOn) {
    const RefusalRow& row = GetParam();
    for (const int step : {0, 9, 40, 72}) {
        for (const bool resultant : {true, false}) {
            SCOPED_TRACE("step " + std::to_string(step) + (resultant ? "" : " without resultant"));
            const std::vector<std::string> normal = Lines(TraceFrame({step, 513, 624, resultant}));
            ASSERT_GT(normal.size(), 4u);
            std::vector<std::string> expected;  // the drawing calls, after the four readouts
            int refusedLines = 0;
            for (std::size_t i = 4; i < normal.size(); ++i) {
                if (row.refuse(KindOf(normal[i]), static_cast<int>(i - 4)))
                    ++refusedLines;
                else
                    expected.push_back(normal[i]);
            }
            ASSERT_GT(refusedLines, 0) << "the row refuses nothing";

            RefusingDc dc(row.refuse);
            const FrameResult frame = DrawFrame({step, 513, 624, resultant}, dc);
            EXPECT_TRUE(frame.complete);
            EXPECT_EQ(Lines(dc.Text()), expected);
            EXPECT_EQ(dc.calls, static_cast<int>(normal.size()) - 4) << "calls issued";
            EXPECT_EQ(dc.refused, refusedLines);
            EXPECT_EQ(dc.LiveObjects(), 0) << "pens and brushes left";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, FailedDrawingCalls,
    ::testing::Values(RefusalRow{"EveryRectangle", [](Call c, int) { return c == kRect; }},
                      RefusalRow{"EveryEllipse", [](Call c, int) { return c == kEllipse; }},
                      RefusalRow{"EveryLine", [](Call c, int) { return c == kLine; }},
                      RefusalRow{"EveryText", [](Call c, int) { return c == kText; }},
                      RefusalRow{"TheFirstCall", [](Call, int n) { return n == 0; }},
                      RefusalRow{"EveryOtherCall", [](Call, int n) { return n % 2 == 0; }},
                      RefusalRow{"EveryCall", [](Call, int) { return true; }}),
    [](const auto& info) { return std::string(info.param.name); });

// No pen at all can be created: everything is drawn with the surface's own pen, a black one-pixel
// line, and every shape and line is still there, where it belongs.
TEST(FailedPens, WithNoPenEverythingIsDrawnWithTheSurfacesOwnPen) {
    class NoPens : public TraceDc {
      public:
        HGDIOBJ CreatePen(int, int, COLORREF) override { return 0; }
    };
    for (const int step : {0, 30, 72}) {
        std::vector<std::string> normal = Lines(TraceFrame({step, 513, 624, true}));
        normal.erase(normal.begin(), normal.begin() + 4);  // the readouts
        NoPens dc;
        DrawFrame({step}, dc);
        const std::vector<std::string> drawn = Lines(dc.Text());
        ASSERT_EQ(drawn.size(), normal.size()) << "step " << step;
        for (std::size_t i = 0; i < normal.size(); ++i) {
            // The same primitive, with the default pen in place of the one asked for.
            std::string line = normal[i];
            if (const auto pen = line.find(" pen "); pen != std::string::npos) {
                const auto brush = line.find(" brush ", pen);
                line.replace(pen, (brush == std::string::npos ? line.size() : brush) - pen,
                             " pen solid 1 000000");
            }
            EXPECT_EQ(drawn[i], line) << "step " << step;
        }
        EXPECT_EQ(dc.LiveObjects(), 0);
    }
}

// --- The window on a surface that fails
// -----------------------------------------------------------

// The window's raster surface, refusing what the test arms.
class FaultyRasterDc : public RasterDc {
  public:
    FaultyRasterDc(int width, int height, double scale)
        : RasterDc(width, height, scale, std::make_unique<QtTextPainter>()) {}
    ~FaultyRasterDc() override { faults::liveAtEnd.push_back(LiveObjects()); }
    HGDIOBJ CreateSolidBrush(COLORREF colour) override {
        return ++m_brushes == faults::failBrushNumber ? 0 : RasterDc::CreateSolidBrush(colour);
    }
    HGDIOBJ CreatePen(int style, int width, COLORREF colour) override {
        return width == faults::failPenWidth ? 0 : RasterDc::CreatePen(style, width, colour);
    }
    bool Ellipse(int l, int t, int r, int b) override {
        return !faults::failEllipses && RasterDc::Ellipse(l, t, r, b);
    }
    using CDC::Rectangle;

  private:
    int m_brushes = 0;
};

// A main window drawing on surfaces that fail when armed.
struct FaultyDialog : CFieldDemoDialog {
    FaultyDialog() {
        SetSurfaceFactory([](int width, int height, double scale) {
            return std::make_unique<FaultyRasterDc>(width, height, scale);
        });
    }
};

CanvasWidget* Canvas(CFieldDemoDialog& d) {
    return static_cast<CanvasWidget*>(d.GetDlgItem(IDC_CANVAS));
}

std::string Text(CFieldDemoDialog& d, int id) {
    return qobject_cast<QLineEdit*>(d.GetDlgItem(id))->text().toStdString();
}

// Every raster surface destroyed since the last call released all its pens and brushes; at least
// one was.
void ExpectNothingLeft(const char* when) {
    EXPECT_FALSE(faults::liveAtEnd.empty()) << when << ": no frame was drawn";
    for (const int live : faults::liveAtEnd)
        EXPECT_EQ(live, 0) << when << ": pens or brushes left on a surface";
    faults::liveAtEnd.clear();
}

// Arms a fault for the lifetime of the object.
struct Armed {
    explicit Armed(const std::function<void()>& arm) {
        faults::liveAtEnd.clear();
        arm();
    }
    ~Armed() { faults::Disarm(); }
};

// The canvas shows no frame: the control's own face, with none of the scene's colours.
bool ShowsNoFrame(CFieldDemoDialog& d) {
    const QImage shown = Canvas(d)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            if (p == qRgb(255, 0, 0) || p == qRgb(0, 255, 0) || p == qRgb(0, 0, 255)) return false;
        }
    return Canvas(d)->Frame().isNull();
}

class BrushFailure : public ::testing::TestWithParam<int> {};

// Whichever of the four brushes cannot be created, each frame is abandoned after its readouts:
// the window stays, the step moves on, and the next frame that can be drawn is drawn in full.
TEST_P(BrushFailure, AbandonsTheFrameButNotTheWindow) {
    const int failing = GetParam();
    FaultyDialog dialog;
    const int result = RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_NEXT));
        {
            Armed fault([&] { faults::failBrushNumber = failing; });
            Click(dialog.GetDlgItem(IDC_NEXT));
            EXPECT_EQ(dialog.m_nStep, 2);
            // The readouts come before the brushes: 2 steps are 20 degrees.
            EXPECT_EQ(Text(dialog, IDC_PHASE_ANGLE), "2*π/18=20°");
            EXPECT_EQ(Text(dialog, IDC_AMP_U), "0.94");
            EXPECT_TRUE(ShowsNoFrame(dialog)) << "an abandoned frame is missing";
            ExpectNothingLeft("abandoned frame");
            // Painting again abandons the frame again; the check box still answers.
            dialog.repaint();
            Click(dialog.GetDlgItem(IDC_SHOW_RESULTANT));
            EXPECT_EQ(dialog.m_bShowResultant, FALSE);
            EXPECT_TRUE(ShowsNoFrame(dialog));
            ExpectNothingLeft("abandoned repaint");
        }
        Click(dialog.GetDlgItem(IDC_NEXT));
        EXPECT_EQ(dialog.m_nStep, 3);
        EXPECT_EQ(Canvas(dialog)->Frame(), RasterFrame({3, 513, 624, false}));
        ExpectNothingLeft("the frame after");
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL) << "the window ended as usual";
}

std::string BrushName(const ::testing::TestParamInfo<int>& info) {
    static const char* const kNames[] = {"White", "Red", "Green", "Blue"};
    return kNames[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(Brushes, BrushFailure, ::testing::Values(1, 2, 3, 4), BrushName);

// A tick whose frame is abandoned does not stop the animation.
TEST(BrushFailureWhileAnimating, TheAnimationGoesOn) {
    FaultyDialog dialog;
    RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_START));
        {
            Armed fault([] { faults::failBrushNumber = 1; });
            dialog.SendMessage(WM_TIMER, CFieldDemoDialog::ANIM_TIMER_ID);
            EXPECT_EQ(dialog.m_nStep, 1);
            EXPECT_TRUE(dialog.HasTimer(CFieldDemoDialog::ANIM_TIMER_ID));
            EXPECT_TRUE(ShowsNoFrame(dialog));
            ExpectNothingLeft("abandoned tick");
        }
        // The platform's own ticks carry on.
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep >= 2; }, 3000));
        dialog.KillTimer(CFieldDemoDialog::ANIM_TIMER_ID);
        EXPECT_EQ(Canvas(dialog)->Frame(), RasterFrame({dialog.m_nStep, 513, 624, true}));
        ExpectNothingLeft("ticks after");
    });
}

QRgb PixelAt(CFieldDemoDialog& d, int x, int y) { return Canvas(d)->Frame().pixel(x, y); }

// The resultant of step 0 runs from the stator centre (256,468) to (360,467); without its 3-pixel
// black pen it is drawn with the pen selected before it, the 1-pixel grey pen of the partial sum.
TEST(PenFailureInTheWindow, TheResultantIsDrawnWithThePreviousPen) {
    FaultyDialog dialog;
    RunModal(dialog, [&] {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Canvas(dialog)->Frame().isNull(); }, 5000));
        EXPECT_EQ(PixelAt(dialog, 300, 468), qRgb(0, 0, 0));
        EXPECT_EQ(PixelAt(dialog, 300, 469), qRgb(0, 0, 0));
        {
            Armed fault([] { faults::failPenWidth = 3; });
            Click(dialog.GetDlgItem(IDC_RESET));
            EXPECT_EQ(PixelAt(dialog, 300, 468), qRgb(192, 192, 192));
            EXPECT_NE(PixelAt(dialog, 300, 469), qRgb(0, 0, 0));
            // Everything else as usual: the top coil side of U is red.
            EXPECT_EQ(PixelAt(dialog, 244, 338), qRgb(255, 0, 0));
            ExpectNothingLeft("frame without the resultant pen");
        }
        Click(dialog.GetDlgItem(IDC_RESET));
        EXPECT_EQ(Canvas(dialog)->Frame(), RasterFrame({0, 513, 624, true}));
    });
}

// Ellipses that fail leave the stator and its coil sides out; the lines after them are drawn.
TEST(DrawingFailureInTheWindow, FailedEllipsesArePassedOver) {
    FaultyDialog dialog;
    RunModal(dialog, [&] {
        {
            Armed fault([] { faults::failEllipses = true; });
            Click(dialog.GetDlgItem(IDC_RESET));
            // Inside the top coil side of U (ellipse 236,318 to 276,358): the white background.
            EXPECT_EQ(PixelAt(dialog, 244, 338), qRgb(255, 255, 255));
            // The resultant, drawn later, is there.
            EXPECT_EQ(PixelAt(dialog, 300, 468), qRgb(0, 0, 0));
            EXPECT_EQ(Text(dialog, IDC_AMP_U), "1.00");
            ExpectNothingLeft("frame without ellipses");
        }
        Click(dialog.GetDlgItem(IDC_NEXT));
        EXPECT_EQ(Canvas(dialog)->Frame(), RasterFrame({1, 513, 624, true}));
    });
}

}  // namespace
