#include "page_address.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "text/numbers.h"
#include "views/view_table.h"

namespace {

// A number as an address writes it: in figures, without an exponent, to as few decimals as read
// back the same (1200, 0.0000001); with one only past 17 decimals, its + escaped, which the
// address would read as a space.
std::string Figures(double value) {
    char buffer[64];
    for (int decimals = 0; decimals <= 17; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        if (std::strtod(buffer, nullptr) == value) return buffer;
    }
    std::string text = Shortest(value);
    if (const std::size_t plus = text.find('+'); plus != std::string::npos)
        text.replace(plus, 1, "%2B");
    return text;
}

class Address {
  public:
    explicit Address(View view) { Add("view", Describe(view).name); }

    // Keys are the table's parameter names; a name it lacks is a fault here, caught by the tests.
    Address& Add(std::string_view key, std::string_view value) {
        m_text += (m_text.empty() ? "" : "&") + std::string(key) + "=" + std::string(value);
        return *this;
    }
    Address& Number(std::string_view key, double value, double fallback) {
        return value == fallback ? *this : Add(key, Figures(value));
    }
    Address& Switch(std::string_view key, bool on, bool fallback) {
        return on == fallback ? *this : Add(key, on ? "1" : "0");
    }
    Address& Triple(std::string_view key, const std::array<double, 3>& values,
                    const std::array<double, 3>& fallback) {
        if (values == fallback) return *this;
        return Add(key, Figures(values[0]) + "," + Figures(values[1]) + "," + Figures(values[2]));
    }
    std::string Text() const { return m_text; }

  private:
    std::string m_text;
};

constexpr std::string_view kSequences[] = {"positive", "negative"};
constexpr std::string_view kPhases[] = {"U", "V", "W"};

// A preset's name when the supply is one, else what differs from the balanced supply (or from the
// single phase, which only its preset turns on).
void AddSupply(Address& a, const Supply& s) {
    if (const std::optional<Preset> preset = MatchPreset(s)) {
        if (*preset != Preset::Balanced) a.Add("preset", PresetName(*preset));
        return;
    }
    const Supply base = PresetSupply(s.singlePhase ? Preset::SinglePhase : Preset::Balanced);
    if (s.singlePhase) a.Add("preset", PresetName(Preset::SinglePhase));
    a.Triple("amplitudes", s.amplitude, base.amplitude).Triple("offsets", s.offset, base.offset);
    if (s.sequence != base.sequence)
        a.Add("sequence", kSequences[static_cast<std::size_t>(s.sequence)]);
    if (s.openPhase != base.openPhase && s.openPhase >= 0 && s.openPhase < 3)
        a.Add("open", kPhases[static_cast<std::size_t>(s.openPhase)]);
    a.Switch("neutral", s.neutral, base.neutral);
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

std::string PageAddressOf(const ViewSettings& settings, int step) {
    Address a(ViewOf(settings));
    const ViewSettings defaults = DefaultSettings(ViewOf(settings));
    std::visit(Overloaded{
                   [&a](const MainSettings& s, const MainSettings& d) {
                       a.Switch("resultant", s.showResultant, d.showResultant);
                   },
                   [&a](const ExplorerSettings& s, const ExplorerSettings& d) {
                       AddSupply(a, s.supply);
                       a.Switch("apart", s.componentsApart, d.componentsApart);
                   },
                   [&a](const WindingSettings& s, const WindingSettings& d) {
                       // Poles, slots and layers set the pitch, so the pitch comes last.
                       if (!(s.winding == d.winding))
                           a.Add("poles", std::to_string(s.winding.poles))
                               .Add("slots", std::to_string(s.winding.slotCount))
                               .Add("layers", std::to_string(s.winding.layers))
                               .Add("pitch", std::to_string(s.winding.pitch));
                       if (s.sequence != d.sequence)
                           a.Add("sequence", kSequences[static_cast<std::size_t>(s.sequence)]);
                       a.Number("frequency", s.frequency, d.frequency)
                           .Switch("flux", s.fluxLines, d.fluxLines);
                   },
                   [&a](const MotorSettings& s, const MotorSettings& d) {
                       AddSupply(a, s.supply);
                       a.Number("load", s.load, d.load).Number("inertia", s.inertia, d.inertia);
                       // A steady state, or a start-up: the table takes one or the other.
                       if (s.speed)
                           a.Add("speed", Figures(*s.speed));
                       else
                           a.Number("time", s.time, d.time)
                               .Number("initial-speed", s.initialSpeed, d.initialSpeed);
                   },
                   [&a](const SynchronousSettings& s, const SynchronousSettings& d) {
                       a.Number("field-current", s.fieldCurrent, d.fieldCurrent)
                           .Number("inertia", s.inertia, d.inertia);
                       if (s.damper != d.damper) a.Add("damper", s.damper ? "yes" : "no");
                       // In a start-up the load sets the power; in a steady state the power is
                       // given.
                       if (s.time)
                           a.Add("time", Figures(*s.time))
                               .Number("load", s.load, d.load)
                               .Number("field-on", s.fieldOn, d.fieldOn);
                       else
                           a.Number("power", s.power, d.power);
                       if (s.curves != d.curves)
                           a.Add("curves", s.curves == SynchronousCurves::O ? "o" : "v");
                   },
                   // The two are of one view.
                   [](const auto&, const auto&) {},
               },
               settings, defaults);
    return a.Add("step", std::to_string(step)).Text();
}
