#pragma once
// The panes of the single-phase motor's picture and what they share. Pens, brushes, arrows,
// labels and the text width rule are the explorer's; number formats and dashes the motor's.
#include <string>
#include <vector>

#include "capacitor_motor/capacitor_motor_frame.h"
#include "capacitor_motor/capacitor_motor_run.h"
#include "explorer/explorer_layers.h"
#include "motor/motor_layers.h"

constexpr COLORREF kLineCurrentColour = RGB(90, 90, 90);
constexpr COLORREF kClosedColour = RGB(0, 110, 190);  // the torque with the switch closed
constexpr COLORREF kPathColour = RGB(255, 205, 60);   // the start-up's path, a highlighter

struct CapacitorMotorScene {
    const CapacitorMotorInputs& inputs;  // in range
    const CapacitorMotorModel& model;
    const CapacitorMotorPoint& point;  // the state shown
    CapacitorMotorRun* run;            // the start-up; none for a steady state
    double theta;                      // the step's electrical angle
    double unit;                       // pixels of the canvas per pixel of the design
    CDC* dc;

    int Size(double design) const { return std::max(1, Px(design * unit)); }
    COLORREF Main() const { return inputs.palette.phase[0]; }
    COLORREF Aux() const { return inputs.palette.phase[2]; }
    std::string_view Tr(std::string_view source) const {
        return ::Tr(inputs.translation, "CapacitorMotor", source);
    }
    void Text(int x, int y, std::string_view text, double design, COLORREF colour) const {
        dc->SetTextSize(Size(design));
        dc->SetTextColor(colour);
        dc->TextOut(x, y, text);
    }
    void Title(const CRect& pane, std::string_view title) const {
        Text(pane.left + Size(12), pane.top + Size(8), title, 20, kInk);
    }
};

// A figure as a person writes it: "%g" or the format given, rounding to zero unsigned, and a
// true minus sign.
std::string CapacitorMotorFigure(double value, const char* format = "%g");
// The switch in the frame's language: closed, open, or no switch.
std::string_view SwitchStateText(const Translation* translation, SwitchState state);

void DrawCapacitorMotorWindings(const CapacitorMotorScene& scene, const CRect& pane);
void DrawCapacitorMotorPhasors(const CapacitorMotorScene& scene, const CRect& pane);
void DrawCapacitorMotorTorque(const CapacitorMotorScene& scene, const CRect& pane);
void DrawCapacitorMotorStartUp(const CapacitorMotorScene& scene, const CRect& pane);
void DrawCapacitorMotorReadouts(const CapacitorMotorScene& scene, const CRect& pane,
                                const CapacitorMotorReadouts& readouts);
