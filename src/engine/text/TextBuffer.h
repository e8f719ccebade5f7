// A growing text that writers fill through a pointer: Room(n) gives where up to n characters
// may go, Commit(end) keeps what was written up to `end`. Unlike a string's resize, making room
// writes nothing, so a writer can ask for the most a line may need and use what it needs.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace velkora {

class TextBuffer {
 public:
  char* Room(std::size_t size) {
    if (capacity_ - size_ < size) {
      Grow(size);
    }
    return data_.get() + size_;
  }
  void Commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

  void Append(std::string_view text) {
    char* const at = Room(text.size());
    if (!text.empty()) {
      std::memcpy(at, text.data(), text.size());
    }
    size_ += text.size();
  }

  std::string_view View() const { return {data_.get(), size_}; }
  std::size_t Size() const { return size_; }
  void Clear() { size_ = 0; }

 private:
  void Grow(std::size_t size);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

// Copies `size` (at most 16) bytes, reading and writing none beyond them.
inline void CopyFewBytes(char* to, const char* from, std::size_t size) {
  if (size >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + size - 8, from + size - 8, 8);
  } else if (size >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + size - 4, from + size - 4, 4);
  } else {
    for (std::size_t i = 0; i < size; ++i) {
      to[i] = from[i];
    }
  }
}

// Copies `text` to `at` and returns its end, for writers that write through a pointer. Most
// texts are short: they are copied without a call.
inline char* PutText(char* at, std::string_view text) {
  if (text.size() <= 16) {
    CopyFewBytes(at, text.data(), text.size());
  } else {
    std::memcpy(at, text.data(), text.size());
  }
  return at + text.size();
}

}  // namespace velkora
