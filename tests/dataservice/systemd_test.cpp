// The service under systemd: ready only once it takes connections, its status, and watchdog
// pings that stop when a serving loop stops turning.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <thread>

#include "http_client.h"
#include "loop_watchdog.h"
#include "support/free_port.h"
#include "support/service_process.h"

namespace zak::dataservice {
namespace {

// The next datagram on systemd's end of NOTIFY_SOCKET; empty when none came within 30 s.
std::string Receive(int fd) {
  pollfd wait{fd, POLLIN, 0};
  char buffer[4096];
  const ssize_t n = poll(&wait, 1, 30000) == 1 ? recv(fd, buffer, sizeof buffer, 0) : 0;
  return std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
}

TEST(Systemd, ReadyOnceListeningWithTheCountsThenWatchdogPings) {
  zak::testing::TemporaryFolder folder;
  sockaddr_un address{AF_UNIX, {}};
  const std::string path = (folder.path() / "notify").string();
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  const int notify = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  ASSERT_EQ(bind(notify, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const std::uint16_t port = zak::testing::FreePort();
  std::string ready;
  bool accepted = false;  // at the moment READY=1 came
  std::thread systemd([&] {
    ready = Receive(notify);
    try {
      HttpConnection connection(port);
      accepted = true;
    } catch (const std::exception&) {
    }
  });
  auto start = zak::testing::StartWith({"--port", std::to_string(port)});
  start.environment = {"NOTIFY_SOCKET=" + path, "WATCHDOG_USEC=400000"};
  zak::testing::ServiceProcess service(start);
  systemd.join();
  EXPECT_EQ(ready, "READY=1\nSTATUS=update counts of leagues 0 to 7: 1 1 1 1 1 1 1 1");
  EXPECT_TRUE(accepted);
  for (int ping = 0; ping < 3; ++ping) EXPECT_EQ(Receive(notify), "WATCHDOG=1") << ping;
  close(notify);
}

// The second of three loops is stuck in a handler after its first beat: no ping after that.
TEST(LoopBeats, APingOnlyWhenEveryLoopHasBeatenSinceTheLast) {
  LoopBeats beats(3);
  EXPECT_FALSE(beats.Beat(0) || beats.Beat(0) || beats.Beat(2));
  EXPECT_TRUE(beats.Beat(1));
  for (int round = 0; round < 3; ++round) EXPECT_FALSE(beats.Beat(0) || beats.Beat(2));
}

}  // namespace
}  // namespace zak::dataservice
