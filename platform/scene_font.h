#pragma once
// The fonts of the pictures and dialogs: families that have the Chinese glyphs, named in order so
// that the Chinese glyph forms win whatever the locale is.
#include <string_view>

#include <QColor>
#include <QFont>
#include <QStringList>

class QPainter;

const QStringList& ChineseFontFamilies();

// The font a picture writes its texts in, `pixels` high: SimSun where there is one, else, up to
// 16 pixels, Latin letters in Arial or Liberation Sans and the rest in the other Chinese families.
QFont SceneFont(int pixels);

// Text with its top-left corner at (x, y) in the painter's font, in `colour`; on a white box
// when `opaque`.
void DrawSceneText(QPainter& painter, int x, int y, std::string_view text, QColor colour,
                   bool opaque);
