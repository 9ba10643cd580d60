#include "core/result_sheet.h"

namespace core {

const std::vector<WrittenWidget>& WrittenWidgets() {
  // Value labels carry their own widget name as design caption; the window's designer
  // spelled two of them differently, and the position labels share their array's name.
  static const std::vector<WrittenWidget> widgets = {
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
  };
  return widgets;
}

std::string PositionLabel(int k) {
  return "planet(" + std::to_string(k) + ")";
}

void ResultSheet::SetCaption(std::string_view widget, std::string text) {
  created = true;
  captions.insert_or_assign(std::string(widget), std::move(text));
}

std::string ResultSheet::Caption(std::string_view widget) const {
  if (auto it = captions.find(widget); it != captions.end()) return it->second;
  for (const auto& w : WrittenWidgets())
    if (w.name == widget) return std::string(w.designCaption);
  return {};
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
