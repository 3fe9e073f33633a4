// The pure handling of a league answer: the request's path and the answer's parts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "protocol.h"

namespace zak {

// "/zak/ud/gd1415.php?l=<league + 1>&ui=<ui>".
std::string LeagueDataPath(int league, std::int32_t ui);

struct LeagueAnswer {
  std::string data;                         // the data part (or the whole answer)
  std::optional<std::int32_t> updateCount;  // the number after "<>", when there is exactly one
};

// Splits an unshifted answer at "<>": the data is the part before the first "<>" (the whole
// answer when there is none); with exactly two parts the second is the update count (when it
// reads as a number), with more there is none.
LeagueAnswer SplitLeagueAnswer(std::string_view answer);

}  // namespace zak
