// The order of the coordinate columns in the delimited layouts: point, easting (X), northing (Y)
// as Velkora has always read and written them, or point, northing, easting ("PNEZD") as most
// field software exports them.
#pragma once

#include <cstdint>
#include <string_view>

namespace velkora {

enum class ColumnOrder : std::uint8_t {
  kEastingFirst,   // P,E,N: point, X, Y
  kNorthingFirst,  // P,N,E: point, Y, X
};

inline constexpr ColumnOrder kDefaultColumnOrder = ColumnOrder::kEastingFirst;

// "P,E,N" or "P,N,E", as the report and the window show an order.
inline constexpr std::string_view ColumnOrderName(ColumnOrder order) {
  return order == ColumnOrder::kNorthingFirst ? "P,N,E" : "P,E,N";
}

}  // namespace velkora
