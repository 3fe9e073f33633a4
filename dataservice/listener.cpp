#include "listener.h"

#include <boost/asio/post.hpp>

#include "access_log.h"

namespace zak::dataservice {

namespace net = boost::asio;
using tcp = net::ip::tcp;

Listener::Listener(IoPool& pool, const tcp::endpoint& endpoint, const ServiceContext& context)
    : pool_(pool), acceptor_(pool.main()), pause_(acceptor_.get_executor()), context_(context) {
  acceptor_.open(endpoint.protocol());
  acceptor_.set_option(net::socket_base::reuse_address(true));
  acceptor_.bind(endpoint);
  acceptor_.listen(net::socket_base::max_listen_connections);
}

void Listener::Start() { Accept(); }

void Listener::Stop() {
  net::post(acceptor_.get_executor(), [this] {
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    pause_.cancel();
  });
}

void Listener::Accept() {
  // Each connection lives on one context of the pool, run by one thread: its handlers never run
  // at the same time. The session starts there too, not on the listener's thread.
  acceptor_.async_accept(pool_.next(), [this](boost::system::error_code ec, tcp::socket socket) {
    if (ec == net::error::operation_aborted || !acceptor_.is_open()) return;
    if (!ec) {
      const auto executor = socket.get_executor();
      net::post(executor, [this, socket = std::move(socket)]() mutable {
        StartHttpSession(std::move(socket), context_);
      });
      return Accept();
    }
    // Out of descriptors or the like: note it, and try again once
    // connections had time to end.
    WriteLogLine("accept failed: " + ec.message());
    pause_.expires_after(std::chrono::milliseconds(100));
    pause_.async_wait([this](boost::system::error_code waited) {
      if (!waited && acceptor_.is_open()) Accept();
    });
  });
}

}  // namespace zak::dataservice
