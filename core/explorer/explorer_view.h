#pragma once
// The explorer's settings beside its step.
#include "supply/supply.h"

struct ExplorerSettings {
    Supply supply;
    // F+ and F- also drawn from the centre, each on its own circle.
    bool componentsApart = false;
    friend bool operator==(const ExplorerSettings&, const ExplorerSettings&) = default;
};
