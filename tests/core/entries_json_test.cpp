// Form entries to JSON and back: what a saved file and a dump line hold.
#include "core/entries_json.h"

#include <gtest/gtest.h>

namespace {

using core::FormEntries;

FormEntries Unusual() {
  FormEntries e;
  e.txtName = "ŚRĪ \"QUOTED\"";
  e.cboMonth = 11;
  e.cboDate = "31";
  e.cboYear = "2050";
  e.cboHH = "23", e.cboMM = "59", e.cboSS = "1";
  e.txtMCity = "São Paulo";
  e.txtMCountry = "Brazil";
  e.cmbTimeZone = -1;
  e.chkDST = true;
  e.txtLonD = "46", e.txtLonM = "38", e.txtLatD = " 23", e.txtLatM = "33 ";
  e.optLongEast = false, e.optLatNorth = false;
  return e;
}

bool Same(const FormEntries& a, const FormEntries& b) {
  return core::EntriesToJson(a) == core::EntriesToJson(b) && a.cboMonth == b.cboMonth &&
         a.txtName == b.txtName && a.cmbTimeZone == b.cmbTimeZone && a.chkDST == b.chkDST &&
         a.optLongEast == b.optLongEast && a.optLatNorth == b.optLatNorth;
}

TEST(EntriesJson, WhatIsWrittenReadsBackUnchanged) {
  for (const FormEntries& e : {FormEntries{}, Unusual()}) {
    const auto text = core::EntriesToJson(e).dump();
    const auto back = core::EntriesFromJson(nlohmann::json::parse(text), FormEntries{});
    EXPECT_TRUE(back.error.empty()) << back.error;
    EXPECT_TRUE(Same(back.entries, e)) << text;
  }
}

TEST(EntriesJson, AbsentKeysKeepTheDefaults) {
  const auto parsed =
      core::EntriesFromJson(nlohmann::json::parse(R"({"cboYear":"1984"})"), Unusual());
  FormEntries expected = Unusual();
  expected.cboYear = "1984";
  EXPECT_TRUE(parsed.error.empty());
  EXPECT_TRUE(Same(parsed.entries, expected));
}

TEST(EntriesJson, TheFirstOffendingKeyNamesTheError) {
  struct Row {
    const char* name;
    const char* json;
    const char* error;
  };
  const Row rows[] = {
      {"unknown key", R"({"txtNom":"A"})", "Unknown key \"txtNom\"."},
      {"number for text", R"({"txtName":7})", "\"txtName\" must be a string."},
      {"day outside the list", R"({"cboDate":"32"})",
       "\"cboDate\" must be one of the list's entries \"1\" to \"31\"."},
      {"zone row beyond the list", R"({"cmbTimeZone":71})",
       "\"cmbTimeZone\" must be a whole number from -1 to 70."},
      {"zone row as text", R"({"cmbTimeZone":"5"})",
       "\"cmbTimeZone\" must be a whole number from -1 to 70."},
      {"box as text", R"({"chkDST":"yes"})", "\"chkDST\" must be true or false."},
      {"keys in key order", R"({"txtName":1,"cboDate":"0"})",
       "\"cboDate\" must be one of the list's entries \"1\" to \"31\"."},
  };
  for (const auto& row : rows)
    EXPECT_EQ(core::EntriesFromJson(nlohmann::json::parse(row.json)).error, row.error) << row.name;
}

}  // namespace
