// The one way any part of the program reads a coordinate file:
//
//   session.curFileName = path;
//   if (OpenInputFile(session, prompter)) {
//     do {
//       if (ReadPoint(session)) { ... use session.point ... }
//     } while (!session.inFile.AtEnd());
//     CloseInputFile(session);
//   }
#pragma once

#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora {

// Detects, opens and positions session.curFileName at its first point. False (nothing left
// open) for an unrecognised or unopenable file, silently, or for a listing without points or
// an SDMS file without an "AC:" record, with the opener's message.
bool OpenInputFile(SessionState& session, Prompter& prompter);

// Reads the next valid point into session.point with the reader of session.inFormat. False
// when the file ended without one. May copy comment lines to session.outFile.
bool ReadPoint(SessionState& session);

// A point is valid when its number is not empty and X and Y are not 0.
bool IsValidPoint(const PointRecord& point);

void CloseInputFile(SessionState& session);

}  // namespace velkora
