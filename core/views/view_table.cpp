#include "views/view_table.h"

#include <algorithm>
#include <array>
#include <cctype>

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
    ViewResult result = Describe(ViewOf(settings)).draw(settings, canvas, surface);
    if (canvas.hidden.readouts) {
        for (Readout& r : result.readouts) r.value = r.shown = kHiddenValue;
    }
    // A view's sentence says what the class is to find out; until then it says only that.
    if (canvas.hidden.Any()) {
        result.description =
            Tr(canvas.translation, "Lesson",
               QT_TRANSLATE_NOOP("Lesson", "画面的一部分暂时隐藏：先预测，再揭晓。"));
    }
    return result;
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

namespace {

// An address's value as URLSearchParams reads it back: every byte but letters, digits and
// "-._~," as %XX.
std::string Encoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) != 0 || std::string_view("-._~,").find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

std::string Decoded(std::string_view text) {
    const auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 &&
                   hex(text[i + 2]) >= 0) {
            out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string AddressOf(const ViewSettings& settings, int step) {
    const ViewDescriptor& d = Describe(ViewOf(settings));
    std::string address = "#view=" + Encoded(d.name) + "&step=" + std::to_string(step);
    if (d.values == nullptr) return address;
    for (const auto& [name, value] : d.values(settings))
        address += "&" + Encoded(name) + "=" + Encoded(ParamText(value));
    return address;
}

AddressRead SettingsFromAddress(std::string_view address) {
    if (const std::size_t hash = address.find('#'); hash != std::string_view::npos)
        address.remove_prefix(hash + 1);
    std::vector<std::pair<std::string, std::string>> pairs;
    while (!address.empty()) {
        const std::size_t amp = std::min(address.find('&'), address.size());
        const std::string_view pair = address.substr(0, amp);
        address.remove_prefix(std::min(amp + 1, address.size()));
        if (pair.empty()) continue;
        const std::size_t eq = std::min(pair.find('='), pair.size());
        pairs.emplace_back(Decoded(pair.substr(0, eq)),
                           Decoded(pair.substr(std::min(eq + 1, pair.size()))));
    }
    AddressRead read;
    View view = View::Main;
    for (const auto& [key, value] : pairs) {
        if (key != "view") continue;
        if (const std::optional<View> named = FindView(value)) {
            view = *named;
        } else {
            read.problems.push_back("unknown view '" + Escaped(value) + "' (use " + ViewNames() +
                                    ")");
            view = View::Main;
        }
    }
    const ViewDescriptor& d = Describe(view);
    std::vector<TextValue> given;
    const std::string* stepText = nullptr;
    for (const auto& [key, value] : pairs) {
        if (key == "step") stepText = &value;
        if (const ParamSpec* spec = FindParam(d, key)) given.push_back({spec->name, value});
    }
    read.settings = SettingsFromTexts(view, given, true, &read.problems).settings;
    // The step checked as vesk-render checks --step; a refused one is step 0.
    if (stepText != nullptr) {
        const std::optional<int> step = WholeNumber(*stepText);
        if (step && *step >= 0 && *step <= d.lastStep) {
            read.step = *step;
        } else {
            const ParamSpec steps{
                .name = "step", .kind = ParamKind::Whole, .high = double(d.lastStep)};
            read.problems.push_back(Refusal(steps, *stepText));
        }
    }
    return read;
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
