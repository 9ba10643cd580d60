// The reading as a whole: a refusal touches nothing, and a reading leaves nothing of the one
// before it.
#include "reading/reading.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/zone_table.h"

namespace {

using core::BirthRecord;
using core::FormEntries;
using core::ResultSheet;

int ZoneRow(std::string_view prefix) {
  const auto& table = core::ZoneTable();
  for (int row = 0; row < core::kZoneCount; ++row)
    if (table[static_cast<std::size_t>(row)].text.starts_with(prefix)) return row;
  return -1;
}

// A day birth in the northern and eastern hemispheres with daylight saving.
FormEntries DelhiMorning() {
  return FormEntries{.txtName = "ASHA",
                     .cboMonth = 2,
                     .cboDate = "7",
                     .cboYear = "1984",
                     .cboHH = "10",
                     .cboMM = "5",
                     .cboSS = "30",
                     .txtMCity = "New Delhi",
                     .txtMState = "Delhi",
                     .txtMCountry = "India",
                     .cmbTimeZone = ZoneRow("Indian Time"),
                     .chkDST = true,
                     .txtLonD = "77",
                     .txtLonM = "12",
                     .txtLatD = "28",
                     .txtLatM = "38"};
}

// A night birth in the western and southern hemispheres, on the last day of the list.
FormEntries SantiagoNight() {
  return FormEntries{.txtName = "LUIS",
                     .cboMonth = 11,
                     .cboDate = "31",
                     .cboYear = "2050",
                     .cboHH = "2",
                     .cboMM = "45",
                     .cboSS = "0",
                     .txtMCity = "Santiago",
                     .txtMState = "Metropolitana",
                     .txtMCountry = "Chile",
                     .cmbTimeZone = ZoneRow("Eastern Standard Time"),
                     .chkDST = false,
                     .txtLonD = "70",
                     .txtLonM = "40",
                     .txtLatD = "33",
                     .txtLatM = "27",
                     .optLongEast = false,
                     .optLatNorth = false};
}

std::string Text(const core::DateTime& t) {
  return t ? reading::DateTimeText(*t) : "none";
}

template <typename Array>
std::string List(const Array& values) {
  std::ostringstream out;
  for (const auto& v : values) out << '[' << v << ']';
  return out.str();
}

// Every field of the record, one per line, so that a difference names the field.
std::string Describe(const BirthRecord& r) {
  std::ostringstream out;
  out << "PersonName " << r.PersonName << "\nBirthMonth " << r.BirthMonth << "\nBirthDay "
      << r.BirthDay << "\nBirthYear " << r.BirthYear << "\nBirthHour " << r.BirthHour
      << "\nBirthMinute " << r.BirthMinute << "\nLongitude " << r.LongitudeDeg << ' '
      << r.LongitudeMin << "\nLatitude " << r.LatitudeDeg << ' ' << r.LatitudeMin << "\nIsEast "
      << r.IsEast << "\nIsSouth " << r.IsSouth << "\nIsDst " << r.IsDst << "\nZone " << r.ZoneHours
      << ' ' << r.ZoneMinutes << ' ' << r.ZoneHoursAbs << ' ' << r.ZoneMinutesAbs << "\nBodyNames "
      << List(r.BodyNames) << "\nPositionTexts " << List(r.PositionTexts) << "\nPositionNames "
      << List(r.PositionNames) << "\nChartTexts " << List(r.ChartTexts) << "\nMoonLongitudeText "
      << r.MoonLongitudeText << "\nRashiName " << r.RashiName << "\nAscendantText "
      << r.AscendantText << "\nAyanamsaValue " << r.AyanamsaValue << "\nSunTimes "
      << Text(r.SunTimes[0]) << " / " << Text(r.SunTimes[1]) << " / " << Text(r.SunTimes[2])
      << "\nPrev " << Text(r.PrevSunrise) << " / " << Text(r.PrevSunset) << "\nBirth day "
      << Text(r.Sunrise) << " / " << Text(r.Sunset) << "\nNext " << Text(r.NextSunrise) << " / "
      << Text(r.NextSunset) << "\nBirthMoment " << Text(r.BirthMoment) << "\nBirthDateText "
      << r.BirthDateText << "\nWeekdayNumber " << r.WeekdayNumber << "\nPeriodSeconds "
      << r.PeriodSeconds << "\nYamardhaSeconds " << r.YamardhaSeconds << "\nSubPeriodSeconds "
      << r.SubPeriodSeconds << "\nElapsedSeconds " << r.ElapsedSeconds << "\nYamardhaFlags "
      << List(r.YamardhaFlags) << "\nDandaFlags " << List(r.DandaFlags) << "\nPeriodName "
      << r.PeriodName << "\nLagnaName " << r.LagnaName << "\nYamardhapati " << r.Yamardhapati
      << "\nDandadhipati " << r.Dandadhipati << '\n';
  return out.str();
}

TEST(Reading, EntriesForTheTestsAreAcceptable) {
  ASSERT_GE(DelhiMorning().cmbTimeZone, 0);
  ASSERT_GE(SantiagoNight().cmbTimeZone, 0);
  EXPECT_FALSE(reading::ValidateEntries(DelhiMorning()).has_value());
  EXPECT_FALSE(reading::ValidateEntries(SantiagoNight()).has_value());
}

TEST(Reading, ARefusalChangesNothing) {
  BirthRecord record;
  ResultSheet earlier;
  ASSERT_FALSE(reading::RunReading(DelhiMorning(), record, earlier).has_value());
  const std::string before = Describe(record);

  FormEntries refused = SantiagoNight();
  refused.cboMonth = 3;  // 31 April
  const ResultSheet untouched = earlier;
  const auto refusal = reading::RunReading(refused, record, earlier);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->message, "Please Enter Correct Date Or Month !");
  EXPECT_EQ(Describe(record), before);
  EXPECT_EQ(earlier.captions, untouched.captions);
  EXPECT_EQ(earlier.chart, untouched.chart);
  EXPECT_EQ(earlier.RTB, untouched.RTB);

  ResultSheet fresh;
  ASSERT_TRUE(reading::RunReading(refused, record, fresh).has_value());
  EXPECT_FALSE(fresh.created);
  EXPECT_FALSE(fresh.HasCaptions());
  EXPECT_TRUE(fresh.RTB.empty());
}

TEST(Reading, ASecondReadingLeavesNothingOfTheFirst) {
  struct Order {
    const char* name;
    FormEntries first, second;
  };
  for (const auto& order : {Order{"day then night", DelhiMorning(), SantiagoNight()},
                            Order{"night then day", SantiagoNight(), DelhiMorning()}}) {
    BirthRecord shared;
    ResultSheet firstSheet, secondSheet;
    ASSERT_FALSE(reading::RunReading(order.first, shared, firstSheet).has_value()) << order.name;
    ASSERT_FALSE(reading::RunReading(order.second, shared, secondSheet).has_value()) << order.name;

    BirthRecord fresh;
    ResultSheet freshSheet;
    ASSERT_FALSE(reading::RunReading(order.second, fresh, freshSheet).has_value()) << order.name;

    EXPECT_EQ(Describe(shared), Describe(fresh)) << order.name;
    EXPECT_EQ(secondSheet.captions, freshSheet.captions) << order.name;
    EXPECT_EQ(secondSheet.chart, freshSheet.chart) << order.name;
    EXPECT_EQ(secondSheet.RTB, freshSheet.RTB) << order.name;
  }
}

TEST(Reading, TheSameEntriesTwiceGiveTheSameReading) {
  BirthRecord record;
  ResultSheet first, second;
  ASSERT_FALSE(reading::RunReading(DelhiMorning(), record, first).has_value());
  ASSERT_FALSE(reading::RunReading(DelhiMorning(), record, second).has_value());
  EXPECT_EQ(first.captions, second.captions);
  EXPECT_EQ(first.chart, second.chart);
  EXPECT_EQ(first.RTB, second.RTB);
  for (const auto& name : record.BodyNames)
    EXPECT_LE(name.size(), std::string("Mercury (R) ").size()) << "marks piled up: " << name;
}

}  // namespace
