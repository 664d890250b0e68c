#pragma once
// The page's answers with more than one value, as JSON objects: numbers to the last bit, texts
// quoted, line breaks kept as \n and other control characters left out.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

class Json {
  public:
    Json& Number(const char* key, double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", std::isfinite(value) ? value : 0.0);
        return Raw(key, buffer);
    }
    Json& Bool(const char* key, bool value) { return Raw(key, value ? "true" : "false"); }
    Json& Numbers(const char* key, const std::array<double, 3>& values) {
        std::string list;
        for (const double v : values) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.17g", v);
            list += (list.empty() ? "[" : ",") + std::string(buffer);
        }
        return Raw(key, list + "]");
    }
    Json& Null(const char* key) { return Raw(key, "null"); }
    Json& String(const char* key, std::string_view value) {
        std::string quoted = "\"";
        for (const char c : value) {
            if (c == '"' || c == '\\') quoted += '\\';
            if (c == '\n') quoted += "\\n";
            if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
        }
        return Raw(key, quoted + "\"");
    }
    const char* Done(std::string& out) {
        out = m_text + "}";
        return out.c_str();
    }

  private:
    Json& Raw(const char* key, const std::string& value) {
        m_text += (m_text.empty() ? "{\"" : ",\"") + std::string(key) + "\":" + value;
        return *this;
    }
    std::string m_text;
};
