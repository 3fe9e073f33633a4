// A small HTTP server of the tests' own on a loopback port in place of the data service: it gives
// every request the same answer, a body of the test's or what a hostile or broken peer would
// send. Each connection is served on a thread of its own until the client goes away or the
// server is destroyed.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zak::testing {

enum class Hostility {
  kPortalPage,     // 200 with a login page instead of league data
  kBytes,          // 200 with the given body (NUL bytes, garbage, anything)
  kHugeAnswer,     // 200 announcing and sending 100 MB
  kEndlessAnswer,  // 200 without a length, sending until the client leaves
  kEndlessHeader,  // a header line that never ends
  kTrickle,        // 200, then one body byte every 200 ms, for ever
  kRedirect,       // 302 to the given address
};

class HostileServer {
 public:
  // `text`: the body of kBytes, the address ("http://host:port/path") of kRedirect.
  explicit HostileServer(Hostility hostility, std::string text = {});
  ~HostileServer();
  HostileServer(const HostileServer&) = delete;
  HostileServer& operator=(const HostileServer&) = delete;

  std::uint16_t port() const { return port_; }
  // "127.0.0.1:port".
  std::string host() const;
  // The requests received so far, each up to the end of its header.
  std::vector<std::string> Requests() const;
  // Bytes sent on all connections so far.
  std::uint64_t BytesSent() const { return sent_; }

 private:
  void Accept();
  void Serve(int fd);
  bool Send(int fd, std::string_view bytes);

  const Hostility hostility_;
  const std::string text_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_ = false;
  std::atomic<std::uint64_t> sent_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> connections_;
  std::vector<std::thread> threads_;
  std::thread acceptor_;
};

}  // namespace zak::testing
