#pragma once
// The windows of the views beside the main one, each with its entry in the main window's menu:
// the one place in the program's windows that lists them.
#include <QString>
#include <QWidget>

#include "view_window.h"

// The view's entry in the window menu: its command id and its text.
unsigned ViewMenuId(View view);
QString ViewMenuText(View view);
// The views with a window of their own, in the menu's order.
std::span<const View> WindowViews();
// A new window of the view.
ViewWindow* MakeViewWindow(View view, QWidget* parent = nullptr);
