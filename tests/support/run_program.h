// A program run to its end, as a user runs it from a shell.
#pragma once

#include <string>
#include <vector>

namespace zak::testing {

struct ProgramRun {
  int status = -1;     // the exit status; -1 when it could not start or did not exit normally
  std::string output;  // standard output and standard error, interleaved as written
};

// Runs `args` (the program's path first) and waits for it to end.
ProgramRun RunProgram(const std::vector<std::string>& args);

}  // namespace zak::testing
