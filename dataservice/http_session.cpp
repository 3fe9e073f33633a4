#include "http_session.h"

#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/bind_handler.hpp>
#include <boost/beast/core/buffers_suffix.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http/read.hpp>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_set>

#include "access_log.h"
#include "metrics.h"
#include "request_head.h"
#include "thread_leagues.h"

namespace zak::dataservice {
namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

class HttpSession;

// The connections of this thread, for the stop.
thread_local std::unordered_set<HttpSession*> threadSessions;

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(tcp::socket socket, const ServiceContext& context)
      : socket_(std::move(socket)),
        timer_(socket_.get_executor()),
        context_(context),
        counters_(ThisThreadCounters()) {
    beast::error_code ec;
    const tcp::endpoint peer = socket_.remote_endpoint(ec);
    client_ = ec ? "-" : peer.address().to_string();
    socket_.set_option(tcp::no_delay(true), ec);
    // An answer goes out at once when the socket takes it whole, as it nearly always does.
    socket_.non_blocking(true, ec);
    threadSessions.insert(this);
    counters_.opened.Add();
  }

  ~HttpSession() {
    threadSessions.erase(this);
    counters_.closed.Add();
  }

  void Start() {
    deadline_ = Clock::now() + context_.clientTimeout;
    WatchTheClock();
    Read();
  }

  // On the connection's thread: a connection waiting for a request is closed at once. Shutting
  // the socket down ends its read even when the read is between two steps, where a cancel alone
  // could find nothing to cancel and leave the connection waiting for its time-out.
  void Interrupt() {
    if (!reading_) return;
    beast::error_code ignored;
    socket_.shutdown(tcp::socket::shutdown_receive, ignored);
    socket_.cancel(ignored);
  }

 private:
  // One timer for the connection's life, not one per request: each step only moves the
  // deadline, and the timer, when it fires early, waits again for the deadline.
  void WatchTheClock() {
    timer_.expires_at(deadline_);
    timer_.async_wait([self = shared_from_this()](beast::error_code ec) {
      if (ec || !self->socket_.is_open()) return;
      if (Clock::now() < self->deadline_) return self->WatchTheClock();
      // A client that idles between requests has merely stayed too long; one that is still
      // sending its request, or not reading its answer, was slow.
      if (self->writing_ || self->buffer_.size() > 0 ||
          (self->parser_ && self->parser_->got_some())) {
        self->counters_.closedForSlowness.Add();
      }
      self->Close();
    });
  }

  void Read() {
    if (context_.sessions.stopping()) return Close();
    reading_ = true;
    parser_.emplace(request_);
    deadline_ = Clock::now() + context_.clientTimeout;
    http::async_read(socket_, buffer_, *parser_,
                     beast::bind_front_handler(&HttpSession::OnRead, shared_from_this()));
  }

  void OnRead(beast::error_code ec, std::size_t) {
    reading_ = false;
    started_ = Clock::now();
    if (ec == http::error::end_of_stream || ec == http::error::partial_message ||
        (ec && ec.category() != http::make_error_code(http::error::bad_target).category())) {
      return Close();  // the client left, went quiet, or the connection broke
    }
    if (ec) {
      request_.methodText.clear();
      request_.target.clear();
      const Prepared& refusal = ec == http::error::header_limit ? context_.fixed.fieldsTooLarge
                                                                : context_.fixed.badRequest;
      return Send({refusal->status(), {}, {}, refusal.get(), AnswerKind::kOther}, 11, false, false);
    }
    const bool head = request_.method == http::verb::head;
    // Keeps the answer's bytes while they are sent, even when newer data are published.
    leagues_ = ThreadLeagues();
    Reply reply;
    if (request_.method == http::verb::get || head) {
      reply = AnswerRequest(context_.fixed, *leagues_, request_.target, request_.agent);
    }
    if (reply.answer == nullptr) reply = NotFound(context_.fixed);
    Send(reply, request_.version, request_.KeepAlive(), head);
  }

  void Send(const Reply& reply, unsigned version, bool keepAlive, bool head) {
    keepAlive_ = keepAlive;
    status_ = reply.answer->status();
    std::memcpy(date_, HttpDateNow().data(), kDateLength);
    buffers_ = reply.answer->For(version, keepAlive, head, date_);
    counters_.CountRequest(reply.kind, status_, net::buffer_size(buffers_));
    deadline_ = Clock::now() + context_.clientTimeout;
    beast::error_code ec;
    std::size_t sent = socket_.write_some(buffers_, ec);
    if (ec == net::error::would_block) ec = {}, sent = 0;
    if (ec || sent == net::buffer_size(buffers_)) return OnWrite(ec, sent);
    // The rest once the socket has room again.
    beast::buffers_suffix<PreparedAnswer::Buffers> rest(buffers_);
    rest.consume(sent);
    writing_ = true;
    net::async_write(socket_, rest,
                     [self = shared_from_this(), sent](beast::error_code ec, std::size_t bytes) {
                       self->OnWrite(ec, sent + bytes);
                     });
  }

  void OnWrite(beast::error_code ec, std::size_t bytes) {
    writing_ = false;
    leagues_.reset();
    const auto now = Clock::now();
    LogAccess({std::chrono::system_clock::now(), client_, request_.methodText, request_.target,
               status_, bytes,
               std::chrono::duration_cast<std::chrono::microseconds>(now - started_).count()});
    if (ec || !keepAlive_) return Close();
    // Read the next request after the handlers already due: a client sends it only once it has
    // the answer, so a read at once would mostly find nothing (a recvfrom in vain per request).
    net::post(socket_.get_executor(), [self = shared_from_this()] { self->Read(); });
  }

  void Close() {
    if (!socket_.is_open()) return;
    beast::error_code ignored;
    socket_.shutdown(tcp::socket::shutdown_send, ignored);
    socket_.close(ignored);
    timer_.cancel();
  }

  tcp::socket socket_;
  net::steady_timer timer_;
  const ServiceContext& context_;
  ThreadCounters& counters_;
  std::string client_;
  beast::flat_buffer buffer_;
  RequestFields request_;
  std::optional<RequestHead> parser_;
  ThreadSnapshot leagues_;
  PreparedAnswer::Buffers buffers_;
  char date_[kDateLength] = {};
  Clock::time_point started_;
  Clock::time_point deadline_;
  unsigned status_ = 0;
  bool keepAlive_ = false;
  bool reading_ = false;
  bool writing_ = false;
};

void SessionRegistry::StopAll(IoPool& pool) {
  stopping_ = true;
  pool.OnEachThread([] {
    for (HttpSession* session : threadSessions) session->Interrupt();
  });
}

void StartHttpSession(tcp::socket socket, const ServiceContext& context) {
  std::make_shared<HttpSession>(std::move(socket), context)->Start();
}

}  // namespace zak::dataservice
