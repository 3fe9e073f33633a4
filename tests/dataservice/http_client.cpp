#include "http_client.h"

#include <poll.h>
#include <sys/socket.h>

#include <boost/asio/write.hpp>
#include <boost/beast/http.hpp>
#include <cerrno>
#include <stdexcept>

#include "core/scrambling.h"
#include "core/windows1252.h"

namespace zak::dataservice {

namespace http = boost::beast::http;
namespace net = boost::asio;
using boost::system::error_code;

constexpr std::chrono::seconds kLimit(5);

template <typename Operation>
error_code HttpConnection::Run(std::chrono::milliseconds limit, Operation operation) {
  error_code result = net::error::would_block;
  stream_.expires_after(limit);
  operation([&result](error_code ec, std::size_t = 0) { result = ec; });
  io_.restart();
  io_.run();
  return result;
}

HttpConnection::HttpConnection(std::uint16_t port) : stream_(io_) {
  const net::ip::tcp::endpoint at(net::ip::make_address("127.0.0.1"), port);
  if (Run(kLimit, [&](auto done) { stream_.async_connect(at, done); })) {
    throw std::runtime_error("cannot connect");
  }
}

HttpAnswer HttpConnection::Send(const HttpRequest& request) {
  http::request<http::empty_body> message{http::verb::get, request.target, request.version};
  message.set(http::field::host, "127.0.0.1");
  if (!request.agent.empty()) message.set(http::field::user_agent, request.agent);
  if (!request.connection.empty()) message.set(http::field::connection, request.connection);
  if (const error_code ec =
          Run(kLimit, [&](auto done) { http::async_write(stream_, message, done); })) {
    throw std::runtime_error("cannot send: " + ec.message());
  }
  return Receive();
}

void HttpConnection::SendRaw(std::string_view bytes) {
  const auto buffer = net::buffer(bytes.data(), bytes.size());
  if (const error_code ec =
          Run(kLimit, [&](auto done) { net::async_write(stream_, buffer, done); })) {
    throw std::runtime_error("cannot send: " + ec.message());
  }
}

HttpAnswer HttpConnection::Receive() {
  http::response<http::string_body> response;
  if (const error_code ec =
          Run(kLimit, [&](auto done) { http::async_read(stream_, buffer_, response, done); })) {
    throw std::runtime_error("no answer: " + ec.message());
  }
  return {response.result_int(), response.version(), std::string(response[http::field::connection]),
          std::string(response[http::field::date]), response.body()};
}

bool HttpConnection::ClosedWithin(std::chrono::milliseconds limit) {
  // Plain poll and recv: a timed-out Beast read would close the socket itself.
  const auto deadline = std::chrono::steady_clock::now() + limit;
  const int fd = stream_.socket().native_handle();
  char bytes[4096];
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{fd, POLLIN, 0};
    if (left.count() < 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
    const ssize_t n = recv(fd, bytes, sizeof bytes, MSG_DONTWAIT);
    if (n == 0) return true;
    if (n < 0 && errno != EAGAIN && errno != EINTR) return errno == ECONNRESET;
  }
}

HttpAnswer Get(std::uint16_t port, const std::string& target, const std::string& agent) {
  HttpConnection connection(port);
  return connection.Send({target, agent});
}

std::string ProgramAgent() {
  return ShiftBytes(ToWindows1252("ZAK1415-143190360018A1B2C3D4E5F6 ZAKPC WIN"));
}

std::string Unshifted(std::string_view body) { return FromWindows1252(ShiftBytes(body)); }

}  // namespace zak::dataservice
