#include "places/clock_decision.h"

#include "places/clock_status.h"

namespace places {

namespace chr = std::chrono;

ClockDecision DecideOffset(int offsetSeconds, bool ahead, std::string_view standardAbbreviation,
                           const ClockPlace& place, bool localMeanTime) {
  ClockDecision decision;
  decision.fit = FitRow(offsetSeconds, ahead, standardAbbreviation);
  if (decision.fit) return decision;
  if (offsetSeconds < kMinOffsetSeconds || offsetSeconds > kMaxOffsetSeconds) return decision;
  const core::Words entry = ClockEntryWords(offsetSeconds, place, localMeanTime);
  decision.exact = ExactOffset{offsetSeconds, core::English(entry), entry};
  return decision;
}

ClockDecision DecideClock(const BirthClock& clock, const ClockPlace& place) {
  if (!clock.error.empty() || !clock.offsetSeconds) return {};
  return DecideOffset(*clock.offsetSeconds, clock.ahead.value_or(false), clock.standardAbbreviation,
                      place, clock.localMeanTime);
}

std::optional<SkippedTime> SkippedTimeOf(const BirthClock& clock, chr::local_seconds local) {
  if (!clock.error.empty() || clock.kind != ClockKind::Skipped) return std::nullopt;
  const chr::local_seconds change{chr::seconds(clock.changeUtc)};
  return SkippedTime{
      .from = change + chr::seconds(clock.offsetBeforeSeconds),
      .to = change + chr::seconds(clock.offsetAfterSeconds),
      .onNewClock = local + chr::seconds(clock.offsetAfterSeconds - clock.offsetBeforeSeconds),
      .offsetSeconds = clock.offsetBeforeSeconds};
}

}  // namespace places
