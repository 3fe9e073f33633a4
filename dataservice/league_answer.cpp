#include "league_answer.h"

#include "core/league_data_text.h"
#include "core/protocol.h"
#include "core/scrambling.h"
#include "core/windows1252.h"

namespace zak::dataservice {

std::string LeagueDataBytes(const MatchData& data, int league) {
  return ToWindows1252(EncodeLeagueData(data, league));
}

std::string LeagueAnswerBytes(std::string_view dataBytes, std::int32_t count) {
  std::string plain(dataBytes);
  plain += kUpdateCountSeparator;
  plain += std::to_string(count);
  return ShiftBytes(plain);
}

LeagueAnswer MakeLeagueAnswer(std::string_view dataBytes, std::int32_t count, bool published) {
  auto bytes = std::make_shared<const std::string>(LeagueAnswerBytes(dataBytes, count));
  auto answer =
      std::make_shared<const PreparedAnswer>(200, "text/plain; charset=windows-1252", bytes);
  return {count, std::move(bytes), published, std::move(answer), Fingerprint(dataBytes)};
}

std::uint64_t Fingerprint(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace zak::dataservice
