#pragma once
// Raster frames on the desktop: the core's raster surface with Qt's text, shown as QImage.
#include <memory>

#include <QImage>

#include <string>

#include "draw/raster_dc.h"
#include "views/view_table.h"

// A raster surface whose texts are drawn by QtTextPainter.
std::unique_ptr<RasterDc> MakeRasterDc(int width, int height, double scale);

// The pixels as an image with the buffer's device pixel ratio, without copying them.
QImage ToImage(PixelBuffer pixels);

// The view's frame as an image; a null image when the frame was abandoned. Its sentence for a
// screen reader goes to `description`.
QImage RasterViewFrame(const ViewSettings& settings, const CanvasInputs& canvas,
                       std::string* description = nullptr);
