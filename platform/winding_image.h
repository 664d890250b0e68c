#pragma once
// The windings view's frames on the desktop: pixels with Qt's text, and SVG.
#include <QIODevice>
#include <QImage>
#include <string>

#include "winding/winding_frame.h"

// A null image when the frame was abandoned. The frame's description goes to `description`.
QImage RasterWindingFrame(const WindingInputs& inputs, std::string* description = nullptr);
// False when the SVG could not be written to `device`.
bool WriteSvgWindingFrame(const WindingInputs& inputs, QIODevice* device);
