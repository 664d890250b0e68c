#include "motor_window.h"

#include <algorithm>
#include <array>

#include <QSignalBlocker>

namespace {
constexpr int kCustomPreset = static_cast<int>(kPresets.size());
// The start-up's clock ticks at 25 frames a second; a late tick moves it by no more than 0.25 s.
constexpr int kClockInterval = 40;
constexpr double kLongestTick = 0.25;
}  // namespace

MotorWindow::MotorWindow(QWidget* parent) : ViewWindow(View::Motor, parent) {
    ui.setupUi(this);
    SetUpView();
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
    // The same run, with or without its transient; the angle and the zoom are the transient's.
    connect(ui.dynamic, &QCheckBox::toggled, this, [this] {
        ui.zoom->setEnabled(ui.dynamic->isChecked());
        ui.switchAngle->setEnabled(ui.dynamic->isChecked());
        Render();
    });
    connect(ui.switchAngle, &QSpinBox::valueChanged, this, [this] { Render(); });
    connect(ui.zoom, &QCheckBox::toggled, this, [this] { Render(); });
    ui.zoom->setEnabled(false);
    ui.switchAngle->setEnabled(false);
    for (QDoubleSpinBox* box : {ui.frequency, ui.boost, ui.rotorResistance})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            m_session.SetDrive(
                {ui.frequency->value(), ui.boost->value(), ui.rotorResistance->value()});
            Render();
        });
    connect(ui.page, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_session.SetPage(index == 1 ? MotorPage::Circuit : MotorPage::Field);
        Render();
    });
    const auto run = [this](auto action) {
        return [this, action] {
            action();
            ShowStep();
        };
    };
    connect(ui.start, &QPushButton::clicked, this, run([this] { m_session.Start(); }));
    connect(ui.pushForward, &QPushButton::clicked, this, run([this] { m_session.Push(1); }));
    connect(ui.pushBackward, &QPushButton::clicked, this, run([this] { m_session.Push(-1); }));
    connect(&m_clock, &QTimer::timeout, this, &MotorWindow::TickClock);
    m_clock.setInterval(kClockInterval);
    ShowSupply();
    ui.preset->setFocus();
}

MotorWindow::~MotorWindow() = default;

ViewSettings MotorWindow::Settings() const {
    const MotorInputs in = m_session.Inputs();
    // The transient is a start-up's: a steady state held shows none.
    const bool dynamic = ui.dynamic->isChecked() && !in.speed;
    return MotorSettings{in.supply,
                         in.load,
                         in.inertia,
                         in.speed,
                         in.time,
                         in.initialSpeed,
                         in.rotorAngle,
                         dynamic,
                         double(ui.switchAngle->value()),
                         ui.zoom->isChecked(),
                         in.drive,
                         in.page};
}

MotorInputs MotorWindow::Inputs() const {
    return MotorInputsOf(std::get<MotorSettings>(Settings()), Canvas());
}

// The picture as it stands, its start-up held where it got to and its rotor where the step puts it.
LessonStop MotorWindow::StopShown() const {
    LessonStop stop = ViewWindow::StopShown();
    std::get<MotorSettings>(stop.settings).rotorAngle.reset();
    return stop;
}

void MotorWindow::Advance(double seconds) {
    m_session.Advance(seconds, ui.slow->isChecked());
    Render();
}

void MotorWindow::TickClock() {
    const double seconds = std::min(m_lastTick.restart() / 1000.0, kLongestTick);
    if (m_session.Stepper().Playing()) Advance(seconds);
}

// The drawing's steps and the start-up's clock run together while it plays.
void MotorWindow::ShowStep() {
    if (!m_session.Stepper().Playing()) {
        m_clock.stop();
    } else if (!m_clock.isActive()) {
        m_lastTick.start();
        m_clock.start();
    }
    ViewWindow::ShowStep();
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

void MotorWindow::Retranslate() {
    const QSignalBlocker blocker(ui.preset);
    ui.retranslateUi(this);
    ShowSupply();
}
