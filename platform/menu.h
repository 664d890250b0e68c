#pragma once
// A menu of commands, shown as a popup; the window menu of a dialog is one.
#include <memory>
#include <vector>

#include <QMenu>

#include "win_types.h"

class CMenu {
  public:
    explicit CMenu(QWidget* owner);

    // MF_STRING appends an item with command nIDNewItem and text (an ampersand marks the
    // mnemonic, a tab separates the shortcut hint); with MFT_RADIOCHECK it is one of a set of
    // choices, ticked when MF_CHECKED is given too. MF_SEPARATOR appends a separator.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const CString& text = {});
    // Appends a submenu with this text and returns it; the menu owns it.
    CMenu* AppendPopup(const CString& text);
    void RemoveAll();
    // Shows the menu at globalPos until an item is chosen or the menu is dismissed. Returns the
    // command of the chosen item, or 0.
    UINT TrackPopupMenu(const QPoint& globalPos);

    const QMenu& Menu() const { return m_menu; }

  private:
    QMenu m_menu;
    std::vector<std::unique_ptr<CMenu>> m_popups;
};
