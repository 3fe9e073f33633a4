// The fixed texts of the data-service protocol and the pure handling of a league answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zak {

// What every data-service request returns when it fails; callers test for it.
inline constexpr std::string_view kConnectionFailedText =
    "Verbindung konnte nicht hergestellt werden.";
// The whole answer when the request did not reach the service unchanged (a filtering proxy).
inline constexpr std::string_view kAnswerFiltered = "t(%)rwz81";
// The whole answer when the service has nothing new: the stored copy stays in use.
inline constexpr std::string_view kAnswerNothingNew = "q)W7kd45%";
// The news line shown when the service gives none.
inline constexpr std::string_view kDefaultNewsLine = "ZAK - Die Zakliste der Saison 2014 / 2015!";

inline constexpr std::string_view kLeagueDataPath = "/zak/ud/gd1415.php";
inline constexpr std::string_view kVersionPath = "/zak/dl/fw1415.php";
inline constexpr std::string_view kNewsPath = "/zak/ud/news1415.php";

// "/zak/ud/gd1415.php?l=<league + 1>&ui=<ui>".
std::string LeagueDataPath(int league, std::int32_t ui);

struct LeagueAnswer {
  std::string data;                         // the data part (or the whole answer)
  std::optional<std::int32_t> updateCount;  // the number after "<>", when there is exactly one
};

// Splits an unshifted answer at "<>": with exactly two parts the first is the data and the
// second the update count (when it reads as a number); otherwise the whole answer is the data.
LeagueAnswer SplitLeagueAnswer(std::string_view answer);

}  // namespace zak
