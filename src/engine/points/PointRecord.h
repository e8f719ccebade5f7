// One coordinate point as a reader fills it, the conversion moves it and a writer writes it.
#pragma once

#include <string_view>

namespace velkora {

// The grave accent that ends every item of an SDMS point's rawText.
inline constexpr char kSdmsItemEnd = '`';

// The texts are where the reader keeps them, most often in the line it has just read: they hold
// until the reader reads on.
struct PointRecord {
  std::string_view pointNum;
  double x = 0;  // easting
  double y = 0;  // northing
  double elev = 0;
  std::string_view feature;
  std::string_view description;
  // Source text for writers that copy the source layout: the fields after the sixth of a
  // comma-delimited line, the whole line (Geopak delimited, 80-column), or every line of an
  // SDMS record, each followed by kSdmsItemEnd.
  std::string_view rawText;
  double newX = 0;
  double newY = 0;
};

// A point is valid when its number is not empty and X and Y are not 0.
inline bool IsValidPoint(const PointRecord& point) {
  return !point.pointNum.empty() && point.x != 0 && point.y != 0;
}

}  // namespace velkora
