#include "presentation_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include "language.h"
#include "preferences.h"
#include "raster_image.h"
#include "scene_font.h"

namespace {

// The pace of both windows' animations.
constexpr int kTickMs = 200;

}  // namespace

PresentationWindow::PresentationWindow(LessonStepper stepper, QWidget* parent)
    : QWidget(parent, Qt::Window), m_stepper(std::move(stepper)) {
    setWindowTitle(QStringLiteral("vesk"));
    setCursor(Qt::BlankCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_stepper.Tick();
        Show();
    });
    Show();
}

int PresentationWindow::CaptionHeight() const { return std::max(40, height() / 18); }

void PresentationWindow::Show() {
    if (!m_stepper.Playing())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
    Render();
    update();
}

// The picture in the room above the caption line, centred.
void PresentationWindow::Render() {
    const LessonStop& stop = m_stepper.Stop();
    const double ratio = devicePixelRatioF();
    const int room = height() - CaptionHeight();
    CanvasInputs in = PresentationInputs(stop.view(), m_stepper.Step(), width(), room, ratio);
    in.palette = CurrentPalette();
    in.translation = CurrentTranslation();
    const std::unique_ptr<RasterDc> dc = MakeRasterDc(in.width, in.height, in.scale);
    const ViewResult frame = DrawStopFrame(stop, in, *dc, m_stepper.Revealed());
    m_frame = frame.complete ? ToImage(dc->TakePixels()) : QImage();
    // Shown pixel for pixel on the screen.
    m_frame.setDevicePixelRatio(ratio);
    const QSize shown = m_frame.deviceIndependentSize().toSize();
    m_frameRect = QRect(QPoint((width() - shown.width()) / 2, (room - shown.height()) / 2), shown);

    m_caption = QString::fromStdString(CaptionLine(stop, m_stepper.Index(), m_stepper.Count(),
                                                   frame, CurrentLanguage(), in.translation,
                                                   m_stepper.Revealed()));
    setAccessibleDescription(m_caption);
}

void PresentationWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const LessonStepper::Blank blank = m_stepper.Blanked();
    p.fillRect(rect(), blank == LessonStepper::Blank::White ? Qt::white : Qt::black);
    if (blank != LessonStepper::Blank::None) return;
    if (!m_frame.isNull()) p.drawImage(m_frameRect.topLeft(), m_frame);
    // One line: a long caption in smaller letters, down to half the size, then cut short.
    const int band = CaptionHeight();
    const QRect line(band / 2, height() - band, width() - band, band);
    QFont font = SceneFont(band / 2);
    font.setStyleStrategy(QFont::PreferAntialias);
    while (font.pixelSize() > band / 4 &&
           QFontMetrics(font).horizontalAdvance(m_caption) > line.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(line, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               QFontMetrics(font).elidedText(m_caption, Qt::ElideMiddle, line.width()));
}

// The keys of a presentation clicker, and those of slide programs.
void PresentationWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_PageDown:
        case Qt::Key_Space:
            m_stepper.Next();
            break;
        case Qt::Key_Left:
        case Qt::Key_PageUp:
            m_stepper.Previous();
            break;
        case Qt::Key_Home:
            m_stepper.Home();
            break;
        case Qt::Key_P:
            m_stepper.PlayPause();
            break;
        case Qt::Key_B:
        case Qt::Key_Period:
            m_stepper.Black();
            break;
        case Qt::Key_W:
            m_stepper.White();
            break;
        case Qt::Key_R:
            m_stepper.Reveal();
            break;
        case Qt::Key_Escape:
            // Alone, as vesk --lesson shows it, the presentation is the program: Esc only leaves
            // full screen, and closing the window ends it.
            if (parentWidget() == nullptr) {
                if (isFullScreen()) showNormal();
                return;
            }
            close();
            return;
        case Qt::Key_F5:
        case Qt::Key_F11:
            close();
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    Show();
}

void PresentationWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Render();
}

// A new language or palette reaches this window too.
bool PresentationWindow::event(QEvent* event) {
    // Every key is the clicker's here: the presented window's own shortcuts (the explorer's
    // arrows and Space) must not hear them.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::LanguageChange || event->type() == AppearanceChangeEvent()) {
        Render();
        update();
    }
    return QWidget::event(event);
}

PresentationWindow* Present(const Lesson& lesson, LessonStepper::Walk walk, QWidget* parent) {
    auto* window = new PresentationWindow(LessonStepper(lesson, walk), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Where no window manager makes a window full screen, its size does.
    if (const QScreen* screen = parent != nullptr ? parent->screen() : window->screen())
        window->setGeometry(screen->geometry());
    window->showFullScreen();
    window->raise();
    window->activateWindow();
    return window;
}

std::function<void()> AddPresentationKeys(QWidget* window, std::function<LessonStop()> stop) {
    const auto present = [window, stop] {
        Present(Lesson{{}, {stop()}}, LessonStepper::Walk::Steps, window);
    };
    for (const Qt::Key key : {Qt::Key_F5, Qt::Key_F11}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QObject::connect(shortcut, &QShortcut::activated, window, present);
    }
    return present;
}
