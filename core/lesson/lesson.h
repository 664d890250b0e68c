#pragma once
// A lesson: the stops a lecturer walks a class through, each a view with its settings, the step
// it opens at, whether it plays, and a caption. The built-in lesson, a teacher's own read from a
// file, the window's presentation mode, the page and the handout all walk the same stops.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/surface.h"
#include "explorer/explorer_model.h"
#include "motor/motor_model.h"
#include "text/palette.h"
#include "text/translation.h"
#include "winding/winding_model.h"

// The views a stop can show. A new view adds itself here, in ViewName, LastStepOf, DesignSize
// and DrawStopFrame.
enum class LessonView { Main, Explorer, Winding, Motor };
inline constexpr LessonView kLessonViews[] = {LessonView::Main, LessonView::Explorer,
                                              LessonView::Winding, LessonView::Motor};

// "main", "explorer", "winding" or "motor", as lesson files and vesk-render name them.
std::string_view ViewName(LessonView view);
std::optional<LessonView> FindView(std::string_view name);
// The last step of the view: 72 for the main window's two periods, 35 for the others' one.
int LastStepOf(LessonView view);

struct CanvasSize {
    int width;
    int height;
};
// The size the view's picture is designed at.
CanvasSize DesignSize(LessonView view);

// A text in both languages. The built-in lesson writes only the Chinese and finds the English in
// the catalogue; a lesson file may give both, or one text for both.
struct LessonText {
    std::string zh;
    std::string en;  // empty: the catalogue's translation of zh, else zh itself
    friend bool operator==(const LessonText&, const LessonText&) = default;
};

// The context of the built-in lesson's texts in the catalogue.
inline constexpr std::string_view kLessonContext = "Lesson";

// The text to show in `language`; `translation` is the catalogue of that language.
std::string_view TextIn(const LessonText& text, Language language, const Translation* translation);

// The windings view's settings.
struct WindingSettings {
    Winding winding;
    Sequence sequence = Sequence::Positive;
    double frequency = kDefaultFrequency;
    bool fluxLines = true;
    friend bool operator==(const WindingSettings&, const WindingSettings&) = default;
};

// The motor's, beside its supply: the steady state at `speed`, or without it the start-up
// `time` seconds from `initialSpeed`.
struct MotorSettings {
    double load = 0.0;
    double inertia = motor::kDefaultInertia;
    std::optional<double> speed;
    double time = 0.0;
    double initialSpeed = 0.0;
    friend bool operator==(const MotorSettings&, const MotorSettings&) = default;
};

struct LessonStop {
    LessonView view = LessonView::Main;
    int step = 0;
    bool playing = false;
    bool showResultant = true;  // the main window's
    Supply supply;              // the explorer's and the motor's
    LessonText caption;
    WindingSettings winding;
    MotorSettings motor;
    friend bool operator==(const LessonStop&, const LessonStop&) = default;
};

struct Lesson {
    LessonText title;
    std::vector<LessonStop> stops;
};

// What a lesson file may hold.
constexpr int kMaxLessonStops = 200;
constexpr int kMaxLessonBytes = 1024 * 1024;
constexpr int kMaxCaptionCharacters = 500;

// The README's ten-minute lesson, then the explorer's reversed, open-phase and single-phase
// supplies, four poles in the windings view, and the single-phase motor that cannot start.
const Lesson& BuiltInLesson();

// One stop's picture at `step`, on a canvas of any size.
struct StopInputs {
    int step = 0;
    int width = 0;
    int height = 0;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
};

struct StopReadout {
    std::string_view label;  // in the frame's language
    std::string value;
};

struct StopFrame {
    std::vector<StopReadout> readouts;
    bool complete = true;
};

// Draws the stop's view at `inputs.step` and returns its readouts, labelled.
StopFrame DrawStopFrame(const LessonStop& stop, const StopInputs& inputs, CDC& surface);
// The motor's frame inputs for the stop at `inputs.step`.
struct MotorInputs;
MotorInputs MotorInputsOf(const LessonStop& stop, const StopInputs& inputs);
// The stop's frame as its view traces it: the view's readout lines, then the drawing calls.
std::string TraceStopFrame(const LessonStop& stop, const StopInputs& inputs);

// How a view is presented in `width` x `height` pixels of a screen with `ratio` device pixels a
// pixel: the main window's frame keeps its geometry, enlarged by a whole or quarter factor to fit
// the height; a view that scales with its canvas fills the room. Palette and translation as given.
StopInputs PresentationInputs(LessonView view, int step, int width, int height, double ratio);

// The caption line under a presented stop: its caption and "k / n", or, for one view presented
// alone, the frame's readouts.
std::string CaptionLine(const LessonStop& stop, int index, int count, const StopFrame& frame,
                        Language language, const Translation* translation);

// The whole or quarter factor by which a picture `designHeight` high fills `available` pixels
// best without passing them; a quarter at least.
double FitScale(int designHeight, int available);

// Walks a lesson, or the steps of one view. In a lesson, next and previous go from stop to stop
// and each stop opens at its own step, playing or not; with one view alone they go from step to
// step by the view's own rules. Either way P plays, and B, "." and W blank the screen.
class LessonStepper {
  public:
    enum class Walk { Stops, Steps };
    enum class Blank { None, Black, White };

    LessonStepper(Lesson lesson, Walk walk);

    const Lesson& GetLesson() const { return m_lesson; }
    const LessonStop& Stop() const { return m_lesson.stops[m_index]; }
    int Index() const { return m_index; }
    int Count() const { return static_cast<int>(m_lesson.stops.size()); }
    int Step() const { return m_step; }
    bool Playing() const { return m_playing; }
    Blank Blanked() const { return m_blank; }

    void Next();
    void Previous();
    void Home();
    void PlayPause() { m_playing = !m_playing; }
    // One step on while playing, round the view's period.
    void Tick();
    // The same key brings the picture back; the other colour replaces it.
    void Black() { m_blank = m_blank == Blank::Black ? Blank::None : Blank::Black; }
    void White() { m_blank = m_blank == Blank::White ? Blank::None : Blank::White; }

  private:
    void Open(int index);
    Lesson m_lesson;
    Walk m_walk;
    int m_index = 0;
    int m_step = 0;
    bool m_playing = false;
    Blank m_blank = Blank::None;
};
