// The factor boxes of the main window: Calculate, which fills them from the four control
// points, and the check boxes that may be used only while their box holds text.
#pragma once

#include <optional>
#include <string>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "engine/points/ControlPointText.h"
#include "engine/transform/ControlFactors.h"

namespace velkora {

// The four control points' boxes as they stand.
ControlPointTexts ControlPointsOf(const MainForm& form);

inline constexpr const char* kCalculateRefusedTitle = "Calculate";

// The factor texts for control points as typed: each coordinate box read as a number, an empty
// or unreadable box as 0.
FactorTexts CalculateFactors(const ControlPointTexts& points);

// Why Calculate refuses the control points as typed: the pivot and reference point of the
// source or the destination at the same place. None when the factors can be calculated.
struct CalculateRefusal {
  std::string message;
  std::string focus;  // the number box of that line's reference point
};
std::optional<CalculateRefusal> RefuseCalculation(const ControlPointTexts& points);

// The click of compDeltas: fills txtDX, txtDY, txtDR and txtDS (a part whose control points are
// missing is emptied), then updates ignoreDR and ignoreDS. A refusal is shown instead, and the
// boxes keep what they held.
void ComputeFactors(MainForm& form, Prompter& prompter);

// Puts the shift, angle and scale texts into txtDX, txtDY, txtDR and txtDS, then updates
// ignoreDR and ignoreDS.
void ShowFactorTexts(MainForm& form, const FactorTexts& texts);

// ignoreDR (ignoreDS) may be used only while txtDR (txtDS) holds text; its check is kept.
void RotationTextChanged(MainForm& form);
void ScaleTextChanged(MainForm& form);

}  // namespace velkora
