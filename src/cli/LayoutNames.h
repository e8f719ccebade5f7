// The short names velkora-cli gives the layouts: detect prints them, and convert's -f takes
// those of the layouts it can write as well as the output list's captions.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace velkora::cli {

inline constexpr std::string_view kCommaDelimitedName = "comma-delimited";
inline constexpr std::string_view kGeopakSemicolonName = "geopak-delimited ;";
inline constexpr std::string_view kGeopakSlashName = "geopak-delimited /";
inline constexpr std::string_view kListingName = "coordinate-listing";
inline constexpr std::string_view kSdmsName = "sdms";
inline constexpr std::string_view kEightyColumnName = "80-column";
inline constexpr std::string_view kEightyColumnPlusName = "80-column-plus";

// The entry of the output format list that -f names: its number, its caption or the short name
// of a layout it writes ("80-column-plus" too: one layout writes both), in any letter case.
std::optional<std::size_t> OutputFormatEntry(std::string_view name);

}  // namespace velkora::cli
