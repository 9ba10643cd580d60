#pragma once
// The one status sentence that tells what clock a birth time was read on and which zone row
// shows it; shared by the form and the command-line lookup.

#include <chrono>
#include <string>
#include <string_view>

#include "places/zone_rows.h"
#include "places/zone_timeline.h"

namespace places {

struct ClockQuestion {
  std::string_view place;  // as the user knows it: "Delhi"
  std::chrono::local_seconds local;
  std::string_view zoneId;     // "Asia/Kolkata"
  std::string_view tzVersion;  // TzDataVersion()
  double longitudeEast = 0.0;
};

// E.g. "Delhi, 1 June 1943 12:00, per Asia/Kolkata (tz 2026f): UTC+6:30, summer clock:
// Indian Time with Daylight Saving Time". Short enough for two lines of the form.
std::string ClockStatus(const ClockQuestion& question, const BirthClock& clock,
                        const RowChoice& choice);

// "UTC+5:30", "UTC-5:00", "UTC+5:21:10".
std::string UtcOffsetText(int offsetSeconds);

}  // namespace places
