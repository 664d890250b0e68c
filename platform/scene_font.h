#pragma once
// The font every surface writes the scene's texts in: one that has the Chinese glyphs.
#include <string_view>

#include <QFont>

class QPainter;

QFont SceneFont();

// Text with its top-left corner at (x, y) in the painter's font (SceneFont() for the scene),
// black; on a white box when `opaque`.
void DrawSceneText(QPainter& painter, int x, int y, std::string_view text, bool opaque);
