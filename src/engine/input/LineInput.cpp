// Buffered line reading with CR LF, LF and CR line breaks.
#include "engine/input/LineInput.h"

#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace velkora {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
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
  buffer_.resize(kBufferSize);
  pos_ = len_ = 0;
  eof_ = failed_ = stopped_ = false;
  atFileStart_ = true;
  return true;
}

void LineInput::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  pos_ = len_ = 0;
  eof_ = true;
  hasUnreadLine_ = false;
  hook_ = nullptr;
}

void LineInput::SetLineHook(std::function<bool()> hook, std::uint64_t interval) {
  hook_ = std::move(hook);
  hookInterval_ = interval;
  linesSinceHook_ = 0;
}

void LineInput::Stop() {
  stopped_ = true;
  eof_ = true;
  pos_ = len_ = 0;
  hasUnreadLine_ = false;
}

void LineInput::UnreadLine(const std::string& line) {
  unreadLine_ = line;
  hasUnreadLine_ = true;
}

bool LineInput::Fill() {
  if (file_ == nullptr || eof_) {
    return false;
  }
  len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  pos_ = 0;
  nextLf_ = kUnknown;
  if (len_ == 0) {
    eof_ = true;
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  if (atFileStart_) {
    atFileStart_ = false;
    if (std::string_view(buffer_.data(), len_).starts_with(kByteOrderMark)) {
      pos_ = kByteOrderMark.size();
      return pos_ < len_ || Fill();
    }
  }
  return true;
}

bool LineInput::AtEnd() {
  return !hasUnreadLine_ && pos_ >= len_ && !Fill();
}

bool LineInput::ReadLine(std::string& line) {
  if (!TakeLine(line)) {
    return false;
  }
  if (hook_ && ++linesSinceHook_ >= hookInterval_) {
    linesSinceHook_ = 0;
    if (!hook_()) {
      Stop();
    }
  }
  return true;
}

bool LineInput::TakeLine(std::string& line) {
  line.clear();
  if (hasUnreadLine_) {
    line.swap(unreadLine_);
    hasUnreadLine_ = false;
    return true;
  }
  if (AtEnd()) {
    return false;
  }
  for (;;) {
    const char* start = buffer_.data() + pos_;
    const std::size_t available = len_ - pos_;
    if (nextLf_ == kUnknown || nextLf_ < pos_) {
      const void* lf = std::memchr(start, '\n', available);
      nextLf_ = lf != nullptr
                    ? pos_ + static_cast<std::size_t>(static_cast<const char*>(lf) - start)
                    : len_;
    }
    // Search for a CR only before the LF, so that each byte is scanned a bounded number of times.
    const std::size_t crSpan = nextLf_ - pos_;
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', crSpan));
    const char* stop = cr != nullptr ? cr : nextLf_ < len_ ? buffer_.data() + nextLf_ : nullptr;
    if (stop == nullptr) {
      line.append(start, available);
      pos_ = len_;
      if (!Fill()) {
        return true;  // the last line has no break after it
      }
      continue;
    }
    line.append(start, static_cast<std::size_t>(stop - start));
    pos_ += static_cast<std::size_t>(stop - start) + 1;
    if (*stop == '\r' && !AtEnd() && buffer_[pos_] == '\n') {
      ++pos_;  // CR LF is one break
    }
    return true;
  }
}

}  // namespace velkora
