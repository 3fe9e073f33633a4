// Accepts connections and hands each to its own session.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include "http_session.h"
#include "io_pool.h"

namespace zak::dataservice {

class Listener {
 public:
  // Binds and listens at once; throws boost::system::system_error when that fails.
  // Listens on the pool's main context and hands each connection to the next context in turn.
  Listener(IoPool& pool, const boost::asio::ip::tcp::endpoint& endpoint,
           const ServiceContext& context);

  boost::asio::ip::tcp::endpoint LocalEndpoint() const { return acceptor_.local_endpoint(); }
  void Start();
  void Stop();

 private:
  void Accept();

  IoPool& pool_;
  boost::asio::ip::tcp::acceptor acceptor_;
  boost::asio::steady_timer pause_;  // after a failed accept
  const ServiceContext& context_;
};

}  // namespace zak::dataservice
