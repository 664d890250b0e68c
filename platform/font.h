#pragma once
// Fonts of the dialogs: the template font every control starts with, and font objects a dialog
// creates for some of its controls.
#include <optional>

#include <QFont>

#include "win_types.h"

// The dialogs' 9-point font, in the families of ChineseFontFamilies().
QFont DialogFont();

class CFont {
  public:
    // nPointSize is in tenths of a point; the font is sized for the screen.
    BOOL CreatePointFont(int nPointSize, const char* lpszFaceName);
    // Lets go of the font without deleting it: the controls that were given it keep it.
    void Detach();
    // The font held, or nullptr.
    const QFont* GetSafeHandle() const { return m_font ? &*m_font : nullptr; }

  private:
    std::optional<QFont> m_font;
};
