#include "frame_export.h"

#include "fixed_host.h"
#include "raster_dc.h"
#include "svg_dc.h"
#include "trace_dc.h"

std::string TraceFrame(const FrameOptions& o) {
    TraceDc dc;
    FixedHost host(o.width, o.height, o.showResultant);
    host.onReadouts = [&dc](const Readouts& r) { dc.WriteReadouts(r); };
    DrawScene(host, &dc, o.step);
    return dc.Text();
}

QImage RasterFrame(const FrameOptions& o) {
    RasterDc dc(o.width, o.height, o.scale);
    FixedHost host(o.width, o.height, o.showResultant);
    DrawScene(host, &dc, o.step);
    return dc.TakeImage();
}

bool WriteSvgFrame(const FrameOptions& o, QIODevice* device) {
    SvgDc dc(device, o.width, o.height);
    FixedHost host(o.width, o.height, o.showResultant);
    DrawScene(host, &dc, o.step);
    return dc.Finish();
}
