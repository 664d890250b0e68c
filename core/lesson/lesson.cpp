#include "lesson/lesson.h"

#include <algorithm>
#include <cmath>

std::string_view TextIn(const LessonText& text, Language language, const Translation* translation) {
    if (language == Language::Chinese) return text.zh;
    if (!text.en.empty()) return text.en;
    return Tr(translation, kLessonContext, text.zh);
}

namespace {

// A stop of the view named `view`, with the parameters given, as a lesson file gives them, read
// through the table of views like any other lesson's.
LessonStop Stop(std::string_view view, const std::vector<TextValue>& values, int step, bool playing,
                const char* caption) {
    return {SettingsFromTexts(FindView(view).value_or(View::Main), values, false).settings,
            step,
            playing,
            {caption, {}}};
}

LessonStop MainStop(int step, const char* caption, bool resultant = true, bool playing = false) {
    return Stop("main", {{"resultant", resultant ? "1" : "0"}}, step, playing, caption);
}

// The stop asked as a question first, with the parts that would answer it hidden.
LessonStop Asking(LessonStop stop, const char* question, Hidden hide) {
    stop.question = {question, {}};
    stop.hide = hide;
    return stop;
}

Lesson MakeBuiltInLesson() {
    Lesson lesson;
    lesson.title = {QT_TRANSLATE_NOOP("Lesson", "旋转磁场：十分钟课程"), {}};
    lesson.stops = {
        MainStop(0, QT_TRANSLATE_NOOP("Lesson",
                                      "0°：U 相电流最大（1.00），V、W 相各为 -0.50；"
                                      "所有的叉在下，点在上：磁场指向右方，沿 Bu+。")),
        MainStop(3, QT_TRANSLATE_NOOP("Lesson",
                                      "30°：V 相电流为零，它的叉和点变细；"
                                      "合成磁动势逆时针转过 30°，长度不变。")),
        MainStop(9, QT_TRANSLATE_NOOP("Lesson",
                                      "90°：U 相电流为零；V、W 的叉在右，点在左，"
                                      "磁场指向上方。")),
        MainStop(12, QT_TRANSLATE_NOOP("Lesson",
                                       "120°：V 相达到峰值，合成磁动势沿 Bv+："
                                       "处于峰值的那一相决定磁场的方向。")),
        MainStop(18, QT_TRANSLATE_NOOP("Lesson",
                                       "180°：U 相为 -1.00，叉在上，点在下；"
                                       "半个周期，磁场转了半圈。")),
        MainStop(36, QT_TRANSLATE_NOOP("Lesson",
                                       "360°：电流的一个周期使磁场转一圈；"
                                       "50 Hz 时每秒 50 圈，每分钟 3000 转。")),
        MainStop(0,
                 QT_TRANSLATE_NOOP("Lesson",
                                   "隐藏合成磁动势：请从叉和点找出磁场的方向，"
                                   "并自己把三个矢量相加。"),
                 false),
        MainStop(0, QT_TRANSLATE_NOOP("Lesson", "动画：合成磁动势一直逆时针旋转，长度保持不变。"),
                 true, true),
        Asking(MainStop(9, QT_TRANSLATE_NOOP("Lesson",
                                             "答：指向上方。U 相电流为零，V 相为 +0.87，W 相为 "
                                             "−0.87：合成磁动势逆时针转过了 90°，"
                                             "长度仍是一相峰值的 1.5 倍。")),
               QT_TRANSLATE_NOOP("Lesson", "90° 时磁场指向哪里？"), {.resultant = true}),
        Stop("explorer", {{"preset", "reversed"}}, 0, true,
             QT_TRANSLATE_NOOP("Lesson",
                               "反相序：交换两根电源线，磁场顺时针旋转，"
                               "电动机反转。")),
        Stop("explorer", {{"preset", "open-u"}}, 3, false,
             QT_TRANSLATE_NOOP("Lesson",
                               "断U相：磁场只沿一条直线脉振；F+ 与 F− "
                               "各为一半，反向旋转，静止的电动机没有起动转矩。")),
        Stop("explorer", {{"preset", "single-phase"}}, 3, false,
             QT_TRANSLATE_NOOP("Lesson",
                               "单相：同样是脉振磁场，"
                               "所以单相电动机需要帮助才能起动。")),
        Stop("winding", {{"preset", "4-pole-full"}}, 0, true,
             QT_TRANSLATE_NOOP("Lesson",
                               "4 极，36 槽：一个电流周期磁场只转半圈，"
                               "50 Hz 时每分钟 1500 转。")),
        Stop("motor", {{"preset", "single-phase"}, {"time", "1"}}, 0, true,
             QT_TRANSLATE_NOOP("Lesson",
                               "单相电动机：静止时正转与反转转矩相抵，它堵转；"
                               "推它一下，它才会起动。")),
        Asking(
            Stop("motor", {{"preset", "single-phase"}, {"initial-speed", "-150"}, {"time", "10"}},
                 0, false,
                 QT_TRANSLATE_NOOP("Lesson",
                                   "答：向后转。推过之后正转与反转转矩不再相抵，"
                                   "往哪边推它就往哪边加速，10 s 后以约 1499 rpm 反转："
                                   "单相电动机没有自己的转向。")),
            QT_TRANSLATE_NOOP("Lesson", "向后推一下，单相电动机会朝哪边转？"),
            {.readouts = true, .curves = true}),
        Stop("motor", {{"time", "0.03"}, {"dynamic", "1"}, {"zoom", "1"}}, 0, false,
             QT_TRANSLATE_NOOP("Lesson",
                               "动态起动，合闸后 30 ms：电流峰值 40.1 A，高于堵转电流的峰值 37 A；"
                               "转矩在 66.9 与 −8.7 N·m 之间摆动，"
                               "摆动大致围绕稳态曲线在此的 27.4 N·m，并逐渐衰减到它上面。")),
        Stop("motor", {{"page", "circuit"}, {"speed", "1440"}}, 0, false,
             QT_TRANSLATE_NOOP("Lesson",
                               "电路与功率：1440 r/min 时输入 2485 W，定子铜损 246 W，"
                               "转子铜损 90 W，轴上得到 2150 W：效率 86.5%，功率因数 0.762。")),
        Stop("capacitor-motor", {{"kind", "capacitor-start"}, {"speed", "0"}}, 0, true,
             QT_TRANSLATE_NOOP("Lesson",
                               "电容起动式，静止时：起动电容使 Ia 超前 Im 90.1°，"
                               "但两个绕组的磁动势不等，合成磁动势沿椭圆旋转（|Ib|/|If| = 0.280）；"
                               "起动转矩 19.80 N·m，线电流 31.22 A。")),
        Stop("capacitor-motor", {{"time", "0.5"}, {"load", "2"}, {"inertia", "0.1"}}, 0, false,
             QT_TRANSLATE_NOOP("Lesson",
                               "离心开关断开：转速升过 1125 rpm，辅绕组连同电容被切除；"
                               "转矩从 26.7 N·m 跳到 13.1 N·m，线电流从 31.0 A 降到 19.3 A，"
                               "电动机只靠主绕组继续加速。")),
        Stop("synchronous", {{"field-current", "3"}, {"power", "5"}}, 0, false,
             QT_TRANSLATE_NOOP("Lesson",
                               "V 形曲线：功率 5 kW 不变，励磁电流从 2.14 A 增大到 3 A，"
                               "电流从 7.22 A 增大到 11.31 A，功率因数变为超前："
                               "过励的同步电机向电网送出无功功率，可以补偿功率因数。")),
        Stop("synchronous", {{"time", "6"}, {"field-on", "1300"}, {"load", "10"}}, 0, true,
             QT_TRANSLATE_NOOP("Lesson",
                               "牵入同步：阻尼绕组像异步电动机那样把转子带到接近 1500 rpm；"
                               "1300 rpm 时接通励磁，δ 摆动几次，稳定在负载的功角 6.8°。")),
    };
    return lesson;
}

}  // namespace

const Lesson& BuiltInLesson() {
    static const Lesson lesson = MakeBuiltInLesson();
    return lesson;
}

bool StopAsks(const LessonStop& stop) { return !stop.question.zh.empty() || stop.hide.Any(); }

bool* HiddenPart(Hidden& hidden, std::string_view name) {
    if (name == kHideNames[0]) return &hidden.readouts;
    if (name == kHideNames[1]) return &hidden.resultant;
    if (name == kHideNames[2]) return &hidden.curves;
    return nullptr;
}

ViewResult DrawStopFrame(const LessonStop& stop, const CanvasInputs& canvas, CDC& surface,
                         bool revealed) {
    CanvasInputs in = canvas;
    if (!revealed) in.hidden = stop.hide;
    return DrawView(stop.settings, in, surface);
}

CanvasInputs PresentationInputs(View view, int step, int width, int height, double ratio) {
    CanvasInputs in;
    in.step = step;
    if (!Describe(view).scalesWithCanvas) {
        const CanvasSize design = Describe(view).design;
        in.width = design.width;
        in.height = design.height;
        in.scale = FitScale(design.height, static_cast<int>(height * ratio));
    } else {
        in.width = std::max(width, 64);
        in.height = std::max(height, 64);
        in.scale = ratio;
    }
    return in;
}

const LessonText& StopText(const LessonStop& stop, bool revealed) {
    if (stop.question.zh.empty()) return stop.caption;
    return revealed && !stop.caption.zh.empty() ? stop.caption : stop.question;
}

std::string CaptionLine(const LessonStop& stop, int index, int count, const ViewResult& frame,
                        Language language, const Translation* translation, bool revealed) {
    std::string line;
    const LessonText& text = StopText(stop, revealed);
    if (!text.zh.empty()) {
        line = std::string(TextIn(text, language, translation)) + "   " +
               std::to_string(index + 1) + " / " + std::to_string(count);
    } else {
        for (const Readout& r : frame.readouts)
            if (!r.label.empty()) line += (line.empty() ? "" : "   ") + r.label + " " + r.shown;
    }
    return line;
}

double FitScale(int designHeight, int available) {
    const double quarters = std::floor(4.0 * available / designHeight);
    return std::max(quarters, 1.0) / 4;
}

LessonStepper::LessonStepper(Lesson lesson, Walk walk) : m_lesson(std::move(lesson)), m_walk(walk) {
    // Always a stop to show: an empty lesson shows the main window at step 0.
    if (m_lesson.stops.empty()) m_lesson.stops.emplace_back();
    Open(0);
}

namespace {

// Both steppers' moves, whichever the stop's view takes.
template <class Action>
void Move(std::variant<MainStepper, ExplorerStepper>& steps, Action action) {
    std::visit(action, steps);
}

}  // namespace

void LessonStepper::Open(int index) {
    m_index = index;
    m_revealed = false;
    const LessonStop& stop = Stop();
    if (Describe(stop.view()).rule == StepRule::Main) {
        m_steps = MainStepper(stop.step, stop.playing);
    } else {
        ExplorerStepper steps;
        steps.Seek(stop.step);
        if (stop.playing) steps.PlayPause();
        m_steps = steps;
    }
}

int LessonStepper::Step() const {
    return std::visit([](const auto& s) { return s.Step(); }, m_steps);
}

bool LessonStepper::Playing() const {
    return std::visit([](const auto& s) { return s.Playing(); }, m_steps);
}

void LessonStepper::PlayPause() {
    Move(m_steps, [](auto& s) { s.PlayPause(); });
}

// On a blanked screen a step key only brings the picture back, as presentation programs do: the
// class sees the stop it left before the lecturer moves on.
bool LessonStepper::Unblank() {
    if (m_blank == Blank::None) return false;
    m_blank = Blank::None;
    return true;
}

void LessonStepper::Next() {
    if (Unblank()) return;
    if (m_walk == Walk::Stops) {
        if (m_index + 1 < Count()) Open(m_index + 1);
        return;
    }
    Move(m_steps, [](auto& s) { s.Next(); });
}

void LessonStepper::Previous() {
    if (Unblank()) return;
    if (m_walk == Walk::Stops) {
        if (m_index > 0) Open(m_index - 1);
        return;
    }
    Move(m_steps, [](auto& s) { s.Previous(); });
}

void LessonStepper::Home() {
    m_blank = Blank::None;
    if (m_walk == Walk::Stops)
        Open(0);
    else
        Move(m_steps, [](auto& s) { s.Reset(); });  // a running animation keeps running
}

void LessonStepper::Tick() {
    Move(m_steps, [](auto& s) { s.Tick(); });
}
