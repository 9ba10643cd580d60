#include "reading-dump/json_out.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace dump {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], 0 when it is not one (RFC 3629:
// no overlong forms, no surrogates, nothing above U+10FFFF).
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b = byte(i);
  std::size_t n;
  unsigned char low = 0x80, high = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return n;
}

}  // namespace

void JsonOut::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_) out_.push_back(',');
  first_ = false;
}

JsonOut& JsonOut::BeginObject() {
  Separate();
  out_.push_back('{');
  first_ = true;
  return *this;
}

JsonOut& JsonOut::EndObject() {
  out_.push_back('}');
  first_ = false;
  return *this;
}

JsonOut& JsonOut::BeginArray() {
  Separate();
  out_.push_back('[');
  first_ = true;
  return *this;
}

JsonOut& JsonOut::EndArray() {
  out_.push_back(']');
  first_ = false;
  return *this;
}

JsonOut& JsonOut::Key(std::string_view key) {
  Separate();
  Escaped(key);
  out_.push_back(':');
  afterKey_ = true;
  return *this;
}

JsonOut& JsonOut::String(std::string_view text) {
  Separate();
  Escaped(text);
  return *this;
}

JsonOut& JsonOut::Int(std::int64_t value) {
  Separate();
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out_.append(digits, static_cast<std::size_t>(end - digits));
  return *this;
}

JsonOut& JsonOut::Bool(bool value) {
  Separate();
  out_.append(value ? "true" : "false");
  return *this;
}

JsonOut& JsonOut::Null() {
  Separate();
  out_.append("null");
  return *this;
}

JsonOut& JsonOut::Double(double value) {
  Separate();
  if (!std::isfinite(value)) {
    out_.append("null");
    return *this;
  }
  // The very digits nlohmann-json writes (its Grisu2 shortest form), so the output is unchanged.
  char digits[64];
  const char* end = nlohmann::detail::to_chars(digits, digits + sizeof digits, value);
  out_.append(digits, static_cast<std::size_t>(end - digits));
  return *this;
}

void JsonOut::Escaped(std::string_view text) {
  // Invalid UTF-8 cannot come from a parsed line; should it ever appear, nlohmann-json's own
  // replacement rule (one U+FFFD per broken sequence) writes the string.
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = static_cast<unsigned char>(text[i]) < 0x80 ? 1 : Utf8Length(text, i);
    if (n == 0) {
      out_.append(
          nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
      return;
    }
    i += n;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  out_.push_back('"');
  std::size_t plain = 0;  // start of the run of characters written as they are
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out_.append(text.substr(plain, i - plain));
    plain = i + 1;
    switch (c) {
      case '"':
        out_.append("\\\"");
        break;
      case '\\':
        out_.append("\\\\");
        break;
      case '\b':
        out_.append("\\b");
        break;
      case '\f':
        out_.append("\\f");
        break;
      case '\n':
        out_.append("\\n");
        break;
      case '\r':
        out_.append("\\r");
        break;
      case '\t':
        out_.append("\\t");
        break;
      default: {
        const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        out_.append(escape, sizeof escape);
      }
    }
  }
  out_.append(text.substr(plain));
  out_.push_back('"');
}

}  // namespace dump
