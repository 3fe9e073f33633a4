#include "request_head.h"

#include <boost/beast/http/rfc7230.hpp>

namespace zak::dataservice {
namespace {

constexpr std::uint32_t kHeaderLimit = 8 * 1024;
constexpr std::uint64_t kBodyLimit = 8 * 1024;  // the protocol has no request bodies

}  // namespace

bool RequestFields::KeepAlive() const {
  if (version < 11) return hasConnection && http::token_list(connection).exists("keep-alive");
  return !hasConnection || !http::token_list(connection).exists("close");
}

RequestHead::RequestHead(RequestFields& fields) : fields_(fields) {
  header_limit(kHeaderLimit);
  body_limit(kBodyLimit);
  fields_.method = http::verb::unknown;
  fields_.methodText.clear();
  fields_.target.clear();
  fields_.version = 11;
  fields_.agent.clear();
  fields_.connection.clear();
  fields_.hasConnection = false;
}

void RequestHead::on_request_impl(http::verb method, beast::string_view methodText,
                                  beast::string_view target, int version, beast::error_code&) {
  fields_.method = method;
  fields_.methodText.assign(methodText.data(), methodText.size());
  fields_.target.assign(target.data(), target.size());
  fields_.version = static_cast<unsigned>(version);
}

void RequestHead::on_field_impl(http::field name, beast::string_view, beast::string_view value,
                                beast::error_code&) {
  if (name == http::field::user_agent && !hasAgent_) {
    hasAgent_ = true;
    fields_.agent.assign(value.data(), value.size());
  } else if (name == http::field::connection && !fields_.hasConnection) {
    fields_.hasConnection = true;
    fields_.connection.assign(value.data(), value.size());
  }
}

}  // namespace zak::dataservice
