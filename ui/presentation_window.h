#pragma once
// Presentation mode: one stop's picture full screen, drawn at the screen's resolution, with one
// caption line at the bottom and no controls, driven by a presentation clicker's keys. It walks a
// lesson from stop to stop, or one view from step to step; the core's LessonStepper decides,
// and this window only runs the timer and draws.
#include <functional>

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "lesson/lesson.h"

class PresentationWindow : public QWidget {
    Q_OBJECT

  public:
    // A top-level window; with a parent it closes with it. Call showFullScreen() to present.
    PresentationWindow(LessonStepper stepper, QWidget* parent = nullptr);

    const LessonStepper& Stepper() const { return m_stepper; }
    // Where the frame sits in the window, in its pixels.
    QRect FrameRect() const { return m_frameRect; }
    // The caption line as shown.
    const QString& Caption() const { return m_caption; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The timer from the stepper, then the frame and the caption.
    void Show();
    void Render();
    int CaptionHeight() const;

    LessonStepper m_stepper;
    QTimer m_timer;
    QImage m_frame;
    QRect m_frameRect;
    QString m_caption;
};

// F5 and F11 in `window` present its picture: `stop` gives the view, step and settings shown.
// Returns what the keys do, for presenting at once.
std::function<void()> AddPresentationKeys(QWidget* window, std::function<LessonStop()> stop);
// Presents `lesson` over `parent` (or alone, without one); the window deletes itself on leaving.
PresentationWindow* Present(const Lesson& lesson, LessonStepper::Walk walk,
                            QWidget* parent = nullptr);
