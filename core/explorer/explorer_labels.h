#pragma once
// Where a picture's labels go: each is tried at a few places round its anchor, nearest first, and
// takes the first that stays inside its pane and covers no stroke, disc or label already there.
#include <string_view>
#include <vector>

// A box in pixels of the canvas, left and top inclusive, right and bottom exclusive.
struct LabelBox {
    double left;
    double top;
    double right;
    double bottom;
};

class LabelPlacer {
  public:
    explicit LabelPlacer(LabelBox bounds) : m_bounds(bounds) {}

    // A straight stroke `width` pixels wide.
    void AddStroke(double x1, double y1, double x2, double y2, double width);
    void AddDisc(double x, double y, double radius);
    void AddBox(const LabelBox& box);

    // The top-left corner for a label `width` x `height` whose centre wants to be `distance`
    // from (x, y) towards (ux, uy), a unit vector. The label's box is kept as an obstacle.
    struct Place {
        int x;
        int y;
    };
    Place Put(double x, double y, double ux, double uy, double distance, double width,
              double height);

  private:
    bool Free(const LabelBox& box) const;

    struct Stroke {
        double x1, y1, x2, y2, half;
    };
    struct Disc {
        double x, y, r;
    };
    LabelBox m_bounds;
    std::vector<Stroke> m_strokes;
    std::vector<Disc> m_discs;
    std::vector<LabelBox> m_boxes;
};
