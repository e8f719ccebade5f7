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
  // The line of the last kComment, valid until the next call.
  std::string_view Comment() const { return line_; }

  // The file being read: its line hook, and whether the reading stopped or failed.
  LineInput& Input() { return input_; }

  const Detection& Layout() const { return detection_; }

  // Reading a file in chunks of whole lines, each chunk by a reader of its own (see
  // ChunkedConversion). A chunk starts at a line where this reader, having read everything
  // before it, stands as it does when Start() has returned or a chunk has started: such a line
  // at or after `from` in `text` (never at 0), or npos when the text holds none that ends in it.
  virtual std::size_t ChunkStart(std::string_view text, std::size_t from) const = 0;
  // Whether the record read last in a chunk ends only at the next chunk's first line, which the
  // chunk's reader then reads as well.
  virtual bool ReadsIntoNextChunk() const { return false; }
  // A reader in the state this one had when Start() returned, with no input open.
  virtual std::unique_ptr<PointReader> CopyForChunk() const = 0;
  // With a chunk's text just opened: moves to its first point, for a chunk but the file's first.
  virtual void StartChunk() {}
  // Whether the texts of the point or comment just given lie in the text being read, so that
  // they hold after the next call, for as long as that text.
  virtual bool ItemTextsLieInText() const { return false; }

 protected:
  explicit PointReader(const Detection& detection) : detection_(detection) {}

  LineInput input_;
  std::string_view line_;  // the last line read, where it lies in the input's buffer
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
