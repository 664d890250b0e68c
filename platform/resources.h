#pragma once
// The resources compiled into the program, found by their ids: icons (every image under
// :/icons/<id>/) and the string table (:/strings/<id>).
#include "win_types.h"

class QPainter;

// The system's standard icon size.
constexpr int STANDARD_ICON_SIZE = 32;

// The icon with all its images. Loaded once and shared for the life of the process; nullptr
// when there is no such icon.
HICON LoadIcon(UINT nIDResource);
// The text of string nID, or an empty string when there is none.
CString LoadResourceString(UINT nID);
// Draws an icon at its standard size with its top-left corner at (x, y).
void DrawIcon(QPainter& painter, int x, int y, HICON hIcon);
