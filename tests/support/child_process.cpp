#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>

#include "await.h"

namespace zak::testing {

int StopChildProcess(pid_t& pid, std::chrono::seconds limit) {
  if (pid <= 0) return -1;
  kill(pid, SIGTERM);
  int status = 0;
  if (!Await([&] { return waitpid(pid, &status, WNOHANG) != 0; }, limit)) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    pid = -1;
    return -2;
  }
  pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace zak::testing
