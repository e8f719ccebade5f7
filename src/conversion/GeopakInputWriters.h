// Writers of Geopak coordinate-geometry "STO POI" commands, northing/easting or X/Y order.
#pragma once

#include "session/SessionState.h"

namespace velkora {

// "STO POI name  N y  E x", then "  EL", "  FEA" and "  DES" pieces as the point has them.
void WriteGeopakInputNE(SessionState& session);

// As WriteGeopakInputNE with "  X x  Y y".
void WriteGeopakInputXY(SessionState& session);

}  // namespace velkora
