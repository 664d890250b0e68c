#pragma once
// Each view's frame from its own inputs, through the table of views as every host draws it: the
// tests and benchmarks name frames the way the views' own code does.
#include <QIODevice>
#include <QImage>

#include "explorer/explorer_frame.h"
#include "field/frame.h"
#include "motor/motor_frame.h"
#include "motor/motor_view.h"
#include "raster_image.h"
#include "svg_dc.h"
#include "winding/winding_frame.h"

inline CanvasInputs CanvasOf(int step, int width, int height, double scale, const Palette& palette,
                             const Translation* translation) {
    return {step, width, height, scale, palette, translation};
}

inline QImage RasterFrame(const FrameInputs& in) {
    return RasterViewFrame(MainSettings{in.showResultant},
                           CanvasOf(in.step, in.width, in.height, in.scale, in.palette,
                                    in.translation));
}

inline bool WriteSvgFrame(const FrameInputs& in, QIODevice* device) {
    return WriteSvgViewFrame(
        MainSettings{in.showResultant},
        CanvasOf(in.step, in.width, in.height, in.scale, in.palette, in.translation), device);
}

inline QImage RasterExplorerFrame(const ExplorerInputs& in) {
    return RasterViewFrame(ExplorerSettings{in.supply, in.componentsApart},
                           CanvasOf(in.step, in.width, in.height, in.scale, in.palette,
                                    in.translation));
}

inline QImage RasterWindingFrame(const WindingInputs& in) {
    return RasterViewFrame(WindingSettings{in.winding, in.sequence, in.frequency, in.fluxLines},
                           CanvasOf(in.step, in.width, in.height, in.scale, in.palette,
                                    in.translation));
}

inline QImage RasterMotorFrame(const MotorInputs& in) {
    return RasterViewFrame(MotorSettings{in.supply, in.load, in.inertia, in.speed, in.time,
                                         in.initialSpeed, in.rotorAngle, in.dynamic,
                                         in.switchAngle, in.zoom, in.drive, in.page},
                           CanvasOf(in.step, in.width, in.height, in.scale, in.palette,
                                    in.translation));
}
