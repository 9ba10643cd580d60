// The degree normaliser, the sign of a longitude, the quadrant arctangent and the radian
// reduction.
#include "ephemeris/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

using namespace ephemeris;

struct NormalCase {
  const char* name;
  double degrees, expected;
};

class NormalizedDegreesTest : public testing::TestWithParam<NormalCase> {};

TEST_P(NormalizedDegreesTest, BringsDegreesIntoOneTurn) {
  const auto& c = GetParam();
  const double got = NormalizedDegrees(c.degrees);
  EXPECT_EQ(got, c.expected) << c.name;
  EXPECT_FALSE(std::signbit(got)) << c.name << ": no negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Angles, NormalizedDegreesTest,
    testing::Values(NormalCase{"inside", 123.25, 123.25}, NormalCase{"full_turn", 360, 0},
                    NormalCase{"negative_zero", -0.0, 0}, NormalCase{"two_turns_back", -720, 0},
                    NormalCase{"just_below_zero", -0.5, 359.5},
                    // 360 less 1e-20 is 360 in doubles: a full turn, so 0.
                    NormalCase{"tiny_negative", -1e-20, 0},
                    NormalCase{"many_turns", 481267.5 + 360 * 1000, 307.5},
                    // 2^60 = 3202559735019019 turns and 136 degrees, exactly.
                    NormalCase{"huge", 0x1p60, 136}, NormalCase{"huge_negative", -0x1p60, 224}),
    [](const auto& info) { return std::string(info.param.name); });

// Whole turns taken one at a time, as the formulas once did: exact steps, so equal.
TEST(NormalizedDegrees, EqualsWholeTurnSteps) {
  for (double x = -1000.3; x < 2000; x += 17.123456789) {
    double stepped = x;
    while (stepped < 0) stepped += 360;
    while (stepped >= 360) stepped -= 360;
    EXPECT_EQ(NormalizedDegrees(x), stepped) << x;
  }
}

struct SignCase {
  const char* name;
  double longitude;
  int sign;
};

class SignOfLongitudeTest : public testing::TestWithParam<SignCase> {};

TEST_P(SignOfLongitudeTest, TakesTheSignFromTheTruncatedDegrees) {
  const auto& c = GetParam();
  EXPECT_EQ(SignOfLongitude(c.longitude), c.sign) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Longitudes, SignOfLongitudeTest,
    testing::Values(SignCase{"first_point", 0, 0},
                    SignCase{"just_below_Taurus", std::nextafter(30.0, 0.0), 0},
                    SignCase{"Taurus", 30, 1}, SignCase{"last_of_Pisces", 359.9999999, 11},
                    SignCase{"full_turn_has_none", 360, -1},
                    SignCase{"negative_by_magnitude", -45, 1},
                    SignCase{"not_a_number", std::nan(""), -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArctanCase {
  const char* name;
  double y, x, expected;
};

class QuadrantArctanTest : public testing::TestWithParam<ArctanCase> {};

TEST_P(QuadrantArctanTest, PlacesTheAngleByTheSigns) {
  const auto& c = GetParam();
  EXPECT_NEAR(QuadrantArctan(c.y, c.x), c.expected, 1e-12) << c.name;
}

constexpr double kPi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(Quadrants, QuadrantArctanTest,
                         testing::Values(ArctanCase{"negative_x_axis_gives_zero", 0, -1, 0},
                                         ArctanCase{"positive_y_axis", 1, 0, kPi / 2},
                                         ArctanCase{"negative_y_axis", -1, 0, -kPi / 2},
                                         ArctanCase{"origin", 0, 0, 0},
                                         ArctanCase{"first", 1, 1, kPi / 4},
                                         ArctanCase{"second", 1, -1, 3 * kPi / 4},
                                         ArctanCase{"third", -1, -1, -3 * kPi / 4},
                                         ArctanCase{"fourth", -1, 1, -kPi / 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReduceRadians, BringsAnglesIntoOneTurn) {
  EXPECT_NEAR(ReduceRadians(-0.5), TwoPi - 0.5, 1e-12);
  EXPECT_EQ(ReduceRadians(-2 * TwoPi), 0);
  EXPECT_NEAR(ReduceRadians(3 * TwoPi + 1), 1, 1e-12);
  EXPECT_NEAR(ReduceRadians(1), 1, 1e-15);
  for (double x : {-1e-17, -1e-300, 1e6, -1e6}) {
    const double r = ReduceRadians(x);
    EXPECT_GE(r, 0) << x;
    EXPECT_LT(r, TwoPi) << x;
  }
}

}  // namespace
