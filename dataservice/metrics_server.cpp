#include "metrics_server.h"

#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <memory>

#include "asio_names.h"
#include "metrics.h"

namespace zak::dataservice {
namespace {

class MetricsSession : public std::enable_shared_from_this<MetricsSession> {
 public:
  MetricsSession(tcp::socket socket, const LeagueStore& store)
      : stream_(std::move(socket)), store_(store) {}

  void Read() {
    request_ = {};
    stream_.expires_after(std::chrono::seconds(10));
    http::async_read(stream_, buffer_, request_,
                     [self = shared_from_this()](beast::error_code ec, std::size_t) {
                       if (!ec) self->Answer();
                     });
  }

 private:
  void Answer() {
    const bool metrics = request_.method() == http::verb::get && request_.target() == "/metrics";
    response_ = {metrics ? http::status::ok : http::status::not_found, request_.version()};
    response_.set(http::field::content_type,
                  metrics ? "text/plain; version=0.0.4; charset=utf-8" : "text/plain");
    response_.body() = metrics ? MetricsText(store_) : "nur /metrics\n";
    // One answer per connection: no connection of a scraper holds up the stop.
    response_.keep_alive(false);
    response_.prepare_payload();
    http::async_write(stream_, response_,
                      [self = shared_from_this()](beast::error_code, std::size_t) {
                        beast::error_code ignored;
                        self->stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
                      });
  }

  beast::tcp_stream stream_;
  const LeagueStore& store_;
  beast::flat_buffer buffer_;
  http::request<http::empty_body> request_;
  http::response<http::string_body> response_;
};

}  // namespace

MetricsServer::MetricsServer(net::io_context& context, const LeagueStore& store)
    : acceptor_(context), pause_(context), store_(store) {}

Outcome<void> MetricsServer::Listen(const tcp::endpoint& endpoint) {
  boost::system::error_code ec;
  acceptor_.open(endpoint.protocol(), ec);
  if (!ec) acceptor_.set_option(net::socket_base::reuse_address(true), ec);
  if (!ec) acceptor_.bind(endpoint, ec);
  if (!ec) acceptor_.listen(net::socket_base::max_listen_connections, ec);
  if (ec) return Fail(ec.message());
  return {};
}

void MetricsServer::Start() { Accept(); }

void MetricsServer::Stop() {
  net::post(acceptor_.get_executor(), [this] {
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    pause_.cancel();
  });
}

void MetricsServer::Accept() {
  acceptor_.async_accept([this](boost::system::error_code ec, tcp::socket socket) {
    if (!acceptor_.is_open()) return;
    if (!ec) {
      std::make_shared<MetricsSession>(std::move(socket), store_)->Read();
      return Accept();
    }
    pause_.expires_after(std::chrono::milliseconds(100));  // out of descriptors or the like
    pause_.async_wait([this](boost::system::error_code waited) {
      if (!waited && acceptor_.is_open()) Accept();
    });
  });
}

}  // namespace zak::dataservice
