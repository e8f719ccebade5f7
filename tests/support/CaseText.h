// The text of case files: rows of tokens (blanks separate them, double quotes group them, with
// C escapes inside quotes), and cases made of directives with optional "|" content blocks.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::testing {

// Splits a row into tokens: `a "b c" "\x41\r\n" ""` gives a, "b c", "A\r\n" and "".
std::vector<std::string> SplitTokens(std::string_view row);

// One directive of a case: its tokens, and the block of "|" lines that follows it, if any.
// Block lines end in LF, or in CR LF when the directive's tokens hold "crlf"; "noeol" drops
// the last line end. Escapes (\r, \t, \xHH, \\) work in block lines too.
struct Directive {
  std::vector<std::string> tokens;
  std::optional<std::string> block;
  int line = 0;

  bool Has(std::string_view token) const;
  // `text` repeated N times when the tokens hold "times N", else once.
  std::string Repeated(std::string_view text) const;
  // The block, repeated as the tokens say; empty without a block.
  std::string Content() const;
  // Token `index` (0 is the directive's word), or "" when there are fewer.
  std::string Arg(std::size_t index) const;
};

// A case: "=== name" and the directives below it, up to the next "===". Lines that start with
// "#" and blank lines between directives are comments.
struct Case {
  std::string name;
  std::string where;  // file:line, for failure messages
  std::vector<Directive> directives;
};

std::vector<Case> ReadCases(const std::filesystem::path& file);

// How a failing case names itself: its file and line.
inline void PrintTo(const Case& test, std::ostream* out) {
  *out << test.where;
}

// Every case of every *.case file in `folder`, in file and line order.
std::vector<Case> ReadCaseFolder(const std::filesystem::path& folder);

// Rows of tokens of a table file, comments and blank lines left out; each row keeps its line.
struct Row {
  std::vector<std::string> tokens;
  std::string where;
};
std::vector<Row> ReadTable(const std::filesystem::path& file);

// A case or row name fit for a test name: letters and digits, "_" for the rest.
std::string TestName(std::string_view name);

// A case's test name: its file's name and its own, so that names stay apart across files.
std::string CaseTestName(const ::testing::TestParamInfo<Case>& info);

}  // namespace velkora::testing
