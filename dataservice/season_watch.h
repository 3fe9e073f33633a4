// Looks at the season files again every few seconds, and at once on SIGHUP, on a thread of its
// own: reading files never delays a request.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <functional>
#include <thread>

#include "league_store.h"

namespace zak::dataservice {

class SeasonWatch {
 public:
  // An interval of zero: only on SIGHUP. `looked` runs on the watch's thread after each look.
  SeasonWatch(LeagueStore& store, std::chrono::seconds interval, std::function<void()> looked = {});
  ~SeasonWatch();
  void Start();
  void Stop();

 private:
  void WaitForTick();
  void WaitForHangUp();
  // Looks at the files; when one has just changed, looks again once it has had time to settle.
  void Check();

  LeagueStore& store_;
  std::chrono::seconds interval_;
  std::function<void()> looked_;
  boost::asio::io_context io_{1};
  boost::asio::steady_timer timer_;
  boost::asio::steady_timer secondLook_;
  boost::asio::signal_set hangUp_;
  std::thread thread_;
};

}  // namespace zak::dataservice
