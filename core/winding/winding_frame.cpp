#include "winding/winding_frame.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "text/text_format.h"
#include "winding/winding_layers.h"

namespace {

std::string Format(const char* format, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    const std::string text = buffer;
    // A value that rounds to zero reads as zero, whatever its sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        return text.substr(1);
    return text;
}

// The field's axis: where the stepped MMF's fundamental peaks, in mechanical degrees within one
// pole pair. The currents put it at theta/p (backwards for a negative sequence); a short-pitched
// two-layer winding's axis lies (tau - y)/2 slot pitches behind that.
double FieldAxis(const Winding& w, const AirGapWave& wave) {
    const double period = 360.0 / w.PolePairs();
    const double angle = wave.peakAngle * 180.0 / std::numbers::pi;
    // An angle that would print as the period is the peak at 0.
    return angle >= period - 0.05 ? 0.0 : angle;
}

std::string Describe(const WindingInputs& in, const WindingReadouts& r) {
    const Translation* t = in.translation;
    const Winding& w = in.winding;
    const std::string layout =
        w.layers == 1
            ? std::string(Tr(t, "Windings", QT_TRANSLATE_NOOP("Windings", "单层整距")))
            : FormatText(Tr(t, "Windings", QT_TRANSLATE_NOOP("Windings", "双层，节距 %1/%2")),
                         {std::to_string(w.pitch), std::to_string(w.PolePitch())});
    return FormatText(Tr(t, "Windings",
                         QT_TRANSLATE_NOOP("Windings",
                                           "%1 极 %2 槽，%3：电角度 %4°，磁场轴线位于机械角 %5°，"
                                           "同步转速 %6 r/min，磁动势谐波畸变率 %7 %。")),
                      {std::to_string(w.poles), r.slotCount, layout, std::to_string(10 * in.step),
                       r.fieldAngle, r.speed, r.thd});
}

struct Panes {
    CRect section, mmf, spectrum, table, readouts;
};

Panes Layout(int width, int height, double unit) {
    const int middle = Px(width * 0.46);
    // A canvas taller than the design's shape shares the height it has over between the
    // cross-section, which its width limits, and the zone plan and readouts, which need it.
    const double over = height - kWindingHeight * unit;
    const int upper = Px(0.68 * kWindingHeight * unit + over / 2.0);
    const int mmfBottom = Px(upper / 2.0);
    const int tableRight = Px(width * 0.547);
    return {{0, 0, middle, upper},
            {middle, 0, width, mmfBottom},
            {middle, mmfBottom, width, upper},
            {0, upper, tableRight, height},
            {tableRight, upper, width, height}};
}

void DrawPanes(const WindingScene& scene, const WindingReadouts& readouts) {
    CDC* dc = scene.dc;
    const int width = scene.inputs.width, height = scene.inputs.height;
    {
        ScopedPen pen(dc, PS_SOLID, 1, kWhite);
        ScopedBrush white(dc, kWhite);
        dc->Rectangle(0, 0, width, height);
    }
    dc->SetBkMode(TRANSPARENT);
    const Panes panes = Layout(width, height, scene.unit);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kGridColour);
        dc->MoveTo(panes.mmf.left, 0);
        dc->LineTo(panes.mmf.left, panes.section.bottom);
        dc->MoveTo(panes.mmf.left, panes.spectrum.top);
        dc->LineTo(width, panes.spectrum.top);
        dc->MoveTo(0, panes.table.top);
        dc->LineTo(width, panes.table.top);
        dc->MoveTo(panes.readouts.left, panes.table.top);
        dc->LineTo(panes.readouts.left, height);
    }
    DrawWindingSection(scene, panes.section);
    DrawWindingMmf(scene, panes.mmf);
    DrawWindingSpectrum(scene, panes.spectrum);
    DrawWindingTable(scene, panes.table);
    DrawWindingReadouts(scene, panes.readouts, readouts);
}

}  // namespace

std::string WindingFigure(const char* format, double value) {
    const std::string text = Format(format, value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

std::string ConductorName(const Conductor& c) {
    static constexpr const char* kLetters[] = {"U", "V", "W"};
    return (c.sign < 0 ? "−" : "") + std::string(kLetters[c.phase]);
}

WindingInputs ClampWindingInputs(const WindingInputs& raw) {
    WindingInputs in = raw;
    in.winding = ValidWinding(raw.winding);
    in.step = WrapExplorerStep(raw.step);
    in.frequency = std::isfinite(raw.frequency)
                       ? std::clamp(raw.frequency, kMinFrequency, kMaxFrequency)
                       : kDefaultFrequency;
    in.width = std::max(raw.width, 1);
    in.height = std::max(raw.height, 1);
    return in;
}

WindingReadouts MakeWindingReadouts(const WindingInputs& raw) {
    const WindingInputs in = ClampWindingInputs(raw);
    const Winding& w = in.winding;
    const AirGapWave wave = AirGapMmf(w, WindingCurrents(ExplorerAngle(in.step), in.sequence));
    const auto factor = [](double value) { return Format("%.3f", std::abs(value)); };
    char angle[32];
    std::snprintf(angle, sizeof angle, "%d*π/18=%d°", in.step, 10 * in.step);
    return {angle,
            std::to_string(w.slotCount),
            factor(DistributionFactor(w.SlotsPerPolePhase(), 1)),
            factor(PitchFactor(w.pitch, w.PolePitch(), 1)),
            factor(WindingFactor(w, 1)),
            factor(WindingFactor(w, 5)),
            factor(WindingFactor(w, 7)),
            Format("%.1f", 100.0 * wave.thd),
            Format("%.0f", 60.0 * in.frequency / w.PolePairs()),
            Format("%.1f", FieldAxis(w, wave)),
            Format("%.3f", wave.fundamental)};
}

WindingResult DrawWindingFrame(const WindingInputs& raw, CDC& surface) {
    const WindingInputs in = ClampWindingInputs(raw);
    WindingResult result{MakeWindingReadouts(in), {}, true};
    result.description = Describe(in, result.readouts);
    const std::shared_ptr<const WindingField> field = FieldOf(in.winding);
    const std::vector<SlotConductors> plan = ZonePlan(in.winding);
    const std::array<double, 3> currents = WindingCurrents(ExplorerAngle(in.step), in.sequence);
    const AirGapWave wave = AirGapMmf(in.winding, currents);
    const double unit =
        std::min(in.width / double(kWindingWidth), in.height / double(kWindingHeight));
    const WindingScene scene{in, *field, plan, currents, wave, unit, &surface};
    WindingReadouts shown = result.readouts;
    if (in.hidden.readouts) {
        for (std::string* value :
             {&shown.angle, &shown.kd1, &shown.kp1, &shown.kw1, &shown.kw5, &shown.kw7, &shown.thd,
              &shown.speed, &shown.fieldAngle, &shown.mmfFundamental})
            *value = kHiddenValue;
    }
    try {
        DrawPanes(scene, shown);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}
