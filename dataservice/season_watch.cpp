#include "season_watch.h"

#include <csignal>

namespace zak::dataservice {

SeasonWatch::SeasonWatch(LeagueStore& store, std::chrono::seconds interval,
                         std::function<void()> looked)
    : store_(store),
      interval_(interval),
      looked_(std::move(looked)),
      timer_(io_),
      secondLook_(io_),
      hangUp_(io_, SIGHUP) {}

SeasonWatch::~SeasonWatch() { Stop(); }

void SeasonWatch::Start() {
  if (interval_.count() > 0) WaitForTick();
  WaitForHangUp();
  thread_ = std::thread([this] { io_.run(); });
}

void SeasonWatch::Stop() {
  io_.stop();
  if (thread_.joinable()) thread_.join();
}

void SeasonWatch::WaitForTick() {
  timer_.expires_after(interval_);
  timer_.async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    Check();
    WaitForTick();
  });
}

void SeasonWatch::WaitForHangUp() {
  hangUp_.async_wait([this](boost::system::error_code ec, int) {
    if (ec) return;
    Check();
    WaitForHangUp();
  });
}

void SeasonWatch::Check() {
  const bool waiting = store_.Refresh();
  if (looked_) looked_();
  if (!waiting) return;
  secondLook_.expires_after(store_.settle());
  secondLook_.async_wait([this](boost::system::error_code ec) {
    if (!ec) Check();
  });
}

}  // namespace zak::dataservice
