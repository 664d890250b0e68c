// Whole frames on the raster surface: the pixels a student sees.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include "field/frame.h"
#include "png_writer.h"
#include "raster_image.h"
#include "svg_dc.h"
#include "view_frames.h"

namespace {

constexpr QRgb kBlack = 0xff000000, kWhite = 0xffffffff, kRed = 0xffff0000, kGreen = 0xff00ff00,
               kBlue = 0xff0000ff, kDotGrey = 0xff404040;

QImage Frame(int step, bool resultant = true) { return RasterFrame({step, 513, 624, resultant}); }

struct PixelCase {
    const char* name;
    int step;
    int x, y;
    QRgb colour;
};

class FramePixel : public ::testing::TestWithParam<PixelCase> {};

TEST_P(FramePixel, HasTheColourOfWhatIsDrawnThere) {
    const PixelCase& p = GetParam();
    const QImage image = Frame(p.step);
    ASSERT_EQ(image.size(), QSize(513, 624));
    EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << std::hex << image.pixel(p.x, p.y);
}

INSTANTIATE_TEST_SUITE_P(
    Stator, FramePixel,
    ::testing::Values(
        // The canvas keeps the black outline of the first rectangle.
        PixelCase{"CanvasCorner", 0, 0, 0, kBlack}, PixelCase{"CanvasInside", 0, 5, 5, kWhite},
        // The bore: a white disc with a black rim from x = 102 to 409 on the centre row.
        PixelCase{"BoreLeftRim", 0, 102, 468, kBlack}, PixelCase{"BoreInside", 0, 103, 468, kWhite},
        PixelCase{"OutsideBore", 0, 101, 468, kWhite},
        PixelCase{"BoreRightRim", 0, 409, 468, kBlack},
        PixelCase{"BoreRightOutside", 0, 410, 468, kWhite},
        // Coil sides in the phase colours, beside the white dot markers at their centres.
        PixelCase{"UTopDisc", 0, 268, 338, kRed}, PixelCase{"UTopRim", 0, 236, 338, kBlack},
        PixelCase{"UTopDot", 0, 256, 338, kWhite},
        PixelCase{"VUpperRightDisc", 0, 380, 403, kGreen},
        PixelCase{"WUpperLeftDisc", 0, 131, 403, kBlue},
        PixelCase{"VLowerLeftDisc", 0, 143, 548, kGreen},
        PixelCase{"WLowerRightDisc", 0, 368, 548, kBlue},
        // U at its peak: a cross 8 pixels wide at the bottom.
        PixelCase{"ThickCrossCentre", 0, 256, 598, kWhite},
        PixelCase{"ThickCrossBand", 0, 252, 598, kWhite},
        // V at minus half the peak: a width of -4 is drawn 4 pixels wide, not 1 and not 8.
        PixelCase{"MinusFourBand", 0, 141, 533, kWhite},
        PixelCase{"MinusFourEdge", 0, 139, 533, kGreen},
        // Step 9: U's cross is on top with a pen of width 0, one pixel wide.
        PixelCase{"ThinCrossCentre", 9, 256, 338, kWhite},
        PixelCase{"ThinCrossLeft", 9, 255, 338, kRed},
        PixelCase{"ThinCrossRight", 9, 257, 338, kRed},
        PixelCase{"ThinCrossArm", 9, 250, 332, kWhite},
        // The resultant at step 0, three pixels wide, from (256, 468) to (360, 467).
        PixelCase{"ResultantBand", 0, 330, 466, kBlack},
        PixelCase{"BesideResultant", 0, 330, 469, kWhite},
        // The current traces at their positive peaks at step 36.
        PixelCase{"UTracePeak", 36, 263, 86, kRed}, PixelCase{"VTracePeak", 36, 119, 86, kGreen},
        PixelCase{"WTracePeak", 36, 191, 86, kBlue}, PixelCase{"AboveUTrace", 36, 263, 83, kWhite}),
    [](const auto& info) { return std::string(info.param.name); });

int Count(const QImage& image, QRect box, QRgb colour) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) n += image.pixel(x, y) == colour;
    }
    return n;
}

TEST(FramePixels, ConstructionLinesAreDottedOverTheBackground) {
    // From the V tip (273, 498) up to S (290, 467): 31 pixels tall, so a solid line would
    // colour one pixel in each of the 26 rows sampled here.
    const QImage image = Frame(0);
    const QRect box(QPoint(270, 470), QPoint(293, 495));
    const int dots = Count(image, box, kDotGrey);
    EXPECT_GE(dots, 6);
    EXPECT_LE(dots, 13);
    EXPECT_EQ(Count(Frame(0, false), box, kDotGrey), 0);
}

TEST(FramePixels, ResultantIsAbsentWhenNotShown) {
    const QImage with = Frame(0, true), without = Frame(0, false);
    EXPECT_EQ(without.pixel(330, 466), kWhite);
    EXPECT_EQ(with.pixel(330, 466), kBlack);
    // Nothing else differs outside the construction's area.
    const QRect construction(QPoint(250, 430), QPoint(365, 500));
    for (int y = 0; y < 624; ++y) {
        for (int x = 0; x < 513; ++x) {
            if (!construction.contains(x, y)) {
                ASSERT_EQ(with.pixel(x, y), without.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(FramePixels, TracesGrowWithTheStep) {
    const QRect chart(QPoint(51, 56), QPoint(502, 155));
    int previous = -1;
    for (int step : {0, 1, 12, 36, 72}) {
        const int red = Count(Frame(step), chart, kRed);
        EXPECT_GT(red, previous) << "step " << step;
        previous = red;
    }
    EXPECT_EQ(Count(Frame(0), chart, kRed), 0);
}

TEST(FramePixels, DoubleScaleDrawsTheSameFrameAtTwiceTheResolution) {
    for (int step : {0, 9}) {
        const QImage one = Frame(step);
        const QImage two = RasterFrame({step, 513, 624, true, 2});
        ASSERT_EQ(two.size(), QSize(1026, 1248));
        EXPECT_EQ(two.devicePixelRatio(), 2.0);
        int same = 0, finer = 0;
        for (int y = 0; y < 624; ++y) {
            for (int x = 0; x < 513; ++x) {
                const QRgb a = two.pixel(2 * x, 2 * y), b = two.pixel(2 * x + 1, 2 * y),
                           c = two.pixel(2 * x, 2 * y + 1), d = two.pixel(2 * x + 1, 2 * y + 1);
                same += a == one.pixel(x, y);
                // An enlarged frame would have every 2 x 2 block in one colour.
                finer += !(a == b && a == c && a == d);
            }
        }
        EXPECT_GT(same, 513 * 624 * 97 / 100) << "step " << step;
        EXPECT_GT(finer, 1000) << "step " << step;
        for (QPoint p : {QPoint(268, 338), QPoint(380, 403), QPoint(131, 403), QPoint(110, 468)}) {
            EXPECT_EQ(two.pixel(2 * p), one.pixel(p)) << "step " << step;
        }
    }
}

TEST(FramePixels, SvgShowsTheSameFrame) {
    for (int step : {0, 9, 12}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WriteSvgFrame({step, 513, 624, true}, &buffer));
        QSvgRenderer renderer(buffer.data());
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 513, 624));
        QImage svg(513, 624, QImage::Format_RGB32);
        svg.fill(Qt::magenta);
        QPainter painter(&svg);
        renderer.render(&painter);
        painter.end();
        const QImage raster = Frame(step);
        // Same shapes and colours; edges and glyphs may differ by a pixel.
        int same = 0;
        for (int y = 0; y < 624; ++y) {
            for (int x = 0; x < 513; ++x) same += svg.pixel(x, y) == raster.pixel(x, y);
        }
        EXPECT_GT(same, 513 * 624 * 97 / 100) << "step " << step;
        for (QPoint p : {QPoint(268, 338), QPoint(380, 403), QPoint(131, 403), QPoint(110, 468)}) {
            EXPECT_EQ(svg.pixel(p), raster.pixel(p))
                << "step " << step << " at " << p.x() << "," << p.y();
        }
    }
}

}  // namespace

namespace {

TEST(ExactIndexed, KeepsEveryPixelOfAFrame) {
    for (int step : {0, 36, 72}) {
        const QImage frame = RasterFrame({step, 513, 624, true});
        const QImage indexed = ExactIndexed(frame);
        ASSERT_FALSE(indexed.isNull());
        EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
        EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), frame) << "step " << step;
    }
}

TEST(ExactIndexed, GivesUpAbove256Colours) {
    QImage image(257, 1, QImage::Format_RGB32);
    for (int x = 0; x < 257; ++x) image.setPixel(x, 0, qRgb(x % 256, x / 256, 0));
    EXPECT_TRUE(ExactIndexed(image).isNull());
    EXPECT_FALSE(ExactIndexed(image.copy(0, 0, 256, 1)).isNull());
}

}  // namespace
