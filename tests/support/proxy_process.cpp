#include "proxy_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include "await.h"
#include "free_port.h"

extern char** environ;

namespace zak::testing {
namespace {

bool Accepts(std::uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return connected;
}

bool Exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

}  // namespace

ProxyProcess::ProxyProcess(const std::string& user, const std::string& password, bool anonymous) {
  const std::uint16_t port = FreePort();
  const auto config = folder_.path() / "tinyproxy.conf";
  {
    std::ofstream out(config);
    out << "Port " << port << "\nListen 127.0.0.1\nTimeout 30\nMaxClients 8\n"
        << "Allow 127.0.0.1\nBasicAuth " << user << ' ' << password << "\nLogLevel Info\n";
    if (anonymous) out << "Anonymous \"Host\"\n";
    if (port == 0 || !out) {
      error_ = "no free port or no configuration file";
      return;
    }
  }
  std::vector<std::string> args = {"tinyproxy", "-d", "-c", config.string()};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const std::string log = (folder_.path() / "tinyproxy.log").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  const int spawned = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    pid_ = -1;
    error_ = "tinyproxy does not start (scripts/setup installs it)";
    return;
  }
  bool exited = false;
  if (Await([&] { return Accepts(port) || (exited = Exited(pid_)); }) && !exited) {
    port_ = port;
    return;
  }
  if (exited) pid_ = -1;
  error_ = "tinyproxy does not listen; see " + log;
}

ProxyProcess::~ProxyProcess() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace zak::testing
