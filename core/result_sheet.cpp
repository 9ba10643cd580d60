#include "core/result_sheet.h"

namespace core {

const std::array<WrittenWidget, kWrittenWidgetCount>& WrittenWidgets() {
  return kWrittenWidgets;
}

std::string PositionLabel(int k) {
  return "planet(" + std::to_string(k) + ")";
}

void ResultSheet::SetCaption(std::string_view widget, std::string text) {
  const int index = WrittenWidgetIndex(widget);
  if (index >= 0) SetCaption(static_cast<std::size_t>(index), std::move(text));
}

void ResultSheet::SetCaption(std::size_t slot, std::string text) {
  created = true;
  captions[slot] = std::move(text);
}

std::string_view ResultSheet::Caption(std::string_view widget) const {
  const int index = WrittenWidgetIndex(widget);
  if (index < 0) return {};
  const auto& written = captions[static_cast<std::size_t>(index)];
  return written ? std::string_view(*written)
                 : kWrittenWidgets[static_cast<std::size_t>(index)].designCaption;
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
  if (!chart) chart.emplace();
  chart->signs[static_cast<std::size_t>(sign)].highlighted = true;
}

bool ResultSheet::Highlighted(int sign) const {
  return chart && sign >= 0 && sign < 12 &&
         chart->signs[static_cast<std::size_t>(sign)].highlighted;
}

void ResultSheet::AppendText(std::string text, bool emphasis, Rgb colour) {
  created = true;
  RTB.push_back({std::move(text), emphasis, colour});
}

}  // namespace core
