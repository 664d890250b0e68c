#include "windings_window.h"

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

#include "font.h"
#include "language.h"
#include "preferences.h"
#include "presentation_window.h"
#include "resource.h"
#include "resources.h"
#include "winding_image.h"

namespace {
// The preset box lists kWindingPresets in order, then "custom" for any other winding.
constexpr int kCustomPreset = static_cast<int>(kWindingPresets.size());
}  // namespace

WindingsWindow::WindingsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    ui.setupUi(this);
    QFont font = DialogFont();
    font.setPointSize(10);
    setFont(font);
    if (const HICON icon = LoadIcon(IDR_MAINFRAME)) setWindowIcon(*icon);
    if (const QScreen* s = screen()) resize(size().boundedTo(s->availableSize()));
    ui.canvas->installEventFilter(this);

    connect(ui.preset, &QComboBox::currentIndexChanged, this, &WindingsWindow::ChoosePreset);
    for (QComboBox* box : {ui.poles, ui.slotCount, ui.layers, ui.pitch, ui.sequence})
        connect(box, &QComboBox::currentIndexChanged, this, &WindingsWindow::ReadWinding);
    connect(ui.frequency, &QSpinBox::valueChanged, this, &WindingsWindow::Render);
    connect(ui.fluxLines, &QCheckBox::toggled, this, &WindingsWindow::Render);

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
    const auto key = [this](Qt::Key k, auto action) {
        connect(new QShortcut(QKeySequence(k), this), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Space, stepper(&ExplorerStepper::PlayPause));
    key(Qt::Key_Left, stepper(&ExplorerStepper::Previous));
    key(Qt::Key_Right, stepper(&ExplorerStepper::Next));
    m_present = AddPresentationKeys(this, [this] {
        const WindingInputs in = Inputs();
        LessonStop stop;
        stop.view = LessonView::Winding;
        stop.winding = {in.winding, in.sequence, in.frequency, in.fluxLines};
        stop.step = m_stepper.Step();
        stop.playing = m_stepper.Playing();
        m_stepper.Pause();
        ShowStep();
        return stop;
    });
    connect(ui.angle, &QSlider::valueChanged, this, [this](int step) {
        if (step == m_stepper.Step()) return;
        m_stepper.Seek(step);
        ShowStep();
    });
    connect(ui.speed, &QSpinBox::valueChanged, this, [this](int ms) {
        m_stepper.SetInterval(ms);
        m_timer.setInterval(m_stepper.Interval());
    });
    m_timer.setInterval(m_stepper.Interval());
    ShowWinding();
    ui.preset->setFocus();
}

WindingsWindow::~WindingsWindow() = default;

WindingInputs WindingsWindow::Inputs() const {
    WindingInputs in;
    in.winding = m_winding;
    in.step = m_stepper.Step();
    in.sequence = ui.sequence->currentIndex() == 1 ? Sequence::Negative : Sequence::Positive;
    in.frequency = ui.frequency->value();
    in.fluxLines = ui.fluxLines->isChecked();
    in.width = ui.canvas->width();
    in.height = ui.canvas->height();
    in.scale = ui.canvas->devicePixelRatioF();
    in.palette = CurrentPalette();
    in.translation = CurrentTranslation();
    return in;
}

void WindingsWindow::ChoosePreset(int index) {
    if (m_showing || index < 0 || index >= kCustomPreset) return;
    m_winding = PresetWinding(kWindingPresets[index]);
    ShowWinding();
    Render();
}

void WindingsWindow::ReadWinding() {
    if (m_showing) return;
    Winding w;
    w.poles = ui.poles->currentData().toInt();
    w.slotCount = ui.slotCount->currentData().toInt();
    w.layers = ui.layers->currentIndex() + 1;
    w.pitch = ui.pitch->currentData().toInt();
    m_winding = ControlledWinding(m_winding, w);
    ShowWinding();
    Render();
}

void WindingsWindow::ShowWinding() {
    m_showing = true;
    const Winding& w = m_winding;
    for (int i = 0; i < ui.poles->count(); ++i) ui.poles->setItemData(i, 2 * (i + 1));
    ui.poles->setCurrentIndex(w.poles / 2 - 1);
    ui.slotCount->clear();
    for (int q = 1; q <= 4; ++q)
        ui.slotCount->addItem(QString::number(3 * w.poles * q), 3 * w.poles * q);
    ui.slotCount->setCurrentIndex(w.SlotsPerPolePhase() - 1);
    ui.layers->setCurrentIndex(w.layers - 1);
    ui.pitch->clear();
    const int tau = w.PolePitch();
    for (int y = w.layers == 1 ? tau : 1; y <= tau; ++y)
        ui.pitch->addItem(QStringLiteral("%1/%2").arg(y).arg(tau), y);
    ui.pitch->setCurrentIndex(ui.pitch->findData(w.pitch));
    ui.pitch->setEnabled(w.layers == 2);
    int preset = kCustomPreset;
    for (int i = 0; i < kCustomPreset; ++i)
        if (PresetWinding(kWindingPresets[i]) == w) preset = i;
    ui.preset->setCurrentIndex(preset);
    m_showing = false;
}

void WindingsWindow::ShowStep() {
    ui.playPause->setText(m_stepper.Playing() ? tr("暂停(&P)") : tr("播放(&P)"));
    if (!m_stepper.Playing())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
    ui.angle->setValue(m_stepper.Step());
    Render();
}

void WindingsWindow::Render() {
    if (!isVisible()) return;
    const WindingInputs in = Inputs();
    std::string description;
    ui.canvas->ShowFrame(RasterWindingFrame(in, &description));
    // What a screen reader says of the picture, in the picture's language.
    ui.canvas->setAccessibleDescription(QString::fromStdString(description));
}

bool WindingsWindow::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const QSignalBlocker blocker(ui.preset);
        ui.retranslateUi(this);
        ShowWinding();
        ShowStep();
    } else if (event->type() == AppearanceChangeEvent()) {
        Render();
    }
    return QWidget::event(event);
}

bool WindingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.canvas && event->type() == QEvent::Resize) Render();
    return QWidget::eventFilter(watched, event);
}

void WindingsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Render();
}

void WindingsWindow::hideEvent(QHideEvent* event) {
    m_stepper.Pause();
    m_timer.stop();
    ui.playPause->setText(tr("播放(&P)"));
    QWidget::hideEvent(event);
}
