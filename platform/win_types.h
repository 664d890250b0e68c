#pragma once
// The integer types, handles and message numbers of the window services the program is written
// against. Messages keep their classic numbers so that a message map reads as it always has.
#include <cstdint>

#include <QString>

class QIcon;

using BOOL = int;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;
using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Icons are loaded once and shared for the life of the process, so a handle is a plain pointer.
using HICON = const QIcon*;
using HCURSOR = HICON;

using CString = QString;

// Window messages
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;

// The window's own commands (WM_SYSCOMMAND); the low four bits are reserved.
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_CLOSE = 0xF060;

// Dialog results and the command ids of the standard buttons
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Menu item kinds
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MF_SEPARATOR = 0x0800;
