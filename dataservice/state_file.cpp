#include "state_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

#include "core/text_util.h"
#include "read_file.h"

namespace zak::dataservice {
namespace {

std::optional<std::uint64_t> ParseHex64(std::string_view text) {
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " \"" + path + "\": " + std::strerror(errno);
}

// After a rename the new name is on disk only once the folder is flushed too; a failure here
// leaves a complete file under one of the two names, so it is not reported.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string FormatState(const ServiceState& state) {
  std::string text = "# league\tcount\tfingerprint\n";
  for (int league = 0; league < kLeagueCount; ++league) {
    const LeagueState& s = state[league];
    if (s.count == 0) continue;
    char hex[17];
    const auto end = std::to_chars(hex, hex + sizeof hex, s.fingerprint, 16).ptr;
    text.append(std::to_string(league)).append("\t").append(std::to_string(s.count));
    text.append("\t").append(hex, end).append("\n");
  }
  return text;
}

Outcome<ServiceState> ParseState(std::string_view text) {
  ServiceState state{};
  std::array<bool, kLeagueCount> seen{};
  for (const std::string& line : Split(text, "\n")) {
    if (Trim(line).empty() || line.starts_with("#")) continue;
    const auto fields = Split(line, "\t");
    if (fields.size() != 3) return Fail("a line without three fields: " + line);
    const auto league = ParseInt32(fields[0]);
    const auto count = ParseInt32(fields[1]);
    const auto fingerprint = ParseHex64(fields[2]);
    if (!league || *league < 0 || *league >= kLeagueCount || seen[*league] || !count ||
        *count < 1 || !fingerprint) {
      return Fail("a malformed line: " + line);
    }
    seen[*league] = true;
    state[*league] = {*count, *fingerprint};
  }
  // Only a league that has had data gets written, so a file without one is a damaged file
  // (cut off, or emptied by a full disk), never a fresh start.
  if (std::find(seen.begin(), seen.end(), true) == seen.end()) return Fail("no league listed");
  return state;
}

Outcome<ServiceState> ReadStateFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return ServiceState{};
  const Outcome<std::string> text = ReadFile(path);
  if (!text) return Fail("cannot read the state file \"" + path + "\"");
  Outcome<ServiceState> state = ParseState(*text);
  if (!state) return Fail("the state file \"" + path + "\" is damaged");
  return state;
}

Outcome<void> WriteStateFile(const std::string& path, const ServiceState& state) {
  return WriteTextAtomically(path, FormatState(state));
}

Outcome<void> WriteTextAtomically(const std::string& path, const std::string& text) {
  const std::filesystem::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  const std::string temporary = path + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Fail(SystemError("cannot create", temporary));
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool complete = written == text.size() && ::fsync(fd) == 0;
  const std::string problem = complete ? "" : SystemError("cannot write", temporary);
  ::close(fd);
  if (!complete) {
    ::unlink(temporary.c_str());
    return Fail(problem);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string error = SystemError("cannot replace", path);
    ::unlink(temporary.c_str());
    return Fail(error);
  }
  SyncFolder(target.has_parent_path() ? target.parent_path().string() : ".");
  return {};
}

}  // namespace zak::dataservice
