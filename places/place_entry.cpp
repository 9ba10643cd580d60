#include "places/place_entry.h"

#include <cctype>
#include <cstdio>

#include "core/birth_value.h"
#include "core/form_entries.h"
#include "core/numbers.h"
#include "core/zone_table.h"
#include "places/clock_status.h"
#include "places/coordinates.h"

namespace places {

namespace chr = std::chrono;

namespace {

// "UTC-4:00 EDT"; a numeric abbreviation ("+0530") adds nothing to the offset.
std::string ClockName(const BirthClock& clock) {
  std::string text = UtcOffsetText(clock.offsetSeconds.value_or(0));
  if (!clock.abbreviation.empty() &&
      std::isalpha(static_cast<unsigned char>(clock.abbreviation[0])))
    text += " " + clock.abbreviation;
  return text;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    if (part.empty()) continue;
    if (!text.empty()) text += ", ";
    text += part;
  }
  return text;
}

// The place boxes only: the zone and box are the decision's.
bool SamePlace(const FormPlace& a, const FormPlace& b) {
  return a.state == b.state && a.country == b.country && a.lonD == b.lonD && a.lonM == b.lonM &&
         a.latD == b.latD && a.latM == b.latM && a.east == b.east && a.north == b.north;
}

// Signed degrees from a coordinate's boxes; empty unless both hold numbers.
std::optional<double> Degrees(const std::string& degrees, const std::string& minutes,
                              bool positive) {
  const auto d = core::WholeNumber(degrees), m = core::WholeNumber(minutes);
  if (!d || !m) return std::nullopt;
  return core::GeoAngle{*d, *m, positive}.Signed();
}

}  // namespace

int ExactEntryIndex() {
  return core::kZoneCount;
}

FormPlace PlaceEntry::Pick(const Match& match, const FormPlace& now) {
  const Place& place = *match.place;
  picked_ =
      Picked{std::string(MatchCity(match)), Joined({place.name, place.division, place.country}),
             std::string(place.zone), place.latitude, place.longitude};
  repeatedAnswer_.reset();
  skippedAnswer_.reset();
  cityKept_ = false;
  mode_ = EntryMode::Atlas;
  const DegreesMinutes lon = ToDegreesMinutes(place.longitude, 179);
  const DegreesMinutes lat = ToDegreesMinutes(place.latitude, 89);
  filled_ = FormPlace{picked_->city,
                      std::string(place.division),
                      std::string(place.country),
                      std::to_string(lon.degrees),
                      std::to_string(lon.minutes),
                      std::to_string(lat.degrees),
                      std::to_string(lat.minutes),
                      lon.positive,
                      lat.positive,
                      now.zone,
                      now.dst};
  return filled_;
}

ClockQuestion PlaceEntry::Question(chr::local_seconds local) const {
  return {picked_->city, local, picked_->zone, tzVersion_, picked_->longitude, picked_->latitude};
}

std::optional<ZoneShown> PlaceEntry::Decide(std::optional<chr::local_seconds> local,
                                            const FormPlace& now) {
  if (mode_ != EntryMode::Atlas) return std::nullopt;
  // Someone else (a file read in, say) wrote into the boxes: theirs stands.
  if (now != filled_) {
    HandEdit("The place was changed elsewhere");
    return std::nullopt;
  }
  local_ = local;
  decision_ = {};
  clock_ = {};
  if (!local) {
    status_ = core::Phrase(
        "%1: the birth date is not a date of the calendar; the clock is left as it is.",
        {core::Fixed(picked_->city)});
    return std::nullopt;
  }
  const bool later = repeatedAnswer_ && repeatedAnswer_->first == *local && repeatedAnswer_->second;
  clock_ = clocks_.At(picked_->zone, *local, picked_->longitude, later);
  status_ = ClockStatusWords(Question(*local), clock_);
  if (skippedAnswer_ == *local) {
    if (const auto skipped = SkippedTimeOf(clock_, *local)) {
      // The clock before the change names the row: Eastern Standard Time, not Central
      // Daylight Time of the same offset.
      const BirthClock before =
          clocks_.At(picked_->zone, skipped->from - chr::seconds(1), picked_->longitude);
      decision_ = DecideOffset(skipped->offsetSeconds, before.ahead.value_or(false),
                               before.standardAbbreviation, PickedClockPlace());
      status_ = core::Phrase("%1; read as %2 as you answered",
                             {status_, core::Fixed(TimeText(skipped->onNewClock))});
    }
  } else {
    decision_ = DecideClock(clock_, PickedClockPlace());
  }
  // A City typed over the picked place and not yet kept stays said until the reading asks.
  if (!cityKept_ && filled_.city != picked_->city) status_ = CityNote();
  if (decision_.fit) return ZoneShown{decision_.fit->row, decision_.fit->dst, std::nullopt};
  if (decision_.exact) return ZoneShown{ExactEntryIndex(), false, decision_.exact};
  return std::nullopt;
}

core::Words PlaceEntry::HandNote(std::string_view what) {
  return core::Phrase("%1: the atlas no longer sets the clock; pick the city again to let it.",
                      {core::Phrase(std::string(what))});
}

void PlaceEntry::HandEdit(std::string_view what) {
  if (mode_ != EntryMode::Atlas) return;
  mode_ = EntryMode::Hand;
  decision_ = {};
  status_ = HandNote(what);
}

core::Words PlaceEntry::CityNote() const {
  return core::Phrase(
      "City changed by hand: the state, country, coordinates and clock are still those of %1; "
      "the reading will ask whether to keep them.",
      {core::Fixed(picked_->placeText)});
}

void PlaceEntry::CityEdited(const FormPlace& now) {
  if (mode_ != EntryMode::Atlas) return;
  filled_.city = now.city;
  cityKept_ = false;
  if (now.city == picked_->city) {
    if (local_) status_ = ClockStatusWords(Question(*local_), clock_);
    return;
  }
  status_ = CityNote();
}

bool PlaceEntry::ShowsSaved(const std::optional<ZoneShown>& shown, const FormPlace& now,
                            const core::AtlasPlace& saved, std::optional<int> exactOffset) const {
  if (!shown || DecidedOffset() != saved.offsetSeconds) return false;
  if (exactOffset) return shown->exact && shown->exact->offsetSeconds == *exactOffset;
  return !shown->exact && shown->zone == now.zone && shown->dst == now.dst;
}

ZoneShown PlaceEntry::Reopen(const FormPlace& now, std::optional<chr::local_seconds> local,
                             const std::optional<core::AtlasPlace>& saved,
                             std::optional<int> exactOffset) {
  repeatedAnswer_.reset();
  skippedAnswer_.reset();
  cityKept_ = false;
  const auto longitude = Degrees(now.lonD, now.lonM, now.east);
  const auto latitude = Degrees(now.latD, now.latM, now.north);
  if (saved && local && longitude && latitude) {
    picked_ = Picked{now.city, Joined({now.city, now.state, now.country}), saved->zone, *latitude,
                     *longitude};
    mode_ = EntryMode::Atlas;
    // The answers the person may have given before saving: the first or the second of a
    // repeated clock time, the likely moment of a skipped one.
    for (int answer = 0; answer < 3; ++answer) {
      repeatedAnswer_.reset();
      skippedAnswer_.reset();
      if (answer < 2) repeatedAnswer_ = std::pair(*local, answer == 1);
      if (answer == 2) skippedAnswer_ = *local;
      filled_ = now;
      const std::optional<ZoneShown> shown = Decide(local, now);
      if (ShowsSaved(shown, now, *saved, exactOffset)) return *shown;
    }
    repeatedAnswer_.reset();
    skippedAnswer_.reset();
  }
  // The file's clock stands.
  mode_ = EntryMode::Hand;
  decision_ = {};
  clock_ = {};
  status_ = HandNote("The clock was read from the file");
  if (!exactOffset) return ZoneShown{now.zone, now.dst, std::nullopt};
  const core::Words offset = core::Fixed(UtcOffsetText(*exactOffset));
  const core::Words entry =
      now.city.empty() ? offset : core::Phrase("%1 clock, %2", {core::Fixed(now.city), offset});
  decision_.exact = ExactOffset{*exactOffset, core::English(entry), entry};
  return ZoneShown{ExactEntryIndex(), false, decision_.exact};
}

std::optional<ExactOffset> PlaceEntry::Exact() const {
  // A hand edit clears the decision, so a decision kept outside the atlas's mode is a file's.
  return decision_.exact;
}

std::optional<int> PlaceEntry::DecidedOffset() const {
  if (decision_.exact) return decision_.exact->offsetSeconds;
  if (!decision_.fit) return std::nullopt;
  if (clock_.offsetSeconds) return *clock_.offsetSeconds;
  // A skipped time taken: the row and box of the clock before the change.
  return RowOffsetSeconds(decision_.fit->row) + (decision_.fit->dst ? 3600 : 0);
}

std::optional<PlaceEntry::AtlasClock> PlaceEntry::Decided(const FormPlace& now) const {
  if (mode_ != EntryMode::Atlas || !picked_ || now != filled_) return std::nullopt;
  const std::optional<int> offset = DecidedOffset();
  if (!offset) return std::nullopt;
  return AtlasClock{picked_->zone, *offset};
}

std::string PlaceEntry::Summary(const FormPlace& now) const {
  const auto decided = Decided(now);
  if (!decided || !local_) return {};
  std::string summary = ClockSummary(Question(*local_), clock_);
  if (summary.empty())  // a time that did not exist, read on the clock before the change
    summary =
        UtcOffsetText(decided->offsetSeconds) + ", the clock before the change, " + picked_->zone;
  return summary;
}

std::optional<EntryQuestion> PlaceEntry::Pending(const FormPlace& now, bool leavingTimeLists,
                                                 const std::optional<Match>& cityNamed) const {
  if (mode_ != EntryMode::Atlas || !picked_) return std::nullopt;
  const std::string& city = picked_->city;
  if (local_ && clock_.error.empty() && clock_.kind == ClockKind::Skipped &&
      skippedAnswer_ != *local_ && !leavingTimeLists) {
    const auto skipped = SkippedTimeOf(clock_, *local_);
    const std::string before = UtcOffsetText(clock_.offsetBeforeSeconds);
    const std::string after = UtcOffsetText(clock_.offsetAfterSeconds);
    using core::Fixed;
    const chr::local_days day = chr::floor<chr::days>(*local_);
    // A whole day skipped (Apia, 30 December 2011: from 00:00 to 00:00 a day later) is said
    // as such; the clock times alone would read "from 00:00 to 00:00".
    if (skipped && skipped->from <= day && day + chr::days(1) <= skipped->to)
      return EntryQuestion{
          EntryQuestion::Kind::Skipped,
          core::Phrase(
              "In %1 the whole of %2 did not exist: the clocks went from the end of %3 "
              "straight to %4. Most likely it means %5 %6 on the new clock (%7). The birth "
              "time stays as you typed it.",
              {Fixed(city), DateWords(day),
               DateWords(chr::floor<chr::days>(skipped->from - chr::seconds(1))),
               DateWords(chr::floor<chr::days>(skipped->to)),
               DateWords(chr::floor<chr::days>(skipped->onNewClock)),
               Fixed(TimeText(skipped->onNewClock)), Fixed(after)}),
          {core::Phrase("Take %1 %2", {Fixed(TimeText(skipped->onNewClock)), Fixed(after)})},
          status_,
          std::nullopt};
    return EntryQuestion{
        EntryQuestion::Kind::Skipped,
        core::Phrase(
            "In %1 on %2 the clocks jumped from %3 to %4, so %5 did not exist there. "
            "Most likely it means %6 on the new clock (%7), the moment the clock before "
            "the change (%8) would have shown as %5. The birth time stays as you typed "
            "it.",
            {Fixed(city), DateWords(chr::floor<chr::days>(*local_)), Fixed(TimeText(skipped->from)),
             Fixed(TimeText(skipped->to)), Fixed(TimeText(*local_)),
             Fixed(TimeText(skipped->onNewClock)), Fixed(after), Fixed(before)}),
        {core::Phrase("Take %1 %2", {Fixed(TimeText(skipped->onNewClock)), Fixed(after)})},
        status_,
        std::nullopt};
  }
  if (local_ && clock_.error.empty() && clock_.kind == ClockKind::Repeated &&
      !(repeatedAnswer_ && repeatedAnswer_->first == *local_)) {
    using core::Fixed;
    const BirthClock first = clocks_.At(picked_->zone, *local_, picked_->longitude, false);
    const BirthClock second = clocks_.At(picked_->zone, *local_, picked_->longitude, true);
    return EntryQuestion{
        EntryQuestion::Kind::Repeated,
        core::Phrase(
            "In %1, %2 on %3 happened twice: the clocks went back from %4 to %5. Which "
            "of the two was the birth?",
            {Fixed(city), Fixed(TimeText(*local_)), DateWords(chr::floor<chr::days>(*local_)),
             Fixed(UtcOffsetText(first.offsetBeforeSeconds)),
             Fixed(UtcOffsetText(first.offsetAfterSeconds))}),
        {core::Phrase(
             first.ahead.value_or(false) ? "The first (%1, still summer time)" : "The first (%1)",
             {Fixed(ClockName(first))}),
         core::Phrase("The second (%1)", {Fixed(ClockName(second))})},
        status_,
        std::nullopt};
  }
  if (leavingTimeLists || cityKept_ || now.city == city || !SamePlace(now, filled_))
    return std::nullopt;
  using core::Fixed;
  EntryQuestion question{
      EntryQuestion::Kind::CityChanged,
      core::Phrase("The City reads \"%1\", but the state, country, coordinates and clock are "
                   "those of %2. Keep them for %1?",
                   {Fixed(now.city), Fixed(picked_->placeText)}),
      {core::Phrase("Keep them"), core::Phrase("Clear them")},
      CityNote(),
      std::nullopt};
  // A City that names a place of the atlas most likely means that place: offered first, the
  // answer Enter gives.
  if (cityNamed) {
    const std::string named = MatchText(*cityNamed);
    question.text = core::Phrase(
        "The City reads \"%1\", but the state, country, coordinates and clock are those of %2. "
        "Take %3 from the atlas, or keep them for %1?",
        {Fixed(now.city), Fixed(picked_->placeText), Fixed(named)});
    question.options.insert(question.options.begin(),
                            core::Phrase("Take %1 from the atlas", {Fixed(named)}));
    question.atlasEntry = cityNamed;
  }
  return question;
}

AfterAnswer PlaceEntry::Answer(const EntryQuestion& question, int option, const FormPlace& now) {
  switch (question.kind) {
    case EntryQuestion::Kind::Repeated:
      if (local_) repeatedAnswer_ = std::pair(*local_, option == 1);
      return AfterAnswer::Redecide;
    case EntryQuestion::Kind::Skipped:
      skippedAnswer_ = local_;
      return AfterAnswer::Redecide;
    case EntryQuestion::Kind::CityChanged:
      if (question.atlasEntry) {
        if (option == 0) return AfterAnswer::PickAtlasEntry;
        --option;  // Keep and Clear follow the atlas's place
      }
      if (option == 0) {
        cityKept_ = true;
        return AfterAnswer::Redecide;
      }
      HandEdit("City entered by hand");
      status_ = core::Phrase(
          "Enter the state, country, coordinates and time zone of %1, or pick it from the atlas.",
          {core::Fixed(now.city)});
      return AfterAnswer::ClearPlace;
  }
  return AfterAnswer::Redecide;
}

}  // namespace places
