// Chunks of a file converted on two threads and written in order.
#include "engine/output/ChunkedConversion.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/text/LineBreaks.h"

namespace velkora {
namespace {

// Chunks in hand at once on two threads: one being cut, one being converted by each thread, one
// waiting to be written. One thread takes one chunk at a time.
constexpr std::size_t kChunkCount = 4;
// A stretch without a chunk start longer than this many chunk sizes is read on one thread, so
// that memory stays within a few megabytes whatever the file holds.
constexpr std::size_t kMostChunkSizes = 16;

struct Chunk {
  enum class State { kFree, kReady, kConverting, kDone };
  State state = State::kFree;
  std::uint64_t index = 0;  // the chunk's place in its file
  const PointReader* source = nullptr;
  const TransformFactors* factors = nullptr;
  // The chunk's lines; when its reader reads into the next chunk, that chunk's first line
  // follows them.
  std::string text;
  std::size_t length = 0;  // of the chunk's own lines
  // The conversion's result.
  TextBuffer output;
  std::vector<ItemMark> marks;
  LoopEnd end;
  bool failed = false;  // the conversion could not finish (out of memory)

  std::uint64_t Lines() const { return marks.empty() ? 0 : marks.back().linesAfter; }
};

// A reader for the chunk's text, standing where the serial reading stands at its start.
std::unique_ptr<PointReader> OpenChunk(const Chunk& chunk) {
  std::unique_ptr<PointReader> reader = chunk.source->CopyForChunk();
  reader->Input().OpenText(chunk.text, chunk.length);
  if (chunk.index > 0) {
    reader->StartChunk();
  }
  return reader;
}

void ConvertChunk(Chunk& chunk, PointWriter& writer) {
  chunk.output.Clear();
  chunk.marks.clear();
  chunk.end = {};
  chunk.failed = false;
  try {
    const std::unique_ptr<PointReader> reader = OpenChunk(chunk);
    TextSink sink(writer, chunk.output);
    ConvertPointsInBatches(*reader, *chunk.factors, sink, chunk.end, chunk.marks);
  } catch (...) {
    chunk.failed = true;
  }
}

// Where the chunk in `text` ends: the first chunk start in its last sixteenth, else in its last
// quarter, else anywhere, so that the bytes carried over to the next chunk stay few.
std::size_t FindChunkEnd(const PointReader& reader, std::string_view text) {
  for (const std::size_t tail : {text.size() / 16, text.size() / 4, text.size()}) {
    const std::size_t cut = reader.ChunkStart(text, std::max<std::size_t>(1, text.size() - tail));
    if (cut != std::string_view::npos) {
      return cut;
    }
  }
  return std::string_view::npos;
}

}  // namespace

class ChunkedConversion::Pool {
 public:
  Pool(const OutputSettings& settings, std::size_t chunkBytes, bool secondThread)
      : chunkBytes_(std::max<std::size_t>(chunkBytes, 1)),
        writer_(MakePointWriter(settings)),
        helperWriter_(MakePointWriter(settings)),
        chunks_(secondThread ? kChunkCount : 1) {
    if (secondThread) {
      helper_ = std::thread([this] { ConvertReadyChunks(); });
    }
  }

  ~Pool() {
    {
      const std::lock_guard lock(mutex_);
      quit_ = true;
      changed_.notify_all();
    }
    if (helper_.joinable()) {
      helper_.join();
    }
  }

  FileConversion ConvertFile(PointReader& reader, const TransformFactors& factors, StreamSink& sink,
                             std::int64_t runPointsBefore, const ProgressReport& progress);

 private:
  // One file's conversion, as the calling thread runs it.
  struct FileRun {
    FileRun(PointReader& reader, const TransformFactors& factors, StreamSink& sink,
            std::int64_t runPointsBefore, const ProgressReport& progress)
        : reader(reader),
          factors(factors),
          sink(sink),
          runPointsBefore(runPointsBefore),
          progress(progress) {}

    PointReader& reader;
    const TransformFactors& factors;
    StreamSink& sink;
    std::int64_t runPointsBefore;
    const ProgressReport& progress;
    std::uint64_t chunksCut = 0;
    std::uint64_t chunksWritten = 0;
    std::uint64_t lines = 0;  // lines read by the chunks written, as the serial reading counts
    bool fileEnded = false;
    bool inputDone = false;
    bool restOnOneThread = false;
    bool ended = false;  // the conversion ended before the file did
    FileConversion result;
  };

  enum class Cut { kChunk, kNothingLeft, kNoChunkStart };

  Chunk* Find(Chunk::State state) {
    Chunk* found = nullptr;
    for (Chunk& chunk : chunks_) {
      if (chunk.state == state && (found == nullptr || chunk.index < found->index)) {
        found = &chunk;
      }
    }
    return found;
  }

  bool InHand() const {
    return std::any_of(chunks_.begin(), chunks_.end(),
                       [](const Chunk& chunk) { return chunk.state != Chunk::State::kFree; });
  }

  void ConvertReadyChunks();
  void ReadUpTo(FileRun& run, std::string& text, std::size_t size);
  Cut CutChunk(FileRun& run, Chunk& chunk);
  bool Write(FileRun& run, Chunk& chunk);
  void EndInChunk(FileRun& run, const Chunk& chunk, std::uint64_t lastLine);
  void Finish(FileRun& run);
  void LetGo(std::unique_lock<std::mutex>& lock);

  const std::size_t chunkBytes_;
  const std::unique_ptr<PointWriter> writer_;
  const std::unique_ptr<PointWriter> helperWriter_;
  std::vector<Chunk> chunks_;
  std::string carried_;  // bytes read after the last chunk cut
  std::mutex mutex_;
  std::condition_variable changed_;
  bool quit_ = false;
  std::thread helper_;
};

// The second thread: converts ready chunks, the earliest first, until the pool closes.
void ChunkedConversion::Pool::ConvertReadyChunks() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return quit_ || Find(Chunk::State::kReady) != nullptr; });
    if (quit_) {
      return;
    }
    Chunk& chunk = *Find(Chunk::State::kReady);
    chunk.state = Chunk::State::kConverting;
    lock.unlock();
    ConvertChunk(chunk, *helperWriter_);
    lock.lock();
    chunk.state = Chunk::State::kDone;
    changed_.notify_all();
  }
}

// Appends bytes of the file to `text` until it holds `size` or the file has ended.
void ChunkedConversion::Pool::ReadUpTo(FileRun& run, std::string& text, std::size_t size) {
  while (text.size() < size && !run.fileEnded) {
    const std::size_t held = text.size();
    text.resize(size);
    const std::size_t read = run.reader.Input().ReadMore(text.data() + held, size - held);
    text.resize(held + read);
    run.fileEnded = read == 0;
  }
}

// Fills `chunk` with the next chunk of the file: what was carried over, then bytes read until
// a chunk start is found past a chunk size; the rest of the file when it ends first.
ChunkedConversion::Pool::Cut ChunkedConversion::Pool::CutChunk(FileRun& run, Chunk& chunk) {
  chunk.text.swap(carried_);
  carried_.clear();
  for (std::size_t size = chunkBytes_;; size += chunkBytes_) {
    ReadUpTo(run, chunk.text, size);
    std::size_t end = chunk.text.size();
    if (!run.fileEnded) {
      end = FindChunkEnd(run.reader, chunk.text);
      if (end == std::string_view::npos) {
        if (chunk.text.size() < kMostChunkSizes * chunkBytes_) {
          continue;
        }
        carried_.swap(chunk.text);
        return Cut::kNoChunkStart;
      }
    } else if (end == 0) {
      return Cut::kNothingLeft;
    }
    carried_.assign(chunk.text, end);
    if (run.reader.ReadsIntoNextChunk() && end < chunk.text.size()) {
      chunk.text.resize(LineAt(chunk.text, end).next);
    } else {
      chunk.text.resize(end);
    }
    chunk.length = end;
    chunk.index = run.chunksCut++;
    chunk.source = &run.reader;
    chunk.factors = &run.factors;
    return Cut::kChunk;
  }
}

// Writes a converted chunk after replaying the progress reports the serial reading makes within
// it; false when the conversion ends in this chunk, with run.result telling why.
bool ChunkedConversion::Pool::Write(FileRun& run, Chunk& chunk) {
  if (chunk.failed) {
    run.result.outcome = ConversionOutcome::kWriteFailed;
    return false;
  }
  const std::uint64_t lines = chunk.Lines();
  std::size_t item = 0;
  const std::uint64_t interval = kProgressInterval;
  for (std::uint64_t hook = (run.lines / interval + 1) * interval; hook <= run.lines + lines;
       hook += interval) {
    const std::uint64_t line = hook - run.lines;
    while (chunk.marks[item].linesAfter < line) {
      ++item;
    }
    const std::int64_t points = run.result.points + chunk.marks[item].pointsBefore;
    if (run.sink.Failed() || (run.progress && !run.progress(run.runPointsBefore + points))) {
      EndInChunk(run, chunk, line);
      return false;
    }
  }
  run.sink.WriteText(chunk.output.View());
  run.result.points += chunk.end.points;
  run.lines += lines;
  if (chunk.end.refused) {
    run.sink.Drain();
    run.result.outcome = run.sink.Failed() ? ConversionOutcome::kWriteFailed : chunk.end.Refusal();
    run.result.outOfRangePoint = chunk.end.refusedPoint;
    run.result.tooWideField = chunk.end.tooWideField;
    return false;
  }
  if (run.sink.Failed()) {
    run.result.outcome = ConversionOutcome::kWriteFailed;
    return false;
  }
  return true;
}

// A progress report within the chunk stopped the reading after the chunk's line `lastLine`:
// the chunk is read again up to there, as the serial reading would have, to learn whether the
// output refused its last point.
void ChunkedConversion::Pool::EndInChunk(FileRun& run, const Chunk& chunk, std::uint64_t lastLine) {
  if (run.sink.Failed()) {
    run.result.outcome = ConversionOutcome::kWriteFailed;
    return;
  }
  const std::unique_ptr<PointReader> reader = OpenChunk(chunk);
  reader->Input().SetLineHook([] { return false; }, lastLine);
  TextBuffer text;
  TextSink sink(*writer_, text);
  LoopEnd end;
  ConvertPoints(*reader, *chunk.factors, sink, end);
  run.sink.WriteText(text.View());
  run.sink.Drain();
  run.result.points += end.points;
  run.result.outOfRangePoint = end.refusedPoint;
  run.result.tooWideField = end.tooWideField;
  if (run.sink.Failed()) {
    run.result.outcome = ConversionOutcome::kWriteFailed;
  } else {
    run.result.outcome = end.refused ? end.Refusal() : ConversionOutcome::kCancelled;
  }
}

// The end of a file whose chunks were all written: what is left is read on this thread, or the
// failure that ConvertFile would report.
void ChunkedConversion::Pool::Finish(FileRun& run) {
  if (run.restOnOneThread) {
    run.reader.Input().ResumeWith(carried_);
    carried_.clear();
    if (run.chunksCut > 0) {
      run.reader.StartChunk();
    }
    const FileConversion rest =
        velkora::ConvertFile(run.reader, run.factors, run.sink,
                             run.runPointsBefore + run.result.points, run.progress, run.lines);
    run.result.points += rest.points;
    run.result.outcome = rest.outcome;
    run.result.outOfRangePoint = rest.outOfRangePoint;
    run.result.tooWideField = rest.tooWideField;
    return;
  }
  run.sink.Drain();
  if (run.sink.Failed()) {
    run.result.outcome = ConversionOutcome::kWriteFailed;
  } else if (run.reader.Input().Failed()) {
    run.result.outcome = ConversionOutcome::kReadFailed;
  }
}

// Waits until the second thread has let go of every chunk of the file, and frees them all.
void ChunkedConversion::Pool::LetGo(std::unique_lock<std::mutex>& lock) {
  if (!lock.owns_lock()) {
    lock.lock();
  }
  for (Chunk& chunk : chunks_) {
    if (chunk.state == Chunk::State::kReady) {
      chunk.state = Chunk::State::kFree;
    }
  }
  changed_.wait(lock, [&] { return Find(Chunk::State::kConverting) == nullptr; });
  for (Chunk& chunk : chunks_) {
    chunk.state = Chunk::State::kFree;
  }
  carried_.clear();
}

FileConversion ChunkedConversion::Pool::ConvertFile(PointReader& reader,
                                                    const TransformFactors& factors,
                                                    StreamSink& sink, std::int64_t runPointsBefore,
                                                    const ProgressReport& progress) {
  FileRun run(reader, factors, sink, runPointsBefore, progress);
  carried_.assign(reader.Input().Unread());
  std::unique_lock lock(mutex_);
  // Whatever ends this function, the second thread must be done with the file's chunks.
  struct LetGoOnExit {
    Pool& pool;
    std::unique_lock<std::mutex>& lock;
    ~LetGoOnExit() { pool.LetGo(lock); }
  } letGo{*this, lock};

  while (!run.ended) {
    if (Chunk* next = Find(Chunk::State::kDone);
        next != nullptr && next->index == run.chunksWritten) {
      lock.unlock();
      run.ended = !Write(run, *next);
      lock.lock();
      next->state = Chunk::State::kFree;
      ++run.chunksWritten;
      continue;
    }
    Chunk* free = Find(Chunk::State::kFree);
    if (!run.inputDone && free != nullptr) {
      lock.unlock();
      const Cut cut = CutChunk(run, *free);
      lock.lock();
      if (cut == Cut::kChunk) {
        free->state = Chunk::State::kReady;
        changed_.notify_all();
      } else {
        run.inputDone = true;
        run.restOnOneThread = cut == Cut::kNoChunkStart;
      }
      continue;
    }
    if (Chunk* ready = Find(Chunk::State::kReady)) {
      ready->state = Chunk::State::kConverting;
      lock.unlock();
      ConvertChunk(*ready, *writer_);
      lock.lock();
      ready->state = Chunk::State::kDone;
      continue;
    }
    if (run.inputDone && !InHand()) {
      break;
    }
    changed_.wait(lock);
  }
  if (!run.ended) {
    lock.unlock();
    Finish(run);
    lock.lock();
  }
  return run.result;
}

ChunkedConversion::ChunkedConversion(const OutputSettings& settings, bool secondThread,
                                     std::size_t chunkBytes)
    : pool_(std::make_unique<Pool>(settings, chunkBytes, secondThread)) {}

ChunkedConversion::~ChunkedConversion() = default;

FileConversion ChunkedConversion::ConvertFile(PointReader& reader, const TransformFactors& factors,
                                              StreamSink& sink, std::int64_t runPointsBefore,
                                              const ProgressReport& progress) {
  return pool_->ConvertFile(reader, factors, sink, runPointsBefore, progress);
}

}  // namespace velkora
