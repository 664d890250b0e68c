#pragma once
// Whether a window can be shown at all. Asked before the toolkit starts, because the toolkit
// aborts (with a core dump) when it cannot open its display.
#include <string>

// Why no display can be opened, or an empty string when one can (or when the platform asked for
// in QT_QPA_PLATFORM needs none, such as offscreen).
std::string DisplayProblem();
