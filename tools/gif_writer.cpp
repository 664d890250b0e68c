#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include <QIODevice>

namespace {

constexpr int kMaxColours = 256;
// The fallback palette: a 6x6x6 colour cube, which bounds the error of any colour, and the
// frame's most used other colours, which are then kept exactly.
constexpr int kCubeLevels = 6;

uint32_t Rgb(QRgb pixel) { return pixel & 0xffffffu; }

struct ColourCount {
    uint32_t colour;
    long count;
};

// The colours of `rect` with how often each occurs, in ascending colour order.
std::vector<ColourCount> CountColours(const QImage& image, QRect rect) {
    std::unordered_map<uint32_t, long> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = rect.left();
        while (x <= rect.right()) {
            const uint32_t colour = Rgb(line[x]);
            int end = x + 1;
            while (end <= rect.right() && Rgb(line[end]) == colour) ++end;
            counts[colour] += end - x;
            x = end;
        }
    }
    std::vector<ColourCount> result;
    result.reserve(counts.size());
    for (const auto& [colour, count] : counts) result.push_back({colour, count});
    std::sort(result.begin(), result.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });
    return result;
}

std::vector<uint32_t> FallbackPalette(std::vector<ColourCount> counts) {
    std::vector<uint32_t> palette;
    auto level = [](int i) { return static_cast<uint32_t>(i * 255 / (kCubeLevels - 1)); };
    for (int r = 0; r < kCubeLevels; ++r)
        for (int g = 0; g < kCubeLevels; ++g)
            for (int b = 0; b < kCubeLevels; ++b)
                palette.push_back(level(r) << 16 | level(g) << 8 | level(b));
    const std::vector<uint32_t> cube = palette;
    std::stable_sort(counts.begin(), counts.end(),
                     [](const ColourCount& a, const ColourCount& b) { return a.count > b.count; });
    for (const ColourCount& c : counts) {
        if (palette.size() == kMaxColours) break;
        if (std::find(cube.begin(), cube.end(), c.colour) == cube.end())
            palette.push_back(c.colour);
    }
    return palette;
}

long Distance2(uint32_t a, uint32_t b) {
    const long dr = static_cast<long>(a >> 16 & 0xff) - static_cast<long>(b >> 16 & 0xff);
    const long dg = static_cast<long>(a >> 8 & 0xff) - static_cast<long>(b >> 8 & 0xff);
    const long db = static_cast<long>(a & 0xff) - static_cast<long>(b & 0xff);
    return dr * dr + dg * dg + db * db;
}

uint8_t Nearest(const std::vector<uint32_t>& palette, uint32_t colour) {
    size_t best = 0;
    for (size_t i = 1; i < palette.size(); ++i) {
        if (Distance2(palette[i], colour) < Distance2(palette[best], colour)) best = i;
    }
    return static_cast<uint8_t>(best);
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapDeleter>;

// giflib wants a power of two from 2 to 256 entries; the padding is never referred to.
MapPtr MakeColorMap(const std::vector<uint32_t>& colours) {
    int size = 2;
    while (size < static_cast<int>(colours.size())) size *= 2;
    std::vector<GifColorType> entries(static_cast<size_t>(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < colours.size(); ++i) {
        entries[i] = {static_cast<GifByteType>(colours[i] >> 16 & 0xff),
                      static_cast<GifByteType>(colours[i] >> 8 & 0xff),
                      static_cast<GifByteType>(colours[i] & 0xff)};
    }
    return MapPtr(GifMakeMapObject(size, entries.data()));
}

// The bounding box of the pixels that differ, or an empty rectangle.
QRect ChangedRect(const QImage& before, const QImage& after) {
    int top = -1, bottom = -1, left = after.width(), right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        int first = 0;
        while (first < after.width() && Rgb(a[first]) == Rgb(b[first])) ++first;
        if (first == after.width()) continue;
        int last = after.width() - 1;
        while (Rgb(a[last]) == Rgb(b[last])) --last;
        if (top < 0) top = y;
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

std::string GifErrorText(int code) {
    switch (code) {
        case E_GIF_SUCCEEDED:
            return "no error";
        case E_GIF_ERR_OPEN_FAILED:
            return "the output could not be opened";
        case E_GIF_ERR_WRITE_FAILED:
            return "writing failed";
        case E_GIF_ERR_HAS_SCRN_DSCR:
            return "the screen descriptor was already written";
        case E_GIF_ERR_HAS_IMAG_DSCR:
            return "an image was begun before the previous one was complete";
        case E_GIF_ERR_NO_COLOR_MAP:
            return "an image has no colour table";
        case E_GIF_ERR_DATA_TOO_BIG:
            return "an image was given more pixels than its size holds";
        case E_GIF_ERR_NOT_ENOUGH_MEM:
            return "out of memory";
        case E_GIF_ERR_DISK_IS_FULL:
            return "writing the image data failed (is the disk full?)";
        case E_GIF_ERR_CLOSE_FAILED:
            return "closing the output failed";
        case E_GIF_ERR_NOT_WRITEABLE:
            return "the output is not open for writing";
        default:
            return "giflib error " + std::to_string(code);
    }
}

GifWriter::GifWriter(QIODevice* device, const Options& options)
    : m_device(device), m_options(options) {}

GifWriter::~GifWriter() {
    // An abandoned file gets no trailer: the caller is throwing the output away.
    m_discardOutput = true;
    Close();
}

bool GifWriter::Fail(const std::string& message) {
    if (!m_failed) m_error = message;
    m_failed = true;
    return false;
}

bool GifWriter::Check(int result) {
    if (m_writeFailed) {
        return Fail("writing failed: " + m_device->errorString().toStdString());
    }
    if (result != GIF_OK) return Fail(GifErrorText(m_gif->Error));
    return true;
}

int GifWriter::Output(GifFileType* gif, const unsigned char* data, int length) {
    auto* self = static_cast<GifWriter*>(gif->UserData);
    if (self->m_discardOutput) return length;
    // giflib ignores the result of some of its writes, so the first failure is remembered.
    if (self->m_writeFailed) return 0;
    const qint64 written = self->m_device->write(reinterpret_cast<const char*>(data), length);
    if (written == length) return length;
    self->m_writeFailed = true;
    return written < 0 ? 0 : static_cast<int>(written);
}

void GifWriter::Close() {
    if (!m_gif) return;
    int error = E_GIF_SUCCEEDED;
    const int result = EGifCloseFile(m_gif, &error);  // frees m_gif whatever happens
    m_gif = nullptr;
    if (m_writeFailed) {
        Fail("writing failed: " + m_device->errorString().toStdString());
    } else if (result != GIF_OK) {
        Fail(GifErrorText(error));
    }
}

bool GifWriter::Open() {
    const Options& o = m_options;
    if (o.width < 1 || o.width > 65535 || o.height < 1 || o.height > 65535) {
        return Fail("a GIF is 1 to 65535 pixels each way, not " + std::to_string(o.width) + "x" +
                    std::to_string(o.height));
    }
    if (o.delayCentiseconds < 0 || o.delayCentiseconds > 65535) {
        return Fail("a GIF frame delay is 0 to 65535 hundredths of a second");
    }
    if (!m_device || !m_device->isWritable()) {
        return Fail(GifErrorText(E_GIF_ERR_NOT_WRITEABLE));
    }
    int error = E_GIF_SUCCEEDED;
    m_gif = EGifOpen(this, &GifWriter::Output, &error);
    if (!m_gif) return Fail(GifErrorText(error));
    EGifSetGifVersion(m_gif, true);
    return true;
}

bool GifWriter::WriteLoopExtension() {
    static const char kApplication[] = "NETSCAPE2.0";
    static const unsigned char kLoopForever[] = {1, 0, 0};  // sub-block 1, count 0 (LE)
    return Check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE)) &&
           Check(EGifPutExtensionBlock(m_gif, 11, kApplication)) &&
           Check(EGifPutExtensionBlock(m_gif, 3, kLoopForever)) &&
           Check(EGifPutExtensionTrailer(m_gif));
}

bool GifWriter::AddFrame(const QImage& frame) {
    if (m_failed) return false;
    if (m_finished) return Fail("a frame was added after the GIF was finished");
    if (frame.width() != m_options.width || frame.height() != m_options.height) {
        return Fail("a frame of " + std::to_string(frame.width()) + "x" +
                    std::to_string(frame.height()) + " does not fit a GIF of " +
                    std::to_string(m_options.width) + "x" + std::to_string(m_options.height));
    }
    const QImage image = frame.format() == QImage::Format_RGB32
                             ? frame
                             : frame.convertToFormat(QImage::Format_RGB32);
    // Qt answers an allocation that fails with a null image, whose lines are null.
    if (image.isNull() && !frame.isNull()) throw std::bad_alloc();
    if (m_frameCount == 0) {
        if (!Open()) return false;
        return WriteFrame(image, image.rect());
    }
    QRect rect = ChangedRect(m_shown, image);
    // An unchanged frame still has to show for its delay: one pixel, redrawn as it is.
    if (rect.isEmpty()) rect = QRect(0, 0, 1, 1);
    return WriteFrame(image, rect);
}

bool GifWriter::WriteFrame(const QImage& image, QRect rect) {
    const std::vector<ColourCount> counts = CountColours(image, rect);
    Palette palette;
    if (counts.size() <= kMaxColours) {
        for (const ColourCount& c : counts) palette.colours.push_back(c.colour);
    } else {
        palette.colours = FallbackPalette(counts);
        palette.exact = false;
        m_approximated.push_back(m_frameCount);
    }

    const bool first = m_frameCount == 0;
    bool useGlobal = first;
    if (!first && palette.exact) {
        useGlobal = std::all_of(palette.colours.begin(), palette.colours.end(),
                                [this](uint32_t c) { return m_globalIndex.count(c) != 0; });
    }
    std::unordered_map<uint32_t, uint8_t> localIndex;
    for (size_t i = 0; i < palette.colours.size(); ++i)
        localIndex.emplace(palette.colours[i], static_cast<uint8_t>(i));
    if (first) {
        m_globalColours = palette.colours;
        m_globalIndex = localIndex;
    }
    const std::unordered_map<uint32_t, uint8_t>& index = useGlobal ? m_globalIndex : localIndex;
    const std::vector<uint32_t>& colours = useGlobal ? m_globalColours : palette.colours;
    std::unordered_map<uint32_t, uint8_t> nearest;

    MapPtr map = MakeColorMap(palette.colours);
    if (!map) return Fail(GifErrorText(E_GIF_ERR_NOT_ENOUGH_MEM));
    if (first) {
        if (!Check(EGifPutScreenDesc(m_gif, m_options.width, m_options.height, 8, 0, map.get())))
            return false;
        if (m_options.loopForever && !WriteLoopExtension()) return false;
    }

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;  // later frames draw over this one
    control.UserInputFlag = false;
    control.DelayTime = m_options.delayCentiseconds;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t extensionLength = EGifGCBToExtension(&control, extension);
    if (!Check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionLength),
                                extension)))
        return false;
    // giflib 5.2 drops the previous image's local table without freeing it when the next image
    // has none; freeing it first is harmless where giflib does it itself.
    if (useGlobal && m_gif->Image.ColorMap) {
        GifFreeMapObject(m_gif->Image.ColorMap);
        m_gif->Image.ColorMap = nullptr;
    }
    if (!Check(EGifPutImageDesc(m_gif, rect.left(), rect.top(), rect.width(), rect.height(), false,
                                useGlobal ? nullptr : map.get())))
        return false;

    // What a viewer shows next: outside `rect` the frame already, and inside it too when its
    // colours are exact, so the frame is kept as it is, shared rather than copied. Only a frame
    // shown in the nearest colours needs an image of its own to write them into.
    if (palette.exact) {
        m_shown = image;
    } else if (m_shown.isNull()) {
        m_shown = image.copy();
        if (m_shown.isNull()) throw std::bad_alloc();
    }
    std::vector<GifPixelType> line(static_cast<size_t>(rect.width()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* shown = palette.exact ? nullptr : reinterpret_cast<QRgb*>(m_shown.scanLine(y));
        uint32_t lastColour = 0;
        uint8_t lastIndex = 0;
        bool haveLast = false;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const uint32_t colour = Rgb(source[x]);
            if (!haveLast || colour != lastColour) {
                if (const auto found = index.find(colour); found != index.end()) {
                    lastIndex = found->second;
                } else {
                    // Only the fallback palette misses colours; each answer is kept.
                    auto near = nearest.find(colour);
                    if (near == nearest.end())
                        near = nearest.emplace(colour, Nearest(colours, colour)).first;
                    lastIndex = near->second;
                }
                lastColour = colour;
                haveLast = true;
            }
            line[static_cast<size_t>(x - rect.left())] = lastIndex;
            if (shown) shown[x] = 0xff000000u | colours[lastIndex];
        }
        if (!Check(EGifPutLine(m_gif, line.data(), rect.width()))) return false;
    }
    ++m_frameCount;
    return true;
}

bool GifWriter::Finish() {
    if (m_failed) return false;
    if (m_finished) return true;
    if (m_frameCount == 0) return Fail("a GIF needs at least one frame");
    m_finished = true;
    Close();
    return !m_failed;
}
