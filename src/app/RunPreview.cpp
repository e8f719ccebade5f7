// The preview's points: the run's input files read and converted again, thinned evenly.
#include "app/RunPreview.h"

#include <array>
#include <cmath>

#include "engine/input/PointReader.h"
#include "engine/output/Conversion.h"
#include "engine/text/NumberText.h"

namespace velkora {

namespace {

std::optional<GroundPoint> Carried(const TransformFactors& factors, double x, double y) {
  const MovedPoint moved = factors.Apply(x, y);
  if (!std::isfinite(moved.x) || !std::isfinite(moved.y)) {
    return std::nullopt;
  }
  return GroundPoint{moved.x, moved.y};
}

std::string LabelOf(const std::string& number, const char* role) {
  return number.empty() ? std::string(role) : number;
}

void AddFormControlPoints(const MainForm& form, const TransformFactors& factors,
                          RunPreview& preview) {
  struct Role {
    ControlRole role;
    const char* shortName;
    bool carried;
  };
  constexpr std::array<Role, 4> kRoles = {{
      {ControlRole::kSourcePivot, "SPP", true},
      {ControlRole::kSourceReference, "SRP", true},
      {ControlRole::kDestinationPivot, "DPP", false},
      {ControlRole::kDestinationReference, "DRP", false},
  }};
  for (const Role& role : kRoles) {
    const ControlPointBoxes& boxes = BoxesOf(role.role);
    const double x = ReadNumber((form.*boxes.x).text);
    const double y = ReadNumber((form.*boxes.y).text);
    // Like Calculate, a control point counts only with both coordinates above 0.
    if (x <= 0 || y <= 0) {
      continue;
    }
    const std::string label = LabelOf((form.*boxes.number).text, role.shortName);
    if (!role.carried) {
      preview.controlPoints.push_back({{x, y}, label, false});
    } else if (const auto carried = Carried(factors, x, y)) {
      preview.controlPoints.push_back({*carried, label, true});
    }
  }
}

void AddFitPairs(const std::vector<ControlPair>& pairs, const TransformFactors& factors,
                 RunPreview& preview) {
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const ControlPair& pair = pairs[i];
    const std::string row = std::to_string(i + 1);
    preview.controlPoints.push_back(
        {{pair.destX, pair.destY}, LabelOf(pair.destNumber, row.c_str()), false});
    if (const auto carried = Carried(factors, pair.sourceX, pair.sourceY)) {
      preview.controlPoints.push_back({*carried, LabelOf(pair.sourceNumber, row.c_str()), true});
    }
  }
}

}  // namespace

EvenSample::EvenSample(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

void EvenSample::Offer(const GroundPoint& point) {
  const std::int64_t index = offered_++;
  if (index % stride_ != 0) {
    return;
  }
  kept_.push_back(point);
  if (kept_.size() <= limit_) {
    return;
  }
  std::size_t write = 0;
  for (std::size_t read = 0; read < kept_.size(); read += 2) {
    kept_[write++] = kept_[read];
  }
  kept_.resize(write);
  stride_ *= 2;
}

RunPreview BuildRunPreview(const RunPlan& run, const MainForm& form,
                           const std::vector<ControlPair>& fitPairs, std::size_t limit,
                           const PreviewProgress& progress) {
  RunPreview preview;
  EvenSample sample(limit);
  for (const std::string& input : run.inputs) {
    // The run already told the user about every file it could not read; the preview only
    // counts them.
    const OpenedReader opened = OpenPointReader(input, run.read);
    if (!opened.reader) {
      ++preview.unreadableFiles;
      continue;
    }
    PointReader& reader = *opened.reader;
    if (progress) {
      reader.Input().SetLineHook([&] { return progress(preview.pointsConverted); },
                                 kProgressInterval);
    }
    for (ReadItem item; (item = reader.Next()) != ReadItem::kEnd;) {
      if (item == ReadItem::kPoint) {
        ++preview.pointsConverted;
        if (const auto carried = Carried(run.factors, reader.Point().x, reader.Point().y)) {
          sample.Offer(*carried);
        }
      }
    }
    preview.cancelled = reader.Input().Stopped();
    if (reader.Input().Failed()) {
      ++preview.unreadableFiles;
    }
    if (preview.cancelled) {
      return preview;
    }
  }
  preview.points = sample.Kept();
  preview.stride = sample.Stride();
  AddFormControlPoints(form, run.factors, preview);
  AddFitPairs(fitPairs, run.factors, preview);
  return preview;
}

}  // namespace velkora
