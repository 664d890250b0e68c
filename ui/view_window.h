#pragma once
// What every view's window does the same way: its font, icon and size; the canvas drawn through
// the table of views at the canvas's size and resolution, with the sentence a screen reader
// hears; the step controls (play and pause, previous, next, reset, the angle slider and the
// speed, Space and the arrow keys) and their timer, decided by a stepper of the core; the panel
// folded away with F9; the picture full screen with F5 and F11; a new language or palette drawn
// at once; and the controls' ranges set from the view's parameters. A view's window adds its own
// controls and says what its settings are.
#include <QTimer>
#include <QWidget>

#include "explorer/explorer_stepper.h"
#include "lesson/lesson.h"

class CanvasWidget;
class FrameActions;
class QAbstractButton;
class QScrollArea;
class QSlider;
class QSpinBox;

class ViewWindow : public QWidget {
    Q_OBJECT

  public:
    // A top-level window: with a parent it stays over it, and a modal run of the parent does
    // not block it.
    ViewWindow(View view, QWidget* parent);
    ~ViewWindow() override;

    View ViewShown() const { return m_view; }
    virtual const ExplorerStepper& Stepper() const { return m_stepper; }
    // What the canvas shows: the view's settings.
    virtual ViewSettings Settings() const = 0;
    // The canvas's size, resolution, palette and language, at the step shown.
    CanvasInputs Canvas() const;
    // The picture full screen, as F5 shows it.
    void PresentNow();
    // Save, copy, the address and the export, in the window's context menu.
    FrameActions* TakeHome() const { return m_takeHome; }

  protected:
    // Called by the window once its form is set up: finds the shared controls by their names and
    // wires them.
    void SetUpView();
    virtual ExplorerStepper& MutableStepper() { return m_stepper; }
    // One tick of the animation's timer.
    virtual void Tick() { MutableStepper().Tick(); }
    // The play button, the timers and the slider from the stepper; then the frame.
    virtual void ShowStep();
    // The form's texts again in the new language, and the controls from the settings.
    virtual void Retranslate() = 0;
    // The stop that F5 presents; a window with a clock of its own may add to it.
    virtual LessonStop StopShown() const;
    void Render();
    void SetPlayText(bool playing);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    QTimer m_timer;

  private:
    void TogglePanel();
    // Each control marked with a parameter's name takes that parameter's range.
    void ApplyRanges();
    void ShowRanges();

    View m_view;
    ExplorerStepper m_stepper;
    CanvasWidget* m_canvas = nullptr;
    QScrollArea* m_panel = nullptr;
    QAbstractButton* m_panelToggle = nullptr;
    QAbstractButton* m_playPause = nullptr;
    QSlider* m_angle = nullptr;
    QSpinBox* m_speed = nullptr;
    FrameActions* m_takeHome = nullptr;
};

// The name of the parameter a control sets, from its "param" property; empty for none.
QString ParamOfControl(const QWidget* control);
