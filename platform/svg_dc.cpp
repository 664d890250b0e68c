#include "svg_dc.h"

#include <cstdio>

#include <QFontInfo>
#include <QFontMetrics>
#include <QIODevice>

#include "scene_font.h"

namespace {

std::string Colour(COLORREF c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

std::string Number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

// A polyline's coordinate, to a tenth of a pixel: finer than any screen shows, and short.
std::string Coordinate(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    std::string s = buffer;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The family that really draws the glyphs here first, then the other Chinese families, then the
// generic one.
std::string FontFamilies() {
    QStringList families{QFontInfo(SceneFont(kDefaultTextPixels)).family()};
    for (const QString& f : ChineseFontFamilies())
        if (!families.contains(f)) families << f;
    std::string list;
    for (const QString& f : families) list += "'" + XmlEscaped(f.toStdString()) + "', ";
    return list + "serif";
}

}  // namespace

SvgDc::SvgDc(QIODevice* device, int width, int height, double scale) : m_device(device) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    // Sized in CSS pixels: one pixel of the frame is `scale` pixels in any viewer.
    m_body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    m_body += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(width * scale) +
              "\" height=\"" + Number(height * scale) + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    m_body += "<title>vesk</title>\n<desc>Rotating magnetic field of a three-phase stator</desc>\n";
    m_body += "<g shape-rendering=\"crispEdges\" font-family=\"" + FontFamilies() + "\">\n";
    m_body += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#000000\"/>\n";
}

SvgDc::~SvgDc() { Finish(); }

bool SvgDc::Finish() {
    if (!m_finished) {
        m_finished = true;
        m_body += "</g>\n</svg>\n";
        const qint64 size = static_cast<qint64>(m_body.size());
        m_written = m_device != nullptr && m_device->write(m_body.data(), size) == size;
    }
    return m_written;
}

// Geometry sits on pixel centres, so a one-pixel outline covers the same pixels as on the raster.
std::string SvgDc::Stroke() const {
    const bool dotted = Pen().style == PS_DOT;
    const int width = dotted ? 1 : Pen().DrawnWidth();
    std::string s = " stroke=\"" + Colour(Pen().colour) + "\" stroke-width=\"" +
                    std::to_string(width) + "\" stroke-linejoin=\"round\"";
    s += width > 1 ? " stroke-linecap=\"round\"" : " stroke-linecap=\"butt\"";
    if (dotted) s += " stroke-dasharray=\"1 2\"";
    return s;
}

void SvgDc::DrawRectangle(int l, int t, int r, int b) {
    m_body += "<rect x=\"" + std::to_string(l) + "\" y=\"" + std::to_string(t) + "\" width=\"" +
              std::to_string(r - l) + "\" height=\"" + std::to_string(b - t) + "\" fill=\"" +
              Colour(Brush().colour) + "\"/>\n";
    m_body += "<rect x=\"" + Number(l + 0.5) + "\" y=\"" + Number(t + 0.5) + "\" width=\"" +
              std::to_string(r - l - 1) + "\" height=\"" + std::to_string(b - t - 1) +
              "\" fill=\"none\"" + Stroke() + "/>\n";
}

void SvgDc::DrawEllipse(int l, int t, int r, int b) {
    m_body += "<ellipse cx=\"" + Number((l + r) / 2.0) + "\" cy=\"" + Number((t + b) / 2.0) +
              "\" rx=\"" + Number((r - l - 1) / 2.0) + "\" ry=\"" + Number((b - t - 1) / 2.0) +
              "\" fill=\"" + Colour(Brush().colour) + "\"" + Stroke() + "/>\n";
}

void SvgDc::DrawLine(int x1, int y1, int x2, int y2) {
    const bool odd = (Pen().style == PS_DOT ? 1 : Pen().DrawnWidth()) % 2 == 1;
    const double o = odd ? 0.5 : 0.0;
    m_body += "<line x1=\"" + Number(x1 + o) + "\" y1=\"" + Number(y1 + o) + "\" x2=\"" +
              Number(x2 + o) + "\" y2=\"" + Number(y2 + o) + "\"" + Stroke() + "/>\n";
}

void SvgDc::DrawPolyline(const PointF* points, std::size_t count) {
    const bool odd = (Pen().style == PS_DOT ? 1 : Pen().DrawnWidth()) % 2 == 1;
    const double o = odd ? 0.5 : 0.0;
    m_body += "<polyline points=\"";
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) m_body += ' ';
        m_body += Coordinate(points[i].x + o) + "," + Coordinate(points[i].y + o);
    }
    m_body += "\" fill=\"none\"" + Stroke() + "/>\n";
}

// Anchored at its top-left corner like the other surfaces: the baseline lies one ascent of the
// font that draws it below y.
void SvgDc::DrawText(int x, int y, std::string_view text) {
    const QFontMetrics metrics(SceneFont(TextSize()));
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (BkMode() == OPAQUE) {
        m_body += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                  std::to_string(metrics.horizontalAdvance(s)) + "\" height=\"" +
                  std::to_string(metrics.height()) + "\" fill=\"#ffffff\"/>\n";
    }
    m_body += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y + metrics.ascent()) +
              "\" font-size=\"" + std::to_string(TextSize()) + "\" fill=\"" + Colour(TextColor()) +
              "\" xml:space=\"preserve\">" + XmlEscaped(text) + "</text>\n";
}

bool WriteSvgViewFrame(const ViewSettings& settings, const CanvasInputs& canvas,
                       QIODevice* device) {
    SvgDc dc(device, canvas.width, canvas.height, canvas.scale);
    DrawView(settings, canvas, dc);
    return dc.Finish();
}
