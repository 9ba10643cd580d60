#pragma once
// The decisions behind the form's place boxes, without widgets: who sets the zone (nobody yet,
// the atlas from a picked place, or the person), what the program filled against what the
// person changed, the one clock decision the zone list, the daylight-saving box and the exact
// offset all come from, the status sentence, and the questions the person must answer before a
// reading (a repeated or skipped clock time, a City that no longer names the filled place).
// The form reads and writes its widgets and asks this class everything else.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/birth_details.h"
#include "core/words.h"
#include "places/atlas.h"
#include "places/birth_clock.h"
#include "places/clock_decision.h"
#include "places/clock_status.h"

namespace places {

// What the place's boxes and the zone list hold, as texts (UTF-8) and picks.
struct FormPlace {
  std::string city, state, country, lonD, lonM, latD, latM;
  bool east = true, north = true;
  int zone = -1;  // the zone list's index; ExactEntryIndex() for the decided clock's entry
  bool dst = false;
  bool operator==(const FormPlace&) const = default;
};

// The zone list's entry after its rows that shows an exact offset.
int ExactEntryIndex();

enum class EntryMode { None, Atlas, Hand };

// What the zone list and box should show, from one decision.
struct ZoneShown {
  int zone;  // a row, or ExactEntryIndex() with `exact` set
  bool dst;
  std::optional<ExactOffset> exact;
};

struct EntryQuestion {
  enum class Kind { Repeated, Skipped, CityChanged } kind;
  core::Words text;                  // core::English gives the English
  std::vector<core::Words> options;  // Cancel is the dialog's own; the first is the default
  core::Words subject;               // the status line while the question is up
  std::optional<Match> atlasEntry;   // CityChanged: the place the City names, offered first
};

// What the form does after an answer.
enum class AfterAnswer { Redecide, ClearPlace, PickAtlasEntry };

class PlaceEntry {
 public:
  // `tzVersion` is named in the status sentence.
  PlaceEntry(BirthClocks& clocks, std::string tzVersion)
      : clocks_(clocks), tzVersion_(std::move(tzVersion)) {}

  EntryMode mode() const { return mode_; }

  // A place picked from the list: the boxes to fill (the City takes the name searched by).
  // Decide() follows once they are written.
  FormPlace Pick(const Match& match, const FormPlace& now);

  // The birth date or time changed, or a place was just filled: decides the clock from the
  // birth time (`local`, empty for a date the calendar does not have) and says what to show.
  // Nothing to show when the atlas does not set the zone, or when no clock could be decided
  // (the zone and box are then left alone). `now` is what the form holds: a change made
  // elsewhere (a file read in) stops the atlas.
  std::optional<ZoneShown> Decide(std::optional<std::chrono::local_seconds> local,
                                  const FormPlace& now);
  // What the form holds after it showed a decision, to tell the person's later edits from it.
  void Filled(const FormPlace& now) { filled_ = now; }

  // The person's own edit of a box other than City ("Longitude entered by hand").
  void HandEdit(std::string_view what);
  // The person's own typing in the City box.
  void CityEdited(const FormPlace& now);

  // A birth-details file read into the boxes (`now`; `exactOffset` is the file's, where it has
  // one). Where the file names the zone the atlas gave the place (`saved`), the atlas decides
  // again as after a pick, with the answer to a repeated or skipped clock time that gives the
  // file's clock, so that the form shows what it showed when the file was saved. Where the tz
  // data in use gives another clock, the coordinates cannot be read, or the file names no
  // zone, the file's clock stands and the atlas sets no clock. What to show: the file's zone
  // and box, or the extra entry of its exact offset.
  ZoneShown Reopen(const FormPlace& now, std::optional<std::chrono::local_seconds> local,
                   const std::optional<core::AtlasPlace>& saved, std::optional<int> exactOffset);

  // The exact offset the zone list's extra entry shows: the atlas's decision, or a file's.
  std::optional<ExactOffset> Exact() const;
  // The zone and the offset in force while the atlas sets the form's clock and nothing else
  // changed the boxes since.
  struct AtlasClock {
    std::string zone;
    int offsetSeconds;
  };
  std::optional<AtlasClock> Decided(const FormPlace& now) const;
  // The clock used, for the result and the page: "UTC+6:30, war time, Asia/Kolkata"; empty
  // unless the atlas decided it.
  std::string Summary(const FormPlace& now) const;

  // The status sentence under the place boxes, in English and as words to translate.
  std::string status() const { return core::English(status_); }
  const core::Words& statusWords() const { return status_; }

  // The first question to answer before a reading, if any; `leavingTimeLists` asks only the
  // repeated clock time (the others wait for the reading button). `cityNamed` is the atlas's
  // place that a City typed over the picked place names (Atlas::Named), offered as the answer.
  std::optional<EntryQuestion> Pending(const FormPlace& now, bool leavingTimeLists = false,
                                       const std::optional<Match>& cityNamed = {}) const;
  // Takes answer `option` (an index into the question's options).
  AfterAnswer Answer(const EntryQuestion& question, int option, const FormPlace& now);

 private:
  struct Picked {
    std::string city;       // as the person knows it
    std::string placeText;  // "Kathmandu, Bagmati Province, Nepal"
    std::string zone;
    double latitude, longitude;
  };
  ClockQuestion Question(std::chrono::local_seconds local) const;
  ClockPlace PickedClockPlace() const { return {picked_->zone, picked_->city, picked_->longitude}; }
  static core::Words HandNote(std::string_view what);
  core::Words CityNote() const;
  bool ShowsSaved(const std::optional<ZoneShown>& shown, const FormPlace& now,
                  const core::AtlasPlace& saved, std::optional<int> exactOffset) const;
  std::optional<int> DecidedOffset() const;

  BirthClocks& clocks_;
  std::string tzVersion_;
  EntryMode mode_ = EntryMode::None;
  std::optional<Picked> picked_;
  FormPlace filled_;
  std::optional<std::chrono::local_seconds> local_;  // the birth time last decided
  BirthClock clock_;                                 // its clock
  ClockDecision decision_;                           // what the zone list shows
  // The person's answers, each for the clock time it was given for.
  std::optional<std::pair<std::chrono::local_seconds, bool>> repeatedAnswer_;  // later instance?
  std::optional<std::chrono::local_seconds> skippedAnswer_;
  bool cityKept_ = false;  // the person kept the filled place under another City
  core::Words status_;
};

}  // namespace places
