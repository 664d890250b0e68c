// The motor window as a lecturer uses it: a preset, then Start from rest or a push, and the
// speed the rotor reaches; slow motion; the canvas shows the core's frame; and it opens from the
// main window's menu while that window runs modally.
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QPushButton>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "draw/raster_dc.h"
#include "draw/trace_dc.h"
#include "field_demo_dialog.h"
#include "language.h"
#include "motor_window.h"
#include "resource.h"
#include "scene_font.h"
#include "view_frames.h"
#include "view_windows.h"

namespace {

template <typename T>
T* Find(QWidget& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void ChoosePreset(MotorWindow& w, int downs) {
    Find<QComboBox>(w, "preset")->setFocus();
    for (int k = 0; k < downs; ++k) PressKey(Qt::Key_Down);
}

// The buttons clicked, then the clock stopped and moved on by hand, so that the run is exact.
void Run(MotorWindow& w, std::initializer_list<const char*> buttons, double seconds) {
    for (const char* name : buttons) Click(Find<QPushButton>(w, name));
    Click(Find<QPushButton>(w, "playPause"));
    ASSERT_FALSE(w.Stepper().Playing());
    w.Advance(seconds);
}

struct Lesson {
    const char* name;
    int preset;  // downs from balanced: 1 reversed, 4 single phase
    std::function<void(MotorWindow&)> act;
    double low;  // the speed reached lies between these, in rpm
    double high;
    MotorState state;
    friend void PrintTo(const Lesson& row, std::ostream* os) { *os << row.name; }
};

class Lessons : public ::testing::TestWithParam<Lesson> {};

TEST_P(Lessons, TheRotorGoesWhereTheTorqueSends) {
    MotorWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ChoosePreset(w, GetParam().preset);
    GetParam().act(w);
    EXPECT_GE(w.Speed(), GetParam().low);
    EXPECT_LE(w.Speed(), GetParam().high);
    TraceDc dc;
    EXPECT_EQ(DrawMotorFrame(w.Inputs(), dc).readouts.state, GetParam().state);
    EXPECT_TRUE(Find<CanvasWidget>(w, "canvas")->Frame() == RasterMotorFrame(w.Inputs()));
    EXPECT_EQ(Find<QPushButton>(w, "playPause")->text().toStdString(), "播放(&P)");
}

// A balanced start passes 1484 rpm after 1 s; the few milliseconds the clock ran between the
// clicks add a little. A push gives ±150 rpm, from which a single phase runs up slowly: 289 rpm
// after 3 s. Ten times slower, 1 s of the clock is 0.1 s of the run: about 130 rpm.
INSTANTIATE_TEST_SUITE_P(Window, Lessons,
                         ::testing::Values(Lesson{"BalancedStarts", 0,
                                                  [](MotorWindow& w) { Run(w, {"start"}, 1.0); },
                                                  1480, 1495, MotorState::Accelerating},
                                           Lesson{"ReversedRunsBackwards", 1,
                                                  [](MotorWindow& w) { Run(w, {"start"}, 3.0); },
                                                  -1500, -1480, MotorState::Running},
                                           Lesson{"SinglePhaseStaysStalled", 4,
                                                  [](MotorWindow& w) { Run(w, {"start"}, 3.0); },
                                                  -0.5, 0.5, MotorState::Stalled},
                                           Lesson{"SinglePhasePushedForward", 4,
                                                  [](MotorWindow& w) {
                                                      Run(w, {"start", "pushForward"}, 3.0);
                                                  },
                                                  280, 300, MotorState::Accelerating},
                                           Lesson{"SinglePhasePushedBackward", 4,
                                                  [](MotorWindow& w) {
                                                      Run(w, {"start", "pushBackward"}, 3.0);
                                                  },
                                                  -300, -280, MotorState::Accelerating},
                                           Lesson{"SlowedTenTimes", 0,
                                                  [](MotorWindow& w) {
                                                      Click(Find<QCheckBox>(w, "slow"));
                                                      Run(w, {"start"}, 1.0);
                                                  },
                                                  100, 160, MotorState::Accelerating}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MotorWindow, PlayRunsTheClockAndTheSteps) {
    MotorWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Click(Find<QPushButton>(w, "start"));
    EXPECT_TRUE(w.Stepper().Playing());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Stepper().Step() >= 2; }, 3000));
    EXPECT_GT(w.Speed(), 100);
    PressKey(Qt::Key_Space);
    EXPECT_FALSE(w.Stepper().Playing());
    const double speed = w.Speed();
    QTest::qWait(120);
    EXPECT_EQ(w.Speed(), speed);
}

// The transient's controls are the table's parameters: the box takes switch-angle's range, and
// the frame the window draws has the transient only for a start-up.
TEST(MotorWindow, DynamicControlsSetTheSettings) {
    MotorWindow w;
    auto* box = Find<QSpinBox>(w, "switchAngle");
    EXPECT_EQ(box->maximum(), 360);
    EXPECT_FALSE(box->isEnabled());
    Find<QCheckBox>(w, "dynamic")->setChecked(true);
    EXPECT_TRUE(box->isEnabled());
    box->setValue(90);
    Find<QCheckBox>(w, "zoom")->setChecked(true);
    const MotorSettings s = std::get<MotorSettings>(w.Settings());
    EXPECT_TRUE(s.dynamic);
    EXPECT_EQ(s.switchAngle, 90.0);
    EXPECT_TRUE(s.zoom);
}

// The texts as the host's painter is asked for them: the glyphs' box from the scene font's
// metrics, and the size asked for.
struct Text {
    QRectF box;
    int pixels;
    std::string text;
};

class TextBoxes : public TextPainter {
  public:
    explicit TextBoxes(std::vector<Text>* texts) : m_texts(texts) {}
    void DrawText(PixelBuffer&, int x, int y, std::string_view text, int pixels, COLORREF,
                  bool) override {
        const QFontMetrics metrics(SceneFont(pixels));
        const QRect ink = metrics.tightBoundingRect(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        m_texts->push_back(
            {QRectF(ink).translated(x, y + metrics.ascent()), pixels, std::string(text)});
    }

  private:
    std::vector<Text>* m_texts;
};

// The window on a 1024x768 and a 1366x768 screen with its panel, and the handout's picture, in both
// languages: every text of the picture is 12 pixels or more, inside its pane and clear of every
// other.
TEST(SmallScreens, EveryTextReadableInItsPane) {
    for (const Language language : {Language::Chinese, Language::English}) {
        SetLanguage(language);
        // The window's canvas on either screen, and the design size a handout prints.
        for (const int width : {1024, 1366, 0}) {
            MotorWindow w;
            w.resize(std::max(width, 1024), 740);
            w.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
            MotorInputs in = w.Inputs();
            ASSERT_LE(in.width, std::max(width, 1024) - 400);
            if (width == 0) {
                in.width = kMotorWidth;
                in.height = kMotorHeight;
            }
            const double middle = std::lround(in.width * 0.5);
            const double left = std::lround(in.height * 0.53), right = std::lround(in.height * 0.5);
            const QRectF panes[] = {{0, 0, middle, left},
                                    {0, left, middle, in.height - left},
                                    {middle, 0, in.width - middle, right},
                                    {middle, right, in.width - middle, in.height - right}};
            Supply single;
            single.singlePhase = true;
            const std::tuple<Supply, std::optional<double>, bool> states[] = {
                {Supply{}, std::nullopt, false},
                {PresetSupply(Preset::Reversed), 1450.0, false},
                {single, 153.0, false},
                {PresetSupply(Preset::OpenUNeutral), 3000.0, false},
                {PresetSupply(Preset::Unbalanced), std::nullopt, true}};
            for (const auto& [supply, speed, dynamic] : states) {
                in.supply = supply;
                in.speed = speed;
                in.dynamic = dynamic;
                in.time = dynamic ? 0.05 : in.time;
                in.load = 40;
                std::vector<Text> texts;
                RasterDc dc(in.width, in.height, 1, std::make_unique<TextBoxes>(&texts));
                DrawMotorFrame(in, dc);
                ASSERT_GT(texts.size(), 50u);
                for (size_t i = 0; i < texts.size(); ++i) {
                    const Text& a = texts[i];
                    const std::string where = std::to_string(width) + " " + a.text;
                    EXPECT_GE(a.pixels, 12) << where;
                    const QPointF corner(a.box.left() + 0.5, a.box.top() + 0.5);
                    int inside = 0;
                    for (const QRectF& pane : panes)
                        inside += pane.contains(corner) && pane.contains(a.box) ? 1 : 0;
                    EXPECT_EQ(inside, 1) << where;
                    for (size_t j = i + 1; j < texts.size(); ++j)
                        EXPECT_FALSE(a.box.intersects(texts[j].box))
                            << where << " on " << texts[j].text;
                }
            }
        }
    }
    SetLanguage(Language::Chinese);
}

TEST(FromTheMainWindow, TheMenuOpensOneMotorWindow) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::Motor));
        auto* motor = dialog.findChild<MotorWindow*>();
        ASSERT_NE(motor, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(motor));
        Click(Find<QPushButton>(*motor, "pushForward"));
        EXPECT_GE(motor->Speed(), 150);
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::Motor));
        EXPECT_EQ(dialog.findChildren<MotorWindow*>().size(), 1);
    });
}

}  // namespace
