// Any bytes into the reading dump: every line must give exactly one line of valid JSON, an
// error object or a reading, and never crash. The input is split into lines as the tool
// reads them, and all lines share one birth record, as in the tool.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "reading-dump/dump_line.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view line, const std::string& out) {
  std::fprintf(stderr, "reading dump: %s\n  line: %.*s\n  output: %s\n", what,
               static_cast<int>(line.size()), line.data(), out.c_str());
  std::abort();
}

void CheckOutput(std::string_view line, const std::string& out) {
  if (out.find('\n') != std::string::npos || out.find('\r') != std::string::npos)
    Fail("the output is not one line", line, out);
  const auto j = nlohmann::json::parse(out, nullptr, false);
  if (j.is_discarded()) Fail("the output is not valid JSON", line, out);
  if (!j.is_object()) Fail("the output is not a JSON object", line, out);
  if (j.contains("error")) {
    if (j.size() != 1 || !j["error"].is_string()) Fail("a malformed error object", line, out);
    return;
  }
  if (!j.contains("accepted") || !j["accepted"].is_boolean() || !j.contains("record") ||
      !j["record"].is_object() || !j.contains("refusal") || !j.contains("window"))
    Fail("a reading without accepted, refusal, record and window", line, out);
  if (j["accepted"].get<bool>() != j["window"].is_object() ||
      j["accepted"].get<bool>() == j["refusal"].is_object())
    Fail("accepted disagrees with refusal and window", line, out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  core::BirthRecord record;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    const std::string_view line = input.substr(start, end - start);
    CheckOutput(line, dump::ProcessLine(line, record));
    start = end + 1;
  }
  return 0;
}
