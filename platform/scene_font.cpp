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
    // Where SimSun is missing its stand-in, AR PL UMing, draws small text from bitmaps of its own,
    // 11 to 16 pixels high, whose W reads as ₩ or as three strokes and whose minus runs into the
    // next letter. At those sizes Latin letters come from a Latin face; the Chinese families
    // supply what it lacks. Larger texts keep UMing's outlines, which are sound.
    QStringList families = ChineseFontFamilies();
    if (pixels <= 16) {
        families.insert(2, QStringLiteral("Liberation Sans"));
        families.insert(2, QStringLiteral("Arial"));
    }
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
