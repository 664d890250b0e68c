#include "view_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>

#include "canvas_widget.h"
#include "font.h"
#include "frame_actions.h"
#include "language.h"
#include "preferences.h"
#include "presentation_window.h"
#include "raster_image.h"
#include "resource.h"
#include "resources.h"

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ParamOfControl(const QWidget* control) { return control->property("param").toString(); }

ViewWindow::ViewWindow(View view, QWidget* parent) : QWidget(parent, Qt::Window), m_view(view) {}

ViewWindow::~ViewWindow() = default;

void ViewWindow::SetUpView() {
    // The main window's families, a point larger: the lecturer reads these standing.
    QFont font = DialogFont();
    font.setPointSize(10);
    setFont(font);
    if (const HICON icon = LoadIcon(IDR_MAINFRAME)) setWindowIcon(*icon);
    if (const QScreen* s = screen()) resize(size().boundedTo(s->availableSize()));
    m_canvas = findChild<CanvasWidget*>(QStringLiteral("canvas"));
    m_panel = findChild<QScrollArea*>(QStringLiteral("panelScroll"));
    m_panelToggle = findChild<QAbstractButton*>(QStringLiteral("panelToggle"));
    m_playPause = findChild<QAbstractButton*>(QStringLiteral("playPause"));
    m_angle = findChild<QSlider*>(QStringLiteral("angle"));
    m_speed = findChild<QSpinBox*>(QStringLiteral("speed"));
    m_canvas->installEventFilter(this);
    // Space plays wherever the focus is, so Enter is the key that presses a button or ticks a box.
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) b->installEventFilter(this);
    ApplyRanges();

    if (m_panelToggle != nullptr)
        connect(m_panelToggle, &QAbstractButton::clicked, this, &ViewWindow::TogglePanel);
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this,
            &ViewWindow::TogglePanel);

    const auto step = [this](void (ExplorerStepper::*action)()) {
        return [this, action] {
            (MutableStepper().*action)();
            ShowStep();
        };
    };
    const auto button = [this](const char* name, auto action) {
        if (auto* b = findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(b, &QAbstractButton::clicked, this, action);
    };
    button("playPause", step(&ExplorerStepper::PlayPause));
    button("previous", step(&ExplorerStepper::Previous));
    button("next", step(&ExplorerStepper::Next));
    button("reset", step(&ExplorerStepper::Reset));
    connect(&m_timer, &QTimer::timeout, this, [this] {
        Tick();
        ShowStep();
    });
    // Space and the arrows work wherever the focus is, except in a box being typed into.
    const auto key = [this](Qt::Key k, auto action) {
        connect(new QShortcut(QKeySequence(k), this), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Space, step(&ExplorerStepper::PlayPause));
    if (m_angle != nullptr) {
        key(Qt::Key_Left, step(&ExplorerStepper::Previous));
        key(Qt::Key_Right, step(&ExplorerStepper::Next));
        connect(m_angle, &QSlider::valueChanged, this, [this](int to) {
            // The slider follows the step too; only a move of its own is a seek.
            if (to == Stepper().Step()) return;
            MutableStepper().Seek(to);
            ShowStep();
        });
    }
    if (m_speed != nullptr)
        connect(m_speed, &QSpinBox::valueChanged, this, [this](int ms) {
            MutableStepper().SetInterval(ms);
            m_timer.setInterval(Stepper().Interval());
        });
    m_timer.setInterval(Stepper().Interval());
    m_takeHome =
        new FrameActions(this, {[this] { return Settings(); }, [this] { return Canvas(); }});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    AddPresentationKeys(this, [this] {
        const LessonStop stop = StopShown();
        MutableStepper().Pause();
        ShowStep();
        return stop;
    });
}

void ViewWindow::ApplyRanges() {
    const ViewDescriptor& d = Describe(m_view);
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString name = ParamOfControl(control);
        if (name.isEmpty()) continue;
        const ParamSpec* spec = FindParam(d, name.toStdString());
        if (spec == nullptr) continue;
        if (auto* box = qobject_cast<QDoubleSpinBox*>(control))
            box->setRange(spec->low, spec->high);
        if (auto* box = qobject_cast<QSpinBox*>(control))
            box->setRange(static_cast<int>(spec->low), static_cast<int>(spec->high));
    }
    ShowRanges();
}

// The form's tooltip says what a control sets; its range follows from the table, in every language.
void ViewWindow::ShowRanges() {
    const ViewDescriptor& d = Describe(m_view);
    for (QWidget* control : findChildren<QWidget*>()) {
        const ParamSpec* spec = FindParam(d, ParamOfControl(control).toStdString());
        if (spec == nullptr || (spec->kind != ParamKind::Number && spec->kind != ParamKind::Whole &&
                                spec->kind != ParamKind::Triple && spec->kind != ParamKind::Choice))
            continue;
        const QString range = QString::fromStdString(RangeText(*spec));
        if (!control->toolTip().endsWith(range + ")"))
            control->setToolTip(control->toolTip() + " (" + range + ")");
    }
}

void ViewWindow::PresentNow() {
    Present(Lesson{{}, {StopShown()}}, LessonStepper::Walk::Steps, this);
    MutableStepper().Pause();
    ShowStep();
}

LessonStop ViewWindow::StopShown() const {
    LessonStop stop;
    stop.settings = Settings();
    stop.step = Stepper().Step();
    stop.playing = Stepper().Playing();
    return stop;
}

CanvasInputs ViewWindow::Canvas() const {
    CanvasInputs in;
    in.step = Stepper().Step();
    in.width = m_canvas->width();
    in.height = m_canvas->height();
    // Drawn at the screen's resolution, as in the main window.
    in.scale = m_canvas->devicePixelRatioF();
    in.palette = CurrentPalette();
    in.translation = CurrentTranslation();
    return in;
}

void ViewWindow::SetPlayText(bool playing) {
    if (m_playPause != nullptr) m_playPause->setText(playing ? tr("暂停(&P)") : tr("播放(&P)"));
}

void ViewWindow::ShowStep() {
    SetPlayText(Stepper().Playing());
    if (!Stepper().Playing())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
    if (m_angle != nullptr) m_angle->setValue(Stepper().Step());
    Render();
}

void ViewWindow::Render() {
    if (!isVisible()) return;
    std::string description;
    m_canvas->ShowFrame(RasterViewFrame(Settings(), Canvas(), &description));
    // What a screen reader says of the picture, in the picture's language.
    m_canvas->setAccessibleDescription(QString::fromStdString(description));
}

void ViewWindow::TogglePanel() {
    if (m_panel == nullptr) return;
    const bool fold = m_panel->isVisible();
    m_panel->setVisible(!fold);
    if (m_panelToggle != nullptr)
        m_panelToggle->setText(fold ? QStringLiteral("«") : QStringLiteral("»"));
}

// A new language or palette: the texts and the frame are drawn again in it at once.
bool ViewWindow::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        ShowRanges();
        const ViewDescriptor& d = Describe(m_view);
        setWindowTitle(QCoreApplication::translate(Text(d.titleContext).toUtf8().constData(),
                                                   Text(d.title).toUtf8().constData()));
        ShowStep();
    } else if (event->type() == AppearanceChangeEvent()) {
        Render();
    }
    return QWidget::event(event);
}

bool ViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && event->type() == QEvent::Resize) Render();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button != nullptr && button->isEnabled() &&
            (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ViewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Render();
}

void ViewWindow::hideEvent(QHideEvent* event) {
    // A closed or minimised window does not animate; it shows the same step when it comes back.
    MutableStepper().Pause();
    m_timer.stop();
    SetPlayText(false);
    QWidget::hideEvent(event);
}
