#pragma once
// The main window's settings beside its step.
struct MainSettings {
    bool showResultant = true;
    friend bool operator==(const MainSettings&, const MainSettings&) = default;
};
