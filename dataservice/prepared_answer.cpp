#include "prepared_answer.h"

#include <boost/beast/http/status.hpp>
#include <ctime>

#include "second_text.h"

namespace zak::dataservice {

PreparedAnswer::PreparedAnswer(unsigned status, std::string_view contentType, Bytes body)
    : status_(status), contentType_(contentType), body_(std::move(body)) {
  const auto reason =
      boost::beast::http::obsolete_reason(static_cast<boost::beast::http::status>(status));
  for (unsigned minor = 0; minor < 2; ++minor) {
    statusLines_[minor] = "HTTP/1." + std::to_string(minor) + " " + std::to_string(status) + " " +
                          std::string(reason.data(), reason.size()) + "\r\nDate: ";
  }
  const std::string type = "\r\nContent-Type: " + std::string(contentType) + "\r\n";
  const std::string length =
      "Content-Length: " + std::to_string(body_ ? body_->size() : 0) + "\r\n\r\n";
  afterDate_ = {type + length, type + "Connection: close\r\n" + length,
                type + "Connection: keep-alive\r\n" + length};
}

PreparedAnswer::Buffers PreparedAnswer::For(unsigned version, bool keepAlive, bool head,
                                            const char* date) const {
  // HTTP/1.1 says "close" when the connection ends, HTTP/1.0 "keep-alive" when it stays.
  const bool old = version < 11;
  const std::string& after = afterDate_[old ? (keepAlive ? 2 : 0) : (keepAlive ? 0 : 1)];
  const std::string& line = statusLines_[old ? 0 : 1];
  Buffers buffers = {boost::asio::buffer(line), boost::asio::buffer(date, kDateLength),
                     boost::asio::buffer(after), boost::asio::const_buffer()};
  if (body_ && !head) buffers[3] = boost::asio::buffer(*body_);
  return buffers;
}

std::string_view HttpDateNow() {
  thread_local SecondText date("%a, %d %b %Y %H:%M:%S GMT");
  return date.At(std::time(nullptr));
}

}  // namespace zak::dataservice
