// The reading loop of the layouts that hold one point per line (comma-delimited, Geopak
// delimited, 80-column): empty lines and invalid points are passed over, and a line with "$" in
// column 1 is a comment.
#pragma once

#include <string_view>

#include "engine/input/PointReader.h"

namespace velkora {

class LinePointReader : public PointReader {
 public:
  ReadItem Next() override;
  // Lines are read one at a time and each on its own: any line can start a chunk.
  std::size_t ChunkStart(std::string_view text, std::size_t from) const override;
  // A point's texts lie in its line.
  bool ItemTextsLieInText() const override { return input_.ReadsText(); }

 protected:
  // `handsOverComments`: comment lines are handed over (for an output of the same layout to
  // keep) rather than skipped.
  LinePointReader(const Detection& detection, bool handsOverComments)
      : PointReader(detection), handsOverComments_(handsOverComments) {}

  // Fills every field of point_ but newX/newY from a line that is neither empty nor a comment.
  virtual void TakeFields(std::string_view line) = 0;

 private:
  bool handsOverComments_;
};

}  // namespace velkora
