// The preview's points: the run's input files read and converted again, thinned evenly.
#include "report/RunPreview.h"

#include <array>
#include <cmath>

#include "conversion/PointConversion.h"
#include "input/PointReading.h"
#include "transform/Factors.h"
#include "transform/NumberText.h"
#include "transform/ReferenceList.h"

namespace velkora {

namespace {

// The run already told the user about every file it could not read; the preview only counts
// them.
class SilentPrompter : public Prompter {
 public:
  MessageAnswer ShowMessage(const Message&) override { return MessageAnswer::kOk; }
  std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

// A reading state of its own with the run's factors, so that the session's current point,
// file and factors stay as they are.
void CopyFactors(const SessionState& run, SessionState& reading) {
  reading.deltaX = run.deltaX;
  reading.deltaY = run.deltaY;
  reading.rotationAngle = run.rotationAngle;
  reading.scaleFactor = run.scaleFactor;
  reading.hasPivot = run.hasPivot;
  reading.doTranslate = run.doTranslate;
  reading.doRotate = run.doRotate;
  reading.doScale = run.doScale;
  reading.sourcePivotX = run.sourcePivotX;
  reading.sourcePivotY = run.sourcePivotY;
  reading.destPivotX = run.destPivotX;
  reading.destPivotY = run.destPivotY;
  reading.controlDecimals = run.controlDecimals;
  reading.outputDecimals = run.outputDecimals;
  // No output file: the readers must pass no comment line through.
  reading.outFormatCode = format::kUnrecognized;
  reading.outFile = nullptr;
}

std::optional<GroundPoint> Carried(SessionState& reading, double x, double y) {
  reading.point.x = x;
  reading.point.y = y;
  TransformPoint(reading);
  if (!std::isfinite(reading.point.newX) || !std::isfinite(reading.point.newY)) {
    return std::nullopt;
  }
  return GroundPoint{reading.point.newX, reading.point.newY};
}

std::string LabelOf(const std::string& number, const char* role) {
  return number.empty() ? std::string(role) : number;
}

void AddFormControlPoints(const MainForm& form, SessionState& reading, RunPreview& preview) {
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
    } else if (const auto carried = Carried(reading, x, y)) {
      preview.controlPoints.push_back({*carried, label, true});
    }
  }
}

void AddFitPairs(const std::vector<ControlPair>& pairs, SessionState& reading,
                 RunPreview& preview) {
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const ControlPair& pair = pairs[i];
    const std::string row = std::to_string(i + 1);
    preview.controlPoints.push_back(
        {{pair.destX, pair.destY}, LabelOf(pair.destNumber, row.c_str()), false});
    if (const auto carried = Carried(reading, pair.sourceX, pair.sourceY)) {
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

RunPreview BuildRunPreview(const SessionState& session, const MainForm& form,
                           const std::vector<ControlPair>& fitPairs, std::size_t limit,
                           const PreviewProgress& progress) {
  SessionState reading;
  CopyFactors(session, reading);
  SilentPrompter silent;
  RunPreview preview;
  EvenSample sample(limit);
  for (const std::string& input : form.loadedFiles.items) {
    reading.curFileName = input;
    if (!OpenInputFile(reading, silent)) {
      ++preview.unreadableFiles;
      continue;
    }
    if (progress) {
      reading.inFile.SetLineHook([&] { return progress(preview.pointsConverted); },
                                 kProgressInterval);
    }
    do {
      if (ReadPoint(reading)) {
        TransformPoint(reading);
        ++preview.pointsConverted;
        if (std::isfinite(reading.point.newX) && std::isfinite(reading.point.newY)) {
          sample.Offer({reading.point.newX, reading.point.newY});
        }
      }
    } while (!reading.inFile.AtEnd());
    preview.cancelled = reading.inFile.Stopped();
    if (reading.inFile.Failed()) {
      ++preview.unreadableFiles;
    }
    CloseInputFile(reading);
    if (preview.cancelled) {
      return preview;
    }
  }
  preview.points = sample.Kept();
  preview.stride = sample.Stride();
  AddFormControlPoints(form, reading, preview);
  AddFitPairs(fitPairs, reading, preview);
  return preview;
}

}  // namespace velkora
