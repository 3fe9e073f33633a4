#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>

#include <thread>

namespace zak::testing {

int StopChildProcess(pid_t& pid, std::chrono::seconds limit) {
  if (pid <= 0) return -1;
  kill(pid, SIGTERM);
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      pid = -1;
      return -2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace zak::testing
