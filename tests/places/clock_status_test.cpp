// The status sentence, the short summary, the decision between a zone row and the exact offset,
// and the zone list. Each clock below was checked with `zdump -v` (glibc's reader of the same
// tz database, release 2025b on the build machine) as noted beside it.
#include "places/clock_status.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "places/birth_clock.h"
#include "places/clock_decision.h"
#include "places/zone_list.h"

namespace {

namespace chr = std::chrono;

chr::local_seconds At(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
  return chr::local_days(chr::year(y) / mo / d) + chr::hours(h) + chr::minutes(mi) +
         chr::seconds(s);
}

struct Birth {
  const char* name;
  const char* place;  // as the person knows it
  const char* zone;
  double latitude, longitude;  // the atlas's
  chr::local_seconds local;
  bool later;
};

places::ClockQuestion Question(const Birth& b) {
  return {b.place, b.local, b.zone, "2026f", b.longitude, b.latitude};
}

places::BirthClock ClockOf(const Birth& b) {
  return places::BirthClocks().At(b.zone, b.local, b.longitude, b.later);
}

const Birth kDelhiJune1943{"DelhiJune1943",       "Delhi", "Asia/Kolkata", 28.65, 77.23,
                           At(1943, 6, 1, 12, 0), false};
const Birth kKathmandu1990{"Kathmandu1990",      "Kathmandu", "Asia/Kathmandu", 27.70, 85.3206,
                           At(1990, 5, 1, 6, 0), false};
const Birth kKathmandu1910{"Kathmandu1910",      "Kathmandu", "Asia/Kathmandu", 27.70, 85.3206,
                           At(1910, 5, 1, 6, 0), false};
const Birth kMadras1905{"Madras1905",          "Madras", "Asia/Kolkata", 13.09, 80.27847,
                        At(1905, 3, 1, 10, 5), false};
const Birth kNewYorkSkipped{"NewYorkSkipped",       "New York", "America/New_York", 40.71, -74.006,
                            At(1970, 4, 26, 2, 30), false};

struct SentenceCase {
  Birth birth;
  const char* text;
};

class ClockStatusTest : public testing::TestWithParam<SentenceCase> {};

TEST_P(ClockStatusTest, WholeSentence) {
  const Birth& b = GetParam().birth;
  EXPECT_EQ(places::ClockStatus(Question(b), ClockOf(b)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, ClockStatusTest,
    testing::Values(
        // +0630 isdst=1 gmtoff=23400 from 1942-09-01 01:00 to 1945-10-14 23:59:59.
        SentenceCase{kDelhiJune1943,
                     "Delhi, 1 June 1943 12:00: clocks were UTC+6:30 (war time, kept all year); "
                     "tz database 2026f, Asia/Kolkata"},
        SentenceCase{{"DelhiDecember1943", "Delhi", "Asia/Kolkata", 28.65, 77.23,
                      At(1943, 12, 15, 12, 0), false},
                     "Delhi, 15 December 1943 12:00: clocks were UTC+6:30 (war time, kept all "
                     "year); tz database 2026f, Asia/Kolkata"},
        // +0545 gmtoff=20700 since 1986-01-01.
        SentenceCase{kKathmandu1990,
                     "Kathmandu, 1 May 1990 06:00: clocks were UTC+5:45 (standard time); tz "
                     "database 2026f, Asia/Kathmandu"},
        // LMT gmtoff=20476 until 1919-12-31; the atlas's 85.3206 E gives 20477 s.
        SentenceCase{kKathmandu1910,
                     "Kathmandu, 1 May 1910 06:00: no common clock yet: local mean time of "
                     "Kathmandu, UTC+5:41:17; tz database 2026f, Asia/Kathmandu"},
        // MMT isdst=0 gmtoff=19270 until 1905-12-31 23:59:59.
        SentenceCase{kMadras1905,
                     "Madras, 1 March 1905 10:05: clocks were UTC+5:21:10 (standard time); tz "
                     "database 2026f, Asia/Kolkata"},
        // EST gmtoff=-18000 until 1970-04-26 01:59:59, then EDT gmtoff=-14400 from 03:00:00.
        SentenceCase{kNewYorkSkipped,
                     "New York, 26 April 1970 02:30: this time did not exist there: clocks went "
                     "from 02:00 to 03:00; most likely it means 03:30 (UTC-4:00); tz database "
                     "2026f, America/New_York"},
        // EDT until 1970-10-25 01:59:59, then EST from 01:00:00.
        SentenceCase{{"NewYorkRepeated", "New York", "America/New_York", 40.71, -74.006,
                      At(1970, 10, 25, 1, 30), false},
                     "New York, 25 October 1970 01:30: this time happened twice there, as clocks "
                     "went back from 02:00 to 01:00; taken as the first, clocks were UTC-4:00 "
                     "(summer time); tz database 2026f, America/New_York"},
        // BDST isdst=1 gmtoff=7200 from 1941-05-04 to 1941-08-10.
        SentenceCase{{"LondonDoubleSummer1941", "London", "Europe/London", 51.51, -0.126,
                      At(1941, 6, 1, 12, 0), false},
                     "London, 1 June 1941 12:00: clocks were UTC+2:00 (double summer time); tz "
                     "database 2026f, Europe/London"},
        // GMT isdst=1 gmtoff=0 (the lower clock flagged) from 1999-10-31 to 2000-03-26.
        SentenceCase{{"DublinWinter2000", "Dublin", "Europe/Dublin", 53.33, -6.249,
                      At(2000, 1, 15, 12, 0), false},
                     "Dublin, 15 January 2000 12:00: clocks were UTC+0:00 (winter time); tz "
                     "database 2026f, Europe/Dublin"},
        // EWT isdst=1 gmtoff=-14400 from 1942-02-09 to 1945-08-14, then EPT to 1945-09-30.
        SentenceCase{{"NewYorkWarTime1943", "New York", "America/New_York", 40.71, -74.006,
                      At(1943, 2, 15, 9, 30, 15), false},
                     "New York, 15 February 1943 09:30:15: clocks were UTC-4:00 (war time, kept "
                     "all year); tz database 2026f, America/New_York"},
        // IST isdst=0 gmtoff=19800 since 1945-10-15.
        SentenceCase{
            {"Plain", "New Delhi", "Asia/Kolkata", 28.64, 77.22, At(1984, 3, 7, 10, 5), false},
            "New Delhi, 7 March 1984 10:05: clocks were UTC+5:30 (standard time); tz "
            "database 2026f, Asia/Kolkata"}),
    [](const auto& info) { return std::string(info.param.birth.name); });

TEST(ClockSummary, NamesOffsetKindAndZone) {
  EXPECT_EQ(places::ClockSummary(Question(kDelhiJune1943), ClockOf(kDelhiJune1943)),
            "UTC+6:30, war time, Asia/Kolkata");
  EXPECT_EQ(places::ClockSummary(Question(kKathmandu1910), ClockOf(kKathmandu1910)),
            "UTC+5:41:17, local mean time, Asia/Kathmandu");
  EXPECT_EQ(places::ClockSummary(Question(kNewYorkSkipped), ClockOf(kNewYorkSkipped)), "");
}

// Zones without transitions: Qt's own "UTC" answered offsetData() with the smallest int, shown
// as "UTC-596523:14:08".
TEST(BirthClocks, ZonesWithoutTransitions) {
  places::BirthClocks clocks;
  for (const char* zone : {"UTC", "Etc/UTC", "Etc/GMT-14"}) {
    const places::BirthClock clock = clocks.At(zone, At(1980, 1, 1, 0, 0), 0.0);
    ASSERT_EQ(clock.error, "") << zone;
    EXPECT_EQ(clock.offsetSeconds, std::string(zone) == "Etc/GMT-14" ? 50400 : 0) << zone;
    EXPECT_FALSE(*clock.ahead) << zone;
  }
  EXPECT_EQ(places::UtcOffsetText(INT_MIN), "UTC-596523:14:08");  // no overflow (UBSan)
}

// The form's short hours and the page's two-digit hours with a true minus, seconds kept.
TEST(UtcOffsetText, ShortAndPageStyles) {
  struct Row {
    int seconds;
    const char* shortText;
    const char* pageText;
  };
  for (const Row& row :
       {Row{19800, "UTC+5:30", "UTC+05:30"}, Row{-18000, "UTC-5:00", "UTC−05:00"},
        Row{19270, "UTC+5:21:10", "UTC+05:21:10"}, Row{-37, "UTC-0:00:37", "UTC−00:00:37"},
        Row{50400, "UTC+14:00", "UTC+14:00"}}) {
    EXPECT_EQ(places::UtcOffsetText(row.seconds), row.shortText);
    EXPECT_EQ(places::UtcOffsetText(row.seconds, places::OffsetStyle::Page), row.pageText);
  }
}

TEST(ClockDecision, RowOrExactOffset) {
  const auto decide = [](const Birth& b) {
    return places::DecideClock(ClockOf(b), {b.zone, b.place, b.longitude});
  };
  const places::ClockDecision delhi = decide(kDelhiJune1943);
  ASSERT_TRUE(delhi.fit);
  EXPECT_FALSE(delhi.exact);
  EXPECT_EQ(places::RowName(delhi.fit->row), "Indian Time");
  EXPECT_TRUE(delhi.fit->dst);

  struct Exact {
    Birth birth;
    int offset;
    const char* entry;
  };
  for (const Exact& e : {Exact{kKathmandu1990, 20700, "Kathmandu clock, UTC+5:45"},
                         Exact{kMadras1905, 19270, "Madras time, UTC+5:21:10"},
                         Exact{kKathmandu1910, 20477, "local mean time of Kathmandu, UTC+5:41:17"},
                         // +1345 isdst=1 gmtoff=49500 in the southern summer.
                         Exact{{"Chatham", "Chatham", "Pacific/Chatham", -43.9, -176.5,
                                At(2000, 1, 15, 12, 0), false},
                               49500,
                               "Chatham clock, UTC+13:45"}}) {
    const places::ClockDecision d = decide(e.birth);
    EXPECT_FALSE(d.fit) << e.birth.name;
    ASSERT_TRUE(d.exact) << e.birth.name;
    EXPECT_EQ(d.exact->offsetSeconds, e.offset) << e.birth.name;
    EXPECT_EQ(d.exact->entryText, e.entry) << e.birth.name;
  }
  EXPECT_FALSE(decide(kNewYorkSkipped).fit || decide(kNewYorkSkipped).exact);
  // Outside what a birth may be read on: neither.
  const places::ClockDecision far =
      places::DecideOffset(15 * 3600, false, "", {"Etc/GMT-14", "Nowhere"});
  EXPECT_FALSE(far.fit || far.exact);
}

TEST(ClockDecision, SkippedTimeAndItsLikelyMoment) {
  const auto skipped = places::SkippedTimeOf(ClockOf(kNewYorkSkipped), kNewYorkSkipped.local);
  ASSERT_TRUE(skipped);
  EXPECT_EQ(skipped->from, At(1970, 4, 26, 2, 0));
  EXPECT_EQ(skipped->to, At(1970, 4, 26, 3, 0));
  EXPECT_EQ(skipped->onNewClock, At(1970, 4, 26, 3, 30));
  EXPECT_EQ(skipped->offsetSeconds, -18000);
  EXPECT_FALSE(places::SkippedTimeOf(ClockOf(kDelhiJune1943), kDelhiJune1943.local));
}

TEST(ZoneList, AcceptsOnlyListedIds) {
  for (const char* id : {"Asia/Kolkata", "Asia/Calcutta", "Etc/UTC", "UTC", "America/New_York"})
    EXPECT_TRUE(places::IsKnownZone(id)) << id;
  for (const char* id : {"../../../dev/zero", "/etc/passwd", "", "Asia", "asia/kolkata",
                         "Asia/Kolkata/", "UTC+05:30", "Atlantis/Capital"})
    EXPECT_EQ(places::CheckZone(id), places::ZoneCheck::Unknown) << id;
  const places::BirthClock clock =
      places::BirthClocks().At("../../../dev/zero", At(1980, 1, 1, 0, 0), 0.0);
  EXPECT_EQ(clock.error, "unknown time zone \"../../../dev/zero\"");
  EXPECT_FALSE(clock.tzDataUnreadable);
}

// An empty or corrupt tz database says so, rather than calling every zone unknown.
TEST(ZoneList, UnreadableTzData) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(testing::TempDir()) / "zoneinfo_broken";
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const char* content : {"",
                              "\x7f"
                              "ELF\x02\x01 not a zic file\n"}) {
    if (*content) std::ofstream(dir / "tzdata.zi") << content;
    EXPECT_FALSE(places::ZoneList::Read(dir.string()).readable());
    const places::BirthClock clock =
        places::BirthClocks(dir.string()).At("Asia/Kolkata", At(1980, 1, 1, 0, 0), 77.0);
    EXPECT_TRUE(clock.tzDataUnreadable);
    EXPECT_EQ(clock.error, "the tz data cannot be read (" + dir.string() + ")");
  }
}

}  // namespace
