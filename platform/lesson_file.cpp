#include "lesson_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextBoundaryFinder>

#include "text/numbers.h"
#include "views/view_params.h"

namespace {

// A problem with the file; thrown from deep in a stop and caught once, where it becomes the line.
struct Mistake {
    std::string text;
};

[[noreturn]] void Fail(std::string text) { throw Mistake{std::move(text)}; }

std::string Utf8(const QString& s) { return s.toStdString(); }

std::string Field(const QString& name) { return "field \"" + Escaped(Utf8(name)) + "\""; }

// The fields every stop may have, whatever its view.
const QStringList kStopFields{"view", "step", "play", "caption", "question", "hide"};

// Characters as a reader counts them: a letter with its accents, an emoji with its joiners.
qsizetype Graphemes(const QString& s) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1) ++count;
    return count;
}

// Whether a reader would see nothing of `s`: spaces, and marks and joiners that take no room.
bool Invisible(const QString& s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Format ||
               c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing;
    });
}

void CheckText(const QString& s, const char* name) {
    if (Invisible(s)) Fail(Field(name) + " is empty");
    for (const QChar c : s)
        if (c != '\t' && (c.category() == QChar::Other_Control))
            Fail(Field(name) + " holds a control character (" + Escaped(Utf8(QString(c))) +
                 "); only tabs and printable text are allowed");
    const qsizetype count = Graphemes(s);
    if (count > kMaxCaptionCharacters)
        Fail(Field(name) + " has " + std::to_string(count) + " characters; at most " +
             std::to_string(kMaxCaptionCharacters));
}

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
    CheckText(zh, name);
    if (!en.isEmpty()) CheckText(en, name);
    return {Utf8(zh), en == zh ? std::string() : Utf8(en)};
}

// The parts a stop hides until the lecturer reveals them: ["readouts", "resultant", "curves"],
// each at most once.
Hidden ReadHide(const QJsonValue& value) {
    const std::string names = Listed(kHideNames);
    if (!value.isArray())
        Fail(Field("hide") + " must be a list of names, such as [\"readouts\"] (" + names + ")");
    Hidden hidden;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString())
            Fail(Field("hide") + " holds something that is not a name (" + names + ")");
        const std::string name = Utf8(item.toString());
        bool* part = HiddenPart(hidden, name);
        if (part == nullptr)
            Fail(Field("hide") + ": '" + Escaped(name) + "' is not one of " + names);
        if (*part) Fail(Field("hide") + " names '" + name + "' twice");
        *part = true;
    }
    return hidden;
}

// The value as the file writes it, for a message: 4, "open-x" without its quotes, [1, 2].
std::string Shown(const QJsonValue& value) {
    if (value.isString()) return Utf8(value.toString());
    if (value.isDouble()) return Shortest(value.toDouble());
    if (value.isBool()) return value.toBool() ? "true" : "false";
    if (value.isNull()) return "null";
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return document.toJson(QJsonDocument::Compact).toStdString();
}

// The value as the parameter tables take it. A value of another kind becomes one they refuse.
ParamValue Value(const QJsonValue& value) {
    if (value.isBool()) return value.toBool();
    if (value.isDouble()) return value.toDouble();
    if (value.isString()) return Utf8(value.toString());
    const QJsonArray a = value.toArray();
    if (value.isArray() && a.size() == 3 &&
        std::all_of(a.begin(), a.end(), [](const QJsonValue& v) { return v.isDouble(); }))
        return std::array<double, 3>{a[0].toDouble(), a[1].toDouble(), a[2].toDouble()};
    // Neither text nor number nor switch: no table takes an object or a null.
    return std::string("\x01");
}

// A stop's own value, checked like any parameter: the step and whether it plays.
ParamValue StopValue(const ParamSpec& spec, const QJsonValue& value) {
    const ParamValue v = Value(value);
    if (!Accepts(spec, v)) Fail(Refusal(spec, Shown(value)));
    return v;
}

// Every name a stop of `view` may hold.
QStringList FieldsOf(const ViewDescriptor& view) {
    QStringList fields = kStopFields;
    for (const ParamSpec& p : view.params)
        fields << QString::fromUtf8(p.name.data(), p.name.size());
    return fields;
}

// The views that have a parameter of this name, for the message about a field out of place.
std::string ViewsWith(const QString& key) {
    std::vector<std::string_view> names;
    for (const ViewDescriptor& d : Views())
        if (FindParam(d, Utf8(key)) != nullptr) names.push_back(d.name);
    return Listed(names);
}

LessonStop ReadStop(const QJsonValue& value) {
    if (!value.isObject())
        Fail("must be an object such as {\"view\": \"main\", \"step\": 3, \"caption\": \"...\"}");
    const QJsonObject o = value.toObject();
    if (!o.contains("view")) Fail(Field("view") + " is missing (one of " + ViewNames() + ")");
    const std::optional<View> named =
        o.value("view").isString() ? FindView(Utf8(o.value("view").toString())) : std::nullopt;
    if (!named) Fail("view '" + Escaped(Shown(o.value("view"))) + "' is not one of " + ViewNames());
    // Taken out of the optional once, where it is known to be there.
    const View view = *named;
    const ViewDescriptor& d = Describe(view);
    const QStringList fields = FieldsOf(d);
    for (const QString& key : o.keys()) {
        if (fields.contains(key)) continue;
        const std::string others = ViewsWith(key);
        if (!others.empty())
            Fail(Field(key) + " is for view " + others + ", not " + std::string(d.name));
        Fail(Field(key) + " is not one of " + Utf8(fields.join(", ")));
    }

    LessonStop stop;
    if (o.contains("step")) {
        const ParamSpec step{
            .name = "step", .kind = ParamKind::Whole, .low = 0, .high = double(d.lastStep)};
        stop.step = static_cast<int>(std::get<double>(StopValue(step, o.value("step"))));
    }
    if (o.contains("play"))
        stop.playing =
            std::get<bool>(StopValue({.name = "play", .kind = ParamKind::Switch}, o.value("play")));
    ParamValues values;
    std::vector<std::string> shown;
    for (const ParamSpec& p : d.params) {
        const QString key = QString::fromUtf8(p.name.data(), p.name.size());
        if (!o.contains(key)) continue;
        values.emplace_back(p.name, Value(o.value(key)));
        shown.push_back(Shown(o.value(key)));
    }
    const SettingsResult settings = SettingsFromValues(view, values, shown);
    if (!settings.error.empty()) Fail(settings.error);
    stop.settings = settings.settings;
    if (!o.contains("caption")) Fail(Field("caption") + " is missing");
    stop.caption = ReadText(o.value("caption"), "caption");
    if (o.contains("question")) stop.question = ReadText(o.value("question"), "question");
    if (o.contains("hide")) stop.hide = ReadHide(o.value("hide"));
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
        if (key != "title" && key != "stops") Fail(Field(key) + " is not one of title, stops");
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

LessonFileResult ReadLessonFile(const std::string& path) {
    // Not blocking: a FIFO with no writer would otherwise hold the program before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return {{}, path + ": cannot be read: " + std::strerror(errno)};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {{}, path + ": cannot be read: not a regular file"};
    }
    // One byte past the limit is enough to know the file is too large.
    QByteArray json;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return {{}, path + ": cannot be read: " + std::strerror(error)};
        }
        if (n == 0 || json.size() > kMaxLessonBytes) break;
        json.append(buffer, n);
    }
    ::close(fd);
    if (json.size() > kMaxLessonBytes)
        return {{},
                path + ": the file has more than " + std::to_string(kMaxLessonBytes) +
                    " bytes; a lesson may have at most " + std::to_string(kMaxLessonBytes) +
                    " (1 MB)"};
    return ParseLesson(json, path);
}
