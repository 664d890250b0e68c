#pragma once
// One frame of a given step, size and resultant setting, on each kind of surface.
#include <string>

#include <QImage>

class QIODevice;

struct FrameOptions {
    int step = 0;
    int width = 513;
    int height = 624;
    bool showResultant = true;
    int scale = 1;  // device pixels per pixel, for HiDPI screens (raster only)
};

// The readout lines, then one line per primitive.
std::string TraceFrame(const FrameOptions& options);
QImage RasterFrame(const FrameOptions& options);
// The frame as PNG; a frame of at most 256 colours (all of them, normally) is stored with an exact
// palette, which is smaller and several times faster to encode. False when it cannot be written.
bool WritePngFrame(const FrameOptions& options, QIODevice* device);
// The same pixels as an 8-bit indexed image, or a null image when there are more than 256 colours.
QImage ExactIndexed(const QImage& image);
// False when the SVG could not be written to `device`.
bool WriteSvgFrame(const FrameOptions& options, QIODevice* device);
