#include "winding_image.h"

#include "raster_image.h"
#include "svg_dc.h"

QImage RasterWindingFrame(const WindingInputs& inputs, std::string* description) {
    const std::unique_ptr<RasterDc> dc = MakeRasterDc(inputs.width, inputs.height, inputs.scale);
    const WindingResult result = DrawWindingFrame(inputs, *dc);
    if (description != nullptr) *description = result.description;
    if (!result.complete) return QImage();
    return ToImage(dc->TakePixels());
}

bool WriteSvgWindingFrame(const WindingInputs& inputs, QIODevice* device) {
    SvgDc dc(device, inputs.width, inputs.height, inputs.scale);
    DrawWindingFrame(inputs, dc);
    return dc.Finish();
}
