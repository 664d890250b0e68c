#include "frame_file.h"

#include <algorithm>
#include <cctype>
#include <new>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "output_file.h"
#include "pdf_dc.h"
#include "png_writer.h"
#include "raster_image.h"
#include "svg_dc.h"
#include "version.h"

namespace {

// "png" of a/b.PNG; "" without one.
std::string Extension(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return {};
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

bool WritePdfViewFrame(const ViewSettings& settings, const CanvasInputs& canvas,
                       QIODevice* device) {
    QPdfWriter writer(device);
    writer.setCreator(QStringLiteral("vesk %1").arg(QString::fromLatin1(kVeskVersion)));
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(canvas.width, canvas.height), QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    PdfDc dc(painter, canvas.width, canvas.height);
    const ViewResult frame = DrawView(settings, canvas, dc);
    return painter.end() && frame.complete;
}

std::string SaveViewFrame(const std::string& path, const ViewSettings& settings,
                          const CanvasInputs& canvas) {
    const std::string extension = Extension(path);
    if (extension != "png" && extension != "svg" && extension != "pdf")
        return "cannot tell the format of '" + path + "': use .png, .svg or .pdf";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    try {
        if (extension == "png")
            drawn = WritePngImage(RasterViewFrame(settings, canvas), &buffer);
        else if (extension == "svg")
            drawn = WriteSvgViewFrame(settings, canvas, &buffer);
        else
            drawn = WritePdfViewFrame(settings, canvas, &buffer);
    } catch (const std::bad_alloc&) {
        return "cannot write " + path + ": not enough memory for the frame";
    }
    if (!drawn) return "cannot write " + path + ": the frame could not be drawn";
    return WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()));
}

std::string SaveViewCsv(const std::string& path, const ViewSettings& settings, int step) {
    const ViewDescriptor& d = Describe(ViewOf(settings));
    if (d.csv == nullptr) return "view " + std::string(d.name) + " has no curves to write as CSV";
    return WriteWholeFile(path, d.csv(settings, step));
}
