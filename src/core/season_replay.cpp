#include "season_replay.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace zak {
namespace {

std::optional<int> Digits(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

Outcome<Date> ParseIsoDate(std::string_view text) {
  const Failure noDate = Fail("\"" + std::string(text) + "\" ist kein Datum JJJJ-MM-TT.");
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return noDate;
  for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
    if (text[i] < '0' || text[i] > '9') return noDate;
  }
  const Date date{std::chrono::year(*Digits(text.substr(0, 4))),
                  std::chrono::month(static_cast<unsigned>(*Digits(text.substr(5, 2)))),
                  std::chrono::day(static_cast<unsigned>(*Digits(text.substr(8, 2))))};
  if (!date.ok()) return noDate;
  return date;
}

std::string GermanDate(Date date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return text;
}

void WithholdResultsAfter(MatchData& data, Date date) {
  for (int league = 0; league < kLeagueCount; ++league) {
    for (int day = 0; day < kDaySlots; ++day) {
      for (int slot = 0; slot < kMatchSlots; ++slot) {
        MatchRecord& record = data(slot, league, day);
        const std::optional<Date> kickOff = KickOffDate(record.KickOff);
        if (!kickOff || *kickOff <= date) continue;
        record.Played = false;
        record.HomeGoals = record.AwayGoals = -1;
      }
    }
  }
}

}  // namespace zak
