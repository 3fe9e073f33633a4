#include "cluster_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "free_port.h"

extern char** environ;

namespace zak::testing {
namespace {

using namespace std::chrono_literals;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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
  const auto deadline = std::chrono::steady_clock::now() + 120s;
  while (std::chrono::steady_clock::now() < deadline && waitpid(pid_, nullptr, WNOHANG) == 0) {
    std::istringstream lines(ReadAll(out));
    std::vector<Instance> instances;
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("instance ")) instances.push_back(InstanceOf(line));
      if (line.starts_with("listening on ")) {
        instances_ = instances;
        port_ = PortAfterColon(line);
        return;
      }
    }
    std::this_thread::sleep_for(50ms);
  }
  Stop();
}

ClusterProcess::~ClusterProcess() { Stop(); }

std::string ClusterProcess::host() const { return "127.0.0.1:" + std::to_string(port_); }

int ClusterProcess::Stop(std::chrono::seconds limit) { return StopChildProcess(pid_, limit); }

std::string ClusterProcess::InstanceLog(std::size_t index) const {
  return ReadAll(instances_.at(index).log);
}

std::string ClusterProcess::Output() const {
  return ReadAll(folder_.path() / "out") + ReadAll(folder_.path() / "err");
}

}  // namespace zak::testing
