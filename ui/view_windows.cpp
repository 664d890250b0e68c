#include "view_windows.h"

#include <QCoreApplication>

#include "capacitor_motor_window.h"
#include "explorer_window.h"
#include "motor_window.h"
#include "resource.h"
#include "resources.h"
#include "synchronous_window.h"
#include "windings_window.h"

namespace {

constexpr View kWindowViews[] = {View::Explorer, View::Winding, View::Motor, View::CapacitorMotor,
                                 View::Synchronous};
// The views after the explorer, 0x10 apart as the window menu's commands must be.
constexpr unsigned kFirstViewCommand = 0x0200;

}  // namespace

std::span<const View> WindowViews() { return kWindowViews; }

unsigned ViewMenuId(View view) {
    if (view == View::Explorer) return IDM_EXPLORER;
    return kFirstViewCommand + 0x10 * (static_cast<unsigned>(view) - 2);
}

QString ViewMenuText(View view) {
    switch (view) {
        case View::Explorer:
            return LoadResourceString(IDS_EXPLORER);
        case View::Winding:
            return QCoreApplication::translate("CFieldDemoDialog", "绕组(&W)...");
        case View::Motor:
            return QCoreApplication::translate("MotorWindow", "电动机(&M)...");
        case View::CapacitorMotor:
            return QCoreApplication::translate("CapacitorMotorWindow", "单相电动机(&I)...");
        case View::Synchronous:
            return QCoreApplication::translate("SynchronousWindow", "同步电机(&Y)...");
        case View::Main:
            break;
    }
    return {};
}

ViewWindow* MakeViewWindow(View view, QWidget* parent) {
    switch (view) {
        case View::Explorer:
            return new ExplorerWindow(parent);
        case View::Winding:
            return new WindingsWindow(parent);
        case View::Motor:
            return new MotorWindow(parent);
        case View::CapacitorMotor:
            return new CapacitorMotorWindow(parent);
        case View::Synchronous:
            return new SynchronousWindow(parent);
        case View::Main:
            break;
    }
    return nullptr;
}
