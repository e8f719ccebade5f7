// Buffered line reading with CR LF, LF and CR line breaks.
#include "engine/input/LineInput.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "engine/text/LineBreaks.h"

namespace velkora {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::size_t kNoLookAhead = std::string_view::npos;
// Spreadsheets and editors put it in front of UTF-8 text; left there it would become part of the
// first point's number or of the first line's first column.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

LineInput::~LineInput() {
  Close();
}

bool LineInput::Open(const std::string& path) {
  Close();
  if (path.empty()) {
    return false;
  }
  // Only a regular file ends: a device can give one endless line, a pipe can wait forever.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return false;
  }
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) {
    return false;
  }
  if (capacity_ < kBufferSize) {
    buffer_ = std::make_unique<char[]>(kBufferSize);
    capacity_ = kBufferSize;
  }
  data_ = buffer_.get();
  eof_ = failed_ = stopped_ = false;
  // The first bytes are read at once, so that a byte-order mark is passed over before anything
  // is read, as lines or as Unread() text.
  atFileStart_ = true;
  Fill();
  return true;
}

void LineInput::OpenText(std::string_view text, std::size_t lookAheadFrom) {
  Close();
  fromText_ = true;
  data_ = text.data();
  len_ = text.size();
  eof_ = true;  // nothing follows the text
  failed_ = stopped_ = false;
  lookAheadStart_ = lookAheadFrom;
}

void LineInput::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  fromText_ = false;
  data_ = buffer_.get();
  pos_ = len_ = lastStart_ = lastLength_ = linesRead_ = 0;
  lookAheadStart_ = kNoLookAhead;
  lineGivenBack_ = false;
  eof_ = true;
  hook_ = nullptr;
}

void LineInput::SetLineHook(std::function<bool()> hook, std::uint64_t interval,
                            std::uint64_t linesBefore) {
  hook_ = std::move(hook);
  hookInterval_ = interval;
  linesSinceHook_ = interval > 0 ? linesBefore % interval : 0;
}

void LineInput::Stop() {
  stopped_ = true;
  eof_ = true;
  pos_ = len_ = 0;
  lineGivenBack_ = false;
}

// A line that looks ahead is read once: once read, the reading has passed its start.
void LineInput::UnreadLine() {
  lineGivenBack_ = pos_ <= lookAheadStart_;
}

// Moves what is still to be read (and the last line read, which may be given back) to the
// front of the buffer, growing it when that fills it, and reads more behind it.
bool LineInput::Fill() {
  if (fromText_ || file_ == nullptr || eof_) {
    return false;
  }
  const std::size_t keep = std::min(pos_, lastStart_);
  const std::size_t kept = len_ - keep;
  if (kept == capacity_) {
    auto grown = std::make_unique<char[]>(2 * capacity_);
    std::memcpy(grown.get(), buffer_.get(), capacity_);
    buffer_ = std::move(grown);
    capacity_ *= 2;
  }
  std::memmove(buffer_.get(), buffer_.get() + keep, kept);
  data_ = buffer_.get();
  pos_ -= keep;
  lastStart_ -= keep;
  len_ = kept;
  const std::size_t read = std::fread(buffer_.get() + len_, 1, capacity_ - len_, file_);
  len_ += read;
  if (read == 0) {
    eof_ = true;
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  if (atFileStart_) {
    atFileStart_ = false;
    if (std::string_view(data_, len_).starts_with(kByteOrderMark)) {
      pos_ = kByteOrderMark.size();
      return pos_ < len_ || Fill();
    }
  }
  return true;
}

bool LineInput::AtEnd() {
  if (lineGivenBack_) {
    return false;
  }
  if (pos_ > lookAheadStart_) {
    return true;
  }
  return pos_ >= len_ && !Fill();
}

bool LineInput::ReadLine(std::string_view& line) {
  // Most lines end within the buffer, with a byte after their break that shows whether a CR
  // is followed by an LF.
  const char* const begin = data_ + pos_;
  const char* const end = data_ + len_;
  const char* const found =
      lineGivenBack_ || pos_ > lookAheadStart_ ? end : FindLineBreak(begin, end);
  if (found + 1 < end) {
    lastStart_ = pos_;
    lastLength_ = static_cast<std::size_t>(found - begin);
    pos_ += lastLength_ + (*found == '\r' && found[1] == '\n' ? 2 : 1);
    line = {begin, lastLength_};
  } else if (!TakeLine(line)) {
    return false;
  }
  ++linesRead_;
  if (hook_ && ++linesSinceHook_ >= hookInterval_) {
    linesSinceHook_ = 0;
    if (!hook_()) {
      Stop();
    }
  }
  return true;
}

bool LineInput::ReadLine(std::string& line) {
  std::string_view view;
  const bool read = ReadLine(view);
  line.assign(view.data(), view.size());
  return read;
}

bool LineInput::TakeLine(std::string_view& line) {
  line = {};
  if (lineGivenBack_) {
    lineGivenBack_ = false;
    line = {data_ + lastStart_, lastLength_};
    return true;
  }
  if (AtEnd()) {
    return false;
  }
  std::size_t searched = pos_;  // no break lies before this
  for (;;) {
    const char* const end = data_ + len_;
    const char* const found = FindLineBreak(data_ + searched, end);
    // A CR at the end of the buffer may be the first half of a CR LF.
    if (found == end || (*found == '\r' && found + 1 == end && !eof_)) {
      searched = static_cast<std::size_t>(found - data_);
      const std::size_t before = pos_;
      const bool filled = Fill();
      searched -= before - pos_;  // the refill may have moved the line to the front
      if (filled) {
        continue;
      }
      if (found == end) {
        // The last line has no break after it.
        lastStart_ = pos_;
        lastLength_ = len_ - pos_;
        pos_ = len_;
        line = {data_ + lastStart_, lastLength_};
        return true;
      }
      continue;  // the CR ends the file
    }
    const auto stop = static_cast<std::size_t>(found - data_);
    lastStart_ = pos_;
    lastLength_ = stop - pos_;
    pos_ = stop + (*found == '\r' && stop + 1 < len_ && data_[stop + 1] == '\n' ? 2 : 1);
    line = {data_ + lastStart_, lastLength_};
    return true;
  }
}

std::string_view LineInput::Unread() const {
  const std::size_t from = lineGivenBack_ ? lastStart_ : pos_;
  return {data_ + from, len_ - from};
}

std::size_t LineInput::ReadMore(char* into, std::size_t size) {
  if (file_ == nullptr || eof_) {
    return 0;
  }
  const std::size_t read = std::fread(into, 1, size, file_);
  if (read == 0) {
    eof_ = true;
    failed_ = std::ferror(file_) != 0;
  }
  return read;
}

void LineInput::ResumeWith(std::string_view bytes) {
  if (capacity_ < bytes.size() || capacity_ < kBufferSize) {
    capacity_ = std::max(bytes.size(), kBufferSize);
    buffer_ = std::make_unique<char[]>(capacity_);
  }
  std::memmove(buffer_.get(), bytes.data(), bytes.size());
  data_ = buffer_.get();
  pos_ = lastStart_ = lastLength_ = 0;
  len_ = bytes.size();
  lineGivenBack_ = false;
}

}  // namespace velkora
