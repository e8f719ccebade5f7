// How many rounds a randomized test runs: under the address sanitizer every check is several
// times slower, so a tenth of them.
#pragma once

#ifndef __has_feature
#define __has_feature(feature) 0
#endif

namespace velkora::testing {

#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
inline constexpr int kRoundsDivisor = 10;
#else
inline constexpr int kRoundsDivisor = 1;
#endif

// `rounds` in a plain build, a tenth of them under the sanitizer.
constexpr int Rounds(int rounds) { return rounds / kRoundsDivisor; }

}  // namespace velkora::testing
