// The files a case sets up in its folder and the file expectations every case runner shares:
// a file's bytes after the run, a file that must not exist, a file left untouched.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/CaseText.h"

namespace velkora::testing {

// The bytes each file was set up with, by its name in the case.
using WrittenFiles = std::map<std::string, std::string>;

enum class SetUp {
  kDone,
  kSkip,      // the case cannot run here: no real survey files, or running as root
  kNotSetUp,  // not a set-up directive
};

// file NAME [crlf] [noeol], append NAME, sample NAME [as NEW], realdata NAME [as NEW], folder
// NAME, readonly NAME, link NAME TARGET, fifo NAME: relative names are inside `folder`; "times N"
// repeats a file's bytes.
SetUp SetUpFile(const Directive& directive, const std::filesystem::path& folder,
                WrittenFiles& written);

bool IsSetUp(const Directive& directive);

// The directive's block, or the bytes of the file under tests/data named after a "=" token.
std::string ExpectedBytes(const Directive& directive);

// output NAME, absent NAME, unchanged NAME, symlink NAME, and close NAME OTHER TOLERANCE (the
// same lines token for token, numbers within TOLERANCE): checked with gtest; false for any other
// directive.
bool CheckFile(const Directive& directive, const std::filesystem::path& folder,
               const WrittenFiles& written);

// Fails the test for every temporary file the program left under `folder` (".velkora-...").
void ExpectNoTemporaryFiles(const std::filesystem::path& folder);

}  // namespace velkora::testing
