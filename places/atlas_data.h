#pragma once

#include <cstddef>
#include <string_view>

// The compiled-in rows of the atlas. Each row is one line: name, division, country code,
// country name, IANA zone, latitude, longitude, population, tab-separated.
namespace places::data {

struct RowBlock {
  std::string_view rows;  // lines ending in '\n'
  std::size_t count;      // how many lines the block must hold
};

extern const RowBlock kGeoNamesRows;  // atlas_data.cpp, generated from GeoNames
extern const RowBlock kAdditionRows;  // atlas_additions.cpp: places GeoNames lacks
// Other names, one a line: other name, atlas name, country code (atlas_additions.cpp).
extern const RowBlock kOtherNames;

}  // namespace places::data
