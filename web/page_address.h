#pragma once
// The page's address of a view as it is shown: what #view=NAME&KEY=VALUE...&step=N must say for
// the page to open at the same frame. Each value is written as the table of views reads it back,
// and only where it differs from the view's default.
#include <string>

#include "views/view_settings.h"

// "view=motor&load=5&step=3", without the '#'.
std::string PageAddressOf(const ViewSettings& settings, int step);
