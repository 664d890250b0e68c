#include "menu.h"

CMenu::CMenu(QWidget* owner) : m_menu(owner) { m_menu.setFont(owner->font()); }

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (nFlags & MF_SEPARATOR) {
        m_menu.addSeparator();
        return TRUE;
    }
    QAction* action = m_menu.addAction(text);
    action->setData(QVariant::fromValue<qulonglong>(nIDNewItem));
    if (nFlags & (MFT_RADIOCHECK | MF_CHECKED)) {
        action->setCheckable(true);
        action->setChecked((nFlags & MF_CHECKED) != 0);
    }
    return TRUE;
}

CMenu* CMenu::AppendPopup(const CString& text) {
    m_popups.push_back(std::make_unique<CMenu>(m_menu.parentWidget()));
    m_popups.back()->m_menu.setTitle(text);
    m_menu.addMenu(&m_popups.back()->m_menu);
    return m_popups.back().get();
}

void CMenu::RemoveAll() {
    m_menu.clear();
    m_popups.clear();
}

UINT CMenu::TrackPopupMenu(const QPoint& globalPos) {
    const QAction* chosen = m_menu.exec(globalPos);
    return chosen != nullptr ? static_cast<UINT>(chosen->data().toULongLong()) : 0;
}
