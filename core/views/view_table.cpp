#include "views/view_table.h"

#include <algorithm>
#include <array>

#include "draw/trace_dc.h"
#include "text/numbers.h"

// Each view's row is defined beside its model, in its own folder.
extern const ViewDescriptor kMainView;
extern const ViewDescriptor kExplorerView;
extern const ViewDescriptor kWindingView;
extern const ViewDescriptor kMotorView;
extern const ViewDescriptor kCapacitorMotorView;
extern const ViewDescriptor kSynchronousView;

namespace {

const std::array<const ViewDescriptor*, 6> kViews{&kMainView,           &kExplorerView,
                                                  &kWindingView,        &kMotorView,
                                                  &kCapacitorMotorView, &kSynchronousView};
static_assert(std::variant_size_v<ViewSettings> == kViews.size(),
              "a row for every view's settings");

// A view's settings from values already checked, keeping what build says.
SettingsResult Built(View view, const ParamValues& values) {
    SettingsResult result = Describe(view).build(values);
    if (!result.error.empty()) result.settings = DefaultSettings(view);
    return result;
}

void JsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

std::span<const ViewDescriptor> Views() {
    // The rows in View's order, as one contiguous table.
    static const std::array<ViewDescriptor, kViews.size()> table = [] {
        std::array<ViewDescriptor, kViews.size()> rows{};
        std::transform(kViews.begin(), kViews.end(), rows.begin(), [](auto* d) { return *d; });
        return rows;
    }();
    return table;
}

const ViewDescriptor& Describe(View view) { return Views()[static_cast<std::size_t>(view)]; }

std::optional<View> FindView(std::string_view name) {
    for (const ViewDescriptor& d : Views()) {
        if (d.name == name) return d.view;
        if (std::find(d.aliases.begin(), d.aliases.end(), name) != d.aliases.end()) return d.view;
    }
    return std::nullopt;
}

const ParamSpec* FindParam(const ViewDescriptor& view, std::string_view name) {
    for (const ParamSpec& p : view.params)
        if (p.name == name) return &p;
    return nullptr;
}

std::string ViewNames() {
    std::vector<std::string_view> names;
    for (const ViewDescriptor& d : Views()) names.push_back(d.name);
    return Listed(names);
}

ViewSettings DefaultSettings(View view) {
    ViewSettings settings;
    switch (view) {
        case View::Main:
            settings = MainSettings{};
            break;
        case View::Explorer:
            settings = ExplorerSettings{};
            break;
        case View::Winding:
            settings = WindingSettings{};
            break;
        case View::Motor:
            settings = MotorSettings{};
            break;
        case View::CapacitorMotor:
            settings = CapacitorMotorSettings{};
            break;
        case View::Synchronous:
            settings = SynchronousSettings{};
            break;
    }
    return settings;
}

SettingsResult SettingsFromTexts(View view, const std::vector<TextValue>& given, bool lenient,
                                 std::vector<std::string>* problems) {
    const ViewDescriptor& d = Describe(view);
    ParamValues values;
    for (const TextValue& t : given) {
        const ParamSpec* spec = FindParam(d, t.name);
        if (spec == nullptr) continue;
        const std::optional<ParamValue> value = ParamFromText(*spec, t.text);
        if (!value || !Accepts(*spec, *value)) {
            if (!lenient) return {DefaultSettings(view), Refusal(*spec, t.text), spec->name};
            if (problems != nullptr) problems->push_back(Refusal(*spec, t.text));
            continue;
        }
        values.emplace_back(spec->name, *value);
    }
    SettingsResult result = Built(view, values);
    // Read leniently, a value that does not go with the others is left out in turn, until what
    // is left makes a picture.
    while (lenient && !result.error.empty() && !result.blame.empty()) {
        if (problems != nullptr) problems->push_back(result.error);
        const std::string_view blame = result.blame;
        const auto removed = std::remove_if(values.begin(), values.end(),
                                            [blame](const auto& v) { return v.first == blame; });
        if (removed == values.end()) break;
        values.erase(removed, values.end());
        result = Built(view, values);
    }
    if (lenient && !result.error.empty()) {
        if (problems != nullptr) problems->push_back(result.error);
        result = Built(view, {});
    }
    return result;
}

SettingsResult SettingsFromValues(View view, const ParamValues& given,
                                  const std::vector<std::string>& shown) {
    const ViewDescriptor& d = Describe(view);
    for (std::size_t i = 0; i < given.size(); ++i) {
        const ParamSpec* spec = FindParam(d, given[i].first);
        if (spec == nullptr) continue;
        if (!Accepts(*spec, given[i].second))
            return {DefaultSettings(view), Refusal(*spec, i < shown.size() ? shown[i] : ""),
                    spec->name};
    }
    return Built(view, given);
}

std::string ReadoutLines(const std::vector<Readout>& readouts) {
    std::string lines;
    for (const Readout& r : readouts)
        if (!r.key.empty()) lines += "readout " + r.key + " " + r.value + "\n";
    return lines;
}

ViewResult DrawView(const ViewSettings& settings, const CanvasInputs& canvas, CDC& surface) {
    return Describe(ViewOf(settings)).draw(settings, canvas, surface);
}

std::string TraceView(const ViewSettings& settings, const CanvasInputs& canvas) {
    TraceDc dc;
    const ViewResult result = DrawView(settings, canvas, dc);
    return ReadoutLines(result.readouts) + dc.Text();
}

CanvasInputs DesignCanvas(View view, int step) {
    CanvasInputs canvas;
    canvas.step = step;
    canvas.width = Describe(view).design.width;
    canvas.height = Describe(view).design.height;
    return canvas;
}

std::string ViewTableJson() {
    const auto kind = [](ParamKind k) {
        switch (k) {
            case ParamKind::Number:
                return "number";
            case ParamKind::Whole:
                return "whole";
            case ParamKind::Choice:
                return "choice";
            case ParamKind::Switch:
                return "switch";
            case ParamKind::Triple:
                return "triple";
        }
        return "";
    };
    std::string out = "{\"views\":[";
    for (const ViewDescriptor& d : Views()) {
        if (d.view != View::Main) out += ',';
        out += "{\"name\":";
        JsonString(out, d.name);
        out += ",\"lastStep\":" + std::to_string(d.lastStep) + ",\"params\":[";
        for (std::size_t i = 0; i < d.params.size(); ++i) {
            const ParamSpec& p = d.params[i];
            out += i == 0 ? "{\"name\":" : ",{\"name\":";
            JsonString(out, p.name);
            out += ",\"kind\":\"" + std::string(kind(p.kind)) + "\"";
            out += ",\"low\":" + Shortest(p.low) + ",\"high\":" + Shortest(p.high);
            out += ",\"default\":" + Shortest(p.fallback) + ",\"unit\":";
            JsonString(out, p.unit);
            out += ",\"choices\":[";
            for (std::size_t c = 0; c < p.choices.size(); ++c) {
                if (c > 0) out += ',';
                JsonString(out, p.choices[c]);
            }
            out += "],\"values\":[";
            for (std::size_t v = 0; v < p.values.size(); ++v)
                out += (v > 0 ? "," : "") + std::to_string(p.values[v]);
            out += "]}";
        }
        out += "]}";
    }
    return out + "]}";
}
