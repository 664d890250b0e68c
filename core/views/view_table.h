#pragma once
// The table of views: each view described once, by its name, title, steps, parameters and the
// function that draws it. vesk-render's options and --help, the lesson files, the windows' controls
// and the page's controls and address all read it; nothing below it knows one view from another.
// A new view adds its folder with its settings and descriptor, and one row here.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "draw/surface.h"
#include "views/view.h"
#include "views/view_params.h"
#include "views/view_settings.h"

// How the view's steps move: the main window's (0 to 72, Previous stops at 0) or round one
// period of 36 both ways.
enum class StepRule { Main, Cycle };

struct SettingsResult {
    ViewSettings settings;
    std::string error;       // empty when the settings are good
    std::string_view blame;  // the parameter the error is about, if one is
};

struct ViewDescriptor {
    View view;
    std::string_view name;                      // --view NAME, "view": "NAME", #view=NAME
    std::span<const std::string_view> aliases;  // other spellings taken for the name
    std::string_view flag;                      // vesk's option that opens the view alone, or ""
    std::span<const std::string_view> flagAliases;
    std::string_view titleContext;  // the window's title, as the catalogue has it
    std::string_view title;
    std::string_view help;  // vesk-render --help's heading for the view
    int lastStep;
    StepRule rule;
    CanvasSize design;      // the size the picture is designed at
    bool scalesWithCanvas;  // false: its geometry is fixed, as the main window's
    std::span<const ParamSpec> params;
    // The settings from the values given (each accepted by its spec): a preset first, then the
    // rest in its place; or the one line why they do not make a picture.
    SettingsResult (*build)(const ParamValues& given);
    ViewResult (*draw)(const ViewSettings& settings, const CanvasInputs& canvas, CDC& surface);
    // The settings as the values that `build` turns back into them, those at their defaults
    // left out: what an address writes. None: the view's address names only the view and step.
    ParamValues (*values)(const ViewSettings& settings) = nullptr;
    // The view's curves as CSV (views/view_csv.h), the model's numbers at the step; none for a
    // view without curves.
    std::string (*csv)(const ViewSettings& settings, int step) = nullptr;
};

std::span<const ViewDescriptor> Views();
const ViewDescriptor& Describe(View view);
// By its name or one of its aliases.
std::optional<View> FindView(std::string_view name);
const ParamSpec* FindParam(const ViewDescriptor& view, std::string_view name);
// "main, explorer, winding or motor".
std::string ViewNames();

// The view's settings with nothing given.
ViewSettings DefaultSettings(View view);

// Values as a command line or an address writes them, in order. Each is checked by its spec;
// with `lenient`, as an address is read, a value refused is left out (its setting keeps its
// default) and reported in `problems`, otherwise the first refusal is the result's error. A name
// that is no parameter of the view is the caller's to judge.
struct TextValue {
    std::string_view name;
    std::string text;
};
SettingsResult SettingsFromTexts(View view, const std::vector<TextValue>& given, bool lenient,
                                 std::vector<std::string>* problems = nullptr);
// The same for values already typed, as a lesson file gives them; `shown` gives each as the
// reader saw it, for the message.
SettingsResult SettingsFromValues(View view, const ParamValues& given,
                                  const std::vector<std::string>& shown);

// The frame of `settings` on `surface`.
ViewResult DrawView(const ViewSettings& settings, const CanvasInputs& canvas, CDC& surface);
// The frame as text: the readout lines, then one line per drawing call.
std::string TraceView(const ViewSettings& settings, const CanvasInputs& canvas);
// The canvas a view is drawn on when nothing else is asked: its design size.
CanvasInputs DesignCanvas(View view, int step = 0);

// The page's address of a view's state, "#view=NAME&step=K&PARAM=VALUE...", each parameter that
// is not at its default written as the page reads it back: SettingsFromAddress gives the same
// settings and step. What no parameter holds (a window's own turn of a rotor) is left out.
std::string AddressOf(const ViewSettings& settings, int step);
// An address read as the page reads it: after its '#', percent-decoded, "view" (an unknown one is
// the main window), "step" and the view's parameters, a value refused left at its default and
// said in `problems`; other keys (lang, palette, lesson) are the page's and passed over.
struct AddressRead {
    ViewSettings settings;
    int step = 0;
    std::vector<std::string> problems;
};
AddressRead SettingsFromAddress(std::string_view address);

// The table as JSON, for the page: each view's name, steps, and parameters with their kinds,
// ranges, choices, defaults and units.
std::string ViewTableJson();
