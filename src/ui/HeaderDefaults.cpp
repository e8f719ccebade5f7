// Reads and writes the header defaults file.
#include "ui/HeaderDefaults.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "input/LineInput.h"
#include "session/TextColumns.h"

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

bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

void LoadHeaderDefaults(SessionState& session) {
  LineInput file;
  if (!file.Open(session.iniPath)) {
    return;
  }
  while (file.ReadLine(session.lineBuf)) {
    const std::string_view key = Left(session.lineBuf, kKeyLength);
    for (const HeaderKey& known : kHeaderKeys) {
      if (key == known.key) {
        session.hdr.*known.field = std::string(Trim(ColumnsFrom(session.lineBuf, kKeyLength + 1)));
      }
    }
  }
}

bool WriteHeaderDefaults(const std::string& path, const HeaderInfo& boxes, std::string& error) {
  const std::string temporary = path + ".tmp";
  std::error_code ignored;
  if (!WriteWholeFile(temporary, HeaderDefaultsText(boxes))) {
    std::filesystem::remove(temporary, ignored);
    error = "The header defaults file cannot be written.";
    return false;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    std::filesystem::remove(temporary, ignored);
    error = "The header defaults file cannot be replaced.";
    return false;
  }
  return true;
}

}  // namespace velkora
