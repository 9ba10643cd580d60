// The Swiss Ephemeris module against the same library taken another way: tropical positions
// less the ayanamsa of swe_get_ayanamsa_ex_ut (nutation included), the ascendant from
// apparent sidereal time and true obliquity, and sunrise and sunset by bisection of the Sun's
// altitude. Tolerances: 1" for every longitude, 1 s for every sunrise and sunset.
#include "swiss/swiss_ephemeris.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

using namespace std::chrono;
using A = swiss::Ayanamsa;
using N = swiss::Node;
using R = swiss::SunriseRule;
using D = swiss::SunDay;

constexpr double kArcsecond = 1.0 / 3600;
constexpr double kFilesFirstJd = 2378496.5;  // 1 January 1800, 0 h TT: start of sepl_18.se1
constexpr double kDeg = std::numbers::pi / 180;

struct Birth {
  const char* name;
  int year, month, day, hour, minute, offsetMinutes;  // local clock; offset = local - UT
  double latitude, longitude;
  int sidMode;  // the library's name of the ayanamsa chosen
  swiss::Settings settings;
  D sunDay;
};

// 1800 to 2399, both hemispheres, every ayanamsa, node and sunrise rule, polar day and night.
// clang-format off
const Birth kBirths[] = {
    {"Calcutta 1800", 1800, 1, 2, 5, 40, 353, 22.57, 88.36, SE_SIDM_LAHIRI,
     {A::Lahiri, N::Mean, R::LimbRefracted}, D::RisesAndSets},
    {"Cape Town 1815", 1815, 6, 18, 14, 0, 74, -33.92, 18.42, SE_SIDM_RAMAN,
     {A::Raman, N::True, R::LimbRefracted}, D::RisesAndSets},
    {"Lima 1843", 1843, 3, 1, 9, 30, -308, -12.05, -77.04, SE_SIDM_KRISHNAMURTI,
     {A::Krishnamurti, N::Mean, R::DiscCentre}, D::RisesAndSets},
    {"Paris 1857", 1857, 10, 12, 23, 50, 9, 48.86, 2.35, SE_SIDM_TRUE_CITRA,
     {A::TrueChitrapaksha, N::True, R::LimbRefracted}, D::RisesAndSets},
    {"Madras 1869", 1869, 10, 2, 7, 11, 321, 13.08, 80.27, SE_SIDM_LAHIRI,
     {A::Lahiri, N::True, R::DiscCentre}, D::RisesAndSets},
    {"Melbourne 1888", 1888, 1, 26, 12, 0, 600, -37.81, 144.96, SE_SIDM_RAMAN,
     {A::Raman, N::Mean, R::LimbRefracted}, D::RisesAndSets},
    {"New York 1901", 1901, 7, 4, 6, 15, -300, 40.71, -74.01, SE_SIDM_KRISHNAMURTI,
     {A::Krishnamurti, N::True, R::LimbRefracted}, D::RisesAndSets},
    {"Buenos Aires 1927", 1927, 12, 25, 18, 45, -240, -34.60, -58.38, SE_SIDM_TRUE_CITRA,
     {A::TrueChitrapaksha, N::Mean, R::DiscCentre}, D::RisesAndSets},
    {"New Delhi 1947", 1947, 8, 15, 0, 0, 330, 28.61, 77.21, SE_SIDM_LAHIRI,
     {}, D::RisesAndSets},
    {"Tromso, midsummer 1969", 1969, 6, 21, 12, 0, 60, 69.65, 18.96, SE_SIDM_RAMAN,
     {A::Raman, N::True, R::LimbRefracted}, D::NeverSets},
    {"Tromso, midwinter 1984", 1984, 12, 21, 12, 0, 60, 69.65, 18.96, SE_SIDM_KRISHNAMURTI,
     {A::Krishnamurti, N::Mean, R::DiscCentre}, D::NeverRises},
    {"McMurdo, June 2001", 2001, 6, 21, 12, 0, 720, -77.85, 166.67, SE_SIDM_TRUE_CITRA,
     {A::TrueChitrapaksha, N::True, R::LimbRefracted}, D::NeverRises},
    {"Nairobi, leap day 2000", 2000, 2, 29, 4, 30, 180, -1.29, 36.82, SE_SIDM_LAHIRI,
     {A::Lahiri, N::True, R::LimbRefracted}, D::RisesAndSets},
    {"Honolulu 2024", 2024, 11, 5, 22, 10, -600, 21.31, -157.86, SE_SIDM_RAMAN,
     {A::Raman, N::Mean, R::DiscCentre}, D::RisesAndSets},
    {"Reykjavik 2050", 2050, 3, 20, 8, 0, 0, 64.15, -21.94, SE_SIDM_KRISHNAMURTI,
     {A::Krishnamurti, N::True, R::LimbRefracted}, D::RisesAndSets},
    {"Auckland 2100", 2100, 9, 9, 9, 9, 720, -36.85, 174.76, SE_SIDM_TRUE_CITRA,
     {A::TrueChitrapaksha, N::Mean, R::LimbRefracted}, D::RisesAndSets},
    {"Quito 2175", 2175, 4, 30, 16, 20, -300, -0.18, -78.47, SE_SIDM_LAHIRI,
     {A::Lahiri, N::Mean, R::DiscCentre}, D::RisesAndSets},
    {"Tokyo 2250", 2250, 2, 14, 3, 3, 540, 35.68, 139.69, SE_SIDM_RAMAN,
     {A::Raman, N::True, R::LimbRefracted}, D::RisesAndSets},
    {"Ushuaia 2325", 2325, 12, 21, 20, 0, -180, -54.80, -68.30, SE_SIDM_KRISHNAMURTI,
     {A::Krishnamurti, N::Mean, R::LimbRefracted}, D::RisesAndSets},
    {"Mumbai, last day of 2399", 2399, 12, 31, 23, 59, 330, 19.08, 72.88, SE_SIDM_TRUE_CITRA,
     {A::TrueChitrapaksha, N::True, R::DiscCentre}, D::RisesAndSets},
    {"Delhi 1800, still 1799 in UT", 1800, 1, 1, 1, 0, 309, 28.61, 77.21, SE_SIDM_LAHIRI,
     {}, D::RisesAndSets},
};
// clang-format on

double JulianDay(sys_seconds t) {
  return 2440587.5 + t.time_since_epoch().count() / 86400.0;
}
double Signed(double a, double b) {
  return std::remainder(a - b, 360.0);
}

double Tropical(double jd, int body, int ephemeris) {
  double xx[6];
  char error[AS_MAXCH];
  EXPECT_GE(swe_calc_ut(jd, body, ephemeris, xx, error), 0) << error;
  return xx[0];
}

double Ayanamsa(double jd, int sidMode, int ephemeris) {
  double ayanamsa = 0;
  char error[AS_MAXCH];
  swe_set_sid_mode(sidMode, 0, 0);
  EXPECT_GE(swe_get_ayanamsa_ex_ut(jd, ephemeris, &ayanamsa, error), 0) << error;
  return ayanamsa;
}

// The ecliptic point on the horizon: tan(asc) = cos(armc) / -(sin(armc) cos(eps) +
// tan(lat) sin(eps)) (Meeus, Astronomical Algorithms, 14.2); inside the polar circles that
// can be the setting point, and the rising one is opposite.
double TropicalAscendant(double jd, double latitude, double longitude, int ephemeris) {
  const double armc = (swe_sidtime(jd) * 15 + longitude) * kDeg;
  const double eps = Tropical(jd, SE_ECL_NUT, ephemeris) * kDeg;
  double point[3] = {std::atan2(std::cos(armc), -(std::sin(armc) * std::cos(eps) +
                                                  std::tan(latitude * kDeg) * std::sin(eps))) /
                         kDeg,
                     0, 1};
  double geo[3] = {longitude, latitude, 0}, horizontal[3];
  swe_azalt(jd + 0.001, SE_ECL2HOR, geo, 0, 0, point, horizontal);
  return point[0] + (horizontal[1] < 0 ? 180 : 0);
}

// Degrees above the rule's horizon. Limb: the topocentric upper limb (solar radius 959.63"
// at 1 au) against the true altitude that refraction at 1013.25 hPa and 15 °C lifts to 0.
// Disc centre: the geocentric centre with its ecliptic latitude set to 0, no refraction.
double AboveHorizon(double jd, double latitude, double longitude, R rule, int ephemeris) {
  double geo[3] = {longitude, latitude, 0}, xx[6], horizontal[3], refraction[4];
  char error[AS_MAXCH];
  if (rule == R::DiscCentre) {
    swe_calc_ut(jd, SE_SUN, ephemeris, xx, error);
    xx[1] = 0;
    swe_azalt(jd, SE_ECL2HOR, geo, 0, 0, xx, horizontal);
    return horizontal[1];
  }
  static const double horizon = [&] {
    double low = -1, high = 0;  // apparent altitude below 0 until the root, above from it
    for (int i = 0; i < 60; ++i) {
      const double mid = (low + high) / 2;
      swe_refrac_extended(mid, 0, 1013.25, 15, 0.0065, SE_TRUE_TO_APP, refraction);
      (refraction[1] > 0 && refraction[2] > 0 ? high : low) = mid;
    }
    return low;
  }();
  swe_set_topo(longitude, latitude, 0);
  swe_calc_ut(jd, SE_SUN, ephemeris | SEFLG_TOPOCTR, xx, error);
  swe_azalt(jd, SE_ECL2HOR, geo, 1013.25, 15, xx, horizontal);
  return horizontal[1] + 959.63 / 3600 / xx[2] - horizon;
}

// The first crossing upward (rising) or downward within [from, end): 5-minute steps, then
// bisection to well below a millisecond.
std::optional<double> Crossing(double from, double end, bool rising, const Birth& b, int eph) {
  const auto above = [&](double jd) {
    return AboveHorizon(jd, b.latitude, b.longitude, b.settings.sunrise, eph) > 0;
  };
  for (double low = from, high = from + 5.0 / 1440; low < end; low = high, high += 5.0 / 1440) {
    if (above(low) == rising || above(high) != rising) continue;
    for (int i = 0; i < 40; ++i)
      ((above((low + high) / 2) == rising) ? high : low) = (low + high) / 2;
    return high < end ? std::optional(high) : std::nullopt;
  }
  return std::nullopt;
}

void ExpectSameTime(std::optional<sys_seconds> got, std::optional<double> want, double& worst) {
  ASSERT_EQ(got.has_value(), want.has_value());
  if (!want) return;
  const double error = (JulianDay(*got) - *want) * 86400;
  worst = std::max(worst, std::abs(error));
  EXPECT_LE(std::abs(error), 1.0) << "seconds off";
}

TEST(SwissEphemeris, NoSettingOutlivesItsComputation) {
  const swiss::Place delhi{28.61, 77.21};
  const sys_seconds moment = sys_days{1984y / 3 / 7} + hours{4} + minutes{35};
  const auto fresh = swiss::ComputePositions(moment, delhi, {});
  const auto freshSun = swiss::ComputeSunTimes(1984y / 3 / 7, minutes{330}, delhi, {});
  const swiss::Settings raman{A::Raman, N::True, R::DiscCentre};
  const auto other = swiss::ComputePositions(moment, delhi, raman);
  const auto otherSun = swiss::ComputeSunTimes(1984y / 3 / 7, minutes{330}, delhi, raman);
  swe_set_sid_mode(SE_SIDM_FAGAN_BRADLEY, 0, 0);  // another user of the library
  const auto again = swiss::ComputePositions(moment, delhi, {});
  const auto againSun = swiss::ComputeSunTimes(1984y / 3 / 7, minutes{330}, delhi, {});
  EXPECT_NE(other.longitudes, fresh.longitudes);
  EXPECT_NE(otherSun.sunrise, freshSun.sunrise);
  EXPECT_EQ(again.longitudes, fresh.longitudes);
  EXPECT_EQ(again.speeds, fresh.speeds);
  EXPECT_EQ(againSun.sunrise, freshSun.sunrise);
  EXPECT_EQ(againSun.sunset, freshSun.sunset);
}

TEST(SwissEphemeris, MatchesTheLibraryTakenAnotherWay) {
  double worstBody = 0, worstAscendant = 0, worstSun = 0;
  for (const Birth& b : kBirths) {
    SCOPED_TRACE(b.name);
    const swiss::Place place{b.latitude, b.longitude};
    const local_days date{year{b.year} / b.month / b.day};
    const seconds offset = minutes{b.offsetMinutes};
    const sys_seconds ut{(date + hours{b.hour} + minutes{b.minute} - offset).time_since_epoch()};
    const double jd = JulianDay(ut);
    const int eph = jd >= kFilesFirstJd ? SEFLG_SWIEPH : SEFLG_MOSEPH;
    const swiss::Positions got = swiss::ComputePositions(ut, place, b.settings);
    ASSERT_EQ(got.error, "");
    EXPECT_EQ(got.fromFiles, eph == SEFLG_SWIEPH);

    const double ayanamsa = Ayanamsa(jd, b.sidMode, eph);
    const int node = b.settings.node == N::True ? SE_TRUE_NODE : SE_MEAN_NODE;
    const int bodies[] = {SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,
                          SE_JUPITER, SE_SATURN, node,       node};
    for (int i = 0; i < 9; ++i) {
      const double want = Tropical(jd, bodies[i], eph) - ayanamsa + (i == 8 ? 180 : 0);
      const double error = Signed(got.longitudes[i], want) / kArcsecond;
      worstBody = std::max(worstBody, std::abs(error));
      EXPECT_LE(std::abs(error), 1.0) << "body " << i << ", arcseconds off";
      EXPECT_TRUE(got.longitudes[i] >= 0 && got.longitudes[i] < 360) << got.longitudes[i];
    }
    const double ascendant = TropicalAscendant(jd, b.latitude, b.longitude, eph) - ayanamsa;
    const double error = Signed(got.longitudes[9], ascendant) / kArcsecond;
    worstAscendant = std::max(worstAscendant, std::abs(error));
    EXPECT_LE(std::abs(error), 1.0) << "ascendant, arcseconds off";

    // The speeds are those of the positions: two hours' motion, Mercury to Saturn.
    const auto before = swiss::ComputePositions(ut - hours{1}, place, b.settings);
    const auto after = swiss::ComputePositions(ut + hours{1}, place, b.settings);
    for (int i = 0; i < swiss::kPlanetCount; ++i) {
      const int body = swiss::kFirstPlanet + i;
      const double motion = Signed(after.longitudes[body], before.longitudes[body]) * 12;
      EXPECT_NEAR(got.speeds[i], motion, 1e-4) << "planet " << body;
    }

    const swiss::SunTimes sun =
        swiss::ComputeSunTimes(year_month_day{date}, offset, place, b.settings);
    ASSERT_EQ(sun.error, "");
    EXPECT_EQ(sun.day, b.sunDay);
    const double start = JulianDay(sys_seconds{date.time_since_epoch()} - offset);
    EXPECT_EQ(sun.fromFiles, start >= kFilesFirstJd);
    const auto rise =
        Crossing(start, start + 1, true, b, sun.fromFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH);
    const auto set = Crossing(rise.value_or(start), start + 1, false, b,
                              sun.fromFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH);
    ExpectSameTime(sun.sunrise, rise, worstSun);
    ExpectSameTime(sun.sunset, set, worstSun);
  }
  std::printf("worst: bodies %.6f\", ascendant %.6f\", sunrise and sunset %.3f s\n", worstBody,
              worstAscendant, worstSun);
}

TEST(SwissEphemeris, RefusesWhatItCannotCompute) {
  const sys_seconds moment = sys_days{2000y / 1 / 1};
  EXPECT_NE(swiss::ComputePositions(moment, {91, 0}, {}).error, "");
  EXPECT_NE(swiss::ComputeSunTimes(2000y / 1 / 1, {}, {0, NAN}, {}).error, "");
  EXPECT_NE(swiss::ComputePositions(sys_days{5500y / 1 / 1}, {0, 0}, {}).error, "");
  EXPECT_NE(swiss::LibraryVersion(), "");
}

}  // namespace
