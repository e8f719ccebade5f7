// A writer of one output layout: it turns a moved point into the layout's line or lines.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/output/OutputSettings.h"
#include "engine/points/Layouts.h"
#include "engine/points/PointRecord.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextBuffer.h"

namespace velkora {

class PointWriter {
 public:
  explicit PointWriter(const OutputSettings& settings)
      : settings_(settings), writeNumber_(RoundedWriterFor(settings.decimals)) {}
  virtual ~PointWriter() = default;

  // Appends the point's line or lines, each ending in CR LF, to `out`. `source` is the layout
  // the point was read in: a point written in its own layout keeps what the move does not
  // change. A writer is used by one thread at a time: it may keep a line buffer of its own.
  virtual void Write(const PointRecord& point, InputLayout source, TextBuffer& out) = 0;

  // Whether the comment lines of a file read in `source` are copied into the output.
  virtual bool KeepsCommentsOf(InputLayout) const { return false; }

  // Empty when Write would write every field of the point whole; otherwise the layout and the
  // field that would be cut, as a message names them ("Tavrin 80-Column (X Wider Than Columns
  // 35-45)"). It keeps nothing, so it may be asked while another thread writes.
  virtual std::string_view FieldTooWide(const PointRecord&, InputLayout) const { return {}; }

  const OutputSettings& Settings() const { return settings_; }

 protected:
  // The elevation is left out when suppression is on and it is not above zero (a missing
  // elevation reads as 0).
  bool IsElevationSuppressed(const PointRecord& point) const {
    return settings_.suppressZeroElevations && !(point.elev > 0);
  }

  // Writes `value` with the settings' decimals at `at`, which has room for
  // kRoundedTextCapacity characters, and returns the end of the text.
  char* WriteNumber(char* at, double value) const { return writeNumber_(at, value); }

  OutputSettings settings_;
  RoundedWriter writeNumber_;
};

inline constexpr std::string_view kLineEnd = "\r\n";

// Writes kLineEnd at `at` and returns its end.
inline char* PutLineEnd(char* at) {
  at[0] = '\r';
  at[1] = '\n';
  return at + 2;
}

std::unique_ptr<PointWriter> MakePointWriter(const OutputSettings& settings);

}  // namespace velkora
