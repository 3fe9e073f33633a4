#include "league_store.h"

#include <limits>
#include <thread>

#include "access_log.h"
#include "core/season_file.h"
#include "core/text_util.h"
#include "manifest.h"
#include "season_problems.h"

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

std::shared_ptr<const LeagueSnapshot> LeagueStore::Current() const {
  std::lock_guard lock(currentMutex_);
  return current_;
}

Outcome<void> LeagueStore::Start() {
  if (!stateFile_.empty()) {
    const Outcome<ServiceState> read = ReadStateFile(stateFile_);
    if (!read) return read.failure();
    std::lock_guard lock(refreshing_);
    state_ = *read;
  }
  if (Refresh()) {
    std::this_thread::sleep_for(settle_);
    Refresh();
  }
  return {};
}

bool LeagueStore::Refresh() {
  std::lock_guard lock(refreshing_);
  const ManifestLook manifest = LookAtManifest();
  // Neither counts of our own nor published ones may be given: looked at again shortly.
  if (manifest == ManifestLook::kUnknown) return true;
  auto next = std::make_shared<LeagueSnapshot>(*Current());
  bool published = false;
  const ServiceState before = state_;
  bool waiting = manifest == ManifestLook::kChanging;
  for (int league = 0; league < kLeagueCount; ++league) {
    const Look look = LookAt(league, *next);
    waiting = waiting || look == Look::kWaiting;
    published = published || look == Look::kTaken;
  }
  const bool counted = state_ != before;
  if ((counted || !stateProblem_.empty()) && !stateFile_.empty()) SaveState();
  if (published) {
    std::shared_ptr<const LeagueSnapshot> snapshot = std::move(next);
    {
      std::lock_guard current(currentMutex_);
      current_ = snapshot;
    }
    if (tell_) tell_(std::move(snapshot));
  }
  return waiting;
}

void LeagueStore::SaveState() {
  const Outcome<void> saved = WriteStateFile(stateFile_, state_);
  const std::string error = saved ? "" : saved.message();
  if (error.empty() && !stateProblem_.empty()) WriteLogLine("update counts saved");
  if (!error.empty() && error != stateProblem_) WriteLogLine("update counts not saved: " + error);
  stateProblem_ = error;
}

LeagueStore::Look LeagueStore::LookAt(int league, LeagueSnapshot& next) {
  const std::string path = SeasonFilePath(seasonDir_, league);
  const Outcome<FileRead> read = ReadRegularFile(path);
  if (!read) {
    waiting_[league].reset();
    taken_[league].reset();
    NoteUnreadable(league, path, read.failure());
    return Look::kUnchanged;
  }
  lastProblem_[league].clear();
  const Sighting seen{read->stamp, Fingerprint(read->bytes)};
  if (seen == taken_[league]) return Look::kUnchanged;
  const auto now = std::chrono::steady_clock::now();
  // Unchanged since a look at least `settle` ago, or not written to for that long.
  const bool settled =
      !read->changedWhileRead &&
      ((seen == waiting_[league] && now - waitingSince_[league] >= settle_) ||
       NowNs() - seen.stamp.modifiedNs >= std::chrono::nanoseconds(settle_).count());
  if (!settled) {
    if (read->changedWhileRead) {
      waiting_[league].reset();
    } else if (seen != waiting_[league]) {
      waiting_[league] = seen;
      waitingSince_[league] = now;
    }
    return Look::kWaiting;
  }
  waiting_[league].reset();
  taken_[league] = seen;
  return Take(league, path, read->bytes, next) ? Look::kTaken : Look::kUnchanged;
}

bool LeagueStore::Take(int league, const std::string& path, const std::string& bytes,
                       LeagueSnapshot& next) {
  auto data = std::make_unique<MatchData>();
  const Outcome<int> read = ReadSeasonText(bytes, path, *data, league);
  if (!read.ok() || *read == 0) {
    if (!read) {
      for (const std::string& problem : ProblemsToTell(Split(read.message(), "\n"), path)) {
        WriteLogLine(problem);
      }
    }
    Log(league, path + (read.ok() ? " has no matches" : " has errors") + "; not taken");
    refusals_[league].fetch_add(1, std::memory_order_relaxed);
    return false;
  }
  const std::string dataBytes = LeagueDataBytes(*data, league);
  const std::uint64_t fingerprint = Fingerprint(dataBytes);
  LeagueState& state = state_[league];
  const bool published = manifest_.has_value();
  if (published) {
    if (const Outcome<void> taken = TakePublishedCount(league, fingerprint); !taken) {
      Log(league, taken.message());
      refusals_[league].fetch_add(1, std::memory_order_relaxed);
      return false;
    }
  } else if (state.count == 0 || state.fingerprint != fingerprint) {
    if (state.count < std::numeric_limits<std::int32_t>::max()) ++state.count;
    state.fingerprint = fingerprint;
  }
  if (next[league].count == state.count && next[league].published == published) return false;
  next[league] = MakeLeagueAnswer(dataBytes, state.count, published);
  Log(league, std::to_string(*read) + " matches, update count " + std::to_string(state.count));
  return true;
}

Outcome<void> LeagueStore::TakePublishedCount(int league, std::uint64_t fingerprint) {
  const LeagueState& entry = (*manifest_)[league];
  LeagueState& state = state_[league];
  if (entry.count == 0) return Fail("not in the manifest; not taken");
  const std::string count = std::to_string(entry.count);
  if (entry.fingerprint != fingerprint) {
    return Fail("data differ from those of the manifest's update count " + count +
                "; the last answer stays until both agree");
  }
  if (!MayFollow(state, entry)) {
    return Fail("the manifest's update count " + count + " does not follow " +
                std::to_string(state.count) + " served before; not taken");
  }
  state = entry;
  return {};
}

LeagueStore::ManifestLook LeagueStore::LookAtManifest() {
  const std::string path = ManifestPath(seasonDir_);
  const Outcome<FileRead> read = ReadRegularFile(path);
  const ManifestLook notValid = manifest_ ? ManifestLook::kKnown : ManifestLook::kUnknown;
  if (!read) {
    manifestSeen_.reset();
    const bool missing = read.failure().kind == kFileMissing;
    if (missing && !manifest_) {  // counts of our own, kept in the state file
      manifestProblem_.clear();
      return ManifestLook::kKnown;
    }
    NoteManifestProblem(path + (missing ? " is gone" : " cannot be read (" + read.message() + ")"));
    return notValid;
  }
  if (read->changedWhileRead) return manifest_ ? ManifestLook::kChanging : notValid;
  const std::uint64_t seen = Fingerprint(read->bytes);
  if (seen == manifestSeen_) return ManifestLook::kKnown;
  const Outcome<ServiceState> manifest = ParseState(read->bytes);
  if (!manifest) {
    NoteManifestProblem(path + " is damaged");
    return notValid;
  }
  manifestSeen_ = seen;
  manifestProblem_.clear();
  if (manifest_ == *manifest) return ManifestLook::kKnown;
  manifest_ = *manifest;
  // Every league is weighed again against the new counts, also one whose file is unchanged.
  taken_.fill(std::nullopt);
  WriteLogLine("manifest " + path + " read");
  return ManifestLook::kKnown;
}

void LeagueStore::NoteManifestProblem(const std::string& problem) {
  if (problem == manifestProblem_) return;
  manifestProblem_ = problem;
  WriteLogLine(problem + (manifest_ ? "; the counts of the last manifest read stay"
                                    : "; every league keeps its answer until it is valid or gone"));
}

// Logged once per kind of problem, not at every look; a league without a file is normal.
void LeagueStore::NoteUnreadable(int league, const std::string& path, const Failure& read) {
  if (read.message == lastProblem_[league]) return;
  lastProblem_[league] = read.message;
  if (read.kind == kFileMissing && Current()->at(league).count == 0) return;
  Log(league, path + " cannot be read (" + read.message + "); its last data stay");
}

}  // namespace zak::dataservice
