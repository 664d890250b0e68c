#include "handout_column.h"

#include <algorithm>

#include <QColor>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include "language.h"
#include "scene_font.h"

namespace {

// The sizes at a scale of 1, in points; the smallest scale keeps a 9-point caption.
constexpr double kHeadingPoints = 11;
constexpr double kCaptionPoints = 15;
constexpr double kNotePoints = 10;
constexpr double kReadoutPoints = 11;
constexpr double kHeadingRow = 24;
constexpr double kHeadingGap = 8;
constexpr double kCaptionGap = 18;
constexpr double kNoteRow = 24;
constexpr double kReadoutRow = 18;
constexpr double kReadoutGap = 4;
constexpr double kScaleStep = 0.05;
constexpr double kSmallestScale = 0.6;
// A readout's label takes this share of the column, its value the rest.
constexpr double kLabelShare = 0.6;

}  // namespace

QFont HandoutFont(double points, bool bold) {
    QFont font;
    // Latin text in a Latin face; the Chinese families supply what it lacks.
    QStringList families = ChineseFontFamilies();
    if (CurrentLanguage() == Language::English) families.prepend(QStringLiteral("Liberation Sans"));
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One line of a laid-out text, placed in its row.
struct StopColumn::Piece {
    const QTextLayout* layout;
    int line;
    QPointF at;  // the line's top-left corner in the row
    QColor colour;
};

// What the column holds at one height: a line of the caption, a gap, the note or a readout.
struct StopColumn::Row {
    double height;
    std::vector<Piece> pieces;
};

StopColumn::StopColumn(const ColumnText& text, double width, double height, QPaintDevice* device) {
    // The first page's heading and every row after the two headings.
    const auto total = [this] {
        double sum = m_rows[0].height;
        for (std::size_t i = 2; i < m_rows.size(); ++i) sum += m_rows[i].height;
        return sum;
    };
    for (double scale = 1;; scale -= kScaleStep) {
        LayOut(text, width, std::max(scale, kSmallestScale), device);
        if (total() <= height || scale <= kSmallestScale) break;
    }
    Paginate(height);
}

StopColumn::~StopColumn() = default;
StopColumn::StopColumn(StopColumn&&) noexcept = default;
StopColumn& StopColumn::operator=(StopColumn&&) noexcept = default;

void StopColumn::LayOut(const ColumnText& text, double width, double scale, QPaintDevice* device) {
    m_layouts.clear();
    m_rows.clear();
    // `text` broken into lines `lineWidth` wide, wrapped at word boundaries or, for a word longer
    // than a line, anywhere.
    const auto paragraph = [&](QString s, double points, bool bold, double lineWidth) {
        s.replace(QLatin1Char('\n'), QChar::LineSeparator);
        auto layout = std::make_unique<QTextLayout>(s, HandoutFont(points * scale, bold), device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setTextOption(option);
        layout->beginLayout();
        double y = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout->endLayout();
        m_layouts.push_back(std::move(layout));
        return m_layouts.back().get();
    };
    // All of a paragraph's lines in one row, `x` from the column's left.
    const auto add = [](Row& row, const QTextLayout* layout, double x, QColor colour) {
        for (int i = 0; i < layout->lineCount(); ++i)
            row.pieces.push_back({layout, i, QPointF(x, layout->lineAt(i).y()), colour});
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        return last.y() + last.height();
    };

    // The two headings come first; the page's rows follow them.
    for (const QString& heading : {text.heading, text.continued}) {
        Row row{kHeadingRow * scale, {}};
        const double used = add(row, paragraph(heading, kHeadingPoints, true, width), 0, Qt::black);
        row.height = std::max(row.height, used + kHeadingGap * scale);
        m_rows.push_back(std::move(row));
    }
    const QTextLayout* caption = paragraph(text.caption, kCaptionPoints, false, width);
    for (int i = 0; i < caption->lineCount(); ++i)
        m_rows.push_back({caption->lineAt(i).height(), {{caption, i, QPointF(), Qt::black}}});
    m_rows.push_back({kCaptionGap * scale, {}});
    if (!text.note.isEmpty()) {
        Row row{kNoteRow * scale, {}};
        add(row, paragraph(text.note, kNotePoints, false, width), 0, Qt::darkGray);
        m_rows.push_back(std::move(row));
    }
    for (const auto& [label, value] : text.readouts) {
        // A long value (the motor's state) wraps in its own part of the row.
        Row row{kReadoutRow * scale, {}};
        const double labelWidth = width * kLabelShare;
        const double used =
            std::max(add(row, paragraph(label, kReadoutPoints, false, labelWidth), 0, Qt::black),
                     add(row, paragraph(value, kReadoutPoints, false, width - labelWidth),
                         labelWidth, Qt::black));
        row.height = std::max(row.height, used + kReadoutGap * scale);
        m_rows.push_back(std::move(row));
    }
}

void StopColumn::Paginate(double height) {
    m_pages.assign(1, {});
    const double room = height - std::max(m_rows[0].height, m_rows[1].height);
    double y = 0;
    for (int i = 2; i < static_cast<int>(m_rows.size()); ++i) {
        const bool gap = m_rows[i].pieces.empty();
        if (y + m_rows[i].height > room && !m_pages.back().empty()) {
            m_pages.emplace_back();
            y = 0;
            if (gap) continue;  // a new page needs no gap at its top
        }
        m_pages.back().push_back(i);
        y += m_rows[i].height;
    }
}

void StopColumn::Draw(QPainter& painter, int page, QPointF origin) const {
    double y = origin.y();
    const auto draw = [&](const Row& row) {
        for (const Piece& piece : row.pieces) {
            const QTextLine line = piece.layout->lineAt(piece.line);
            painter.setPen(piece.colour);
            line.draw(&painter, QPointF(origin.x(), y) + piece.at - line.position());
        }
        y += row.height;
    };
    draw(m_rows[page == 0 ? 0 : 1]);
    for (const int row : m_pages[page]) draw(m_rows[row]);
}
