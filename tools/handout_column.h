#pragma once
// The text beside a stop's frame in the handout: its heading, its caption, a note when it plays,
// and its readouts, in a column of fixed size. The type is the largest that fits the whole text on
// one page, down to a smallest readable size; what still does not fit goes on to further pages,
// each under the heading again. Nothing is ever cut.
#include <memory>
#include <utility>
#include <vector>

#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;
class QPaintDevice;
class QTextLayout;

// The handout's type at `points`: Latin text in a Latin face when the handout is in English, the
// Chinese families for the rest.
QFont HandoutFont(double points, bool bold = false);

struct ColumnText {
    QString heading;    // the first page's
    QString continued;  // the heading of the pages that follow
    QString caption;
    QString note;                                       // empty: none
    std::vector<std::pair<QString, QString>> readouts;  // label, value
};

class StopColumn {
  public:
    // Laid out with `device`'s font metrics, `width` x `height` points a page.
    StopColumn(const ColumnText& text, double width, double height, QPaintDevice* device);
    ~StopColumn();
    StopColumn(StopColumn&&) noexcept;
    StopColumn& operator=(StopColumn&&) noexcept;

    int Pages() const { return static_cast<int>(m_pages.size()); }
    // Draws the column's page `page` (from 0) with its top-left corner at `origin`.
    void Draw(QPainter& painter, int page, QPointF origin) const;

  private:
    struct Piece;
    struct Row;
    void LayOut(const ColumnText& text, double width, double scale, QPaintDevice* device);
    void Paginate(double height);

    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<Row> m_rows;
    std::vector<std::vector<int>> m_pages;  // the rows of each page, after its heading
};
