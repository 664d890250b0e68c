#pragma once
// Modal dialogs built from a template: a Designer form whose controls carry their ids (the dynamic
// property "controlId") and whose window style is named by the form's "dialogStyle" and
// "dialogExStyle" properties. The dialog turns clicks, keys, timer ticks, paints and close
// requests into messages and dispatches them through the message maps.
#include <map>
#include <memory>

#include <QDialog>

#include "message_map.h"
#include "win_types.h"

class CDialog;
class CMenu;

struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

// Copies between an edit box and a string. A missing control changes nothing.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Copies between a check box and 0 (clear), 1 (ticked) or 2 (indeterminate).
void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value);

class CDialog : public QDialog {
  public:
    // The derived class builds the controls of template `nIDTemplate` (its Ui:: form, which
    // carries the same id in its "templateId" property).
    explicit CDialog(UINT nIDTemplate, QWidget* pParentWnd = nullptr);
    ~CDialog() override;

    // Initialises the dialog, shows it and runs it until EndDialog; then destroys the window
    // (WM_DESTROY). Returns the value given to EndDialog.
    int DoModal();
    void EndDialog(int nResult);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    QWidget* GetDlgItem(int nID) const;
    // The window menu (right click, Shift+F10 or the Menu key), or nullptr for a template without
    // WS_SYSMENU. Reverting puts back the entries the window started with.
    CMenu* GetSystemMenu(BOOL bRevert);
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    BOOL IsIconic() const;

    // The dialog receives WM_TIMER with nIDEvent every nElapse ms; setting a running id again
    // restarts it. Returns nIDEvent, or 0 when no timer could be started.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);
    // Whether timer nIDEvent runs.
    bool HasTimer(UINT_PTR nIDEvent) const { return m_timers.count(nIDEvent) != 0; }

    // Dispatches a message through the message maps at once and returns the handler's result.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual const MessageMap* GetMessageMap() const;

  protected:
    // Performs UpdateData(FALSE); TRUE gives the focus to the first control with a tab stop.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then ends the run with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Default processing of the message being handled.
    LRESULT Default();

    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Message {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    void CreateFromTemplate();
    void ResetSystemMenu();
    LRESULT DefWindowProc(const Message& msg);
    void TrackSystemMenu(const QPoint& globalPos);

    UINT m_nIDTemplate;
    Message m_current;
    std::map<UINT_PTR, int> m_timers;  // our id -> Qt's timer id
    std::unique_ptr<CMenu> m_sysMenu;
};
