// One client connection: reads requests one after another (keep-alive, pipelining), answers
// each with a prepared response and logs it. Everything a connection does runs on the thread
// that accepted it.
#pragma once

#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <chrono>

#include "answers.h"
#include "io_pool.h"

namespace zak::dataservice {

// The open connections, so that a shutdown can end them cleanly. Each thread lists its own.
class SessionRegistry {
 public:
  // Answers being written are finished, connections waiting for a request are closed, and no
  // connection reads another request.
  void StopAll(IoPool& pool);
  bool stopping() const { return stopping_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> stopping_ = false;
};

struct ServiceContext {
  const FixedAnswers& fixed;
  // A request must arrive completely within this time, and a keep-alive connection may stay
  // idle no longer; a client that trickles its bytes is dropped.
  std::chrono::seconds clientTimeout;
  SessionRegistry& sessions;
};

// Takes over the socket and runs until the client is done, fails or times out. On the thread
// of the socket's context.
void StartHttpSession(boost::asio::ip::tcp::socket socket, const ServiceContext& context);

}  // namespace zak::dataservice
