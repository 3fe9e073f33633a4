#include "service_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace zak::dataservice {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zak-dataservice-XXXXXX");
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path CopySeason(const std::filesystem::path& folder) {
  const auto season = folder / "season";
  std::filesystem::create_directories(season);
  for (const auto& entry : std::filesystem::directory_iterator(ZAK_SEASON_DIR)) {
    if (entry.path().extension() == ".tsv") {
      std::filesystem::copy_file(entry.path(), season / entry.path().filename());
    }
  }
  return season;
}

ServiceProcess::ServiceProcess(const std::filesystem::path& season,
                               const std::filesystem::path& state,
                               const std::vector<std::string>& extraArgs, int errorFd)
    : logFile_(season.parent_path() / "service.log") {
  std::vector<std::string> args = {ZAK_DATASERVICE, "--port",        "0",
                                   "--season",      season.string(), "--state",
                                   state.string(),  "--threads",     "2"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  if (errorFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, errorFd, STDERR_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logFile_.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
  }
  const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    throw std::runtime_error("cannot start " + args[0]);
  }
  // The first line tells the port once the service takes requests.
  std::string line;
  pollfd wait{out[0], POLLIN, 0};
  char c = 0;
  while (line.find('\n') == std::string::npos && poll(&wait, 1, 20000) == 1 &&
         read(out[0], &c, 1) == 1) {
    line += c;
  }
  close(out[0]);
  const std::size_t colon = line.rfind(':');
  if (!line.starts_with("listening on ") || colon == std::string::npos) {
    Stop();
    throw std::runtime_error("the service did not start: " + Log());
  }
  port_ = static_cast<std::uint16_t>(std::stoi(line.substr(colon + 1)));
}

ServiceProcess::~ServiceProcess() { Stop(); }

void ServiceProcess::Signal(int signal) const { kill(pid_, signal); }

int ServiceProcess::Stop(std::chrono::seconds limit) {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      pid_ = -1;
      return -2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ServiceProcess::Log() const {
  std::ifstream in(logFile_);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace zak::dataservice
