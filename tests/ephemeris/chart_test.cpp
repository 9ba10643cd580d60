// Whole charts through the three ephemeris steps, as the reading runs them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/birth_record.h"
#include "core/zone_table.h"
#include "ephemeris/angles.h"
#include "ephemeris/birth_instant.h"
#include "ephemeris/calendar_angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/planets.h"

namespace {

using ephemeris::SignOfLongitude;

void ComputeAll(const core::BirthValue& b, core::BirthRecord& r) {
  const ephemeris::BirthInstant instant = ephemeris::InstantOf(b);
  ephemeris::ComputeAscendant(r, instant);
  ephemeris::ComputeMoonAndRashi(r, instant);
  ephemeris::ComputePositionTable(r, instant);
}

struct Birth {
  int year, month, day, hour, minute;
  int zoneRow;
  int lonDeg, lonMin;
  bool east;
  int latDeg, latMin;
  bool south;
  bool dst = false;
};

core::BirthRecord Chart(const Birth& b) {
  using namespace std::chrono;
  core::BirthValue birth;
  birth.local = local_days{year{b.year} / b.month / b.day} + hours{b.hour} + minutes{b.minute};
  birth.offset = {core::ZoneRowOffset(b.zoneRow, b.dst), core::ZoneRowOrigin{b.zoneRow, b.dst}};
  birth.longitude = {b.lonDeg, b.lonMin, b.east};
  birth.latitude = {b.latDeg, b.latMin, !b.south};
  core::BirthRecord r;
  ComputeAll(birth, r);
  return r;
}

// The sign of each body (Sun, Moon, Mercury .. Saturn, Rahu, Ketu, ascendant) as its short
// text shows it, and the same sign from its longitude.
void ExpectSigns(const core::BirthRecord& r, const std::array<const char*, 10>& signs,
                 const char* chart) {
  static constexpr const char* kBody[] = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                                          "Jupiter", "Saturn", "Rahu",    "Ketu",  "ascendant"};
  for (int k = 0; k < core::kBodyCount; ++k) {
    EXPECT_EQ(r.PositionTexts[k].substr(3, 3), signs[k])
        << chart << ": " << kBody[k] << " text \"" << r.PositionTexts[k] << "\"";
    EXPECT_EQ(ephemeris::SignAbbreviation(SignOfLongitude(r.Longitudes[k])), signs[k])
        << chart << ": " << kBody[k] << " longitude " << r.Longitudes[k];
  }
}

const Birth kJ2000{2000, 1, 1, 12, 0, 29, 0, 0, false, 0, 0, false};
const Birth kDelhi1947{1947, 8, 15, 0, 0, 34, 77, 13, true, 28, 39, false};

TEST(Chart, NoonOfJanuaryFirst2000AtGreenwich) {
  const core::BirthRecord r = Chart(kJ2000);
  EXPECT_NEAR(r.AyanamsaValue, -23.85, 0.01);
  EXPECT_EQ(r.MoonLongitudeText, "19° 27' 45\" Lib");  // near 199.5°
  EXPECT_EQ(r.RashiName, "Thula");
  ExpectSigns(r, {"Sag", "Lib", "Sag", "Sco", "Aqu", "Ari", "Ari", "Can", "Cap", "Pis"}, "J2000");
}

TEST(Chart, MidnightOfAugustFifteenth1947InDelhi) {
  const core::BirthRecord r = Chart(kDelhi1947);
  EXPECT_EQ(r.RashiName, "Kataka");
  EXPECT_EQ(r.PositionTexts[core::kMoon].substr(0, 6), "03 Can");  // about 4° into Cancer
  EXPECT_EQ(r.AscendantText.substr(r.AscendantText.size() - 3), "Tau");
  EXPECT_EQ(r.PositionTexts[core::kLagna].substr(0, 6), "07 Tau");  // about 8° into Taurus
  ExpectSigns(r, {"Can", "Can", "Can", "Can", "Gem", "Lib", "Can", "Tau", "Sco", "Tau"},
              "Delhi 1947");
}

TEST(Chart, WritesNamesAndLeavesTheOtherSlotsAlone) {
  core::BirthRecord r;
  r.PositionTexts[10] = "keep";
  r.PositionTexts[13] = "keep";
  core::BirthValue birth;
  birth.local = std::chrono::local_days{std::chrono::year{1980} / 5 / 5};
  ComputeAll(birth, r);
  const std::array<std::string, 11> names = {"Sun",  "Moon",    "Mercury",  "Venus",
                                             "Mars", "Jupiter", "Saturn",   "Rahu",
                                             "Ketu", "",        "Ascendant"};
  EXPECT_EQ(r.PositionNames, names);
  EXPECT_EQ(r.PositionTexts[10], "keep");
  EXPECT_EQ(r.PositionTexts[13], "keep");
  EXPECT_TRUE(r.PositionTexts[11].empty());
}

// The zone's correction alone fixes the instant: the hemisphere of the birth place does not
// turn it around, and a birth past local midnight gives the chart of the universal moment.
TEST(Chart, SameInstantGivesTheSameChart) {
  Birth west = kDelhi1947;
  west.east = false;
  west.lonDeg = 0;
  west.lonMin = 0;
  Birth greenwich = west;
  greenwich.zoneRow = 29;
  greenwich.day = 14;
  greenwich.hour = 18;
  greenwich.minute = 30;
  const core::BirthRecord a = Chart(west), b = Chart(greenwich);
  EXPECT_EQ(a.MoonLongitudeText, b.MoonLongitudeText);
  EXPECT_EQ(a.AscendantText, b.AscendantText);
  EXPECT_EQ(a.PositionTexts, b.PositionTexts);
}

TEST(Chart, DaylightSavingMovesEveryBodyOneHourBack) {
  Birth summer = kJ2000;
  summer.hour = 13;
  summer.dst = true;
  const core::BirthRecord a = Chart(summer), b = Chart(kJ2000);
  EXPECT_EQ(a.MoonLongitudeText, b.MoonLongitudeText);
  EXPECT_EQ(a.AscendantText, b.AscendantText);
  EXPECT_EQ(a.PositionTexts, b.PositionTexts);
}

TEST(Chart, RahuAndKetuStandSixSignsApart) {
  for (int year = 1901; year <= 2050; year += 7) {
    for (int month = 1; month <= 12; month += 5) {
      const core::BirthRecord r = Chart({year, month, 10, 6, 0, 29, 0, 0, false, 0, 0, false});
      const int rahu = SignOfLongitude(r.Longitudes[7]);
      const int ketu = SignOfLongitude(r.Longitudes[8]);
      ASSERT_GE(rahu, 0) << year << "-" << month << " \"" << r.PositionTexts[7] << "\"";
      EXPECT_EQ(ketu, (rahu + 6) % 12) << year << "-" << month;
      EXPECT_EQ(r.PositionTexts[7].substr(0, 2) + r.PositionTexts[7].substr(6),
                r.PositionTexts[8].substr(0, 2) + r.PositionTexts[8].substr(6))
          << year << "-" << month;
    }
  }
}

TEST(Ayanamsa, BothEpochsAgreeOverTheCalendarRange) {
  EXPECT_NEAR(ephemeris::Ayanamsa1900(0), -22.46, 0.01);
  EXPECT_NEAR(ephemeris::Ayanamsa1900(1), -23.85, 0.01);
  EXPECT_NEAR(ephemeris::Ayanamsa2000(0), -23.85, 0.01);
  for (double T = -1.0; T <= 0.5; T += 0.05) {
    const double from1900 = ephemeris::Ayanamsa1900(T + 1);
    const double from2000 = ephemeris::Ayanamsa2000(T);
    EXPECT_NEAR(from1900, from2000, 4.0 / 3600) << "T = " << T << " centuries from J2000";
  }
}

TEST(SolveKepler, SatisfiesKeplersEquation) {
  using ephemeris::SolveKepler;
  for (double e : {0.0, 0.0167, 0.2056, 0.6, 0.97}) {
    for (double M = 0; M < ephemeris::TwoPi; M += 0.37) {
      const double nu = SolveKepler(M, e);
      ASSERT_GE(nu, 0) << "M " << M << " e " << e;
      ASSERT_LT(nu, ephemeris::TwoPi) << "M " << M << " e " << e;
      // Back from the true to the eccentric and the mean anomaly.
      const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
      const double mean = std::remainder(E - e * std::sin(E) - M, ephemeris::TwoPi);
      EXPECT_NEAR(mean, 0, 1e-9) << "M " << M << " e " << e;
    }
  }
}

TEST(SolveKepler, ReturnsForAnyInput) {
  using ephemeris::SolveKepler;
  for (double e : {0.999999, 0.9999999999})
    for (double M : {1e-9, 0.001, 3.14159, 6.28})
      EXPECT_TRUE(std::isfinite(SolveKepler(M, e))) << "M " << M << " e " << e;
}

}  // namespace
