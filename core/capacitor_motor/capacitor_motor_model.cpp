#include "capacitor_motor/capacitor_motor_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "text/translation.h"

namespace {

using namespace capmotor;

constexpr double kOmega = 2.0 * std::numbers::pi * kFrequency;
constexpr double kSynchronousOmega = 2.0 * std::numbers::pi * kSynchronousSpeed / 60.0;
const Phasor kJ(0.0, 1.0);

struct KindInfo {
    CapacitorMotorKind kind;
    std::string_view name;
    const char* text;
};

constexpr KindInfo kKinds[] = {
    {CapacitorMotorKind::SplitPhase, "split-phase",
     QT_TRANSLATE_NOOP("CapacitorMotor", "电阻分相式")},
    {CapacitorMotorKind::CapacitorStart, "capacitor-start",
     QT_TRANSLATE_NOOP("CapacitorMotor", "电容起动式")},
    {CapacitorMotorKind::PermanentCapacitor, "permanent-capacitor",
     QT_TRANSLATE_NOOP("CapacitorMotor", "电容运转式")},
    {CapacitorMotorKind::TwoValue, "two-value", QT_TRANSLATE_NOOP("CapacitorMotor", "双值电容式")},
    {CapacitorMotorKind::MainOnly, "main-only", QT_TRANSLATE_NOOP("CapacitorMotor", "仅主绕组")},
};

const KindInfo& Info(CapacitorMotorKind kind) {
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds[1];
}

// The rotor branch, jX_M in parallel with R_2/s + jX_2, multiplied through by s so that s = 0 is
// the magnetising reactance alone rather than a division by zero.
Phasor RotorBranch(double s) {
    const Phasor jxm(0.0, kMagnetisingReactance);
    return jxm * Phasor(kRotorResistance, kRotorReactance * s) /
           Phasor(kRotorResistance, (kMagnetisingReactance + kRotorReactance) * s);
}

// R_1a + jX_1a + Z_C referred to the main winding; no capacitor when `microfarads` is 0.
Phasor ReferredAux(double microfarads) {
    Phasor z(kAuxResistance, kAuxReactance);
    if (microfarads > 0.0) z += Phasor(0.0, -1.0 / (kOmega * microfarads * 1e-6));
    return z / (kTurnsRatio * kTurnsRatio);
}

double Capacitor(std::optional<double> given, double fallback) {
    if (!given || !std::isfinite(*given)) return fallback;
    return std::clamp(*given, kMinCapacitor, kMaxCapacitor);
}

}  // namespace

std::string_view CapacitorMotorKindName(CapacitorMotorKind kind) { return Info(kind).name; }

std::optional<CapacitorMotorKind> FindCapacitorMotorKind(std::string_view name) {
    for (const KindInfo& k : kKinds)
        if (k.name == name) return k.kind;
    return std::nullopt;
}

const char* CapacitorMotorKindText(CapacitorMotorKind kind) { return Info(kind).text; }

bool HasAuxiliaryWinding(CapacitorMotorKind kind) { return kind != CapacitorMotorKind::MainOnly; }

bool HasCentrifugalSwitch(CapacitorMotorKind kind) {
    return kind == CapacitorMotorKind::SplitPhase || kind == CapacitorMotorKind::CapacitorStart ||
           kind == CapacitorMotorKind::TwoValue;
}

bool HasStartCapacitor(CapacitorMotorKind kind) {
    return kind == CapacitorMotorKind::CapacitorStart || kind == CapacitorMotorKind::TwoValue;
}

bool HasRunCapacitor(CapacitorMotorKind kind) {
    return kind == CapacitorMotorKind::PermanentCapacitor || kind == CapacitorMotorKind::TwoValue;
}

std::optional<SwitchSetting> FindSwitchSetting(std::string_view name) {
    if (name == "closed") return SwitchSetting::Closed;
    if (name == "open") return SwitchSetting::Open;
    return std::nullopt;
}

std::string CapacitorMotorInvalid(const CapacitorMotorConfig& c) {
    const std::string kind(CapacitorMotorKindName(c.kind));
    if (c.startCapacitor && !HasStartCapacitor(c.kind))
        return "--start-capacitor: a " + kind + " motor has no start capacitor";
    if (c.runCapacitor && !HasRunCapacitor(c.kind))
        return "--run-capacitor: a " + kind + " motor has no run capacitor";
    if (c.reverseAux && !HasAuxiliaryWinding(c.kind))
        return "--reverse-aux: a " + kind + " motor has no auxiliary winding";
    if (c.switchSetting != SwitchSetting::Automatic && !HasCentrifugalSwitch(c.kind))
        return "--switch: a " + kind + " motor has no centrifugal switch";
    return {};
}

double CapacitorMotorSlip(double speed) { return (kSynchronousSpeed - speed) / kSynchronousSpeed; }

double CapacitorMotorFan(double load, double speed) {
    const double r = speed / kSynchronousSpeed;
    return -load * r * std::abs(r);
}

CapacitorMotorModel::CapacitorMotorModel(const CapacitorMotorConfig& config) : m_config(config) {
    const CapacitorMotorKind kind = config.kind;
    m_config.startCapacitor =
        HasStartCapacitor(kind)
            ? std::optional(Capacitor(config.startCapacitor, kDefaultStartCapacitor))
            : std::nullopt;
    m_config.runCapacitor =
        HasRunCapacitor(kind) ? std::optional(Capacitor(config.runCapacitor, kDefaultRunCapacitor))
                              : std::nullopt;
    m_config.reverseAux = config.reverseAux && HasAuxiliaryWinding(kind);
    if (!HasCentrifugalSwitch(kind)) m_config.switchSetting = SwitchSetting::Automatic;

    const double start = m_config.startCapacitor.value_or(0.0);
    const double run = m_config.runCapacitor.value_or(0.0);
    switch (kind) {
        case CapacitorMotorKind::SplitPhase:
            m_auxWhenClosed = true;
            m_auxClosed = ReferredAux(0.0);
            break;
        case CapacitorMotorKind::CapacitorStart:
            m_auxWhenClosed = true;
            m_auxClosed = ReferredAux(start);
            break;
        case CapacitorMotorKind::PermanentCapacitor:
            m_auxWhenClosed = m_auxWhenOpen = true;
            m_auxClosed = m_auxOpen = ReferredAux(run);
            break;
        case CapacitorMotorKind::TwoValue:
            // Capacitors in parallel add.
            m_auxWhenClosed = m_auxWhenOpen = true;
            m_auxClosed = ReferredAux(start + run);
            m_auxOpen = ReferredAux(run);
            break;
        case CapacitorMotorKind::MainOnly:
            break;
    }
}

double CapacitorMotorModel::StartCapacitor() const {
    return m_config.startCapacitor.value_or(kDefaultStartCapacitor);
}

double CapacitorMotorModel::RunCapacitor() const {
    return m_config.runCapacitor.value_or(kDefaultRunCapacitor);
}

bool CapacitorMotorModel::SteadySwitch(double speed) const {
    if (!HasCentrifugalSwitch(m_config.kind)) return false;
    if (m_config.switchSetting != SwitchSetting::Automatic)
        return m_config.switchSetting == SwitchSetting::Closed;
    return std::abs(speed) < kSwitchOpens;
}

bool CapacitorMotorModel::NextSwitch(bool closed, double speed) const {
    if (!HasCentrifugalSwitch(m_config.kind)) return false;
    if (m_config.switchSetting != SwitchSetting::Automatic)
        return m_config.switchSetting == SwitchSetting::Closed;
    if (closed) return std::abs(speed) < kSwitchOpens;
    return std::abs(speed) < kSwitchCloses;
}

CapacitorMotorPoint CapacitorMotorModel::At(double speed, bool switchClosed) const {
    CapacitorMotorPoint p;
    p.speed = speed;
    p.slip = CapacitorMotorSlip(speed);
    p.switchClosed = switchClosed && HasCentrifugalSwitch(m_config.kind);
    const bool closed = p.switchClosed || !HasCentrifugalSwitch(m_config.kind);
    p.auxConnected = closed ? m_auxWhenClosed : m_auxWhenOpen;
    const Phasor zm(kMainResistance, kMainReactance);
    const Phasor zf = RotorBranch(p.slip), zb = RotorBranch(2.0 - p.slip);
    const Phasor v(kVoltage, 0.0);
    if (!p.auxConnected) {
        p.main = v / (zm + (zf + zb) / 2.0);
        p.forward = p.backward = p.main / 2.0;
    } else {
        // V = Z_1m (I_f + I_b) + Z_f I_f + Z_b I_b and V_a' = j Z_1a' (I_f - I_b) + j (Z_f I_f -
        // Z_b I_b), by Cramer's rule; a reversed winding sees -V/a.
        const Phasor za = closed ? m_auxClosed : m_auxOpen;
        const Phasor va = (m_config.reverseAux ? -v : v) / kTurnsRatio;
        const Phasor a11 = zm + zf, a12 = zm + zb;
        const Phasor a21 = kJ * (za + zf), a22 = -kJ * (za + zb);
        const Phasor det = a11 * a22 - a12 * a21;
        p.forward = (v * a22 - a12 * va) / det;
        p.backward = (a11 * va - a21 * v) / det;
        p.main = p.forward + p.backward;
        p.aux = kJ * (p.forward - p.backward) / kTurnsRatio;
    }
    p.line = m_config.reverseAux ? p.main - p.aux : p.main + p.aux;
    p.torqueForward = 2.0 / kSynchronousOmega * std::norm(p.forward) * zf.real();
    p.torqueBackward = -2.0 / kSynchronousOmega * std::norm(p.backward) * zb.real();
    return p;
}
