#include "ui/output/page_content.h"

#include <QCoreApplication>
#include <array>
#include <cmath>

#include "core/zone_table.h"
#include "panchanga/panchanga.h"
#include "places/clock_status.h"
#include "reading/birth_panchanga.h"
#include "reading/reading.h"
#include "reading/timing.h"
#include "ui/common/calculation_caption.h"
#include "ui/common/dasha_captions.h"
#include "ui/common/filled_template.h"
#include "ui/common/library_texts.h"
#include "ui/common/reading_text.h"
#include "varga/vargas.h"

namespace ui {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption the reading wrote, or the empty text (never a design caption).
QString Written(const core::ResultSheet& sheet, std::string_view widget) {
  return FromUtf8(sheet.WrittenCaption(widget)).trimmed();
}

// A caption the reading wrote (a weekday, a planet, a position, a sun time), in the language in
// use.
QString WrittenWord(const core::ResultSheet& sheet, std::string_view widget) {
  return WrittenCaptionText(sheet, widget).trimmed();
}

QString Joined(const QStringList& parts, const QString& separator) {
  QStringList kept;
  for (const QString& part : parts)
    if (!part.trimmed().isEmpty()) kept << part.trimmed();
  return kept.join(separator);
}

// "11 h 44 min"; the seconds are dropped as the result window drops them.
QString Duration(std::int32_t seconds) {
  return Filled(QCoreApplication::translate("ReadingPage", "%1 h %2 min"),
                {QString::number(seconds / 3600), TwoDigits(seconds % 3600 / 60)});
}

// "UTC+05:30": the offset from universal time the reading used, daylight saving included; an
// exact offset's seconds where it has them ("UTC+05:21:10").
QString UtcOffset(const core::BirthRecord& r) {
  const auto seconds = static_cast<int>(r.Birth.offset.east.count());
  return FromUtf8(places::UtcOffsetText(seconds, places::OffsetStyle::Page));
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

QString BodyLabel(const core::BirthRecord& r, int k) {
  return k == core::kLagna
             ? QCoreApplication::translate("ReadingPage", "Lagna (Asc)")
             : SheetCaption(FromUtf8(r.BodyNames[static_cast<std::size_t>(k)]).trimmed());
}

PageRows BirthRows(const KeptReading& reading) {
  const core::BirthRecord& r = reading.record;
  const core::ResultSheet& sheet = reading.sheet;
  const QString born = Joined({WrittenWord(sheet, "lblVaar"),
                               r.BirthMoment ? LocalDateTimeText(*r.BirthMoment) : QString()},
                              QStringLiteral(", "));
  // The clock the atlas decided, in words; else the row and box as the person set them.
  const QString zone =
      !reading.clock.empty() ? ClockText(FromUtf8(reading.clock))
      : std::holds_alternative<core::ExactOrigin>(r.Birth.offset.origin)
          ? Filled(QCoreApplication::translate("ReadingPage", "the place's own clock · %1 used"),
                   {UtcOffset(r)})
          : Filled(QCoreApplication::translate("ReadingPage", "%1 · daylight saving %2 · %3 used"),
                   {ZoneRow(reading.entries.cmbTimeZone),
                    r.IsDst ? QCoreApplication::translate("ReadingPage", "on")
                            : QCoreApplication::translate("ReadingPage", "off"),
                    UtcOffset(r)});
  const QString place = Joined(
      {Joined({Written(sheet, "lblCity"), Written(sheet, "lblState"), Written(sheet, "lblCountry")},
              QStringLiteral(", ")),
       Joined({WrittenWord(sheet, "lblLatitude"), WrittenWord(sheet, "lblLongitude")},
              QStringLiteral(", "))},
      QStringLiteral(" · "));
  return {{{QCoreApplication::translate("ReadingPage", "Born"), born},
           {QCoreApplication::translate("ReadingPage", "Time zone"), zone},
           {QCoreApplication::translate("ReadingPage", "Place"), place},
           {QCoreApplication::translate("ReadingPage", "Ayanamsa"), Degrees(r.AyanamsaValue)}}};
}

PageChart Chart(const KeptReading& reading) {
  const core::BirthRecord& r = reading.record;
  const core::ResultSheet& sheet = reading.sheet;
  PageRowGroup positions{QCoreApplication::translate("ReadingPage", "Planetary positions"), {}};
  for (int k = 0; k < core::kBodyCount; ++k)
    positions.rows.push_back({BodyLabel(r, k), WrittenWord(sheet, core::PositionLabel(k))});
  const QString period = WrittenWord(sheet, "lblPeriod");
  // One yamardha as the result window shows it: the period's eighth, rounded to the second.
  const std::int32_t yamardha = r.YamardhaSeconds;
  PageRowGroup details{
      QCoreApplication::translate("ReadingPage", "Pataki Chakra details"),
      {{QCoreApplication::translate("ReadingPage", "Weekday"), WrittenWord(sheet, "lblVaar")},
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
       {QCoreApplication::translate("ReadingPage", "Rashi"), WrittenWord(sheet, "lblRashi")}}};
  std::vector<PageChartDrawing> charts;
  if (sheet.chart) charts.push_back({&*sheet.chart, &chart::PatakiStyle()});
  return {std::move(charts),
          QCoreApplication::translate(
              "ReadingPage", "Shaded: the Lagna's sign and its vedha signs.  (R): retrograde."),
          {std::move(positions), std::move(details)}};
}

// The runs break into paragraphs at their line breaks; runs of blank lines count as one.
PageText VedhaReading(const core::ResultSheet& sheet) {
  PageText text;
  PageParagraph paragraph;
  bool blank = false;
  const auto close = [&] {
    if (paragraph.runs.empty()) {
      blank = true;
    } else {
      paragraph.afterBlankLine = blank;
      text.paragraphs.push_back(std::move(paragraph));
      blank = false;
    }
    paragraph = {};
  };
  for (const ReadingLines& run : ReadingTextLines(sheet)) {
    for (qsizetype i = 0; i < run.lines.size(); ++i) {
      if (i > 0) close();
      if (!run.lines[i].isEmpty()) paragraph.runs.push_back({run.lines[i], run.emphasis});
    }
  }
  if (!paragraph.runs.empty()) close();
  return text;
}

// The nakshatras beside the mahadashas.
PageTables Timing(const KeptReading& reading) {
  // A reading kept without its timing (as a test makes one) has it computed here.
  const reading::Timing timing =
      reading.timing ? *reading.timing : reading::TimingOf(reading.record);
  const std::optional<core::Calculation>& calculation = reading.entries.calculation;
  PageTables tables{QCoreApplication::translate("ReadingPage", "Nakshatra and Vimshottari dasha"),
                    {Filled(QCoreApplication::translate("ReadingPage", "Calculation: %1. %2."),
                            {CalculationCaption(calculation),
                             EphemerisSourceCaption(calculation, reading.record.EphemerisFiles)})},
                    {}};
  // One template, so each language ends the two sentences with its own full stop (Hindi's ।).
  if (timing.dasha)
    tables.notes << Filled(
        QCoreApplication::translate("ReadingPage", "%1. %2.",
                                    "the dasha's balance at birth; the year"),
        {BalanceCaption(timing.dasha->balance), YearLengthCaption(*timing.dasha)});
  // The Nakshatra column is wide, the Pada narrow, so the lords' names have room.
  PageTable nakshatras{{0, 0.25, 0.68, 0.8},
                       {QCoreApplication::translate("ReadingPage", "Body"),
                        QCoreApplication::translate("ReadingPage", "Nakshatra"),
                        QCoreApplication::translate("ReadingPage", "Pada"),
                        QCoreApplication::translate("ReadingPage", "Lord")},
                       {}};
  for (int k = 0; k < core::kBodyCount; ++k) {
    const QString body = BodyLabel(reading.record, k);
    const auto& at = timing.nakshatras[static_cast<std::size_t>(k)];
    nakshatras.rows.push_back(
        at ? QStringList{body,
                         QCoreApplication::translate(
                             "Nakshatras", std::string(dasha::NakshatraName(at->number)).c_str()),
                         QString::number(at->pada), LordCaption(at->lord)}
           : QStringList{body});
  }
  tables.tables.push_back(std::move(nakshatras));
  if (timing.dasha) {
    PageTable mahadashas{{0, 0.25, 0.5, 0.75},
                         {QCoreApplication::translate("ReadingPage", "Mahadasha"),
                          QCoreApplication::translate("ReadingPage", "Start"),
                          QCoreApplication::translate("ReadingPage", "End"),
                          QCoreApplication::translate("ReadingPage", "Age at start")},
                         {}};
    for (const dasha::Mahadasha& maha : timing.dasha->mahadashas)
      mahadashas.rows.push_back({LordCaption(maha.period.lord), DateCaption(maha.period.startDate),
                                 DateCaption(maha.period.endDate), AgeCaption(maha)});
    tables.tables.push_back(std::move(mahadashas));
  }
  return tables;
}

// The signs short, so sixteen columns fit the page's width.
constexpr std::array<const char*, 12> kShortSigns = {
    QT_TRANSLATE_NOOP("SignsShort", "Ari"), QT_TRANSLATE_NOOP("SignsShort", "Tau"),
    QT_TRANSLATE_NOOP("SignsShort", "Gem"), QT_TRANSLATE_NOOP("SignsShort", "Can"),
    QT_TRANSLATE_NOOP("SignsShort", "Leo"), QT_TRANSLATE_NOOP("SignsShort", "Vir"),
    QT_TRANSLATE_NOOP("SignsShort", "Lib"), QT_TRANSLATE_NOOP("SignsShort", "Sco"),
    QT_TRANSLATE_NOOP("SignsShort", "Sag"), QT_TRANSLATE_NOOP("SignsShort", "Cap"),
    QT_TRANSLATE_NOOP("SignsShort", "Aqu"), QT_TRANSLATE_NOOP("SignsShort", "Pis")};

QString ShortSign(int sign) {
  if (sign < 0 || sign >= 12) return {};
  return QCoreApplication::translate("SignsShort", kShortSigns[static_cast<std::size_t>(sign)]);
}

// The names the library gives (vargas, tithis, pakshas, yogas, karanas), in the language in use.
// A yoga is told apart, as "Shukla" names both a yoga and a paksha.
QString PanchangaWord(std::string_view name, const char* kind = nullptr) {
  return QCoreApplication::translate("Panchanga", std::string(name).c_str(), kind);
}

// Bodies by rows, the sixteen charts by columns; a vargottama body's label marked.
PageTables Vargas(const KeptReading& reading) {
  const varga::Vargas vargas = varga::VargasOf(reading.record.Longitudes);
  const QString mark = QStringLiteral(" *");
  QStringList names;
  PageTable table{{}, {QCoreApplication::translate("ReadingPage", "Body")}, {}};
  table.columnStarts.push_back(0);
  for (std::size_t c = 0; c < varga::kCharts.size(); ++c) {
    const varga::Chart chart = varga::kCharts[c];
    table.columnStarts.push_back(0.13 + 0.87 * static_cast<double>(c) / varga::kChartCount);
    table.header << FromUtf8(varga::ChartKey(chart));
    // A no-break space keeps each key with its name when the line wraps.
    names << FromUtf8(varga::ChartKey(chart)) + QChar(0x00A0) +
                 PanchangaWord(varga::ChartName(chart));
  }
  for (int k = 0; k < core::kBodyCount; ++k) {
    const auto body = static_cast<std::size_t>(k);
    QStringList row{BodyLabel(reading.record, k) + (vargas.vargottama[body] ? mark : QString())};
    for (const varga::Signs& signs : vargas.charts) row << ShortSign(signs[body]);
    table.rows.push_back(std::move(row));
  }
  return {
      QCoreApplication::translate("ReadingPage", "Divisional charts (vargas)"),
      {names.join(QStringLiteral(" · ")),
       QCoreApplication::translate("ReadingPage", "*: vargottama, the same sign in D1 and D9.")},
      {std::move(table)},
      true};
}

QString VaraNote(panchanga::VaraNote note) {
  switch (note) {
    case panchanga::VaraNote::BeforeSunrise:
      return QCoreApplication::translate(
          "ReadingPage",
          "Born before the sunrise of the date: the Hindu day, and its weekday, began at the "
          "previous sunrise.");
    case panchanga::VaraNote::NoSunrise:
      return QCoreApplication::translate(
          "ReadingPage",
          "The Sun did not rise on the date of birth: the weekday is the calendar's.");
    case panchanga::VaraNote::AfterSunrise:
      break;
  }
  return {};
}

// The five elements of the birth moment with the moments they began and end, on the clock the
// reading used; computed here, when the page is made, and never for the window.
PageTables Panchanga(const KeptReading& reading) {
  PageTables tables{
      QCoreApplication::translate("ReadingPage", "Panchanga of the birth"), {}, {}, true};
  const std::optional<reading::BirthPanchanga> p = reading::PanchangaOf(reading.record);
  if (!p) {
    tables.notes << QCoreApplication::translate(
        "ReadingPage", "The panchanga could not be computed with this calculation.");
    return tables;
  }
  const QString note = VaraNote(p->vara.note);
  if (!note.isEmpty()) tables.notes << note;
  const auto offset = reading.record.Birth.offset.east;
  const auto local = [&](std::chrono::sys_seconds t) {
    return LocalDateTimeText(core::LocalTime{t.time_since_epoch() + offset});
  };
  PageTable table{{0, 0.16, 0.5, 0.75},
                  {QCoreApplication::translate("ReadingPage", "Element"),
                   QCoreApplication::translate("ReadingPage", "At birth"),
                   QCoreApplication::translate("ReadingPage", "Began"),
                   QCoreApplication::translate("ReadingPage", "Ends")},
                  {}};
  table.rows.push_back({QCoreApplication::translate("ReadingPage", "Vara"),
                        Filled(QCoreApplication::translate("ReadingPage", "%1, its lord %2"),
                               {SheetCaption(FromUtf8(panchanga::WeekdayName(p->vara.day))),
                                SheetCaption(FromUtf8(panchanga::WeekdayLord(p->vara.day)))})});
  const panchanga::Elements& e = p->elements;
  const auto add = [&](const QString& label, const QString& name, const panchanga::Element& at) {
    table.rows.push_back({label, name, local(at.start), local(at.end)});
  };
  add(QCoreApplication::translate("ReadingPage", "Tithi"),
      Filled(QCoreApplication::translate("ReadingPage", "%1, %2 paksha"),
             {PanchangaWord(panchanga::TithiName(e.tithi.number)),
              PanchangaWord(panchanga::PakshaName(e.tithi.number))}),
      e.tithi);
  add(QCoreApplication::translate("ReadingPage", "Nakshatra"),
      QCoreApplication::translate("Nakshatras",
                                  std::string(dasha::NakshatraName(e.nakshatra.number)).c_str()),
      e.nakshatra);
  add(QCoreApplication::translate("ReadingPage", "Yoga"),
      PanchangaWord(panchanga::YogaName(e.yoga.number), "yoga"), e.yoga);
  add(QCoreApplication::translate("ReadingPage", "Karana"),
      PanchangaWord(panchanga::KaranaName(e.karana.number)), e.karana);
  tables.tables.push_back(std::move(table));
  return tables;
}

}  // namespace

std::vector<PageBlock> ReadingPageContent(const KeptReading& reading) {
  std::vector<PageBlock> blocks;
  blocks.emplace_back(PageHeading{FromUtf8(reading.record.PersonName),
                                  QCoreApplication::translate("ReadingPage", "Pataki Chakra")});
  blocks.emplace_back(BirthRows(reading));
  blocks.emplace_back(Chart(reading));
  blocks.emplace_back(VedhaReading(reading.sheet));
  blocks.emplace_back(Timing(reading));
  blocks.emplace_back(Vargas(reading));
  blocks.emplace_back(Panchanga(reading));
  return blocks;
}

}  // namespace ui
