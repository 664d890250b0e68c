// The GIF encoder: file layout, changed rectangles, palettes, the colour fallback and failures.
// Files are decoded with giflib's own reader and, for the pixels, with Qt's GIF reader too.
#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xffffffff, kRed = 0xffff0000, kGreen = 0xff00ff00, kBlue = 0xff0000ff,
               kGrey = 0xff808080;

// ---- decoding -------------------------------------------------------------------------------

struct DecodedFrame {
    QRect rect;
    std::vector<QRgb> localColours;  // empty: the global table applies
    bool hasControl = false;
    int delay = -1;
    int disposal = -1;
    int transparent = -2;
    std::vector<uint8_t> indices;
};

struct DecodedGif {
    std::string error;  // empty when giflib read the whole file
    QSize size;
    std::vector<QRgb> globalColours;
    int loopExtensions = 0;  // NETSCAPE2.0 blocks anywhere in the file
    int loopCount = -1;
    std::vector<DecodedFrame> frames;
};

std::vector<QRgb> Colours(const ColorMapObject* map) {
    std::vector<QRgb> colours;
    if (!map) return colours;
    for (int i = 0; i < map->ColorCount; ++i)
        colours.push_back(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    return colours;
}

struct Reader {
    const QByteArray* bytes;
    int position = 0;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* r = static_cast<Reader*>(gif->UserData);
    const int count = std::min(length, static_cast<int>(r->bytes->size()) - r->position);
    std::memcpy(out, r->bytes->constData() + r->position, static_cast<size_t>(count));
    r->position += count;
    return count;
}

void ReadLoop(const ExtensionBlock* blocks, int count, DecodedGif& out) {
    for (int i = 0; i < count; ++i) {
        const ExtensionBlock& b = blocks[i];
        if (b.Function != APPLICATION_EXT_FUNC_CODE || b.ByteCount != 11 ||
            std::memcmp(b.Bytes, "NETSCAPE2.0", 11) != 0)
            continue;
        ++out.loopExtensions;
        if (i + 1 < count && blocks[i + 1].ByteCount == 3 && blocks[i + 1].Bytes[0] == 1)
            out.loopCount = blocks[i + 1].Bytes[1] | blocks[i + 1].Bytes[2] << 8;
    }
}

DecodedGif Decode(const QByteArray& bytes) {
    DecodedGif out;
    Reader reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadMemory, &error);
    if (!gif) {
        out.error = GifErrorString(error);
        return out;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        out.error = GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        return out;
    }
    out.size = QSize(gif->SWidth, gif->SHeight);
    out.globalColours = Colours(gif->SColorMap);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        DecodedFrame f;
        const GifImageDesc& d = image.ImageDesc;
        f.rect = QRect(d.Left, d.Top, d.Width, d.Height);
        f.localColours = Colours(d.ColorMap);
        GraphicsControlBlock control;
        if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
            f.hasControl = true;
            f.delay = control.DelayTime;
            f.disposal = control.DisposalMode;
            f.transparent = control.TransparentColor;
        }
        f.indices.assign(image.RasterBits, image.RasterBits + d.Width * d.Height);
        ReadLoop(image.ExtensionBlocks, image.ExtensionBlockCount, out);
        out.frames.push_back(std::move(f));
    }
    ReadLoop(gif->ExtensionBlocks, gif->ExtensionBlockCount, out);
    DGifCloseFile(gif, &error);
    return out;
}

// What a viewer shows after frames 0..last: each frame's rectangle drawn over the one before.
QImage Compose(const DecodedGif& gif, int last) {
    QImage canvas(gif.size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    for (int i = 0; i <= last; ++i) {
        const DecodedFrame& f = gif.frames[static_cast<size_t>(i)];
        const auto& colours = f.localColours.empty() ? gif.globalColours : f.localColours;
        for (int y = 0; y < f.rect.height(); ++y)
            for (int x = 0; x < f.rect.width(); ++x)
                canvas.setPixel(f.rect.left() + x, f.rect.top() + y,
                                colours.at(f.indices[static_cast<size_t>(y * f.rect.width() + x)]));
    }
    return canvas;
}

// Every frame as Qt's GIF reader shows it.
std::vector<QImage> ReadWithQt(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        frames.push_back(image.convertToFormat(QImage::Format_RGB32));
    return frames;
}

// ---- encoding -------------------------------------------------------------------------------

struct Encoded {
    bool ok = false;
    std::string error;
    std::vector<int> approximated;
    QByteArray bytes;
};

Encoded Encode(const std::vector<QImage>& frames, int delay = 20, bool loop = true) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Encoded e;
    {
        GifWriter writer(&buffer, {frames.at(0).width(), frames.at(0).height(), delay, loop});
        e.ok = true;
        for (const QImage& f : frames) e.ok = e.ok && writer.AddFrame(f);
        e.ok = e.ok && writer.Finish();
        e.error = writer.Error();
        e.approximated = writer.ApproximatedFrames();
    }
    e.bytes = buffer.data();
    return e;
}

QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage With(QImage image, std::initializer_list<std::pair<QPoint, QRgb>> pixels) {
    for (const auto& [p, c] : pixels) image.setPixel(p, c);
    return image;
}

// A small scene-like picture: aliased lines and a filled disc in the phase colours.
QImage Drawing(int offset) {
    QImage image = Filled(40, 30, kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(kRed), 1));
    p.drawLine(2, 2 + offset, 30, 20);
    p.setPen(QPen(QColor(kBlue), 2));
    p.drawLine(5 + offset, 25, 35, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kGreen));
    p.drawEllipse(QRect(20 + offset, 10, 9, 9));
    return image;
}

bool SameColours(std::vector<QRgb> a, std::vector<QRgb> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// ---- layout ---------------------------------------------------------------------------------

struct LayoutCase {
    const char* name;
    std::vector<QImage> frames;
    QRect secondRect;                      // by hand: the box around the pixels that change
    std::vector<QRgb> secondLocalColours;  // empty: drawn with the global table
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class GifLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(GifLayout, SecondFrameIsTheChangedRectangle) {
    const LayoutCase& c = GetParam();
    const Encoded e = Encode(c.frames);
    ASSERT_TRUE(e.ok) << e.error;
    const DecodedGif gif = Decode(e.bytes);
    ASSERT_EQ(gif.error, "");
    ASSERT_EQ(gif.frames.size(), 2u);
    EXPECT_EQ(gif.frames[0].rect, QRect(0, 0, 8, 6));
    EXPECT_TRUE(gif.frames[0].localColours.empty());
    EXPECT_EQ(gif.frames[1].rect, c.secondRect);
    // Tables hold a power of two entries; the padding is black.
    std::vector<QRgb> local = gif.frames[1].localColours;
    if (!c.secondLocalColours.empty()) {
        ASSERT_EQ(local.size(), 2u);
        local.erase(std::remove(local.begin(), local.end(), qRgb(0, 0, 0)), local.end());
    }
    EXPECT_TRUE(SameColours(local, c.secondLocalColours));
    EXPECT_EQ(Compose(gif, 1), c.frames[1]);
}

const QImage kRedAt21 = With(Filled(8, 6, kWhite), {{{2, 1}, kRed}});

INSTANTIATE_TEST_SUITE_P(
    Frames, GifLayout,
    ::testing::Values(LayoutCase{"MovedPixel",
                                 {kRedAt21, With(Filled(8, 6, kWhite), {{{5, 3}, kRed}})},
                                 QRect(2, 1, 4, 3),
                                 {}},
                      LayoutCase{
                          "UnchangedFrameIsOnePixel", {kRedAt21, kRedAt21}, QRect(0, 0, 1, 1), {}},
                      LayoutCase{"NewColourGetsLocalTable",
                                 {kRedAt21, With(kRedAt21, {{{7, 5}, kBlue}})},
                                 QRect(7, 5, 1, 1),
                                 {kBlue}},
                      LayoutCase{"OppositeCorners",
                                 {Filled(8, 6, kWhite),
                                  With(Filled(8, 6, kWhite), {{{0, 0}, kGreen}, {{7, 5}, kGreen}})},
                                 QRect(0, 0, 8, 6),
                                 {kWhite, kGreen}},
                      LayoutCase{"OldColoursOnly",
                                 {With(Filled(8, 6, kWhite), {{{1, 1}, kRed}, {{6, 4}, kBlue}}),
                                  With(Filled(8, 6, kWhite), {{{1, 4}, kBlue}, {{3, 2}, kRed}})},
                                 QRect(1, 1, 6, 4),
                                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GifWriter, GlobalTableAgainAfterALocalOne) {
    const QImage third = With(kRedAt21, {{{4, 4}, kRed}});
    const std::vector<QImage> frames = {kRedAt21, With(kRedAt21, {{{4, 4}, kBlue}}), third};
    const Encoded e = Encode(frames);
    ASSERT_TRUE(e.ok) << e.error;
    const DecodedGif gif = Decode(e.bytes);
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_FALSE(gif.frames[1].localColours.empty());
    EXPECT_TRUE(gif.frames[2].localColours.empty());
    EXPECT_EQ(gif.frames[2].rect, QRect(4, 4, 1, 1));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Compose(gif, i), frames[static_cast<size_t>(i)]) << i;
}

TEST(GifWriter, GlobalTableHoldsTheFirstFramesColours) {
    const QImage frame = With(Filled(8, 6, kWhite), {{{0, 0}, kRed}, {{1, 0}, kGreen}});
    const DecodedGif gif = Decode(Encode({frame}).bytes);
    ASSERT_EQ(gif.error, "");
    ASSERT_EQ(gif.globalColours.size(), 4u);  // three colours, padded to four
    std::vector<QRgb> first3(gif.globalColours.begin(), gif.globalColours.begin() + 3);
    EXPECT_TRUE(SameColours(first3, {kWhite, kRed, kGreen}));
}

// ---- header, timing, loop -------------------------------------------------------------------

struct TimingCase {
    const char* name;
    int delay;
    bool loop;
    int frames;
};

void PrintTo(const TimingCase& c, std::ostream* os) { *os << c.name; }

class GifTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(GifTiming, EveryFrameCarriesDelayAndKeepsThePreviousOne) {
    const TimingCase& c = GetParam();
    std::vector<QImage> frames;
    for (int i = 0; i < c.frames; ++i) frames.push_back(Drawing(i));
    const Encoded e = Encode(frames, c.delay, c.loop);
    ASSERT_TRUE(e.ok) << e.error;
    ASSERT_GE(e.bytes.size(), 7);
    EXPECT_EQ(e.bytes.left(6), QByteArray("GIF89a"));
    EXPECT_EQ(e.bytes.back(), ';');
    const DecodedGif gif = Decode(e.bytes);
    ASSERT_EQ(gif.error, "");
    EXPECT_EQ(gif.size, QSize(40, 30));
    ASSERT_EQ(static_cast<int>(gif.frames.size()), c.frames);
    for (const DecodedFrame& f : gif.frames) {
        EXPECT_TRUE(f.hasControl);
        EXPECT_EQ(f.delay, c.delay);
        EXPECT_EQ(f.disposal, DISPOSE_DO_NOT);
        EXPECT_EQ(f.transparent, NO_TRANSPARENT_COLOR);
    }
    EXPECT_EQ(gif.loopExtensions, c.loop ? 1 : 0);
    if (c.loop) {
        EXPECT_EQ(gif.loopCount, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Options, GifTiming,
                         ::testing::Values(TimingCase{"LoopingTimerPace", 20, true, 3},
                                           TimingCase{"StillImage", 0, false, 1},
                                           TimingCase{"PlayOnceSlow", 150, false, 2},
                                           TimingCase{"LongestDelay", 65535, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- pixels ---------------------------------------------------------------------------------

TEST(GifWriter, EveryFrameDecodesToItsInput) {
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("gif"));
    const std::vector<QImage> frames = {Drawing(0), Drawing(3), Drawing(3), Drawing(7)};
    const Encoded e = Encode(frames);
    ASSERT_TRUE(e.ok) << e.error;
    EXPECT_TRUE(e.approximated.empty());
    const DecodedGif gif = Decode(e.bytes);
    ASSERT_EQ(gif.frames.size(), frames.size());
    const std::vector<QImage> qt = ReadWithQt(e.bytes);
    ASSERT_EQ(qt.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(Compose(gif, static_cast<int>(i)), frames[i]) << "frame " << i;
        EXPECT_EQ(qt[i], frames[i]) << "frame " << i << " as Qt reads it";
    }
    EXPECT_LT(gif.frames[1].rect.width() * gif.frames[1].rect.height(), 40 * 30);
}

TEST(GifWriter, OtherImageFormatsAreConverted) {
    for (const auto format :
         {QImage::Format_RGB888, QImage::Format_ARGB32, QImage::Format_Indexed8}) {
        SCOPED_TRACE(format);
        const Encoded e = Encode({Drawing(2).convertToFormat(format)});
        ASSERT_TRUE(e.ok) << e.error;
        EXPECT_EQ(Compose(Decode(e.bytes), 0), Drawing(2));
    }
}

// ---- more than 256 colours ------------------------------------------------------------------

// 1024 colours in a ramp on the left; a large grey field and a few pure reds on the right.
QImage ManyColours() {
    QImage image = Filled(64, 32, kGrey);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) image.setPixel(x, y, qRgb(x * 8, y * 8, 100));
    for (int y = 0; y < 4; ++y) image.setPixel(40, y, kRed);
    return image;
}

long Distance2(QRgb a, QRgb b) {
    const long dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

TEST(GifFallback, TooManyColoursMapToNearbyOnesAndKeepTheCommonOnes) {
    for (const int position : {0, 1}) {
        SCOPED_TRACE(position == 0 ? "first frame" : "later frame");
        std::vector<QImage> frames;
        if (position == 1) frames.push_back(Filled(64, 32, kWhite));
        frames.push_back(ManyColours());
        const Encoded e = Encode(frames);
        ASSERT_TRUE(e.ok) << e.error;
        EXPECT_EQ(e.approximated, std::vector<int>{position});
        const DecodedGif gif = Decode(e.bytes);
        ASSERT_EQ(gif.error, "");
        const QImage shown = Compose(gif, position);
        const QImage input = ManyColours();
        // The table keeps a cube of six levels a channel: no colour is more than half a level
        // (25.5) off in each channel.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_LE(Distance2(shown.pixel(x, y), input.pixel(x, y)), 1950) << x << "," << y;
        EXPECT_EQ(shown.pixel(50, 20), kGrey);  // the most used colour is exact
        EXPECT_EQ(shown.pixel(40, 2), kRed);    // and so is a colour of the cube
        const auto& table = position == 0 ? gif.globalColours : gif.frames[1].localColours;
        EXPECT_EQ(table.size(), 256u);
        EXPECT_EQ(std::set<QRgb>(table.begin(), table.end()).size(), 256u);
    }
}

TEST(GifFallback, FrameAfterAnApproximatedOneIsExactAgain) {
    // Only rows 7..31 of the ramp change, to white. Rows 0..6 (224 colours) stay as they were,
    // but were shown approximated, so they are redrawn too, and with white they fit one table.
    QImage second = ManyColours();
    for (int y = 7; y < 32; ++y)
        for (int x = 0; x < 32; ++x) second.setPixel(x, y, kWhite);
    const Encoded e = Encode({ManyColours(), second});
    ASSERT_TRUE(e.ok) << e.error;
    EXPECT_EQ(e.approximated, std::vector<int>{0});
    const DecodedGif gif = Decode(e.bytes);
    EXPECT_EQ(gif.frames.at(1).rect, QRect(0, 0, 32, 32));
    EXPECT_EQ(Compose(gif, 1), second);
    EXPECT_EQ(ReadWithQt(e.bytes).at(1), second);
}

// ---- failures -------------------------------------------------------------------------------

// Accepts `limit` bytes, then fails every write.
class LimitedDevice : public QIODevice {
  public:
    explicit LimitedDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }
    QByteArray written;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (written.size() + length > m_limit) {
            setErrorString("device full");
            return -1;
        }
        written.append(data, length);
        return length;
    }

  private:
    qint64 m_limit;
};

QImage Noise(int seed) {
    QImage image = Filled(60, 40, kWhite);
    unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
    const QRgb colours[] = {kWhite, kRed, kGreen, kBlue, kGrey};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            state = state * 1103515245u + 12345u;
            image.setPixel(x, y, colours[(state >> 16) % 5]);
        }
    return image;
}

TEST(GifFailures, EveryShortWriteIsReported) {
    const std::vector<QImage> frames = {Noise(1), Noise(2)};
    const QByteArray whole = Encode(frames).bytes;
    ASSERT_GT(whole.size(), 1000);
    // In the header, the colour table, the loop block, the first image, the second, the trailer.
    for (const qint64 limit :
         {0LL, 10LL, 25LL, 40LL, 300LL, static_cast<qint64>(whole.size()) - 300,
          static_cast<qint64>(whole.size()) - 1}) {
        SCOPED_TRACE(limit);
        LimitedDevice device(limit);
        GifWriter writer(&device, {60, 40, 20, true});
        bool ok = true;
        for (const QImage& f : frames) ok = ok && writer.AddFrame(f);
        ok = ok && writer.Finish();
        EXPECT_FALSE(ok);
        EXPECT_EQ(writer.Error(), "writing failed: device full");
        EXPECT_FALSE(writer.AddFrame(frames[0]));
        EXPECT_FALSE(writer.Finish());
        EXPECT_EQ(writer.Error(), "writing failed: device full");  // the first cause stays
    }
    LimitedDevice enough(whole.size());
    GifWriter writer(&enough, {60, 40, 20, true});
    EXPECT_TRUE(writer.AddFrame(frames[0]) && writer.AddFrame(frames[1]) && writer.Finish());
    EXPECT_EQ(enough.written, whole);
}

struct MisuseCase {
    const char* name;
    std::function<std::string()> run;  // returns the writer's error
    std::string expected;
};

void PrintTo(const MisuseCase& c, std::ostream* os) { *os << c.name; }

class GifMisuse : public ::testing::TestWithParam<MisuseCase> {};

TEST_P(GifMisuse, FailsWithReason) { EXPECT_EQ(GetParam().run(), GetParam().expected); }

std::string WithBuffer(QIODevice::OpenMode mode, GifWriter::Options o,
                       const std::function<bool(GifWriter&)>& use) {
    QBuffer buffer;
    buffer.open(mode);
    GifWriter writer(&buffer, o);
    EXPECT_FALSE(use(writer));
    return writer.Error();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GifMisuse,
    ::testing::Values(
        MisuseCase{"ReadOnlyDevice",
                   [] {
                       return WithBuffer(QIODevice::ReadOnly, {8, 6, 20, true},
                                         [](GifWriter& w) { return w.AddFrame(kRedAt21); });
                   },
                   "the output is not open for writing"},
        MisuseCase{"FrameOfAnotherSize",
                   [] {
                       return WithBuffer(QIODevice::WriteOnly, {8, 6, 20, true}, [](GifWriter& w) {
                           return w.AddFrame(Filled(4, 4, kWhite));
                       });
                   },
                   "a frame of 4x4 does not fit a GIF of 8x6"},
        MisuseCase{"NullFrame",
                   [] {
                       return WithBuffer(QIODevice::WriteOnly, {8, 6, 20, true},
                                         [](GifWriter& w) { return w.AddFrame(QImage()); });
                   },
                   "a frame of 0x0 does not fit a GIF of 8x6"},
        MisuseCase{"NoFrames",
                   [] {
                       return WithBuffer(QIODevice::WriteOnly, {8, 6, 20, true},
                                         [](GifWriter& w) { return w.Finish(); });
                   },
                   "a GIF needs at least one frame"},
        MisuseCase{"TooWide",
                   [] {
                       return WithBuffer(
                           QIODevice::WriteOnly, {70000, 6, 20, true},
                           [](GifWriter& w) { return w.AddFrame(Filled(70000, 6, kWhite)); });
                   },
                   "a GIF is 1 to 65535 pixels each way, not 70000x6"},
        MisuseCase{"NegativeDelay",
                   [] {
                       return WithBuffer(QIODevice::WriteOnly, {8, 6, -1, true},
                                         [](GifWriter& w) { return w.AddFrame(kRedAt21); });
                   },
                   "a GIF frame delay is 0 to 65535 hundredths of a second"},
        MisuseCase{"FrameAfterFinish",
                   [] {
                       return WithBuffer(QIODevice::WriteOnly, {8, 6, 20, true}, [](GifWriter& w) {
                           return w.AddFrame(kRedAt21) && w.Finish() && w.AddFrame(kRedAt21);
                       });
                   },
                   "a frame was added after the GIF was finished"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GifErrorText, EveryEncoderCodeHasItsOwnText) {
    std::set<std::string> texts;
    for (const int code : {E_GIF_ERR_OPEN_FAILED, E_GIF_ERR_WRITE_FAILED, E_GIF_ERR_HAS_SCRN_DSCR,
                           E_GIF_ERR_HAS_IMAG_DSCR, E_GIF_ERR_NO_COLOR_MAP, E_GIF_ERR_DATA_TOO_BIG,
                           E_GIF_ERR_NOT_ENOUGH_MEM, E_GIF_ERR_DISK_IS_FULL, E_GIF_ERR_CLOSE_FAILED,
                           E_GIF_ERR_NOT_WRITEABLE}) {
        const std::string text = GifErrorText(code);
        EXPECT_EQ(text.find("giflib error"), std::string::npos) << code;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 10u);
    EXPECT_EQ(GifErrorText(77), "giflib error 77");
}

}  // namespace
