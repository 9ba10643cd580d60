#pragma once
// One line of place-lookup: a query with the birth date and time as a JSON object in, the
// atlas's matches and the clock of the first one as a JSON object out. Never throws; a
// malformed line gives an error object.

#include <string>
#include <string_view>

#include "places/atlas.h"
#include "places/birth_clock.h"

namespace lookup {

class PlaceLookup {
 public:
  PlaceLookup();
  std::string ProcessLine(std::string_view line);

 private:
  places::Atlas atlas_;
  places::BirthClocks clocks_;
  std::string tzVersion_;
};

}  // namespace lookup
