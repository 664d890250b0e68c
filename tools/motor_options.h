#pragma once
// vesk-render's options for the motor view: the load, the inertia, and the operating state, a
// steady speed or a start-up's time with its initial speed.
#include <optional>
#include <string>

#include "motor/motor_frame.h"

struct MotorOptions {
    std::string first;  // the first motor option given, for the message when it is out of place
    double load = 0.0;
    double inertia = motor::kDefaultInertia;
    std::optional<double> speed;
    std::optional<double> time;
    double initialSpeed = 0.0;
    bool initialGiven = false;

    static bool IsMotorOption(const std::string& arg);
    // Takes one option's value; returns the reason it is unusable, or an empty string.
    std::string Take(const std::string& arg, const std::string& value);
    // What cannot be given together; empty when all is well.
    std::string Check() const;
    MotorInputs Inputs() const;
};
