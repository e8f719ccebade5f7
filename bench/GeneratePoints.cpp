// Writes a reproducible survey point file in one input layout for the benchmark: the same seed
// and count give the same points, byte for byte, in every layout.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: velkora-generate-points --layout LAYOUT [--count N | --min-bytes B] [--seed S] "
    "--output FILE\n"
    "  LAYOUT: comma, geopak, sdms, eighty, listing, xyz (blank-separated X Y Z)\n";

// Coordinates are whole thousandths, so every layout (three decimals at most) holds them exactly.
struct SurveyPoint {
  std::int64_t number = 0;
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t elev = 0;
  std::string_view description;
  std::string_view feature;
};

struct CodeAndDescription {
  std::string_view feature;
  std::string_view description;
};

// Feature codes and descriptions as field crews write them; no commas, so the delimited
// layouts keep their fields.
constexpr CodeAndDescription kShots[] = {
    {"TW", "TOP WALL"}, {"EP", "EDGE PVMT"},  {"MH", "SAN MH RIM"}, {"", ""},
    {"CL", "CL 1.5"},   {"SW", "SW-MID"},     {"ST", "STEP/SW"},    {"TC", "TC BT DOMES"},
    {"", "SSCO?"},      {"GR", ""},           {"BL", "BL-3"},       {"IP", "IRON PIN FND"},
    {"FH", "FIRE HYD"}, {"UP", "UTIL POLE 7"}};

// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::int64_t Below(std::int64_t limit) {
    return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(limit));
  }

 private:
  std::uint64_t state_;
};

// A 5 km by 5 km site in state-plane sized numbers, elevations 580 to 710.
SurveyPoint NextPoint(SeededRandom& random, std::int64_t number) {
  SurveyPoint point;
  point.number = number;
  point.x = 1452000000 + random.Below(5000000);
  point.y = 536000000 + random.Below(5000000);
  point.elev = 580000 + random.Below(130000);
  const CodeAndDescription& shot = kShots[random.Below(std::size(kShots))];
  point.feature = shot.feature;
  point.description = shot.description;
  return point;
}

// Output buffered in large blocks; fwrite per point would dominate the run time.
class BlockWriter {
 public:
  explicit BlockWriter(std::FILE* file) : file_(file) { buffer_.reserve(kBlock + 1024); }
  ~BlockWriter() { Flush(); }
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  void Text(std::string_view text) { buffer_.append(text); }
  void Char(char c) { buffer_.push_back(c); }
  void Integer(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    buffer_.append(digits, result.ptr);
  }
  // A value in thousandths with exactly three decimals.
  void Thousandths(std::int64_t value) { Text(ThousandthsText(value)); }
  // Right-aligned in `width` columns.
  void ThousandthsRight(std::int64_t value, std::size_t width) {
    const std::string text = ThousandthsText(value);
    Padding(width > text.size() ? width - text.size() : 0);
    Text(text);
  }
  void Padding(std::size_t blanks) { buffer_.append(blanks, ' '); }
  void TextLeft(std::string_view text, std::size_t width) {
    Text(text.substr(0, width));
    Padding(width > text.size() ? width - text.size() : 0);
  }
  void EndLine() {
    buffer_.append("\r\n");
    if (buffer_.size() >= kBlock) {
      Flush();
    }
  }
  std::uint64_t BytesWritten() const { return flushed_ + buffer_.size(); }
  bool Flush() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
      failed_ = true;
    }
    flushed_ += buffer_.size();
    buffer_.clear();
    return !failed_;
  }
  bool Failed() const { return failed_; }

 private:
  static std::string ThousandthsText(std::int64_t value) {
    std::string text = std::to_string(value / 1000);
    char fraction[4] = {static_cast<char>('0' + value / 100 % 10),
                        static_cast<char>('0' + value / 10 % 10),
                        static_cast<char>('0' + value % 10), 0};
    return text + "." + fraction;
  }

  static constexpr std::size_t kBlock = 1 << 20;
  std::FILE* file_;
  std::string buffer_;
  std::uint64_t flushed_ = 0;
  bool failed_ = false;
};

void WriteCommaDelimited(BlockWriter& out, const SurveyPoint& point) {
  out.Integer(point.number);
  out.Char(',');
  out.Thousandths(point.x);
  out.Char(',');
  out.Thousandths(point.y);
  out.Char(',');
  out.Thousandths(point.elev);
  out.Char(',');
  out.Text(point.description);
  out.Char(',');
  out.Text(point.feature);
  out.EndLine();
}

void WriteGeopakDelimited(BlockWriter& out, const SurveyPoint& point) {
  out.Integer(point.number);
  out.Char(',');
  out.Thousandths(point.x);
  out.Char(',');
  out.Thousandths(point.y);
  out.Char(',');
  out.Thousandths(point.elev);
  out.Char(',');
  out.Text(point.feature);
  out.Char(';');
  out.Text(point.description);
  out.EndLine();
}

void WriteSdms(BlockWriter& out, const SurveyPoint& point) {
  out.Text("AC:SS");
  out.EndLine();
  out.Text("PN:");
  out.Integer(point.number);
  out.EndLine();
  out.Text("XC:");
  out.Thousandths(point.x);
  out.EndLine();
  out.Text("YC:");
  out.Thousandths(point.y);
  out.EndLine();
  out.Text("ZC:");
  out.Thousandths(point.elev);
  out.EndLine();
  if (!point.feature.empty()) {
    out.Text("FE:");
    out.Text(point.feature);
    out.EndLine();
  }
  if (!point.description.empty()) {
    out.Text("PD:");
    out.Text(point.description);
    out.EndLine();
  }
}

// Four-digit point numbers: the layout has no room for more, and 0000 is no point.
void WriteEightyColumn(BlockWriter& out, const SurveyPoint& point) {
  const std::int64_t shortNumber = (point.number - 1) % 9999 + 1;
  char number[8];
  std::snprintf(number, sizeof number, "%04lld", static_cast<long long>(shortNumber));
  out.Text(number);
  out.TextLeft(point.description, 30);
  out.ThousandthsRight(point.x, 11);
  out.ThousandthsRight(point.y, 11);
  out.Padding(1);
  out.ThousandthsRight(point.elev, 8);
  out.Padding(1);
  out.TextLeft(point.feature, 3);
  out.Text("       XXXX");
  out.EndLine();
}

// Coordinate listing: point in columns 1-12, northing 13-27, easting 28-42, station 43-55,
// elevation from 56; feature and description on indented lines; a page of 50 points.
constexpr std::int64_t kListingPageLength = 50;

void WriteListingPageHead(BlockWriter& out, std::int64_t page) {
  out.Text("      Coordinate listing            Copyright (c) benchmark survey data");
  out.EndLine();
  out.Text("      Job BENCH   page ");
  out.Integer(page);
  out.EndLine();
  out.EndLine();
  out.Text(" Point           Northing        Easting      Station    Elevation");
  out.EndLine();
  out.Text("------------ -------------- -------------- ------------ ----------");
  out.EndLine();
}

void WriteListing(BlockWriter& out, const SurveyPoint& point) {
  if ((point.number - 1) % kListingPageLength == 0) {
    if (point.number > 1) {
      out.Text("*****************************************************************");
      out.EndLine();
    }
    WriteListingPageHead(out, (point.number - 1) / kListingPageLength + 1);
  }
  const std::string number = std::to_string(point.number);
  out.TextLeft(number, 12);
  out.ThousandthsRight(point.y, 15);
  out.ThousandthsRight(point.x, 15);
  out.Text("     12+60.24");
  out.ThousandthsRight(point.elev, 11);
  out.EndLine();
  // The feature line always follows, so the file never ends on a point line.
  out.Text("            Feature: ");
  out.Text(point.feature);
  out.EndLine();
  if (!point.description.empty()) {
    out.Text("            Description: ");
    out.Text(point.description);
    out.EndLine();
  }
}

void WriteXyz(BlockWriter& out, const SurveyPoint& point) {
  out.Thousandths(point.x);
  out.Char(' ');
  out.Thousandths(point.y);
  out.Char(' ');
  out.Thousandths(point.elev);
  out.EndLine();
}

using PointWriter = void (*)(BlockWriter&, const SurveyPoint&);

struct Layout {
  std::string_view name;
  PointWriter write;
  std::string_view firstLine;  // a "$" comment line for the layouts that carry them
};

constexpr Layout kLayouts[] = {
    {"comma", WriteCommaDelimited, "$ benchmark points, comma-delimited"},
    {"geopak", WriteGeopakDelimited, ""},
    {"sdms", WriteSdms, ""},
    {"eighty", WriteEightyColumn, "$ benchmark points, 80-column"},
    {"listing", WriteListing, ""},
    {"xyz", WriteXyz, ""},
};

struct Options {
  const Layout* layout = nullptr;
  std::int64_t count = 1000000;
  std::uint64_t minBytes = 0;
  std::uint64_t seed = 20261206;
  std::string output;
};

bool ParseInteger(const char* text, std::uint64_t& value) {
  const char* end = text + std::strlen(text);
  const auto result = std::from_chars(text, end, value);
  return result.ec == std::errc() && result.ptr == end;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view name = argv[i];
    const char* value = argv[i + 1];
    std::uint64_t number = 0;
    if (name == "--layout") {
      for (const Layout& layout : kLayouts) {
        if (layout.name == value) {
          options.layout = &layout;
        }
      }
    } else if (name == "--output") {
      options.output = value;
    } else if (name == "--count" && ParseInteger(value, number) && number > 0) {
      options.count = static_cast<std::int64_t>(number);
    } else if (name == "--min-bytes" && ParseInteger(value, number)) {
      options.minBytes = number;
    } else if (name == "--seed" && ParseInteger(value, number)) {
      options.seed = number;
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && options.layout != nullptr && !options.output.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::FILE* file = std::fopen(options.output.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "velkora-generate-points: cannot create %s\n", options.output.c_str());
    return 1;
  }
  bool written = true;
  {
    BlockWriter out(file);
    if (!options.layout->firstLine.empty()) {
      out.Text(options.layout->firstLine);
      out.EndLine();
    }
    SeededRandom random(options.seed);
    for (std::int64_t number = 1;; ++number) {
      const bool enough =
          options.minBytes > 0 ? out.BytesWritten() >= options.minBytes : number > options.count;
      if (enough || out.Failed()) {
        break;
      }
      options.layout->write(out, NextPoint(random, number));
    }
    written = out.Flush();
  }
  if (std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "velkora-generate-points: cannot write %s\n", options.output.c_str());
    return 1;
  }
  return 0;
}
