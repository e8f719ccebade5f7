// Writing on a second thread, fed by a small ring of point batches.
#include "engine/output/TwoThreadSink.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velkora {
namespace {

constexpr std::size_t kBatchPoints = 2048;
constexpr std::size_t kBatchCount = 3;
// A long run of comment lines between two points must not grow one batch without bound.
constexpr std::size_t kBatchTextLimit = 1 << 20;

// Points in reading order, each with the layout it was read in and the comment text to write
// before it; the text after the last point follows them. The records grow with the first use
// and are reused after, so that a short file costs little and a long one allocates nothing more.
struct PointBatch {
  std::vector<PointRecord> points;
  std::vector<InputLayout> sources;
  std::vector<std::size_t> textBefore;  // where in `text` the text before each point ends
  std::string text;
  std::size_t count = 0;

  void Start() {
    count = 0;
    text.clear();
  }
  // A copy, not a swap: the reader keeps reading into the point it handed over.
  void Add(const PointRecord& point, InputLayout source) {
    if (count == points.size()) {
      points.push_back(point);
      sources.push_back(source);
      textBefore.push_back(text.size());
    } else {
      points[count] = point;
      sources[count] = source;
      textBefore[count] = text.size();
    }
    ++count;
  }
  bool Full() const { return count == kBatchPoints || text.size() >= kBatchTextLimit; }

  void WriteTo(StreamSink& output) const {
    std::size_t written = 0;
    for (std::size_t i = 0; i < count; ++i) {
      if (textBefore[i] > written) {
        output.PutText(std::string_view(text).substr(written, textBefore[i] - written));
      }
      written = textBefore[i];
      output.Put(points[i], sources[i]);
    }
    if (text.size() > written) {
      output.PutText(std::string_view(text).substr(written));
    }
  }
};

}  // namespace

// Full batches go to the writing thread, written ones come back. Closing tells the writing
// thread that no batch will follow.
class TwoThreadSink::Ring {
 public:
  explicit Ring(StreamSink& output) : output_(output) {
    for (PointBatch& batch : batches_) {
      empty_.push_back(&batch);
    }
    filling_ = TakeEmpty();
    writing_ = std::jthread([this] { WriteBatches(); });
  }

  ~Ring() {
    Send(filling_);
    {
      const std::lock_guard lock(mutex_);
      closed_ = true;
      changed_.notify_all();
    }
    writing_.join();
  }

  PointBatch& Filling() { return *filling_; }

  // After a failed write the points are dropped: the run ends at the next check anyway.
  void AfterPut() {
    if (filling_->Full()) {
      Send(filling_);
      filling_ = TakeEmpty();
    }
  }

  void Drain() {
    Send(filling_);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return empty_.size() == kBatchCount; });
    filling_ = empty_.front();
    empty_.pop_front();
    filling_->Start();
    lock.unlock();
    // The writing thread is idle until the next batch: its sink may be drained from here.
    output_.Drain();
    failed_.store(failed_.load() || output_.Failed());
  }

  bool Failed() const { return failed_.load(); }
  const StreamSink& Output() const { return output_; }

 private:
  PointBatch* TakeEmpty() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !empty_.empty(); });
    PointBatch* batch = empty_.front();
    empty_.pop_front();
    batch->Start();
    return batch;
  }

  void Send(PointBatch* batch) {
    const std::lock_guard lock(mutex_);
    full_.push_back(batch);
    changed_.notify_all();
  }

  // The next full batch, or nullptr once the ring is closed and drained.
  PointBatch* Receive() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !full_.empty() || closed_; });
    if (full_.empty()) {
      return nullptr;
    }
    PointBatch* batch = full_.front();
    full_.pop_front();
    return batch;
  }

  void GiveBack(PointBatch* batch) {
    const std::lock_guard lock(mutex_);
    empty_.push_back(batch);
    changed_.notify_all();
  }

  // The writing thread: batches in order until the ring closes. After a failed write it only
  // gives the batches back, so that the reading side never waits for good.
  void WriteBatches() {
    while (PointBatch* batch = Receive()) {
      if (!failed_.load()) {
        try {
          batch->WriteTo(output_);
          failed_.store(output_.Failed());
        } catch (...) {
          failed_.store(true);
        }
      }
      GiveBack(batch);
    }
  }

  StreamSink& output_;
  std::array<PointBatch, kBatchCount> batches_;
  PointBatch* filling_ = nullptr;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<PointBatch*> full_;
  std::deque<PointBatch*> empty_;
  bool closed_ = false;
  std::atomic<bool> failed_{false};
  std::jthread writing_;
};

TwoThreadSink::TwoThreadSink(StreamSink& output) : ring_(std::make_unique<Ring>(output)) {}

TwoThreadSink::~TwoThreadSink() = default;

void TwoThreadSink::Put(const PointRecord& point, InputLayout source) {
  ring_->Filling().Add(point, source);
  ring_->AfterPut();
}

void TwoThreadSink::PutComment(std::string_view line) {
  std::string& text = ring_->Filling().text;
  text += line;
  text += kLineEnd;
  ring_->AfterPut();
}

void TwoThreadSink::Drain() {
  ring_->Drain();
}

bool TwoThreadSink::Failed() const {
  return ring_->Failed();
}

bool TwoThreadSink::KeepsCommentsOf(InputLayout source) const {
  return ring_->Output().KeepsCommentsOf(source);
}

std::string_view TwoThreadSink::FieldTooWide(const PointRecord& point, InputLayout source) const {
  return ring_->Output().FieldTooWide(point, source);
}

}  // namespace velkora
