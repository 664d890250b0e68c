#pragma once
// Every view's settings beside its step, one alternative a view, in the order of View.
#include <variant>

#include "capacitor_motor/capacitor_motor_view.h"
#include "explorer/explorer_view.h"
#include "field/main_view.h"
#include "motor/motor_view.h"
#include "synchronous/synchronous_view.h"
#include "views/view.h"
#include "winding/winding_view.h"

using ViewSettings = std::variant<MainSettings, ExplorerSettings, WindingSettings, MotorSettings,
                                  CapacitorMotorSettings, SynchronousSettings>;

inline View ViewOf(const ViewSettings& settings) { return static_cast<View>(settings.index()); }
