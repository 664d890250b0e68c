#pragma once
// The drawing surface every frame is drawn on: the device-context operations of a GDI-style API
// (CDC), with pens and brushes as handles that the surface owns. Pixels, vector graphics and the
// text trace each implement it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

using COLORREF = std::uint32_t;
using HGDIOBJ = std::uint32_t;  // 0 is "no object"

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xff); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xff); }

enum PenStyle : int { PS_SOLID = 0, PS_DOT = 2 };
enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// The height of the surface's default font, which writes the main window's labels.
constexpr int kDefaultTextPixels = 12;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect&, const CRect&) = default;
};

// A point between pixels. Whole numbers name pixels as MoveTo and LineTo do.
struct PointF {
    double x = 0;
    double y = 0;
};

class CDC {
  public:
    virtual ~CDC() = default;

    // Returns 0 when the object cannot be created.
    virtual HGDIOBJ CreatePen(int style, int width, COLORREF colour) = 0;
    virtual HGDIOBJ CreateSolidBrush(COLORREF colour) = 0;
    // Makes a pen or brush current; returns the previous one of its kind, or 0 (and changes
    // nothing) for an unknown handle.
    virtual HGDIOBJ SelectObject(HGDIOBJ object) = 0;
    virtual bool DeleteObject(HGDIOBJ object) = 0;
    virtual int SetBkMode(int mode) = 0;

    virtual bool Rectangle(int l, int t, int r, int b) = 0;
    virtual bool Ellipse(int l, int t, int r, int b) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual bool LineTo(int x, int y) = 0;
    // One stroke through the points in the current pen, with its round joins and ends. Through
    // whole-number points it covers the pixels of MoveTo to the first point and LineTo to each
    // next, except that a dotted pen's pattern runs on round the corners; a pixel surface rounds
    // other points to its grid. The current position is neither used nor moved. Fewer than two
    // points draw nothing; a point that is not finite refuses the call (false).
    virtual bool Polyline(const PointF* points, std::size_t count) = 0;
    // Text is UTF-8, anchored at its top-left corner.
    virtual bool TextOut(int x, int y, std::string_view text) = 0;
    // The text that follows: its height in pixels and its colour. A fresh surface writes black
    // text kDefaultTextPixels high. Each returns the previous value.
    virtual int SetTextSize(int pixels) = 0;
    virtual COLORREF SetTextColor(COLORREF colour) = 0;

    bool Rectangle(const CRect& rc) { return Rectangle(rc.left, rc.top, rc.right, rc.bottom); }
    bool Polyline(std::span<const PointF> points) { return Polyline(points.data(), points.size()); }
};
