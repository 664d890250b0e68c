#pragma once
// Sentences with numbered places, as the catalogue writes them ("Step %1, ωt = %2°"): each %1 to
// %9 is replaced by its argument, so a translation may put the places in any order.
#include <initializer_list>
#include <string>
#include <string_view>

inline std::string FormatText(std::string_view pattern,
                              std::initializer_list<std::string_view> args) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t n = static_cast<size_t>(c - '1');
        if (pattern[i] == '%' && c >= '1' && c <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
