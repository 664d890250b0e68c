#include "font.h"

#include "scene_font.h"

QFont DialogFont() {
    QFont font;
    font.setFamilies(ChineseFontFamilies());
    font.setPointSize(9);
    return font;
}

BOOL CFont::CreatePointFont(int nPointSize, const char* lpszFaceName) {
    QFont font(QString::fromUtf8(lpszFaceName));
    font.setPointSizeF(nPointSize / 10.0);
    font.setWeight(QFont::Normal);
    m_font = font;
    return TRUE;
}

void CFont::Detach() { m_font.reset(); }
