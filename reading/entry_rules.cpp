#include "reading/entry_rules.h"

#include <vector>

#include "core/quoted_text.h"
#include "reading/letters.h"

namespace reading {

namespace {

using core::KeyRule;

bool IsAsciiDigit(char32_t c) {
  return c >= '0' && c <= '9';
}
bool IsEnter(char32_t c) {
  return c == '\r' || c == '\n';
}
// Control characters type nothing into a line edit: C0, DEL and C1.
bool TypesNothing(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The code points of UTF-8 text. A byte that does not start a well-formed sequence (a stray
// continuation byte, a cut-off or overlong sequence, a surrogate, beyond U+10FFFF) reads as
// U+FFFD, which no box's rule takes as a letter or digit, as Qt reads it.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  points.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80                   ? 0
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xF0 && lead < 0xF5 ? 3
                                                    : -1;
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
    char32_t c = !ok ? 0 : extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; ok && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      ok = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!ok || c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      points.push_back(0xFFFD);
      ++i;
      continue;
    }
    points.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return points;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::optional<Refusal> RefusalOf(KeyRule rule, char32_t c) {
  if (rule == KeyRule::Digits && !IsAsciiDigit(c) && (IsEnter(c) || !TypesNothing(c)))
    return Refusal{"Only Numbers Are Accepted", MessageIcon::Error, {}};
  // The name box takes the letters of every script with their marks ("राम", "José"), not only
  // A to Z: digits, hyphens, full stops and the like stay refused.
  if (rule == KeyRule::Name && !IsLetterOrMark(c) && c != ' ' && !TypesNothing(c))
    return Refusal{"Please Enter only Letters", MessageIcon::Information, {}};
  return std::nullopt;
}

char32_t Shown(KeyRule rule, char32_t c) {
  return rule == KeyRule::Name ? UpperCase(c) : c;
}

// The text typed key by key into the field's box, or why the box cannot hold it.
std::optional<std::string> Typed(const core::FormField& field, std::string_view text,
                                 std::string& typed) {
  int length = 0;  // in UTF-16 units, as the box counts
  bool all = true;
  for (const char32_t c : CodePoints(text)) {
    if (auto refusal = RefusalOf(field.rule, c)) return refusal->message;
    const int units = c > 0xFFFF ? 2 : 1;
    if (TypesNothing(c) || length + units > field.maxLength) {
      all = false;
      length += units;
      continue;
    }
    AppendUtf8(typed, Shown(field.rule, c));
    length += units;
  }
  if (all) return std::nullopt;
  if (length > field.maxLength)
    return "it holds at most " + std::to_string(field.maxLength) + " characters";
  return "not every character can be typed there";
}

}  // namespace

std::optional<Refusal> KeystrokeRefusal(KeyRule rule, std::string_view keys) {
  for (const char32_t c : CodePoints(keys))
    if (auto refusal = RefusalOf(rule, c)) return refusal;
  return std::nullopt;
}

std::string ShownAs(KeyRule rule, std::string_view keys) {
  std::string shown;
  for (const char32_t c : CodePoints(keys)) AppendUtf8(shown, Shown(rule, c));
  return shown;
}

TypedEntries AsTyped(const core::FormEntries& entries) {
  TypedEntries result{entries, {}};
  for (const core::FormField& field : core::kFormFields) {
    if (field.widget != core::FieldWidget::TextBox) continue;
    const std::string& text = entries.*field.text;
    std::string typed;
    if (auto problem = Typed(field, text, typed)) {
      result.problem = "The " + std::string(field.accessibleName) + " box cannot take \"" +
                       core::QuoteForMessage(text) + "\": " + *problem + ".";
      return result;
    }
    result.entries.*field.text = std::move(typed);
  }
  return result;
}

}  // namespace reading
