// Waiting for something another process does: the condition is asked again every 50 ms until
// it holds or the limit (20 s unless given) has passed, so a loaded machine only makes the wait
// longer, never the test wrong.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace zak::testing {

inline bool Await(const std::function<bool()>& condition,
                  std::chrono::steady_clock::duration limit = std::chrono::seconds(20)) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

}  // namespace zak::testing
