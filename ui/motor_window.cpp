#include "motor_window.h"

#include <algorithm>
#include <array>

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

#include "font.h"
#include "language.h"
#include "motor_image.h"
#include "preferences.h"
#include "presentation_window.h"
#include "resource.h"
#include "resources.h"

namespace {
constexpr int kCustomPreset = static_cast<int>(kPresets.size());
// The start-up's clock ticks at 25 frames a second; a late tick moves it by no more than 0.25 s.
constexpr int kClockInterval = 40;
constexpr double kLongestTick = 0.25;
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
        m_session.SetLoad(load);
        Render();
    });
    connect(ui.inertia, &QDoubleSpinBox::valueChanged, this, [this](double inertia) {
        m_session.SetInertia(inertia);
        Render();
    });

    const auto run = [this](auto action) {
        return [this, action] {
            action();
            ShowPlaying();
        };
    };
    connect(ui.start, &QPushButton::clicked, this, run([this] { m_session.Start(); }));
    connect(ui.pushForward, &QPushButton::clicked, this, run([this] { m_session.Push(1); }));
    connect(ui.pushBackward, &QPushButton::clicked, this, run([this] { m_session.Push(-1); }));
    const auto playPause = run([this] { m_session.Stepper().PlayPause(); });
    connect(ui.playPause, &QPushButton::clicked, this, playPause);
    connect(new QShortcut(QKeySequence(Qt::Key_Space), this), &QShortcut::activated, this,
            playPause);
    // The picture as it stands, its start-up held where it got to.
    m_present = AddPresentationKeys(this, [this] {
        const MotorInputs in = m_session.Inputs();
        LessonStop stop;
        stop.view = LessonView::Motor;
        stop.supply = in.supply;
        stop.motor = {in.load, in.inertia, in.speed, in.time, in.initialSpeed};
        stop.step = in.step;
        stop.playing = m_session.Stepper().Playing();
        m_session.Stepper().Pause();
        ShowPlaying();
        return stop;
    });
    connect(&m_stepTimer, &QTimer::timeout, this, [this] {
        m_session.Tick();
        Render();
    });
    connect(&m_clock, &QTimer::timeout, this, &MotorWindow::Tick);
    m_stepTimer.setInterval(m_session.Stepper().Interval());
    m_clock.setInterval(kClockInterval);
    ShowSupply();
    ui.preset->setFocus();
}

MotorWindow::~MotorWindow() = default;

MotorInputs MotorWindow::Inputs() const {
    MotorInputs in = m_session.Inputs();
    in.width = ui.canvas->width();
    in.height = ui.canvas->height();
    in.scale = ui.canvas->devicePixelRatioF();
    in.palette = CurrentPalette();
    in.translation = CurrentTranslation();
    return in;
}

void MotorWindow::Advance(double seconds) {
    m_session.Advance(seconds, ui.slow->isChecked());
    Render();
}

void MotorWindow::Tick() {
    const double seconds = std::min(m_lastTick.restart() / 1000.0, kLongestTick);
    if (m_session.Stepper().Playing()) Advance(seconds);
}

void MotorWindow::ShowPlaying() {
    const bool playing = m_session.Stepper().Playing();
    ui.playPause->setText(playing ? tr("暂停(&P)") : tr("播放(&P)"));
    if (playing) {
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
    m_session.SetSupply(PresetSupply(kPresets[index]));
    ShowSupply();
    Render();
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
    s.openPhase = ui.openPhase->currentIndex() - 1;
    // The neutral is a choice of its own here: a motor on four wires with all phases there.
    s.neutral = ui.neutral->isChecked();
    m_session.SetSupply(s);
    ShowSupply();
    Render();
}

void MotorWindow::ShowSupply() {
    m_showingSupply = true;
    const Supply& supply = m_session.CurrentSupply();
    const std::array amplitude{ui.amplitudeU, ui.amplitudeV, ui.amplitudeW};
    const std::array offset{ui.offsetU, ui.offsetV, ui.offsetW};
    for (int x = 0; x < 3; ++x) {
        amplitude[x]->setValue(supply.amplitude[x]);
        offset[x]->setValue(static_cast<int>(supply.offset[x]));
    }
    ui.sequence->setCurrentIndex(supply.sequence == Sequence::Negative ? 1 : 0);
    ui.singlePhase->setChecked(supply.singlePhase);
    if (!supply.singlePhase) ui.openPhase->setCurrentIndex(supply.openPhase + 1);
    ui.neutral->setChecked(supply.neutral);
    const std::optional<Preset> preset = MatchPreset(supply);
    ui.preset->setCurrentIndex(preset ? static_cast<int>(*preset) : kCustomPreset);
    const bool three = !supply.singlePhase;
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
    m_session.Stepper().Pause();
    m_clock.stop();
    m_stepTimer.stop();
    ui.playPause->setText(tr("播放(&P)"));
    QWidget::hideEvent(event);
}
