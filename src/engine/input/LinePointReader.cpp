// The loop of the one-point-per-line readers.
#include "engine/input/LinePointReader.h"

#include "engine/text/LineBreaks.h"

namespace velkora {

// Reads lines until one gives a valid point or a comment to hand over, or the input ends.
ReadItem LinePointReader::Next() {
  for (;;) {
    if (!input_.ReadLine(line_)) {
      return ReadItem::kEnd;
    }
    if (!line_.empty() && line_.front() == '$') {
      if (handsOverComments_) {
        return ReadItem::kComment;
      }
    } else if (!line_.empty()) {
      TakeFields(line_);
      if (IsValidPoint(point_)) {
        return ReadItem::kPoint;
      }
    }
  }
}

std::size_t LinePointReader::ChunkStart(std::string_view text, std::size_t from) const {
  return NextLineStart(text, from);
}

}  // namespace velkora
