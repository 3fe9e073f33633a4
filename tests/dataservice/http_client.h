// A plain blocking HTTP/1.x client for the tests, on Boost.Beast; reads time out after a few
// seconds so that a faulty service fails a test instead of hanging it.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <chrono>
#include <cstdint>
#include <string>

namespace zak::dataservice {

struct HttpAnswer {
  unsigned status = 0;
  unsigned version = 0;
  std::string connection;  // the Connection header
  std::string date;
  std::string body;
};

struct HttpRequest {
  std::string target;
  std::string agent;  // sent as is; empty: no User-Agent
  unsigned version = 11;
  std::string connection = "Keep-Alive";  // empty: no Connection header
};

class HttpConnection {
 public:
  explicit HttpConnection(std::uint16_t port);
  HttpAnswer Send(const HttpRequest& request);
  void SendRaw(std::string_view bytes);
  HttpAnswer Receive();
  // True when the service closes the connection within `limit`.
  bool ClosedWithin(std::chrono::milliseconds limit);

 private:
  // Runs one asynchronous operation to its end, or until `limit` has passed.
  template <typename Operation>
  boost::system::error_code Run(std::chrono::milliseconds limit, Operation operation);

  boost::asio::io_context io_;
  boost::beast::tcp_stream stream_;
  boost::beast::flat_buffer buffer_;
};

// One request on a fresh connection.
HttpAnswer Get(std::uint16_t port, const std::string& target, const std::string& agent);

// The agent text of the program: marker, time stamp, system code, identity, shifted.
std::string ProgramAgent();

// A shifted Windows-1252 answer as UTF-8 text.
std::string Unshifted(std::string_view body);

}  // namespace zak::dataservice
