// Ending a child process the tests started: SIGTERM, then waiting for it within a limit.
#pragma once

#include <sys/types.h>

#include <chrono>

namespace zak::testing {

// Sends SIGTERM and waits for the child; its exit status, -1 when it did not end normally or
// `pid` was not running, -2 when it had not ended after `limit` and was killed. Sets `pid` to -1.
int StopChildProcess(pid_t& pid, std::chrono::seconds limit);

}  // namespace zak::testing
