#include "ui/output/reading_page.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <variant>
#include <vector>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

#include "ui/common/filled_template.h"
#include "ui/output/chart_painter.h"
#include "ui/output/save_whole.h"

#ifndef OPC_VERSION
#define OPC_VERSION "0"
#endif

namespace ui {

namespace {

constexpr qreal kMarginMm = 15;
const QString kProgram = QStringLiteral("Orvel Pataki Chakra");

// How many of the first `most` characters of `text` fit in `room` (at least one). Starts are
// measured at most twice as long as the answer, so a long word is cut in near-linear time.
qsizetype FittingStart(const QFontMetricsF& metrics, const QString& text, qsizetype most,
                       qreal room) {
  const auto fitsIn = [&](qsizetype n) { return metrics.horizontalAdvance(text.left(n)) <= room; };
  qsizetype fits = 1, over = 2;  // `fits` characters fit (or are the one taken), `over` do not
  while (over <= most && fitsIn(over)) {
    fits = over;
    over *= 2;
  }
  over = std::min(over, most + 1);
  while (over - fits > 1) {
    const qsizetype middle = fits + (over - fits) / 2;
    (fitsIn(middle) ? fits : over) = middle;
  }
  return fits;
}

struct Piece {  // text drawn from a point on its baseline
  QPointF at;
  QString text;
  QFont font;
};

struct ChartPlace {
  QRectF area;
  PageChartDrawing drawing;
};

struct Page {
  std::vector<Piece> pieces;
  std::vector<QLineF> rules;
  std::vector<ChartPlace> charts;
};

// Lays page content out in device units, page by page; drawing comes after, once the number
// of pages is known.
class PageLayout {
 public:
  PageLayout(QPaintDevice& device, qreal textPoints)
      : device_(device),
        unit_(device.logicalDpiY() / 72.0),
        width_(device.width()),
        bottom_(device.height() - Pt(26)),
        textPoints_(textPoints) {
    pages_.emplace_back();
  }

  qreal Pt(qreal points) const { return points * unit_; }
  QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }
  std::vector<Page>& Pages() { return pages_; }

  void Lay(const PageHeading& heading);
  void Lay(const PageRows& rows);
  void Lay(const PageChart& chart);
  void Lay(const PageText& text);
  void Lay(const PageTables& tables);

 private:
  // One row of a table: each cell wrapped in its column, the columns starting at `at`.
  void Cells(const QStringList& cells, const std::vector<qreal>& at, qreal width, qreal points,
             bool bold);
  // Writes the runs wrapped into `width` from `left`, lines `lineSpacing` apart, starting
  // with the baseline of its first line at y_ + ascent; breaks pages only when `mayBreak`.
  void Flow(const std::vector<PageRun>& runs, qreal left, qreal width, qreal points, bool mayBreak);
  // A label and its value, the value wrapped beside the label.
  void Row(const PageRow& row, qreal left, qreal labelWidth, qreal width, qreal points);
  void Rule() {
    y_ += Pt(5);
    pages_.back().rules.emplace_back(0, y_, width_, y_);
    y_ += Pt(7);
  }

  QPaintDevice& device_;
  qreal unit_, width_, bottom_, textPoints_;
  qreal y_ = 0;
  std::vector<Page> pages_;
};

void PageLayout::Flow(const std::vector<PageRun>& runs, qreal left, qreal width, qreal points,
                      bool mayBreak) {
  const QFont regular = PageFont(points), bold = PageFont(points, true);
  const qreal lineSpacing = Metrics(regular).lineSpacing();
  const qreal ascent = Metrics(bold).ascent();
  qreal x = 0;
  auto newLine = [&] {
    y_ += lineSpacing;
    x = 0;
    if (mayBreak && y_ + lineSpacing > bottom_) {
      pages_.emplace_back();
      y_ = 0;
    }
  };
  for (const PageRun& run : runs) {
    const QFont& font = run.bold ? bold : regular;
    const QFontMetricsF metrics = Metrics(font);
    // Words with the blanks that follow them; a line never starts with a blank.
    static const QRegularExpression kWord(QStringLiteral("\\S+\\s*|\\s+"));
    for (auto it = kWord.globalMatch(run.text); it.hasNext();) {
      QString word = it.next().captured();
      if (x > 0 && x + metrics.horizontalAdvance(word.trimmed()) > width) newLine();
      if (x == 0 && word.trimmed().isEmpty()) continue;
      // A word wider than the line is cut where it must be, each line as full as it goes.
      if (metrics.horizontalAdvance(word.trimmed()) > width) {
        for (;;) {
          const qsizetype letters = word.trimmed().size();
          const qsizetype fits = FittingStart(metrics, word, letters, width - x);
          if (fits >= letters || word.size() <= 1) break;
          pages_.back().pieces.push_back({{left + x, y_ + ascent}, word.left(fits), font});
          word = word.mid(fits);
          newLine();
        }
      }
      pages_.back().pieces.push_back({{left + x, y_ + ascent}, word, font});
      x += metrics.horizontalAdvance(word);
    }
  }
  y_ += lineSpacing;
}

void PageLayout::Row(const PageRow& row, qreal left, qreal labelWidth, qreal width, qreal points) {
  const qreal top = y_;
  Flow({{row.label, true}}, left, labelWidth, points, false);
  const qreal labelBottom = y_;
  y_ = top;
  // A value longer than the page (a name as long as the box takes) goes on to the next.
  const std::size_t page = pages_.size();
  Flow({{row.value.isEmpty() ? QStringLiteral("–") : row.value, false}}, left + labelWidth,
       width - labelWidth, points, true);
  if (pages_.size() == page) y_ = std::max(y_, labelBottom);
}

void PageLayout::Lay(const PageHeading& heading) {
  const QFont title = PageFont(18, true), subtitle = PageFont(12);
  const qreal baseline = y_ + Metrics(title).ascent();
  const qreal kindWidth = Metrics(subtitle).horizontalAdvance(heading.kind);
  pages_.back().pieces.push_back({{width_ - kindWidth, baseline}, heading.kind, subtitle});
  Flow({{heading.title, true}}, 0, width_ - kindWidth - Pt(12), 18, true);
  y_ += Pt(4);
}

void PageLayout::Lay(const PageRows& rows) {
  // The labels' column is widened where a label would not fit it, so that none is broken
  // (Tamil's நேர மண்டலம்); the English labels fit, and their page stays as it was.
  const QFontMetricsF labelMetrics = Metrics(PageFont(9.5, true));
  qreal widest = 0;
  for (const PageRow& row : rows.rows)
    widest = std::max(widest, labelMetrics.horizontalAdvance(row.label));
  const qreal labelWidth = widest > Pt(62) ? widest + Pt(8) : Pt(62);
  for (const PageRow& row : rows.rows) Row(row, 0, labelWidth, width_, 9.5);
  Rule();
}

void PageLayout::Lay(const PageChart& chart) {
  const qreal top = y_;
  const qreal chartWidth = width_ * 0.58;
  qreal bottom = top;
  for (std::size_t i = 0; i < chart.charts.size(); ++i) {
    if (i > 0) bottom += Pt(8);
    const QRectF area(0, bottom, chartWidth, chartWidth / ChartAspect(*chart.charts[i].style));
    pages_.back().charts.push_back({area, chart.charts[i]});
    bottom = area.bottom();
  }
  y_ = bottom + Pt(3);
  Flow({{chart.caption, false}}, 0, chartWidth, 7.5, false);
  const qreal chartBottom = y_;

  const qreal left = chartWidth + Pt(14), width = width_ - left;
  y_ = top;
  // One label column for every group, as wide as their widest label.
  const QFontMetricsF labelMetrics = Metrics(PageFont(9, true));
  qreal labelWidth = 0;
  for (const PageRowGroup& group : chart.beside)
    for (const PageRow& row : group.rows)
      labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(row.label));
  labelWidth += Pt(8);
  for (std::size_t i = 0; i < chart.beside.size(); ++i) {
    if (i > 0) y_ += Pt(8);
    Flow({{chart.beside[i].title, true}}, left, width, 10.5, false);
    y_ += Pt(2);
    for (const PageRow& row : chart.beside[i].rows) Row(row, left, labelWidth, width, 9);
  }
  y_ = std::max(y_, chartBottom);
  Rule();
}

void PageLayout::Lay(const PageText& text) {
  for (const PageParagraph& paragraph : text.paragraphs) {
    if (paragraph.afterBlankLine && y_ > 0) y_ += Pt(textPoints_ * 0.6);
    if (y_ + Metrics(PageFont(textPoints_)).lineSpacing() > bottom_) {
      pages_.emplace_back();
      y_ = 0;
    }
    Flow(paragraph.runs, 0, width_, textPoints_, true);
  }
}

void PageLayout::Cells(const QStringList& cells, const std::vector<qreal>& at, qreal width,
                       qreal points, bool bold) {
  const qreal top = y_;
  qreal bottom = top;
  for (qsizetype i = 0; i < cells.size(); ++i) {
    const qreal end = i + 1 < cells.size() ? at[static_cast<std::size_t>(i + 1)] : width;
    y_ = top;
    Flow({{cells[i], bold}}, at[static_cast<std::size_t>(i)], end - at[static_cast<std::size_t>(i)],
         points, false);
    bottom = std::max(bottom, y_);
  }
  y_ = bottom;
}

// On a page of their own where the last has no room; the first table takes the left 48 % of
// the width, a second the rest, unless the one table is wide.
void PageLayout::Lay(const PageTables& tables) {
  const qreal points = 8.5;
  const qreal needed = Metrics(PageFont(points)).lineSpacing() * 16 + Pt(30);
  if (y_ + needed > bottom_) {
    pages_.emplace_back();
    y_ = 0;
  } else if (y_ > 0) {
    Rule();
  }
  Flow({{tables.title, true}}, 0, width_, 10.5, false);
  for (const QString& note : tables.notes) Flow({{note, false}}, 0, width_, points, false);
  y_ += Pt(4);
  const qreal top = y_;
  const qreal split = width_ * 0.48;
  qreal bottom = top;
  for (std::size_t t = 0; t < tables.tables.size() && t < 2; ++t) {
    const PageTable& table = tables.tables[t];
    const qreal from = t == 0 ? 0 : split + Pt(14);
    const qreal to = tables.wide ? width_ : t == 0 ? split : width_;
    std::vector<qreal> at;
    for (const double share : table.columnStarts) at.push_back(from + (to - from) * share);
    y_ = top;
    Cells(table.header, at, to, points, true);
    for (const QStringList& row : table.rows) Cells(row, at, to, points, false);
    bottom = std::max(bottom, y_);
  }
  y_ = bottom;
}

void DrawFooter(QPainter& painter, QPaintDevice& device, int page, int pages,
                const QDate& printed) {
  const qreal unit = device.logicalDpiY() / 72.0;
  const QFont font = PageFont(8);
  const QFontMetricsF metrics(font, &device);
  const qreal rule = device.height() - 14 * unit - metrics.height();
  const qreal baseline = device.height() - metrics.descent();
  painter.setPen(QPen(Qt::black, 0.5 * unit));
  painter.drawLine(QLineF(0, rule, device.width(), rule));
  painter.setFont(font);
  const QString left = kProgram + QStringLiteral(" ") + QStringLiteral(OPC_VERSION);
  // The month by the program's own names, as on the form.
  const QString date =
      QStringLiteral("%1 %2 %3")
          .arg(printed.day())
          .arg(QCoreApplication::translate(
              "Months", QLocale::c().monthName(printed.month()).toUtf8().constData()))
          .arg(printed.year());
  const QString middle = Filled(QCoreApplication::translate("ReadingPage", "Printed %1"), {date});
  const QString right = Filled(QCoreApplication::translate("ReadingPage", "Page %1 of %2"),
                               {QString::number(page), QString::number(pages)});
  painter.drawText(QPointF(0, baseline), left);
  painter.drawText(QPointF((device.width() - metrics.horizontalAdvance(middle)) / 2, baseline),
                   middle);
  painter.drawText(QPointF(device.width() - metrics.horizontalAdvance(right), baseline), right);
}

std::vector<Page> LayOut(QPaintDevice& device, const std::vector<PageBlock>& content) {
  // A longer text takes a smaller type before it takes a third page.
  for (const qreal points : {10.0, 9.0, 8.0}) {
    PageLayout layout(device, points);
    for (const PageBlock& block : content)
      std::visit([&layout](const auto& part) { layout.Lay(part); }, block);
    if (layout.Pages().size() <= 2 || points == 8.0) return std::move(layout.Pages());
  }
  return {};
}

}  // namespace

QPageSize LocalePaperSize() {
#if defined(__GLIBC__) && defined(_NL_PAPER_WIDTH)
  // glibc gives the locale's paper width in millimetres: 216 for US Letter, 210 for A4.
  const auto width =
      static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
  return QPageSize(width == 216 ? QPageSize::Letter : QPageSize::A4);
#else
  return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                       ? QPageSize::Letter
                       : QPageSize::A4);
#endif
}

void SetUpPage(QPagedPaintDevice& device) {
  device.setPageSize(LocalePaperSize());
  device.setPageOrientation(QPageLayout::Portrait);
  device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                        QPageLayout::Millimeter);
}

int PaintPages(QPagedPaintDevice& device, const std::vector<PageBlock>& content,
               const QDate& printed) {
  const std::vector<Page> pages = LayOut(device, content);
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const qreal unit = device.logicalDpiY() / 72.0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) device.newPage();
    const Page& page = pages[i];
    painter.setPen(QPen(Qt::black, 0.75 * unit));
    for (const QLineF& rule : page.rules) painter.drawLine(rule);
    for (const ChartPlace& place : page.charts)
      PaintChart(painter, place.area, *place.drawing.chart, *place.drawing.style, 7.5);
    painter.setPen(Qt::black);
    for (const Piece& piece : page.pieces) {
      painter.setFont(piece.font);
      painter.drawText(piece.at, piece.text);
    }
    DrawFooter(painter, device, static_cast<int>(i) + 1, static_cast<int>(pages.size()), printed);
  }
  painter.end();
  return static_cast<int>(pages.size());
}

int PaintReadingPages(QPagedPaintDevice& device, const KeptReading& reading, const QDate& printed) {
  return PaintPages(device, ReadingPageContent(reading), printed);
}

std::optional<QString> WriteReadingPdf(const QString& path, const KeptReading& reading) {
  return SaveWhole(path, [&reading](QIODevice& file) {
    QPdfWriter writer(&file);
    SetUpPage(writer);
    writer.setTitle(ReadingFileName(reading, {}));
    writer.setCreator(kProgram + QStringLiteral(" ") + QStringLiteral(OPC_VERSION));
    return PaintReadingPages(writer, reading) > 0;
  });
}

QString ReadingFileName(const KeptReading& reading, const QString& suffix) {
  QString name = QString::fromStdString(reading.record.PersonName).trimmed();
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
  return (name.isEmpty() ? QString() : name + QLatin1Char(' ')) + QStringLiteral("Pataki Chakra") +
         suffix;
}

}  // namespace ui
