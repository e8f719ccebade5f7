// The writers' common case of the program's rounding: a value below 2^53 with 0 to 6 decimals,
// rounded in integers and written eight digits at a time.
#pragma once

namespace velkora {

// Writes `value` with `decimals` (0 to 6) decimals as AppendRoundedByRule does and returns the
// end of the text; up to 26 characters from `at` may be overwritten. Writes nothing and returns
// nullptr for a value that is not finite or whose magnitude reaches 2^53.
char* WriteRoundedDigits(char* at, double value, unsigned decimals);

}  // namespace velkora
