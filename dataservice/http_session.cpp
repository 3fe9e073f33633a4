#include "http_session.h"

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <ctime>
#include <memory>
#include <optional>

#include "access_log.h"

namespace zak::dataservice {
namespace {

namespace beast = boost::beast;
namespace http = beast::http;
using tcp = boost::asio::ip::tcp;

constexpr std::uint32_t kHeaderLimit = 8 * 1024;
constexpr std::uint64_t kBodyLimit = 8 * 1024;  // the protocol has no request bodies

std::string_view View(beast::string_view text) { return {text.data(), text.size()}; }

// The Date header, formatted once a second on each thread.
beast::string_view HttpDate() {
  thread_local std::time_t formatted = -1;
  thread_local char text[40];
  thread_local std::size_t length = 0;
  const std::time_t now = std::time(nullptr);
  if (now != formatted) {
    std::tm utc{};
    gmtime_r(&now, &utc);
    length = std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &utc);
    formatted = now;
  }
  return {text, length};
}

}  // namespace

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(tcp::socket socket, const ServiceContext& context)
      : stream_(std::move(socket)), context_(context) {
    beast::error_code ec;
    const tcp::endpoint peer = stream_.socket().remote_endpoint(ec);
    client_ = ec ? "-" : peer.address().to_string();
    std::lock_guard lock(context_.sessions.mutex_);
    context_.sessions.sessions_.insert(this);
  }

  ~HttpSession() {
    std::lock_guard lock(context_.sessions.mutex_);
    context_.sessions.sessions_.erase(this);
  }

  boost::asio::any_io_executor Executor() { return stream_.get_executor(); }

  // On the connection's strand: a connection waiting for a request is closed at once. Shutting
  // the socket down ends its read even when the read is between two steps, where a cancel alone
  // could find nothing to cancel and leave the connection waiting for its time-out.
  void Interrupt() {
    if (!reading_) return;
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_receive, ignored);
    stream_.cancel();
  }

  void Read() {
    if (context_.sessions.stopping()) return Close();
    reading_ = true;
    parser_.emplace();
    parser_->header_limit(kHeaderLimit);
    parser_->body_limit(kBodyLimit);
    stream_.expires_after(context_.clientTimeout);
    http::async_read(stream_, buffer_, *parser_,
                     beast::bind_front_handler(&HttpSession::OnRead, shared_from_this()));
  }

 private:
  void OnRead(beast::error_code ec, std::size_t) {
    reading_ = false;
    started_ = std::chrono::steady_clock::now();
    if (ec == http::error::end_of_stream || ec == http::error::partial_message ||
        (ec && ec.category() != http::make_error_code(http::error::bad_target).category())) {
      return Close();  // the client left, went quiet, or the connection broke
    }
    if (ec) {
      return Refuse(ec == http::error::header_limit ? http::status::request_header_fields_too_large
                                                    : http::status::bad_request);
    }
    const auto& request = parser_->get();
    method_ = View(request.method_string());
    target_ = View(request.target());
    const bool head = request.method() == http::verb::head;
    Reply reply;
    if (request.method() == http::verb::get || head) {
      reply = AnswerRequest(context_.fixed, *context_.leagues.Current(), target_,
                            View(request[http::field::user_agent]));
    } else {
      reply = NotFound(context_.fixed);
    }
    Send(reply, request.version(), request.keep_alive(), head);
  }

  void Refuse(http::status status) {
    method_.clear();
    target_.clear();
    Reply reply{static_cast<unsigned>(status), "text/plain; charset=utf-8", nullptr};
    Send(reply, 11, false, false);
  }

  void Send(const Reply& reply, unsigned version, bool keepAlive, bool head) {
    body_ = reply.body;
    response_.emplace();
    response_->version(version);
    response_->result(reply.status);
    response_->set(http::field::date, HttpDate());
    response_->set(http::field::content_type,
                   beast::string_view(reply.contentType.data(), reply.contentType.size()));
    if (body_ && !head) response_->body() = {body_->data(), body_->size()};
    response_->keep_alive(keepAlive);
    response_->content_length(body_ ? body_->size() : 0);
    stream_.expires_after(context_.clientTimeout);
    http::async_write(stream_, *response_,
                      beast::bind_front_handler(&HttpSession::OnWrite, shared_from_this()));
  }

  void OnWrite(beast::error_code ec, std::size_t bytes) {
    const auto elapsed = std::chrono::steady_clock::now() - started_;
    WriteLogLine(FormatAccessLine(
        {std::chrono::system_clock::now(), client_, method_, target_, response_->result_int(),
         bytes, std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()}));
    if (ec || !response_->keep_alive()) return Close();
    Read();
  }

  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
    stream_.close();
  }

  beast::tcp_stream stream_;
  const ServiceContext& context_;
  std::string client_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  std::optional<http::response<http::span_body<const char>>> response_;
  Bytes body_;  // keeps the bytes of the response's span alive
  std::string method_;
  std::string target_;
  std::chrono::steady_clock::time_point started_;
  bool reading_ = false;
};

void SessionRegistry::StopAll() {
  std::lock_guard lock(mutex_);
  stopping_ = true;
  for (HttpSession* session : sessions_) {
    // A session being destroyed is still listed until its destructor runs, but can no longer
    // be locked.
    boost::asio::post(session->Executor(), [weak = session->weak_from_this()] {
      if (const auto alive = weak.lock()) alive->Interrupt();
    });
  }
}

void StartHttpSession(tcp::socket socket, const ServiceContext& context) {
  std::make_shared<HttpSession>(std::move(socket), context)->Read();
}

}  // namespace zak::dataservice
