// One client connection: reads requests one after another (keep-alive, pipelining), answers
// each from the prepared answers and logs it.
#pragma once

#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <chrono>
#include <mutex>
#include <unordered_set>

#include "answers.h"
#include "league_store.h"

namespace zak::dataservice {

class HttpSession;

// The open connections, so that a shutdown can end them cleanly.
class SessionRegistry {
 public:
  // Answers being written are finished, connections waiting for a request are closed, and no
  // connection reads another request.
  void StopAll();
  bool stopping() const { return stopping_; }

 private:
  friend class HttpSession;
  std::mutex mutex_;
  std::unordered_set<HttpSession*> sessions_;
  std::atomic<bool> stopping_ = false;
};

struct ServiceContext {
  const FixedAnswers& fixed;
  const LeagueStore& leagues;
  // A request must arrive completely within this time, and a keep-alive connection may stay
  // idle no longer; a client that trickles its bytes is dropped.
  std::chrono::seconds clientTimeout;
  SessionRegistry& sessions;
};

// Takes over the socket and runs until the client is done, fails or times out.
void StartHttpSession(boost::asio::ip::tcp::socket socket, const ServiceContext& context);

}  // namespace zak::dataservice
