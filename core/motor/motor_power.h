#pragma once
// Where the motor's power goes at one operating point, and the positive and negative sequence
// circuits behind it. The model has no iron or friction loss, so the input is exactly the two
// copper losses and the shaft's power.
#include <optional>

#include "motor/motor_model.h"

struct MotorPower {
    double input = 0.0;         // P_in = Re Σ E_x I_x*, W
    double statorCopper = 0.0;  // R_s Σ |I_x|²
    double rotorCopper = 0.0;   // 3 R_R (|I_R+|² + |I_R-|²)
    double mechanical = 0.0;    // T 2πn/60
    // η = P_mech / P_in while both are positive.
    std::optional<double> efficiency;
    double powerFactor = 0.0;  // P_in / Σ |E_x| |I_x|; 0 with no current
};

MotorPower PowerAt(const MotorModel& model, const MotorPoint& point);

// One sequence's inverse-Gamma circuit for phase U: V = (R_s + jX_σ) I_s + E_M, with
// E_M = jX_M I_M = (R_R/s) I_R and I_s = I_M + I_R.
struct MotorCircuit {
    double slip = 1.0;          // s+ or s- = 2 - s+
    double leakage = 0.0;       // X_σ, ohm
    double magnetising = 0.0;   // X_M
    double rotor = 0.0;         // R_R, with the added resistance
    Phasor voltage;             // V, the sequence's voltage across the winding
    Phasor stator;              // I_s
    Phasor magnetisingCurrent;  // I_M
    Phasor rotorCurrent;        // I_R
    Phasor airGap;              // E_M
};

MotorCircuit PositiveCircuit(const MotorModel& model, const MotorPoint& point);
MotorCircuit NegativeCircuit(const MotorModel& model, const MotorPoint& point);
