#include "motor_window.h"

#include <algorithm>
#include <array>
#include <numbers>

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

#include "font.h"
#include "language.h"
#include "motor_image.h"
#include "preferences.h"
#include "resource.h"
#include "resources.h"

namespace {
constexpr int kCustomPreset = static_cast<int>(kPresets.size());
// The start-up's clock ticks at 25 frames a second; a late tick moves it by no more than 0.25 s.
constexpr int kClockInterval = 40;
constexpr double kLongestTick = 0.25;
constexpr double kSlowDown = 10.0;
}  // namespace

MotorWindow::MotorWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    ui.setupUi(this);
    QFont font = DialogFont();
    font.setPointSize(10);
    setFont(font);
    if (const HICON icon = LoadIcon(IDR_MAINFRAME)) setWindowIcon(*icon);
    if (const QScreen* s = screen()) resize(size().boundedTo(s->availableSize()));
    ui.canvas->installEventFilter(this);

    connect(ui.preset, &QComboBox::currentIndexChanged, this, &MotorWindow::ChoosePreset);
    for (QDoubleSpinBox* box : {ui.amplitudeU, ui.amplitudeV, ui.amplitudeW})
        connect(box, &QDoubleSpinBox::valueChanged, this, &MotorWindow::ReadSupply);
    for (QSpinBox* box : {ui.offsetU, ui.offsetV, ui.offsetW})
        connect(box, &QSpinBox::valueChanged, this, &MotorWindow::ReadSupply);
    for (QComboBox* box : {ui.sequence, ui.openPhase})
        connect(box, &QComboBox::currentIndexChanged, this, &MotorWindow::ReadSupply);
    for (QCheckBox* box : {ui.neutral, ui.singlePhase})
        connect(box, &QCheckBox::toggled, this, &MotorWindow::ReadSupply);
    connect(ui.load, &QDoubleSpinBox::valueChanged, this, [this](double load) {
        const double speed = Speed();
        m_load = load;
        Restart(speed);
    });
    connect(ui.inertia, &QDoubleSpinBox::valueChanged, this, [this](double inertia) {
        const double speed = Speed();
        m_inertia = inertia;
        Restart(speed);
    });

    connect(ui.start, &QPushButton::clicked, this, [this] {
        m_rotor = 0.0;
        Restart(0.0);
        if (!m_stepper.Playing()) m_stepper.PlayPause();
        ShowPlaying();
    });
    connect(ui.pushForward, &QPushButton::clicked, this, [this] { Push(motor::kPushSpeed); });
    connect(ui.pushBackward, &QPushButton::clicked, this, [this] { Push(-motor::kPushSpeed); });
    const auto playPause = [this] {
        m_stepper.PlayPause();
        ShowPlaying();
    };
    connect(ui.playPause, &QPushButton::clicked, this, playPause);
    connect(new QShortcut(QKeySequence(Qt::Key_Space), this), &QShortcut::activated, this,
            playPause);
    connect(&m_stepTimer, &QTimer::timeout, this, [this] {
        // The rotor turns n/n_s of the field's step, which is 1/p of the electrical one.
        m_rotor += Speed() / motor::kSynchronousSpeed * ExplorerAngle(1) / motor::kPolePairs;
        m_rotor = std::remainder(m_rotor, 2.0 * std::numbers::pi);
        m_stepper.Tick();
        Render();
    });
    connect(&m_clock, &QTimer::timeout, this, &MotorWindow::Tick);
    m_stepTimer.setInterval(m_stepper.Interval());
    m_clock.setInterval(kClockInterval);
    Restart(0.0);
    ShowSupply();
    ui.preset->setFocus();
}

MotorWindow::~MotorWindow() = default;

double MotorWindow::Speed() { return m_run ? m_run->SpeedAt(m_time) : m_initial; }

MotorInputs MotorWindow::Inputs() const {
    MotorInputs in;
    in.supply = m_supply;
    in.load = m_load;
    in.inertia = m_inertia;
    in.time = m_time;
    in.initialSpeed = m_initial;
    in.step = m_stepper.Step();
    in.rotorAngle = m_rotor;
    in.width = ui.canvas->width();
    in.height = ui.canvas->height();
    in.scale = ui.canvas->devicePixelRatioF();
    in.palette = CurrentPalette();
    in.translation = CurrentTranslation();
    return in;
}

void MotorWindow::Restart(double speed) {
    m_initial = std::clamp(speed, -motor::kMaxSpeed, motor::kMaxSpeed);
    m_time = 0.0;
    m_run.emplace(MotorModel(m_supply), MotorRunInputs{m_supply, m_load, m_inertia, m_initial});
    Render();
}

void MotorWindow::Push(double by) {
    Restart(Speed() + by);
    if (!m_stepper.Playing()) m_stepper.PlayPause();
    ShowPlaying();
}

void MotorWindow::Advance(double seconds) {
    m_time += seconds / (ui.slow->isChecked() ? kSlowDown : 1.0);
    // A run goes on as a new one from where it got to, so that the clock never stops.
    if (m_time >= motor::kMaxTime) Restart(m_run->SpeedAt(motor::kMaxTime));
    Render();
}

void MotorWindow::Tick() {
    const double seconds = std::min(m_lastTick.restart() / 1000.0, kLongestTick);
    if (m_stepper.Playing()) Advance(seconds);
}

void MotorWindow::ShowPlaying() {
    ui.playPause->setText(m_stepper.Playing() ? tr("暂停(&P)") : tr("播放(&P)"));
    if (m_stepper.Playing()) {
        if (!m_clock.isActive()) {
            m_lastTick.start();
            m_clock.start();
            m_stepTimer.start();
        }
    } else {
        m_clock.stop();
        m_stepTimer.stop();
    }
    Render();
}

void MotorWindow::ChoosePreset(int index) {
    if (m_showingSupply || index < 0 || index >= kCustomPreset) return;
    const double speed = Speed();
    m_supply = PresetSupply(kPresets[index]);
    ShowSupply();
    Restart(speed);
}

void MotorWindow::ReadSupply() {
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
    s.openPhase = s.singlePhase ? kNoPhase : ui.openPhase->currentIndex() - 1;
    // The neutral is a choice of its own here: a motor on four wires with all phases there.
    s.neutral = ui.neutral->isChecked() && !s.singlePhase;
    const double speed = Speed();
    m_supply = ClampSupply(s);
    ShowSupply();
    Restart(speed);
}

void MotorWindow::ShowSupply() {
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
    const bool three = !m_supply.singlePhase;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.amplitudeV, ui.amplitudeW, ui.offsetV, ui.offsetW,
                                         ui.sequence, ui.openPhase, ui.neutral})
        w->setEnabled(three);
    m_showingSupply = false;
}

void MotorWindow::Render() {
    if (!isVisible()) return;
    const MotorInputs inputs = Inputs();
    ui.canvas->ShowFrame(RasterMotorFrame(inputs));
}

bool MotorWindow::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const QSignalBlocker blocker(ui.preset);
        ui.retranslateUi(this);
        ShowSupply();
        ShowPlaying();
    } else if (event->type() == AppearanceChangeEvent()) {
        Render();
    }
    return QWidget::event(event);
}

bool MotorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.canvas && event->type() == QEvent::Resize) Render();
    return QWidget::eventFilter(watched, event);
}

void MotorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Render();
}

void MotorWindow::hideEvent(QHideEvent* event) {
    // A hidden window neither animates nor runs its clock; it goes on from here when it is back.
    m_stepper.Pause();
    m_clock.stop();
    m_stepTimer.stop();
    ui.playPause->setText(tr("播放(&P)"));
    QWidget::hideEvent(event);
}
