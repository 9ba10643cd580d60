// The input check: eight tests in order, the first failing one answers with its message.
#include "reading/validate_entries.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using core::FormEntries;
using reading::MessageIcon;
using reading::Refusal;

constexpr int kJanuary = 0, kFebruary = 1, kMarch = 2, kApril = 3, kJune = 5, kSeptember = 8,
              kNovember = 10;

FormEntries Acceptable() {
  FormEntries e;
  e.txtName = "ASHA";
  e.cboMonth = kMarch;
  e.cboDate = "7";
  e.cboYear = "1984";
  e.txtLonD = "77";
  e.txtLonM = "12";
  e.txtLatD = "28";
  e.txtLatM = "38";
  return e;
}

const Refusal kName{"Please Enter Name", MessageIcon::Error, "txtName"};
const Refusal kLonD{"Please Enter Value Between 0 And 179 in the Degree of Longitude",
                    MessageIcon::Error, "txtLonD"};
const Refusal kLonM{"Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                    MessageIcon::Error, "txtLonM"};
const Refusal kLatD{"Please Enter Value Between 0 And 89 in the Degree of Latitude",
                    MessageIcon::Error, "txtLatD"};
const Refusal kLatM{"Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                    MessageIcon::Error, "txtLatM"};
const Refusal kFebruaryDate{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                            std::nullopt};
const Refusal kThirtyDayMonth{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                              std::nullopt};

const Refusal kNoZone{"Please Select Time Zone", MessageIcon::Information, "cmbTimeZone"};

struct Case {
  const char* name;
  std::function<void(FormEntries&)> change;
  std::optional<Refusal> expected;
};

void RunCases(std::initializer_list<Case> cases) {
  for (const auto& c : cases) {
    FormEntries e = Acceptable();
    c.change(e);
    const auto refusal = reading::ValidateEntries(e);
    EXPECT_EQ(refusal.has_value(), c.expected.has_value()) << c.name;
    if (refusal && c.expected) {
      EXPECT_EQ(refusal->message, c.expected->message) << c.name;
      EXPECT_EQ(refusal->icon, c.expected->icon) << c.name;
      EXPECT_EQ(refusal->focus, c.expected->focus) << c.name;
    }
  }
}

// Puts a text into one box, as typing or pasting would.
auto Box(std::string FormEntries::*box, const char* text) {
  return [=](FormEntries& e) { e.*box = std::string(text); };
}

TEST(InputCheck, Name) {
  RunCases({
      {"a name passes", [](FormEntries&) {}, std::nullopt},
      {"empty", Box(&FormEntries::txtName, ""), kName},
      {"blanks only", Box(&FormEntries::txtName, "   "), kName},
      {"one letter between blanks", Box(&FormEntries::txtName, "  A "), std::nullopt},
  });
}

TEST(InputCheck, Degrees) {
  RunCases({
      {"longitude 0", Box(&FormEntries::txtLonD, "0"), std::nullopt},
      {"longitude 179", Box(&FormEntries::txtLonD, "179"), std::nullopt},
      {"longitude 180", Box(&FormEntries::txtLonD, "180"), kLonD},
      {"longitude 179.4 is more than 179", Box(&FormEntries::txtLonD, "179.4"), kLonD},
      {"longitude -1", Box(&FormEntries::txtLonD, "-1"), kLonD},
      {"longitude empty", Box(&FormEntries::txtLonD, ""), kLonD},
      {"longitude blanks", Box(&FormEntries::txtLonD, "  "), kLonD},
      {"longitude between blanks", Box(&FormEntries::txtLonD, " 12 "), std::nullopt},
      {"pasted 12abc is no number", Box(&FormEntries::txtLonD, "12abc"), kLonD},
      {"pasted letters", Box(&FormEntries::txtLonD, "abc"), kLonD},
      {"latitude 89", Box(&FormEntries::txtLatD, "89"), std::nullopt},
      {"latitude 90", Box(&FormEntries::txtLatD, "90"), kLatD},
      {"latitude empty", Box(&FormEntries::txtLatD, ""), kLatD},
      {"latitude 5x", Box(&FormEntries::txtLatD, "5x"), kLatD},
      {"latitude -0.5", Box(&FormEntries::txtLatD, "-0.5"), kLatD},
  });
}

TEST(InputCheck, Minutes) {
  RunCases({
      {"longitude 59", Box(&FormEntries::txtLonM, "59"), std::nullopt},
      {"longitude 60", Box(&FormEntries::txtLonM, "60"), kLonM},
      {"longitude empty", Box(&FormEntries::txtLonM, ""), kLonM},
      {"longitude 5x", Box(&FormEntries::txtLonM, "5x"), kLonM},
      {"longitude -1", Box(&FormEntries::txtLonM, "-1"), kLonM},
      {"latitude 0", Box(&FormEntries::txtLatM, "0"), std::nullopt},
      {"latitude 59", Box(&FormEntries::txtLatM, "59"), std::nullopt},
      {"latitude 60", Box(&FormEntries::txtLatM, "60"), kLatM},
      {"latitude empty", Box(&FormEntries::txtLatM, ""), kLatM},
      {"latitude 5x", Box(&FormEntries::txtLatM, "5x"), kLatM},
  });
}

auto Date(int month, const char* day, const char* year) {
  return [=](FormEntries& e) {
    e.cboMonth = month;
    e.cboDate = std::string(day);
    e.cboYear = std::string(year);
  };
}

TEST(InputCheck, Dates) {
  RunCases({
      {"29 February 1904", Date(kFebruary, "29", "1904"), std::nullopt},
      {"29 February 2000", Date(kFebruary, "29", "2000"), std::nullopt},
      {"28 February 1901", Date(kFebruary, "28", "1901"), std::nullopt},
      {"29 February 1901", Date(kFebruary, "29", "1901"), kFebruaryDate},
      {"30 February 2000", Date(kFebruary, "30", "2000"), kFebruaryDate},
      {"31 February 2048", Date(kFebruary, "31", "2048"), kFebruaryDate},
      {"30 February 2050", Date(kFebruary, "30", "2050"), kFebruaryDate},
      {"31 January", Date(kJanuary, "31", "1901"), std::nullopt},
      {"31 March", Date(kMarch, "31", "1984"), std::nullopt},
      {"30 April", Date(kApril, "30", "1984"), std::nullopt},
      {"31 April", Date(kApril, "31", "1984"), kThirtyDayMonth},
      {"31 June", Date(kJune, "31", "1984"), kThirtyDayMonth},
      {"31 September", Date(kSeptember, "31", "1984"), kThirtyDayMonth},
      {"31 November", Date(kNovember, "31", "1984"), kThirtyDayMonth},
  });
}

// Values that no list of the form holds, as another caller of the library could pass them:
// refused before any computation, naming the list.
Refusal ListRefusal(const char* message) {
  return {message, MessageIcon::Error, std::nullopt};
}

TEST(InputCheck, ListsHoldOnlyTheirEntries) {
  RunCases({
      {"month 12", [](FormEntries& e) { e.cboMonth = 12; },
       ListRefusal("\"cboMonth\" must be a month name from \"January\" to \"December\".")},
      {"month -1", [](FormEntries& e) { e.cboMonth = -1; },
       ListRefusal("\"cboMonth\" must be a month name from \"January\" to \"December\".")},
      {"day 40", Date(kMarch, "40", "1984"),
       ListRefusal("\"cboDate\" must be one of the list's entries \"1\" to \"31\".")},
      {"day 07 is no entry", Date(kMarch, "07", "1984"),
       ListRefusal("\"cboDate\" must be one of the list's entries \"1\" to \"31\".")},
      {"year 1900", Date(kMarch, "7", "1900"),
       ListRefusal("\"cboYear\" must be one of the list's entries \"1901\" to \"2050\".")},
      {"hour 99", [](FormEntries& e) { e.cboHH = "99"; },
       ListRefusal("\"cboHH\" must be one of the list's entries \"0\" to \"23\".")},
      {"second 60", [](FormEntries& e) { e.cboSS = "60"; },
       ListRefusal("\"cboSS\" must be one of the list's entries \"0\" to \"59\".")},
      {"zone row 71", [](FormEntries& e) { e.cmbTimeZone = 71; },
       ListRefusal("\"cmbTimeZone\" must be a whole number from -1 to 70.")},
      {"no zone row picked", [](FormEntries& e) { e.cmbTimeZone = -1; }, kNoZone},
      {"last entries of every list",
       [](FormEntries& e) {
         Date(kMarch, "31", "2050")(e);
         e.cboHH = "23", e.cboMM = "59", e.cboSS = "59", e.cmbTimeZone = 70;
       },
       std::nullopt},
  });
}

TEST(InputCheck, FirstFailingTestWins) {
  RunCases({
      {"bad name and bad longitude",
       [](FormEntries& e) {
         Box(&FormEntries::txtName, "")(e);
         Box(&FormEntries::txtLonD, "999")(e);
       },
       kName},
      {"bad longitude degrees and minutes",
       [](FormEntries& e) {
         Box(&FormEntries::txtLonD, "180")(e);
         Box(&FormEntries::txtLonM, "60")(e);
       },
       kLonD},
      {"bad latitude minutes and a bad date",
       [](FormEntries& e) {
         Box(&FormEntries::txtLatM, "")(e);
         Date(kApril, "31", "1984")(e);
       },
       kLatM},
      {"bad longitude minutes and bad latitude degrees",
       [](FormEntries& e) {
         Box(&FormEntries::txtLonM, "x")(e);
         Box(&FormEntries::txtLatD, "x")(e);
       },
       kLonM},
      {"a bad date before no zone",
       [](FormEntries& e) {
         Date(kApril, "31", "1984")(e);
         e.cmbTimeZone = -1;
       },
       kThirtyDayMonth},
  });
}

}  // namespace
