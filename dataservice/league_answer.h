// The league data answer as it travels: the league's items in Windows-1252, "<>" and the
// update count, every byte with its top bit inverted.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "core/match_data.h"
#include "prepared_answer.h"

namespace zak::dataservice {

// The data part in Windows-1252, not yet shifted.
std::string LeagueDataBytes(const MatchData& data, int league);

// The whole answer for a data part and its update count.
std::string LeagueAnswerBytes(std::string_view dataBytes, std::int32_t count);

// FNV-1a: stable across builds and runs, so it can be kept in the state file.
std::uint64_t Fingerprint(std::string_view bytes);

struct LeagueAnswer {
  std::int32_t count = 0;  // 0: no data yet
  Bytes bytes;             // null while count is 0
  // The count comes from the season folder's manifest: every instance gives it to the same
  // data, and a client sending a higher one already holds newer data than this instance.
  bool published = false;
  Prepared answer;                // the whole response, made when the data are taken
  std::uint64_t fingerprint = 0;  // of the data part
};

// The answer of a league's data part at this count, its whole response made at once.
LeagueAnswer MakeLeagueAnswer(std::string_view dataBytes, std::int32_t count, bool published);

// What is being served, replaced as a whole when a season file changes.
using LeagueSnapshot = std::array<LeagueAnswer, kLeagueCount>;

}  // namespace zak::dataservice
