#pragma once
// Numbers as vesk reads and writes them, everywhere the same.
#include <optional>
#include <string>
#include <string_view>

// The whole text is the number, or there is none: "2.0000001" is no whole number, "1e400" and
// "nan" are no numbers, and neither is "" or " 4".
std::optional<int> WholeNumber(std::string_view text);
std::optional<double> FiniteNumber(std::string_view text);

// `value` through a printf format ("%.2f"), except that a value that rounds to zero reads as
// zero whatever its sign: a readout never shows "-0.00".
std::string Fixed(const char* format, double value);
// The same with a true minus sign (U+2212), as a figure is typeset in a picture.
std::string Figure(const char* format, double value);
// The shortest text that reads back as `value`: 0.015, 40, 1e-07.
std::string Shortest(double value);
