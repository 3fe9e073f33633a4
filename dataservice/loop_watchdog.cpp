#include "loop_watchdog.h"

#include <algorithm>
#include <boost/asio/post.hpp>

namespace zak::dataservice {

LoopBeats::LoopBeats(std::size_t loops) : beaten_(loops, false), missing_(loops) {}

bool LoopBeats::Beat(std::size_t loop) {
  std::lock_guard lock(mutex_);
  if (!beaten_[loop]) {
    beaten_[loop] = true;
    --missing_;
  }
  if (missing_ > 0) return false;
  std::fill(beaten_.begin(), beaten_.end(), false);
  missing_ = beaten_.size();
  return true;
}

LoopWatchdog::LoopWatchdog(const std::vector<boost::asio::io_context*>& loops,
                           std::chrono::microseconds beat, std::function<void()> ping)
    : beat_(beat), ping_(std::move(ping)), beats_(loops.size()) {
  for (boost::asio::io_context* loop : loops) {
    timers_.push_back(std::make_unique<boost::asio::steady_timer>(*loop));
  }
}

void LoopWatchdog::Start() {
  for (std::size_t loop = 0; loop < timers_.size(); ++loop) Wait(loop);
}

void LoopWatchdog::Stop() {
  stopped_ = true;
  // A timer is touched only on its own loop.
  for (const auto& timer : timers_) {
    boost::asio::post(timer->get_executor(), [timer = timer.get()] { timer->cancel(); });
  }
}

void LoopWatchdog::Wait(std::size_t loop) {
  timers_[loop]->expires_after(beat_);
  timers_[loop]->async_wait([this, loop](boost::system::error_code ec) {
    if (ec || stopped_) return;
    if (beats_.Beat(loop)) ping_();
    Wait(loop);
  });
}

}  // namespace zak::dataservice
