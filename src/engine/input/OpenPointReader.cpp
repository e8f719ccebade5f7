// Opening a coordinate file with the reader of its layout, positioned at its first point.
#include "engine/input/DelimitedReaders.h"
#include "engine/input/EightyColumnReader.h"
#include "engine/input/ListingReader.h"
#include "engine/input/PointReader.h"
#include "engine/input/SdmsReader.h"

namespace velkora {

namespace {

std::unique_ptr<PointReader> MakeReader(const Detection& detection, const ReadOptions& options) {
  const ColumnOrder order = detection.headerOrder.value_or(options.order);
  switch (detection.layout) {
    case InputLayout::kCommaDelimited:
      return MakeCommaDelimitedReader(detection, order);
    case InputLayout::kGeopakDelimited:
      return MakeGeopakDelimitedReader(detection, order);
    case InputLayout::kCoordinateListing:
      return MakeListingReader(detection);
    case InputLayout::kSdms:
      return MakeSdmsReader(detection);
    case InputLayout::kEightyColumn:
    case InputLayout::kEightyColumnPlus:
      return MakeEightyColumnReader(detection);
    default:
      return nullptr;
  }
}

const char* NoPointsText(InputLayout layout) {
  return layout == InputLayout::kSdms ? "No SDMS AC: Code Found in" : "No Geopak Points Found in";
}

}  // namespace

OpenedReader OpenPointReader(const std::string& path, const ReadOptions& options) {
  OpenedReader opened;
  opened.detection = DetectFormat(path);
  std::unique_ptr<PointReader> reader = MakeReader(opened.detection, options);
  if (!reader || !reader->Input().Open(path)) {
    return opened;
  }
  if (!reader->Start()) {
    opened.refusal = NoPointsText(opened.detection.layout);
    return opened;
  }
  opened.reader = std::move(reader);
  return opened;
}

}  // namespace velkora
