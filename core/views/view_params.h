#pragma once
// A view's parameters, each described once: its name, what it takes, its range or choices, its
// default, its unit, and the one line that says why a value is refused. The command lines, the
// lesson files, the windows and the page's address read these descriptions and keep no copy.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

enum class ParamKind {
    Number,  // a real number from low to high
    Whole,   // a whole number from low to high, or one of `values`
    Choice,  // one of `choices`
    Switch,  // on or off
    Triple,  // three numbers, each from low to high, for phases U, V and W
};

struct ParamSpec {
    // --NAME on a command line, "NAME" in a lesson file, NAME= in the page's address.
    std::string_view name{};
    ParamKind kind = ParamKind::Number;
    double low = 0.0;
    double high = 0.0;
    // Number, Whole and Switch (1 for on): the value when none is given. A Choice's default is
    // its first choice.
    double fallback = 0.0;
    std::string_view unit{};  // written after a figure: " N·m"
    std::span<const std::string_view> choices{};
    std::span<const int> values{};  // the only whole numbers taken, when not every one in the range
    std::string_view example{};     // a Triple's: "1,0.4,0.7"
    // A Switch on the command line is a flag: --NAME turns it on, or --FLAG, when given, sets it
    // to the opposite of its default (--no-flux-lines).
    std::string_view flag{};
    std::string_view valueName{};  // --help's name for the value: "N"
    std::string_view help{};       // --help's words for the option
};

// A value as a reader hands it in: Switch bool, Number and Whole double, Choice string, Triple
// three doubles.
using ParamValue = std::variant<bool, double, std::string, std::array<double, 3>>;

// The values given for a view, in the order given, each under its spec's name.
using ParamValues = std::vector<std::pair<std::string_view, ParamValue>>;

// The value as a command line or an address writes it: "40", "1,0.4,0.7", "negative", and for a
// switch "1", "0", "true" or "false". Nothing when the text is not of the kind; its range is
// checked by Accepts.
std::optional<ParamValue> ParamFromText(const ParamSpec& spec, std::string_view text);
// The value as ParamFromText reads it back: the shortest number that is the same double,
// "1,0.4,0.7", the choice, "1" or "0".
std::string ParamText(const ParamValue& value);
// Whether the value is of the parameter's kind and in its range or among its choices.
bool Accepts(const ParamSpec& spec, const ParamValue& value);
// The one line that refuses `given` (as the reader saw it: the text, or the file's JSON) for
// this parameter, naming its range or choices: "load '50' is not a number from 0 to 40 N·m".
std::string Refusal(const ParamSpec& spec, std::string_view given);
// The range or choices as messages and --help write them: "0 to 40 N·m", "2, 4, 6 or 8".
std::string RangeText(const ParamSpec& spec);

// `text` fit for a one-line message: control characters, line breaks and escape sequences shown
// as \n, \t, \x1b, ..., and the whole cut to `limit` bytes with "…".
std::string Escaped(std::string_view text, std::size_t limit = 80);
// "a, b or c".
std::string Listed(std::span<const std::string_view> names);

// The given value of `name`, if any (the last one given).
const ParamValue* Given(const ParamValues& values, std::string_view name);
