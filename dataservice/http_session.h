// One client connection: reads requests one after another (keep-alive, pipelining), answers
// each from the prepared answers and logs it.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <chrono>

#include "answers.h"
#include "league_store.h"

namespace zak::dataservice {

struct ServiceContext {
  const FixedAnswers& fixed;
  const LeagueStore& leagues;
  // A request must arrive completely within this time, and a keep-alive connection may stay
  // idle no longer; a client that trickles its bytes is dropped.
  std::chrono::seconds clientTimeout;
};

// Takes over the socket and runs until the client is done, fails or times out.
void StartHttpSession(boost::asio::ip::tcp::socket socket, const ServiceContext& context);

}  // namespace zak::dataservice
