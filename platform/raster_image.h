#pragma once
// Raster frames on the desktop: the core's raster surface with Qt's text, shown as QImage.
#include <memory>

#include <QImage>

#include "draw/raster_dc.h"
#include "explorer/explorer_frame.h"
#include "field/frame.h"

// A raster surface whose texts are drawn by QtTextPainter.
std::unique_ptr<RasterDc> MakeRasterDc(int width, int height, double scale);

// The pixels as an image with the buffer's device pixel ratio, without copying them.
QImage ToImage(PixelBuffer pixels);

// The frame of `inputs` as an image; a null image when the frame was abandoned.
QImage RasterFrame(const FrameInputs& inputs);
QImage RasterExplorerFrame(const ExplorerInputs& inputs);
