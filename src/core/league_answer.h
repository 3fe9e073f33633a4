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

// A received answer taken apart; the answer the data service keeps ready for sending is
// dataservice::LeagueAnswer.
struct LeagueAnswerParts {
  std::string data;                         // the data part (or the whole answer)
  std::optional<std::int32_t> updateCount;  // the number after "<>", when there is exactly one
};

// Splits an unshifted answer at "<>": the data is the part before the first "<>" (the whole
// answer when there is none); with exactly two parts the second is the update count (when it
// reads as a number), with more there is none.
LeagueAnswerParts SplitLeagueAnswer(std::string_view answer);

}  // namespace zak
