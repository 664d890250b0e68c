#include "lesson_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

// A problem with the file; thrown from deep in a stop and caught once, where it becomes the line.
struct Mistake {
    std::string text;
};

[[noreturn]] void Fail(std::string text) { throw Mistake{std::move(text)}; }

std::string Quoted(const QString& s) { return "\"" + s.toStdString() + "\""; }

std::string Field(const char* name) { return std::string("field \"") + name + "\""; }

// A text in one language or both: "..." or {"zh": "...", "en": "..."}.
LessonText ReadText(const QJsonValue& value, const char* name) {
    const std::string shape =
        Field(name) + " must be a text, or {\"zh\": \"...\", \"en\": \"...\"}";
    QString zh, en;
    if (value.isString()) {
        zh = value.toString();
    } else if (value.isObject()) {
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            if ((it.key() != "zh" && it.key() != "en") || !it.value().isString()) Fail(shape);
        zh = o.value("zh").toString();
        en = o.value("en").toString();
        if (zh.isEmpty()) zh = en;
    } else {
        Fail(shape);
    }
    if (zh.trimmed().isEmpty()) Fail(Field(name) + " is empty");
    for (const QString& s : {zh, en}) {
        // Characters as a reader counts them, not UTF-16 units.
        const auto count = s.toUcs4().size();
        if (count > kMaxCaptionCharacters)
            Fail(Field(name) + " has " + std::to_string(count) + " characters; at most " +
                 std::to_string(kMaxCaptionCharacters));
    }
    return {zh.toStdString(), en == zh ? std::string() : en.toStdString()};
}

bool ReadBool(const QJsonValue& value, const char* name) {
    if (!value.isBool()) Fail(Field(name) + " must be true or false");
    return value.toBool();
}

std::array<double, 3> ReadTriple(const QJsonValue& value, const char* name, double low, double high,
                                 const char* example) {
    const QJsonArray a = value.toArray();
    std::array<double, 3> out{};
    bool ok = value.isArray() && a.size() == 3;
    for (int i = 0; ok && i < 3; ++i) {
        out[i] = a[i].toDouble();
        ok = a[i].isDouble() && out[i] >= low && out[i] <= high;
    }
    if (!ok) {
        char range[48];
        std::snprintf(range, sizeof range, "%g to %g", low, high);
        Fail(Field(name) + " must be three numbers from " + range + ", such as " + example);
    }
    return out;
}

// The fields of each view's stops; a new view adds its row.
struct ViewFields {
    LessonView view;
    QStringList fields;
};
const ViewFields kFields[] = {
    {LessonView::Main, {"view", "step", "play", "caption", "resultant"}},
    {LessonView::Explorer,
     {"view", "step", "play", "caption", "preset", "amplitudes", "offsets", "sequence", "open",
      "neutral"}},
    {LessonView::Winding,
     {"view", "step", "play", "caption", "preset", "poles", "slots", "layers", "pitch", "frequency",
      "sequence", "flux"}},
    {LessonView::Motor,
     {"view", "step", "play", "caption", "preset", "amplitudes", "offsets", "sequence", "open",
      "neutral", "load", "inertia", "speed", "time", "initial-speed"}},
};

const QStringList& FieldsOf(LessonView view) {
    for (const ViewFields& v : kFields)
        if (v.view == view) return v.fields;
    return kFields[0].fields;
}

// Every name of a view, for messages: "main, explorer".
std::string ViewNames() {
    std::string names;
    for (const ViewFields& v : kFields)
        names += (names.empty() ? "" : ", ") + std::string(ViewName(v.view));
    return names;
}

Sequence ReadSequence(const QJsonValue& value) {
    const QString v = value.toString();
    if (v != "positive" && v != "negative")
        Fail("sequence " + Quoted(v) + " is not one of positive, negative");
    return v == "negative" ? Sequence::Negative : Sequence::Positive;
}

Supply ReadSupply(const QJsonObject& stop) {
    std::optional<Preset> preset;
    if (stop.contains("preset")) {
        const QString name = stop.value("preset").toString();
        preset = FindPreset(name.toStdString());
        if (!preset) {
            std::string names;
            for (const Preset p : kPresets)
                names += (names.empty() ? "" : ", ") + std::string(PresetName(p));
            Fail("preset " + (stop.value("preset").isString() ? Quoted(name) : "field") +
                 " is not one of " + names);
        }
    }
    Supply s = preset ? PresetSupply(*preset) : Supply{};
    if (stop.contains("amplitudes"))
        s.amplitude =
            ReadTriple(stop.value("amplitudes"), "amplitudes", 0, kMaxAmplitude, "[1, 0.4, 0.7]");
    if (stop.contains("offsets"))
        s.offset =
            ReadTriple(stop.value("offsets"), "offsets", -kMaxOffset, kMaxOffset, "[0, -30, 30]");
    if (stop.contains("sequence")) s.sequence = ReadSequence(stop.value("sequence"));
    if (stop.contains("open")) {
        const int phase = QStringList{"U", "V", "W"}.indexOf(stop.value("open").toString());
        if (phase < 0)
            Fail("open " + Quoted(stop.value("open").toString()) + " is not one of U, V, W");
        if (s.singlePhase) Fail(Field("open") + " cannot be used with preset \"single-phase\"");
        s.openPhase = phase;
    }
    if (stop.contains("neutral")) {
        s.neutral = ReadBool(stop.value("neutral"), "neutral");
        if (s.neutral && s.openPhase == kNoPhase)
            Fail(Field("neutral") + " needs an open phase: add \"open\": \"U\", \"V\" or \"W\"");
    }
    return s;
}

// A number from `low` to `high`, as vesk-render's option of the same name takes it.
double ReadNumber(const QJsonValue& value, const char* name, double low, double high,
                  const char* unit) {
    if (!value.isDouble() || value.toDouble() < low || value.toDouble() > high) {
        char range[48];
        std::snprintf(range, sizeof range, "%g to %g", low, high);
        Fail(Field(name) + " must be a number from " + range + unit);
    }
    return value.toDouble();
}

std::optional<int> ReadWhole(const QJsonObject& stop, const char* name) {
    if (!stop.contains(name)) return std::nullopt;
    const QJsonValue value = stop.value(name);
    if (!value.isDouble() || value.toDouble() != std::floor(value.toDouble()) ||
        std::abs(value.toDouble()) > 1000)
        Fail(Field(name) + " must be a whole number");
    return static_cast<int>(value.toDouble());
}

WindingSettings ReadWinding(const QJsonObject& stop) {
    WindingSettings settings;
    std::optional<WindingPreset> preset;
    if (stop.contains("preset")) {
        const QString name = stop.value("preset").toString();
        std::string names;
        for (const WindingPreset p : kWindingPresets) {
            if (name == WindingPresetName(p)) preset = p;
            names += (names.empty() ? "" : ", ") + std::string(WindingPresetName(p));
        }
        if (!preset)
            Fail("preset " + (stop.value("preset").isString() ? Quoted(name) : "field") +
                 " is not one of " + names);
    }
    const Winding w = ChangedWinding(preset ? PresetWinding(*preset) : Winding{},
                                     {ReadWhole(stop, "poles"), ReadWhole(stop, "slots"),
                                      ReadWhole(stop, "layers"), ReadWhole(stop, "pitch")});
    if (w.poles != 2 && w.poles != 4 && w.poles != 6 && w.poles != 8)
        Fail("poles " + std::to_string(w.poles) + " is not 2, 4, 6 or 8");
    if (w.slotCount <= 0 || w.slotCount % (3 * w.poles) != 0 || w.slotCount / (3 * w.poles) > 4) {
        std::string counts;
        for (int q = 1; q <= 4; ++q)
            counts += (q == 1 ? "" : q == 4 ? " or " : ", ") + std::to_string(3 * w.poles * q);
        Fail("slots " + std::to_string(w.slotCount) + " do not make " +
             (w.poles == 8 ? "an " : "a ") + std::to_string(w.poles) + "-pole winding: use " +
             counts);
    }
    if (w.layers != 1 && w.layers != 2)
        Fail("layers " + std::to_string(w.layers) + " is not 1 or 2");
    if (w.pitch < 1 || w.pitch > w.PolePitch())
        Fail("pitch " + std::to_string(w.pitch) + " is outside 1 to " +
             std::to_string(w.PolePitch()) + ", the pole pitch in slots");
    if (w.layers == 1 && w.pitch != w.PolePitch())
        Fail("pitch " + std::to_string(w.pitch) +
             " is short: a single-layer winding is full-pitch; add \"layers\": 2");
    settings.winding = w;
    if (stop.contains("frequency"))
        settings.frequency =
            ReadNumber(stop.value("frequency"), "frequency", kMinFrequency, kMaxFrequency, " Hz");
    if (stop.contains("sequence")) settings.sequence = ReadSequence(stop.value("sequence"));
    if (stop.contains("flux")) settings.fluxLines = ReadBool(stop.value("flux"), "flux");
    return settings;
}

MotorSettings ReadMotor(const QJsonObject& stop) {
    MotorSettings m;
    if (stop.contains("load"))
        m.load = ReadNumber(stop.value("load"), "load", 0, motor::kMaxLoad, " N·m");
    if (stop.contains("inertia"))
        m.inertia = ReadNumber(stop.value("inertia"), "inertia", motor::kMinInertia,
                               motor::kMaxInertia, " kg·m²");
    if (stop.contains("speed") && stop.contains("time"))
        Fail(Field("speed") + " and " + Field("time") + " cannot be used together");
    if (stop.contains("speed")) {
        if (stop.contains("initial-speed"))
            Fail(Field("initial-speed") + " is for a start-up: use it with \"time\"");
        m.speed =
            ReadNumber(stop.value("speed"), "speed", -motor::kMaxSpeed, motor::kMaxSpeed, " rpm");
    }
    if (stop.contains("time"))
        m.time = ReadNumber(stop.value("time"), "time", 0, motor::kMaxTime, " s");
    if (stop.contains("initial-speed"))
        m.initialSpeed = ReadNumber(stop.value("initial-speed"), "initial-speed", -motor::kMaxSpeed,
                                    motor::kMaxSpeed, " rpm");
    return m;
}

LessonStop ReadStop(const QJsonValue& value) {
    if (!value.isObject())
        Fail("must be an object such as {\"view\": \"main\", \"step\": 3, \"caption\": \"...\"}");
    const QJsonObject o = value.toObject();
    if (!o.contains("view")) Fail(Field("view") + " is missing (one of " + ViewNames() + ")");
    const std::optional<LessonView> view = FindView(o.value("view").toString().toStdString());
    if (!view)
        Fail("view " + (o.value("view").isString() ? Quoted(o.value("view").toString()) : "field") +
             " is not one of " + ViewNames());
    const QStringList& fields = FieldsOf(*view);
    for (const QString& key : o.keys()) {
        if (fields.contains(key)) continue;
        const std::string field = Field(key.toUtf8().constData());
        for (const ViewFields& other : kFields)
            if (other.fields.contains(key))
                Fail(field + " is for view \"" + std::string(ViewName(other.view)) + "\", not \"" +
                     std::string(ViewName(*view)) + "\"");
        Fail(field + " is not one of " + fields.join(", ").toStdString());
    }

    LessonStop stop;
    stop.view = *view;
    if (o.contains("step")) {
        const double step = o.value("step").toDouble(-1);
        const int last = LastStepOf(*view);
        if (!o.value("step").isDouble() || step != std::floor(step) || step < 0 || step > last)
            Fail(Field("step") + " must be a whole number from 0 to " + std::to_string(last));
        stop.step = static_cast<int>(step);
    }
    if (o.contains("play")) stop.playing = ReadBool(o.value("play"), "play");
    if (o.contains("resultant")) stop.showResultant = ReadBool(o.value("resultant"), "resultant");
    if (*view == LessonView::Explorer || *view == LessonView::Motor) stop.supply = ReadSupply(o);
    if (*view == LessonView::Winding) stop.winding = ReadWinding(o);
    if (*view == LessonView::Motor) stop.motor = ReadMotor(o);
    if (!o.contains("caption")) Fail(Field("caption") + " is missing");
    stop.caption = ReadText(o.value("caption"), "caption");
    return stop;
}

// Where a parse error sits, as an editor shows it: "line 3, column 5".
std::string Position(const QByteArray& json, int offset) {
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        if (json[i] == '\n') {
            ++line;
            column = 1;
        } else if ((json[i] & 0xc0) != 0x80) {  // one column per character, not per byte
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

Lesson ReadLesson(const QByteArray& json) {
    if (json.size() > kMaxLessonBytes)
        Fail("the file has " + std::to_string(json.size()) + " bytes; a lesson may have at most " +
             std::to_string(kMaxLessonBytes) + " (1 MB)");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        // Qt's offset lies just past the character it stumbled on; an editor shows that one.
        Fail(Position(json, std::max(error.offset - 1, 0)) + ": " +
             error.errorString().toStdString());
    if (!document.isObject()) Fail("a lesson is an object: {\"title\": \"...\", \"stops\": [...]}");
    const QJsonObject o = document.object();
    for (const QString& key : o.keys())
        if (key != "title" && key != "stops")
            Fail(Field(key.toUtf8().constData()) + " is not one of title, stops");
    if (!o.contains("title")) Fail(Field("title") + " is missing");
    Lesson lesson;
    lesson.title = ReadText(o.value("title"), "title");
    if (!o.contains("stops")) Fail(Field("stops") + " is missing");
    if (!o.value("stops").isArray())
        Fail(Field("stops") + " must be a list of stops: [{...}, ...]");
    const QJsonArray stops = o.value("stops").toArray();
    if (stops.isEmpty()) Fail(Field("stops") + " is empty; a lesson needs at least one stop");
    if (stops.size() > kMaxLessonStops)
        Fail(Field("stops") + " has " + std::to_string(stops.size()) +
             " stops; a lesson may have at most " + std::to_string(kMaxLessonStops));
    for (int i = 0; i < stops.size(); ++i) {
        try {
            lesson.stops.push_back(ReadStop(stops[i]));
        } catch (const Mistake& m) {
            Fail("stop " + std::to_string(i + 1) + ": " + m.text);
        }
    }
    return lesson;
}

}  // namespace

LessonFileResult ParseLesson(const QByteArray& json, const std::string& name) {
    LessonFileResult result;
    try {
        result.lesson = ReadLesson(json);
    } catch (const Mistake& m) {
        result.error = name + ": " + m.text;
    }
    return result;
}

LessonFileResult ReadLessonFile(const QString& path) {
    QFile file(path);
    const std::string name = path.toStdString();
    if (!file.open(QIODevice::ReadOnly))
        return {{}, name + ": cannot be read: " + file.errorString().toStdString()};
    // One byte past the limit is enough to know the file is too large.
    const QByteArray json = file.read(kMaxLessonBytes + 1);
    if (json.size() > kMaxLessonBytes)
        return {{},
                name + ": the file has more than " + std::to_string(kMaxLessonBytes) +
                    " bytes; a lesson may have at most " + std::to_string(kMaxLessonBytes) +
                    " (1 MB)"};
    return ParseLesson(json, name);
}
