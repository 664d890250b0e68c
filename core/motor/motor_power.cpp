#include "motor/motor_power.h"

#include <cmath>
#include <numbers>

using namespace motor;

namespace {

MotorCircuit SequenceCircuit(const MotorModel& model, Phasor current, double slip) {
    MotorCircuit c;
    c.slip = slip;
    c.leakage = model.Omega() * kLeakage;
    c.magnetising = model.Omega() * kMagnetising;
    c.rotor = model.RotorResistance();
    c.stator = current;
    // I_R = I_s jX_M s / (jX_M s + R_R): the current divider, zero at s = 0.
    const Phasor jxs(0.0, c.magnetising * slip);
    c.rotorCurrent = current * jxs / (jxs + c.rotor);
    c.magnetisingCurrent = current - c.rotorCurrent;
    c.airGap = Phasor(0.0, c.magnetising) * c.magnetisingCurrent;
    // V from the sequence's impedance, not from the drops: the diagram closes only if both agree.
    const Phasor jx(0.0, c.magnetising);
    c.voltage =
        (Phasor(kStatorResistance, c.leakage) + jx * c.rotor / (c.rotor + jx * slip)) * current;
    return c;
}

}  // namespace

MotorCircuit PositiveCircuit(const MotorModel& model, const MotorPoint& point) {
    return SequenceCircuit(model, point.positive, point.slip);
}

MotorCircuit NegativeCircuit(const MotorModel& model, const MotorPoint& point) {
    return SequenceCircuit(model, point.negative, 2.0 - point.slip);
}

MotorPower PowerAt(const MotorModel& model, const MotorPoint& point) {
    MotorPower w;
    double apparent = 0.0;
    for (int x = 0; x < 3; ++x) {
        const Phasor e = model.Voltages()[x], i = point.current[x];
        w.input += (e * std::conj(i)).real();
        w.statorCopper += kStatorResistance * std::norm(i);
        apparent += std::abs(e) * std::abs(i);
    }
    const double rr = model.RotorResistance();
    w.rotorCopper = 3.0 * rr *
                    (std::norm(PositiveCircuit(model, point).rotorCurrent) +
                     std::norm(NegativeCircuit(model, point).rotorCurrent));
    w.mechanical = point.Torque() * 2.0 * std::numbers::pi * point.speed / 60.0;
    if (w.input > 0.0 && w.mechanical > 0.0) w.efficiency = w.mechanical / w.input;
    w.powerFactor = apparent > 0.0 ? w.input / apparent : 0.0;
    return w;
}
