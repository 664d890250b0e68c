#include "capacitor_motor_window.h"

#include <algorithm>

#include <QSignalBlocker>

namespace {
// The start-up's clock ticks at 25 frames a second; a late tick moves it by no more than 0.25 s.
constexpr int kClockInterval = 40;
constexpr double kLongestTick = 0.25;
// The switch's box: as the speed moves it, held closed, held open.
constexpr SwitchSetting kSwitchSettings[] = {SwitchSetting::Automatic, SwitchSetting::Closed,
                                             SwitchSetting::Open};
}  // namespace

CapacitorMotorWindow::CapacitorMotorWindow(QWidget* parent)
    : ViewWindow(View::CapacitorMotor, parent) {
    ui.setupUi(this);
    SetUpView();
    for (QComboBox* box : {ui.kind, ui.switchSetting})
        connect(box, &QComboBox::currentIndexChanged, this, &CapacitorMotorWindow::ReadConfig);
    for (QDoubleSpinBox* box : {ui.startCapacitor, ui.runCapacitor})
        connect(box, &QDoubleSpinBox::valueChanged, this, &CapacitorMotorWindow::ReadConfig);
    connect(ui.reverseAux, &QCheckBox::toggled, this, &CapacitorMotorWindow::ReadConfig);
    connect(ui.load, &QDoubleSpinBox::valueChanged, this, [this](double load) {
        m_session.SetLoad(load);
        Render();
    });
    connect(ui.inertia, &QDoubleSpinBox::valueChanged, this, [this](double inertia) {
        m_session.SetInertia(inertia);
        Render();
    });
    connect(ui.start, &QPushButton::clicked, this, [this] {
        m_session.Start();
        ShowStep();
    });
    connect(&m_clock, &QTimer::timeout, this, &CapacitorMotorWindow::TickClock);
    m_clock.setInterval(kClockInterval);
    ShowValues();
    ui.kind->setFocus();
}

CapacitorMotorWindow::~CapacitorMotorWindow() = default;

ViewSettings CapacitorMotorWindow::Settings() const {
    return CapacitorMotorSettingsOf(m_session.Inputs());
}

CapacitorMotorInputs CapacitorMotorWindow::Inputs() const {
    return CapacitorMotorInputsOf(std::get<CapacitorMotorSettings>(Settings()), Canvas());
}

void CapacitorMotorWindow::Advance(double seconds) {
    m_session.Advance(seconds, ui.slow->isChecked());
    Render();
}

void CapacitorMotorWindow::TickClock() {
    const double seconds = std::min(m_lastTick.restart() / 1000.0, kLongestTick);
    if (m_session.Stepper().Playing()) Advance(seconds);
}

// The field's steps and the start-up's clock run together while it plays.
void CapacitorMotorWindow::ShowStep() {
    if (!m_session.Stepper().Playing()) {
        m_clock.stop();
    } else if (!m_clock.isActive()) {
        m_lastTick.start();
        m_clock.start();
    }
    ViewWindow::ShowStep();
}

// The session leaves out what the kind has not.
void CapacitorMotorWindow::ReadConfig() {
    const auto at = [](const QComboBox* box) {
        return static_cast<std::size_t>(std::max(box->currentIndex(), 0));
    };
    m_session.SetConfig({kCapacitorMotorKinds[at(ui.kind)], ui.startCapacitor->value(),
                         ui.runCapacitor->value(), ui.reverseAux->isChecked(),
                         kSwitchSettings[at(ui.switchSetting)]});
    ShowValues();
    Render();
}

void CapacitorMotorWindow::ShowValues() {
    const QSignalBlocker blockers[] = {
        QSignalBlocker(ui.kind),         QSignalBlocker(ui.startCapacitor),
        QSignalBlocker(ui.runCapacitor), QSignalBlocker(ui.switchSetting),
        QSignalBlocker(ui.reverseAux),   QSignalBlocker(ui.load),
        QSignalBlocker(ui.inertia)};
    const CapacitorMotorConfig& c = m_session.Config();
    const auto kind = std::find(kCapacitorMotorKinds.begin(), kCapacitorMotorKinds.end(), c.kind);
    ui.kind->setCurrentIndex(static_cast<int>(kind - kCapacitorMotorKinds.begin()));
    // A box the kind has not keeps its value for when a kind that has it comes back.
    if (c.startCapacitor) ui.startCapacitor->setValue(*c.startCapacitor);
    if (c.runCapacitor) ui.runCapacitor->setValue(*c.runCapacitor);
    ui.startCapacitor->setEnabled(HasStartCapacitor(c.kind));
    ui.runCapacitor->setEnabled(HasRunCapacitor(c.kind));
    ui.reverseAux->setEnabled(HasAuxiliaryWinding(c.kind));
    ui.reverseAux->setChecked(c.reverseAux);
    ui.switchSetting->setEnabled(HasCentrifugalSwitch(c.kind));
    const auto setting =
        std::find(std::begin(kSwitchSettings), std::end(kSwitchSettings), c.switchSetting);
    ui.switchSetting->setCurrentIndex(static_cast<int>(setting - std::begin(kSwitchSettings)));
    ui.load->setValue(m_session.Load());
    ui.inertia->setValue(m_session.Inertia());
}

void CapacitorMotorWindow::Retranslate() {
    const QSignalBlocker blockers[] = {QSignalBlocker(ui.kind), QSignalBlocker(ui.switchSetting)};
    ui.retranslateUi(this);
    ShowValues();
}
