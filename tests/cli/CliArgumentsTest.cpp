// The option parser shared by the velkora-cli commands.
#include <gtest/gtest.h>

#include "cli/CliArguments.h"
// The parser belongs to the velkora-cli program, not to the engine; compile it into this test.
#include "cli/CliArguments.cpp"

namespace velkora::cli {
namespace {

const CommandSpec kSpec{
    .name = "convert",
    .usage = "FILE...",
    .summary = "Test command.",
    .details = "",
    .options = {{"dx", true, "shift in X"},
                {"angle", true, "rotation"},
                {"out", true, "output file"},
                {"yes", false, "replace files"}},
    .minPositionals = 1,
    .maxPositionals = 2,
};

// Parsed arguments as one line: values, flags, positionals, help; or "error: <reason>".
std::string Parse(const std::vector<std::string>& args) {
  CliArguments parsed;
  std::string reason;
  if (!ParseArguments(kSpec, args, parsed, reason)) {
    return "error: " + reason;
  }
  std::string text;
  for (const auto& [name, value] : parsed.values) {
    text += name + "=[" + value + "] ";
  }
  for (const std::string& flag : parsed.flags) {
    text += "+" + flag + " ";
  }
  for (const std::string& positional : parsed.positionals) {
    text += "<" + positional + "> ";
  }
  return text + (parsed.helpRequested ? "help" : "");
}

TEST(ParseArguments, TakesValuesFlagsAndPositionals) {
  struct Row {
    std::vector<std::string> args;
    std::string parsed;
  };
  const Row rows[] = {
      {{"a.txt"}, "<a.txt> "},
      {{"--dx", "-12.5", "a.txt"}, "dx=[-12.5] <a.txt> "},
      {{"--dx=-12.5", "a.txt"}, "dx=[-12.5] <a.txt> "},
      {{"--angle", "-12 30 00", "a.txt"}, "angle=[-12 30 00] <a.txt> "},
      {{"--angle=-12 30 00", "a.txt"}, "angle=[-12 30 00] <a.txt> "},
      {{"--out", "--yes", "a.txt"}, "out=[--yes] <a.txt> "},
      {{"--out=", "a.txt"}, "out=[] <a.txt> "},
      {{"--out=x=y", "a.txt"}, "out=[x=y] <a.txt> "},
      {{"--dx", "1", "--dx", "2", "a.txt"}, "dx=[2] <a.txt> "},
      {{"a.txt", "--yes", "b.txt"}, "+yes <a.txt> <b.txt> "},
      {{"--", "--yes", "-"}, "<--yes> <-> "},
      {{"-"}, "<-> "},
      {{"--help"}, "help"},
      {{"-h", "--dx", "1"}, "dx=[1] help"},
      {{"--help", "--bogus"}, "error: unknown option '--bogus' for convert"},
      {{"--bogus=1", "a.txt"}, "error: unknown option '--bogus' for convert"},
      {{"-12.5", "a.txt"}, "error: unknown option '-12.5' for convert"},
      {{"a.txt", "--dx"}, "error: option '--dx' needs a value"},
      {{"--yes=1", "a.txt"}, "error: option '--yes' takes no value"},
      {{"--yes"}, "error: convert needs FILE..."},
      {{"a", "b", "c"}, "error: unexpected argument 'c' for convert"},
  };
  for (const Row& row : rows) {
    std::string joined;
    for (const std::string& arg : row.args) {
      joined += "[" + arg + "]";
    }
    EXPECT_EQ(Parse(row.args), row.parsed) << joined;
  }
}

TEST(CliArguments, AnswersByName) {
  CliArguments parsed;
  std::string reason;
  ASSERT_TRUE(ParseArguments(kSpec, {"--dx=-0.5", "--yes", "a.txt"}, parsed, reason));
  EXPECT_EQ(parsed.Value("dx"), "-0.5");
  EXPECT_EQ(parsed.Value("angle"), std::nullopt);
  EXPECT_TRUE(parsed.HasFlag("yes"));
  EXPECT_FALSE(parsed.HasFlag("dx"));
}

}  // namespace
}  // namespace velkora::cli
