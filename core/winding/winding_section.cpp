// The cross-section: the stator with its slots and conductors, the rotor, the flux lines of the
// slot currents through rotor, gap and yoke, and N and S where the fundamental's flux leaves and
// enters the bore.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

#include "winding/winding_layers.h"

namespace {

constexpr double kPi = std::numbers::pi;

struct Frame {
    double cx;
    double cy;
    double s;  // pixels per unit of radius, the bore being 1
    double X(double r, double phi) const { return cx + s * r * std::cos(phi); }
    double Y(double r, double phi) const { return cy - s * r * std::sin(phi); }
    // A point along the direction (c, s) of an angle whose cosine and sine are known.
    double X(double r, double c, double) const { return cx + s * r * c; }
    double Y(double r, double, double sn) const { return cy - s * r * sn; }
};

PointF Between(PointF a, PointF b, double va, double vb, double level) {
    const double t = (level - va) / (vb - va);
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// A piece of a flux line across one cell. Each end is a level's crossing on a grid edge, named
// by the edge and the level, where the piece of the cell beyond the edge starts.
struct Piece {
    std::uint64_t ends[2];
    PointF at[2];
};

// The pieces joined end to end into flux lines, one polyline each: a line runs from the rotor
// or the yoke to the other, or round in a loop that ends where it began.
void DrawJoined(CDC* dc, const std::vector<Piece>& pieces) {
    // Ends are 2 * piece + side; those that name the same crossing are linked, through an
    // open-addressed table of the names met so far (a sort costs a tenth of the frame).
    static thread_local std::vector<std::pair<std::uint64_t, int>> table;
    static thread_local std::vector<int> link;
    static thread_local std::vector<char> used;
    static thread_local std::vector<PointF> line;
    constexpr int kFree = -1, kPaired = -2;
    int bits = 4;
    while ((size_t{1} << bits) < 4 * pieces.size()) ++bits;
    table.assign(size_t{1} << bits, {0, kFree});
    link.assign(2 * pieces.size(), -1);
    for (size_t end = 0; end < 2 * pieces.size(); ++end) {
        const std::uint64_t name = pieces[end / 2].ends[end % 2];
        size_t slot = (name * 0x9e3779b97f4a7c15u) >> (64 - bits);
        while (table[slot].second != kFree && table[slot].first != name)
            slot = (slot + 1) & (table.size() - 1);
        auto& [seen, other] = table[slot];
        if (other == kFree) {
            seen = name;
            other = static_cast<int>(end);
        } else if (other != kPaired) {
            link[end] = other;
            link[other] = static_cast<int>(end);
            other = kPaired;
        }
    }
    used.assign(pieces.size(), 0);
    const auto walk = [&](int k, int side) {
        line.assign(1, pieces[k].at[side]);
        while (k >= 0 && !used[k]) {
            used[k] = 1;
            line.push_back(pieces[k].at[1 - side]);
            const int next = link[2 * k + 1 - side];
            k = next < 0 ? -1 : next / 2;
            side = next % 2;
        }
        dc->Polyline(line);
    };
    // Open lines from one of their ends first, then the loops.
    for (size_t k = 0; k < pieces.size(); ++k)
        for (int side = 0; side < 2; ++side)
            if (!used[k] && link[2 * k + side] < 0) walk(static_cast<int>(k), side);
    for (size_t k = 0; k < pieces.size(); ++k)
        if (!used[k]) walk(static_cast<int>(k), 0);
}

// Equally spaced levels, at half steps so that none runs through the centre: marching squares on
// the field's polar grid, each cell's crossings joined by straight pieces on the screen.
void DrawFluxLines(const WindingScene& scene, const Frame& f) {
    const WindingField& field = scene.field;
    static thread_local std::vector<double> a;
    field.Sample(scene.currents, a);
    const std::vector<double>& radii = field.Radii();
    const int rows = static_cast<int>(radii.size()), columns = field.Columns();
    const double step = field.LevelStep();
    static thread_local std::vector<int> band;
    band.resize(a.size());
    for (size_t n = 0; n < a.size(); ++n) band[n] = static_cast<int>(std::floor(a[n] / step + 0.5));
    // A grid point on the screen, worked out only where a line crosses.
    const std::vector<std::array<double, 2>>& turn = field.Turns();
    const auto at = [&](size_t n) {
        const double r = f.s * radii[n / columns];
        const std::array<double, 2>& t = turn[n % columns];
        return PointF{f.cx + r * t[0], f.cy - r * t[1]};
    };
    static thread_local std::vector<Piece> pieces;
    pieces.clear();
    for (int i = 0; i + 1 < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            // Corners counter-clockwise: inner, inner next, outer next, outer.
            const size_t n[4] = {static_cast<size_t>(i) * columns + j,
                                 static_cast<size_t>(i) * columns + (j + 1) % columns,
                                 static_cast<size_t>(i + 1) * columns + (j + 1) % columns,
                                 static_cast<size_t>(i + 1) * columns + j};
            // The edges from each corner to the next: along the inner ring, out along the next
            // spoke, along the outer ring, out along this spoke.
            const size_t spokes = static_cast<size_t>(rows) * columns;
            const size_t edge[4] = {n[0], spokes + n[1], n[3], spokes + n[0]};
            const int low = std::min({band[n[0]], band[n[1]], band[n[2]], band[n[3]]});
            const int high = std::max({band[n[0]], band[n[1]], band[n[2]], band[n[3]]});
            for (int m = low; m < high; ++m) {
                const double level = (m + 0.5) * step;
                PointF crossing[4];
                std::uint64_t name[4];
                int count = 0;
                for (int e = 0; e < 4; ++e) {
                    const size_t p = n[e], q = n[(e + 1) % 4];
                    if ((a[p] > level) != (a[q] > level)) {
                        name[count] = static_cast<std::uint64_t>(edge[e]) << 32 |
                                      static_cast<std::uint32_t>(m);
                        crossing[count++] = Between(at(p), at(q), a[p], a[q], level);
                    }
                }
                const auto piece = [&](int u, int v) {
                    pieces.push_back({{name[u], name[v]}, {crossing[u], crossing[v]}});
                };
                if (count == 2) {
                    piece(0, 1);
                } else if (count == 4) {
                    // A saddle: pair the crossings by the cell's mean.
                    const double mean = (a[n[0]] + a[n[1]] + a[n[2]] + a[n[3]]) / 4.0;
                    const bool firstAbove = a[n[0]] > level;
                    if ((mean > level) == firstAbove) {
                        piece(0, 1);
                        piece(2, 3);
                    } else {
                        piece(0, 3);
                        piece(1, 2);
                    }
                }
            }
        }
    }
    ScopedPen pen(scene.dc, PS_SOLID, scene.Size(1.2), kFluxColour);
    DrawJoined(scene.dc, pieces);
}

// A white cross or dot on a conductor, as large as its current.
void DrawMark(const WindingScene& scene, int x, int y, int radius, double current) {
    if (std::abs(current) < kMarkerThreshold) return;
    CDC* dc = scene.dc;
    const double size = std::min(1.0, std::abs(current));
    if (current > 0) {
        ScopedPen pen(dc, PS_SOLID, 1, kWhite);
        ScopedBrush white(dc, kWhite);
        DrawDisc(dc, x, y, std::max(1, Px(0.45 * radius * size)));
    } else {
        ScopedPen pen(dc, PS_SOLID, std::max(1, Px(radius / 4.0)), kWhite);
        const int d = std::max(1, Px(0.6 * radius * size));
        dc->MoveTo(x - d, y - d);
        dc->LineTo(x + d, y + d);
        dc->MoveTo(x + d, y - d);
        dc->LineTo(x - d, y + d);
    }
}

}  // namespace

void DrawWindingSection(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "截面与磁力线")));
    const int titleRoom = scene.Size(40);
    const double room = std::min<double>(pane.Width(), pane.Height() - titleRoom);
    // Room outside the stator for N and S.
    const double outer = std::max(8.0, 0.5 * room - scene.Size(26));
    const Frame f{pane.left + pane.Width() / 2.0,
                  pane.top + titleRoom + (pane.Height() - titleRoom) / 2.0, outer / kStatorRadius};
    const auto circle = [&](double r) {
        dc->Ellipse(Px(f.cx - f.s * r), Px(f.cy - f.s * r), Px(f.cx + f.s * r) + 1,
                    Px(f.cy + f.s * r) + 1);
    };
    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush iron(dc, kStatorIron);
        circle(kStatorRadius);
        ScopedBrush gap(dc, kWhite);
        circle(1.0);
        ScopedBrush rotor(dc, kRotorIron);
        circle(kRotorRadius);
    }
    // The flux lines show the field as plainly as its axis does.
    const bool field = !scene.inputs.hidden.resultant;
    if (field && scene.inputs.fluxLines) DrawFluxLines(scene, f);

    const Winding& w = scene.inputs.winding;
    const double pitch = 2.0 * kPi / w.slotCount;
    // Slots as wide as 0.55 of a slot pitch at the bore, and no wider than deep.
    const int slotWidth = std::max(2, Px(std::min(0.55 * pitch, 0.8 * kSlotDepth) * f.s));
    const int conductor = std::max(1, Px(std::min(0.42 * slotWidth, 0.22 * kSlotDepth * f.s)));
    for (int k = 0; k < w.slotCount; ++k) {
        const double c = std::cos(SlotAngle(w, k)), sn = std::sin(SlotAngle(w, k));
        {
            ScopedPen slot(dc, PS_SOLID, slotWidth, kWhite);
            dc->MoveTo(Px(f.X(1.0, c, sn)), Px(f.Y(1.0, c, sn)));
            dc->LineTo(Px(f.X(1.0 + kSlotDepth, c, sn)), Px(f.Y(1.0 + kSlotDepth, c, sn)));
        }
        const SlotConductors& slot = scene.plan[k];
        const auto side = [&](const Conductor& one, double r, int radius) {
            const int x = Px(f.X(r, c, sn)), y = Px(f.Y(r, c, sn));
            {
                ScopedPen outline(dc, PS_SOLID, 1, RGB(60, 60, 60));
                ScopedBrush colour(dc, scene.Phase(one.phase));
                DrawDisc(dc, x, y, radius);
            }
            DrawMark(scene, x, y, radius, one.sign * scene.currents[one.phase]);
        };
        if (w.layers == 1) {
            side(slot.top, 1.0 + 0.5 * kSlotDepth, std::max(1, Px(1.3 * conductor)));
        } else {
            side(slot.top, 1.0 + 0.28 * kSlotDepth, conductor);
            side(slot.bottom, 1.0 + 0.72 * kSlotDepth, conductor);
        }
    }

    // The phase letters in the yoke behind each slot, "U", or "U/W" when the two layers differ,
    // where they can be read; else they give way to the zone plan.
    const double letterRadius = (1.0 + kSlotDepth + kStatorRadius) / 2.0;
    const double spacing = letterRadius * pitch * f.s;
    // A letter is about as wide as high, "U/W" twice as wide: side by side at the top and bottom,
    // one above the other at the sides, and half a spacing apart each way at 45 degrees.
    const double share = w.layers == 2 && w.pitch < w.PolePitch() ? 0.45 : 0.68;
    const int letterSize = std::min(scene.Size(16), Px(share * spacing));
    if (letterSize >= kMinTextSize) {
        for (int k = 0; k < w.slotCount; ++k) {
            const SlotConductors& slot = scene.plan[k];
            static constexpr const char* kLetters[] = {"U", "V", "W"};
            std::string text = kLetters[slot.top.phase];
            if (slot.bottom.phase != slot.top.phase)
                text += std::string("/") + kLetters[slot.bottom.phase];
            const double phi = SlotAngle(w, k);
            dc->SetTextSize(letterSize);
            dc->SetTextColor(kInk);
            dc->TextOut(Px(f.X(letterRadius, phi) - ApproxTextWidth(text, letterSize) / 2.0),
                        Px(f.Y(letterRadius, phi) - letterSize / 2.0), text);
        }
    }

    // The field's axis, as the main window draws the resultant: from the centre towards each S,
    // as long as the fundamental in the rotor's radius to 1.5 F_c.
    const int p = w.PolePairs();
    if (!field) return;
    {
        const double length = 0.8 * kRotorRadius * scene.wave.fundamental / 1.5;
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), kInk);
        for (int m = 0; m < p; ++m) {
            const double phi = scene.wave.peakAngle + m * 2.0 * kPi / p;
            DrawArrow(dc, Px(f.cx), Px(f.cy), Px(f.X(length, phi)), Px(f.Y(length, phi)),
                      scene.Size(22), nullptr, scene.Size(4));
        }
    }

    // The fundamental's flux enters the bore at its peaks (S) and leaves it half a pole pair on
    // (N).
    const int poleSize = scene.Size(24);
    const double poleRadius = kStatorRadius + 0.6 * scene.Size(26) / f.s;
    for (int m = 0; m < 2 * p; ++m) {
        const double phi = scene.wave.peakAngle + m * kPi / p;
        const std::string_view letter = m % 2 == 0 ? "S" : "N";
        scene.Text(Px(f.X(poleRadius, phi) - ApproxTextWidth(letter, poleSize) / 2.0),
                   Px(f.Y(poleRadius, phi) - poleSize / 2.0), letter, 24,
                   m % 2 == 0 ? RGB(0, 70, 160) : RGB(180, 0, 0));
    }
}
