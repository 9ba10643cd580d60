#include "ui/common/reading_text.h"

#include <QCoreApplication>
#include <cmath>

#include "chakra/vedha_reading.h"
#include "core/birth_record.h"
#include "ui/common/filled_template.h"
#include "ui/common/language.h"
#include "ui/common/library_texts.h"

namespace ui {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A template of the reading: the English source and, for the sentences of the Lagna or the
// Rashi, the target as its disambiguation, so that a language that inflects the target
// (Tamil's லக்னத்திற்கு, ராசிக்கு) writes it into each template itself.
struct Template {
  const char* source;
  const char* comment;
};

QString Translated(const Template& t, int n = -1) {
  return QCoreApplication::translate("ReadingText", t.source, t.comment, n);
}

// By target: [0] Lagna, [1] Rashi.
constexpr Template kPlaced[2] = {
    QT_TRANSLATE_NOOP3("ReadingText", "Dandadhipati Is Placed In The %1", "Lagna"),
    QT_TRANSLATE_NOOP3("ReadingText", "Dandadhipati Is Placed In The %1", "Rashi")};
constexpr Template kNotPlaced[2] = {
    QT_TRANSLATE_NOOP3("ReadingText", "Dandadhipati Is Not Placed In The %1", "Lagna"),
    QT_TRANSLATE_NOOP3("ReadingText", "Dandadhipati Is Not Placed In The %1", "Rashi")};
constexpr Template kCauseVedha[2] = {
    QT_TRANSLATE_NOOP3("ReadingText", "Cause Vedha To The %1", "Lagna"),
    QT_TRANSLATE_NOOP3("ReadingText", "Cause Vedha To The %1", "Rashi")};
// %n: the malefics (1 to 3).
constexpr Template kMaleficCount[2] = {
    QT_TRANSLATE_N_NOOP3("ReadingText", "Vedha to %1 from %n Malefic Planet", "Lagna"),
    QT_TRANSLATE_N_NOOP3("ReadingText", "Vedha to %1 from %n Malefic Planet", "Rashi")};
constexpr Template kBeneficAndMalefic[2] = {
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha to %1 from Benefic and Malefic Planets", "Lagna"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha to %1 from Benefic and Malefic Planets", "Rashi")};
constexpr Template kTargets[2] = {QT_TRANSLATE_NOOP3("ReadingText", "Lagna", "target"),
                                  QT_TRANSLATE_NOOP3("ReadingText", "Rashi", "target")};

// "Vedha from %1 :- %2" by body (0 Sun .. 8 Ketu; the Moon has no line), the planet as the
// disambiguation for a language that writes it in a case of its own (Tamil's சூரியனால்).
constexpr Template kPlanetEffect[9] = {
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Sun"),
    Template{nullptr, nullptr},
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Mercury"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Venus"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Mars"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Jupiter"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Saturn"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Rahu"),
    QT_TRANSLATE_NOOP3("ReadingText", "Vedha from %1 :- %2", "Ketu")};

// chakra::VedhaEffectAreas's texts, translated whole.
[[maybe_unused]] constexpr const char* kEffectAreas[] = {
    QT_TRANSLATE_NOOP("ReadingText", "Bile related problems; fever; mental tensions"),
    QT_TRANSLATE_NOOP("ReadingText", "Blood disorders; accidents; fights; short temper"),
    QT_TRANSLATE_NOOP("ReadingText", "Intelligence; Wealth; Education"),
    QT_TRANSLATE_NOOP("ReadingText", "Elevation of status; mental peace; child birth; prosperity"),
    QT_TRANSLATE_NOOP("ReadingText", "Income; wealth; sensual pleasures"),
    QT_TRANSLATE_NOOP("ReadingText", "Physical ailments; loss of stature; problems"),
    QT_TRANSLATE_NOOP("ReadingText", "Loss of honor; loss of wealth; phobias"),
    QT_TRANSLATE_NOOP("ReadingText", "Ill health; poor digestion; depression")};

QString Tr(const char* source) {
  return QCoreApplication::translate("ReadingText", source);
}

// The template with the target put in, where the language's template takes it (Tamil writes
// the target into each template in its own case).
QString WithTarget(const QString& text, const QString& target) {
  return Filled(text, {target});
}

// A planet's name, body 0 Sun .. 8 Ketu, in the language in use.
QString PlanetName(int body) {
  if (body < 0 || body >= static_cast<int>(core::kPlanetCount)) return {};
  return SheetCaption(FromUtf8(core::kBodyNames[static_cast<std::size_t>(body)]));
}

// The full name of sign 0..11 (मेष, மேஷம்); the sheet's words hold the Sanskrit names.
QString SignName(int sign) {
  if (sign < 0 || sign >= 12) return {};
  return SheetCaption(FromUtf8(core::kSanskritSignNames[static_cast<std::size_t>(sign)]));
}

// "27 Can 59" with the sign by its full name, "27 कर्क 59"; beyond the signs as written.
QString PositionText(const core::Longitude& longitude, const QString& caption) {
  const core::LongitudeFigures figures = longitude.Figures();
  if (figures.sign < 0) return caption;
  return Filled(
      QCoreApplication::translate("Sheet", "%1 %2 %3", "position: degrees, sign, minutes"),
      {TwoDigits(static_cast<long>(figures.degrees)), SignName(figures.sign),
       TwoDigits(static_cast<long>(figures.minutes))});
}

// "13° 5' N": the side by its word (उ, வடக்கு).
QString CoordinateText(const core::GeoAngle& angle, bool latitude) {
  const char* const templates[2][2] = {
      {QT_TRANSLATE_NOOP("Sheet", "%1° %2' N"), QT_TRANSLATE_NOOP("Sheet", "%1° %2' S")},
      {QT_TRANSLATE_NOOP("Sheet", "%1° %2' E"), QT_TRANSLATE_NOOP("Sheet", "%1° %2' W")}};
  return Filled(
      QCoreApplication::translate("Sheet", templates[latitude ? 0 : 1][angle.positive ? 0 : 1]),
      {QString::number(static_cast<std::int16_t>(angle.degrees)),
       QString::number(static_cast<std::int16_t>(angle.minutes))});
}

// "August/15/1947": month name, day and year in the language's order.
QString BirthDateText(std::chrono::year_month_day date) {
  return Filled(QCoreApplication::translate("Sheet", "%1/%2/%3"),
                {MonthText(int(unsigned(date.month()))),
                 QString::number(static_cast<std::int16_t>(unsigned(date.day()))),
                 QString::number(static_cast<std::int16_t>(int(date.year())))});
}

// The sunrise or sunset: its date and time, and the note when the Sun did not rise or set.
QString SunTimeText(const core::ReadingFacts& facts, std::size_t which) {
  const auto& time = facts.sunTimes[which];
  if (!time) return {};
  const QString when = LocalDateTimeText(*time);
  switch (facts.sunDays[which]) {
    case core::SunDay::NeverSets:
      return Filled(QCoreApplication::translate("Sheet", "%1 (the Sun did not set this day)"),
                    {when});
    case core::SunDay::NeverRises:
      return Filled(QCoreApplication::translate("Sheet", "%1 (the Sun did not rise this day)"),
                    {when});
    case core::SunDay::RisesAndSets:
    case core::SunDay::RisesOnly:
    case core::SunDay::SetsOnly:
      break;
  }
  return when;
}

}  // namespace

QString ReadingSentenceText(const core::ReadingItem& item) {
  using core::ReadingSentence;
  const std::size_t t = item.target == core::ReadingTarget::Lagna ? 0 : 1;
  const QString target = Translated(kTargets[t]);
  switch (item.sentence) {
    case ReadingSentence::Heading:
      return Tr(QT_TRANSLATE_NOOP("ReadingText", "More About Vedha and Dandadhipati"));
    case ReadingSentence::DandadhipatiPlaced:
      return WithTarget(Translated(kPlaced[t]), target);
    case ReadingSentence::DandadhipatiNotPlaced:
      return WithTarget(Translated(kNotPlaced[t]), target);
    case ReadingSentence::CauseVedha:
      return WithTarget(Translated(kCauseVedha[t]), target);
    case ReadingSentence::LagnaVedhaConcerns:
      return Tr(
          QT_TRANSLATE_NOOP("ReadingText", "Vedha of Lagna is related to intelligence issues"));
    case ReadingSentence::RashiVedhaConcerns:
      return Tr(
          QT_TRANSLATE_NOOP("ReadingText", "Vedha of moon is related to health related issues."));
    case ReadingSentence::MaleficOnly:
      return Tr(QT_TRANSLATE_NOOP(
          "ReadingText",
          "You may face a lot of troubles and tensions in areas associated with the planet"));
    case ReadingSentence::BeneficOnly:
      return Tr(QT_TRANSLATE_NOOP(
          "ReadingText", "You may have desirable results in areas associated with the planet"));
    case ReadingSentence::MaleficCount:
      return WithTarget(Translated(kMaleficCount[t], item.malefics), target);
    case ReadingSentence::ManyProblems:
      return Tr(QT_TRANSLATE_NOOP("ReadingText", "You may face many problems and obstacles."));
    case ReadingSentence::PhysicalAilments:
      return Tr(QT_TRANSLATE_NOOP("ReadingText", "You may face come physical ailments"));
    case ReadingSentence::ExtremeProblems:
      return Tr(QT_TRANSLATE_NOOP("ReadingText", "You will face extreme problems."));
    case ReadingSentence::BeneficAndMalefic:
      return WithTarget(Translated(kBeneficAndMalefic[t]), target);
    case ReadingSentence::MixedResults:
      return Tr(QT_TRANSLATE_NOOP(
          "ReadingText",
          "You may have desirable results in areas associated with the benefic planet and you "
          "may face a lot of troubles and tensions in areas associated with the malefic "
          "planet "));
    case ReadingSentence::PlanetEffect: {
      const std::string areas(chakra::VedhaEffectAreas(item.body));
      if (areas.empty() || item.body < 0 || item.body >= 9) return {};
      return Filled(Translated(kPlanetEffect[item.body]),
                    {PlanetName(item.body), Tr(areas.c_str())});
    }
  }
  return {};
}

std::vector<core::TextRun> ReadingRuns(const core::ResultSheet& sheet) {
  if (CurrentLanguage() == Language::English) return sheet.RTB;
  std::vector<core::TextRun> runs;
  runs.reserve(sheet.ReadingBlocks.size());
  for (const core::ReadingBlock& block : sheet.ReadingBlocks) {
    QString text;
    for (std::size_t i = 0; i < block.items.size(); ++i) {
      if (i > 0) text += QStringLiteral("\r\n");
      text += ReadingSentenceText(block.items[i]);
    }
    for (int k = 0; k < block.lineBreaksAfter; ++k) text += QStringLiteral("\r\n");
    runs.push_back({text.toStdString(), block.emphasis, block.colour});
  }
  return runs;
}

std::vector<ReadingLines> ReadingTextLines(const core::ResultSheet& sheet) {
  const bool english = CurrentLanguage() == Language::English;
  std::vector<ReadingLines> blocks;
  blocks.reserve(sheet.ReadingBlocks.size());
  for (const core::ReadingBlock& block : sheet.ReadingBlocks) {
    ReadingLines& out = blocks.emplace_back();
    out.emphasis = block.emphasis;
    for (const core::ReadingItem& item : block.items)
      out.lines << (english ? FromUtf8(chakra::EnglishSentence(item)) : ReadingSentenceText(item));
    // A block without sentences still holds the line its breaks end.
    if (block.items.empty()) out.lines << QString();
    for (int k = 0; k < block.lineBreaksAfter; ++k) out.lines << QString();
  }
  return blocks;
}

QString WrittenCaptionText(const core::ResultSheet& sheet, std::string_view widget) {
  const QString caption = FromUtf8(sheet.WrittenCaption(widget))
                              .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                              .replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // English: the words as the sheet translates them (none unless a translator is installed).
  // Another language writes the captions that hold figures from the facts; a caption the
  // reading did not write stays empty.
  if (CurrentLanguage() == Language::English || caption.isEmpty()) return SheetCaption(caption);
  const core::ReadingFacts& facts = sheet.facts;
  const int slot = core::WrittenWidgetIndex(widget);
  const int body = slot - static_cast<int>(core::PositionSlot(0));
  if (body >= 0 && body < core::kBodyCount)
    return facts.longitudes ? PositionText((*facts.longitudes)[static_cast<std::size_t>(body)],
                                           caption.trimmed())
                            : SheetCaption(caption);
  if (widget == "lblLatitude") return CoordinateText(facts.latitude, true);
  if (widget == "lblLongitude") return CoordinateText(facts.longitude, false);
  if (widget == "lblDOB" && facts.birthDate) return BirthDateText(*facts.birthDate);
  if (widget == "lblSunRise") return SunTimeText(facts, 0);
  if (widget == "lblSunSet") return SunTimeText(facts, 1);
  return SheetCaption(caption);
}

}  // namespace ui
