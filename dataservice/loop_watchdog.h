// The watchdog of the serving loops: systemd restarts a service that stops pinging it, and the
// service pings only while every one of its loops keeps turning. Each loop runs a beat of its
// own on a timer; a ping goes out when the last of them has beaten since the previous ping. A
// loop stuck in one handler beats no more, and the pings stop.
#pragma once

#include <atomic>
#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace zak::dataservice {

// Which loops have beaten since the last complete round.
class LoopBeats {
 public:
  explicit LoopBeats(std::size_t loops);
  // True when with this beat every loop has beaten since the last round was complete: the
  // moment to ping. Safe from any thread.
  bool Beat(std::size_t loop);

 private:
  std::mutex mutex_;
  std::vector<bool> beaten_;
  std::size_t missing_;
};

class LoopWatchdog {
 public:
  // Every loop beats every `beat`; `ping` runs on the loop whose beat completes a round.
  LoopWatchdog(const std::vector<boost::asio::io_context*>& loops, std::chrono::microseconds beat,
               std::function<void()> ping);
  void Start();
  // Ends the beats, so the loops can run out of work.
  void Stop();

 private:
  void Wait(std::size_t loop);

  std::chrono::microseconds beat_;
  std::function<void()> ping_;
  LoopBeats beats_;
  std::vector<std::unique_ptr<boost::asio::steady_timer>> timers_;
  std::atomic<bool> stopped_ = false;
};

}  // namespace zak::dataservice
