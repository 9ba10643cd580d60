#include "places/clock_names.h"

#include <array>
#include <cstdlib>
#include <string>

#include "places/clock_status.h"
#include "places/zone_timeline.h"

namespace places {

namespace {

// Mean times of a named city that the tz database keeps as a zone's clock, with the city its
// own comments give (tzdata's "asia" file): Asia/Kolkata's "5:53:20 HMT 1870 # Howrah Mean
// Time?" and "5:21:10 MMT 1906 Jan 1 # Madras local time"; Asia/Dhaka's HMT 1890-1941;
// Asia/Colombo's "5:19:32 MMT 1906 # Moratuwa Mean Time"; Asia/Yangon's "6:24:47 RMT 1920 #
// Rangoon local time". Each entry is a whole template, so that a language can put the city's
// name in its own script.
struct NamedMeanTime {
  std::string_view zoneId;
  int offsetSeconds;
  const char* entry;  // a core::Phrase template; %1 is the offset
};
constexpr std::array kNamedMeanTimes{
    NamedMeanTime{"Asia/Kolkata", 5 * 3600 + 53 * 60 + 20, "Howrah time, %1"},
    NamedMeanTime{"Asia/Kolkata", 5 * 3600 + 21 * 60 + 10, "Madras time, %1"},
    NamedMeanTime{"Asia/Dhaka", 5 * 3600 + 53 * 60 + 20, "Howrah time, %1"},
    NamedMeanTime{"Asia/Colombo", 5 * 3600 + 19 * 60 + 32, "Moratuwa time, %1"},
    NamedMeanTime{"Asia/Yangon", 6 * 3600 + 24 * 60 + 47, "Rangoon time, %1"},
};

// The atlas gives coordinates to the minute of arc, four seconds of time: a clock within two
// of those of the place's mean time is that mean time.
constexpr int kSameMeanTimeSeconds = 8;

// The city a zone id names: "Asia/Kathmandu" gives "Kathmandu", "America/Argentina/Buenos_Aires"
// gives "Buenos Aires".
std::string ZoneCity(std::string_view zoneId) {
  std::string city(zoneId.substr(zoneId.rfind('/') + 1));
  for (char& c : city)
    if (c == '_') c = ' ';
  return city;
}

}  // namespace

core::Words ClockEntryWords(int offsetSeconds, const ClockPlace& place, bool localMeanTime) {
  const core::Words offset = core::Fixed(UtcOffsetText(offsetSeconds));
  const bool ownMeanTime =
      std::abs(offsetSeconds - MeanTimeOffsetSeconds(place.longitudeEast)) <= kSameMeanTimeSeconds;
  if (!localMeanTime)
    for (const NamedMeanTime& named : kNamedMeanTimes)
      if (named.zoneId == place.zoneId && named.offsetSeconds == offsetSeconds)
        return core::Phrase(named.entry, {offset});
  if (localMeanTime || ownMeanTime)
    return core::Phrase("local mean time of %1, %2",
                        {core::Fixed(std::string(place.name)), offset});
  return core::Phrase("%1 clock, %2", {core::Fixed(ZoneCity(place.zoneId)), offset});
}

}  // namespace places
