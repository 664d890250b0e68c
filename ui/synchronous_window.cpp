#include "synchronous_window.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QSignalBlocker>

namespace {
// The start-up's clock ticks at 25 frames a second; a late tick moves it by no more than 0.25 s.
constexpr int kClockInterval = 40;
constexpr double kLongestTick = 0.25;
// How near E's tip a press grabs it, in pixels.
constexpr double kGrab = 16.0;
}  // namespace

SynchronousWindow::SynchronousWindow(QWidget* parent) : ViewWindow(View::Synchronous, parent) {
    ui.setupUi(this);
    SetUpView();
    // Hovering over E's tip shows a hand.
    ui.canvas->setMouseTracking(true);
    const auto change = [this](auto set) {
        return [this, set](auto value) {
            set(value);
            Render();
        };
    };
    connect(ui.fieldCurrent, &QDoubleSpinBox::valueChanged, this,
            change([this](double v) { m_session.SetFieldCurrent(v); }));
    connect(ui.power, &QDoubleSpinBox::valueChanged, this,
            change([this](double v) { m_session.SetPower(v); }));
    connect(ui.load, &QDoubleSpinBox::valueChanged, this,
            change([this](double v) { m_session.SetLoad(v); }));
    connect(ui.inertia, &QDoubleSpinBox::valueChanged, this,
            change([this](double v) { m_session.SetInertia(v); }));
    connect(ui.fieldOn, &QDoubleSpinBox::valueChanged, this,
            change([this](double v) { m_session.SetFieldOn(v); }));
    connect(ui.damper, &QCheckBox::toggled, this,
            change([this](bool on) { m_session.SetDamper(on); }));
    connect(ui.oCurves, &QCheckBox::toggled, this, change([this](bool on) {
                m_session.SetCurves(on ? SynchronousCurves::O : SynchronousCurves::V);
            }));
    connect(ui.start, &QPushButton::clicked, this, [this] {
        m_session.Start();
        ShowStep();
    });
    connect(ui.steady, &QPushButton::clicked, this, [this] {
        m_session.SetPower(m_session.Power());
        ShowStep();
    });
    connect(&m_clock, &QTimer::timeout, this, &SynchronousWindow::TickClock);
    m_clock.setInterval(kClockInterval);
    ShowValues();
    ui.fieldCurrent->setFocus();
}

SynchronousWindow::~SynchronousWindow() = default;

ViewSettings SynchronousWindow::Settings() const {
    return SynchronousSettingsOf(m_session.Inputs());
}

SynchronousInputs SynchronousWindow::Inputs() const {
    return SynchronousInputsOf(std::get<SynchronousSettings>(Settings()), Canvas());
}

void SynchronousWindow::Advance(double seconds) {
    m_session.Advance(seconds, ui.slow->isChecked());
    Render();
}

void SynchronousWindow::TickClock() {
    const double seconds = std::min(m_lastTick.restart() / 1000.0, kLongestTick);
    if (m_session.Stepper().Playing()) Advance(seconds);
}

// The drawing's steps and the start-up's clock run together while it plays.
void SynchronousWindow::ShowStep() {
    if (!m_session.Stepper().Playing()) {
        m_clock.stop();
    } else if (!m_clock.isActive()) {
        m_lastTick.start();
        m_clock.start();
    }
    ViewWindow::ShowStep();
}

bool SynchronousWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.canvas && Point(event)) return true;
    return ViewWindow::eventFilter(watched, event);
}

bool SynchronousWindow::Point(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position();
    const std::optional<SynchronousPixel> tip = SynchronousEmfTip(Inputs());
    const bool near = tip && std::hypot(at.x() - tip->x, at.y() - tip->y) <= kGrab;
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && near) {
        m_dragging = true;
        ui.canvas->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    if (!m_dragging) {
        if (type == QEvent::MouseMove) {
            if (near)
                ui.canvas->setCursor(Qt::OpenHandCursor);
            else
                ui.canvas->unsetCursor();
        }
        return false;
    }
    DragTo(at);
    if (type == QEvent::MouseButtonRelease) {
        m_dragging = false;
        ui.canvas->setCursor(Qt::OpenHandCursor);
    }
    return true;
}

void SynchronousWindow::DragTo(QPointF position) {
    m_session.SetPoint(SynchronousDragTo(Inputs(), position.x(), position.y()));
    ShowValues();
    Render();
}

void SynchronousWindow::ShowValues() {
    const QSignalBlocker blockers[] = {QSignalBlocker(ui.fieldCurrent), QSignalBlocker(ui.power),
                                       QSignalBlocker(ui.load),         QSignalBlocker(ui.inertia),
                                       QSignalBlocker(ui.fieldOn),      QSignalBlocker(ui.damper),
                                       QSignalBlocker(ui.oCurves)};
    ui.fieldCurrent->setValue(m_session.FieldCurrent());
    ui.power->setValue(m_session.Power());
    ui.load->setValue(m_session.Load());
    ui.inertia->setValue(m_session.Inertia());
    ui.fieldOn->setValue(m_session.FieldOn());
    ui.damper->setChecked(m_session.Damper());
    ui.oCurves->setChecked(m_session.Curves() == SynchronousCurves::O);
}

void SynchronousWindow::Retranslate() {
    ui.retranslateUi(this);
    ShowValues();
}
