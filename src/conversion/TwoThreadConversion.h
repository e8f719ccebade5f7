// The conversion of one open input file on two threads: the calling thread reads and moves
// points, a second thread writes them, so that a long file takes about half the time.
#pragma once

#include "conversion/PointConversion.h"
#include "session/SessionState.h"

namespace velkora {

class RunView;

// Does what ConvertPoints does on one thread, with the same output bytes, counts, progress
// reports and outcome. Points pass between the threads in batches of a few thousand, so
// memory stays bounded whatever the file's size.
ConversionOutcome ConvertPointsOnTwoThreads(SessionState& session, RunView& view);

// Copies into `to` what the point writers read from the session besides the point: the
// output settings (not the output stream).
void ShareOutputSettings(const SessionState& from, SessionState& to);

}  // namespace velkora
