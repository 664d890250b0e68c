#include "dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "font.h"
#include "menu.h"
#include "win_app.h"

namespace {

constexpr char kControlId[] = "controlId";

bool HasStyle(const QString& styles, QLatin1StringView bit) {
    return styles.split(u'|').contains(bit);
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (edit == nullptr) return;
    // Writing the same text again would drop the user's selection and repaint the box, which
    // repaints the dialog behind it, whose paint writes the text again: only changes are written.
    if (pDX->m_bSaveAndValidate)
        value = edit->text();
    else if (edit->text() != value)
        edit->setText(value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value) {
    auto* box = qobject_cast<QCheckBox*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (box == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        const Qt::CheckState state = box->checkState();
        value = state == Qt::Checked ? 1 : (state == Qt::PartiallyChecked ? 2 : 0);
    } else {
        // As for the text: setting the same state repaints the box all the same.
        const Qt::CheckState state =
            value == 1 ? Qt::Checked : (value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        if (box->checkState() != state) box->setCheckState(state);
    }
}

CDialog::CDialog(UINT nIDTemplate, QWidget* pParentWnd)
    : QDialog(pParentWnd), m_nIDTemplate(nIDTemplate) {
    // The templates' font; the controls built next inherit it.
    setFont(DialogFont());
}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    CreateFromTemplate();
    if (OnInitDialog()) {
        for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
            if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    const int result = exec();
    SendMessage(WM_DESTROY);
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    return result;
}

void CDialog::CreateFromTemplate() {
    Q_ASSERT_X(property("templateId").toUInt() == m_nIDTemplate, "CDialog",
               "the form set up is not the dialog's template");
    const QString style = property("dialogStyle").toString();
    const QString exStyle = property("dialogExStyle").toString();

    // An app window stands on its own in the taskbar; any other dialog without a parent is owned
    // by the main window, or else by the window that is active.
    const bool appWindow = HasStyle(exStyle, QLatin1StringView("WS_EX_APPWINDOW"));
    Qt::WindowFlags flags = (appWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint;
    if (HasStyle(style, QLatin1StringView("WS_CAPTION"))) flags |= Qt::WindowTitleHint;
    if (HasStyle(style, QLatin1StringView("WS_SYSMENU")))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (HasStyle(style, QLatin1StringView("WS_MINIMIZEBOX"))) flags |= Qt::WindowMinimizeButtonHint;
    QWidget* owner = parentWidget();
    if (owner == nullptr && !appWindow) {
        owner = AfxGetMainWnd();
        // The dialog in its modal run is the owner whatever has the focus: a closing popup menu
        // or a busy window manager can leave no window active for a moment.
        if (owner == nullptr) owner = QApplication::activeModalWidget();
        if (owner == nullptr) owner = QApplication::activeWindow();
        if (owner == this) owner = nullptr;
    }
    setParent(owner, flags);
    // No template here has a sizing border.
    setFixedSize(size());

    // Controls are found at any depth: a button inside a group box is still the dialog's control.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        const QVariant controlId = button->property(kControlId);
        const int id = controlId.toInt();
        if (!controlId.isValid() || id < 0) continue;
        connect(button, &QAbstractButton::clicked, this,
                [this, id] { SendMessage(WM_COMMAND, static_cast<WPARAM>(id)); });
    }
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!control->property(kControlId).isValid()) continue;
        const bool holdsControls = !control->findChildren<QWidget*>().isEmpty();
        if (qobject_cast<QGroupBox*>(control) != nullptr && !holdsControls) {
            // A group box beside the controls it frames lies beneath them and clicks go through
            // it to them. One that holds its controls passes their clicks on as any parent does.
            control->setAttribute(Qt::WA_TransparentForMouseEvents);
            control->lower();
        } else {
            // A control paints its whole rectangle, so its own repaints (a button pressed, a box
            // ticked) never repaint the dialog behind it: the dialog's paint draws a frame and
            // writes the members back into the controls, which would undo a click mid-way.
            control->setAutoFillBackground(true);
        }
    }

    if (HasStyle(style, QLatin1StringView("WS_SYSMENU"))) {
        m_sysMenu = std::make_unique<CMenu>(this);
        ResetSystemMenu();
    }
}

void CDialog::ResetSystemMenu() {
    m_sysMenu->RemoveAll();
    if (HasStyle(property("dialogStyle").toString(), QLatin1StringView("WS_MINIMIZEBOX"))) {
        m_sysMenu->AppendMenu(MF_STRING, SC_MINIMIZE,
                              QCoreApplication::translate("WindowMenu", "最小化(&N)"));
        m_sysMenu->AppendMenu(MF_SEPARATOR);
    }
    m_sysMenu->AppendMenu(MF_STRING, SC_CLOSE,
                          QCoreApplication::translate("WindowMenu", "关闭(&C)") + "\tAlt+F4");
}

void CDialog::EndDialog(int nResult) { done(nResult); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx{this, bSaveAndValidate};
    DoDataExchange(&dx);
    return TRUE;
}

QWidget* CDialog::GetDlgItem(int nID) const {
    for (QWidget* child : findChildren<QWidget*>()) {
        const QVariant id = child->property(kControlId);
        if (id.isValid() && id.toInt() == nID) return child;
    }
    return nullptr;
}

CMenu* CDialog::GetSystemMenu(BOOL bRevert) {
    if (m_sysMenu && bRevert) ResetSystemMenu();
    return m_sysMenu.get();
}

void CDialog::SetIcon(HICON hIcon, BOOL) {
    // One window icon holds every image size; the desktop picks the big or the small one.
    if (hIcon != nullptr) setWindowIcon(*hIcon);
}

BOOL CDialog::IsIconic() const { return isMinimized() ? TRUE : FALSE; }

UINT_PTR CDialog::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    KillTimer(nIDEvent);
    const int qtId = startTimer(static_cast<int>(nElapse));
    if (qtId == 0) return 0;
    m_timers[nIDEvent] = qtId;
    return nIDEvent;
}

BOOL CDialog::KillTimer(UINT_PTR nIDEvent) {
    const auto it = m_timers.find(nIDEvent);
    if (it == m_timers.end()) return FALSE;
    killTimer(it->second);
    m_timers.erase(it);
    return TRUE;
}

const MessageMap* CDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MapCommand<&CDialog::OnOK>(IDOK),
        MapCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map{nullptr, entries};
    return &map;
}

LRESULT CDialog::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const Message outer = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    bool handled = false;
    for (const MessageMap* map = GetMessageMap(); map != nullptr && !handled; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            if (entry.message == message && (message != WM_COMMAND || entry.id == wParam)) {
                result = entry.handler(this, wParam, lParam);
                handled = true;
                break;
            }
        }
    }
    if (!handled) result = DefWindowProc(m_current);
    m_current = outer;
    return result;
}

LRESULT CDialog::Default() { return DefWindowProc(m_current); }

LRESULT CDialog::DefWindowProc(const Message& msg) {
    switch (msg.message) {
        case WM_SYSCOMMAND:
            switch (msg.wParam & 0xFFF0) {
                case SC_CLOSE:
                    SendMessage(WM_CLOSE);
                    break;
                case SC_MINIMIZE:
                    showMinimized();
                    break;
            }
            break;
        case WM_CLOSE:
            // A dialog turns a close request into its Cancel command.
            SendMessage(WM_COMMAND, IDCANCEL);
            break;
    }
    return 0;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::paintEvent(QPaintEvent*) { SendMessage(WM_PAINT); }

void CDialog::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : m_timers) {
        if (qtId == event->timerId()) {
            SendMessage(WM_TIMER, id);
            return;
        }
    }
    QDialog::timerEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    // The close box and Alt+F4 come as the window's close command.
    if (isVisible()) SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    event->setAccepted(!isVisible());
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->matches(QKeySequence::Cancel)) {
        SendMessage(WM_COMMAND, IDCANCEL);
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (mods == Qt::NoModifier || mods == Qt::KeypadModifier)) {
        // Enter presses the push button that has the focus, else the default button, else OK.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            focused->click();
            return;
        }
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
        SendMessage(WM_COMMAND, IDOK);
        return;
    }
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        TrackSystemMenu(mapToGlobal(QPoint(0, 0)));
        return;
    }
    event->ignore();
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    // The keys that open the menu are handled as keys.
    if (event->reason() == QContextMenuEvent::Keyboard) return;
    TrackSystemMenu(event->globalPos());
}

void CDialog::TrackSystemMenu(const QPoint& globalPos) {
    if (!m_sysMenu) return;
    const UINT command = m_sysMenu->TrackPopupMenu(globalPos);
    if (command != 0) SendMessage(WM_SYSCOMMAND, command);
}
