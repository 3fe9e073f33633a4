#include "league_store.h"

#include <limits>
#include <thread>

#include "access_log.h"
#include "core/season_file.h"

namespace zak::dataservice {
namespace {

void Log(int league, const std::string& what) {
  WriteLogLine("league " + std::to_string(league) + ": " + what);
}

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

LeagueStore::LeagueStore(std::string seasonDir, std::string stateFile,
                         std::chrono::milliseconds settle)
    : seasonDir_(std::move(seasonDir)),
      stateFile_(std::move(stateFile)),
      settle_(settle),
      current_(std::make_shared<const LeagueSnapshot>()) {}

std::string LeagueStore::Start() {
  if (!stateFile_.empty()) {
    StateReadResult read = ReadStateFile(stateFile_);
    if (!read.error.empty()) return read.error;
    std::lock_guard lock(refreshing_);
    state_ = read.state;
  }
  if (Refresh()) {
    std::this_thread::sleep_for(settle_);
    Refresh();
  }
  return {};
}

bool LeagueStore::Refresh() {
  std::lock_guard lock(refreshing_);
  auto next = std::make_shared<LeagueSnapshot>(*current_.load());
  bool published = false;
  bool counted = false;
  bool waiting = false;
  for (int league = 0; league < kLeagueCount; ++league) {
    const Look look = LookAt(league, *next, counted);
    waiting = waiting || look == Look::kWaiting;
    published = published || look == Look::kTaken;
  }
  if (counted && !stateFile_.empty()) {
    if (const std::string error = WriteStateFile(stateFile_, state_); !error.empty()) {
      WriteLogLine("update counts not saved: " + error);
    }
  }
  if (published) current_.store(std::move(next));
  return waiting;
}

LeagueStore::Look LeagueStore::LookAt(int league, LeagueSnapshot& next, bool& counted) {
  const std::string path = SeasonFilePath(seasonDir_, league);
  const FileReadResult read = ReadRegularFile(path);
  if (!read.file) {
    waiting_[league].reset();
    taken_[league].reset();
    NoteUnreadable(league, path, read);
    return Look::kUnchanged;
  }
  lastProblem_[league].clear();
  const Sighting seen{read.file->stamp, Fingerprint(read.file->bytes)};
  if (seen == taken_[league]) return Look::kUnchanged;
  const auto now = std::chrono::steady_clock::now();
  // Unchanged since a look at least `settle` ago, or not written to for that long.
  const bool settled =
      !read.file->changedWhileRead &&
      ((seen == waiting_[league] && now - waitingSince_[league] >= settle_) ||
       NowNs() - seen.stamp.modifiedNs >= std::chrono::nanoseconds(settle_).count());
  if (!settled) {
    if (read.file->changedWhileRead) {
      waiting_[league].reset();
    } else if (seen != waiting_[league]) {
      waiting_[league] = seen;
      waitingSince_[league] = now;
    }
    return Look::kWaiting;
  }
  waiting_[league].reset();
  taken_[league] = seen;
  return Take(league, path, read.file->bytes, next, counted) ? Look::kTaken : Look::kUnchanged;
}

bool LeagueStore::Take(int league, const std::string& path, const std::string& bytes,
                       LeagueSnapshot& next, bool& counted) {
  auto data = std::make_unique<MatchData>();
  const SeasonReadResult read = ReadSeasonText(bytes, path, *data, league);
  if (!read.ok() || read.matches == 0) {
    for (const std::string& error : read.errors) WriteLogLine(error);
    Log(league, path + (read.ok() ? " has no matches" : " has errors") + "; not taken");
    return false;
  }
  const std::string dataBytes = LeagueDataBytes(*data, league);
  LeagueState& state = state_[league];
  if (state.count == 0 || state.fingerprint != Fingerprint(dataBytes)) {
    if (state.count < std::numeric_limits<std::int32_t>::max()) ++state.count;
    state.fingerprint = Fingerprint(dataBytes);
    counted = true;
  }
  if (next[league].count == state.count) return false;
  next[league] = {state.count,
                  std::make_shared<const std::string>(LeagueAnswerBytes(dataBytes, state.count))};
  Log(league,
      std::to_string(read.matches) + " matches, update count " + std::to_string(state.count));
  return true;
}

// Logged once per kind of problem, not at every look; a league without a file is normal.
void LeagueStore::NoteUnreadable(int league, const std::string& path, const FileReadResult& read) {
  if (read.error == lastProblem_[league]) return;
  lastProblem_[league] = read.error;
  if (read.missing && current_.load()->at(league).count == 0) return;
  Log(league, path + " cannot be read (" + read.error + "); its last data stay");
}

}  // namespace zak::dataservice
