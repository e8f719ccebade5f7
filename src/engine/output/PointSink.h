// Where the conversion loop puts what it has read and moved: into the output file, or into the
// text of one chunk of a file converted in chunks.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/output/PointWriter.h"

namespace velkora {

class PointSink {
 public:
  virtual ~PointSink() = default;

  virtual void Put(const PointRecord& point, InputLayout source) = 0;
  // A comment line to copy through, without its line end.
  virtual void PutComment(std::string_view line) = 0;
  // Writes out everything put so far; afterwards Failed() tells whether all of it was written.
  virtual void Drain() = 0;
  // A write has failed: the output is incomplete.
  virtual bool Failed() const = 0;
  virtual bool KeepsCommentsOf(InputLayout source) const = 0;
  // The writer's PointWriter::FieldTooWide, asked before the point is put.
  virtual std::string_view FieldTooWide(const PointRecord& point, InputLayout source) const = 0;
};

// Writes each point with the output's writer into a text in memory.
class TextSink : public PointSink {
 public:
  TextSink(PointWriter& writer, TextBuffer& text) : writer_(writer), text_(text) {}
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;

  void Put(const PointRecord& point, InputLayout source) override {
    writer_.Write(point, source, text_);
  }
  void PutComment(std::string_view line) override;
  void Drain() override {}
  bool Failed() const override { return false; }
  bool KeepsCommentsOf(InputLayout source) const override {
    return writer_.KeepsCommentsOf(source);
  }
  std::string_view FieldTooWide(const PointRecord& point, InputLayout source) const override {
    return writer_.FieldTooWide(point, source);
  }

 private:
  PointWriter& writer_;
  TextBuffer& text_;
};

// Writes each point with the output's writer into a stream, through a buffer of some kilobytes.
class StreamSink : public PointSink {
 public:
  StreamSink(PointWriter& writer, std::ostream& stream) : writer_(writer), stream_(stream) {}
  StreamSink(const StreamSink&) = delete;
  StreamSink& operator=(const StreamSink&) = delete;

  void Put(const PointRecord& point, InputLayout source) override;
  void PutComment(std::string_view line) override;
  // Text whose lines already end in CR LF: kept with the rest, or written at once.
  void PutText(std::string_view text);
  void WriteText(std::string_view text);
  void Drain() override;
  bool Failed() const override { return !stream_.good(); }
  bool KeepsCommentsOf(InputLayout source) const override {
    return writer_.KeepsCommentsOf(source);
  }
  std::string_view FieldTooWide(const PointRecord& point, InputLayout source) const override {
    return writer_.FieldTooWide(point, source);
  }

 private:
  void FlushWhenFull();
  void WriteOut(std::string_view text);

  PointWriter& writer_;
  std::ostream& stream_;
  TextBuffer buffer_;
};

}  // namespace velkora
