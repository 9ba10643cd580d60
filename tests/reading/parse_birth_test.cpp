// The entries read once into the birth value: refusals as the input check gives them, the
// offset east with its origin, signed coordinates and the degrees and minutes as entered.
#include "reading/parse_birth.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono;
using core::FormEntries;

FormEntries Delhi() {
  FormEntries e;
  e.txtName = "ASHA";
  e.cboMonth = 2;  // March
  e.cboDate = "7";
  e.cboYear = "1984";
  e.cboHH = "10";
  e.cboMM = "5";
  e.cboSS = "30";
  e.txtMCity = "New Delhi";
  e.cmbTimeZone = 34;  // Indian Time, +5:30
  e.txtLonD = "77";
  e.txtLonM = "13";
  e.txtLatD = "28";
  e.txtLatM = "38";
  return e;
}

struct Case {
  const char* name;
  std::function<void(FormEntries&)> change;
  const char* refusal;  // the message, or nullptr for a birth value
  seconds east{};
  core::GeoAngle latitude{}, longitude{};
};

TEST(ParseBirth, Cases) {
  const Case cases[] = {
      {"Delhi",
       [](FormEntries&) {},
       nullptr,
       hours{5} + minutes{30},
       {28, 38, true},
       {77, 13, true}},
      {"no zone", [](FormEntries& e) { e.cmbTimeZone = -1; }, "Please Select Time Zone"},
      {"no name", [](FormEntries& e) { e.txtName.assign(1, ' '); }, "Please Enter Name"},
      {"31 April", [](FormEntries& e) { e.cboMonth = 3, e.cboDate = "31"; },
       "Please Enter Correct Date Or Month !"},
      {"west zone with daylight saving, south and west",
       [](FormEntries& e) {
         e.cmbTimeZone = 27;  // Eastern Standard Time, -5
         e.chkDST = true;
         e.optLatNorth = false;
         e.optLongEast = false;
       },
       nullptr,
       -hours{4},
       {28, 38, false},
       {77, 13, false}},
      {"decimal coordinates round halves to even",
       [](FormEntries& e) {
         e.txtLonM = "12.5";
         e.txtLatM = "58.5";
         e.txtLatD = "7.5";
       },
       nullptr,
       hours{5} + minutes{30},
       {8, 58, true},
       {77, 12, true}},
  };
  for (const Case& c : cases) {
    FormEntries e = Delhi();
    c.change(e);
    const auto parsed = reading::ParseBirth(e);
    if (c.refusal) {
      ASSERT_TRUE(std::holds_alternative<reading::Refusal>(parsed)) << c.name;
      EXPECT_EQ(std::get<reading::Refusal>(parsed).message, c.refusal) << c.name;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<core::BirthValue>(parsed)) << c.name;
    const auto& b = std::get<core::BirthValue>(parsed);
    EXPECT_EQ(b.local, local_days{1984y / March / 7} + hours{10} + minutes{5} + seconds{30})
        << c.name;
    EXPECT_EQ(b.offset.east, c.east) << c.name;
    EXPECT_EQ(b.offset.origin, (std::variant<core::ExactOrigin, core::ZoneRowOrigin>{
                                   core::ZoneRowOrigin{e.cmbTimeZone, e.chkDST}}))
        << c.name;
    EXPECT_EQ(b.latitude, c.latitude) << c.name;
    EXPECT_EQ(b.longitude, c.longitude) << c.name;
    EXPECT_EQ(b.city, "New Delhi") << c.name;
  }
}

}  // namespace
