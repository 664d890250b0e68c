// vesk-render --handout, checked as a reader of the PDF would: poppler's tools count the A4
// pages, find every caption as text in the language asked for, and find no picture in it, the
// frames being vector drawings. Bad input writes nothing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "lesson/lesson.h"

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Execute(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// pdftotext joins a word hyphenated at the end of a line.
QString WithoutSpaces(QString s) { return s.remove(QRegularExpression("[\\s-]")); }

const QString kExample = VESK_SOURCE_DIR "/docs/lesson-example.json";

// The example's captions in `language`, read from the file as a teacher wrote them.
QStringList ExampleCaptions(const QString& language) {
    QFile file(kExample);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList captions;
    for (const QJsonValue stop : QJsonDocument::fromJson(file.readAll())["stops"].toArray()) {
        const QJsonValue c = stop["caption"];
        captions << (c.isString() ? c.toString() : c[language].toString());
    }
    return captions;
}

QStringList BuiltInChineseCaptions() {
    QStringList captions;
    for (const LessonStop& stop : BuiltInLesson().stops)
        captions << QString::fromStdString(stop.caption.zh);
    return captions;
}

// The built-in captions' English, as the catalogue gives it.
QStringList BuiltInEnglishCaptions() {
    QFile file(VESK_SOURCE_DIR "/res/translations/vesk_en.ts");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> english;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && context == "Lesson")
            english[source] = xml.readElementText();
    }
    QStringList captions;
    for (const QString& zh : BuiltInChineseCaptions())
        captions << english.value(zh, zh + " (none)");
    return captions;
}

struct Handout {
    const char* name;
    QStringList options;
    int pages;
    std::function<QStringList()> captions;
    friend void PrintTo(const Handout& row, std::ostream* os) { *os << row.name; }
};

class Handouts : public ::testing::TestWithParam<Handout> {};

TEST_P(Handouts, AreA4LandscapeWithEveryCaptionAsTextAndNoPicture) {
    const QTemporaryDir dir;
    const QString pdf = dir.filePath("h.pdf");
    const Outcome made =
        Execute(VESK_RENDER_PATH, QStringList{"--handout", pdf} + GetParam().options);
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_LT(QFileInfo(pdf).size(), 2 * 1024 * 1024);

    const Outcome info = Execute("pdfinfo", {pdf});
    EXPECT_TRUE(info.out.contains(
        QRegularExpression(QStringLiteral("Pages: +%1\\n").arg(GetParam().pages))))
        << info.out.toStdString();
    // A4 is 595 x 842 points; on its side, wider than high.
    EXPECT_TRUE(info.out.contains(
        QRegularExpression("Page size: +84[12](\\.\\d+)? x 595(\\.\\d+)? pts \\(A4\\)")))
        << info.out.toStdString();

    const QString text = WithoutSpaces(Execute("pdftotext", {pdf, "-"}).out);
    for (const QString& caption : GetParam().captions())
        EXPECT_TRUE(text.contains(WithoutSpaces(caption))) << caption.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("%1/%1").arg(GetParam().pages)));

    // The list's two heading lines and not one image.
    const Outcome images = Execute("pdfimages", {"-list", pdf});
    EXPECT_EQ(images.out.count('\n'), 2) << images.out.toStdString();
    // The fonts travel with the file.
    const Outcome fonts = Execute("pdffonts", {pdf});
    EXPECT_FALSE(fonts.out.contains(QRegularExpression(" no +(yes|no) +(yes|no) +\\d+ +\\d+\\n")))
        << fonts.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, Handouts,
    ::testing::Values(
        Handout{"BuiltInInChinese", {}, 24, BuiltInChineseCaptions},
        // The windings stop's field at 60 * 50 / 2 rpm, the motor's stall, the single-phase motor
        // just past its switch and the over-excited synchronous machine's leading power factor
        // among the readouts.
        Handout{"BuiltInInEnglish",
                {"--lang", "en"},
                24,
                [] {
                    return BuiltInEnglishCaptions() +
                           QStringList{"1500 rpm", "stalled", "1137 rpm", "0.638 leading"};
                }},
        Handout{"ExampleInEnglish",
                {"--lesson", kExample, "--lang", "en", "--palette", "safe"},
                7,
                [] { return ExampleCaptions("en"); }},
        Handout{
            "ExampleInChinese", {"--lesson", kExample}, 7, [] { return ExampleCaptions("zh"); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A word as pdftotext -bbox finds it, in points from the page's top-left corner.
struct Word {
    QRectF box;
    QString text;
};

struct Page {
    QSizeF size;
    std::vector<Word> words;
};

std::vector<Page> Words(const QString& pdf) {
    const Outcome run = Execute("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_EQ(run.status, 0);
    std::vector<Page> pages;
    QXmlStreamReader xml(run.out);
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement()) continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&a](const char* name) { return a.value(name).toDouble(); };
        if (xml.name() == u"page") {
            pages.push_back({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == u"word" && !pages.empty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            pages.back().words.push_back({box, xml.readElementText()});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return pages;
}

// The text right of the frame, in reading order: words sharing a line from left to right, the
// lines from the top, without spaces.
QString ColumnText(const Page& page) {
    std::vector<Word> words;
    for (const Word& w : page.words)
        if (w.box.left() > page.size.width() * 0.6) words.push_back(w);
    std::sort(words.begin(), words.end(),
              [](const Word& a, const Word& b) { return a.box.top() < b.box.top(); });
    std::vector<std::vector<Word>> lines;
    for (const Word& w : words) {
        if (lines.empty() || w.box.center().y() > lines.back().front().box.bottom())
            lines.emplace_back();
        lines.back().push_back(w);
    }
    QString text;
    for (std::vector<Word>& line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const Word& a, const Word& b) { return a.box.left() < b.box.left(); });
        for (const Word& w : line) text += w.text;
    }
    return WithoutSpaces(text);
}

// A stop of each view, two of them playing, with `caption` and `title` as given.
QByteArray Lesson(const QJsonValue& title, const QJsonValue& caption) {
    QJsonArray stops;
    for (QJsonObject stop :
         {QJsonObject{{"view", "main"}, {"step", 9}},
          QJsonObject{{"view", "explorer"}, {"preset", "unbalanced"}, {"step", 3}, {"play", true}},
          QJsonObject{{"view", "winding"}, {"preset", "4-pole-short"}},
          QJsonObject{
              {"view", "motor"}, {"preset", "single-phase"}, {"time", 1.5}, {"play", true}}}) {
        stop["caption"] = caption;
        stops.append(stop);
    }
    return QJsonDocument(QJsonObject{{"title", title}, {"stops", stops}}).toJson();
}

// The longest legal caption, 500 characters, numbered so that a piece left out or repeated shows.
QString Longest(const char* unit) {
    QString text;
    for (int i = 0; text.size() < 500; ++i)
        text += QString::fromUtf8(unit).arg(i, 3, 10, QChar('0'));
    return text.left(500).trimmed();
}

struct LongCaption {
    const char* name;
    const char* language;
    friend void PrintTo(const LongCaption& row, std::ostream* os) { *os << row.name; }
};

class LongCaptions : public ::testing::TestWithParam<LongCaption> {};

// Each stop's page holds all of its caption and all of its readouts, every word on the page: the
// column's text is what the same page shows with a caption of one word, that word replaced by
// the whole caption.
TEST_P(LongCaptions, PrintWholeWithEveryReadoutInsideThePage) {
    const QString zh = Longest("第%1条：旋转磁场的转速由电源频率和极对数决定，");
    const QString en = Longest("item%1 the field turns at the synchronous speed; ");
    ASSERT_EQ(zh.size(), 500);
    const QString caption = GetParam().language == QStringLiteral("zh") ? zh : en;
    const QTemporaryDir dir;
    const auto handout = [&](const QString& name, const QByteArray& lesson) {
        QFile file(dir.filePath(name + ".json"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lesson);
        file.close();
        const QString pdf = dir.filePath(name + ".pdf");
        const Outcome run =
            Execute(VESK_RENDER_PATH,
                    {"--handout", pdf, "--lesson", file.fileName(), "--lang", GetParam().language});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return Words(pdf);
    };
    const std::vector<Page> longest = handout(
        "long", Lesson(QJsonObject{{"zh", zh}, {"en", en}}, QJsonObject{{"zh", zh}, {"en", en}}));
    const std::vector<Page> marked = handout("marked", Lesson("T", "CAPTIONMARK"));
    ASSERT_EQ(longest.size(), 5u);
    ASSERT_EQ(marked.size(), 5u);

    for (const Page& page : longest) {
        const QRectF inside(QPointF(0, 0), page.size);
        for (const Word& w : page.words)
            EXPECT_TRUE(inside.contains(w.box)) << w.text.toStdString();
        // Nor is any word of the column drawn over another.
        std::vector<Word> column;
        for (const Word& w : page.words)
            if (w.box.left() > page.size.width() * 0.6) column.push_back(w);
        for (std::size_t i = 0; i < column.size(); ++i) {
            for (std::size_t j = i + 1; j < column.size(); ++j) {
                const QRectF both = column[i].box.intersected(column[j].box);
                EXPECT_FALSE(both.width() > 1 && both.height() > 1)
                    << column[i].text.toStdString() << " over " << column[j].text.toStdString();
            }
        }
    }
    for (std::size_t p = 1; p < longest.size(); ++p) {
        const QString expected =
            ColumnText(marked[p]).replace("CAPTIONMARK", WithoutSpaces(caption));
        EXPECT_EQ(ColumnText(longest[p]), expected) << "page " << p + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LongCaptions,
                         ::testing::Values(LongCaption{"Chinese", "zh"},
                                           LongCaption{"English", "en"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A page's text as pdftotext finds it, without spaces.
QString PageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return WithoutSpaces(Execute("pdftotext", {"-f", n, "-l", n, pdf, "-"}).out);
}

// A stop that asks prints its question with the parts hidden; its answer, revealed, comes after
// the last stop.
TEST(HandoutQuestions, AskOnTheStopsPageAndAnswerAtTheEnd) {
    const QTemporaryDir dir;
    QFile lesson(dir.filePath("q.json"));
    ASSERT_TRUE(lesson.open(QIODevice::WriteOnly));
    lesson.write(R"({"title": "T", "stops": [
        {"view": "main", "step": 9, "caption": "Straight up.", "question": "Where to?",
         "hide": ["resultant", "readouts"]},
        {"view": "main", "step": 3, "caption": "Turning on."}]})");
    lesson.close();
    const QString pdf = dir.filePath("q.pdf");
    const Outcome made = Execute(VESK_RENDER_PATH,
                                 {"--handout", pdf, "--lesson", lesson.fileName(), "--lang", "en"});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    // The title, two stops, one answer.
    EXPECT_TRUE(Execute("pdfinfo", {pdf}).out.contains(QRegularExpression("Pages: +4\n")));
    // At 90°: U's current cos 90° = 0, V's cos(90° - 120°) = 0.87, W's -0.87.
    const QString asked = PageText(pdf, 2);
    EXPECT_TRUE(asked.contains("Stop1")) << asked.toStdString();
    EXPECT_TRUE(asked.contains("Whereto?"));
    EXPECT_FALSE(asked.contains("Straightup."));
    EXPECT_FALSE(asked.contains("0.87"));
    EXPECT_EQ(asked.count("?"), 1 + 4);
    const QString next = PageText(pdf, 3);
    EXPECT_TRUE(next.contains("Turningon."));
    const QString answer = PageText(pdf, 4);
    EXPECT_TRUE(answer.contains("Stop1:theanswer")) << answer.toStdString();
    EXPECT_TRUE(answer.contains("Straightup."));
    EXPECT_EQ(answer.count("0.87"), 2);
    EXPECT_FALSE(answer.contains("Whereto?"));
}

struct Refusal {
    const char* name;
    QStringList args;  // %1: a writable directory
    int status;
    const char* message;  // %1 as above
};

TEST(HandoutRefusals, AreOneLineAndLeaveNothing) {
    const QTemporaryDir dir;
    QFile bad(dir.filePath("bad.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(R"({"title": "T", "stops": [{"view": "main", "step": 80, "caption": "c"}]})");
    bad.close();
    const Refusal rows[] = {
        {"NoPath", {"--handout"}, 2, "vesk-render: option --handout needs a value\n"},
        {"OtherOption",
         {"--handout", "%1/h.pdf", "--step", "3"},
         2,
         "vesk-render: option --step cannot be used with --handout (only --lesson, --lang and "
         "--palette)\n"},
        {"BadLanguage",
         {"--handout", "%1/h.pdf", "--lang", "fr"},
         2,
         "vesk-render: unknown language 'fr' (use zh or en)\n"},
        {"LessonWithAMistake",
         {"--handout", "%1/h.pdf", "--lesson", "%1/bad.json"},
         2,
         "vesk-render: %1/bad.json: stop 1: step '80' is not a whole number from 0 to 72\n"},
        {"NoSuchDirectory",
         {"--handout", "%1/none/h.pdf"},
         1,
         "vesk-render: cannot write %1/none/h.pdf: No such file or directory\n"},
        {"LessonWithoutHandout",
         {"--lesson", "%1/bad.json"},
         2,
         "vesk-render: --lesson needs --handout\n"},
        {"LessonWithFrameOptions",
         {"--step", "3", "--lesson", "%1/bad.json", "-o", "%1/f.png"},
         2,
         "vesk-render: --lesson needs --handout\n"},
    };
    for (const Refusal& row : rows) {
        QStringList args;
        for (const QString& a : row.args) args << a.arg(dir.path());
        const Outcome run = Execute(VESK_RENDER_PATH, args);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.err, QString::fromUtf8(row.message).arg(dir.path())) << row.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bad.json"}) << row.name;
    }
}

}  // namespace
