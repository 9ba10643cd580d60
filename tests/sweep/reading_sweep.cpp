// Readings in bulk: every zone row, every year of the date list, latitudes up to 89 degrees in
// both hemispheres, both longitude hemispheres, daylight saving on and off, dates and times
// from a fixed counter. Each reading must hold together: well-formed position texts, names
// that agree with their texts, nodes opposite, one Yamardha and one Danda, a birth inside
// the period it was given, and no NaN or infinity anywhere.
//
// Usage: reading_sweep [count]   (default 100000). Exit status 0 when every reading passed.
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "core/zone_table.h"
#include "ephemeris/calendar_angles.h"
#include "reading/reading.h"
#include "sweep/sweep_entries.h"

namespace {

using namespace std::chrono;

using sweep::EntriesFor;

std::string Describe(const core::FormEntries& e) {
  return std::string(core::MonthName(e.cboMonth + 1)) + "/" + e.cboDate + "/" + e.cboYear + " " +
         e.cboHH + ":" + e.cboMM + ":" + e.cboSS + " lat " + e.txtLatD + "." + e.txtLatM +
         (e.optLatNorth ? "N" : "S") + " lon " + e.txtLonD + "." + e.txtLonM +
         (e.optLongEast ? "E" : "W") + " zone " + std::to_string(e.cmbTimeZone) +
         (e.chkDST ? " DST" : "");
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "DD Sss MM": degrees 00..29, a known sign, minutes 00..59.
// The sign a short position text shows in its characters 4 to 6; -1 when there is none.
int SignOfShortText(std::string_view t) {
  return t.size() >= 6 ? ephemeris::SignIndex(t.substr(3, 3)) : -1;
}

bool IsPositionText(std::string_view t) {
  if (t.size() != 9 || t[2] != ' ' || t[6] != ' ') return false;
  if (!IsDigit(t[0]) || !IsDigit(t[1]) || !IsDigit(t[7]) || !IsDigit(t[8])) return false;
  const int degrees = (t[0] - '0') * 10 + (t[1] - '0');
  const int minutes = (t[7] - '0') * 10 + (t[8] - '0');
  return degrees <= 29 && minutes <= 59 && ephemeris::SignIndex(t.substr(3, 3)) >= 0;
}

// A "nan" or "inf"/"infinity" word, in any case, as printing a non-finite number leaves it.
bool HasNonFiniteWord(std::string_view text) {
  std::size_t k = 0;
  while (k < text.size()) {
    const auto isLetter = [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
    if (!isLetter(text[k])) {
      ++k;
      continue;
    }
    std::string word;
    while (k < text.size() && isLetter(text[k])) word += static_cast<char>(text[k++] | 0x20);
    if (word == "nan" || word == "inf" || word == "infinity") return true;
  }
  return false;
}

// Collects the failed checks of one reading; a message is built only when its check fails.
class Checker {
 public:
  template <typename Message>
  void Expect(bool ok, Message&& what) {
    if (!ok) failures_.push_back(what());
  }
  bool Passed() const { return failures_.empty(); }
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  std::vector<std::string> failures_;
};

std::string Text(const core::DateTime& t) {
  return t ? reading::DateTimeText(*t) : "(none)";
}

// The birth lies in the period the reading chose, and the period's length and the elapsed
// time agree with its bounds: a day (this or the previous one) or a night (before this
// sunrise or after this sunset).
bool BirthInsideItsPeriod(const core::BirthRecord& r) {
  if (!r.BirthMoment) return false;
  const auto t = *r.BirthMoment;
  const auto fits = [&](const core::DateTime& start, const core::DateTime& end) {
    return start && end && *start <= t && t <= *end && (*end - *start).count() == r.PeriodSeconds &&
           (t - *start).count() == r.ElapsedSeconds;
  };
  if (r.PeriodName == "Dinamana")
    return fits(r.Sunrise, r.Sunset) || fits(r.PrevSunrise, r.PrevSunset);
  if (r.PeriodName == "Ratrimana")
    return fits(r.PrevSunset, r.Sunrise) || fits(r.Sunset, r.NextSunrise);
  return false;
}

int SignOfLongText(std::string_view longText) {
  return longText.size() >= 3 ? ephemeris::SignIndex(longText.substr(longText.size() - 3)) : -1;
}

void CheckTexts(const core::BirthRecord& r, Checker& c) {
  for (int k = 0; k < core::kBodyCount; ++k) {
    c.Expect(IsPositionText(r.PositionTexts[k]), [&] {
      return "PositionTexts[" + std::to_string(k) + "] = \"" + r.PositionTexts[k] + "\"";
    });
    c.Expect(r.ChartTexts[k] == r.PositionTexts[k],
             [&] { return "ChartTexts[" + std::to_string(k) + "] = \"" + r.ChartTexts[k] + "\""; });
  }
  const int moonSign = SignOfLongText(r.MoonLongitudeText);
  c.Expect(moonSign >= 0 && r.RashiName == ephemeris::kSanskritSignNames[moonSign], [&] {
    return "RashiName \"" + r.RashiName + "\" for MoonLongitudeText \"" + r.MoonLongitudeText +
           "\"";
  });
  const int lagnaSign = SignOfShortText(r.ChartTexts[9]);
  c.Expect(lagnaSign >= 0 && r.LagnaName == ephemeris::kSanskritSignNames[lagnaSign], [&] {
    return "LagnaName \"" + r.LagnaName + "\" for ChartTexts[9] \"" + r.ChartTexts[9] + "\"";
  });
  const int rahu = SignOfShortText(r.PositionTexts[7]);
  const int ketu = SignOfShortText(r.PositionTexts[8]);
  c.Expect(rahu >= 0 && ketu >= 0 && (rahu - ketu + 12) % 12 == 6, [&] {
    return "Rahu \"" + r.PositionTexts[7] + "\" and Ketu \"" + r.PositionTexts[8] +
           "\" are not six signs apart";
  });
}

void CheckPeriod(const core::BirthRecord& r, Checker& c) {
  int yamardhas = 0, dandas = 0;
  for (int k = 0; k < 8; ++k) yamardhas += r.YamardhaFlags[k];
  for (int k = 0; k < 4; ++k) dandas += r.DandaFlags[k];
  c.Expect(yamardhas == 1, [&] { return std::to_string(yamardhas) + " Yamardha flags set"; });
  c.Expect(dandas == 1, [&] { return std::to_string(dandas) + " Danda flags set"; });

  const std::array<std::pair<const core::DateTime*, const core::DateTime*>, 3> days{
      {{&r.PrevSunrise, &r.PrevSunset}, {&r.Sunrise, &r.Sunset}, {&r.NextSunrise, &r.NextSunset}}};
  for (const auto& [rise, set] : days)
    c.Expect(*rise && *set && **rise <= **set,
             [&] { return "sunrise " + Text(*rise) + " after sunset " + Text(*set); });

  c.Expect(BirthInsideItsPeriod(r), [&] {
    return "birth " + Text(r.BirthMoment) + " not inside its " + r.PeriodName + " of " +
           std::to_string(r.PeriodSeconds) + " s (elapsed " + std::to_string(r.ElapsedSeconds) +
           " s; rise/set " + Text(r.PrevSunrise) + ", " + Text(r.PrevSunset) + ", " +
           Text(r.Sunrise) + ", " + Text(r.Sunset) + ", " + Text(r.NextSunrise) + ", " +
           Text(r.NextSunset) + ")";
  });
  c.Expect(r.ElapsedSeconds >= 0 && r.ElapsedSeconds <= r.PeriodSeconds, [&] {
    return "ElapsedSeconds " + std::to_string(r.ElapsedSeconds) + " outside 0.." +
           std::to_string(r.PeriodSeconds);
  });
}

void CheckFinite(const core::BirthRecord& r, const core::ResultSheet& sheet, Checker& c) {
  c.Expect(std::isfinite(r.AyanamsaValue), [] { return std::string("AyanamsaValue not finite"); });
  const auto check = [&c](std::string_view t) {
    c.Expect(!HasNonFiniteWord(t),
             [&] { return "a non-finite number in \"" + std::string(t) + "\""; });
  };
  for (const std::string* t :
       {&r.MoonLongitudeText, &r.RashiName, &r.AscendantText, &r.BirthDateText, &r.PeriodName,
        &r.LagnaName, &r.Yamardhapati, &r.Dandadhipati})
    check(*t);
  for (const auto& t : r.BodyNames) check(t);
  for (const auto& t : r.PositionTexts) check(t);
  for (const auto& t : r.PositionNames) check(t);
  for (const auto& caption : sheet.captions)
    if (caption) check(*caption);
  for (const auto& run : sheet.RTB) check(run.text);
}

void CheckReading(const core::BirthRecord& r, const core::ResultSheet& sheet, Checker& c) {
  CheckTexts(r, c);
  CheckPeriod(r, c);
  CheckFinite(r, sheet, c);
}

// Runs reading i on the shared record and checks it; the checks are skipped for the time.
Checker RunAndCheck(const core::FormEntries& entries, core::BirthRecord& record,
                    steady_clock::duration& readingTime) {
  Checker checker;
  try {
    core::ResultSheet sheet;
    const auto before = steady_clock::now();
    const auto refusal = reading::RunReading(entries, record, sheet);
    readingTime += steady_clock::now() - before;
    if (refusal)
      checker.Expect(false, [&] { return "refused: " + refusal->message; });
    else
      CheckReading(record, sheet, checker);
  } catch (const std::exception& ex) {
    checker.Expect(false, [&] { return std::string("exception: ") + ex.what(); });
  } catch (...) {
    checker.Expect(false, [] { return std::string("unknown exception"); });
  }
  return checker;
}

// The checks themselves must catch what they are for: a reading spoiled in each checked way
// has to fail. Answers false, with a message, when a spoiled reading passes.
bool ChecksCatchSpoiledReadings() {
  core::BirthRecord good;
  core::ResultSheet sheet;
  if (reading::RunReading(EntriesFor(7), good, sheet)) return false;
  using Spoil = void (*)(core::BirthRecord&);
  const std::array<std::pair<const char*, Spoil>, 8> spoils{{
      {"degrees 30", [](core::BirthRecord& r) { r.PositionTexts[3] = "30 Ari 00"; }},
      {"unknown sign", [](core::BirthRecord& r) { r.PositionTexts[0] = "01 Xyz 00"; }},
      {"Rashi name",
       [](core::BirthRecord& r) { r.RashiName = r.RashiName == "Mesha" ? "Meena" : "Mesha"; }},
      {"nodes", [](core::BirthRecord& r) { r.PositionTexts[8] = r.PositionTexts[7]; }},
      {"two Yamardhas", [](core::BirthRecord& r) { r.YamardhaFlags.fill(true); }},
      {"no Danda", [](core::BirthRecord& r) { r.DandaFlags.fill(false); }},
      {"elapsed", [](core::BirthRecord& r) { r.ElapsedSeconds = r.PeriodSeconds + 1; }},
      {"NaN", [](core::BirthRecord& r) { r.Yamardhapati = "nan"; }},
  }};
  bool ok = true;
  for (const auto& [name, spoil] : spoils) {
    core::BirthRecord spoiled = good;
    spoil(spoiled);
    Checker checker;
    CheckReading(spoiled, sheet, checker);
    if (checker.Passed()) {
      std::fprintf(stderr, "FAIL the checks let a spoiled reading pass (%s)\n", name);
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const long long count = argc > 1 ? std::atoll(argv[1]) : 100000;
  if (count <= 0) {
    std::fprintf(stderr, "usage: %s [count > 0]\n", argv[0]);
    return 2;
  }
  if (!ChecksCatchSpoiledReadings()) return 1;
  core::BirthRecord record;  // one record for the whole run, as in the program
  long long failed = 0;
  steady_clock::duration readingTime{};
  const auto start = steady_clock::now();
  for (long long i = 0; i < count; ++i) {
    const core::FormEntries entries = EntriesFor(static_cast<std::uint64_t>(i));
    const Checker checker = RunAndCheck(entries, record, readingTime);
    if (checker.Passed() || ++failed > 20) continue;
    for (const auto& f : checker.Failures())
      std::fprintf(stderr, "FAIL reading %lld (%s): %s\n", i, Describe(entries).c_str(), f.c_str());
  }
  const double total = duration<double>(steady_clock::now() - start).count();
  const double reading = duration<double>(readingTime).count();
  std::printf("%lld readings, %lld failed; %.2f us per reading (%.2f us with the checks), %.1f s\n",
              count, failed, reading / double(count) * 1e6, total / double(count) * 1e6, total);
  return failed == 0 ? 0 : 1;
}
