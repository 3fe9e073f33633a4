// The Prometheus endpoint: "/metrics" on its own address (--metrics), never on the public one.
// One answer per connection, on the pool's main context.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include "core/outcome.h"
#include "league_store.h"

namespace zak::dataservice {

class MetricsServer {
 public:
  MetricsServer(boost::asio::io_context& context, const LeagueStore& store);

  // Binds and listens; the failure is the system's reason.
  Outcome<void> Listen(const boost::asio::ip::tcp::endpoint& endpoint);

  boost::asio::ip::tcp::endpoint LocalEndpoint() const { return acceptor_.local_endpoint(); }
  void Start();
  void Stop();

 private:
  void Accept();

  boost::asio::ip::tcp::acceptor acceptor_;
  boost::asio::steady_timer pause_;
  const LeagueStore& store_;
};

}  // namespace zak::dataservice
