// Reads and writes the header defaults file.
#include "engine/settings/HeaderDefaults.h"

#include <array>
#include <string_view>

#include "engine/input/LineInput.h"
#include "engine/output/OutputFile.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr std::size_t kKeyLength = 9;

struct HeaderKey {
  std::string_view key;
  std::string HeaderInfo::*field;
};

// In the order the file is written.
constexpr std::array<HeaderKey, 6> kHeaderKeys = {{
    {"THNumber=", &HeaderInfo::THNumber},
    {"SPNumber=", &HeaderInfo::SPNumber},
    {"HorDatum=", &HeaderInfo::HorDatum},
    {"VerDatum=", &HeaderInfo::VerDatum},
    {"CoordSys=", &HeaderInfo::CoordSys},
    {"Comments=", &HeaderInfo::Comments},
}};

std::string HeaderDefaultsText(const HeaderInfo& boxes) {
  std::string text = "[HEADER]\r\n";
  for (const HeaderKey& key : kHeaderKeys) {
    text += key.key;
    text += Trim(boxes.*key.field);
    text += "\r\n";
  }
  return text;
}

}  // namespace

HeaderInfo ReadHeaderDefaults(const std::string& path) {
  HeaderInfo header;
  LineInput file;
  if (!file.Open(path)) {
    return header;
  }
  std::string line;
  while (file.ReadLine(line)) {
    const std::string_view key = Left(line, kKeyLength);
    for (const HeaderKey& known : kHeaderKeys) {
      if (key == known.key) {
        header.*known.field = std::string(Trim(ColumnsFrom(line, kKeyLength + 1)));
      }
    }
  }
  return header;
}

bool WriteHeaderDefaults(const std::string& path, const HeaderInfo& boxes, std::string& error) {
  // The same safe replacement as an output file: a failed write leaves the old defaults, a
  // link is written through, and a read-only file is not replaced.
  OutputFile file(path);
  if (!file.Open()) {
    error = "The header defaults file cannot be written.";
    return false;
  }
  file.Stream() << HeaderDefaultsText(boxes);
  if (!file.Commit()) {
    error = "The header defaults file cannot be replaced.";
    return false;
  }
  return true;
}

}  // namespace velkora
