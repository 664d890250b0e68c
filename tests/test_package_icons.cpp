// The hicolor icons: every PNG shows the stator bore with the six coil sides in their phase
// colours and places, on a transparent background, and is a rendering of the committed SVG.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

namespace {

const QString kIconDir = QStringLiteral(VESK_SOURCE_DIR "/res/desktop/icons/");

// The picture is laid out on a 256-unit square: the bore ring runs along a radius of 112
// units, 16 wide; the coil-side discs sit on a radius of 76 with a radius of 26 and a white
// centre of radius 10.
constexpr double kUnits = 256.0;
constexpr double kRingRadius = 112.0;
constexpr double kDiscOrbit = 76.0;
constexpr double kDiscColourOffset = 18.0;  // from a disc's centre into its coloured annulus

enum class Phase { U, V, W };

struct CoilSide {
    const char* name;
    double angleDegrees;  // counter-clockwise from the right, as on screen
    Phase phase;
};

constexpr CoilSide kCoilSides[] = {
    {"U_top", 90.0, Phase::U},         {"U_bottom", 270.0, Phase::U},
    {"V_upper_right", 30.0, Phase::V}, {"V_lower_left", 210.0, Phase::V},
    {"W_upper_left", 150.0, Phase::W}, {"W_lower_right", 330.0, Phase::W},
};

struct Point {
    double x;
    double y;
};

// A point at `radius` units from the icon's centre, in pixels of an icon `size` wide.
Point Polar(int size, double radius, double angleDegrees) {
    const double a = angleDegrees * std::numbers::pi / 180.0;
    const double scale = size / kUnits;
    return {(kUnits / 2 + radius * std::cos(a)) * scale,
            (kUnits / 2 - radius * std::sin(a)) * scale};
}

QColor PixelAt(const QImage& image, Point p) {
    return image.pixelColor(static_cast<int>(p.x), static_cast<int>(p.y));
}

std::string Describe(const QColor& c) {
    return "rgba(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," +
           std::to_string(c.blue()) + "," + std::to_string(c.alpha()) + ")";
}

// The phase's own channel must stand well clear of the other two (edge pixels are blended
// with transparency or the white centre, so exact values are not expected).
bool IsPhaseColour(const QColor& c, Phase phase) {
    const int own = phase == Phase::U ? c.red() : phase == Phase::V ? c.green() : c.blue();
    const int other1 = phase == Phase::U ? c.green() : c.red();
    const int other2 = phase == Phase::W ? c.green() : c.blue();
    return c.alpha() >= 96 && own >= 192 && own - other1 >= 96 && own - other2 >= 96;
}

QImage LoadPng(int size) {
    QImage image(kIconDir + QStringLiteral("org.vesk.Vesk-%1.png").arg(size));
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage RenderSvg(int size) {
    QSvgRenderer renderer(kIconDir + QStringLiteral("org.vesk.Vesk.svg"));
    if (!renderer.isValid()) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

enum class Source { Png, Svg };

struct IconCase {
    Source source;
    int size;
};

void PrintTo(const IconCase& c, std::ostream* os) {
    *os << (c.source == Source::Png ? "PNG " : "SVG ") << c.size;
}

class IconPicture : public ::testing::TestWithParam<IconCase> {
  protected:
    QImage Load() const {
        return GetParam().source == Source::Png ? LoadPng(GetParam().size)
                                                : RenderSvg(GetParam().size);
    }
};

TEST_P(IconPicture, IsSquareOfItsSizeWithAlpha) {
    const QImage image = Load();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), GetParam().size);
    EXPECT_EQ(image.height(), GetParam().size);
    EXPECT_TRUE(image.hasAlphaChannel());
}

TEST_P(IconPicture, CornersAndCentreAreTransparent) {
    const QImage image = Load();
    ASSERT_FALSE(image.isNull());
    const int last = GetParam().size - 1;
    const int mid = GetParam().size / 2;
    const struct {
        const char* name;
        int x, y;
    } points[] = {{"top_left", 0, 0},
                  {"top_right", last, 0},
                  {"bottom_left", 0, last},
                  {"bottom_right", last, last},
                  {"centre", mid, mid}};
    for (const auto& p : points) EXPECT_EQ(image.pixelColor(p.x, p.y).alpha(), 0) << p.name;
}

TEST_P(IconPicture, CoilSidesHaveTheirPhaseColour) {
    const QImage image = Load();
    ASSERT_FALSE(image.isNull());
    for (const CoilSide& side : kCoilSides) {
        // Step from the disc's centre towards the icon's centre, into the coloured annulus.
        const Point centre = Polar(GetParam().size, kDiscOrbit, side.angleDegrees);
        const Point inner =
            Polar(GetParam().size, kDiscOrbit - kDiscColourOffset, side.angleDegrees);
        const QColor c = PixelAt(image, inner);
        EXPECT_TRUE(IsPhaseColour(c, side.phase))
            << side.name << " near (" << centre.x << "," << centre.y << "): " << Describe(c);
    }
}

// Below 48 pixels the ring and the white centres are one or two pixels across and fall on
// pixel edges: too blended to sample, so only the larger sizes are checked for them.
class IconDetail : public IconPicture {};

TEST_P(IconDetail, BoreRingIsOpaqueBlack) {
    const QImage image = Load();
    ASSERT_FALSE(image.isNull());
    for (int angle = 0; angle < 360; angle += 45) {
        const QColor c = PixelAt(image, Polar(GetParam().size, kRingRadius, angle));
        EXPECT_GE(c.alpha(), 192) << angle << " degrees: " << Describe(c);
        EXPECT_LE(std::max({c.red(), c.green(), c.blue()}), 64)
            << angle << " degrees: " << Describe(c);
    }
}

TEST_P(IconDetail, CoilSidesHaveWhiteCentres) {
    const QImage image = Load();
    ASSERT_FALSE(image.isNull());
    for (const CoilSide& side : kCoilSides) {
        const QColor c = PixelAt(image, Polar(GetParam().size, kDiscOrbit, side.angleDegrees));
        EXPECT_GE(c.alpha(), 192) << side.name << ": " << Describe(c);
        EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 200)
            << side.name << ": " << Describe(c);
    }
}

std::string CaseName(const ::testing::TestParamInfo<IconCase>& info) {
    return (info.param.source == Source::Png ? "png_" : "svg_") + std::to_string(info.param.size);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconPicture,
                         ::testing::Values(IconCase{Source::Png, 16}, IconCase{Source::Png, 32},
                                           IconCase{Source::Png, 48}, IconCase{Source::Png, 256},
                                           IconCase{Source::Svg, 32}, IconCase{Source::Svg, 256}),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Sizes, IconDetail,
                         ::testing::Values(IconCase{Source::Png, 48}, IconCase{Source::Png, 256},
                                           IconCase{Source::Svg, 48}, IconCase{Source::Svg, 256}),
                         CaseName);

// A PNG left behind after the SVG changed: compare each with the SVG drawn at its size. Two
// renderers antialias edges differently, so only the average difference is held tight.
class IconMatchesSvg : public ::testing::TestWithParam<int> {};

TEST_P(IconMatchesSvg, AverageDifferenceIsSmall) {
    const int size = GetParam();
    const QImage png = LoadPng(size);
    const QImage svg = RenderSvg(size);
    ASSERT_FALSE(png.isNull());
    ASSERT_FALSE(svg.isNull());
    ASSERT_EQ(png.size(), svg.size());
    double total = 0.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Premultiplied, so fully transparent pixels compare equal whatever colour they hold.
            const QRgb a = qPremultiply(png.pixel(x, y));
            const QRgb b = qPremultiply(svg.pixel(x, y));
            total += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                     std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
        }
    }
    const double average = total / (4.0 * size * size);
    EXPECT_LT(average, 4.0) << "PNG " << size
                            << " differs from the SVG; run res/desktop/make-icons.sh";
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconMatchesSvg, ::testing::Values(16, 32, 48, 256));

}  // namespace
