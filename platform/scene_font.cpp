#include "scene_font.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

QFont SceneFont() {
    QFont font;
    // Named in order, so the Chinese glyph forms win whatever the locale is.
    font.setFamilies({"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC"});
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawSceneText(QPainter& painter, int x, int y, std::string_view text, bool opaque) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics = painter.fontMetrics();
    if (opaque)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(x, y + metrics.ascent(), s);
}
