#include "league_answer.h"

#include "text_util.h"

namespace zak {

std::string LeagueDataPath(int league, std::int32_t ui) {
  return std::string(kLeagueDataPath) + "?" + std::string(kLeagueParameter) + "=" +
         std::to_string(league + 1) + "&" + std::string(kUpdateCountParameter) + "=" +
         std::to_string(ui);
}

LeagueAnswerParts SplitLeagueAnswer(std::string_view answer) {
  const std::vector<std::string> parts = Split(answer, kUpdateCountSeparator);
  if (parts.size() < 2) return {std::string(answer), std::nullopt};
  // Only "data<>count" carries a count; with more parts the count cannot be told apart.
  if (parts.size() > 2) return {parts[0], std::nullopt};
  return {parts[0], ParseInt32(Trim(parts[1]))};
}

}  // namespace zak
