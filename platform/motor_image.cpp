#include "motor_image.h"

#include "raster_image.h"
#include "svg_dc.h"

QImage RasterMotorFrame(const MotorInputs& inputs) {
    const std::unique_ptr<RasterDc> dc = MakeRasterDc(inputs.width, inputs.height, inputs.scale);
    if (!DrawMotorFrame(inputs, *dc).complete) return QImage();
    return ToImage(dc->TakePixels());
}

bool WriteSvgMotorFrame(const MotorInputs& inputs, QIODevice* device) {
    SvgDc dc(device, inputs.width, inputs.height, inputs.scale);
    DrawMotorFrame(inputs, dc);
    return dc.Finish();
}
