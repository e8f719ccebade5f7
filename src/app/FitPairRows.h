// The rows of the fit dialog's table as text: the rows it starts with, the lookup of a typed
// point number in the reference list, and the control pairs that the rows describe.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/MainForm.h"
#include "app/Session.h"
#include "engine/transform/ControlFit.h"

namespace velkora {

// The table's columns, in order.
enum FitColumn { kSourceNumber, kSourceX, kSourceY, kDestNumber, kDestX, kDestY };
inline constexpr std::array<const char*, 6> kFitColumnCaptions = {
    "Source Point", "Source X", "Source Y", "Destination Point", "Destination X", "Destination Y"};

using FitPairRow = std::array<std::string, 6>;

// Two rows from the main window's boxes, as they stand: the source pivot with the destination
// pivot, then the source reference with the destination reference.
std::vector<FitPairRow> StartingFitRows(const MainForm& form);

// A point number typed into a row, looked up as the main window's number boxes do: only
// while a reference file is named, by exact text.
enum class FitLookup { kNoReferenceFile, kFound, kNotFound };
struct FitPointLookup {
  FitLookup result = FitLookup::kNoReferenceFile;
  std::string number, x, y;  // when found: the number trimmed, X and Y in the general form
};
FitPointLookup LookUpFitPoint(const Session& session, const MainForm& form,
                              std::string_view number);

// Fills the number and coordinates of one side of a row (kSourceNumber or kDestNumber) from a
// lookup: found points fill all three; a number not found empties the coordinates, so that no
// coordinates of another point stay beside it; without a reference file nothing changes.
void ApplyFitLookup(FitPairRow& row, FitColumn numberColumn, const FitPointLookup& lookup);

// The pairs of the rows, in order; rows left wholly blank are skipped. A coordinate that is
// empty or not a number gives an error naming its row (counted from 1) and column.
PairsOutcome PairsFromRows(const std::vector<FitPairRow>& rows);

}  // namespace velkora
