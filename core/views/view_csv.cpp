#include "views/view_csv.h"

#include <cmath>
#include <cstdio>

void Csv::Table(const std::vector<std::string>& columns) {
    if (!m_text.empty()) m_text += "\n";
    for (std::size_t i = 0; i < columns.size(); ++i) m_text += (i > 0 ? "," : "") + columns[i];
    m_text += "\n";
}

void Csv::Row(const std::vector<std::optional<double>>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) m_text += ",";
        if (values[i]) m_text += CsvNumber(*values[i]);
    }
    m_text += "\n";
}

std::string CsvNumber(double value) {
    // Far below anything a column of this model holds: the remainder of a cosine or a sum.
    if (std::abs(value) < 1e-12) return "0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}
