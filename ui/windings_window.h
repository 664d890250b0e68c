#pragma once
// The windings window: a window of its own beside the main one, for poles, slots, distributed
// and short-pitched windings and the flux lines they make. The controls set the winding; only
// the slot counts and pitches the core allows are offered. The rest is every view window's.
#include "ui_windings_window.h"
#include "view_window.h"
#include "winding/winding_frame.h"
#include "winding/winding_view.h"

class WindingsWindow : public ViewWindow {
    Q_OBJECT

  public:
    explicit WindingsWindow(QWidget* parent = nullptr);
    ~WindingsWindow() override;

    ViewSettings Settings() const override;
    // The inputs of the frame shown, at the canvas's size.
    WindingInputs Inputs() const;

  protected:
    void Retranslate() override;

  private:
    void ChoosePreset(int index);
    // The winding from the controls, after one of them changed.
    void ReadWinding();
    // The controls from the winding: only the valid slot counts and pitches are offered.
    void ShowWinding();

    Ui::WindingsWindow ui;
    Winding m_winding;
    bool m_showing = false;  // the controls are being set from the winding
};
