// Data that lives as long as the program: created by main(), handed by reference to the
// windows and loaders. No globals: a test builds its own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "catalogue.h"
#include "match_data.h"
#include "team_statistics.h"

namespace zak {

// The option values loaded from the settings store at start and refreshed when the settings
// window saves.
struct Options {
  bool AutoDownload = true;
  bool AutoUpdate = true;
  bool ProxyEnabled = false;
  std::string ProxyServer;
  std::uint16_t ProxyPort = 0;  // a TCP port: 0..65535
  std::string ProxyUser;
  std::string ProxyPassword;
  std::int32_t ServerTimeoutMs = 30000;
};

// What identifies the installation in every request to the data service.
struct Identity {
  std::string InstallationId;       // adapter address "XX-XX-XX-XX-XX-XX"
  std::string SystemInfoText;       // computer name
  std::int16_t OsVersionCode = -1;  // -1: not yet determined
};

struct ProgramData {
  MatchData matchData;
  // The table of the league on screen; every other reader computes a fresh table of its own.
  TeamTable teamTable{};
  RankColourTable rankColour;
  // The update count the data service last sent for each league.
  std::array<std::int32_t, kLeagueCount> serverUpdateCount{};
  Options options;
  Identity identity;
  // Filled when the statistics window opens; read only by it.
  PositionHistory positionHistory;
};

}  // namespace zak
