// velkora-cli as installed (bin/ beside share/velkora/) and as a portable copy: where each
// finds the header defaults that head the report of a convert without --header.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/CliProcess.h"

namespace velkora::cli_test {
namespace {

namespace fs = std::filesystem;

void WriteDefaults(const fs::path& folder, const std::string& number) {
  fs::create_directories(folder);
  WriteWhole(folder / "Velkora.ini", "[HEADER]\r\nTHNumber=" + number + "\r\n");
}

TEST(InstalledCopyTest, ConvertReadsTheDefaultsOfItsKindOfCopy) {
  const struct {
    const char* what;
    bool installed;
    std::string header;  // the report's header line
  } cases[] = {
      {"installed: the user's configuration folder", true, "T.H.:CONFIG   "},
      {"portable: beside the program", false, "T.H.:BESIDE   "},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    const fs::path bin = folder.Path() / "usr" / "bin";
    fs::create_directories(bin);
    fs::copy_file(VELKORA_CLI_PATH, bin / "velkora-cli");
    if (c.installed) {
      fs::create_directories(folder.Path() / "usr" / "share" / "velkora");
    }
    WriteDefaults(bin, "BESIDE");
    WriteDefaults(folder.Path() / "config" / "velkora", "CONFIG");
    folder.CopySamples({"comma-delimited.txt"});

    const std::string command =
        "cd " + ShellQuoted(folder.Path().string()) +
        " && XDG_CONFIG_HOME=" + ShellQuoted((folder.Path() / "config").string()) +
        " SOURCE_DATE_EPOCH=0 " + ShellQuoted((bin / "velkora-cli").string()) +
        " convert -o out.txt -f 0 --dx 1 --print-report comma-delimited.txt >report.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << c.what;
    const std::string report = ReadWhole(folder.Path() / "report.txt");
    EXPECT_NE(report.find("\r\n\r\n" + c.header + "\r\n"), std::string::npos) << c.what << "\n"
                                                                              << report;
  }
}

}  // namespace
}  // namespace velkora::cli_test
