#include "text/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<double> FiniteNumber(std::string_view text) {
    double value = 0;
#ifdef __EMSCRIPTEN__
    // The page's C++ library reads no floating point with from_chars. Its strtod, in the C
    // locale, is given only what from_chars would take: digits, a point, an exponent, a minus.
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtod(copy.c_str(), &end);
    if (copy.empty() || copy.find_first_not_of("+-0123456789.eE") != std::string::npos ||
        copy[0] == '+' || end != copy.c_str() + copy.size() || !std::isfinite(value))
        return std::nullopt;
#else
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
#endif
    return value;
}

std::string Fixed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text = buffer;
    if (!text.empty() && text.front() == '-' &&
        text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string Figure(const char* format, double value) {
    const std::string text = Fixed(format, value);
    return !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
}

std::string Shortest(double value) {
    char buffer[32];
#ifdef __EMSCRIPTEN__
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    return buffer;
#else
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string("nan");
#endif
}
