// The windings view in the table of views.
#include "winding/winding_view.h"

#include <algorithm>
#include <array>

#include "views/view_table.h"
#include "winding/winding_frame.h"

namespace {

constexpr std::string_view kAliases[] = {"windings"};
constexpr std::string_view kFlagAliases[] = {"windings"};
constexpr int kPoles[] = {2, 4, 6, 8};
constexpr int kLayers[] = {1, 2};
constexpr std::string_view kSequences[] = {"positive", "negative"};

const std::array<std::string_view, kWindingPresets.size()> kPresetNames = [] {
    std::array<std::string_view, kWindingPresets.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = WindingPresetName(kWindingPresets[i]);
    return names;
}();

const ParamSpec kParams[] = {
    {.name = "preset",
     .kind = ParamKind::Choice,
     .choices = kPresetNames,
     .valueName = "NAME",
     .help = "explorer (2 poles, 6 slots), 4-pole-full (36 slots), 4-pole-short (36 slots,\n"
             "two layers, pitch 7/9) or 2-pole-short (24 slots, 10/12)"},
    {.name = "poles",
     .kind = ParamKind::Whole,
     .low = 2,
     .high = 8,
     .fallback = 2,
     .values = kPoles,
     .valueName = "P",
     .help = "the number of poles"},
    {.name = "slots",
     .kind = ParamKind::Whole,
     .low = 6,
     .high = 96,
     .fallback = 6,
     .valueName = "Q",
     .help = "6pq slots, q from 1 to 4"},
    {.name = "layers",
     .kind = ParamKind::Whole,
     .low = 1,
     .high = 2,
     .fallback = 1,
     .values = kLayers,
     .valueName = "L",
     .help = "a single layer is full-pitch"},
    {.name = "pitch",
     .kind = ParamKind::Whole,
     .low = 1,
     .high = 12,
     .fallback = 3,
     .valueName = "Y",
     .help = "the coil pitch in slots, 1 up to the pole pitch Q/2p (default: full)"},
    {.name = "frequency",
     .kind = ParamKind::Number,
     .low = kMinFrequency,
     .high = kMaxFrequency,
     .fallback = kDefaultFrequency,
     .unit = " Hz",
     .valueName = "F",
     .help = "the supply's frequency"},
    {.name = "sequence",
     .kind = ParamKind::Choice,
     .choices = kSequences,
     .valueName = "SEQ",
     .help = "the phase sequence"},
    {.name = "flux",
     .kind = ParamKind::Switch,
     .fallback = 1,
     .flag = "no-flux-lines",
     .help = "leave out the flux lines"},
};

std::string Counts(const std::vector<int>& counts) {
    std::string text;
    for (std::size_t i = 0; i < counts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == counts.size() ? " or " : ", ") + std::to_string(counts[i]);
    return text;
}

SettingsResult Build(const ParamValues& given) {
    const auto whole = [&given](std::string_view name) -> std::optional<int> {
        if (const ParamValue* v = Given(given, name)) return static_cast<int>(std::get<double>(*v));
        return std::nullopt;
    };
    std::optional<WindingPreset> preset;
    if (const ParamValue* v = Given(given, "preset"))
        for (const WindingPreset p : kWindingPresets)
            if (std::get<std::string>(*v) == WindingPresetName(p)) preset = p;
    const Winding w =
        ChangedWinding(preset ? PresetWinding(*preset) : Winding{},
                       {whole("poles"), whole("slots"), whole("layers"), whole("pitch")});
    SettingsResult result;
    const std::vector<int> counts = SlotCountsFor(w.poles);
    if (std::find(counts.begin(), counts.end(), w.slotCount) == counts.end()) {
        result.blame = "slots";
        result.error = std::to_string(w.slotCount) + " slots do not make " +
                       (w.poles == 8 ? "an " : "a ") + std::to_string(w.poles) +
                       "-pole winding (6pq slots, q from 1 to 4: use " + Counts(counts) + ")";
        return result;
    }
    const int tau = w.PolePitch();
    if (w.pitch < 1 || w.pitch > tau) {
        result.blame = "pitch";
        result.error = "pitch " + std::to_string(w.pitch) + " is outside 1 to " +
                       std::to_string(tau) + " (the pole pitch is " + std::to_string(tau) +
                       " slots)";
        return result;
    }
    if (w.layers == 1 && w.pitch != tau) {
        result.blame = "pitch";
        result.error = "a single-layer winding is full-pitch: pitch " + std::to_string(w.pitch) +
                       " needs layers 2";
        return result;
    }
    WindingSettings s;
    s.winding = w;
    if (const ParamValue* v = Given(given, "sequence"))
        s.sequence =
            std::get<std::string>(*v) == "negative" ? Sequence::Negative : Sequence::Positive;
    if (const ParamValue* v = Given(given, "frequency")) s.frequency = std::get<double>(*v);
    if (const ParamValue* v = Given(given, "flux")) s.fluxLines = std::get<bool>(*v);
    result.settings = s;
    return result;
}

ViewResult Draw(const ViewSettings& settings, const CanvasInputs& c, CDC& surface) {
    const WindingSettings& s = std::get<WindingSettings>(settings);
    const WindingResult r =
        DrawWindingFrame({s.winding, c.step, s.sequence, s.frequency, s.fluxLines, c.width,
                          c.height, c.scale, c.palette, c.translation, c.hidden},
                         surface);
    const WindingReadouts& o = r.readouts;
    const auto label = [&c](const char* source) {
        return std::string(Tr(c.translation, "Windings", source));
    };
    ViewResult result;
    result.readouts = {
        {"angle", o.angle, label(QT_TRANSLATE_NOOP("Windings", "电角度 θ")), o.angle},
        {"slots", o.slotCount, label(QT_TRANSLATE_NOOP("Windings", "槽数 Q")), o.slotCount},
        {"kd1", o.kd1, "", o.kd1},
        {"kp1", o.kp1, "", o.kp1},
        {"kw1", o.kw1, "kw1", o.kw1},
        {"kw5", o.kw5, "kw5", o.kw5},
        {"kw7", o.kw7, "kw7", o.kw7},
        {"thd", o.thd, "THD", o.thd + " %"},
        {"speed", o.speed, label(QT_TRANSLATE_NOOP("Windings", "同步转速 ns")),
         o.speed + " " + label(QT_TRANSLATE_NOOP("Windings", "r/min"))},
        {"field-angle", o.fieldAngle, label(QT_TRANSLATE_NOOP("Windings", "磁场轴线")),
         o.fieldAngle + "°"},
        {"mmf-fundamental", o.mmfFundamental, label(QT_TRANSLATE_NOOP("Windings", "基波幅值 F₁")),
         o.mmfFundamental + " Fc"},
    };
    result.description = r.description;
    result.complete = r.complete;
    return result;
}

ParamValues Values(const ViewSettings& settings) {
    const WindingSettings& s = std::get<WindingSettings>(settings);
    ParamValues values;
    const WindingSettings fallback;
    std::optional<WindingPreset> preset;
    for (const WindingPreset p : kWindingPresets)
        if (PresetWinding(p) == s.winding) preset = p;
    if (preset && s.winding != fallback.winding) {
        values.emplace_back("preset", std::string(WindingPresetName(*preset)));
    } else if (!preset) {
        values.emplace_back("poles", double(s.winding.poles));
        values.emplace_back("slots", double(s.winding.slotCount));
        values.emplace_back("layers", double(s.winding.layers));
        values.emplace_back("pitch", double(s.winding.pitch));
    }
    if (s.frequency != fallback.frequency) values.emplace_back("frequency", s.frequency);
    if (s.sequence != fallback.sequence)
        values.emplace_back("sequence", std::string(kSequences[s.sequence == Sequence::Negative]));
    if (s.fluxLines != fallback.fluxLines) values.emplace_back("flux", s.fluxLines);
    return values;
}

}  // namespace

std::vector<int> SlotCountsFor(int poles) {
    std::vector<int> counts;
    for (int q = 1; q <= 4; ++q) counts.push_back(3 * poles * q);
    return counts;
}

std::vector<int> PitchesFor(const Winding& winding) {
    std::vector<int> pitches;
    const int tau = winding.PolePitch();
    for (int y = winding.layers == 1 ? tau : 1; y <= tau; ++y) pitches.push_back(y);
    return pitches;
}

extern const ViewDescriptor kWindingView{
    .view = View::Winding,
    .name = "winding",
    .aliases = kAliases,
    .flag = "winding",
    .flagAliases = kFlagAliases,
    .titleContext = "WindingsWindow",
    .title = "绕组",
    .help =
        "The windings view: poles, slots, distributed and short-pitched windings, the\nMMF's "
        "harmonics and the flux lines",
    .lastStep = kExplorerSteps - 1,
    .rule = StepRule::Cycle,
    .design = {kWindingWidth, kWindingHeight},
    .scalesWithCanvas = true,
    .params = kParams,
    .build = Build,
    .draw = Draw,
    .values = Values,
    .csv = [](const ViewSettings& s,
              int step) { return WindingCsv(std::get<WindingSettings>(s), step); },
};

std::string TraceWindingFrame(const WindingInputs& in) {
    return TraceView(WindingSettings{in.winding, in.sequence, in.frequency, in.fluxLines},
                     {in.step, in.width, in.height, in.scale, in.palette, in.translation});
}
