// Recognising a column header line by the names of its first three columns.
#include "engine/input/ColumnHeader.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/text/LineText.h"

namespace velkora {

namespace {

enum class Column { kOther, kPoint, kNorthing, kEasting };

// The words field software and spreadsheets head these columns with, folded to small letters
// and without blanks or punctuation ("Pt #" is "pt", "Point_ID" is "pointid").
constexpr auto kPointWords = std::to_array<std::string_view>(
    {"p", "pt", "pnt", "pts", "point", "pointid", "pointno", "pointnum", "pointnumber", "pointname",
     "ptno", "ptnum", "ptid", "number", "num", "no", "name", "id"});
constexpr auto kNorthingWords =
    std::to_array<std::string_view>({"n", "north", "northing", "northings", "y", "ycoord"});
constexpr auto kEastingWords =
    std::to_array<std::string_view>({"e", "east", "easting", "eastings", "x", "xcoord"});

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<std::string_view, N>& words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

// The column a header field names: its letters and digits, folded to small letters.
Column ColumnNamed(std::string_view field) {
  std::string word;
  for (const char c : field) {
    if ((c >= '0' && c <= '9') || (FoldCase(c) >= 'a' && FoldCase(c) <= 'z')) {
      word += FoldCase(c);
    }
  }
  if (IsOneOf(word, kPointWords)) {
    return Column::kPoint;
  }
  if (IsOneOf(word, kNorthingWords)) {
    return Column::kNorthing;
  }
  return IsOneOf(word, kEastingWords) ? Column::kEasting : Column::kOther;
}

bool IsFieldSeparator(char c) {
  return c == ',' || c == ';' || c == '/' || c == '\t';
}

// "PNEZD" and its kin: P, then N and E in either order, then only elevation, description,
// feature or code letters.
std::optional<ColumnOrder> CompactOrder(std::string_view word) {
  if (word.size() < 3 || FoldCase(word[0]) != 'p') {
    return std::nullopt;
  }
  const char second = FoldCase(word[1]);
  const char third = FoldCase(word[2]);
  const bool northingFirst = second == 'n' && third == 'e';
  if (!northingFirst && !(second == 'e' && third == 'n')) {
    return std::nullopt;
  }
  for (const char c : word.substr(3)) {
    if (std::string_view("zdfc").find(FoldCase(c)) == std::string_view::npos) {
      return std::nullopt;
    }
  }
  return northingFirst ? ColumnOrder::kNorthingFirst : ColumnOrder::kEastingFirst;
}

}  // namespace

std::optional<ColumnOrder> HeaderColumnOrder(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
  if (std::none_of(line.begin(), line.end(), IsFieldSeparator)) {
    return CompactOrder(line);
  }
  std::array<Column, 3> columns{};
  for (Column& column : columns) {
    const auto end = std::find_if(line.begin(), line.end(), IsFieldSeparator);
    column = ColumnNamed(line.substr(0, static_cast<std::size_t>(end - line.begin())));
    line = end == line.end() ? std::string_view() : line.substr(end - line.begin() + 1);
  }
  if (columns[0] != Column::kPoint) {
    return std::nullopt;
  }
  if (columns[1] == Column::kNorthing && columns[2] == Column::kEasting) {
    return ColumnOrder::kNorthingFirst;
  }
  if (columns[1] == Column::kEasting && columns[2] == Column::kNorthing) {
    return ColumnOrder::kEastingFirst;
  }
  return std::nullopt;
}

}  // namespace velkora
