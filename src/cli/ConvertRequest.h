// The run request of velkora-cli convert, built from its options as a user fills the main
// window: control points or pairs, the factors typed over them, a projection scale, the ticks,
// a reversal and the column orders.
#pragma once

#include <optional>

#include "app/Prompter.h"
#include "app/RunRequest.h"
#include "app/Session.h"
#include "cli/CliArguments.h"

namespace velkora::cli {

// Everything of `request` but the files, the output and its settings; the session keeps what a
// fit or a projection leaves for the report. The exit code to end with when the options cannot
// make a request (2 on a usage error, 1 with the message shown).
std::optional<int> BuildConvertRequest(const CliArguments& parsed, Session& session,
                                       RunRequest& request, Prompter& prompter);

// The column orders of the options; the exit code of a usage error. Taken before the factors,
// which a reference or pairs file read in those orders may give.
std::optional<int> TakeColumnOrders(const CliArguments& parsed, RunRequest& request);

// --layout-only moves nothing, so an option that moves points contradicts it.
std::optional<int> RefuseMovesWithLayoutOnly(const CliArguments& parsed);

}  // namespace velkora::cli
