#include "league_store.h"

#include <limits>

#include "access_log.h"
#include "core/season_file.h"
#include "read_file.h"

namespace zak::dataservice {
namespace {

constexpr std::uint64_t kNoFile = 0;

void Log(int league, const std::string& what) {
  WriteLogLine("league " + std::to_string(league) + ": " + what);
}

}  // namespace

LeagueStore::LeagueStore(std::string seasonDir, std::string stateFile)
    : seasonDir_(std::move(seasonDir)),
      stateFile_(std::move(stateFile)),
      current_(std::make_shared<const LeagueSnapshot>()) {}

std::string LeagueStore::Start() {
  if (!stateFile_.empty()) {
    StateReadResult read = ReadStateFile(stateFile_);
    if (!read.error.empty()) return read.error;
    std::lock_guard lock(refreshing_);
    state_ = read.state;
  }
  Refresh();
  return {};
}

void LeagueStore::Refresh() {
  std::lock_guard lock(refreshing_);
  auto next = std::make_shared<LeagueSnapshot>(*current_.load());
  bool published = false;
  bool counted = false;
  for (int league = 0; league < kLeagueCount; ++league) {
    const std::string path = SeasonFilePath(seasonDir_, league);
    const std::optional<std::string> file = ReadFile(path);
    const std::uint64_t seen = file ? Fingerprint(*file) | 1 : kNoFile;  // never kNoFile
    if (seen == seenFile_[league]) continue;
    seenFile_[league] = seen;
    if (!file) {
      if ((*next)[league].count != 0) Log(league, path + " cannot be read; its last data stay");
      continue;
    }
    auto data = std::make_unique<MatchData>();
    const SeasonReadResult read = ReadSeasonText(*file, path, *data, league);
    if (!read.ok() || read.matches == 0) {
      for (const std::string& error : read.errors) WriteLogLine(error);
      Log(league, path + (read.ok() ? " has no matches" : " has errors") + "; not taken");
      continue;
    }
    const std::string dataBytes = LeagueDataBytes(*data, league);
    LeagueState& state = state_[league];
    if (state.count == 0 || state.fingerprint != Fingerprint(dataBytes)) {
      if (state.count < std::numeric_limits<std::int32_t>::max()) ++state.count;
      state.fingerprint = Fingerprint(dataBytes);
      counted = true;
    }
    if ((*next)[league].count != state.count) {
      (*next)[league] = {state.count, std::make_shared<const std::string>(
                                          LeagueAnswerBytes(dataBytes, state.count))};
      published = true;
      Log(league,
          std::to_string(read.matches) + " matches, update count " + std::to_string(state.count));
    }
  }
  if (counted && !stateFile_.empty()) {
    if (const std::string error = WriteStateFile(stateFile_, state_); !error.empty()) {
      WriteLogLine("update counts not saved: " + error);
    }
  }
  if (published) current_.store(std::move(next));
}

}  // namespace zak::dataservice
