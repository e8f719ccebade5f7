// The fit dialog's rows: starting rows, point lookups and the pairs they describe.
#include "app/FitPairRows.h"

#include "app/ReferenceFile.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

// Names of the coordinate columns in messages.
const char* CoordinateName(FitColumn column) {
  switch (column) {
    case kSourceX:
      return "source X";
    case kSourceY:
      return "source Y";
    case kDestX:
      return "destination X";
    default:
      return "destination Y";
  }
}

bool IsBlank(const FitPairRow& row) {
  for (const std::string& cell : row) {
    if (!Trim(cell).empty()) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<FitPairRow> StartingFitRows(const MainForm& form) {
  return {
      FitPairRow{form.SPPN.text, form.SPPX.text, form.SPPY.text, form.DPPN.text, form.DPPX.text,
                 form.DPPY.text},
      FitPairRow{form.SRPN.text, form.SRPX.text, form.SRPY.text, form.DRPN.text, form.DRPX.text,
                 form.DRPY.text},
  };
}

FitPointLookup LookUpFitPoint(const Session& session, const MainForm& form,
                              std::string_view number) {
  FitPointLookup lookup;
  if (Trim(form.rFileName.text).empty()) {
    return lookup;
  }
  const std::optional<ControlPointText> found = LookUpControlPoint(session.reference, number);
  if (!found) {
    lookup.result = FitLookup::kNotFound;
    return lookup;
  }
  lookup.result = FitLookup::kFound;
  lookup.number = found->number;
  lookup.x = found->x;
  lookup.y = found->y;
  return lookup;
}

void ApplyFitLookup(FitPairRow& row, FitColumn numberColumn, const FitPointLookup& lookup) {
  const auto side = static_cast<std::size_t>(numberColumn);
  switch (lookup.result) {
    case FitLookup::kNoReferenceFile:
      return;
    case FitLookup::kFound:
      row[side] = lookup.number;
      row[side + 1] = lookup.x;
      row[side + 2] = lookup.y;
      return;
    case FitLookup::kNotFound:
      row[side + 1].clear();
      row[side + 2].clear();
      return;
  }
}

PairsOutcome PairsFromRows(const std::vector<FitPairRow>& rows) {
  PairsOutcome outcome;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FitPairRow& row = rows[i];
    if (IsBlank(row)) {
      continue;
    }
    std::array<double, 6> values{};
    for (FitColumn column : {kSourceX, kSourceY, kDestX, kDestY}) {
      const std::string_view text = Trim(row[column]);
      const std::string where = "Row " + std::to_string(i + 1) + ": the " + CoordinateName(column);
      const std::optional<double> value = ReadStrictNumber(text);
      if (!value) {
        outcome.error = text.empty() ? where + " is empty."
                                     : where + " \"" + std::string(text) + "\" is not a number.";
        outcome.pairs.clear();
        return outcome;
      }
      values[column] = *value;
    }
    outcome.pairs.push_back({std::string(Trim(row[kSourceNumber])),
                             std::string(Trim(row[kDestNumber])), values[kSourceX],
                             values[kSourceY], values[kDestX], values[kDestY]});
  }
  return outcome;
}

}  // namespace velkora
