// The explorer window as a lecturer uses it: presets and supply controls, the step keys and
// buttons, the derivation beside the picture, and opening it from the main window's menu while
// that window runs modally. The canvas must show the frame vesk-render draws.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <sstream>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "draw/raster_dc.h"
#include "explorer/explorer_frame.h"
#include "explorer_window.h"
#include "field_demo_dialog.h"
#include "menu.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

namespace {

constexpr double kPi = std::numbers::pi;

template <typename T>
T* Find(QWidget& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

CanvasWidget* Canvas(ExplorerWindow& w) { return Find<CanvasWidget>(w, "canvas"); }

ExplorerInputs InputsOf(ExplorerWindow& w) {
    ExplorerInputs in;
    in.supply = w.CurrentSupply();
    in.step = w.Stepper().Step();
    in.width = Canvas(w)->width();
    in.height = Canvas(w)->height();
    in.scale = Canvas(w)->devicePixelRatioF();
    in.componentsApart = Find<QCheckBox>(w, "componentsApart")->isChecked();
    return in;
}

void ShowAndWait(ExplorerWindow& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(ExplorerWindow, APresetChosenShowsWhatVeskRenderDraws) {
    ExplorerWindow w;
    ShowAndWait(w);
    QComboBox* preset = Find<QComboBox>(w, "preset");
    preset->setFocus();
    PressKey(Qt::Key_Down);  // 反相序
    PressKey(Qt::Key_Down);  // 断U相
    for (int i = 0; i < 3; ++i) PressKey(Qt::Key_Right);
    EXPECT_EQ(preset->currentText().toStdString(), "断U相");
    EXPECT_EQ(w.CurrentSupply(), PresetSupply(Preset::OpenU));
    EXPECT_EQ(w.Stepper().Step(), 3);

    QTemporaryDir dir;
    const QString png = dir.filePath("open-u.png");
    const QSize size = Canvas(w)->size();
    QProcess render;
    render.start(VESK_RENDER_PATH,
                 {"--view", "explorer", "--preset", "open-u", "--step", "3", "--size",
                  QString("%1x%2").arg(size.width()).arg(size.height()), "-o", png});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(Canvas(w)->Frame() == expected)
        << "canvas " << size.width() << "x" << size.height();
    EXPECT_TRUE(Canvas(w)->grab().toImage().convertToFormat(QImage::Format_RGB32) == expected);
}

// A screen reader hears what the picture shows, as the page says it: balanced at 30°, the
// resultant of 3/2 turned with the angle.
TEST(ExplorerWindow, TheCanvasDescribesItsFrame) {
    ExplorerWindow w;
    ShowAndWait(w);
    for (int i = 0; i < 3; ++i) PressKey(Qt::Key_Right);
    EXPECT_EQ(
        Canvas(w)->accessibleDescription().toStdString(),
        "第 3 步，θ = 30°。U 相 0.87，V 相 0.00，W 相 -0.87。合成磁动势 1.50 Fp，指向 30°（从 "
        "U 相轴线逆时针量起）。转向：逆时针。");
}

// Keys and controls, with the step and the mode they leave.
struct StepCase {
    const char* name;
    std::function<void(ExplorerWindow&)> act;
    int step;
    bool playing;
    friend void PrintTo(const StepCase& row, std::ostream* os) { *os << row.name; }
};

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, MoveTheStepAndRedrawAtOnce) {
    ExplorerWindow w;
    ShowAndWait(w);
    GetParam().act(w);
    EXPECT_EQ(w.Stepper().Step(), GetParam().step);
    EXPECT_EQ(w.Stepper().Playing(), GetParam().playing);
    EXPECT_EQ(Find<QPushButton>(w, "playPause")->text().toStdString(),
              GetParam().playing ? "暂停(&P)" : "播放(&P)");
    EXPECT_EQ(Find<QSlider>(w, "angle")->value(), GetParam().step);
    EXPECT_TRUE(Canvas(w)->Frame() == RasterExplorerFrame(InputsOf(w)));
}

INSTANTIATE_TEST_SUITE_P(
    Lecture, Steps,
    ::testing::Values(
        StepCase{"SpacePlays", [](ExplorerWindow&) { PressKey(Qt::Key_Space); }, 0, true},
        StepCase{"LeftWrapsBack", [](ExplorerWindow&) { PressKey(Qt::Key_Left); }, 35, false},
        StepCase{"SliderGoesStraightThere",
                 [](ExplorerWindow& w) { Find<QSlider>(w, "angle")->setValue(20); }, 20, false},
        StepCase{"PlayCarriesOnFromTheStepShown",
                 [](ExplorerWindow& w) {
                     Click(Find<QPushButton>(w, "next"));
                     Click(Find<QPushButton>(w, "next"));
                     Find<QSpinBox>(w, "speed")->setValue(50);
                     Click(Find<QPushButton>(w, "playPause"));
                     ASSERT_TRUE(QTest::qWaitFor([&] { return w.Stepper().Step() == 4; }, 3000));
                     Click(Find<QPushButton>(w, "playPause"));
                 },
                 4, false},
        StepCase{"KeysTypedIntoABoxAreNotShortcuts",
                 [](ExplorerWindow& w) {
                     Find<QSpinBox>(w, "offsetU")->setFocus();
                     PressKey(Qt::Key_Space);
                     PressKey(Qt::Key_Left);
                 },
                 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The supply controls: what each edit makes of the supply, and which preset that is.
struct SupplyCase {
    const char* name;
    std::function<void(ExplorerWindow&)> edit;
    Supply supply;
    const char* preset;
    friend void PrintTo(const SupplyCase& row, std::ostream* os) { *os << row.name; }
};

class Controls : public ::testing::TestWithParam<SupplyCase> {};

TEST_P(Controls, SetTheSupply) {
    ExplorerWindow w;
    ShowAndWait(w);
    GetParam().edit(w);
    EXPECT_EQ(w.CurrentSupply(), GetParam().supply);
    EXPECT_EQ(Find<QComboBox>(w, "preset")->currentText().toStdString(), GetParam().preset);
    EXPECT_TRUE(Canvas(w)->Frame() == RasterExplorerFrame(InputsOf(w)));
}

Supply Unbalanced(double offsetW) {
    Supply s = PresetSupply(Preset::Unbalanced);
    s.offset[2] = offsetW;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Edits, Controls,
    ::testing::Values(SupplyCase{"AnOffsetMakesItCustom",
                                 [](ExplorerWindow& w) {
                                     Find<QComboBox>(w, "preset")->setCurrentIndex(5);
                                     Find<QSpinBox>(w, "offsetW")->setValue(-45);
                                 },
                                 Unbalanced(-45), "自定义"},
                      SupplyCase{"OpenPhaseThenNeutral",
                                 [](ExplorerWindow& w) {
                                     Find<QComboBox>(w, "openPhase")->setCurrentIndex(1);
                                     EXPECT_TRUE(Find<QCheckBox>(w, "neutral")->isEnabled());
                                     Find<QCheckBox>(w, "neutral")->setChecked(true);
                                 },
                                 PresetSupply(Preset::OpenUNeutral), "断U相带中线"},
                      SupplyCase{"SinglePhaseSetsTheOthersAside",
                                 [](ExplorerWindow& w) {
                                     Find<QComboBox>(w, "preset")->setCurrentIndex(2);
                                     Find<QCheckBox>(w, "singlePhase")->setChecked(true);
                                     EXPECT_FALSE(Find<QComboBox>(w, "openPhase")->isEnabled());
                                     EXPECT_FALSE(
                                         Find<QDoubleSpinBox>(w, "amplitudeV")->isEnabled());
                                 },
                                 PresetSupply(Preset::SinglePhase), "单相"},
                      SupplyCase{"NeutralWithoutAnOpenPhase",
                                 [](ExplorerWindow& w) {
                                     Find<QComboBox>(w, "preset")->setCurrentIndex(5);
                                     Find<QCheckBox>(w, "neutral")->setChecked(true);
                                 },
                                 [] {
                                     Supply s = PresetSupply(Preset::Unbalanced);
                                     s.neutral = true;
                                     return s;
                                 }(),
                                 "自定义"},
                      SupplyCase{"SinglePhaseDropsTheNeutral",
                                 [](ExplorerWindow& w) {
                                     Find<QCheckBox>(w, "neutral")->setChecked(true);
                                     Find<QCheckBox>(w, "singlePhase")->setChecked(true);
                                     EXPECT_FALSE(Find<QCheckBox>(w, "neutral")->isEnabled());
                                 },
                                 PresetSupply(Preset::SinglePhase), "单相"}),
    [](const auto& info) { return std::string(info.param.name); });

class TextSizes : public TextPainter {
  public:
    explicit TextSizes(std::vector<int>* sizes) : m_sizes(sizes) {}
    void DrawText(PixelBuffer&, int, int, std::string_view, int pixels, COLORREF, bool) override {
        m_sizes->push_back(pixels);
    }

  private:
    std::vector<int>* m_sizes;
};

// For the classroom screen: F9 or the button folds the panel away and the picture takes its
// room; the derivation shows only when asked for; F+ and F- apart redraw at once.
TEST(ClassroomScreen, ThePanelFoldsAndThePictureGrows) {
    ExplorerWindow w;
    w.resize(1024, 740);
    ShowAndWait(w);
    QWidget* panel = Find<QWidget>(w, "panelScroll");
    const int width = Canvas(w)->width();
    // The readouts, the last 13 rows of label and value, are 16 pixels or more beside the panel.
    std::vector<int> sizes;
    RasterDc dc(width, Canvas(w)->height(), 1, std::make_unique<TextSizes>(&sizes));
    DrawExplorerFrame(InputsOf(w), dc);
    ASSERT_GE(sizes.size(), 26u);
    EXPECT_GE(*std::min_element(sizes.end() - 26, sizes.end()), 16);

    PressKey(Qt::Key_F9);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Canvas(w)->width() > width + panel->width(); }, 2000));
    EXPECT_TRUE(Canvas(w)->Frame() == RasterExplorerFrame(InputsOf(w)));
    Click(Find<QPushButton>(w, "panelToggle"));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Canvas(w)->width() == width; }, 2000));

    QWidget* derivation = Find<QWidget>(w, "derivationGroup");
    EXPECT_FALSE(derivation->isVisible());
    Find<QCheckBox>(w, "showDerivation")->setChecked(true);
    EXPECT_TRUE(derivation->isVisible());

    const QImage before = Canvas(w)->Frame();
    Find<QCheckBox>(w, "componentsApart")->setChecked(true);
    EXPECT_FALSE(Canvas(w)->Frame() == before);
    EXPECT_TRUE(Canvas(w)->Frame() == RasterExplorerFrame(InputsOf(w)));
}

// ---- the derivation beside the picture, evaluated ---------------------------------------------

// Evaluates a formula as written for the class: numbers, √3, degrees (°), + - − * /, brackets,
// cos and sin, and the names Fp, iU, iV, iW, α and ωt. Anything else makes it fail.
class Formula {
  public:
    Formula(const QString& text, std::map<QString, double> names)
        : m_text(QString(text).remove(' ')), m_names(std::move(names)) {}

    double Value() {
        const double v = Sum();
        EXPECT_EQ(m_pos, m_text.size()) << "unread: " << m_text.mid(m_pos).toStdString();
        return v;
    }

  private:
    bool Take(const QString& token) {
        if (!m_text.mid(m_pos).startsWith(token)) return false;
        m_pos += token.size();
        return true;
    }
    double Sum() {
        for (double v = Product();;) {
            if (Take("+"))
                v += Product();
            else if (Take("-") || Take("−"))
                v -= Product();
            else
                return v;
        }
    }
    double Product() {
        for (double v = Factor();;) {
            if (Take("*"))
                v *= Factor();
            else if (Take("/"))
                v /= Factor();
            else
                return v;
        }
    }
    double Factor() {
        if (Take("-") || Take("−")) return -Factor();
        const double v = Atom();
        return Take("°") ? v * kPi / 180 : v;
    }
    double Atom() {
        for (const auto& [name, f] :
             {std::pair<QString, double (*)(double)>{"(", [](double x) { return x; }},
              {"cos(", [](double x) { return std::cos(x); }},
              {"sin(", [](double x) { return std::sin(x); }}}) {
            if (!Take(name)) continue;
            const double v = f(Sum());
            EXPECT_TRUE(Take(")")) << m_text.toStdString();
            return v;
        }
        if (Take("√3")) return std::sqrt(3.0);
        for (const auto& [name, value] : m_names)
            if (Take(name)) return value;
        int end = m_pos;
        while (end < m_text.size() && (m_text[end].isDigit() || m_text[end] == '.')) ++end;
        bool ok = false;
        const double v = m_text.mid(m_pos, end - m_pos).toDouble(&ok);
        EXPECT_TRUE(ok) << "cannot read " << m_text.mid(m_pos).toStdString();
        m_pos = end;
        return v;
    }

    QString m_text;
    int m_pos = 0;
    std::map<QString, double> m_names;
};

// The right-hand side of a labelled formula, evaluated.
double Evaluate(ExplorerWindow& w, const char* label, std::map<QString, double> names) {
    const QString text = Find<QLabel>(w, label)->text();
    return Formula(text.mid(text.indexOf('=') + 1), std::move(names)).Value();
}

// The drawn resultant of a frame, in units of one phase's peak (x right, y up), and the
// currents its readouts show.
struct Drawn {
    Phasor f;
    double pixel;  // one pixel in units of the peak
    std::map<QString, double> names;
};

// The resultant: from the centre, where the dotted axes start, to the tip of its outline, the
// end of the third of the first widest black lines.
Phasor DrawnResultant(const std::string& trace) {
    std::istringstream in(trace);
    int x1, y1, x2, y2, width, widest = 0, count = 0;
    Phasor centre, tip;
    std::string kind, pen, style, colour;
    for (std::string line; std::getline(in, line);) {
        std::istringstream l(line);
        if (!(l >> kind >> x1 >> y1 >> x2 >> y2 >> pen >> style >> width >> colour) ||
            kind != "line")
            continue;
        if (style == "dot" && count == 0 && widest == 0 && colour != "000000")
            centre = Phasor(x1, -y1);
        if (colour != "000000" || width < widest) continue;
        if (width > widest) widest = width, count = 0;
        if (++count == 3) tip = Phasor(x2, -y2);
    }
    return tip - centre;
}

Drawn DrawnFrame(const Supply& supply, int step) {
    // The balanced resultant at 0° is 3/2 of a peak along U's axis.
    const double peak = std::abs(DrawnResultant(TraceExplorerFrame({}))) / 1.5;
    ExplorerInputs in;
    in.supply = supply;
    in.step = step;
    const std::string trace = TraceExplorerFrame(in);
    Drawn d{DrawnResultant(trace) / peak, 1 / peak, {{"Fp", 1.0}, {"ωt", step * kPi / 18}}};
    for (const auto& [key, name] : {std::pair{"u ", "iU"}, {"v ", "iV"}, {"w ", "iW"}})
        d.names[name] = std::stod(trace.substr(trace.find(std::string("readout ") + key) + 10));
    return d;
}

struct DerivationCase {
    const char* name;
    Supply supply;
    int step;
    friend void PrintTo(const DerivationCase& row, std::ostream* os) { *os << row.name; }
};

class Derivation : public ::testing::TestWithParam<DerivationCase> {};

// The components and the wave of the derivation, with the readouts' currents, give the
// resultant as drawn: its length along its own angle and nothing across it.
TEST_P(Derivation, AgreesWithTheDrawnResultant) {
    ExplorerWindow w;
    const Drawn d = DrawnFrame(GetParam().supply, GetParam().step);
    // Readouts carry two decimals; a tip, half a pixel.
    const double tolerance = 0.015 + d.pixel;
    EXPECT_NEAR(Evaluate(w, "derivationX", d.names), d.f.real(), tolerance);
    EXPECT_NEAR(Evaluate(w, "derivationY", d.names), d.f.imag(), tolerance);
    auto at = d.names;
    at["α"] = std::arg(d.f);
    EXPECT_NEAR(Evaluate(w, "derivationGeneral", at), std::abs(d.f), tolerance);
    at["α"] = std::arg(d.f) + kPi / 2;
    EXPECT_NEAR(Evaluate(w, "derivationGeneral", at), 0.0, tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Supplies, Derivation,
    ::testing::Values(DerivationCase{"BalancedAt50", {}, 5},
                      DerivationCase{"OpenUAt70", PresetSupply(Preset::OpenU), 7},
                      DerivationCase{"UnbalancedWithOffsetAt200", Unbalanced(40), 20},
                      DerivationCase{"SinglePhaseAt300", PresetSupply(Preset::SinglePhase), 30}),
    [](const auto& info) { return std::string(info.param.name); });

// The balanced result: 3/2 Fp, its peak at α = ωt, which is where the resultant is drawn.
TEST(Derivation, BalancedPeakTurnsWithTheAngle) {
    ExplorerWindow w;
    for (int step = 0; step < kExplorerSteps; step += 5) {
        const Drawn d = DrawnFrame({}, step);
        auto at = d.names;
        at["α"] = std::arg(d.f);
        EXPECT_NEAR(Evaluate(w, "derivationBalanced", at), 1.5, 0.01) << "step " << step;
        at["α"] = step * kPi / 18 + 0.7;
        EXPECT_NEAR(Evaluate(w, "derivationBalanced", at), Evaluate(w, "derivationGeneral", at),
                    0.02)
            << "step " << step;
    }
    // A pulsating wave is two halves turning opposite ways: both sides of the identity agree.
    const QString split = Find<QLabel>(w, "derivationSplit")->text();
    for (const auto& [wt, alpha] : {std::pair{0.3, 1.1}, {2.0, -0.4}, {4.4, 2.9}}) {
        const std::map<QString, double> names{{"ωt", wt}, {"α", alpha}};
        EXPECT_NEAR(Formula(split.section('=', 0, 0), names).Value(),
                    Formula(split.section('=', 1), names).Value(), 1e-12);
    }
}

// ---- opened from the main window ---------------------------------------------------------------

QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

TEST(FromTheMainWindow, TheWindowMenuOpensOneExplorerThatTheModalRunDoesNotBlock) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        auto explorerEntry = [](const QMenu& menu) -> QAction* {
            for (QAction* action : menu.actions())
                if (action->data().toUInt() == IDM_EXPLORER) return action;
            return nullptr;
        };
        const QAction* entry = explorerEntry(dialog.GetSystemMenu(FALSE)->Menu());
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text().toStdString(), "探索(&E)...");
        WhenOpen(OpenPopup, [&](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(explorerEntry(*menu)).center());
        });
        PressKey(Qt::Key_Menu);
        auto* explorer = dialog.findChild<ExplorerWindow*>();
        ASSERT_NE(explorer, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(explorer));
        EXPECT_TRUE(explorer->isWindow());
        // A click goes through the window system, which holds back input from blocked windows.
        Click(Find<QPushButton>(*explorer, "next"));
        EXPECT_EQ(explorer->Stepper().Step(), 1);
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.SendMessage(WM_SYSCOMMAND, IDM_EXPLORER);
        EXPECT_EQ(dialog.findChildren<ExplorerWindow*>().size(), 1);
        EXPECT_TRUE(QTest::qWaitForWindowActive(explorer)) << "raised again";
        EXPECT_EQ(explorer->Stepper().Step(), 1);
    });
}

}  // namespace
