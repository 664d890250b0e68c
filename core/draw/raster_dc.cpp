#include "draw/raster_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <utility>
#include <vector>

namespace {
std::uint32_t ToPixel(COLORREF c) {
    return 0xff000000u | static_cast<std::uint32_t>(GetRValue(c)) << 16 |
           static_cast<std::uint32_t>(GetGValue(c)) << 8 | static_cast<std::uint32_t>(GetBValue(c));
}
constexpr std::uint32_t kWhitePixel = 0xffffffffu;
constexpr std::uint32_t kBlackPixel = 0xff000000u;
// Products of two squared lengths in half pixels.
__extension__ typedef __int128 Wide;
constexpr long long kCoordinateLimit = 1LL << 22;
constexpr int kWidthLimit = 1 << 16;
constexpr double kMaxScale = 8;
// Scales are kept as p / q in quarters, so that 1.25, 1.5 and 1.75 are exact.
constexpr int kQuarters = 4;

long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
}  // namespace

RasterDc::RasterDc(int width, int height, double scale, std::unique_ptr<TextPainter> text)
    : m_text(std::move(text)) {
    const double clamped = std::isfinite(scale) ? std::clamp(scale, 1.0, kMaxScale) : 1.0;
    m_num = std::max(kQuarters, static_cast<int>(std::lround(clamped * kQuarters)));
    m_den = kQuarters;
    const int common = std::gcd(m_num, m_den);
    m_num /= common;
    m_den /= common;
    m_buffer.width = Device(std::max(width, 1));
    m_buffer.height = Device(std::max(height, 1));
    m_buffer.scale = static_cast<double>(m_num) / m_den;
    m_buffer.pixels.assign(static_cast<std::size_t>(m_buffer.width) * m_buffer.height, kBlackPixel);
}

void RasterDc::Plot(int x, int y, Pixel colour) {
    if (m_num != m_den) {
        FillBox(Device(x), Device(y), Device(x + 1), Device(y + 1), colour);
        return;
    }
    if (x < 0 || y < 0 || x >= m_buffer.width || y >= m_buffer.height) return;
    Row(y)[x] = colour;
}

void RasterDc::FillSpan(int y, int x0, int x1, Pixel colour) {
    if (y < 0 || y >= m_buffer.height) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, m_buffer.width - 1);
    if (x0 > x1) return;
    std::fill(Row(y) + x0, Row(y) + x1 + 1, colour);
}

// l <= x < r, t <= y < b. The first row is filled and copied down: memcpy is far faster than
// storing pixel by pixel, and the background takes two full-canvas fills per frame.
void RasterDc::FillBox(int l, int t, int r, int b, Pixel colour) {
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, m_buffer.width);
    b = std::min(b, m_buffer.height);
    if (l >= r || t >= b) return;
    FillSpan(t, l, r - 1, colour);
    const size_t bytes = static_cast<size_t>(r - l) * sizeof(Pixel);
    for (int y = t + 1; y < b; ++y) std::memcpy(Row(y) + l, Row(t) + l, bytes);
}

// Bresenham from the start point; the end point itself is left out, so a polyline touches each
// joint once. A dotted line's pattern starts `phase` pixels in; returns the pixels stepped.
long long RasterDc::ThinLine(int x1, int y1, int x2, int y2, Pixel colour, bool dotted,
                             long long phase) {
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    const long long steps = std::max(dx, dy);
    const bool opaqueGaps = BkMode() == OPAQUE;
    long long error = (dx > dy ? dx : -dy) / 2;
    long long x = x1, y = y1;
    for (long long i = 0; i < steps; ++i) {
        // Dotted: one pixel on, two off.
        if (!dotted || (phase + i) % 3 == 0) {
            Plot(static_cast<int>(x), static_cast<int>(y), colour);
        } else if (opaqueGaps) {
            Plot(static_cast<int>(x), static_cast<int>(y), kWhitePixel);
        }
        const long long e = error;
        if (e > -dx) {
            error -= dy;
            x += sx;
        }
        if (e < dy) {
            error += dx;
            y += sy;
        }
    }
    return steps;
}

// Every pixel whose centre lies within half the width of the segment: a band with round ends.
// Odd widths are centred on the pixel, even ones on its top-left corner, so the band is exactly
// `width` pixels across. The test works in units of 1/(2q) of a device pixel, for a scale of p/q,
// where every end point and pixel centre is a whole number: no rounding, no division per pixel.
void RasterDc::WideLine(int x1, int y1, int x2, int y2, int width, Pixel colour) {
    // Within these bounds no product below overflows; no picture comes near them.
    if (std::max({std::llabs(x1), std::llabs(y1), std::llabs(x2), std::llabs(y2)}) >=
            kCoordinateLimit ||
        width >= kWidthLimit)
        return;
    const long long odd = width % 2;
    const long long p = m_num;
    Band((2LL * x1 + odd) * p, (2LL * y1 + odd) * p, (2LL * x2 + odd) * p, (2LL * y2 + odd) * p,
         width, colour);
}

// The band of WideLine between two points given in units of 1/(2q) of a device pixel.
void RasterDc::Band(long long ax2, long long ay2, long long bx2, long long by2, int width,
                    Pixel colour) {
    const long long p = m_num, q = m_den;
    const long long vx2 = bx2 - ax2;
    const long long vy2 = by2 - ay2;
    const long long length2 = vx2 * vx2 + vy2 * vy2;
    const long long diameter2 = static_cast<long long>(width) * p * width * p;
    const Wide bandLimit = static_cast<Wide>(diameter2) * length2;

    // The rows and, within each, the columns to test are bounded in floating point, with a
    // pixel to spare; the test itself is exact.
    const double unit = 2.0 * q;
    const double ax = ax2 / unit, ay = ay2 / unit, vx = vx2 / unit, vy = vy2 / unit;
    const double bx = ax + vx, by = ay + vy;
    const double radius = width * static_cast<double>(p) / unit;
    const double r2 = radius * radius;
    const double lengthSquared = vx * vx + vy * vy;
    const double length = std::sqrt(lengthSquared);
    const int left = std::max(0, static_cast<int>(std::floor(std::min(ax, bx) - radius)));
    const int right =
        std::min(m_buffer.width - 1, static_cast<int>(std::ceil(std::max(ax, bx) + radius)));
    const int top = std::max(0, static_cast<int>(std::floor(std::min(ay, by) - radius)));
    const int bottom =
        std::min(m_buffer.height - 1, static_cast<int>(std::ceil(std::max(ay, by) + radius)));
    for (int py = top; py <= bottom; ++py) {
        const double cy = py + 0.5;
        const double dy = cy - ay;
        // Bound the row by the capsule's pieces: the two end discs and the band between them.
        double lo = 1e300, hi = -1e300;
        auto take = [&](double a, double b) {
            lo = std::min(lo, std::min(a, b));
            hi = std::max(hi, std::max(a, b));
        };
        for (const auto& [ex, ey] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double h = r2 - (cy - ey) * (cy - ey);
            if (h > 0) take(ex - std::sqrt(h), ex + std::sqrt(h));
        }
        if (lengthSquared > 0) {
            // Within the band: |cross(P - A, v)| < r |v| and 0 <= dot(P - A, v) <= |v|^2, both
            // linear in x along the row. A row the band misses entirely is left to the discs.
            double bandLo = -1e300, bandHi = 1e300;
            bool empty = false;
            auto clip = [&](double a, double b) {
                bandLo = std::max(bandLo, std::min(a, b));
                bandHi = std::min(bandHi, std::max(a, b));
            };
            if (vy != 0) {
                clip(ax + (dy * vx - radius * length) / vy, ax + (dy * vx + radius * length) / vy);
            } else {
                empty = std::fabs(dy) >= radius;
            }
            if (vx != 0) {
                clip(ax - dy * vy / vx, ax + (lengthSquared - dy * vy) / vx);
            } else {
                empty = empty || dy * vy < 0 || dy * vy > lengthSquared;
            }
            if (!empty && bandLo <= bandHi) take(bandLo, bandHi);
        }
        if (lo > hi) continue;
        const int from = std::max(left, static_cast<int>(std::floor(lo - 0.5)) - 1);
        const int to = std::min(right, static_cast<int>(std::ceil(hi - 0.5)) + 1);
        Pixel* row = Row(py);
        // W = P - A; nearest to A when W.V <= 0, to B when W.V >= |V|^2, else to the band,
        // whose squared distance is cross(W, V)^2 / |V|^2.
        const long long wy = (2LL * py + 1) * q - ay2;
        long long wx = (2LL * from + 1) * q - ax2;
        for (int px = from; px <= to; ++px, wx += 2 * q) {
            const long long along = wx * vx2 + wy * vy2;
            bool inside;
            if (along <= 0) {
                inside = wx * wx + wy * wy < diameter2;
            } else if (along >= length2) {
                const long long ux = wx - vx2, uy = wy - vy2;
                inside = ux * ux + uy * uy < diameter2;
            } else {
                const long long cross = wx * vy2 - wy * vx2;
                inside = static_cast<Wide>(cross) * cross < bandLimit;
            }
            if (inside) row[px] = colour;
        }
    }
}

void RasterDc::PenLine(int x1, int y1, int x2, int y2) {
    const Pixel colour = ToPixel(Pen().colour);
    const bool dotted = Pen().style == PS_DOT;
    const int width = dotted ? 1 : Pen().DrawnWidth();
    if (width == 1) {
        ThinLine(x1, y1, x2, y2, colour, dotted);
    } else {
        WideLine(x1, y1, x2, y2, width, colour);
    }
}

void RasterDc::DrawLine(int x1, int y1, int x2, int y2) { PenLine(x1, y1, x2, y2); }

// A one-pixel pen rounds each point to the nearest pixel and draws the lines of LineTo, its dots
// running on from line to line. A wider pen's points are kept to 1/(2q) of a device pixel, each
// piece a band with round ends whose overlaps make the joins round.
void RasterDc::DrawPolyline(const PointF* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (std::fabs(points[i].x) >= kCoordinateLimit ||
            std::fabs(points[i].y) >= kCoordinateLimit)
            return;
    const Pixel colour = ToPixel(Pen().colour);
    const bool dotted = Pen().style == PS_DOT;
    const int width = dotted ? 1 : Pen().DrawnWidth();
    if (width == 1) {
        const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
        long long phase = 0;
        for (std::size_t i = 1; i < count; ++i)
            phase += ThinLine(px(points[i - 1].x), px(points[i - 1].y), px(points[i].x),
                              px(points[i].y), colour, dotted, phase);
        return;
    }
    if (width >= kWidthLimit) return;
    const double odd = width % 2, p = m_num;
    const auto unit = [&](double v) { return std::llround((2.0 * v + odd) * p); };
    long long ax = unit(points[0].x), ay = unit(points[0].y);
    bool drawn = false;
    for (std::size_t i = 1; i < count; ++i) {
        const long long bx = unit(points[i].x), by = unit(points[i].y);
        if (bx == ax && by == ay) continue;
        Band(ax, ay, bx, by, width, colour);
        ax = bx;
        ay = by;
        drawn = true;
    }
    // All in one place: a dot, as LineTo draws one.
    if (!drawn) Band(ax, ay, ax, ay, width, colour);
}

void RasterDc::DrawRectangle(int l, int t, int r, int b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r - l < 1 || b - t < 1) return;
    FillBox(Device(l), Device(t), Device(r), Device(b), ToPixel(Brush().colour));
    Outline(l, t, r, b);
}

// The pen's outline of l <= x < r, t <= y < b: on its border pixels for a one-pixel pen,
// centred on them for a wider one.
void RasterDc::Outline(int l, int t, int r, int b) {
    if (Pen().DrawnWidth() == 1 || Pen().style == PS_DOT) {
        const Pixel colour = ToPixel(Pen().colour);
        FillBox(Device(l), Device(t), Device(r), Device(t + 1), colour);
        FillBox(Device(l), Device(b - 1), Device(r), Device(b), colour);
        FillBox(Device(l), Device(t), Device(l + 1), Device(b), colour);
        FillBox(Device(r - 1), Device(t), Device(r), Device(b), colour);
        return;
    }
    PenLine(l, t, r - 1, t);
    PenLine(r - 1, t, r - 1, b - 1);
    PenLine(r - 1, b - 1, l, b - 1);
    PenLine(l, b - 1, l, t);
}

// The ellipse inscribed in l <= x < r, t <= y < b, row by row: a pixel is inside when its centre
// is; the ring is every inside pixel with a neighbour outside.
void RasterDc::EllipseRing(int l, int t, int r, int b, Pixel colour, bool fill, Pixel fillColour) {
    const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
    const double a = (r - l) / 2.0, bb = (b - t) / 2.0;
    const int rows = b - t;
    std::vector<int> x0(rows + 2, 1), x1(rows + 2, 0);  // empty spans above and below
    for (int i = 0; i < rows; ++i) {
        const double ny = (t + i + 0.5 - cy) / bb;
        const double hw = a * std::sqrt(std::max(0.0, 1.0 - ny * ny));
        x0[i + 1] = static_cast<int>(std::ceil(cx - hw - 0.5));
        x1[i + 1] = static_cast<int>(std::floor(cx + hw - 0.5));
    }
    for (int i = 1; i <= rows; ++i) {
        const int y = t + i - 1;
        if (y < 0 || y >= m_buffer.height || x0[i] > x1[i]) continue;
        const int innerL = std::max({x0[i] + 1, x0[i - 1], x0[i + 1]});
        const int innerR = std::min({x1[i] - 1, x1[i - 1], x1[i + 1]});
        if (innerL > innerR) {
            FillSpan(y, x0[i], x1[i], colour);
            continue;
        }
        FillSpan(y, x0[i], innerL - 1, colour);
        FillSpan(y, innerR + 1, x1[i], colour);
        if (fill) FillSpan(y, innerL, innerR, fillColour);
    }
}

void RasterDc::DrawEllipse(int l, int t, int r, int b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r - l < 1 || b - t < 1) return;
    const Pixel colour = ToPixel(Pen().colour);
    const int dl = Device(l), dt = Device(t), dr = Device(r), db = Device(b);
    EllipseRing(dl, dt, dr, db, colour, true, ToPixel(Brush().colour));
    // A wider pen, or a finer screen, thickens the ring inwards.
    const int width = static_cast<int>(FloorDiv(
        2LL * (Pen().style == PS_DOT ? 1 : Pen().DrawnWidth()) * m_num + m_den, 2LL * m_den));
    for (int i = 1; i < width && dr - dl > 2 * i && db - dt > 2 * i; ++i) {
        EllipseRing(dl + i, dt + i, dr - i, db - i, colour, false, colour);
    }
}

RasterDc::~RasterDc() = default;

// A pixel edge of the picture on the device: x * p / q, rounded half up.
int RasterDc::Device(int x) const {
    return static_cast<int>(FloorDiv(2LL * x * m_num + m_den, 2LL * m_den));
}

PixelBuffer RasterDc::TakePixels() {
    if (m_text) m_text->Finish(m_buffer);
    return std::exchange(m_buffer, PixelBuffer{});
}

void RasterDc::DrawText(int x, int y, std::string_view text) {
    if (m_text) m_text->DrawText(m_buffer, x, y, text, TextSize(), TextColor(), BkMode() == OPAQUE);
}
