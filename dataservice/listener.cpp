#include "listener.h"

#include <boost/asio/strand.hpp>

#include "access_log.h"

namespace zak::dataservice {

namespace net = boost::asio;
using tcp = net::ip::tcp;

Listener::Listener(net::io_context& io, const tcp::endpoint& endpoint,
                   const ServiceContext& context)
    : io_(io),
      acceptor_(net::make_strand(io)),
      pause_(acceptor_.get_executor()),
      context_(context) {
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
  // Each connection gets a strand of its own, so its handlers never run at the same time while
  // the io_context's threads share the connections among them.
  acceptor_.async_accept(net::make_strand(io_),
                         [this](boost::system::error_code ec, tcp::socket socket) {
                           if (ec == net::error::operation_aborted || !acceptor_.is_open()) return;
                           if (!ec) {
                             StartHttpSession(std::move(socket), context_);
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
