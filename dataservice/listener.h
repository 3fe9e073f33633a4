// Accepts connections: one listening socket per serving thread on the same address
// (SO_REUSEPORT), so the kernel spreads the connections over the threads and no connection is
// handed from one thread to another.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <memory>
#include <vector>

#include "core/outcome.h"
#include "http_session.h"
#include "io_pool.h"

namespace zak::dataservice {

class Listener {
 public:
  Listener(IoPool& pool, const ServiceContext& context);
  ~Listener();

  // Binds and listens on every serving thread; the failure is the system's reason.
  Outcome<void> Listen(const boost::asio::ip::tcp::endpoint& endpoint);

  boost::asio::ip::tcp::endpoint LocalEndpoint() const;
  void Start();
  void Stop();

  // Descriptors kept free of connections for the season files, the state file and the log.
  static constexpr long kReserve = 64;

 private:
  struct Accepting;
  void Accept(Accepting& accepting);

  IoPool& pool_;
  const ServiceContext& context_;
  std::vector<std::unique_ptr<Accepting>> accepting_;
  long connectionLimit_ = 0;
};

}  // namespace zak::dataservice
