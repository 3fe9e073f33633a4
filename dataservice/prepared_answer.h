// A whole HTTP response made once and shared read-only by every serving thread: status line,
// headers and body, with a gap for the Date value, the only part that changes (once a second).
// The bytes are those a Boost.Beast response of the same fields would have: status line, Date,
// Content-Type, Connection when needed, Content-Length.
#pragma once

#include <array>
#include <boost/asio/buffer.hpp>
#include <memory>
#include <string>
#include <string_view>

namespace zak::dataservice {

using Bytes = std::shared_ptr<const std::string>;

// "Sun, 23 May 2015 15:20:01 GMT"
constexpr std::size_t kDateLength = 29;

class PreparedAnswer {
 public:
  // `body` may be null: an answer without body (Content-Length: 0).
  PreparedAnswer(unsigned status, std::string_view contentType, Bytes body);

  unsigned status() const { return status_; }
  std::string_view contentType() const { return contentType_; }
  const Bytes& body() const { return body_; }

  // The answer to a request of HTTP/1.0 (version 10) or HTTP/1.1 (11); `keepAlive` as the
  // request asks, `head` without the body. `date` (kDateLength bytes) must stay until it is sent.
  using Buffers = std::array<boost::asio::const_buffer, 4>;
  Buffers For(unsigned version, bool keepAlive, bool head, const char* date) const;

 private:
  unsigned status_;
  std::string contentType_;
  std::array<std::string, 2> statusLines_;  // HTTP/1.0, HTTP/1.1, up to the Date value
  std::array<std::string, 3> afterDate_;    // no Connection header, "close", "keep-alive"
  Bytes body_;
};

using Prepared = std::shared_ptr<const PreparedAnswer>;

// The Date value of this second, formatted once a second on each thread.
std::string_view HttpDateNow();

}  // namespace zak::dataservice
