#include "views/view_params.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "text/numbers.h"

namespace {

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

bool InRange(const ParamSpec& spec, double value) {
    return std::isfinite(value) && value >= spec.low && value <= spec.high;
}

// Three numbers separated by commas, such as 1,0.4,0.7.
std::optional<std::array<double, 3>> Triple(std::string_view text) {
    std::array<double, 3> values{};
    for (std::size_t n = 0; n < 3; ++n) {
        const std::size_t comma = n < 2 ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return std::nullopt;
        const std::optional<double> value = FiniteNumber(text.substr(0, comma));
        if (!value) return std::nullopt;
        values[n] = *value;
        text.remove_prefix(std::min(comma + 1, text.size()));
    }
    return values;
}

}  // namespace

std::optional<ParamValue> ParamFromText(const ParamSpec& spec, std::string_view text) {
    switch (spec.kind) {
        case ParamKind::Number:
        case ParamKind::Whole:
            if (const std::optional<double> value = FiniteNumber(text)) return *value;
            return std::nullopt;
        case ParamKind::Choice:
            // Typed by hand, u is U: a choice is known whatever the case it is typed in.
            for (const std::string_view choice : spec.choices)
                if (std::equal(choice.begin(), choice.end(), text.begin(), text.end(),
                               [](char a, char b) {
                                   return std::tolower(static_cast<unsigned char>(a)) ==
                                          std::tolower(static_cast<unsigned char>(b));
                               }))
                    return std::string(choice);
            return std::string(text);
        case ParamKind::Switch:
            if (text == "1" || text == "true") return true;
            if (text == "0" || text == "false") return false;
            return std::nullopt;
        case ParamKind::Triple:
            if (const auto values = Triple(text)) return *values;
            return std::nullopt;
    }
    return std::nullopt;
}

std::string ParamText(const ParamValue& value) {
    if (const bool* on = std::get_if<bool>(&value)) return *on ? "1" : "0";
    if (const double* number = std::get_if<double>(&value)) return Shortest(*number);
    if (const std::string* choice = std::get_if<std::string>(&value)) return *choice;
    const auto& three = std::get<std::array<double, 3>>(value);
    return Shortest(three[0]) + "," + Shortest(three[1]) + "," + Shortest(three[2]);
}

bool Accepts(const ParamSpec& spec, const ParamValue& value) {
    switch (spec.kind) {
        case ParamKind::Number: {
            const double* v = std::get_if<double>(&value);
            return v != nullptr && InRange(spec, *v);
        }
        case ParamKind::Whole: {
            const double* v = std::get_if<double>(&value);
            if (v == nullptr || !InRange(spec, *v) || *v != std::floor(*v)) return false;
            return spec.values.empty() || std::find(spec.values.begin(), spec.values.end(),
                                                    static_cast<int>(*v)) != spec.values.end();
        }
        case ParamKind::Choice: {
            const std::string* v = std::get_if<std::string>(&value);
            return v != nullptr &&
                   std::find(spec.choices.begin(), spec.choices.end(), *v) != spec.choices.end();
        }
        case ParamKind::Switch:
            return std::holds_alternative<bool>(value);
        case ParamKind::Triple: {
            const auto* v = std::get_if<std::array<double, 3>>(&value);
            return v != nullptr &&
                   std::all_of(v->begin(), v->end(), [&](double x) { return InRange(spec, x); });
        }
    }
    return false;
}

std::string Listed(std::span<const std::string_view> names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

std::string RangeText(const ParamSpec& spec) {
    switch (spec.kind) {
        case ParamKind::Whole:
            if (!spec.values.empty()) {
                std::vector<std::string> texts;
                for (const int v : spec.values) texts.push_back(std::to_string(v));
                return Listed(std::vector<std::string_view>(texts.begin(), texts.end()));
            }
            [[fallthrough]];
        case ParamKind::Number:
        case ParamKind::Triple:
            return Number(spec.low) + " to " + Number(spec.high) + std::string(spec.unit);
        case ParamKind::Choice:
            return Listed(spec.choices);
        case ParamKind::Switch:
            return "true or false";
    }
    return {};
}

std::string Refusal(const ParamSpec& spec, std::string_view given) {
    const std::string head = std::string(spec.name) + " '" + Escaped(given) + "'";
    switch (spec.kind) {
        case ParamKind::Number:
            return head + " is not a number from " + RangeText(spec);
        case ParamKind::Whole:
            if (!spec.values.empty()) return head + " is not one of " + RangeText(spec);
            return head + " is not a whole number from " + RangeText(spec);
        case ParamKind::Choice:
            return head + " is not one of " + RangeText(spec);
        case ParamKind::Switch:
            return head + " is not true or false";
        case ParamKind::Triple:
            return head + " is not three numbers from " + RangeText(spec) + ", such as " +
                   std::string(spec.example);
    }
    return head;
}

std::string Escaped(std::string_view text, std::size_t limit) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (u < 0x20 || u == 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", u);
            out += buffer;
        } else {
            out += c;
        }
    }
    if (out.size() > limit) {
        // Cut at a character's start, never inside one.
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xc0) == 0x80) --cut;
        out = out.substr(0, cut) + "…";
    }
    return out;
}

const ParamValue* Given(const ParamValues& values, std::string_view name) {
    const ParamValue* found = nullptr;
    for (const auto& [key, value] : values)
        if (key == name) found = &value;
    return found;
}
