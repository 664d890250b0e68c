#pragma once
// The motor's frames on the desktop: as an image on the core's raster surface, and as SVG.
#include <QImage>

#include "motor/motor_frame.h"

class QIODevice;

// A null image when the frame was abandoned.
QImage RasterMotorFrame(const MotorInputs& inputs);
// False when the SVG could not be written to `device`.
bool WriteSvgMotorFrame(const MotorInputs& inputs, QIODevice* device);
