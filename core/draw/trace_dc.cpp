#include "draw/trace_dc.h"

#include <cstdio>

namespace {
std::string Hex(COLORREF c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

// To the hundredth of a pixel, without trailing zeros: "12", "12.5", "-0.25".
std::string Coordinate(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}
}  // namespace

void TraceDc::AppendPen() {
    m_text += " pen ";
    m_text += Pen().style == PS_DOT ? "dot " : "solid ";
    m_text += std::to_string(Pen().width) + " " + Hex(Pen().colour);
}

void TraceDc::Shape(const char* kind, int l, int t, int r, int b) {
    m_text += std::string(kind) + " " + std::to_string(l) + " " + std::to_string(t) + " " +
              std::to_string(r) + " " + std::to_string(b);
    AppendPen();
    m_text += " brush " + Hex(Brush().colour) + "\n";
}

void TraceDc::DrawRectangle(int l, int t, int r, int b) { Shape("rect", l, t, r, b); }

void TraceDc::DrawEllipse(int l, int t, int r, int b) { Shape("ellipse", l, t, r, b); }

void TraceDc::DrawLine(int x1, int y1, int x2, int y2) {
    m_text += "line " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
              " " + std::to_string(y2);
    AppendPen();
    m_text += "\n";
}

void TraceDc::DrawPolyline(const PointF* points, std::size_t count) {
    m_text += "polyline " + std::to_string(count);
    for (std::size_t i = 0; i < count; ++i)
        m_text += " " + Coordinate(points[i].x) + " " + Coordinate(points[i].y);
    AppendPen();
    m_text += "\n";
}

void TraceDc::DrawText(int x, int y, std::string_view text) {
    m_text += "text " + std::to_string(x) + " " + std::to_string(y) + " ";
    m_text += text;
    m_text += "\n";
}
