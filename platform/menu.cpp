#include "menu.h"

CMenu::CMenu(QWidget* owner) : m_menu(owner) { m_menu.setFont(owner->font()); }

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (nFlags & MF_SEPARATOR) {
        m_menu.addSeparator();
        return TRUE;
    }
    QAction* action = m_menu.addAction(text);
    action->setData(QVariant::fromValue<qulonglong>(nIDNewItem));
    return TRUE;
}

void CMenu::RemoveAll() { m_menu.clear(); }

UINT CMenu::TrackPopupMenu(const QPoint& globalPos) {
    const QAction* chosen = m_menu.exec(globalPos);
    return chosen != nullptr ? static_cast<UINT>(chosen->data().toULongLong()) : 0;
}
