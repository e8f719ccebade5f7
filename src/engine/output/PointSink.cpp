// Writing moved points and comment lines into the output stream.
#include "engine/output/PointSink.h"

namespace velkora {

namespace {
// Enough lines to make each stream write worth its call, few enough to stay in the cache.
constexpr std::size_t kFlushSize = 1 << 16;
}  // namespace

void TextSink::PutComment(std::string_view line) {
  text_.Append(line);
  text_.Append(kLineEnd);
}

void StreamSink::Put(const PointRecord& point, InputLayout source) {
  writer_.Write(point, source, buffer_);
  FlushWhenFull();
}

void StreamSink::PutComment(std::string_view line) {
  buffer_.Append(line);
  buffer_.Append(kLineEnd);
  FlushWhenFull();
}

void StreamSink::PutText(std::string_view text) {
  buffer_.Append(text);
  FlushWhenFull();
}

void StreamSink::WriteText(std::string_view text) {
  Drain();
  WriteOut(text);
}

void StreamSink::FlushWhenFull() {
  if (buffer_.Size() >= kFlushSize) {
    Drain();
  }
}

void StreamSink::Drain() {
  WriteOut(buffer_.View());
  buffer_.Clear();
}

// Straight to the stream's buffer: a short write marks the stream bad, as ostream::write would.
void StreamSink::WriteOut(std::string_view text) {
  const auto size = static_cast<std::streamsize>(text.size());
  if (size > 0 && stream_.good() && stream_.rdbuf()->sputn(text.data(), size) != size) {
    stream_.setstate(std::ios::badbit);
  }
}

}  // namespace velkora
