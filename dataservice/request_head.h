// What the service reads of a request: method, target, version, the agent text and whether the
// connection is to stay open. Boost.Beast's parser does the parsing, but no field is stored
// (no allocation per header line), and a body, which the protocol never has, is read and dropped.
#pragma once

#include <boost/beast/http/basic_parser.hpp>
#include <string>
#include <string_view>

#include "asio_names.h"

namespace zak::dataservice {

// The values of one request, kept by the connection so that their memory serves the next too.
struct RequestFields {
  http::verb method = http::verb::unknown;
  std::string methodText;
  std::string target;
  unsigned version = 11;
  std::string agent;       // the first User-Agent line's value
  std::string connection;  // the first Connection line's value
  bool hasConnection = false;

  // As a Beast message of these fields would say: HTTP/1.1 stays open unless told "close",
  // HTTP/1.0 closes unless told "keep-alive".
  bool KeepAlive() const;
};

class RequestHead : public http::basic_parser<true> {
 public:
  // Clears `fields` and fills them while parsing.
  explicit RequestHead(RequestFields& fields);

 private:
  void on_request_impl(http::verb method, beast::string_view methodText, beast::string_view target,
                       int version, beast::error_code&) override;
  void on_response_impl(int, beast::string_view, int, beast::error_code&) override {}
  void on_field_impl(http::field name, beast::string_view, beast::string_view value,
                     beast::error_code&) override;
  void on_header_impl(beast::error_code&) override {}
  void on_body_init_impl(const boost::optional<std::uint64_t>&, beast::error_code&) override {}
  std::size_t on_body_impl(beast::string_view body, beast::error_code&) override {
    return body.size();
  }
  void on_chunk_header_impl(std::uint64_t, beast::string_view, beast::error_code&) override {}
  std::size_t on_chunk_body_impl(std::uint64_t, beast::string_view body,
                                 beast::error_code&) override {
    return body.size();
  }
  void on_finish_impl(beast::error_code&) override {}

  RequestFields& fields_;
  bool hasAgent_ = false;
};

}  // namespace zak::dataservice
