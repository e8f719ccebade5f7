// The points of the report window's preview: the last run's points as converted, thinned
// evenly to a bounded number, and the control points, all in destination coordinates.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/RunRequest.h"
#include "engine/transform/ControlFit.h"

namespace velkora {

struct GroundPoint {
  double x = 0;
  double y = 0;
};

// Keeps every stride-th point offered, starting with the first. When more than `limit` are
// kept, every other kept point is dropped and the stride doubles, so the kept points stay
// evenly spread over everything offered and never number more than `limit`.
class EvenSample {
 public:
  explicit EvenSample(std::size_t limit);

  void Offer(const GroundPoint& point);

  const std::vector<GroundPoint>& Kept() const { return kept_; }
  std::int64_t Stride() const { return stride_; }
  std::int64_t Offered() const { return offered_; }

 private:
  std::size_t limit_;
  std::vector<GroundPoint> kept_;
  std::int64_t stride_ = 1;
  std::int64_t offered_ = 0;
};

// A control point in the preview.
struct PreviewControlPoint {
  GroundPoint at;
  std::string label;
  bool carried = false;  // a source point carried over by the run's factors
};

struct RunPreview {
  std::vector<GroundPoint> points;   // the converted points kept
  std::int64_t pointsConverted = 0;  // every valid point of the input files
  std::int64_t stride = 1;
  std::int64_t unreadableFiles = 0;  // input files that could not be opened or read to the end
  std::vector<PreviewControlPoint> controlPoints;
  bool cancelled = false;  // the progress callback stopped the reading
};

// Told the number of points read so far every few thousand lines; false stops the reading.
using PreviewProgress = std::function<bool(std::int64_t pointsRead)>;

// Most points a preview keeps.
inline constexpr std::size_t kPreviewPointLimit = 20000;

// Reads the input files of `run` again and converts their points with its factors. The control
// points are the main window's destination pivot and reference as given, its source pivot and
// reference carried by the factors, and both points of every pair in `fitPairs` the same way.
// A long reading reports to `progress` and may be cancelled there.
RunPreview BuildRunPreview(const RunPlan& run, const MainForm& form,
                           const std::vector<ControlPair>& fitPairs,
                           std::size_t limit = kPreviewPointLimit,
                           const PreviewProgress& progress = {});

}  // namespace velkora
