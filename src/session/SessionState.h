// The one program-wide state record. Procedures take it by reference, read the fields
// their caller set and leave their results in other fields.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "input/LineInput.h"

namespace velkora {

// Numeric code of a coordinate file layout, shared by input (as detected) and output
// (as chosen in outFormat). Code 4 means a coordinate listing as input but
// "Geopak Input X/Y" as output.
using FileFormat = std::uint8_t;

namespace format {
inline constexpr FileFormat kCommaDelimited = 0;
inline constexpr FileFormat kGeopakDelimited = 1;
inline constexpr FileFormat kGeopakInputNE = 3;      // output only
inline constexpr FileFormat kCoordinateListing = 4;  // as input
inline constexpr FileFormat kGeopakInputXY = 4;      // as output
inline constexpr FileFormat kSdms = 5;
inline constexpr FileFormat kEightyColumn = 6;
inline constexpr FileFormat kEightyColumnPlus = 7;  // "+" in column 16, "." in column 19
inline constexpr FileFormat kUnrecognized =
    100;  // also the output code while a reference file is read
inline constexpr FileFormat kCannotOpen = 200;
}  // namespace format

// The grave accent that ends every item of an SDMS point's rawText.
inline constexpr char kSdmsItemEnd = '`';

struct PointRecord {
  std::string pointNum;
  double x = 0;
  double y = 0;
  double elev = 0;
  std::string feature;
  std::string description;
  // Source text for writers that copy the source layout: the fields after the sixth of a
  // comma-delimited line, the whole line (Geopak delimited, 80-column), or every line of an
  // SDMS record, each followed by kSdmsItemEnd.
  std::string rawText;
  double newX = 0;
  double newY = 0;
};

// Job identification printed at the head of every conversion summary; the names are the
// keys of the header defaults file.
struct HeaderInfo {
  std::string THNumber;
  std::string SPNumber;
  std::string HorDatum;
  std::string VerDatum;
  std::string CoordSys;
  std::string Comments;

  bool operator==(const HeaderInfo&) const = default;
};

// The residual table of the last fit put into the boxes by "Use These Factors", with the texts
// it put there: a run's report carries the table only while the boxes still hold them.
struct FittedFactors {
  std::string residualTable;  // empty when no fit was used
  std::string sourcePivotX, sourcePivotY;
  std::string dx, dy, angle, scale;
};

struct SessionState {
  // Program paths.
  std::string iniPath;
  std::string helpPath;

  // Input-file list.
  std::int64_t fileCount = 0;
  std::string reportFileName;
  bool loadingFromCommandLine = false;

  // Current input file and reading state.
  std::string curFileName;
  FileFormat inFormat = 0;
  LineInput inFile;
  char inDelim = ';';
  std::string lineBuf;
  std::string sdmsAcLine;
  bool listingXFirst = false;
  std::int64_t listingCol1 = 0;
  std::int64_t listingCol2 = 0;
  std::int64_t listingCol3 = 0;
  std::int64_t listingCol4 = 0;
  PointRecord point;

  // Output.
  std::string outFileName;
  std::ostream* outFile = nullptr;  // the open output stream during a run
  FileFormat outFormatCode = 0;
  char outDelim = ';';
  bool suppressZeroElev = false;
  std::int64_t filePointCount = 0;
  std::int64_t runPointCount = 0;
  bool convertOnOneThread = false;  // reading, moving and writing on the calling thread only

  // Transformation factors, filled by the run checks.
  double deltaX = 0;
  double deltaY = 0;
  double rotationAngle = 0;  // radians
  double scaleFactor = 0;
  bool hasPivot = false;
  bool doTranslate = false;
  bool doRotate = false;
  bool doScale = false;
  double sourcePivotX = 0;
  double sourcePivotY = 0;
  double destPivotX = 0;
  double destPivotY = 0;
  double inverseDirection = 0;
  double inverseDistance = 0;
  std::string dmsDegrees;
  std::string dmsMinutes;
  std::string dmsSeconds;
  std::uint8_t controlDecimals = 4;  // fixed for the life of the program
  std::uint8_t outputDecimals = 4;

  // Reference points, one fixed-column list line each, in file order, and the width of the
  // widest line (at least kMinReferenceWidth).
  std::vector<std::string> referenceLines;
  std::int64_t referenceWidth = 47;
  std::string referenceFileName;  // the file those lines were loaded from

  // Report and header.
  HeaderInfo hdr;
  std::string reportText;
  FittedFactors fittedFactors;

  // Shared scratch text; never expected to survive a call to another procedure.
  std::string msgText;
};

}  // namespace velkora
