// The page's way into the core for every view alike, through the table of views: the table
// itself, each view's steps, its settings from the address, and its frame drawn with its readouts
// and description. A view is named by its place in the table.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "page_frame.h"
#include "page_json.h"
#include "page_views.h"
#include "text/numbers.h"

namespace {

std::optional<View> ViewAt(int index) {
    if (index < 0 || index >= static_cast<int>(Views().size())) return std::nullopt;
    return Views()[static_cast<std::size_t>(index)].view;
}

// The address's keys and values, handed in one by one for the next ViewFromAddress.
std::vector<std::pair<std::string, std::string>> g_address;
ViewResult g_frame;
std::string g_answer;  // the last text handed out, alive until the next

// The step an address gives, checked as vesk-render checks --step; a refused one is step 0.
int AddressStep(const ViewDescriptor& d, const std::string* text,
                std::vector<std::string>& problems) {
    if (text == nullptr) return 0;
    const std::optional<int> step = WholeNumber(*text);
    if (step && *step >= 0 && *step <= d.lastStep) return *step;
    const ParamSpec steps{.name = "step", .kind = ParamKind::Whole, .high = double(d.lastStep)};
    problems.push_back(Refusal(steps, *text));
    return 0;
}

}  // namespace

extern "C" {

// Each view's name, last step and parameters, with their kinds, ranges, choices and defaults.
EMSCRIPTEN_KEEPALIVE const char* ViewTable() {
    g_answer = ViewTableJson();
    return g_answer.c_str();
}

// The range of the view's parameter at `param` in its table, as messages write it: "0 to 40 N·m".
EMSCRIPTEN_KEEPALIVE const char* ParamRange(int view, int param) {
    const std::optional<View> v = ViewAt(view);
    const auto params = v ? Describe(*v).params : std::span<const ParamSpec>();
    g_answer = param >= 0 && param < static_cast<int>(params.size())
                   ? RangeText(params[static_cast<std::size_t>(param)])
                   : std::string();
    return g_answer.c_str();
}

// One key and value of the address, `keyBytes` and `valueBytes` long (a NUL in them kept).
EMSCRIPTEN_KEEPALIVE void AddressGive(const char* key, int keyBytes, const char* value,
                                      int valueBytes) {
    g_address.emplace_back(std::string(key, static_cast<std::size_t>(keyBytes)),
                           std::string(value, static_cast<std::size_t>(valueBytes)));
}

// The view as the address given asks, read as leniently as an address is: a value refused leaves
// its setting at the default. An address that names none of the view's parameters keeps its
// settings and only goes to its step. Returns {"problems": [one line each]}.
EMSCRIPTEN_KEEPALIVE const char* ViewFromAddress(int view) {
    const auto address = std::exchange(g_address, {});
    const std::optional<View> v = ViewAt(view);
    if (!v) return Json().Done(g_answer);
    const ViewDescriptor& d = Describe(*v);
    std::vector<TextValue> given;
    const std::string* stepText = nullptr;
    for (const auto& [key, value] : address) {
        if (key == "step") stepText = &value;
        if (const ParamSpec* spec = FindParam(d, key)) given.push_back({spec->name, value});
    }
    std::vector<std::string> problems;
    const SettingsResult read = SettingsFromTexts(*v, given, true, &problems);
    const int step = AddressStep(d, stepText, problems);
    PageView& page = PageOf(*v);
    if (given.empty())
        page.Seek(step);
    else
        page.Show(read.settings, step);
    return Json().Strings("problems", problems).Done(g_answer);
}

// One of StepAction's controls.
EMSCRIPTEN_KEEPALIVE void ViewStep(int view, int action) {
    if (const std::optional<View> v = ViewAt(view);
        v && action >= 0 && action <= static_cast<int>(StepAction::Start))
        PageOf(*v).Act(static_cast<StepAction>(action));
}
EMSCRIPTEN_KEEPALIVE void ViewSeek(int view, int step) {
    if (const std::optional<View> v = ViewAt(view)) PageOf(*v).Seek(step);
}
EMSCRIPTEN_KEEPALIVE void ViewSetInterval(int view, double ms) {
    if (const std::optional<View> v = ViewAt(view)) PageOf(*v).SetInterval(ms);
}
EMSCRIPTEN_KEEPALIVE int ViewStepShown(int view) {
    const std::optional<View> v = ViewAt(view);
    return v ? PageOf(*v).Step() : 0;
}
EMSCRIPTEN_KEEPALIVE int ViewPlaying(int view) {
    const std::optional<View> v = ViewAt(view);
    return v && PageOf(*v).Playing() ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int ViewInterval(int view) {
    const std::optional<View> v = ViewAt(view);
    return v ? PageOf(*v).Interval() : 0;
}

// The address that opens the page at the view as it is shown, without the '#'.
EMSCRIPTEN_KEEPALIVE const char* ViewAddress(int view) {
    const std::optional<View> v = ViewAt(view);
    if (!v) return "";
    const LessonStop shown = PageOf(*v).StopShown();
    g_answer = AddressOf(shown.settings, shown.step).substr(1);  // the page adds its own '#'
    return g_answer.c_str();
}

// The view's curves as shown, as CSV; "" for a view without curves.
EMSCRIPTEN_KEEPALIVE const char* ViewCsv(int view) {
    const std::optional<View> v = ViewAt(view);
    if (!v || Describe(*v).csv == nullptr) return "";
    const LessonStop shown = PageOf(*v).StopShown();
    g_answer = Describe(*v).csv(shown.settings, shown.step);
    return g_answer.c_str();
}

// Draws the view's frame of the step shown on a canvas of `width` x `height` pixels (a view of
// fixed geometry at its design size), for a screen of `devicePixelRatio` device pixels per
// pixel. Returns 1, or 0 when the frame was abandoned and no pixels are kept.
EMSCRIPTEN_KEEPALIVE int DrawViewFrame(int view, int width, int height, double devicePixelRatio) {
    const std::optional<View> v = ViewAt(view);
    if (!v) return 0;
    const ViewDescriptor& d = Describe(*v);
    const PageView& page = PageOf(*v);
    CanvasInputs canvas;
    canvas.step = page.Step();
    canvas.width = d.scalesWithCanvas ? std::max(width, 1) : d.design.width;
    canvas.height = d.scalesWithCanvas ? std::max(height, 1) : d.design.height;
    canvas.scale = PageScale(devicePixelRatio);
    canvas.palette = ClassChoices().palette;
    canvas.translation = ClassChoices().Language();
    const std::unique_ptr<RasterDc> dc = MakePageSurface(canvas.width, canvas.height, canvas.scale);
    g_frame = DrawView(page.Settings(), canvas, *dc);
    KeepFrame(*dc, g_frame.complete);
    return g_frame.complete ? 1 : 0;
}

// The readouts of the frame last drawn, each with its trace key, value, label and value as shown,
// and what a screen reader hears, in the class's language.
EMSCRIPTEN_KEEPALIVE const char* ViewFrameResult() {
    std::vector<Json> readouts;
    for (const Readout& r : g_frame.readouts)
        readouts.push_back(Json()
                               .String("key", r.key)
                               .String("value", r.value)
                               .String("label", r.label)
                               .String("shown", r.shown));
    return Json()
        .Objects("readouts", readouts)
        .String("description", g_frame.description)
        .Bool("complete", g_frame.complete)
        .Done(g_answer);
}

}  // extern "C"
