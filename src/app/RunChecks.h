// The checks before a conversion run, which also turn the boxes' texts into the run's output
// settings and transformation factors.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "app/RunRequest.h"

namespace velkora {

// Title of the message box that shows a refused check.
inline constexpr const char* kRunRefusedTitle = "Insufficient Data";

inline constexpr const char* kNoComputationText = "No computation has been specified.";

struct RunRefusal {
  std::string message;
  std::string focus;          // the control at fault
  bool movesNothing = false;  // no shift, rotation or scale: the layout alone could be converted
};

// A number box holding a comma that is not a grouped number, an angle that cannot be split
// into degrees, minutes and seconds, or a scale below zero: the refusal a run starts with. None
// when every factor box and the source pivot can be read.
std::optional<RunRefusal> RefuseUnreadableBox(const RunRequest& request);

// The run's plan, or why it cannot run. A box that cannot be read, or a scale below zero, is
// refused before anything else is looked at in the factors; a request without shift, rotation or
// scale only when it does not ask for the layout alone.
std::variant<RunPlan, RunRefusal> CheckRun(const RunRequest& request);

}  // namespace velkora
