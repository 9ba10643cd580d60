// The decisions behind the form's place boxes, without widgets: one clock decision for the zone
// list, the box and the exact offset; the questions before a reading; names as the person knew
// them. Clocks are the tz database's (Asia/Kolkata: Madras time +5:21:10 until 1906, war time
// +6:30 in 1943; Asia/Kathmandu +5:45 since 1986; America/New_York: 26 April 1970 02:00 went to
// 03:00, 25 October 1970 02:00 back to 01:00; zdump -v).
#include "places/place_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "core/zone_table.h"

namespace {

namespace chr = std::chrono;
using places::EntryMode;
using places::EntryQuestion;
using places::FormPlace;

chr::local_seconds At(int y, unsigned mo, unsigned d, int h, int mi) {
  return chr::local_days(chr::year(y) / mo / d) + chr::hours(h) + chr::minutes(mi);
}

const places::Place kKathmandu{"Kathmandu",      "Bagmati Province", "Nepal", "NP",
                               "Asia/Kathmandu", 27.70169,           85.3206, 0};
const places::Place kChennai{"Chennai",      "Tamil Nadu", "India",  "IN",
                             "Asia/Kolkata", 13.08784,     80.27847, 0};
const places::Place kNewYork{"New York",         "New York", "United States", "US",
                             "America/New_York", 40.71427,   -74.00597,       0};

constexpr int kGmtRow = 29;

// A fresh form: the Greenwich row selected, the boxes empty.
FormPlace Fresh() {
  FormPlace form;
  form.zone = kGmtRow;
  return form;
}

// The form's side: what the boxes hold, written as a form writes a decision.
class PlaceEntryTest : public ::testing::Test {
 protected:
  places::BirthClocks clocks;
  places::PlaceEntry entry{clocks, "test"};
  FormPlace form = Fresh();

  std::optional<places::ZoneShown> Pick(const places::Place& place, chr::local_seconds local) {
    form = entry.Pick({&place, {}, false}, form);
    return Decide(local);
  }
  std::optional<places::ZoneShown> Decide(chr::local_seconds local) {
    const auto shown = entry.Decide(local, form);
    if (shown) {
      form.zone = shown->zone;
      form.dst = shown->dst;
    } else if (!entry.Exact() && form.zone == places::ExactEntryIndex()) {
      form.zone = -1;
    }
    if (entry.mode() == EntryMode::Atlas) entry.Filled(form);
    return shown;
  }
};

TEST_F(PlaceEntryTest, ExactOffsetWhereNoRowShowsTheClock) {
  // A fresh start (GMT row) and Kathmandu, 1 May 1990 06:00: +5:45, the extra entry.
  const auto shown = Pick(kKathmandu, At(1990, 5, 1, 6, 0));
  ASSERT_TRUE(shown && shown->exact);
  EXPECT_EQ(shown->zone, places::ExactEntryIndex());
  EXPECT_FALSE(shown->dst);
  EXPECT_EQ(shown->exact->entryText, "Kathmandu clock, UTC+5:45");
  EXPECT_EQ(shown->exact->offsetSeconds, 20700);
  EXPECT_EQ(entry.Decided(form)->offsetSeconds, 20700);
  EXPECT_EQ(entry.Summary(form), "UTC+5:45, standard time, Asia/Kathmandu");
  EXPECT_FALSE(entry.Pending(form));
}

TEST_F(PlaceEntryTest, ZoneBoxAndExactOffsetComeFromOneDecision) {
  const auto war = Pick(kChennai, At(1943, 6, 1, 10, 5));
  ASSERT_TRUE(war && !war->exact);
  EXPECT_TRUE(war->dst);  // the Indian row, box ticked: +6:30
  EXPECT_EQ(entry.Summary(form), "UTC+6:30, war time, Asia/Kolkata");
  const auto madras = Decide(At(1905, 6, 1, 10, 5));
  ASSERT_TRUE(madras && madras->exact);
  EXPECT_FALSE(madras->dst);  // the box clears with the same decision
  EXPECT_EQ(madras->exact->entryText, "Chennai clock, UTC+5:21:10");
  EXPECT_EQ(entry.Decided(form)->offsetSeconds, 5 * 3600 + 21 * 60 + 10);
  // And back: the extra entry goes, the row comes back.
  const auto again = Decide(At(1943, 6, 1, 10, 5));
  ASSERT_TRUE(again && !again->exact);
  EXPECT_FALSE(entry.Exact());
}

TEST_F(PlaceEntryTest, SkippedTimeIsAskedAndReadOnTheClockBeforeTheChange) {
  EXPECT_FALSE(Pick(kNewYork, At(1970, 4, 26, 2, 30)));  // nothing decided in silence
  EXPECT_FALSE(entry.Decided(form));
  EXPECT_FALSE(entry.Pending(form, true)) << "leaving the time lists asks only a repeated time";
  const auto question = entry.Pending(form);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->kind, EntryQuestion::Kind::Skipped);
  EXPECT_NE(question->text.find("jumped from 02:00 to 03:00, so 02:30 did not exist"),
            std::string::npos)
      << question->text;
  ASSERT_EQ(question->options, std::vector<std::string>{"Take 03:30 UTC-4:00"});
  EXPECT_EQ(entry.Answer(*question, 0, form), places::AfterAnswer::Redecide);
  const auto shown = Decide(At(1970, 4, 26, 2, 30));
  ASSERT_TRUE(shown && !shown->exact);
  EXPECT_FALSE(shown->dst);  // the Eastern row on standard time: 07:30 UT, as 03:30 EDT is
  EXPECT_EQ(core::ZoneTable()[static_cast<std::size_t>(shown->zone)].text.substr(0, 9),
            "Eastern S");
  EXPECT_EQ(entry.Decided(form)->offsetSeconds, -5 * 3600);
  EXPECT_FALSE(entry.Pending(form));
  // Another time is a new question.
  Decide(At(1970, 4, 26, 2, 45));
  EXPECT_TRUE(entry.Pending(form));
}

TEST_F(PlaceEntryTest, RepeatedTimeIsAskedOnceWhenAsked) {
  Pick(kNewYork, At(1970, 10, 25, 1, 30));
  EXPECT_TRUE(form.dst) << "the first instance, until answered";
  // Deciding asks nothing; the question waits for the reading or for leaving the lists.
  const auto question = entry.Pending(form, true);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->kind, EntryQuestion::Kind::Repeated);
  EXPECT_EQ(question->options,
            (std::vector<std::string>{"The first (UTC-4:00 EDT, still summer time)",
                                      "The second (UTC-5:00 EST)"}));
  entry.Answer(*question, 1, form);
  const auto shown = Decide(At(1970, 10, 25, 1, 30));
  ASSERT_TRUE(shown);
  EXPECT_FALSE(shown->dst);
  EXPECT_FALSE(entry.Pending(form));
}

TEST_F(PlaceEntryTest, AnotherCityUnderAFilledPlaceIsAsked) {
  struct Row {
    const char* name;
    int option;
    places::AfterAnswer after;
    EntryMode mode;
  };
  for (const Row& row : {Row{"keep", 0, places::AfterAnswer::Redecide, EntryMode::Atlas},
                         Row{"clear", 1, places::AfterAnswer::ClearPlace, EntryMode::Hand}}) {
    SCOPED_TRACE(row.name);
    form = Fresh();
    Pick(kKathmandu, At(1990, 5, 1, 6, 0));
    form.city = "Patan";
    entry.CityEdited(form);
    EXPECT_NE(entry.status().find("still those of Kathmandu, Bagmati Province, Nepal"),
              std::string::npos);
    const auto question = entry.Pending(form);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->kind, EntryQuestion::Kind::CityChanged);
    EXPECT_EQ(entry.Answer(*question, row.option, form), row.after);
    EXPECT_EQ(entry.mode(), row.mode);
    EXPECT_EQ(entry.Exact().has_value(), row.mode == EntryMode::Atlas);
    EXPECT_FALSE(entry.Pending(form));
  }
}

TEST_F(PlaceEntryTest, HandEditsAndChangesElsewhereStopTheAtlas) {
  Pick(kKathmandu, At(1990, 5, 1, 6, 0));
  form.lonD = "86";  // a file read in
  EXPECT_FALSE(entry.Decide(At(1990, 5, 1, 7, 0), form));
  EXPECT_EQ(entry.mode(), EntryMode::Hand);
  EXPECT_FALSE(entry.Exact());
  EXPECT_FALSE(entry.Decided(form));
  EXPECT_EQ(entry.status().find("The place was changed elsewhere: the atlas no longer sets the "
                                "clock"),
            0u);
  EXPECT_FALSE(entry.Pending(form));
}

TEST(PlaceEntryNames, APickKeepsTheNameThePersonKnew) {
  const places::Atlas atlas = places::Atlas::Load();
  places::BirthClocks clocks;
  struct Row {
    const char* query;
    const char* city;
  };
  for (const Row& row : {Row{"Bombay", "Bombay"}, Row{"Madras", "Madras"}, Row{"Zürich", "Zürich"},
                         Row{"Mumbai", "Mumbai"}}) {
    SCOPED_TRACE(row.query);
    const auto found = atlas.Find(row.query, 1);
    ASSERT_EQ(found.size(), 1u);
    places::PlaceEntry entry(clocks, "test");
    EXPECT_EQ(entry.Pick(found[0], {}).city, row.city);
  }
  places::PlaceEntry entry(clocks, "test");
  FormPlace form = entry.Pick(atlas.Find("Madras", 1)[0], {});
  const auto shown = entry.Decide(At(1905, 6, 1, 10, 5), form);
  ASSERT_TRUE(shown && shown->exact);
  EXPECT_EQ(shown->exact->entryText, "Madras clock, UTC+5:21:10");
}

}  // namespace
