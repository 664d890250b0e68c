#include "motor_options.h"

#include "option_numbers.h"


namespace {

struct Range {
    const char* option;
    const char* name;
    double low;
    double high;
    const char* unit;
};

constexpr Range kRanges[] = {
    {"--load", "load", 0.0, motor::kMaxLoad, " N·m"},
    {"--inertia", "inertia", motor::kMinInertia, motor::kMaxInertia, " kg·m²"},
    {"--speed", "speed", -motor::kMaxSpeed, motor::kMaxSpeed, " rpm"},
    {"--time", "time", 0.0, motor::kMaxTime, " s"},
    {"--initial-speed", "initial speed", -motor::kMaxSpeed, motor::kMaxSpeed, " rpm"},
};

std::string Figure(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

}  // namespace

bool MotorOptions::IsMotorOption(const std::string& arg) {
    for (const Range& r : kRanges)
        if (arg == r.option) return true;
    return false;
}

std::string MotorOptions::Take(const std::string& arg, const std::string& text) {
    if (first.empty()) first = arg;
    for (const Range& r : kRanges) {
        if (arg != r.option) continue;
        const std::optional<double> value = FiniteNumber(text);
        if (!value || *value < r.low || *value > r.high)
            return std::string(r.name) + " '" + text + "' is not a number from " + Figure(r.low) +
                   " to " + Figure(r.high) + r.unit;
        if (arg == "--load") load = *value;
        if (arg == "--inertia") inertia = *value;
        if (arg == "--speed") speed = value;
        if (arg == "--time") time = value;
        if (arg == "--initial-speed") {
            initialSpeed = *value;
            initialGiven = true;
        }
    }
    return {};
}

std::string MotorOptions::Check() const {
    if (speed && time) return "--speed and --time cannot be used together";
    if (speed && initialGiven) return "--initial-speed is for a start-up: use it with --time";
    return {};
}

MotorInputs MotorOptions::Inputs() const {
    MotorInputs in;
    in.load = load;
    in.inertia = inertia;
    in.speed = speed;
    in.time = time.value_or(0.0);
    in.initialSpeed = initialSpeed;
    return in;
}
