// Reading and moving on the calling thread, writing on a second one, joined by a small ring
// of point batches.
#include "conversion/TwoThreadConversion.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "conversion/ConversionRun.h"
#include "input/PointReading.h"
#include "transform/Factors.h"

namespace velkora {
namespace {

constexpr std::size_t kBatchPoints = 2048;
constexpr std::size_t kBatchCount = 3;

// Points in reading order, with the text a reader sent to the output (comment lines copied
// through) before each of them and after the last. The records grow with the first use and
// are reused after, so that a short file costs little and a long one allocates nothing more.
struct PointBatch {
  std::vector<PointRecord> points;
  std::vector<std::size_t> textBefore;  // where in `text` the text before each point ends
  std::string text;
  std::size_t count = 0;

  void Start() {
    count = 0;
    text.clear();
  }
  // A copy, not a swap: a reader may count on the fields of the point it read last.
  void Add(const PointRecord& point) {
    if (count == points.size()) {
      points.push_back(point);
      textBefore.push_back(text.size());
    } else {
      points[count] = point;
      textBefore[count] = text.size();
    }
    ++count;
  }
  bool Full() const { return count == kBatchPoints; }
};

// The reading thread's output: what a reader writes is kept in the batch being filled, so
// that it reaches the file in its place among the points.
class BatchText : public std::streambuf {
 public:
  void CollectInto(std::string& text) { text_ = &text; }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      text_->push_back(traits_type::to_char_type(c));
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    text_->append(bytes, static_cast<std::size_t>(count));
    return count;
  }

 private:
  std::string* text_ = nullptr;
};

// Full batches go to the writing thread, empty ones come back. Closing tells the writing
// thread that no batch will follow.
class BatchChannel {
 public:
  explicit BatchChannel(std::array<PointBatch, kBatchCount>& batches) {
    for (PointBatch& batch : batches) {
      empty_.push_back(&batch);
    }
  }

  PointBatch* TakeEmpty() { return Pop(empty_); }
  void GiveBack(PointBatch* batch) { Push(empty_, batch); }
  void Send(PointBatch* batch) { Push(full_, batch); }
  // The next full batch, or nullptr once the channel is closed and drained.
  PointBatch* Receive() { return Pop(full_); }

  void Close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

 private:
  void Push(std::deque<PointBatch*>& queue, PointBatch* batch) {
    const std::lock_guard lock(mutex_);
    queue.push_back(batch);
    changed_.notify_all();
  }
  PointBatch* Pop(std::deque<PointBatch*>& queue) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !queue.empty() || (closed_ && &queue == &full_); });
    if (queue.empty()) {
      return nullptr;
    }
    PointBatch* batch = queue.front();
    queue.pop_front();
    return batch;
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<PointBatch*> full_;
  std::deque<PointBatch*> empty_;
  bool closed_ = false;
};

// Closes the channel when the reading side leaves, however it leaves, so that the writing
// thread ends and can be joined.
class ClosedOnExit {
 public:
  explicit ClosedOnExit(BatchChannel& channel) : channel_(channel) {}
  ClosedOnExit(const ClosedOnExit&) = delete;
  ClosedOnExit& operator=(const ClosedOnExit&) = delete;
  ~ClosedOnExit() { channel_.Close(); }

 private:
  BatchChannel& channel_;
};

void WriteText(std::ostream& output, const std::string& text, std::size_t from, std::size_t to) {
  if (to > from) {
    output.write(text.data() + static_cast<std::streamsize>(from),
                 static_cast<std::streamsize>(to - from));
  }
}

// Writes one batch of moved points with the writing thread's session.
void WriteBatch(SessionState& writer, PointBatch& batch, std::int64_t& pointsWritten) {
  std::size_t written = 0;
  for (std::size_t i = 0; i < batch.count; ++i) {
    WriteText(*writer.outFile, batch.text, written, batch.textBefore[i]);
    written = batch.textBefore[i];
    writer.point = batch.points[i];
    WritePoint(writer);
    ++pointsWritten;
  }
  WriteText(*writer.outFile, batch.text, written, batch.text.size());
}

// The writing thread: batches in order until the channel closes. After a failed write it
// only gives the batches back, so that the reading side never waits for good.
void WriteBatches(SessionState& writer, BatchChannel& channel, std::atomic<bool>& failed,
                  std::int64_t& pointsWritten) {
  while (PointBatch* batch = channel.Receive()) {
    if (!failed.load()) {
      try {
        WriteBatch(writer, *batch, pointsWritten);
        failed.store(!writer.outFile->good());
      } catch (...) {
        failed.store(true);
      }
    }
    channel.GiveBack(batch);
  }
}

}  // namespace

void ShareOutputSettings(const SessionState& from, SessionState& to) {
  to.inFormat = from.inFormat;
  to.outFormatCode = from.outFormatCode;
  to.outDelim = from.outDelim;
  to.outputDecimals = from.outputDecimals;
  to.suppressZeroElev = from.suppressZeroElev;
}

ConversionOutcome ConvertPointsOnTwoThreads(SessionState& session, RunView& view) {
  SessionState writer;
  ShareOutputSettings(session, writer);
  std::ostream* const output = session.outFile;
  writer.outFile = output;

  std::array<PointBatch, kBatchCount> batches;
  BatchChannel channel(batches);
  std::atomic<bool> writingFailed{false};
  std::int64_t pointsWritten = 0;
  BatchText batchText;
  std::ostream batchStream(&batchText);

  bool cancelled = false;
  session.inFile.SetLineHook(
      [&] {
        if (writingFailed.load()) {
          return false;
        }
        cancelled = !view.ReportProgress(session.runPointCount);
        return !cancelled;
      },
      kProgressInterval);

  const std::int64_t fileCountBefore = session.filePointCount;
  const std::int64_t runCountBefore = session.runPointCount;
  bool outOfRange = false;
  session.outFile = &batchStream;
  {
    std::jthread writing([&] { WriteBatches(writer, channel, writingFailed, pointsWritten); });
    const ClosedOnExit closed(channel);
    PointBatch* batch = channel.TakeEmpty();
    batch->Start();
    batchText.CollectInto(batch->text);
    do {
      if (ReadPoint(session)) {
        TransformPoint(session);
        if (!IsWritablePoint(session.point)) {
          outOfRange = true;  // session.point stays, for the message
          break;
        }
        batch->Add(session.point);
        ++session.filePointCount;
        ++session.runPointCount;
        if (batch->Full()) {
          channel.Send(batch);
          batch = channel.TakeEmpty();
          batch->Start();
          batchText.CollectInto(batch->text);
        }
      }
    } while (!session.inFile.AtEnd() && !writingFailed.load());
    channel.Send(batch);
  }
  session.outFile = output;

  // Only the points written count: a failed write stops the writing short of the reading.
  session.filePointCount = fileCountBefore + pointsWritten;
  session.runPointCount = runCountBefore + pointsWritten;
  if (writingFailed.load()) {
    return ConversionOutcome::kWriteFailed;
  }
  if (outOfRange) {
    return ConversionOutcome::kOutOfRange;
  }
  if (cancelled) {
    return ConversionOutcome::kCancelled;
  }
  if (session.inFile.Failed()) {
    return ConversionOutcome::kReadFailed;
  }
  return output->good() ? ConversionOutcome::kConverted : ConversionOutcome::kWriteFailed;
}

}  // namespace velkora
