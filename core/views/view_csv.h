#pragma once
// A view's curves as CSV, for a spreadsheet: each table a header row naming its columns with their
// units, then a row a point, the model's numbers with six significant digits. Tables follow one
// another with an empty line between.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Csv {
  public:
    // Starts a table with these columns, "name (unit)".
    void Table(const std::vector<std::string>& columns);
    // A point; a value the model has none of (out of step) is an empty field.
    void Row(const std::vector<std::optional<double>>& values);
    const std::string& Text() const { return m_text; }

  private:
    std::string m_text;
};

// "%.6g", with nothing that rounds away at that precision shown as a remainder of the arithmetic:
// cos 90° is 0, not 6.12323e-17.
std::string CsvNumber(double value);
