#pragma once
// Appends JSON text to a string as it goes, with no document tree in between: the dump writes
// every line in exactly the form nlohmann-json's dump(-1) gave it before (keys as the caller
// orders them, no blanks, shortest round-trip doubles with ".0" on whole ones, UTF-8 kept and
// invalid UTF-8 replaced by U+FFFD), at a fraction of the cost.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dump {

class JsonOut {
 public:
  explicit JsonOut(std::string& out) : out_(out) {}

  JsonOut& BeginObject();
  JsonOut& EndObject();
  JsonOut& BeginArray();
  JsonOut& EndArray();
  JsonOut& Key(std::string_view key);
  JsonOut& String(std::string_view text);
  JsonOut& Int(std::int64_t value);
  JsonOut& Bool(bool value);
  JsonOut& Null();
  JsonOut& Double(double value);

 private:
  void Separate();
  void Escaped(std::string_view text);

  std::string& out_;
  bool first_ = true;  // no value yet in the innermost object or array
  bool afterKey_ = false;
};

}  // namespace dump
