#include "listener.h"

#include <sys/resource.h>

#include <boost/asio/post.hpp>
#include <filesystem>

#include "access_log.h"
#include "asio_names.h"
#include "metrics.h"

namespace zak::dataservice {

using ReusePort = net::detail::socket_option::boolean<SOL_SOCKET, SO_REUSEPORT>;

struct Listener::Accepting {
  explicit Accepting(net::io_context& context) : acceptor(context), pause(context) {}
  tcp::acceptor acceptor;
  net::steady_timer pause;  // after a failed accept
};

Listener::Listener(IoPool& pool, const ServiceContext& context) : pool_(pool), context_(context) {}

Outcome<void> Listener::Listen(const tcp::endpoint& endpoint) {
  boost::system::error_code ec;
  if (endpoint.port() != 0) {
    // A socket without SO_REUSEPORT cannot share the port: a second instance started on it by
    // mistake is refused, instead of silently taking half of the connections.
    tcp::acceptor probe(pool_.main());
    probe.open(endpoint.protocol(), ec);
    if (!ec) probe.set_option(net::socket_base::reuse_address(true), ec);
    if (!ec) probe.bind(endpoint, ec);
    if (ec) return Fail(ec.message());
  }
  tcp::endpoint at = endpoint;
  for (std::size_t i = 0; i < pool_.size(); ++i) {
    auto accepting = std::make_unique<Accepting>(pool_.at(i));
    tcp::acceptor& acceptor = accepting->acceptor;
    acceptor.open(at.protocol(), ec);
    if (!ec) acceptor.set_option(net::socket_base::reuse_address(true), ec);
    if (!ec) acceptor.set_option(ReusePort(true), ec);
    if (!ec) acceptor.bind(at, ec);
    if (!ec) acceptor.listen(net::socket_base::max_listen_connections, ec);
    // With port 0, the others take the port the first got.
    if (!ec) at = acceptor.local_endpoint(ec);
    if (ec) {
      accepting_.clear();
      return Fail(ec.message());
    }
    accepting_.push_back(std::move(accepting));
  }
  return {};
}

Listener::~Listener() = default;

tcp::endpoint Listener::LocalEndpoint() const {
  return accepting_.front()->acceptor.local_endpoint();
}

void Listener::Start() {
  // Connections may take what the limit of open files leaves beside the descriptors open now
  // and the reserve: a flood of idle connections can never keep the season from being read.
  rlimit limit{};
  getrlimit(RLIMIT_NOFILE, &limit);
  std::error_code ec;
  long open = 0;
  for (auto it = std::filesystem::directory_iterator("/proc/self/fd", ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    ++open;
  }
  const long files = limit.rlim_cur == RLIM_INFINITY ? 1L << 20 : static_cast<long>(limit.rlim_cur);
  connectionLimit_ = std::max(1L, files - open - kReserve);
  for (const auto& accepting : accepting_) Accept(*accepting);
}

void Listener::Stop() {
  for (const auto& accepting : accepting_) {
    net::post(accepting->acceptor.get_executor(), [&accepting = *accepting] {
      boost::system::error_code ignored;
      accepting.acceptor.close(ignored);
      accepting.pause.cancel();
    });
  }
}

void Listener::Accept(Accepting& accepting) {
  // The connection stays on the thread of the socket that accepted it.
  accepting.acceptor.async_accept(
      [this, &accepting](boost::system::error_code ec, tcp::socket socket) {
        if (ec == net::error::operation_aborted || !accepting.acceptor.is_open()) return;
        if (!ec) {
          if (OpenConnections() >= connectionLimit_) {
            ThisThreadCounters().refused.Add();
            boost::system::error_code ignored;
            socket.close(ignored);
          } else {
            StartHttpSession(std::move(socket), context_);
          }
          return Accept(accepting);
        }
        // Out of descriptors or the like: note it, and try again once
        // connections had time to end.
        WriteLogLine("accept failed: " + ec.message());
        accepting.pause.expires_after(std::chrono::milliseconds(100));
        accepting.pause.async_wait([this, &accepting](boost::system::error_code waited) {
          if (!waited && accepting.acceptor.is_open()) Accept(accepting);
        });
      });
}

}  // namespace zak::dataservice
