#pragma once
// A lesson: the stops a lecturer walks a class through, each a view with its settings, the step
// it opens at, whether it plays, and a caption. The built-in lesson, a teacher's own read from a
// file, the window's presentation mode, the page and the handout all walk the same stops.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "explorer/explorer_stepper.h"
#include "field/main_stepper.h"
#include "text/translation.h"
#include "views/view_table.h"

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

struct LessonStop {
    ViewSettings settings;  // the view and what it shows
    int step = 0;
    bool playing = false;
    LessonText caption;
    // Predict, then reveal: a question for the class, and the parts of the frame kept from it
    // until the lecturer reveals them. The caption, which may give the answer, is shown then.
    LessonText question{};
    Hidden hide{};
    View view() const { return ViewOf(settings); }
    friend bool operator==(const LessonStop&, const LessonStop&) = default;
};

struct Lesson {
    LessonText title;
    std::vector<LessonStop> stops;
};

// A stop that asks the class something first: a question, or parts hidden.
bool StopAsks(const LessonStop& stop);

// The names lesson files give the parts a stop may hide, and the flag each sets.
inline constexpr std::string_view kHideNames[] = {"readouts", "resultant", "curves"};
// The flag in `hidden` that `name` names; none for a name that is no part.
bool* HiddenPart(Hidden& hidden, std::string_view name);

// What a lesson file may hold.
constexpr int kMaxLessonStops = 200;
constexpr int kMaxLessonBytes = 1024 * 1024;
constexpr int kMaxCaptionCharacters = 500;

// The README's ten-minute lesson with a question on where the field points at 90°, then the
// explorer's reversed, open-phase and single-phase supplies, four poles in the windings view, the
// single-phase motor that cannot start and a question on which way it turns once pushed, the
// motor's dynamic start, the capacitor-start motor's ellipse at rest and its switch opening, and
// the synchronous machine's V-curve and its pull into step.
const Lesson& BuiltInLesson();

// The stop's view at `canvas.step` on `surface`: the parts it hides left out until `revealed`.
ViewResult DrawStopFrame(const LessonStop& stop, const CanvasInputs& canvas, CDC& surface,
                         bool revealed = false);

// How a view is presented in `width` x `height` pixels of a screen with `ratio` device pixels a
// pixel: the main window's frame keeps its geometry, enlarged by a whole or quarter factor to fit
// the height; a view that scales with its canvas fills the room. Palette and translation as given.
CanvasInputs PresentationInputs(View view, int step, int width, int height, double ratio);

// The caption line under a presented stop: its caption and "k / n", or, for one view presented
// alone, the frame's readouts. Until the stop is `revealed`, its question stands for the caption.
std::string CaptionLine(const LessonStop& stop, int index, int count, const ViewResult& frame,
                        Language language, const Translation* translation, bool revealed = false);
// The text of that line: the question while it is asked, else the caption (or the question, for a
// stop with no caption). Empty for a stop with neither.
const LessonText& StopText(const LessonStop& stop, bool revealed);

// The whole or quarter factor by which a picture `designHeight` high fills `available` pixels
// best without passing them; a quarter at least.
double FitScale(int designHeight, int available);

// Walks a lesson, or the steps of one view. In a lesson, next and previous go from stop to stop
// and each stop opens at its own step, playing or not; with one view alone they go from step to
// step by the view's own rules. Either way P plays, and B, "." and W blank the screen; on a blank
// screen the next or previous key only brings the picture back.
class LessonStepper {
  public:
    enum class Walk { Stops, Steps };
    enum class Blank { None, Black, White };

    LessonStepper(Lesson lesson, Walk walk);

    const Lesson& GetLesson() const { return m_lesson; }
    const LessonStop& Stop() const { return m_lesson.stops[m_index]; }
    int Index() const { return m_index; }
    int Count() const { return static_cast<int>(m_lesson.stops.size()); }
    int Step() const;
    bool Playing() const;
    Blank Blanked() const { return m_blank; }
    // Whether the stop shows what it hides: R reveals it until the stop changes.
    bool Revealed() const { return m_revealed; }

    void Next();
    void Previous();
    void Home();
    void PlayPause();
    // One step on while playing, by the view's own rule.
    void Tick();
    // The same key brings the picture back; the other colour replaces it.
    void Black() { m_blank = m_blank == Blank::Black ? Blank::None : Blank::Black; }
    void White() { m_blank = m_blank == Blank::White ? Blank::None : Blank::White; }
    void Reveal() { m_revealed = true; }

  private:
    void Open(int index);
    // Brings a blanked picture back; false when it was not blanked.
    bool Unblank();
    Lesson m_lesson;
    Walk m_walk;
    int m_index = 0;
    // The stop's steps, moved by its view's rules.
    std::variant<MainStepper, ExplorerStepper> m_steps;
    Blank m_blank = Blank::None;
    bool m_revealed = false;
};
