// The decisions behind the form's place boxes, without widgets: one clock decision for the zone
// list, the box and the exact offset; a time that did not exist asked before a reading. Clocks are
// the tz database's (Asia/Kolkata: Madras time +5:21:10 until 1906, war time +6:30 in 1943;
// Asia/Kathmandu +5:45 since 1986; America/New_York: 26 April 1970 02:00 went to 03:00; zdump -v).
// The form's tests (tests/ui/place_picker_test.cpp) drive the same cases through the widgets, with
// the repeated time and a City retyped over a picked place.
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

// One decision gives the zone, the box and the exact offset: Kathmandu from a fresh start, and
// Chennai from war time (Indian row, box ticked) to Madras time and back.
TEST_F(PlaceEntryTest, ZoneBoxAndExactOffsetComeFromOneDecision) {
  struct Row {
    const places::Place* place;
    int year;
    bool dst;
    const char* entry;  // the extra entry; none for a row
    const char* summary;
  };
  const Row rows[] = {{&kKathmandu, 1990, false, "Kathmandu clock, UTC+5:45",
                       "UTC+5:45, standard time, Asia/Kathmandu"},
                      {&kChennai, 1943, true, nullptr, "UTC+6:30, war time, Asia/Kolkata"},
                      {&kChennai, 1905, false, "Madras time, UTC+5:21:10",
                       "UTC+5:21:10, standard time, Asia/Kolkata"},
                      {&kChennai, 1943, true, nullptr, "UTC+6:30, war time, Asia/Kolkata"}};
  const places::Place* picked = nullptr;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    const auto local = At(row.year, 6, 1, 10, 5);
    const auto shown = row.place == picked ? Decide(local) : Pick(*row.place, local);
    picked = row.place;
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->dst, row.dst);
    EXPECT_EQ(shown->exact.has_value(), row.entry != nullptr);
    EXPECT_EQ(entry.Exact().has_value(), row.entry != nullptr);
    if (row.entry) {
      EXPECT_EQ(shown->zone, places::ExactEntryIndex());
      EXPECT_EQ(shown->exact->entryText, row.entry);
      EXPECT_EQ(entry.Decided(form)->offsetSeconds, shown->exact->offsetSeconds);
    }
    EXPECT_EQ(entry.Summary(form), row.summary);
    EXPECT_FALSE(entry.Pending(form));
  }
}

TEST_F(PlaceEntryTest, SkippedTimeIsAskedAndReadOnTheClockBeforeTheChange) {
  EXPECT_FALSE(Pick(kNewYork, At(1970, 4, 26, 2, 30)));  // nothing decided in silence
  EXPECT_FALSE(entry.Decided(form));
  EXPECT_FALSE(entry.Pending(form, true)) << "leaving the time lists asks only a repeated time";
  const auto question = entry.Pending(form);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->kind, EntryQuestion::Kind::Skipped);
  const std::string text = core::English(question->text);
  EXPECT_NE(text.find("jumped from 02:00 to 03:00, so 02:30 did not exist"), std::string::npos)
      << text;
  ASSERT_EQ(question->options.size(), 1u);
  EXPECT_EQ(core::English(question->options[0]), "Take 03:30 UTC-4:00");
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

// Apia went from UTC-10 to UTC+14 at the end of 29 December 2011: the whole 30th is skipped.
TEST_F(PlaceEntryTest, ADaySkippedWholeIsAskedAsADay) {
  const places::Place apia{"Apia", "Tuamasaga", "Samoa", "WS", "Pacific/Apia", -13.83, -171.77, 0};
  EXPECT_FALSE(Pick(apia, At(2011, 12, 30, 12, 0)));
  const auto question = entry.Pending(form);
  ASSERT_TRUE(question);
  EXPECT_EQ(core::English(question->text),
            "In Apia the whole of 30 December 2011 did not exist: the clocks went from the end of "
            "29 December 2011 straight to 31 December 2011. Most likely it means 31 December 2011 "
            "12:00 on the new clock (UTC+14:00). The birth time stays as you typed it.");
}

}  // namespace

namespace {

// A file saved after a pick reopens as the pick showed it (zone or exact offset, status, no
// question again); where the tz data in use gives another clock, or the file names no zone,
// the file's clock stands and the atlas no longer sets it.
TEST_F(PlaceEntryTest, ReopenedFileShowsTheClockAsSaved) {
  const places::Place delhi{"Delhi", "Delhi", "India", "IN", "Asia/Kolkata", 28.65, 77.23, 0};
  const struct {
    const char* name;
    const places::Place& place;
    chr::local_seconds local;
    int answer;                      // to the repeated clock time; -1: none asked
    std::optional<int> savedOffset;  // none: the file names no zone
    bool atlasDecides;
  } rows[] = {{"Kathmandu, exact offset", kKathmandu, At(1990, 5, 1, 6, 0), -1, 20700, true},
              {"Delhi, war time on a row", delhi, At(1943, 6, 1, 12, 0), -1, 23400, true},
              {"New York, the second 01:30", kNewYork, At(2021, 11, 7, 1, 30), 1, -18000, true},
              {"another tz release", kKathmandu, At(1990, 5, 1, 6, 0), -1, 20640, false},
              {"no zone in the file", kKathmandu, At(1990, 5, 1, 6, 0), -1, {}, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Pick(row.place, row.local);
    if (row.answer >= 0) entry.Answer(*entry.Pending(form, true), row.answer, form);
    Decide(row.local);
    const auto exact = entry.Exact();
    FormPlace opened = form;
    if (exact) opened.zone = -1;  // as the file's entries fill the form
    std::optional<core::AtlasPlace> saved;
    if (row.savedOffset) saved = core::AtlasPlace{std::string(row.place.zone), *row.savedOffset};
    places::PlaceEntry reopened{clocks, "test"};
    const places::ZoneShown shown = reopened.Reopen(
        opened, row.local, saved, exact ? std::optional(exact->offsetSeconds) : std::nullopt);
    EXPECT_EQ(std::pair(shown.zone, shown.dst), std::pair(form.zone, form.dst));
    EXPECT_EQ(reopened.Exact().value_or(places::ExactOffset{}).offsetSeconds,
              exact.value_or(places::ExactOffset{}).offsetSeconds);
    EXPECT_EQ(reopened.mode(), row.atlasDecides ? EntryMode::Atlas : EntryMode::Hand);
    EXPECT_EQ(reopened.status() == entry.status(), row.atlasDecides);
    reopened.Filled(form);
    EXPECT_FALSE(reopened.Pending(form));
  }
}

}  // namespace
