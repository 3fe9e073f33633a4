#include "hostile_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace zak::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kPortalPage =
    "<html><head><title>WLAN-Anmeldung</title></head>"
    "<body><form>Bitte melden Sie sich an.</form></body></html>";

std::string Header(std::string_view status, std::string_view extra) {
  return "HTTP/1.1 " + std::string(status) + "\r\nContent-Type: text/html\r\n" +
         std::string(extra) + "\r\n";
}

}  // namespace

HostileServer::HostileServer(Hostility hostility, std::string text)
    : hostility_(hostility), text_(std::move(text)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("the hostile server cannot listen");
  }
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { Accept(); });
}

HostileServer::~HostileServer() {
  stopping_ = true;
  acceptor_.join();
  {
    std::lock_guard lock(mutex_);
    for (int fd : connections_) ::shutdown(fd, SHUT_RDWR);
  }
  for (std::thread& thread : threads_) thread.join();
  for (int fd : connections_) ::close(fd);
  ::close(listener_);
}

std::string HostileServer::host() const { return "127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> HostileServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void HostileServer::Accept() {
  while (!stopping_) {
    pollfd ready{listener_, POLLIN, 0};
    if (::poll(&ready, 1, 50) != 1) continue;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    std::lock_guard lock(mutex_);
    connections_.push_back(fd);
    threads_.emplace_back([this, fd] { Serve(fd); });
  }
}

bool HostileServer::Send(int fd, std::string_view bytes) {
  while (!bytes.empty() && !stopping_) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent_ += static_cast<std::uint64_t>(n);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return !stopping_;
}

void HostileServer::Serve(int fd) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && !stopping_) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 50) != 1) continue;
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const std::string chunk(64 * 1024, 'x');
  switch (hostility_) {
    case Hostility::kPortalPage:
      Send(fd, Header("200 OK", "Content-Length: " + std::to_string(kPortalPage.size()) +
                                    "\r\nConnection: close\r\n") +
                   std::string(kPortalPage));
      break;
    case Hostility::kBytes:
      Send(fd, Header("200 OK", "Content-Length: " + std::to_string(text_.size()) +
                                    "\r\nConnection: close\r\n") +
                   text_);
      break;
    case Hostility::kHugeAnswer:
      if (!Send(fd, Header("200 OK", "Content-Length: 104857600\r\n"))) break;
      for (int i = 0; i < 1600 && Send(fd, chunk); ++i) {
      }
      break;
    case Hostility::kEndlessAnswer:
      if (!Send(fd, Header("200 OK", "Connection: close\r\n"))) break;
      while (Send(fd, chunk)) {
      }
      break;
    case Hostility::kEndlessHeader:
      if (!Send(fd, "HTTP/1.1 200 OK\r\nX-Endless: ")) break;
      while (Send(fd, chunk)) {
      }
      break;
    case Hostility::kTrickle:
      if (!Send(fd, Header("200 OK", "Content-Length: 1000000\r\n"))) break;
      while (Send(fd, "x")) std::this_thread::sleep_for(200ms);
      break;
    case Hostility::kRedirect:
      Send(fd, Header("302 Found", "Location: " + text_ + "\r\nContent-Length: 0\r\n"));
      break;
  }
  // Wait for the client to close, so that it sees the answer whole.
  while (!stopping_) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 50) == 1 && ::recv(fd, buffer, sizeof buffer, 0) <= 0) break;
  }
}

}  // namespace zak::testing
