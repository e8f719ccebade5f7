// The decimals coordinates are shown and written with: control points, the factor boxes and the
// report use kControlDecimals, written files kOutputDecimals (the 80-column layout has its own).
#pragma once

#include <cstdint>

namespace velkora {

inline constexpr std::uint8_t kControlDecimals = 4;
inline constexpr std::uint8_t kOutputDecimals = 4;

}  // namespace velkora
