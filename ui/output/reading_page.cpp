#include "ui/output/reading_page.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <cmath>
#include <vector>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

#include "core/zone_table.h"
#include "reading/reading.h"
#include "reading/timing.h"
#include "ui/common/calculation_caption.h"
#include "ui/common/dasha_captions.h"
#include "ui/common/library_texts.h"
#include "ui/output/chart_picture.h"
#include "ui/output/save_whole.h"

#ifndef OPC_VERSION
#define OPC_VERSION "0"
#endif

namespace ui {

namespace {

constexpr qreal kMarginMm = 15;
const QString kProgram = QStringLiteral("Orvel Pataki Chakra");

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption the reading wrote, or the empty text (never a design caption).
QString Written(const core::ResultSheet& sheet, std::string_view widget) {
  return FromUtf8(sheet.WrittenCaption(widget)).trimmed();
}

// A caption the reading wrote in words (a weekday, a planet, a sign), in the language in use.
QString WrittenWord(const core::ResultSheet& sheet, std::string_view widget) {
  return SheetCaption(Written(sheet, widget));
}

QString BodyName(const core::BirthRecord& record, int k) {
  return SheetCaption(FromUtf8(record.BodyNames[static_cast<std::size_t>(k)]).trimmed());
}

QString Joined(const QStringList& parts, const QString& separator) {
  QStringList kept;
  for (const QString& part : parts)
    if (!part.trimmed().isEmpty()) kept << part.trimmed();
  return kept.join(separator);
}

// "11 h 44 min"; the seconds are dropped as the result window drops them.
QString Duration(std::int32_t seconds) {
  return QCoreApplication::translate("ReadingPage", "%1 h %2 min")
      .arg(seconds / 3600)
      .arg(seconds % 3600 / 60, 2, 10, QChar('0'));
}

// "+05:30": the offset from universal time the reading used, daylight saving included; an
// exact offset's seconds where it has them ("+05:21:10").
QString UtcOffset(const core::BirthRecord& r) {
  const auto seconds = static_cast<int>(r.Birth.offset.east.count());
  const int minutes = seconds / 60;
  QString text = QStringLiteral("UTC%1%2:%3")
                     .arg(seconds < 0 ? QChar(0x2212) : QChar('+'))
                     .arg(std::abs(minutes) / 60, 2, 10, QChar('0'))
                     .arg(std::abs(minutes) % 60, 2, 10, QChar('0'));
  if (seconds % 60 != 0)
    text += QStringLiteral(":%1").arg(std::abs(seconds) % 60, 2, 10, QChar('0'));
  return text;
}

QString Degrees(double value) {
  const long arcSeconds = std::lround(std::abs(value) * 3600);
  return QStringLiteral("%1° %2' %3\"")
      .arg(arcSeconds / 3600)
      .arg(arcSeconds / 60 % 60, 2, 10, QChar('0'))
      .arg(arcSeconds % 60, 2, 10, QChar('0'));
}

QString ZoneRow(int row) {
  if (row < 0 || row >= core::kZoneCount)
    return QCoreApplication::translate("ReadingPage", "no zone selected");
  return ZoneRowText(core::ZoneTable()[static_cast<std::size_t>(row)].text);
}

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

struct Span {
  QString text;
  bool bold = false;
};
using Paragraph = std::vector<Span>;

struct Piece {  // text drawn from a point on its baseline
  QPointF at;
  QString text;
  QFont font;
};

struct Page {
  std::vector<Piece> pieces;
  std::vector<QLineF> rules;
  std::optional<QRectF> chart;
};

// Lays the reading out in device units, page by page; drawing comes after, once the number
// of pages is known.
class PageLayout {
 public:
  PageLayout(QPaintDevice& device, qreal readingPoints)
      : device_(device),
        unit_(device.logicalDpiY() / 72.0),
        width_(device.width()),
        bottom_(device.height() - Pt(26)),
        readingPoints_(readingPoints) {
    pages_.emplace_back();
  }

  qreal Pt(qreal points) const { return points * unit_; }
  QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }
  std::vector<Page>& Pages() { return pages_; }

  void Header(const KeptReading& reading);
  void ChartBlock(const KeptReading& reading);
  void Reading(const core::ResultSheet& sheet);
  void Timing(const KeptReading& reading);

 private:
  // One row of a table: each cell wrapped in its column, the columns starting at `at`.
  void Cells(const QStringList& cells, const std::vector<qreal>& at, qreal width, qreal points,
             bool bold);
  // Writes the paragraph wrapped into `width` from `left`, lines `lineSpacing` apart, starting
  // with the baseline of its first line at y_ + ascent; breaks pages only when `mayBreak`.
  void Flow(const Paragraph& paragraph, qreal left, qreal width, qreal points, bool mayBreak);
  // A label and its value, the value wrapped beside the label.
  void Row(const QString& label, const QString& value, qreal left, qreal labelWidth, qreal width,
           qreal points);
  void Rule() {
    y_ += Pt(5);
    pages_.back().rules.emplace_back(0, y_, width_, y_);
    y_ += Pt(7);
  }

  QPaintDevice& device_;
  qreal unit_, width_, bottom_, readingPoints_;
  qreal y_ = 0;
  std::vector<Page> pages_;
};

void PageLayout::Flow(const Paragraph& paragraph, qreal left, qreal width, qreal points,
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
  for (const Span& span : paragraph) {
    const QFont& font = span.bold ? bold : regular;
    const QFontMetricsF metrics = Metrics(font);
    // Words with the blanks that follow them; a line never starts with a blank.
    static const QRegularExpression kWord(QStringLiteral("\\S+\\s*|\\s+"));
    for (auto it = kWord.globalMatch(span.text); it.hasNext();) {
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

void PageLayout::Row(const QString& label, const QString& value, qreal left, qreal labelWidth,
                     qreal width, qreal points) {
  const qreal top = y_;
  Flow({{label, true}}, left, labelWidth, points, false);
  const qreal labelBottom = y_;
  y_ = top;
  // A value longer than the page (a name as long as the box takes) goes on to the next.
  const std::size_t page = pages_.size();
  Flow({{value.isEmpty() ? QStringLiteral("–") : value, false}}, left + labelWidth,
       width - labelWidth, points, true);
  if (pages_.size() == page) y_ = std::max(y_, labelBottom);
}

void PageLayout::Header(const KeptReading& reading) {
  const core::BirthRecord& r = reading.record;
  const core::ResultSheet& sheet = reading.sheet;
  const QFont title = PageFont(18, true), subtitle = PageFont(12);
  const qreal baseline = Metrics(title).ascent();
  const QString kind = QCoreApplication::translate("ReadingPage", "Pataki Chakra");
  const qreal kindWidth = Metrics(subtitle).horizontalAdvance(kind);
  pages_.back().pieces.push_back({{width_ - kindWidth, baseline}, kind, subtitle});
  Flow({{FromUtf8(r.PersonName), true}}, 0, width_ - kindWidth - Pt(12), 18, true);
  y_ += Pt(4);

  const QString born = Joined(
      {WrittenWord(sheet, "lblVaar"),
       r.BirthMoment ? WithMonthNames(FromUtf8(reading::DateTimeText(*r.BirthMoment))) : QString()},
      QStringLiteral(", "));
  // The clock the atlas decided, in words; else the row and box as the person set them.
  const QString zone =
      !reading.clock.empty() ? ClockText(FromUtf8(reading.clock))
      : std::holds_alternative<core::ExactOrigin>(r.Birth.offset.origin)
          ? QCoreApplication::translate("ReadingPage", "the place's own clock · %1 used")
                .arg(UtcOffset(r))
          : QCoreApplication::translate("ReadingPage", "%1 · daylight saving %2 · %3 used")
                .arg(ZoneRow(reading.entries.cmbTimeZone),
                     r.IsDst ? QCoreApplication::translate("ReadingPage", "on")
                             : QCoreApplication::translate("ReadingPage", "off"),
                     UtcOffset(r));
  const QString place = Joined(
      {Joined({Written(sheet, "lblCity"), Written(sheet, "lblState"), Written(sheet, "lblCountry")},
              QStringLiteral(", ")),
       Joined({Written(sheet, "lblLatitude"), Written(sheet, "lblLongitude")},
              QStringLiteral(", "))},
      QStringLiteral(" · "));
  const qreal labelWidth = Pt(62);
  Row(QCoreApplication::translate("ReadingPage", "Born"), born, 0, labelWidth, width_, 9.5);
  Row(QCoreApplication::translate("ReadingPage", "Time zone"), zone, 0, labelWidth, width_, 9.5);
  Row(QCoreApplication::translate("ReadingPage", "Place"), place, 0, labelWidth, width_, 9.5);
  Row(QCoreApplication::translate("ReadingPage", "Ayanamsa"), Degrees(r.AyanamsaValue), 0,
      labelWidth, width_, 9.5);
  Rule();
}

void PageLayout::ChartBlock(const KeptReading& reading) {
  const core::BirthRecord& r = reading.record;
  const core::ResultSheet& sheet = reading.sheet;
  const qreal top = y_;
  const qreal chartWidth = width_ * 0.58;
  const QRectF chart(0, top, chartWidth, chartWidth / ChartAspect());
  pages_.back().chart = chart;
  y_ = chart.bottom() + Pt(3);
  Flow({{QCoreApplication::translate(
             "ReadingPage", "Shaded: the Lagna's sign and its vedha signs.  (R): retrograde."),
         false}},
       0, chartWidth, 7.5, false);
  const qreal chartBottom = y_;

  const qreal left = chartWidth + Pt(14), width = width_ - left;
  y_ = top;
  std::vector<std::pair<QString, QString>> bodies;
  for (int k = 0; k < core::kBodyCount; ++k)
    bodies.emplace_back(k == core::kLagna
                            ? QCoreApplication::translate("ReadingPage", "Lagna (Asc)")
                            : BodyName(r, k),
                        Written(sheet, core::PositionLabel(k)));
  const QString period = WrittenWord(sheet, "lblPeriod");
  // The result window shows one yamardha as the period's eighth, rounded to the second.
  const auto yamardha = static_cast<std::int32_t>(std::nearbyint(r.PeriodSeconds / 8.0));
  const std::pair<QString, QString> rows[] = {
      {QCoreApplication::translate("ReadingPage", "Weekday"), WrittenWord(sheet, "lblVaar")},
      {QCoreApplication::translate("ReadingPage", "Sunrise"), WrittenWord(sheet, "lblSunRise")},
      {QCoreApplication::translate("ReadingPage", "Sunset"), WrittenWord(sheet, "lblSunSet")},
      {period.isEmpty() ? QCoreApplication::translate("ReadingPage", "Period") : period,
       period.isEmpty() ? QString() : Duration(r.PeriodSeconds)},
      {QCoreApplication::translate("ReadingPage", "Yamardha"),
       period.isEmpty() ? QString() : Duration(yamardha)},
      {QCoreApplication::translate("ReadingPage", "Yamardhapati"),
       WrittenWord(sheet, "lblYamardhapati")},
      {QCoreApplication::translate("ReadingPage", "Dandadhipati"),
       WrittenWord(sheet, "lblDandadhipati")},
      {QCoreApplication::translate("ReadingPage", "Lagna"), WrittenWord(sheet, "lblLagna")},
      {QCoreApplication::translate("ReadingPage", "Rashi"), WrittenWord(sheet, "lblRashi")}};
  // One label column for both tables, as wide as their widest label.
  const QFontMetricsF labelMetrics = Metrics(PageFont(9, true));
  qreal labelWidth = 0;
  for (const auto& row : bodies)
    labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(row.first));
  for (const auto& row : rows)
    labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(row.first));
  labelWidth += Pt(8);
  Flow({{QCoreApplication::translate("ReadingPage", "Planetary positions"), true}}, left, width,
       10.5, false);
  y_ += Pt(2);
  for (const auto& [body, position] : bodies) Row(body, position, left, labelWidth, width, 9);
  y_ += Pt(8);
  Flow({{QCoreApplication::translate("ReadingPage", "Pataki Chakra details"), true}}, left, width,
       10.5, false);
  y_ += Pt(2);
  for (const auto& [label, value] : rows) Row(label, value, left, labelWidth, width, 9);
  y_ = std::max(y_, chartBottom);
  Rule();
}

void PageLayout::Reading(const core::ResultSheet& sheet) {
  // The runs break into paragraphs at their line breaks; runs of blank lines count as one.
  // They are the library's English runs: the structured reading, drawn from translated
  // sentence templates in the language in use, takes the place of sheet.RTB here.
  std::vector<Paragraph> paragraphs(1);
  for (const core::TextRun& run : sheet.RTB) {
    const QStringList lines =
        FromUtf8(run.text).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) paragraphs.emplace_back();
      if (!lines[i].isEmpty()) paragraphs.back().push_back({lines[i], run.emphasis});
    }
  }
  bool gap = false;
  for (const Paragraph& paragraph : paragraphs) {
    if (paragraph.empty()) {
      gap = true;
      continue;
    }
    if (gap && y_ > 0) y_ += Pt(readingPoints_ * 0.6);
    gap = false;
    if (y_ + Metrics(PageFont(readingPoints_)).lineSpacing() > bottom_) {
      pages_.emplace_back();
      y_ = 0;
    }
    Flow(paragraph, 0, width_, readingPoints_, true);
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

// The nakshatras beside the mahadashas, on a page of their own where the last has no room.
void PageLayout::Timing(const KeptReading& reading) {
  const reading::Timing timing = reading::TimingOf(reading.record);
  const qreal points = 8.5;
  const qreal needed = Metrics(PageFont(points)).lineSpacing() * 16 + Pt(30);
  if (y_ + needed > bottom_) {
    pages_.emplace_back();
    y_ = 0;
  } else if (y_ > 0) {
    Rule();
  }
  Flow({{QCoreApplication::translate("ReadingPage", "Nakshatra and Vimshottari dasha"), true}}, 0,
       width_, 10.5, false);
  const std::optional<core::Calculation>& calculation = reading.entries.calculation;
  Flow({{QCoreApplication::translate("ReadingPage", "From the Moon of: %1. %2.")
             .arg(CalculationCaption(calculation),
                  EphemerisSourceCaption(calculation, reading.record.EphemerisFiles)),
         false}},
       0, width_, points, false);
  if (timing.dasha)
    Flow({{BalanceCaption(timing.dasha->balance) + QStringLiteral(". ") +
               YearLengthCaption(*timing.dasha) + QStringLiteral("."),
           false}},
         0, width_, points, false);
  y_ += Pt(4);
  const qreal top = y_;
  const qreal split = width_ * 0.48;
  const std::vector<qreal> left = {0, split * 0.25, split * 0.68, split * 0.8};
  Cells({QCoreApplication::translate("ReadingPage", "Body"),
         QCoreApplication::translate("ReadingPage", "Nakshatra"),
         QCoreApplication::translate("ReadingPage", "Pada"),
         QCoreApplication::translate("ReadingPage", "Lord")},
        left, split, points, true);
  for (int k = 0; k < core::kBodyCount; ++k) {
    const QString body = k == core::kLagna
                             ? QCoreApplication::translate("ReadingPage", "Lagna (Asc)")
                             : BodyName(reading.record, k);
    const auto& at = timing.nakshatras[static_cast<std::size_t>(k)];
    Cells(at ? QStringList{body,
                           QCoreApplication::translate(
                               "Nakshatras", std::string(dasha::NakshatraName(at->number)).c_str()),
                           QString::number(at->pada), LordCaption(at->lord)}
             : QStringList{body},
          left, split, points, false);
  }
  const qreal leftBottom = y_;
  y_ = top;
  if (timing.dasha) {
    const qreal from = split + Pt(14);
    const std::vector<qreal> right = {from, from + (width_ - from) * 0.25,
                                      from + (width_ - from) * 0.5, from + (width_ - from) * 0.75};
    Cells({QCoreApplication::translate("ReadingPage", "Mahadasha"),
           QCoreApplication::translate("ReadingPage", "Start"),
           QCoreApplication::translate("ReadingPage", "End"),
           QCoreApplication::translate("ReadingPage", "Age at start")},
          right, width_, points, true);
    for (const dasha::Mahadasha& maha : timing.dasha->mahadashas)
      Cells({LordCaption(maha.period.lord), DateCaption(maha.period.startDate),
             DateCaption(maha.period.endDate), AgeCaption(maha)},
            right, width_, points, false);
  }
  y_ = std::max(y_, leftBottom);
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
  const QString middle = QCoreApplication::translate("ReadingPage", "Printed %1").arg(date);
  const QString right =
      QCoreApplication::translate("ReadingPage", "Page %1 of %2").arg(page).arg(pages);
  painter.drawText(QPointF(0, baseline), left);
  painter.drawText(QPointF((device.width() - metrics.horizontalAdvance(middle)) / 2, baseline),
                   middle);
  painter.drawText(QPointF(device.width() - metrics.horizontalAdvance(right), baseline), right);
}

std::vector<Page> LayOut(QPaintDevice& device, const KeptReading& reading) {
  // A longer reading takes a smaller type before it takes a third page.
  for (const qreal points : {10.0, 9.0, 8.0}) {
    PageLayout layout(device, points);
    layout.Header(reading);
    layout.ChartBlock(reading);
    layout.Reading(reading.sheet);
    layout.Timing(reading);
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

int PaintReadingPages(QPagedPaintDevice& device, const KeptReading& reading, const QDate& printed) {
  const std::vector<Page> pages = LayOut(device, reading);
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const qreal unit = device.logicalDpiY() / 72.0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) device.newPage();
    const Page& page = pages[i];
    painter.setPen(QPen(Qt::black, 0.75 * unit));
    for (const QLineF& rule : page.rules) painter.drawLine(rule);
    if (page.chart) DrawChart(painter, *page.chart, reading.sheet, 7.5);
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
  QString name = FromUtf8(reading.record.PersonName).trimmed();
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
  return (name.isEmpty() ? QString() : name + QLatin1Char(' ')) + QStringLiteral("Pataki Chakra") +
         suffix;
}

}  // namespace ui
