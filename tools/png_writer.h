#pragma once
// Frames as PNG files.
#include <QImage>

#include "field/frame.h"

class QIODevice;

// The same pixels as an 8-bit indexed image, or a null image when there are more than 256 colours.
// Throws std::bad_alloc when the image cannot be allocated.
QImage ExactIndexed(const QImage& image);

// The frame as PNG; a frame of at most 256 colours (all of them, normally) is stored with an exact
// palette, which is smaller and several times faster to encode. False when it cannot be written.
bool WritePngFrame(const FrameInputs& inputs, QIODevice* device);
// Any finished frame as PNG, stored the same way; false for a null image.
bool WritePngImage(const QImage& frame, QIODevice* device);
