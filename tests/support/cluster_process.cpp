#include "cluster_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "await.h"
#include "child_process.h"
#include "file_bytes.h"
#include "free_port.h"

extern char** environ;

namespace zak::testing {
namespace {

using namespace std::chrono_literals;

std::uint16_t PortAfterColon(const std::string& address) {
  return static_cast<std::uint16_t>(std::stoi(address.substr(address.rfind(':') + 1)));
}

// "instance I: ADDRESS pid PID log FILE".
ClusterProcess::Instance InstanceOf(const std::string& line) {
  std::istringstream words(line);
  std::string instance, index, address, pid, log;
  ClusterProcess::Instance result;
  words >> instance >> index >> address >> pid >> result.pid >> log >> result.log;
  result.port = PortAfterColon(address);
  return result;
}

}  // namespace

ClusterProcess::ClusterProcess(int instances, const std::filesystem::path& season,
                               std::vector<std::string> serviceArguments) {
  const std::uint16_t port = FreePort();
  std::vector<std::string> args = {ZAK_RUN_CLUSTER,
                                   std::to_string(instances),
                                   "--port",
                                   std::to_string(port),
                                   "--season",
                                   season.string(),
                                   "--service",
                                   ZAK_DATASERVICE,
                                   "--"};
  args.insert(args.end(), serviceArguments.begin(), serviceArguments.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const std::string out = (folder_.path() / "out").string();
  const std::string err = (folder_.path() / "err").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    pid_ = -1;
    return;
  }
  // Its "listening on" line comes after one "instance" line for each instance it started.
  const auto listening = [&] {
    std::istringstream lines(FileBytes(out));
    std::vector<Instance> started;
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("instance ")) started.push_back(InstanceOf(line));
      if (line.starts_with("listening on ")) {
        instances_ = started;
        port_ = PortAfterColon(line);
        return true;
      }
    }
    return false;
  };
  const auto ended = [&] { return waitpid(pid_, nullptr, WNOHANG) != 0; };
  Await([&] { return listening() || ended(); }, 120s);
  if (port_ == 0) Stop();
}

ClusterProcess::~ClusterProcess() { Stop(); }

std::string ClusterProcess::host() const { return "127.0.0.1:" + std::to_string(port_); }

int ClusterProcess::Stop(std::chrono::seconds limit) { return StopChildProcess(pid_, limit); }

std::string ClusterProcess::InstanceLog(std::size_t index) const {
  return FileBytes(instances_.at(index).log);
}

std::string ClusterProcess::Output() const {
  return FileBytes(folder_.path() / "out") + FileBytes(folder_.path() / "err");
}

}  // namespace zak::testing
