// Looks at the season files again every few seconds, and at once on SIGHUP.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>

#include "league_store.h"

namespace zak::dataservice {

class SeasonWatch {
 public:
  // An interval of zero: only on SIGHUP.
  SeasonWatch(boost::asio::io_context& io, LeagueStore& store, std::chrono::seconds interval);
  void Start();
  void Stop();

 private:
  void WaitForTick();
  void WaitForHangUp();

  LeagueStore& store_;
  std::chrono::seconds interval_;
  boost::asio::steady_timer timer_;
  boost::asio::signal_set hangUp_;
};

}  // namespace zak::dataservice
