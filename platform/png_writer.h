#pragma once
// Frames as PNG files.
#include <QImage>

class QIODevice;

// The same pixels as an 8-bit indexed image, or a null image when there are more than 256 colours.
// Throws std::bad_alloc when the image cannot be allocated.
QImage ExactIndexed(const QImage& image);

// A finished frame as PNG; a frame of at most 256 colours (all of them, normally) is stored with an
// exact palette, which is smaller and several times faster to encode. False for a null image or
// when it cannot be written.
bool WritePngImage(const QImage& frame, QIODevice* device);
