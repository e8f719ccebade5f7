// A reader of one coordinate file: it owns the open file and its place in it, and hands over
// the file's valid points one at a time, with the comment lines that an output of the same
// layout keeps:
//
//   OpenedReader opened = OpenPointReader(path);
//   if (opened.reader) {
//     for (ReadItem item; (item = opened.reader->Next()) != ReadItem::kEnd;) {
//       ... opened.reader->Point() or opened.reader->Comment() ...
//     }
//   }
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/input/FormatDetection.h"
#include "engine/input/LineInput.h"
#include "engine/points/PointRecord.h"

namespace velkora {

enum class ReadItem {
  kPoint,    // a valid point, in Point()
  kComment,  // a "$" line, in Comment()
  kEnd,      // the file is read, or its reading stopped or failed (see Input())
};

class PointReader {
 public:
  PointReader() = default;
  PointReader(const PointReader&) = delete;
  PointReader& operator=(const PointReader&) = delete;
  virtual ~PointReader() = default;

  // With the file just opened: moves to its first point. False when the file holds none.
  virtual bool Start() { return true; }

  virtual ReadItem Next() = 0;

  // The point of the last kPoint. Its fields hold until the next call; the conversion writes
  // its new position into it.
  PointRecord& Point() { return point_; }
  // The line of the last kComment.
  std::string_view Comment() const { return line_; }

  // The file being read: its line hook, and whether the reading stopped or failed.
  LineInput& Input() { return input_; }

  const Detection& Layout() const { return detection_; }

 protected:
  explicit PointReader(const Detection& detection) : detection_(detection) {}

  LineInput input_;
  std::string line_;
  PointRecord point_;
  Detection detection_;
};

// How the delimited layouts are read: a file's header line, when it has one, overrides the
// chosen column order.
struct ReadOptions {
  ColumnOrder order = kDefaultColumnOrder;
};

// A reader positioned at the first point of the file at `path`, or none: silently for a file
// that cannot be opened or has no known layout, with `refusal` for a listing without points or
// an SDMS file without an "AC:" record.
struct OpenedReader {
  std::unique_ptr<PointReader> reader;
  Detection detection;  // with the order of the file's header line, if any
  std::string refusal;  // the message's text; the file's path goes below it
};

OpenedReader OpenPointReader(const std::string& path, const ReadOptions& options = {});

}  // namespace velkora
