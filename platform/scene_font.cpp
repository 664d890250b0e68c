#include "scene_font.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

const QStringList& ChineseFontFamilies() {
    static const QStringList families{"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC"};
    return families;
}

QFont SceneFont(int pixels) {
    QFont font;
    // Where SimSun is missing, its stand-in AR PL UMing draws W as ₩ at 11 and 12 pixels, from
    // the bitmaps it carries for small sizes: Latin letters come from a Latin face there, and the
    // Chinese families supply what it lacks.
    QStringList families = ChineseFontFamilies();
    families.insert(2, QStringLiteral("Liberation Sans"));
    families.insert(2, QStringLiteral("Arial"));
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawSceneText(QPainter& painter, int x, int y, std::string_view text, QColor colour,
                   bool opaque) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics = painter.fontMetrics();
    if (opaque)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), Qt::white);
    painter.setPen(colour);
    painter.drawText(x, y + metrics.ascent(), s);
}
