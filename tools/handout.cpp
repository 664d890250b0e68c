#include "handout.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include "draw/gdi_surface.h"
#include "handout_column.h"
#include "language.h"
#include "lesson_file.h"
#include "output_file.h"
#include "pdf_dc.h"
#include "progress.h"
#include "render_failure.h"
#include "version.h"
#include "views/view_table.h"

namespace {

bool IsOption(const std::string& arg, std::string_view name) {
    return arg.rfind(name, 0) == 0 && (arg.size() == name.size() || arg[name.size()] == '=');
}

struct HandoutOptions {
    std::string output;
    std::string lessonFile;  // empty: the built-in lesson
    Language language = Language::Chinese;
    const Palette* palette = &kStandardPalette;
};

// The options, or the one-line reason they are unusable.
std::optional<HandoutOptions> Parse(const std::vector<std::string>& args, std::string& error) {
    HandoutOptions o;
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& a) { return IsOption(a, "--handout"); })) {
        error = "--lesson needs --handout";
        return std::nullopt;
    }
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
// The frame on the left, as large as this box allows; the text column on the right.
constexpr double kFrameWidth = 470;
constexpr double kFrameHeight = kPageHeight - 2 * kMargin - kFooter;
constexpr double kColumnLeft = kMargin + kFrameWidth + 24;
constexpr double kColumnWidth = kPageWidth - kMargin - kColumnLeft;
// The title's type shrinks from the largest to the smallest until the title fits its box.
constexpr double kTitlePoints = 28;
constexpr double kSmallestTitlePoints = 10;
constexpr double kTitleBottom = 290;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Tr(const char* source) { return Text(::Tr(CurrentTranslation(), kLessonContext, source)); }

// Draws nothing: a stop's readouts without its picture, to plan the pages before they are drawn.
class NoDrawing : public GdiSurface {
  protected:
    void DrawRectangle(int, int, int, int) override {}
    void DrawEllipse(int, int, int, int) override {}
    void DrawLine(int, int, int, int) override {}
    void DrawPolyline(const PointF*, std::size_t) override {}
    void DrawText(int, int, std::string_view) override {}
};

CanvasInputs FrameInputs(const LessonStop& stop, const Palette& palette) {
    const CanvasSize canvas = Describe(stop.view()).design;
    return {stop.step, canvas.width, canvas.height, 1, palette, CurrentTranslation()};
}

// A stop's text laid out, on one page or more: as the class first sees it, with its question and
// without what it hides, or revealed, on the answer pages at the end.
struct StopPages {
    const LessonStop* stop;
    bool revealed;
    StopColumn column;
};

StopPages PlanStop(const LessonStop& stop, int number, bool revealed, const HandoutOptions& o,
                   QPaintDevice* device) {
    NoDrawing surface;
    const ViewResult frame = DrawStopFrame(stop, FrameInputs(stop, *o.palette), surface, revealed);
    const QString n = QString::number(number);
    const QString caption =
        Text(TextIn(StopText(stop, revealed), o.language, CurrentTranslation()));
    ColumnText text =
        revealed ? ColumnText{Tr(QT_TRANSLATE_NOOP("Lesson", "第 %1 站：答案")).arg(n),
                              Tr(QT_TRANSLATE_NOOP("Lesson", "第 %1 站：答案（续）")).arg(n),
                              caption,
                              {},
                              {}}
                 : ColumnText{Tr(QT_TRANSLATE_NOOP("Lesson", "第 %1 站")).arg(n),
                              Tr(QT_TRANSLATE_NOOP("Lesson", "第 %1 站（续）")).arg(n),
                              caption,
                              stop.playing
                                  ? Tr(QT_TRANSLATE_NOOP("Lesson", "课堂上从这一步开始播放动画。"))
                                  : QString(),
                              {}};
    for (const Readout& r : frame.readouts) {
        if (!r.label.empty()) text.readouts.emplace_back(Text(r.label), Text(r.shown));
    }
    return {&stop, revealed, StopColumn(text, kColumnWidth, kFrameHeight, device)};
}

// The stops in order, then the answer to each that asks the class something first.
std::vector<StopPages> PlanStops(const Lesson& lesson, const HandoutOptions& o,
                                 QPaintDevice* device) {
    std::vector<StopPages> plan;
    const int count = static_cast<int>(lesson.stops.size());
    for (int i = 0; i < count; ++i)
        plan.push_back(PlanStop(lesson.stops[i], i + 1, false, o, device));
    for (int i = 0; i < count; ++i) {
        if (StopAsks(lesson.stops[i]))
            plan.push_back(PlanStop(lesson.stops[i], i + 1, true, o, device));
    }
    return plan;
}

void Footer(QPainter& p, int page, int pages) {
    p.setFont(HandoutFont(9));
    p.setPen(Qt::darkGray);
    const QRectF line(kMargin, kPageHeight - kMargin, kPageWidth - 2 * kMargin, kFooter);
    p.drawText(line, Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("vesk %1").arg(QString::fromLatin1(kVeskVersion)));
    p.drawText(line, Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("%1 / %2").arg(page).arg(pages));
}

void TitlePage(QPainter& p, const Lesson& lesson, Language language) {
    p.setPen(Qt::black);
    const double width = kPageWidth - 2 * kMargin;
    const QRectF box(kMargin, kMargin, width, kTitleBottom - kMargin);
    const QString title = Text(TextIn(lesson.title, language, CurrentTranslation()));
    QTextOption option(Qt::AlignHCenter | Qt::AlignBottom);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (double points = kTitlePoints;; points -= 1) {
        p.setFont(HandoutFont(points, true));
        if (points <= kSmallestTitlePoints ||
            p.boundingRect(box, title, option).height() <= box.height())
            break;
    }
    p.drawText(box, title, option);
    p.setFont(HandoutFont(14));
    p.drawText(QRectF(kMargin, kTitleBottom + 20, width, 60), Qt::AlignHCenter | Qt::TextWordWrap,
               Tr(QT_TRANSLATE_NOOP("Lesson", "三相异步电动机的旋转磁场：课堂讲义")) + "\n" +
                   Tr(QT_TRANSLATE_NOOP("Lesson", "共 %1 站")).arg(lesson.stops.size()));
}

// The stop's frame on the left of the page, as large as its box allows.
void Frame(QPainter& p, const LessonStop& stop, bool revealed, const Palette& palette) {
    const CanvasInputs in = FrameInputs(stop, palette);
    const double scale = std::min(kFrameWidth / in.width, kFrameHeight / in.height);
    p.save();
    p.translate(kMargin, kMargin);
    p.scale(scale, scale);
    p.setClipRect(QRectF(0, 0, in.width, in.height));
    PdfDc dc(p, in.width, in.height);
    DrawStopFrame(stop, in, dc, revealed);
    p.restore();
}

bool PaintPages(QPainter& p, QPdfWriter& writer, const Lesson& lesson, const HandoutOptions& o,
                const std::vector<StopPages>& plan) {
    int pages = 1;
    for (const StopPages& stop : plan) pages += stop.column.Pages();
    Progress progress(pages, "pages");
    if (!p.begin(&writer)) return false;
    TitlePage(p, lesson, o.language);
    Footer(p, 1, pages);
    progress.Advance();
    int page = 1;
    for (const StopPages& stop : plan) {
        for (int i = 0; i < stop.column.Pages(); ++i) {
            writer.newPage();
            Frame(p, *stop.stop, stop.revealed, *o.palette);
            stop.column.Draw(p, i, QPointF(kColumnLeft, kMargin));
            Footer(p, ++page, pages);
            progress.Advance();
        }
    }
    return p.end();
}

// The handout as a PDF in `bytes`; false if it could not be drawn. Throws std::bad_alloc when
// memory runs out, but never through a painter that is still painting: ending one writes the
// file's tail, which needs memory too, and a second exception in its destructor would abort.
bool Encode(const Lesson& lesson, const HandoutOptions& o, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("vesk-render %1").arg(QString::fromLatin1(kVeskVersion)));
    writer.setTitle(Text(TextIn(lesson.title, o.language, CurrentTranslation())));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(),
                                     QPageLayout::Point));
    // One unit a point, so that the page's geometry reads in points.
    writer.setResolution(72);
    const std::vector<StopPages> plan = PlanStops(lesson, o, &writer);
    QPainter p;
    try {
        return PaintPages(p, writer, lesson, o, plan);
    } catch (const std::bad_alloc&) {
        if (p.isActive()) {
            // Stopped without its tail: the half-made file is thrown away anyway.
            p.paintEngine()->setActive(false);
            p.end();
        }
        throw;
    }
}

}  // namespace

bool IsHandoutCommand(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return IsOption(a, "--handout") || IsOption(a, "--lesson");
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
    // Made in memory and written whole, as the frames are: a failure leaves what was there.
    QByteArray bytes;
    try {
        if (!Encode(lesson, *o, bytes))
            return Fail(1, "cannot write " + o->output + ": the handout could not be drawn");
    } catch (const std::bad_alloc&) {
        return Fail(1, "not enough memory for the handout");
    }
    const std::string_view pdf(bytes.constData(), static_cast<size_t>(bytes.size()));
    error = o->output == "-" ? WriteStandardOutput(pdf) : WriteWholeFile(o->output, pdf);
    return error.empty() ? 0 : Fail(1, error);
}
