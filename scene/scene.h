#pragma once
// One frame of the rotating-field demonstration: readouts, stator cross-section, MMF vectors and
// the phase-current chart, drawn from the step number alone.
#include "dc.h"
#include "phase_model.h"

// What the scene needs of the window that shows it.
class SceneHost {
  public:
    virtual ~SceneHost() = default;
    // The canvas's client rectangle: left = top = 0, right and bottom its size.
    virtual CRect GetCanvasRect() const = 0;
    // Receives the frame's readouts before anything but the first rectangle is drawn.
    virtual void PushReadouts(const Readouts& readouts) = 0;
    virtual bool ShowResultant() const = 0;
};

// Integer anchors of a frame, from the canvas rectangle.
struct SceneAnchors {
    int cx;  // stator centre
    int cy;
    int y0;  // chart base line
};
SceneAnchors ComputeAnchors(const CRect& rc);

// Draws one complete frame of `step` on `pDC`. Throws CResourceException (and leaves the frame
// unfinished) when a brush cannot be created.
void DrawScene(SceneHost& host, CDC* pDC, int step);
