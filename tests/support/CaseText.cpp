// Reading case files and table files.
#include "support/CaseText.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "support/Files.h"

namespace velkora::testing {

namespace {

int HexDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c))
             ? c - '0'
             : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

// Appends the text at `at` with one escape read, and moves past it.
void AppendEscaped(std::string_view text, std::size_t& at, std::string& out) {
  const char c = text[at];
  if (c != '\\' || at + 1 >= text.size()) {
    out += c;
    ++at;
    return;
  }
  const char code = text[at + 1];
  at += 2;
  switch (code) {
    case 'r':
      out += '\r';
      return;
    case 'n':
      out += '\n';
      return;
    case 't':
      out += '\t';
      return;
    case '0':
      out += '\0';
      return;
    case 'x':
      out += static_cast<char>(HexDigit(text[at]) * 16 + HexDigit(text[at + 1]));
      at += 2;
      return;
    default:
      out += code;
      return;
  }
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    AppendEscaped(text, at, out);
  }
  return out;
}

void EndBlock(Directive& directive) {
  if (!directive.block) {
    return;
  }
  if (directive.Has("noeol")) {
    const std::size_t end = directive.Has("crlf") ? 2 : 1;
    directive.block->erase(directive.block->size() - std::min(end, directive.block->size()));
  }
}

// Calls `take(line, lineNumber)` for every line of the file, without its line feed.
template <typename TakeLine>
void ForEachLine(const std::filesystem::path& file, TakeLine take) {
  const std::string text = ReadWhole(file);
  int lineNumber = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end;
    take(std::string_view(text).substr(start, end - start), ++lineNumber);
    start = end + 1;
  }
}

}  // namespace

std::vector<std::string> SplitTokens(std::string_view row) {
  std::vector<std::string> tokens;
  std::size_t at = 0;
  while (true) {
    while (at < row.size() && (row[at] == ' ' || row[at] == '\t')) {
      ++at;
    }
    if (at >= row.size() || row[at] == '#') {
      return tokens;
    }
    std::string token;
    if (row[at] == '"') {
      for (++at; at < row.size() && row[at] != '"';) {
        AppendEscaped(row, at, token);
      }
      ++at;
    } else {
      while (at < row.size() && row[at] != ' ' && row[at] != '\t') {
        token += row[at++];
      }
    }
    tokens.push_back(std::move(token));
  }
}

bool Directive::Has(std::string_view token) const {
  return std::find(tokens.begin(), tokens.end(), token) != tokens.end();
}

std::string Directive::Repeated(std::string_view text) const {
  const auto times = std::find(tokens.begin(), tokens.end(), "times");
  long long count =
      times == tokens.end() || times + 1 == tokens.end() ? 1 : std::stoll(*(times + 1));
  std::string repeated;
  for (; count > 0; --count) {
    repeated += text;
  }
  return repeated;
}

std::string Directive::Content() const {
  return Repeated(block.value_or(""));
}

std::string Directive::Arg(std::size_t index) const {
  return index < tokens.size() ? tokens[index] : std::string();
}

std::vector<Case> ReadCases(const std::filesystem::path& file) {
  std::vector<Case> cases;
  ForEachLine(file, [&](std::string_view line, int lineNumber) {
    const std::string where = file.filename().string() + ":" + std::to_string(lineNumber);
    if (line.starts_with("===")) {
      if (!cases.empty() && !cases.back().directives.empty()) {
        EndBlock(cases.back().directives.back());
      }
      cases.push_back({std::string(line.substr(line.find_first_not_of("= "))), where, {}});
    } else if (line.starts_with("|")) {
      if (cases.empty() || cases.back().directives.empty()) {
        throw std::runtime_error(where + ": a block line outside a directive");
      }
      Directive& directive = cases.back().directives.back();
      std::string& block = directive.block ? *directive.block : directive.block.emplace();
      block += Unescaped(line.substr(std::min<std::size_t>(2, line.size())));
      block += directive.Has("crlf") ? "\r\n" : "\n";
    } else if (!cases.empty() && !SplitTokens(line).empty()) {
      if (!cases.back().directives.empty()) {
        EndBlock(cases.back().directives.back());
      }
      cases.back().directives.push_back({SplitTokens(line), std::nullopt, lineNumber});
    }
  });
  if (!cases.empty() && !cases.back().directives.empty()) {
    EndBlock(cases.back().directives.back());
  }
  return cases;
}

std::vector<Case> ReadCaseFolder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".case") {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  std::vector<Case> cases;
  for (const std::filesystem::path& file : files) {
    for (Case& found : ReadCases(file)) {
      cases.push_back(std::move(found));
    }
  }
  return cases;
}

std::vector<Row> ReadTable(const std::filesystem::path& file) {
  std::vector<Row> rows;
  ForEachLine(file, [&](std::string_view line, int lineNumber) {
    std::vector<std::string> tokens = SplitTokens(line);
    if (!tokens.empty()) {
      rows.push_back(
          {std::move(tokens), file.filename().string() + ":" + std::to_string(lineNumber)});
    }
  });
  return rows;
}

std::string TestName(std::string_view name) {
  std::string out;
  for (char c : name) {
    out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return out;
}

}  // namespace velkora::testing

namespace velkora::testing {

std::string CaseTestName(const ::testing::TestParamInfo<Case>& info) {
  const std::string& where = info.param.where;
  return TestName(where.substr(0, where.find('.')) + "_" + info.param.name);
}

}  // namespace velkora::testing
