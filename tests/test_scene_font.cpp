// The scene font: which face draws a picture's Latin letters and which its Chinese ones. AR PL
// UMing, SimSun's stand-in, draws W from bitmaps of its own up to 16 pixels, as ₩ at 11.
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

#include "scene_font.h"

namespace {

// The family of the face that draws `text`, whole, at `pixels`; "" when several do.
QString FaceOf(const QString& text, int pixels) {
    QTextLayout layout(text, SceneFont(pixels));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.size() == 1 ? runs[0].rawFont().familyName() : QString();
}

TEST(SceneFont, SmallLatinLettersFromALatinFace) {
    const QStringList latin = {"SimSun", "Arial", "Liberation Sans"};
    const QStringList chinese = {"SimSun", "AR PL UMing CN", "Noto Serif CJK SC"};
    for (int pixels = 9; pixels <= 16; ++pixels) {
        EXPECT_TRUE(latin.contains(FaceOf("UVW", pixels))) << pixels;
        EXPECT_TRUE(chinese.contains(FaceOf("截面", pixels))) << pixels;
    }
    // Larger, UMing's outlines draw its Latin letters well: the picture keeps its face.
    EXPECT_TRUE(chinese.contains(FaceOf("UVW", 24)));
}

}  // namespace
