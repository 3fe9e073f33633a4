// Accepts connections and hands each to its own session.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include "http_session.h"

namespace zak::dataservice {

class Listener {
 public:
  // Binds and listens at once; throws boost::system::system_error when that fails.
  Listener(boost::asio::io_context& io, const boost::asio::ip::tcp::endpoint& endpoint,
           const ServiceContext& context);

  boost::asio::ip::tcp::endpoint LocalEndpoint() const { return acceptor_.local_endpoint(); }
  void Start();
  void Stop();

 private:
  void Accept();

  boost::asio::io_context& io_;
  boost::asio::ip::tcp::acceptor acceptor_;
  boost::asio::steady_timer pause_;  // after a failed accept
  const ServiceContext& context_;
};

}  // namespace zak::dataservice
