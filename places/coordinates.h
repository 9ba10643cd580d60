#pragma once
// A place's signed decimal degrees as the form's boxes hold them: whole degrees and minutes
// with a hemisphere.

#include <cstdint>

namespace places {

struct DegreesMinutes {
  int degrees = 0;
  int minutes = 0;       // 0..59
  bool positive = true;  // north or east
};

// Rounded to the whole minute, with the carry into the degree (28.9999° is 28° 60', shown as
// 29° 0'). Zero counts as north or east. The form's boxes end at `highest`° 59' (179 for a
// longitude, 89 for a latitude): a place beyond is shown there, less than a minute away.
DegreesMinutes ToDegreesMinutes(double signedDegrees, int highest);

}  // namespace places
