#pragma once
// A view's frame and its curves as files, for a window's Save and Export: a PNG (the same bytes
// vesk-render writes), an SVG or a one-page PDF by the name's extension, or the curves as CSV; each
// drawn in memory and written whole or not at all (output_file.h). Paths are kept byte for byte.
#include <string>

#include "views/view_table.h"

class QIODevice;

// The frame as a PDF page the frame's size, one point a pixel, all vector; false when it could
// not be written to `device`.
bool WritePdfViewFrame(const ViewSettings& settings, const CanvasInputs& canvas, QIODevice* device);

// Writes the frame to `path` as .png, .svg or .pdf (in any case); "" or the one-line reason.
std::string SaveViewFrame(const std::string& path, const ViewSettings& settings,
                          const CanvasInputs& canvas);
// Writes the view's curves at `step` to `path` as CSV; "" or the one-line reason.
std::string SaveViewCsv(const std::string& path, const ViewSettings& settings, int step);
