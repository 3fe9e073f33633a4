#include "season_watch.h"

#include <csignal>

namespace zak::dataservice {

SeasonWatch::SeasonWatch(boost::asio::io_context& io, LeagueStore& store,
                         std::chrono::seconds interval)
    : store_(store), interval_(interval), timer_(io), hangUp_(io, SIGHUP) {}

void SeasonWatch::Start() {
  if (interval_.count() > 0) WaitForTick();
  WaitForHangUp();
}

void SeasonWatch::Stop() {
  timer_.cancel();
  boost::system::error_code ignored;
  hangUp_.cancel(ignored);
}

void SeasonWatch::WaitForTick() {
  timer_.expires_after(interval_);
  timer_.async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    store_.Refresh();
    WaitForTick();
  });
}

void SeasonWatch::WaitForHangUp() {
  hangUp_.async_wait([this](boost::system::error_code ec, int) {
    if (ec) return;
    store_.Refresh();
    WaitForHangUp();
  });
}

}  // namespace zak::dataservice
