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
        Handout{"BuiltInInChinese", {}, 18, BuiltInChineseCaptions},
        // The windings stop's field at 60 * 50 / 2 rpm, the motor's stall, the single-phase motor
        // just past its switch and the over-excited synchronous machine's leading power factor
        // among the readouts.
        Handout{"BuiltInInEnglish",
                {"--lang", "en"},
                18,
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
         "vesk-render: cannot write '%1/none/h.pdf': No such file or directory\n"},
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
