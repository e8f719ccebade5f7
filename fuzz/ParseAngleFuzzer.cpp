// Arbitrary text through ParseAngle, and every angle it reads through FormatAngle and back:
// the display text must read back as the same angle.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "engine/text/AngleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> angle = velkora::ParseAngle(text);
  if (!angle || !std::isfinite(*angle)) {
    return 0;
  }
  const std::string display = velkora::FormatAngle(*angle).display;
  Require(display.starts_with('+') || display.starts_with('-'), "display text without a sign");
  // Beyond a million radians the degree text leaves the plain digits of the round trip.
  if (std::fabs(*angle) < 1e6) {
    const std::optional<double> back = velkora::ParseAngle(display);
    Require(back.has_value(), "FormatAngle text cannot be read back");
    Require(std::fabs(*back - *angle) <= 1e-13 + 1e-13 * std::fabs(*angle),
            "FormatAngle then ParseAngle does not return the angle");
  }
  return 0;
}
