#include "explorer_window.h"

#include <algorithm>
#include <array>

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

#include "explorer/explorer_frame.h"
#include "font.h"
#include "language.h"
#include "preferences.h"
#include "presentation_window.h"
#include "raster_image.h"
#include "resource.h"
#include "resources.h"

namespace {
// The preset box lists kPresets in order, then "custom" for any other supply.
constexpr int kCustomPreset = static_cast<int>(kPresets.size());
}  // namespace

ExplorerWindow::ExplorerWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    ui.setupUi(this);
    // The main window's families, a point larger: the lecturer reads these standing.
    QFont font = DialogFont();
    font.setPointSize(10);
    setFont(font);
    if (const HICON icon = LoadIcon(IDR_MAINFRAME)) setWindowIcon(*icon);
    if (const QScreen* s = screen()) resize(size().boundedTo(s->availableSize()));
    ui.canvas->installEventFilter(this);

    connect(ui.preset, &QComboBox::currentIndexChanged, this, &ExplorerWindow::ChoosePreset);
    for (QDoubleSpinBox* box : {ui.amplitudeU, ui.amplitudeV, ui.amplitudeW})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ExplorerWindow::ReadSupply);
    for (QSpinBox* box : {ui.offsetU, ui.offsetV, ui.offsetW})
        connect(box, &QSpinBox::valueChanged, this, &ExplorerWindow::ReadSupply);
    for (QComboBox* box : {ui.sequence, ui.openPhase})
        connect(box, &QComboBox::currentIndexChanged, this, &ExplorerWindow::ReadSupply);
    for (QCheckBox* box : {ui.neutral, ui.singlePhase})
        connect(box, &QCheckBox::toggled, this, &ExplorerWindow::ReadSupply);

    connect(ui.componentsApart, &QCheckBox::toggled, this, &ExplorerWindow::Render);
    // The derivation waits below the controls until it is asked for: on a small screen the
    // controls fit without scrolling.
    ui.derivationGroup->setVisible(false);
    connect(ui.showDerivation, &QCheckBox::toggled, ui.derivationGroup, &QWidget::setVisible);
    connect(ui.panelToggle, &QPushButton::clicked, this, &ExplorerWindow::TogglePanel);
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this,
            &ExplorerWindow::TogglePanel);

    const auto stepper = [this](void (ExplorerStepper::*action)()) {
        return [this, action] {
            (m_stepper.*action)();
            ShowStep();
        };
    };
    connect(ui.playPause, &QPushButton::clicked, this, stepper(&ExplorerStepper::PlayPause));
    connect(ui.previous, &QPushButton::clicked, this, stepper(&ExplorerStepper::Previous));
    connect(ui.next, &QPushButton::clicked, this, stepper(&ExplorerStepper::Next));
    connect(ui.reset, &QPushButton::clicked, this, stepper(&ExplorerStepper::Reset));
    connect(&m_timer, &QTimer::timeout, this, stepper(&ExplorerStepper::Tick));
    // Space and the arrows work wherever the focus is, except in a box being typed into.
    const auto key = [this](Qt::Key k, auto action) {
        connect(new QShortcut(QKeySequence(k), this), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Space, stepper(&ExplorerStepper::PlayPause));
    key(Qt::Key_Left, stepper(&ExplorerStepper::Previous));
    key(Qt::Key_Right, stepper(&ExplorerStepper::Next));
    m_present = AddPresentationKeys(this, [this] {
        LessonStop stop;
        stop.view = LessonView::Explorer;
        stop.supply = m_supply;
        stop.step = m_stepper.Step();
        stop.playing = m_stepper.Playing();
        m_stepper.Pause();
        ShowStep();
        return stop;
    });

    connect(ui.angle, &QSlider::valueChanged, this, [this](int step) {
        // The slider follows the step too; only a move of its own is a seek.
        if (step == m_stepper.Step()) return;
        m_stepper.Seek(step);
        ShowStep();
    });
    connect(ui.speed, &QSpinBox::valueChanged, this, [this](int ms) {
        m_stepper.SetInterval(ms);
        m_timer.setInterval(m_stepper.Interval());
    });
    m_timer.setInterval(m_stepper.Interval());
    ShowSupply();
    // The keys work from anywhere; the preset box, first in the tab order, starts with the focus.
    ui.preset->setFocus();
}

ExplorerWindow::~ExplorerWindow() = default;

void ExplorerWindow::ChoosePreset(int index) {
    if (m_showingSupply || index < 0 || index >= kCustomPreset) return;
    m_supply = PresetSupply(kPresets[index]);
    ShowSupply();
    Render();
}

void ExplorerWindow::ReadSupply() {
    if (m_showingSupply) return;
    const std::array amplitude{ui.amplitudeU, ui.amplitudeV, ui.amplitudeW};
    const std::array offset{ui.offsetU, ui.offsetV, ui.offsetW};
    Supply s;
    for (int x = 0; x < 3; ++x) {
        s.amplitude[x] = amplitude[x]->value();
        s.offset[x] = offset[x]->value();
    }
    s.sequence = ui.sequence->currentIndex() == 1 ? Sequence::Negative : Sequence::Positive;
    s.singlePhase = ui.singlePhase->isChecked();
    s.openPhase = ui.openPhase->currentIndex() - 1;
    s.neutral = ui.neutral->isChecked();
    m_supply = ControlledSupply(s);
    ShowSupply();
    Render();
}

void ExplorerWindow::ShowSupply() {
    m_showingSupply = true;
    const std::array amplitude{ui.amplitudeU, ui.amplitudeV, ui.amplitudeW};
    const std::array offset{ui.offsetU, ui.offsetV, ui.offsetW};
    for (int x = 0; x < 3; ++x) {
        amplitude[x]->setValue(m_supply.amplitude[x]);
        offset[x]->setValue(static_cast<int>(m_supply.offset[x]));
    }
    ui.sequence->setCurrentIndex(m_supply.sequence == Sequence::Negative ? 1 : 0);
    ui.singlePhase->setChecked(m_supply.singlePhase);
    if (!m_supply.singlePhase) ui.openPhase->setCurrentIndex(m_supply.openPhase + 1);
    ui.neutral->setChecked(m_supply.neutral);
    const std::optional<Preset> preset = MatchPreset(m_supply);
    ui.preset->setCurrentIndex(preset ? static_cast<int>(*preset) : kCustomPreset);

    // What a single phase or a closed star leaves out cannot be set.
    const bool three = !m_supply.singlePhase;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.amplitudeV, ui.amplitudeW, ui.offsetV,
                                                      ui.offsetW, ui.sequence, ui.openPhase})
        w->setEnabled(three);
    ui.neutral->setEnabled(three);
    m_showingSupply = false;
}

void ExplorerWindow::ShowStep() {
    ui.playPause->setText(m_stepper.Playing() ? tr("暂停(&P)") : tr("播放(&P)"));
    if (!m_stepper.Playing())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
    ui.angle->setValue(m_stepper.Step());
    Render();
}

void ExplorerWindow::Render() {
    if (!isVisible()) return;
    CanvasWidget* canvas = ui.canvas;
    // Drawn at the screen's resolution, as in the main window.
    const double scale = canvas->devicePixelRatioF();
    ExplorerInputs inputs;
    inputs.supply = m_supply;
    inputs.step = m_stepper.Step();
    inputs.width = canvas->width();
    inputs.height = canvas->height();
    inputs.scale = scale;
    inputs.palette = CurrentPalette();
    inputs.translation = CurrentTranslation();
    inputs.componentsApart = ui.componentsApart->isChecked();
    const std::unique_ptr<RasterDc> dc = MakeRasterDc(inputs.width, inputs.height, inputs.scale);
    const ExplorerResult frame = DrawExplorerFrame(inputs, *dc);
    canvas->setAccessibleDescription(QString::fromStdString(frame.description));
    canvas->ShowFrame(frame.complete ? ToImage(dc->TakePixels()) : QImage());
}

void ExplorerWindow::TogglePanel() {
    const bool fold = ui.panelScroll->isVisible();
    ui.panelScroll->setVisible(!fold);
    ui.panelToggle->setText(fold ? QStringLiteral("«") : QStringLiteral("»"));
}

// A new language or palette: the texts and the frame are drawn again in it at once.
bool ExplorerWindow::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const QSignalBlocker blocker(ui.preset);
        ui.retranslateUi(this);
        ShowSupply();
        ShowStep();
    } else if (event->type() == AppearanceChangeEvent()) {
        Render();
    }
    return QWidget::event(event);
}

bool ExplorerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.canvas && event->type() == QEvent::Resize) Render();
    return QWidget::eventFilter(watched, event);
}

void ExplorerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Render();
}

void ExplorerWindow::hideEvent(QHideEvent* event) {
    // A closed or minimised window does not animate; it shows the same step when it comes back.
    m_stepper.Pause();
    m_timer.stop();
    ui.playPause->setText(tr("播放(&P)"));
    QWidget::hideEvent(event);
}
