#include "lesson/lesson.h"

#include <algorithm>
#include <cmath>

#include "explorer/explorer_frame.h"
#include "field/frame.h"
#include "motor/motor_frame.h"
#include "motor/motor_layers.h"
#include "winding/winding_frame.h"

std::string_view ViewName(LessonView view) {
    switch (view) {
        case LessonView::Explorer:
            return "explorer";
        case LessonView::Winding:
            return "winding";
        case LessonView::Motor:
            return "motor";
        case LessonView::Main:
            break;
    }
    return "main";
}

std::optional<LessonView> FindView(std::string_view name) {
    for (const LessonView view : kLessonViews)
        if (ViewName(view) == name) return view;
    return std::nullopt;
}

int LastStepOf(LessonView view) { return view == LessonView::Main ? MAX_STEP : kExplorerSteps - 1; }

CanvasSize DesignSize(LessonView view) {
    switch (view) {
        case LessonView::Explorer:
            return {kExplorerWidth, kExplorerHeight};
        case LessonView::Winding:
            return {kWindingWidth, kWindingHeight};
        case LessonView::Motor:
            return {kMotorWidth, kMotorHeight};
        case LessonView::Main:
            break;
    }
    return {kCanvasWidth, kCanvasHeight};
}

std::string_view TextIn(const LessonText& text, Language language, const Translation* translation) {
    if (language == Language::Chinese) return text.zh;
    if (!text.en.empty()) return text.en;
    return Tr(translation, kLessonContext, text.zh);
}

namespace {

LessonStop MainStop(int step, const char* caption, bool resultant = true, bool playing = false) {
    return {LessonView::Main, step, playing, resultant, Supply{}, {caption, {}}, {}, {}};
}

LessonStop ExplorerStop(Preset preset, int step, bool playing, const char* caption) {
    return {LessonView::Explorer, step, playing, true, PresetSupply(preset), {caption, {}}, {}, {}};
}

LessonStop WindingStop(WindingPreset preset, bool playing, const char* caption) {
    LessonStop stop;
    stop.view = LessonView::Winding;
    stop.playing = playing;
    stop.winding.winding = PresetWinding(preset);
    stop.caption = {caption, {}};
    return stop;
}

// A start-up `time` seconds from rest.
LessonStop MotorStop(Preset preset, double time, bool playing, const char* caption) {
    LessonStop stop;
    stop.view = LessonView::Motor;
    stop.playing = playing;
    stop.supply = PresetSupply(preset);
    stop.motor.time = time;
    stop.caption = {caption, {}};
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
        ExplorerStop(Preset::Reversed, 0, true,
                     QT_TRANSLATE_NOOP("Lesson",
                                       "反相序：交换两根电源线，磁场顺时针旋转，"
                                       "电动机反转。")),
        ExplorerStop(Preset::OpenU, 3, false,
                     QT_TRANSLATE_NOOP("Lesson",
                                       "断U相：磁场只沿一条直线脉振；F+ 与 F− "
                                       "各为一半，反向旋转，静止的电动机没有起动转矩。")),
        ExplorerStop(Preset::SinglePhase, 3, false,
                     QT_TRANSLATE_NOOP("Lesson",
                                       "单相：同样是脉振磁场，"
                                       "所以单相电动机需要帮助才能起动。")),
        WindingStop(WindingPreset::FourPoleFull, true,
                    QT_TRANSLATE_NOOP("Lesson",
                                      "4 极，36 槽：一个电流周期磁场只转半圈，"
                                      "50 Hz 时每分钟 1500 转。")),
        MotorStop(Preset::SinglePhase, 1.0, true,
                  QT_TRANSLATE_NOOP("Lesson",
                                    "单相电动机：静止时正转与反转转矩相抵，它堵转；"
                                    "推它一下，它才会起动。")),
    };
    return lesson;
}

std::string_view RotationText(Rotation rotation, const Translation* translation) {
    switch (rotation) {
        case Rotation::CounterClockwise:
            return Tr(translation, kLessonContext, QT_TRANSLATE_NOOP("Lesson", "逆时针"));
        case Rotation::Clockwise:
            return Tr(translation, kLessonContext, QT_TRANSLATE_NOOP("Lesson", "顺时针"));
        case Rotation::Pulsating:
            return Tr(translation, kLessonContext, QT_TRANSLATE_NOOP("Lesson", "脉振"));
        case Rotation::None:
            break;
    }
    return Tr(translation, kLessonContext, QT_TRANSLATE_NOOP("Lesson", "无"));
}

}  // namespace

MotorInputs MotorInputsOf(const LessonStop& stop, const StopInputs& in) {
    MotorInputs m;
    m.supply = stop.supply;
    m.load = stop.motor.load;
    m.inertia = stop.motor.inertia;
    m.speed = stop.motor.speed;
    m.time = stop.motor.time;
    m.initialSpeed = stop.motor.initialSpeed;
    m.step = in.step;
    m.width = in.width;
    m.height = in.height;
    m.scale = in.scale;
    m.palette = in.palette;
    m.translation = in.translation;
    return m;
}

const Lesson& BuiltInLesson() {
    static const Lesson lesson = MakeBuiltInLesson();
    return lesson;
}

StopFrame DrawStopFrame(const LessonStop& stop, const StopInputs& in, CDC& surface) {
    const Translation* t = in.translation;
    const auto label = [t](std::string_view source) { return Tr(t, kLessonContext, source); };
    StopFrame frame;
    if (stop.view == LessonView::Winding) {
        const WindingSettings& w = stop.winding;
        const WindingResult r =
            DrawWindingFrame({w.winding, in.step, w.sequence, w.frequency, w.fluxLines, in.width,
                              in.height, in.scale, in.palette, t},
                             surface);
        const WindingReadouts& o = r.readouts;
        // The labels the view's own readouts pane has.
        const auto windings = [t](const char* source) { return Tr(t, "Windings", source); };
        frame.readouts = {{windings("电角度 θ"), o.angle},
                          {windings("槽数 Q"), o.slotCount},
                          {"kw1", o.kw1},
                          {"kw5", o.kw5},
                          {"kw7", o.kw7},
                          {"THD", o.thd + " %"},
                          {windings("同步转速 ns"), o.speed + " " + std::string(windings("r/min"))},
                          {windings("磁场机械角 θ/p"), o.fieldAngle + "°"}};
        frame.complete = r.complete;
        return frame;
    }
    if (stop.view == LessonView::Motor) {
        const MotorResult r = DrawMotorFrame(MotorInputsOf(stop, in), surface);
        const MotorReadouts& o = r.readouts;
        // The labels the view's own readouts pane has.
        const auto motor = [t](const char* source) { return Tr(t, "Motor", source); };
        const std::string unit = " " + std::string(SpeedUnit(t));
        frame.readouts = {{motor("转速 n"), o.speed + unit},
                          {motor("转差率 s（对正向磁场）"), o.slip},
                          {motor("转矩 T"), o.torque + " N·m"},
                          {motor("正转转矩 T+"), o.forward + " N·m"},
                          {motor("反转转矩 T−"), o.backward + " N·m"},
                          {motor("电流 IU"), o.u + " A"},
                          {motor("电流 IV"), o.v + " A"},
                          {motor("电流 IW"), o.w + " A"},
                          {motor("电流倍数 I/IN"), o.currentRatio},
                          {motor("状态"), MotorStateLine(t, o)}};
        frame.complete = r.complete;
        return frame;
    }
    if (stop.view == LessonView::Explorer) {
        const ExplorerResult r = DrawExplorerFrame(
            {stop.supply, in.step, in.width, in.height, in.scale, in.palette, t}, surface);
        const ExplorerReadouts& o = r.readouts;
        frame.readouts = {{label(QT_TRANSLATE_NOOP("Lesson", "相位角 θ")), o.angle},
                          {"iU", o.u},
                          {"iV", o.v},
                          {"iW", o.w},
                          {"|F|", o.resultant},
                          {"|F+|", o.positive},
                          {"|F−|", o.negative},
                          {"|F−|/|F+|", o.unbalance},
                          {label(QT_TRANSLATE_NOOP("Lesson", "旋转方向")),
                           std::string(RotationText(o.rotation, t))}};
        frame.complete = r.complete;
        return frame;
    }
    const FrameResult r = DrawFrame(
        {in.step, in.width, in.height, stop.showResultant, in.scale, in.palette, t}, surface);
    frame.readouts = {{label(QT_TRANSLATE_NOOP("Lesson", "相位角(U相)")), r.readouts.phaseAngle},
                      {label(QT_TRANSLATE_NOOP("Lesson", "U相相对幅值")), r.readouts.ampU},
                      {label(QT_TRANSLATE_NOOP("Lesson", "V相相对幅值")), r.readouts.ampV},
                      {label(QT_TRANSLATE_NOOP("Lesson", "W相相对幅值")), r.readouts.ampW}};
    frame.complete = r.complete;
    return frame;
}

std::string TraceStopFrame(const LessonStop& stop, const StopInputs& in) {
    if (stop.view == LessonView::Winding) {
        const WindingSettings& w = stop.winding;
        return TraceWindingFrame({w.winding, in.step, w.sequence, w.frequency, w.fluxLines,
                                  in.width, in.height, in.scale, in.palette, in.translation});
    }
    if (stop.view == LessonView::Motor) return TraceMotorFrame(MotorInputsOf(stop, in));
    if (stop.view == LessonView::Explorer)
        return TraceExplorerFrame(
            {stop.supply, in.step, in.width, in.height, in.scale, in.palette, in.translation});
    return TraceFrame(
        {in.step, in.width, in.height, stop.showResultant, in.scale, in.palette, in.translation});
}

StopInputs PresentationInputs(LessonView view, int step, int width, int height, double ratio) {
    StopInputs in;
    in.step = step;
    if (view == LessonView::Main) {
        const CanvasSize design = DesignSize(view);
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

std::string CaptionLine(const LessonStop& stop, int index, int count, const StopFrame& frame,
                        Language language, const Translation* translation) {
    std::string line;
    if (!stop.caption.zh.empty()) {
        line = std::string(TextIn(stop.caption, language, translation)) + "   " +
               std::to_string(index + 1) + " / " + std::to_string(count);
    } else {
        for (const StopReadout& r : frame.readouts)
            line += (line.empty() ? "" : "   ") + std::string(r.label) + " " + r.value;
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

void LessonStepper::Open(int index) {
    m_index = index;
    m_step = Stop().step;
    m_playing = Stop().playing;
}

// Moving on shows the picture again, as a clicker's next key does on a blanked slide.
void LessonStepper::Next() {
    m_blank = Blank::None;
    if (m_walk == Walk::Stops) {
        if (m_index + 1 < Count()) Open(m_index + 1);
        return;
    }
    // Stepping by hand stops the animation, as the windows' own buttons do.
    m_playing = false;
    m_step = m_step >= LastStepOf(Stop().view) ? 0 : m_step + 1;
}

void LessonStepper::Previous() {
    m_blank = Blank::None;
    if (m_walk == Walk::Stops) {
        if (m_index > 0) Open(m_index - 1);
        return;
    }
    m_playing = false;
    // The main window stays at 0; the other views' period wraps round.
    if (Stop().view != LessonView::Main)
        m_step = m_step == 0 ? LastStepOf(Stop().view) : m_step - 1;
    else if (m_step > 0)
        --m_step;
}

void LessonStepper::Home() {
    m_blank = Blank::None;
    if (m_walk == Walk::Stops)
        Open(0);
    else
        m_step = 0;  // a running animation keeps running, as after Reset
}

void LessonStepper::Tick() {
    if (m_playing) m_step = m_step >= LastStepOf(Stop().view) ? 0 : m_step + 1;
}
