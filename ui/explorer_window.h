#pragma once
// The explorer: a window of its own beside the main one, for supplies that are reversed, open
// or unbalanced. The controls set the supply; the rest is every view window's.
#include "explorer/explorer_view.h"
#include "ui_explorer_window.h"
#include "view_window.h"

class ExplorerWindow : public ViewWindow {
    Q_OBJECT

  public:
    explicit ExplorerWindow(QWidget* parent = nullptr);
    ~ExplorerWindow() override;

    const Supply& CurrentSupply() const { return m_supply; }
    ViewSettings Settings() const override;

  protected:
    void Retranslate() override;

  private:
    void ChoosePreset(int index);
    // The supply from the controls, after one of them changed.
    void ReadSupply();
    // The controls from the supply, without their change signals.
    void ShowSupply();

    Ui::ExplorerWindow ui;
    Supply m_supply;
    bool m_showingSupply = false;  // the controls are being set from the supply
};
