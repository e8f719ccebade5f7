// The writer of each output layout.
#include "engine/output/PointWriter.h"

#include "engine/output/DelimitedWriters.h"
#include "engine/output/EightyColumnWriter.h"
#include "engine/output/GeopakInputWriters.h"
#include "engine/output/SdmsWriter.h"

namespace velkora {

std::unique_ptr<PointWriter> MakePointWriter(const OutputSettings& settings) {
  switch (settings.layout) {
    case OutputLayout::kCommaDelimited:
      return MakeCommaDelimitedWriter(settings);
    case OutputLayout::kGeopakDelimited:
      return MakeGeopakDelimitedWriter(settings);
    case OutputLayout::kGeopakInputNE:
      return MakeGeopakInputWriter(settings, GeopakInputOrder::kNorthingEasting);
    case OutputLayout::kGeopakInputXY:
      return MakeGeopakInputWriter(settings, GeopakInputOrder::kXY);
    case OutputLayout::kSdms:
      return MakeSdmsWriter(settings);
    case OutputLayout::kEightyColumn:
      return MakeEightyColumnWriter(settings);
  }
  return MakeCommaDelimitedWriter(settings);
}

}  // namespace velkora
