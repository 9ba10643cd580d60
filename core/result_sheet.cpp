#include "core/result_sheet.h"

namespace core {

namespace {

// Value labels carry their own widget name as design caption; the window's designer spelled
// two of them differently, and the position labels share their array's name.
constexpr std::array<WrittenWidget, kWrittenWidgetCount> kWidgets = {{
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

}  // namespace

const std::array<WrittenWidget, kWrittenWidgetCount>& WrittenWidgets() {
  return kWidgets;
}

int WrittenWidgetIndex(std::string_view widget) {
  for (std::size_t i = 0; i < kWidgets.size(); ++i)
    if (kWidgets[i].name == widget) return static_cast<int>(i);
  return -1;
}

std::string PositionLabel(int k) {
  return "planet(" + std::to_string(k) + ")";
}

void ResultSheet::SetCaption(std::string_view widget, std::string text) {
  const int index = WrittenWidgetIndex(widget);
  if (index < 0) return;
  created = true;
  captions[static_cast<std::size_t>(index)] = std::move(text);
}

std::string_view ResultSheet::Caption(std::string_view widget) const {
  const int index = WrittenWidgetIndex(widget);
  if (index < 0) return {};
  const auto& written = captions[static_cast<std::size_t>(index)];
  return written ? std::string_view(*written)
                 : kWidgets[static_cast<std::size_t>(index)].designCaption;
}

std::string_view ResultSheet::WrittenCaption(std::string_view widget) const {
  const int index = WrittenWidgetIndex(widget);
  if (index < 0) return {};
  const auto& written = captions[static_cast<std::size_t>(index)];
  return written ? std::string_view(*written) : std::string_view{};
}

bool ResultSheet::HasCaptions() const {
  for (const auto& caption : captions)
    if (caption) return true;
  return false;
}

void ResultSheet::Highlight(int sign) {
  if (sign < 0 || sign >= 12) return;
  created = true;
  highlighted[static_cast<std::size_t>(sign)] = true;
}

void ResultSheet::AppendText(std::string text, bool emphasis, Rgb colour) {
  created = true;
  RTB.push_back({std::move(text), emphasis, colour});
}

}  // namespace core
