#pragma once
// The panes of the motor's picture and what they share. The pens, brushes, arrows and the text
// width rule are the explorer's.
#include <vector>

#include "draw/machine_marks.h"
#include "explorer/explorer_layers.h"
#include "motor/motor_dynamic.h"
#include "motor/motor_frame.h"

// T-, darker than the explorer's F- so that its thin line keeps 3:1 against the white.
constexpr COLORREF kBackwardColour = RGB(204, 102, 0);
constexpr int kSmallestText = 12;  // pixels

struct MotorScene {
    const MotorInputs& inputs;  // in range
    const MotorModel& model;
    const MotorPoint& point;  // the operating point
    MotorModel::Breakdown breakdown;
    const std::vector<MotorSample>* samples;  // of the start-up; none for a speed held
    bool settled;                             // the start-up had settled by the time shown
    double theta;                             // the step's electrical angle
    double rotorAngle;                        // mechanical radians
    double unit;                              // pixels of the canvas per pixel of 1024x768
    CDC* dc;
    const DynamicRun* dynamic;  // the start-up with its transient, when asked for

    // A length of the design in pixels of this canvas; lines never vanish.
    int Size(double design) const { return std::max(1, Px(design * unit)); }
    // A text's height: as the design's, but never smaller than can be read on a small screen.
    int TextPx(double design) const { return std::max(kSmallestText, Px(design * unit)); }
    COLORREF Phase(int x) const { return inputs.palette.phase[x]; }
    std::string_view Tr(std::string_view source) const {
        return ::Tr(inputs.translation, "Motor", source);
    }
    void Text(int x, int y, std::string_view text, double design, COLORREF colour) const {
        dc->SetTextSize(TextPx(design));
        dc->SetTextColor(colour);
        dc->TextOut(x, y, text);
    }
    void Title(const CRect& pane, std::string_view title) const {
        Text(pane.left + Size(14), pane.top + Size(8), title, 22, kInk);
    }
};

// The state in the frame's language.
std::string_view MotorStateText(const Translation* translation, MotorState state);
// The state, and "overloaded" beside it when the current ratio is above 1.5.
std::string MotorStateLine(const Translation* translation, const MotorReadouts& readouts);
// The speed's unit in the frame's language: r/min, rpm.
std::string_view SpeedUnit(const Translation* translation);

void DrawMotorTorque(const MotorScene& scene, const CRect& pane);
void DrawMotorStartUp(const MotorScene& scene, const CRect& pane);
void DrawMotorMachine(const MotorScene& scene, const CRect& pane);
// The dynamic start-up against time, in place of the quasi-static one.
void DrawMotorDynamicStartUp(const MotorScene& scene, const CRect& pane);
// The torque–speed pane's mapping: x = x0 + n * perRpm, y = y0 - T * perNm.
struct TorqueMapping {
    double x0, perRpm, y0, perNm;
};
// The dynamic run's T(t) against n(t) over the steady-state curve.
void DrawMotorTrajectory(const MotorScene& scene, const TorqueMapping& at);
void DrawMotorReadouts(const MotorScene& scene, const CRect& pane, const MotorReadouts& r);
// The second page: the circuits, the phasor diagram, the power flow and the readouts.
void DrawMotorCircuitPage(const MotorScene& scene, const MotorReadouts& r);
