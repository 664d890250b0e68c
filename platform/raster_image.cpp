#include "raster_image.h"

#include <utility>
#include <vector>

#include "qt_text_painter.h"

std::unique_ptr<RasterDc> MakeRasterDc(int width, int height, double scale) {
    return std::make_unique<RasterDc>(width, height, scale, std::make_unique<QtTextPainter>());
}

QImage ToImage(PixelBuffer pixels) {
    if (pixels.pixels.empty()) return QImage();
    // The image takes the buffer over and frees it with its last copy.
    auto* owned = new std::vector<std::uint32_t>(std::move(pixels.pixels));
    QImage image(
        reinterpret_cast<uchar*>(owned->data()), pixels.width, pixels.height,
        static_cast<qsizetype>(pixels.width) * 4, QImage::Format_RGB32,
        [](void* data) { delete static_cast<std::vector<std::uint32_t>*>(data); }, owned);
    image.setDevicePixelRatio(pixels.scale);
    return image;
}

QImage RasterViewFrame(const ViewSettings& settings, const CanvasInputs& canvas,
                       std::string* description) {
    const std::unique_ptr<RasterDc> dc = MakeRasterDc(canvas.width, canvas.height, canvas.scale);
    const ViewResult result = DrawView(settings, canvas, *dc);
    if (description != nullptr) *description = result.description;
    if (!result.complete) return QImage();
    return ToImage(dc->TakePixels());
}
