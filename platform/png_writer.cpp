#include "png_writer.h"

#include <new>
#include <unordered_map>

#include <QIODevice>

#include "raster_image.h"

QImage ExactIndexed(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    // Qt answers an allocation that fails with a null image, whose lines are null.
    if (image.isNull() || indexed.isNull()) throw std::bad_alloc();
    QList<QRgb> table;
    std::unordered_map<QRgb, uchar> index;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        const int width = image.width();
        for (int x = 0; x < width;) {
            auto it = index.find(in[x]);
            if (it == index.end()) {
                if (table.size() == 256) return QImage();
                it = index.emplace(in[x], static_cast<uchar>(table.size())).first;
                table.append(in[x]);
            }
            // Runs of one colour are the rule in a frame: one lookup per run.
            const QRgb colour = in[x];
            const uchar i = it->second;
            do out[x++] = i;
            while (x < width && in[x] == colour);
        }
    }
    indexed.setColorTable(table);
    indexed.setDevicePixelRatio(source.devicePixelRatio());
    return indexed;
}

bool WritePngImage(const QImage& frame, QIODevice* device) {
    if (frame.isNull()) return false;
    const QImage indexed = ExactIndexed(frame);
    return (indexed.isNull() ? frame : indexed).save(device, "PNG");
}
