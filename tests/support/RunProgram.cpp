// A child process with its streams redirected to files.
#include "support/RunProgram.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/Files.h"

namespace velkora::testing {

namespace {

void Redirect(const std::filesystem::path& path, int stream, int flags) {
  const int file = open(path.c_str(), flags, 0644);
  if (file < 0 || dup2(file, stream) < 0) {
    _exit(127);
  }
  close(file);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::filesystem::path& folder,
                      const std::vector<std::string>& environment,
                      const std::filesystem::path& captureFolder) {
  const std::filesystem::path out = captureFolder / "stdout";
  const std::filesystem::path err = captureFolder / "stderr";
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) {
      _exit(127);
    }
    for (const std::string& entry : environment) {
      putenv(const_cast<char*>(entry.c_str()));
    }
    Redirect("/dev/null", STDIN_FILENO, O_RDONLY);
    Redirect(out, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    Redirect(err, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ProgramRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadWhole(out);
  run.err = ReadWhole(err);
  return run;
}

}  // namespace velkora::testing
