// Signed decimal degrees to the form's degree and minute boxes.
#include "places/coordinates.h"

#include <gtest/gtest.h>

namespace {

TEST(Coordinates, RoundToTheMinuteWithCarry) {
  struct Row {
    const char* name;
    double degrees;
    int d, m;
    bool positive;
  };
  const Row rows[] = {
      {"Delhi's longitude", 77.23149, 77, 14, true},
      {"59.7 minutes carry into the degree", 28.995, 29, 0, true},
      {"half a minute rounds up", 10.0 + 30.5 / 60, 10, 31, true},
      {"west stays west", -74.00597, 74, 0, false},
      {"south below a whole degree", -0.5, 0, 30, false},
      {"a hair west of Greenwich is Greenwich", -0.004, 0, 0, true},
      {"the date line stays in the box", 179.9999, 179, 59, true},
  };
  for (const auto& row : rows) {
    const auto dm = places::ToDegreesMinutes(row.degrees, 179);
    EXPECT_EQ(dm.degrees, row.d) << row.name;
    EXPECT_EQ(dm.minutes, row.m) << row.name;
    EXPECT_EQ(dm.positive, row.positive) << row.name;
  }
}

}  // namespace
