// The leagues being served: reads the season files, keeps each league's answer ready, and
// raises a league's update count whenever the data it serves changes.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "league_answer.h"
#include "state_file.h"

namespace zak::dataservice {

class LeagueStore {
 public:
  LeagueStore(std::string seasonDir, std::string stateFile);

  // Reads the counts of earlier runs and the season files. A state file that exists but cannot
  // be read is an error: counts must never go back, or a client would take old data for new.
  std::string Start();

  // Looks at every season file again. A file whose bytes are unchanged is skipped; a file with
  // rejected lines, or without matches, is not taken and the league keeps its answer. Safe to
  // call from any thread while requests are answered.
  void Refresh();

  std::shared_ptr<const LeagueSnapshot> Current() const { return current_.load(); }

 private:
  const std::string seasonDir_;
  const std::string stateFile_;
  std::mutex refreshing_;
  ServiceState state_{};
  // The file bytes seen at the last look, so unchanged files cost no parsing and no log lines.
  std::array<std::uint64_t, kLeagueCount> seenFile_{};
  std::atomic<std::shared_ptr<const LeagueSnapshot>> current_;
};

}  // namespace zak::dataservice
