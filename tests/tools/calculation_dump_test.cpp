// The dump's calculation and extras keys: the Swiss Ephemeris behind the same reading, and the
// nakshatras and dasha that follow from each calculation's Moon.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "reading-dump/dump_line.h"

namespace {

using nlohmann::json;

// India's independence: 15 August 1947 00:00 at New Delhi (28° 38' N, 77° 12' E), zone row
// 34, Indian Standard Time (+5:30).
std::string Independence(const std::string& more) {
  return R"({"txtName": "INDIA", "cboMonth": "August", "cboDate": "15", "cboYear": "1947",
            "cboHH": "0", "cboMM": "0", "cboSS": "0", "cmbTimeZone": 34, "txtLonD": "77",
            "txtLonM": "12", "txtLatD": "28", "txtLatM": "38")" +
         more + "}";
}

json Process(const std::string& line, core::BirthRecord& record) {
  return json::parse(dump::ProcessLine(line, record));
}

TEST(CalculationDump, KeysAreCheckedAndNamed) {
  struct Row {
    const char* name;
    std::string keys;
    const char* error;  // a part of the error line, or nullptr when accepted
  };
  const Row rows[] = {
      {"swiss defaults", R"(, "calculation": {"ephemeris": "swiss"})", nullptr},
      {"every choice", R"(, "calculation": {"ephemeris": "swiss", "ayanamsa": "true-chitrapaksha",
         "node": "true", "sunrise": "disc-centre"})",
       nullptr},
      {"builtin alone", R"(, "calculation": {})", nullptr},
      {"unknown member", R"(, "calculation": {"house": "equal"})", "\"house\""},
      {"unknown value", R"(, "calculation": {"ayanamsa": "fagan"})", "\"ayanamsa\""},
      {"swiss choice with builtin", R"(, "calculation": {"ephemeris": "builtin", "node": "true"})",
       "\"node\""},
      {"not an object", R"(, "calculation": "swiss")", "\"calculation\""},
      {"extras", R"(, "extras": ["dasha", "nakshatra"])", nullptr},
      {"vargas and panchanga", R"(, "extras": ["vargas", "panchanga"])", nullptr},
      {"unknown extra", R"(, "extras": ["yoga"])", "\"extras\""},
      {"empty extras", R"(, "extras": [])", "\"extras\""},
  };
  for (const Row& row : rows) {
    core::BirthRecord record;
    const json out = Process(Independence(row.keys), record);
    if (!row.error) {
      EXPECT_TRUE(out.value("accepted", false)) << row.name << ": " << out.dump();
    } else {
      ASSERT_TRUE(out.contains("error")) << row.name;
      EXPECT_NE(out["error"].get<std::string>().find(row.error), std::string::npos)
          << row.name << ": " << out["error"];
    }
  }
}

TEST(CalculationDump, NoReadingInheritsAnotherOnesAyanamsa) {
  const std::string lahiri = Independence(R"(, "calculation": {"ephemeris": "swiss"})");
  core::BirthRecord fresh, reused;
  const std::string alone = dump::ProcessLine(lahiri, fresh);
  dump::ProcessLine(Independence(R"(, "calculation": {"ephemeris": "swiss", "ayanamsa": "raman",
                                    "node": "true", "sunrise": "disc-centre"})"),
                    reused);
  EXPECT_EQ(dump::ProcessLine(lahiri, reused), alone);
}

TEST(CalculationDump, SwissYearsReachBack) {
  core::BirthRecord record;
  const std::string year1850 = R"(, "cboYear": "1850")";
  EXPECT_TRUE(Process(Independence(R"(, "calculation": {"ephemeris": "swiss"})" + year1850), record)
                  .value("accepted", false));
  EXPECT_TRUE(Process(Independence(year1850), record).contains("error"));
}

// The dasha worked by hand from the Swiss Ephemeris's Moon (Lahiri) at the birth moment,
// 1947-08-14 18:30 UT: 93.983568° (3° 59' 0" Cancer), in Pushya (93° 20' to 106° 40'), pada 1,
// ruled by Saturn (19 years). Passed: (93.983568 - 93.333333) / 13.333333 = 0.0487676 of the
// nakshatra; to run: 0.9512324 × 19 × 365.25 = 6601.31 days = 18.07341 years = 18 y 0 m 27 d
// (0.88098 months of 30.4375 days = 26.81 days). Saturn's mahadasha: from birth less
// 0.0487676 × 19 years (1946-09-10) to birth plus 6601.31 days (1965-09-10, at +5:30); then
// Mercury 17 years to 1982-09-10 and Ketu 7 to 1989-09-10.
TEST(CalculationDump, IndependenceDashaFromEachMoon) {
  struct Expected {
    const char* lord;
    const char* start;
    const char* end;
  };
  const Expected byHand[] = {{"Saturn", "1946-09-10", "1965-09-10"},
                             {"Mercury", "1965-09-10", "1982-09-10"},
                             {"Ketu", "1982-09-10", "1989-09-10"}};
  const auto days = [](const std::string& date) {
    using namespace std::chrono;
    const year_month_day d{year{std::stoi(date.substr(0, 4))},
                           month{unsigned(std::stoi(date.substr(5, 2)))},
                           day{unsigned(std::stoi(date.substr(8, 2)))}};
    return sys_days{d}.time_since_epoch().count();
  };
  // The Swiss Moon: within a day of the hand computation. The built-in Moon: within its
  // 0.05° turned into time, 0.05 / 13.333 × 19 years = 26 days.
  const struct {
    const char* name;
    std::string calculation;
    double toleranceDays;
  } calculations[] = {{"swiss", R"(, "calculation": {"ephemeris": "swiss"})", 1.0},
                      {"builtin", "", 26.1}};
  for (const auto& c : calculations) {
    core::BirthRecord record;
    const json out =
        Process(Independence(c.calculation + R"(, "extras": ["nakshatra", "dasha"])"), record);
    ASSERT_TRUE(out.value("accepted", false)) << c.name;
    const json& moon = out["nakshatras"][1];
    EXPECT_EQ(moon["nakshatra"], "Pushya") << c.name;
    EXPECT_EQ(moon["pada"], 1) << c.name;
    const json& dasha = out["dasha"];
    EXPECT_EQ(dasha["balance"]["lord"], "Saturn") << c.name;
    for (int k = 0; k < 3; ++k) {
      const json& m = dasha["mahadashas"][k];
      EXPECT_EQ(m["lord"], byHand[k].lord) << c.name;
      EXPECT_LE(std::abs(days(m["start"]) - days(byHand[k].start)), c.toleranceDays)
          << c.name << " " << m["lord"] << " start " << m["start"];
      EXPECT_LE(std::abs(days(m["end"]) - days(byHand[k].end)), c.toleranceDays)
          << c.name << " " << m["lord"] << " end " << m["end"];
    }
    if (c.name == std::string("swiss")) {
      EXPECT_EQ(out["record"]["MoonLongitudeText"], "3° 59' 0\" Can");
      const json& balance = dasha["balance"];
      EXPECT_EQ(balance["years"].get<int>() * 12 + balance["months"].get<int>(), 18 * 12);
      EXPECT_NEAR(balance["days"].get<int>(), 27, 1);
    }
  }
}

// The vargas and the panchanga of either calculation: keys in the order the dump writes every
// object, the D1 signs those of the position texts, the panchanga's nakshatra the Moon's of the
// "nakshatra" extra with the birth between its start and end, and nothing without them. Then
// Tromso in the polar night, 21 December 2000 (a Thursday) 08:00: the reading stands in 12:00
// for the sunrise that does not happen, and the Hindu day is the calendar's.
TEST(CalculationDump, VargasAndPanchangaOfEachCalculation) {
  const std::string tromso = R"(, "cboMonth": "December", "cboDate": "21", "cboYear": "2000",
      "cboHH": "8", "txtLatD": "69", "txtLatM": "39", "txtLonD": "18", "txtLonM": "57")";
  for (const std::string calculation : {R"(, "calculation": {"ephemeris": "swiss"})", ""}) {
    core::BirthRecord record;
    const std::string text = dump::ProcessLine(
        Independence(calculation + R"(, "extras": ["vargas", "panchanga", "nakshatra"])"), record);
    const json out = json::parse(text), &p = out["panchanga"];
    EXPECT_EQ(out.dump(), text) << "keys out of order";
    ASSERT_EQ(out["vargas"].size(), 16u) << calculation;
    for (const auto& [key, signs] : out["vargas"].items()) EXPECT_EQ(signs.size(), 10u) << key;
    for (int body = 0; body < 10; ++body)
      EXPECT_EQ(out["vargas"]["D1"][body].get<std::string>().substr(0, 3),
                out["record"]["PositionTexts"][body].get<std::string>().substr(3, 3));
    EXPECT_TRUE(out["vargottama"].is_array());
    EXPECT_EQ(p["vara"], json::parse(R"({"lord": "Jupiter", "name": "Thursday"})"));
    EXPECT_EQ(p["nakshatra"]["name"], out["nakshatras"][1]["nakshatra"]);
    EXPECT_EQ(p["tithi"]["paksha"], "Krishna");
    for (const char* element : {"tithi", "nakshatra", "yoga", "karana"})
      EXPECT_TRUE(p[element]["start"] <= "1947-08-15T00:00:00" &&
                  p[element]["end"] > "1947-08-15T00:00:00")
          << element;
    EXPECT_FALSE(Process(Independence(calculation), record).contains("panchanga"));
    const json polar =
        Process(Independence(tromso + calculation + R"(, "extras": ["panchanga"])"), record);
    EXPECT_EQ(polar["record"]["Sunrise"], "2000-12-21T12:00:00") << calculation;
    EXPECT_EQ(polar["panchanga"]["vara"]["name"], "Thursday") << calculation;
  }
}

}  // namespace
