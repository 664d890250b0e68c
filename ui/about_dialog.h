#pragma once
// The About box: the icon, the version and the copyright line, closed with its OK button, Enter,
// Esc or its close box.
#include "dialog.h"
#include "ui_about_dialog.h"

class CAboutDialog : public CDialog {
  public:
    CAboutDialog();
    ~CAboutDialog() override;

    const MessageMap* GetMessageMap() const override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

  private:
    Ui::AboutDialog ui;
};
