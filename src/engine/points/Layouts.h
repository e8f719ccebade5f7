// The layouts of coordinate files: the five input layouts as detection names them, and the
// seven entries of the output format list with the writer layout each one selects.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velkora {

// A file's layout as detected from its first significant line. The values are the codes that
// `velkora-cli detect` prints.
enum class InputLayout : std::uint8_t {
  kCommaDelimited = 0,
  kGeopakDelimited = 1,  // comma fields, the description after ";" or "/"
  kCoordinateListing = 4,
  kSdms = 5,
  kEightyColumn = 6,
  kEightyColumnPlus = 7,  // "+" in column 16 and "." in column 19
  kUnrecognized = 100,
  kCannotOpen = 200,
};

inline bool IsEightyColumn(InputLayout layout) {
  return layout == InputLayout::kEightyColumn || layout == InputLayout::kEightyColumnPlus;
}

// The layout an output file is written in.
enum class OutputLayout : std::uint8_t {
  kCommaDelimited,
  kGeopakDelimited,
  kGeopakInputNE,
  kGeopakInputXY,
  kSdms,
  kEightyColumn,
};

// The entries of the output format list, in order; an entry's index is the output choice.
inline constexpr std::array<std::string_view, 7> kOutputFormatNames = {
    "Comma-Delimited",  "Geopak Delimited ;", "Geopak Delimited /", "Geopak Input N/E",
    "Geopak Input X/Y", "SDMS Points",        "Tavrin 80-Column"};

// What an entry of the list selects: both Geopak Delimited entries are one layout with two
// description separators.
struct OutputChoice {
  OutputLayout layout = OutputLayout::kCommaDelimited;
  char delimiter = ';';
};

inline constexpr OutputChoice OutputChoiceOf(std::size_t entry) {
  constexpr std::array<OutputChoice, 7> kChoices = {{
      {OutputLayout::kCommaDelimited, ';'},
      {OutputLayout::kGeopakDelimited, ';'},
      {OutputLayout::kGeopakDelimited, '/'},
      {OutputLayout::kGeopakInputNE, ';'},
      {OutputLayout::kGeopakInputXY, ';'},
      {OutputLayout::kSdms, ';'},
      {OutputLayout::kEightyColumn, ';'},
  }};
  return kChoices[entry < kChoices.size() ? entry : 0];
}

}  // namespace velkora
