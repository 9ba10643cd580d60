#pragma once
// What a reading writes into the result window: captions by widget object name, the chart
// (what each sign box holds, and which are highlighted) and the runs of the reading text. The
// window renders a sheet generically; every reading builds a fresh one, as every reading gets a
// fresh window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart_model.h"
#include "core/reading_facts.h"
#include "core/reading_items.h"

namespace core {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours of the standard 16-colour palette used by a reading.
inline constexpr Rgb kHighlightColour{0, 128, 128};  // palette 3: Lagna and its vedha signs
inline constexpr Rgb kReadingTextColour{0, 255, 0};  // palette 10: the reading text

struct TextRun {
  std::string text;
  bool emphasis = false;
  Rgb colour;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// One run of the reading text as data: its lines (joined by line breaks, none after the last),
// then lineBreaksAfter line breaks. A block without items still gives its line breaks.
struct ReadingBlock {
  std::vector<ReadingItem> items;
  bool emphasis = false;
  Rgb colour;
  int lineBreaksAfter = 1;
  friend bool operator==(const ReadingBlock&, const ReadingBlock&) = default;
};

// A result-window widget that a reading writes, with the caption it carries at design.
struct WrittenWidget {
  std::string_view name;
  std::string_view designCaption;
};

inline constexpr std::size_t kWrittenWidgetCount = 40;

// Every widget a reading writes, in the order the window lists them.
// Value labels carry their own widget name as design caption; the window's designer spelled
// two of them differently, and the position labels share their array's name.
inline constexpr std::array<WrittenWidget, kWrittenWidgetCount> kWrittenWidgets = {{
    {"lblName", "LblName"},
    {"lblDOB", "lblDOB"},
    {"lblTOB", "lblTOB"},
    {"lblLatitude", "lblLatitude"},
    {"lblLongitude", "lblLongitude"},
    {"lblCity", "lblCity"},
    {"lblState", "lblState"},
    {"lblCountry", "lblCountry"},
    {"lblVaar", "lblVaar"},
    {"lblSunRise", "lblSunRise"},
    {"lblSunSet", "lblSunSet"},
    {"lblPeriod", "lblPeriod"},
    {"blPeriodDisplay", "blPeriodDisplay"},
    {"lblYamradhaDisplay", "lblYamradhaDisplay"},
    {"lblYamardhapati", "lblYamardhapati"},
    {"lblDandadhipati", "lblDandadhipati"},
    {"lblLagna", "lblLagna"},
    {"lblRashi", "lblRashi"},
    {"lblAries", "lblAries"},
    {"lblTaurus", "lblTaurus"},
    {"lblGemini", "lblGemini"},
    {"lblCancer", "lblcancer"},
    {"lblLeo", "lblLeo"},
    {"lblVirgo", "lblVirgo"},
    {"lblLibra", "lblLibra"},
    {"lblScorpio", "lblScorpio"},
    {"lblSagattarius", "lblSagattarius"},
    {"lblCapricorn", "lblCapricorn"},
    {"lblAquarius", "lblAquarius"},
    {"lblPisces", "lblPisces"},
    {"planet(0)", "planet"},
    {"planet(1)", "planet"},
    {"planet(2)", "planet"},
    {"planet(3)", "planet"},
    {"planet(4)", "planet"},
    {"planet(5)", "planet"},
    {"planet(6)", "planet"},
    {"planet(7)", "planet"},
    {"planet(8)", "planet"},
    {"planet(9)", "planet"},
}};
const std::array<WrittenWidget, kWrittenWidgetCount>& WrittenWidgets();

// The widget's place in WrittenWidgets(), or -1 for a widget a reading does not write.
constexpr int WrittenWidgetIndex(std::string_view widget) {
  for (std::size_t i = 0; i < kWrittenWidgets.size(); ++i)
    if (kWrittenWidgets[i].name == widget) return static_cast<int>(i);
  return -1;
}

// The slot of a widget every reading writes, found while compiling: a misspelt name does not
// build.
consteval std::size_t Slot(std::string_view widget) {
  const int index = WrittenWidgetIndex(widget);
  if (index < 0) throw "not a written widget";
  return static_cast<std::size_t>(index);
}
// The slots of the position labels planet(0)..planet(9) and of the sign boxes' contents follow
// one another in body and sign order.
constexpr std::size_t PositionSlot(int k) {
  return Slot("planet(0)") + static_cast<std::size_t>(k);
}
constexpr std::size_t SignContentSlot(int sign) {
  return Slot("lblAries") + static_cast<std::size_t>(sign);
}

// Sign picture boxes and content labels, in sign order from Aries.
inline constexpr std::array<std::string_view, 12> kSignPictureBoxes = {
    "picAries", "picTaurus",  "picGemini",      "picCancer",    "picLeo",      "picVirgo",
    "picLibra", "picScorpio", "picSagittarius", "picCapricorn", "picAquarius", "picPisces"};
inline constexpr std::array<std::string_view, 12> kSignContentLabels = {
    "lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
    "lblLibra", "lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};
static_assert(
    [] {
      for (int sign = 0; sign < 12; ++sign)
        if (kWrittenWidgets[SignContentSlot(sign)].name != kSignContentLabels[sign]) return false;
      return kWrittenWidgets[PositionSlot(9)].name == "planet(9)";
    }(),
    "the sign contents and the position labels each stand together in the widget list");

// Name of the position label of body k (0..9): "planet(k)".
std::string PositionLabel(int k);

struct ResultSheet {
  bool created = false;  // the first write creates the (still hidden) window
  // Written captions only, one slot per widget of WrittenWidgets().
  std::array<std::optional<std::string>, kWrittenWidgetCount> captions;
  // The sign boxes as data, from which the window and every drawing of the chart are filled;
  // unset until the chart is filled.
  std::optional<ChartModel> chart;
  std::vector<TextRun> RTB;
  // The reading text as data, block by block: RTB holds its English runs.
  std::vector<ReadingBlock> ReadingBlocks;
  // The reading's facts, from which every caption in every language is written.
  ReadingFacts facts;

  // A widget that no reading writes is ignored.
  void SetCaption(std::string_view widget, std::string text);
  void SetCaption(std::size_t slot, std::string text);
  // The written caption, else the design caption, else the empty text.
  std::string_view Caption(std::string_view widget) const;
  // The caption a reading wrote, else the empty text (never a design caption).
  std::string_view WrittenCaption(std::string_view widget) const;
  bool HasCaptions() const;
  void Highlight(int sign);
  bool Highlighted(int sign) const;
  void AppendText(std::string text, bool emphasis, Rgb colour);
};

}  // namespace core
