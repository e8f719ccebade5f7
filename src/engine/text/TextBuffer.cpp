// Growing a text buffer.
#include "engine/text/TextBuffer.h"

#include <algorithm>

namespace velkora {

void TextBuffer::Grow(std::size_t size) {
  const std::size_t capacity = std::max({size_ + size, 2 * capacity_, std::size_t{1} << 12});
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) {
    std::memcpy(grown.get(), data_.get(), size_);
  }
  data_ = std::move(grown);
  capacity_ = capacity;
}

}  // namespace velkora
