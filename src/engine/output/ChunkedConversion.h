// Converting files in chunks of whole lines, on two threads or one: the calling thread reads a
// file and cuts it where its reader could start again on its own; the threads convert chunks,
// each with a reader and a writer of its own, reading a batch of points ahead where the reader
// allows; the calling thread writes the chunks' text in order and replays their progress
// reports. Output, counts, progress, Cancel and the failure that ends a conversion are those of
// ConvertFile on the whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/output/Conversion.h"
#include "engine/output/OutputSettings.h"
#include "engine/output/PointSink.h"

namespace velkora {

// Bytes read for one chunk: small enough that two threads share a file evenly and the chunks
// in hand stay in the cache, large enough that a chunk outweighs handing it over.
inline constexpr std::size_t kChunkBytes = std::size_t{256} << 10;

class ChunkedConversion {
 public:
  // Starts the second thread unless told not to; points are written with writers of
  // `settings`. Smaller chunks than kChunkBytes are for tests, which put chunk starts everywhere.
  explicit ChunkedConversion(const OutputSettings& settings, bool secondThread = true,
                             std::size_t chunkBytes = kChunkBytes);
  ~ChunkedConversion();
  ChunkedConversion(const ChunkedConversion&) = delete;
  ChunkedConversion& operator=(const ChunkedConversion&) = delete;

  // ConvertFile on the file `reader` has just been started on (OpenPointReader), writing into
  // `sink`, which nothing else may use meanwhile. A stretch of the file where no chunk can
  // start within 16 chunk sizes is converted on this thread by ConvertFile from there on.
  FileConversion ConvertFile(PointReader& reader, const TransformFactors& factors, StreamSink& sink,
                             std::int64_t runPointsBefore, const ProgressReport& progress);

 private:
  class Pool;
  std::unique_ptr<Pool> pool_;
};

}  // namespace velkora
