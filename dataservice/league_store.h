// The leagues being served: reads the season files, keeps each league's answer ready, and
// raises a league's update count whenever the data it serves changes. When the season folder has
// a manifest, the counts are the manifest's instead: a league is served only with the count whose
// fingerprint matches the data read, and keeps its last answer until file and manifest agree.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "league_answer.h"
#include "read_file.h"
#include "state_file.h"

namespace zak::dataservice {

class LeagueStore {
 public:
  // A season file is taken only once it has stood still for `settle`: a file rewritten in
  // place must never be served half-written.
  static constexpr std::chrono::milliseconds kSettle{500};

  LeagueStore(std::string seasonDir, std::string stateFile,
              std::chrono::milliseconds settle = kSettle);

  // Reads the counts of earlier runs and the season files, looking twice at a file that has
  // just changed. A state file that exists but cannot be read is an error: counts must never go
  // back, or a client would take old data for new. With a manifest the state file holds the
  // counts served, and a manifest count below them is not taken.
  Outcome<void> Start();

  // Looks at every season file again. A file whose bytes are unchanged is skipped; a file with
  // rejected lines, or without matches, or that cannot be read is not taken and the league
  // keeps its answer. A file is taken when it was last modified at least `settle` ago, or when
  // a look `settle` later finds it unchanged. True when a file waits for that second look.
  // Safe to call from any thread while requests are answered.
  bool Refresh();

  std::shared_ptr<const LeagueSnapshot> Current() const;
  // Told each snapshot published after Start(), on the thread that refreshes; set before that.
  void OnPublished(std::function<void(std::shared_ptr<const LeagueSnapshot>)> tell) {
    tell_ = std::move(tell);
  }
  // How often a league's season file was read but not taken.
  std::uint64_t Refusals(int league) const {
    return refusals_[league].load(std::memory_order_relaxed);
  }
  std::chrono::milliseconds settle() const { return settle_; }

 private:
  // One look at a season file: its stamp and the fingerprint of its bytes.
  struct Sighting {
    FileStamp stamp;
    std::uint64_t fingerprint = 0;
    bool operator==(const Sighting&) const = default;
  };
  enum class Look { kUnchanged, kWaiting, kTaken };
  // What a look at the manifest found: the counts to weigh the leagues against are known; or
  // known, but the manifest changed while being read; or not known, because a folder that has
  // had no manifest yet now has one that cannot be read or is not valid (yet).
  enum class ManifestLook { kKnown, kChanging, kUnknown };

  // Reads the manifest when it has changed. Only a manifest that is there and valid switches
  // the folder to published counts. Once it has had one, its counts stay until a valid one
  // replaces it: a manifest that is gone or damaged never hands the leagues back to counts of
  // this instance's own. Before that, a manifest that cannot be read (a folder unreadable for a
  // moment, no descriptor left) holds every league as it is until it is read again.
  ManifestLook LookAtManifest();
  void NoteManifestProblem(const std::string& problem);
  // Writes the counts served. A failed write (a full disk, no descriptor left) is tried again at
  // every look until it succeeds, not only at the next change of a count: counts that go back
  // after a restart would make clients take old data for new.
  void SaveState();
  Look LookAt(int league, LeagueSnapshot& next);
  // The manifest's count for data with this fingerprint, taken into the state; the failure
  // says why it is not taken.
  Outcome<void> TakePublishedCount(int league, std::uint64_t fingerprint);
  // True when the league's answer in `next` is a new one.
  bool Take(int league, const std::string& path, const std::string& bytes, LeagueSnapshot& next);
  void NoteUnreadable(int league, const std::string& path, const Failure& read);

  const std::string seasonDir_;
  const std::string stateFile_;
  const std::chrono::milliseconds settle_;
  std::mutex refreshing_;
  ServiceState state_{};
  // The file as taken at the last change, so unchanged files cost no parsing and no log lines;
  // and a changed file waiting for its second look.
  std::array<std::optional<Sighting>, kLeagueCount> taken_{};
  std::array<std::optional<Sighting>, kLeagueCount> waiting_{};
  std::array<std::chrono::steady_clock::time_point, kLeagueCount> waitingSince_{};
  std::array<std::string, kLeagueCount> lastProblem_{};
  std::optional<ServiceState> manifest_;
  std::optional<std::uint64_t> manifestSeen_;  // fingerprint of the manifest bytes last read
  std::string manifestProblem_;
  std::string stateProblem_;  // of the last write of the state file; empty: saved
  mutable std::mutex currentMutex_;
  std::shared_ptr<const LeagueSnapshot> current_;
  std::function<void(std::shared_ptr<const LeagueSnapshot>)> tell_;
  std::array<std::atomic<std::uint64_t>, kLeagueCount> refusals_{};
};

}  // namespace zak::dataservice
