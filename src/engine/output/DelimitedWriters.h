// Writers of the comma-separated layouts: "Comma-Delimited" and "Geopak Delimited ;" or "/".
#pragma once

#include <memory>

#include "engine/output/PointWriter.h"

namespace velkora {

// Name, X, Y (Y, X with the settings' order northing first), elevation, description, feature
// code, then the extra fields of a comma-delimited input; empty fields at the end of the line are
// dropped, and a description or feature code holding a comma or a double quote is quoted. Keeps
// the comment lines of a comma-delimited input.
std::unique_ptr<PointWriter> MakeCommaDelimitedWriter(const OutputSettings& settings);

// Name, X, Y (or Y, X), elevation, then the feature code after a comma and the description after
// the settings' separator.
std::unique_ptr<PointWriter> MakeGeopakDelimitedWriter(const OutputSettings& settings);

}  // namespace velkora
