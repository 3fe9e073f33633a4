#include "service_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>

#include "await.h"
#include "child_process.h"
#include "file_bytes.h"

extern char** environ;

namespace zak::testing {
namespace {

// The first line of `fd`, read until LF, end of file or 20 seconds without it.
std::string FirstLine(int fd) {
  std::string line;
  pollfd wait{fd, POLLIN, 0};
  char c = 0;
  while (line.find('\n') == std::string::npos && poll(&wait, 1, 20000) == 1 &&
         read(fd, &c, 1) == 1) {
    line += c;
  }
  return line;
}

// One HTTP/1.0 GET on loopback, its answer read to the end and dropped.
void Get(std::uint16_t port, const std::string& target) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    const std::string request = "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
    if (write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
      pollfd wait{fd, POLLIN, 0};
      char buffer[4096];
      while (poll(&wait, 1, 5000) == 1 && read(fd, buffer, sizeof buffer) > 0) {
      }
    }
  }
  close(fd);
}

}  // namespace

ServiceProcess::ServiceProcess(ServiceStart start) {
  const std::filesystem::path state = start.state.empty() ? folder_.path() / "state" : start.state;
  std::vector<std::string> args = {ZAK_DATASERVICE,
                                   "--bind",
                                   "127.0.0.1",
                                   "--port",
                                   "0",
                                   "--threads",
                                   std::to_string(start.threads),
                                   "--season",
                                   start.season.string(),
                                   "--state",
                                   state.string()};
  args.insert(args.end(), start.arguments.begin(), start.arguments.end());
  if (start.openFileLimit > 0) {
    const std::string limit = std::to_string(start.openFileLimit);
    args.insert(args.begin(), {"/usr/bin/prlimit", "--nofile=" + limit + ":" + limit, "--"});
  }
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) return;
  const std::string log = (folder_.path() / "service.log").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  if (start.errorFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, start.errorFd, STDERR_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
  }
  std::vector<char*> envp(start.environment.size());
  for (std::size_t i = 0; i < envp.size(); ++i) envp[i] = start.environment[i].data();
  for (char** variable = environ; *variable != nullptr; ++variable) envp.push_back(*variable);
  envp.push_back(nullptr);
  const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    pid_ = -1;
    close(out[0]);
    return;
  }
  const std::string line = FirstLine(out[0]);
  close(out[0]);
  const std::size_t colon = line.rfind(':');
  if (!line.starts_with("listening on ") || colon == std::string::npos) {
    Stop();
    return;
  }
  port_ = static_cast<std::uint16_t>(std::stoi(line.substr(colon + 1)));
}

ServiceProcess::ServiceProcess(const std::filesystem::path& season,
                               const std::filesystem::path& state,
                               std::vector<std::string> arguments, int errorFd)
    : ServiceProcess([&] {
        ServiceStart start;
        start.season = season;
        start.state = state;
        start.threads = 2;
        start.arguments = std::move(arguments);
        start.errorFd = errorFd;
        return start;
      }()) {}

ServiceProcess::~ServiceProcess() { Stop(); }

std::string ServiceProcess::host() const { return "127.0.0.1:" + std::to_string(port_); }

void ServiceProcess::Signal(int signal) const {
  if (pid_ > 0) kill(pid_, signal);
}

int ServiceProcess::Stop(std::chrono::seconds limit) { return StopChildProcess(pid_, limit); }

std::string ServiceProcess::Log() const { return FileBytes(folder_.path() / "service.log"); }

int ServiceProcess::RequestCount(const std::string& prefix) {
  const std::string sentinel = "/zak/test-sentinel-" + std::to_string(++sentinels_);
  Get(port_, sentinel);
  std::string log;
  Await([&] { return (log = Log()).find(sentinel + " ") != std::string::npos; });
  int count = 0;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    // time, client, method, target, status, bytes, duration
    std::istringstream fields(line);
    std::string time, client, method, target;
    if (fields >> time >> client >> method >> target && target.starts_with(prefix)) ++count;
  }
  return count;
}

}  // namespace zak::testing
