#pragma once
// The reading text as data: which sentence each line is and its numbers. The sheet groups the
// items in blocks (core::ReadingBlock), one per run of the text. The English text is rendered
// from them by chakra::EnglishReadingRuns; a window or page in another language fills its own
// templates from the same items, so each language can order its words as it needs.

#include <cstdint>

namespace core {

// The body or sign a sentence speaks of: %1 in the templates below reads "Lagna" or "Rashi".
enum class ReadingTarget : std::uint8_t { Lagna, Rashi };

// Every sentence of the reading text, with its English template. %1 is the item's target,
// %2 its number as the template says; the English is exact, quirks included ("come" for
// "some", "Planet" after every count, the trailing blank of MixedResults).
enum class ReadingSentence : std::uint8_t {
  // "More About Vedha and Dandadhipati"
  Heading,
  // "Dandadhipati Is Placed In The %1"
  DandadhipatiPlaced,
  // "Dandadhipati Is Not Placed In The %1"
  DandadhipatiNotPlaced,
  // "Cause Vedha To The %1": all three vedha signs of the target are occupied.
  CauseVedha,
  // Lagna only: "Vedha of Lagna is related to intelligence issues"
  LagnaVedhaConcerns,
  // Rashi only: "Vedha of moon is related to health related issues."
  RashiVedhaConcerns,
  // Malefics only: "You may face a lot of troubles and tensions in areas associated with the
  // planet"
  MaleficOnly,
  // Benefics only: "You may have desirable results in areas associated with the planet"
  BeneficOnly,
  // One to three malefics: "Vedha to %1 from %2 Malefic Planet", %2 = malefics (1, 2 or 3;
  // the English keeps "Planet" singular for every count)
  MaleficCount,
  // Follows MaleficCount for one malefic: "You may face many problems and obstacles."
  ManyProblems,
  // Follows MaleficCount for two: "You may face come physical ailments" ("come" means "some")
  PhysicalAilments,
  // Follows MaleficCount for three: "You will face extreme problems."
  ExtremeProblems,
  // Malefics and benefics: "Vedha to %1 from Benefic and Malefic Planets"
  BeneficAndMalefic,
  // Follows BeneficAndMalefic: "You may have desirable results in areas associated with the
  // benefic planet and you may face a lot of troubles and tensions in areas associated with
  // the malefic planet " (with its trailing blank)
  MixedResults,
  // One per piercing planet of the Rashi that has an effect: "Vedha from %1 :- %2", %1 the
  // planet's name (body), %2 what its vedha touches (chakra::VedhaEffectAreas(body)), e.g.
  // "Vedha from Sun :- Bile related problems; fever; mental tensions".
  PlanetEffect,
};

struct ReadingItem {
  ReadingSentence sentence = ReadingSentence::Heading;
  ReadingTarget target = ReadingTarget::Lagna;
  int body = -1;     // PlanetEffect: the planet's body index (0 Sun .. 8 Ketu); else -1
  int malefics = 0;  // the target's malefic count, on the sentences that follow from counts
  int benefics = 0;  // the target's benefic count, likewise
  friend bool operator==(const ReadingItem&, const ReadingItem&) = default;
};

}  // namespace core
