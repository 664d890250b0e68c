#pragma once
// The page's answers with more than one value, as JSON objects: numbers to the last bit, texts
// quoted, line breaks kept as \n and other control characters left out.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class Json {
  public:
    Json& Number(const char* key, double value) { return Raw(key, Figure(value)); }
    Json& Bool(const char* key, bool value) { return Raw(key, value ? "true" : "false"); }
    Json& Numbers(const char* key, const std::array<double, 3>& values) {
        return Raw(key, List(values, Figure));
    }
    Json& Wholes(const char* key, const std::vector<int>& values) {
        return Raw(key, List(values, [](int v) { return std::to_string(v); }));
    }
    Json& Null(const char* key) { return Raw(key, "null"); }
    Json& String(const char* key, std::string_view value) { return Raw(key, Quoted(value)); }
    Json& Strings(const char* key, const std::vector<std::string>& values) {
        return Raw(key, List(values, Quoted));
    }
    Json& Objects(const char* key, const std::vector<Json>& objects) {
        return Raw(key, List(objects, [](const Json& o) { return o.Text(); }));
    }
    std::string Text() const { return m_text.empty() ? "{}" : m_text + "}"; }
    const char* Done(std::string& out) {
        out = Text();
        return out.c_str();
    }

  private:
    static std::string Figure(double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", std::isfinite(value) ? value : 0.0);
        return buffer;
    }
    static std::string Quoted(std::string_view value) {
        std::string quoted = "\"";
        for (const char c : value) {
            if (c == '"' || c == '\\') quoted += '\\';
            if (c == '\n') quoted += "\\n";
            if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
        }
        return quoted + "\"";
    }
    template <class Values, class Write>
    static std::string List(const Values& values, Write write) {
        std::string list = "[";
        for (const auto& v : values) list += (list.size() > 1 ? "," : "") + write(v);
        return list + "]";
    }
    Json& Raw(const char* key, const std::string& value) {
        m_text += (m_text.empty() ? "{\"" : ",\"") + std::string(key) + "\":" + value;
        return *this;
    }
    std::string m_text;
};
