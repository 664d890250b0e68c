#include "font.h"

#include <QStringList>

QFont DialogFont() {
    QFont font;
    font.setFamilies({"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC"});
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
