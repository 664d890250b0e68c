#include "handout.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "language.h"
#include "lesson_file.h"
#include "pdf_dc.h"
#include "render_failure.h"
#include "scene_font.h"
#include "version.h"

namespace {

struct HandoutOptions {
    std::string output;
    std::string lessonFile;  // empty: the built-in lesson
    Language language = Language::Chinese;
    const Palette* palette = &kStandardPalette;
};

// The options, or the one-line reason they are unusable.
std::optional<HandoutOptions> Parse(const std::vector<std::string>& args, std::string& error) {
    HandoutOptions o;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        std::string arg = args[i], value;
        const auto eq = arg.find('=');
        if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        if (arg != "--handout" && arg != "--lesson" && arg != "--lang" && arg != "--palette") {
            error = "option " + arg +
                    " cannot be used with --handout (only --lesson, --lang and "
                    "--palette)";
            break;
        }
        if (eq == std::string::npos) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                break;
            }
            value = args[++i];
        }
        if (arg == "--handout") {
            o.output = value;
            if (value.empty()) error = "the handout's path is empty";
        } else if (arg == "--lesson") {
            o.lessonFile = value;
            if (value.empty()) error = "the lesson's path is empty";
        } else if (arg == "--lang") {
            const auto language = ParseLanguage(value);
            if (language)
                o.language = *language;
            else
                error = "unknown language '" + value + "' (use zh or en)";
        } else {
            o.palette = PaletteNamed(value);
            if (o.palette == nullptr)
                error = "unknown palette '" + value + "' (use standard or safe)";
        }
    }
    if (error.empty()) return o;
    return std::nullopt;
}

// Points on an A4 page lying on its side.
constexpr double kPageWidth = 841.89;
constexpr double kPageHeight = 595.28;
constexpr double kMargin = 36;
constexpr double kFooter = 24;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Tr(const char* source) { return Text(::Tr(CurrentTranslation(), kLessonContext, source)); }

QFont PageFont(double points, bool bold = false) {
    QFont font;
    // Latin text in a Latin face; the Chinese families supply what it lacks.
    QStringList families = ChineseFontFamilies();
    if (CurrentLanguage() == Language::English) families.prepend(QStringLiteral("Liberation Sans"));
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Footer(QPainter& p, int page, int pages) {
    p.setFont(PageFont(9));
    p.setPen(Qt::darkGray);
    const QRectF line(kMargin, kPageHeight - kMargin, kPageWidth - 2 * kMargin, kFooter);
    p.drawText(line, Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("vesk %1").arg(QString::fromLatin1(kVeskVersion)));
    p.drawText(line, Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("%1 / %2").arg(page).arg(pages));
}

void TitlePage(QPainter& p, const Lesson& lesson, Language language) {
    p.setPen(Qt::black);
    p.setFont(PageFont(28, true));
    const double width = kPageWidth - 2 * kMargin;
    p.drawText(QRectF(kMargin, 170, width, 120),
               Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
               Text(TextIn(lesson.title, language, CurrentTranslation())));
    p.setFont(PageFont(14));
    p.drawText(QRectF(kMargin, 310, width, 60), Qt::AlignHCenter | Qt::TextWordWrap,
               Tr(QT_TRANSLATE_NOOP("Lesson", "三相异步电动机的旋转磁场：课堂讲义")) + "\n" +
                   Tr(QT_TRANSLATE_NOOP("Lesson", "共 %1 站")).arg(lesson.stops.size()));
}

// The frame on the left, as large as the page allows; the caption and readouts on the right.
void StopPage(QPainter& p, const LessonStop& stop, int number, const Palette& palette,
              Language language) {
    const CanvasSize canvas = Describe(stop.view()).design;
    const double boxWidth = 470, boxHeight = kPageHeight - 2 * kMargin - kFooter;
    const double scale = std::min(boxWidth / canvas.width, boxHeight / canvas.height);
    p.save();
    p.translate(kMargin, kMargin);
    p.scale(scale, scale);
    p.setClipRect(QRectF(0, 0, canvas.width, canvas.height));
    PdfDc dc(p, canvas.width, canvas.height);
    const ViewResult frame = DrawStopFrame(
        stop, {stop.step, canvas.width, canvas.height, 1, palette, CurrentTranslation()}, dc);
    p.restore();

    const double x = kMargin + boxWidth + 24, width = kPageWidth - kMargin - x;
    double y = kMargin;
    p.setPen(Qt::black);
    p.setFont(PageFont(11, true));
    p.drawText(QRectF(x, y, width, 20), Qt::AlignLeft,
               Tr(QT_TRANSLATE_NOOP("Lesson", "第 %1 站")).arg(number));
    y += 24;
    p.setFont(PageFont(15));
    QRectF used;
    p.drawText(QRectF(x, y, width, 260), Qt::AlignLeft | Qt::TextWordWrap,
               Text(TextIn(stop.caption, language, CurrentTranslation())), &used);
    y += used.height() + 18;
    if (stop.playing) {
        p.setFont(PageFont(10));
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(x, y, width, 16), Qt::AlignLeft,
                   Tr(QT_TRANSLATE_NOOP("Lesson", "课堂上从这一步开始播放动画。")));
        y += 24;
    }
    p.setPen(Qt::black);
    p.setFont(PageFont(11));
    for (const Readout& r : frame.readouts) {
        if (r.label.empty()) continue;
        p.drawText(QRectF(x, y, width * 0.6, 18), Qt::AlignLeft, Text(r.label));
        // A long value (the motor's state) wraps rather than running off the page.
        QRectF value;
        p.drawText(QRectF(x + width * 0.6, y, width * 0.4, 54), Qt::AlignLeft | Qt::TextWordWrap,
                   Text(r.shown), &value);
        y += std::max(18.0, value.height() + 4);
    }
}

bool WriteHandout(QIODevice* device, const Lesson& lesson, const HandoutOptions& o) {
    QPdfWriter writer(device);
    writer.setCreator(QStringLiteral("vesk-render %1").arg(QString::fromLatin1(kVeskVersion)));
    writer.setTitle(Text(TextIn(lesson.title, o.language, CurrentTranslation())));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(),
                                     QPageLayout::Point));
    // One unit a point, so that the page's geometry reads in points.
    writer.setResolution(72);
    QPainter p;
    if (!p.begin(&writer)) return false;
    const int pages = static_cast<int>(lesson.stops.size()) + 1;
    TitlePage(p, lesson, o.language);
    Footer(p, 1, pages);
    for (int i = 0; i < static_cast<int>(lesson.stops.size()); ++i) {
        writer.newPage();
        StopPage(p, lesson.stops[i], i + 1, *o.palette, o.language);
        Footer(p, i + 2, pages);
    }
    return p.end();
}

}  // namespace

bool IsHandoutCommand(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--handout" || a.rfind("--handout=", 0) == 0;
    });
}

int RunHandout(const std::vector<std::string>& args, char* program) {
    std::string error;
    const std::optional<HandoutOptions> o = Parse(args, error);
    if (!o) return Fail(2, error);
    if (o->language != Language::Chinese) SetLanguage(o->language);
    Lesson lesson = BuiltInLesson();
    if (!o->lessonFile.empty()) {
        LessonFileResult read = ReadLessonFile(o->lessonFile);
        if (!read.error.empty()) return Fail(2, read.error);
        lesson = std::move(read.lesson);
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {program, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    // Written beside the target and renamed into place: a failure leaves nothing behind.
    const QString path = QString::fromStdString(o->output);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(1, "cannot write '" + o->output + "': " + file.errorString().toStdString());
    if (!WriteHandout(&file, lesson, *o) || !file.commit()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return Fail(1, "cannot write '" + o->output + "': " + reason);
    }
    return 0;
}
