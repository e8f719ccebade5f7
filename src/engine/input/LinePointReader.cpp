// The loop of the one-point-per-line readers.
#include "engine/input/LinePointReader.h"

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

}  // namespace velkora
