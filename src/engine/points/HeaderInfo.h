// Job identification printed at the head of every conversion summary; the names are the keys
// of the header defaults file.
#pragma once

#include <string>

namespace velkora {

struct HeaderInfo {
  std::string THNumber;
  std::string SPNumber;
  std::string HorDatum;
  std::string VerDatum;
  std::string CoordSys;
  std::string Comments;

  bool operator==(const HeaderInfo&) const = default;
};

}  // namespace velkora
