// The zone list and the correction Zone_Calculation copies into the record.
#include "core/zone_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct ZoneCase {
  const char* name;
  int row;
  int hours, minutes;
};

class ZoneCalculationTest : public testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneCalculationTest, CopiesTheRowsCorrection) {
  const auto& c = GetParam();
  core::BirthRecord r;
  r.ZoneHours = 99;
  r.ZoneMinutes = 99;
  core::Zone_Calculation(c.row, r);
  EXPECT_EQ(r.ZoneHours, c.hours) << c.name << " row " << c.row;
  EXPECT_EQ(r.ZoneMinutes, c.minutes) << c.name << " row " << c.row;
}

INSTANTIATE_TEST_SUITE_P(Rows, ZoneCalculationTest,
                         testing::Values(ZoneCase{"Indian_half_hour_east_written_5_3", 34, -5, -30},
                                         ZoneCase{"South_Australia_Daylight_SAD", 56, -10, -30},
                                         ZoneCase{"South_Australia_Daylight_SDT", 57, -10, -30},
                                         ZoneCase{"South_Australia_Standard_SAST", 58, -9, -30},
                                         ZoneCase{"South_Australia_Standard_SAT", 59, -9, -30},
                                         ZoneCase{"Newfoundland_NST_west", 50, 3, 30},
                                         ZoneCase{"North_Sumatra_NST_east", 52, -6, -30},
                                         ZoneCase{"Greenwich", 29, 0, 0},
                                         ZoneCase{"Universal_Time", 61, 0, 0},
                                         ZoneCase{"first_row", 0, 9, 0},
                                         ZoneCase{"last_row", 70, 8, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZoneCalculation, RowOutsideTheTableKeepsThePreviousCorrection) {
  core::BirthRecord r;
  core::Zone_Calculation(34, r);
  for (int row : {-1, 71, 1000}) {
    core::Zone_Calculation(row, r);
    EXPECT_EQ(r.ZoneHours, -5) << "row " << row;
    EXPECT_EQ(r.ZoneMinutes, -30) << "row " << row;
  }
}

// The nominal offset at the end of each display text is minus the correction; only the
// Indian row writes its half hour as ".3".
TEST(ZoneTable, CorrectionsAgreeWithTheNominalOffsets) {
  const auto& rows = core::ZoneTable();
  ASSERT_EQ(rows.size(), 71u);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const auto& row = rows[k];
    EXPECT_TRUE(row.minutes == 0 || std::abs(row.minutes) == 30) << "row " << k;
    EXPECT_TRUE(row.minutes == 0 || (row.minutes > 0) == (row.hours > 0)) << "row " << k;
    const std::string text(row.text);
    const double nominal = std::strtod(text.substr(text.rfind(',') + 1).c_str(), nullptr);
    const double correction = row.hours + row.minutes / 60.0;
    if (k == 34) {
      EXPECT_EQ(text, "Indian Time, IST, +5.3");
      EXPECT_DOUBLE_EQ(correction, -5.5);
    } else {
      EXPECT_DOUBLE_EQ(correction, -nominal) << "row " << k << " \"" << text << "\"";
    }
  }
  EXPECT_EQ(rows[core::kDefaultZoneRow].text, "Greenwich Mean Time,GMT,0.0");
}

}  // namespace
