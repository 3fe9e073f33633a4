#include "match_data.h"

#include <cstdlib>

namespace zak {

void MatchData::ClearLeague(int league) {
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) (*this)(slot, league, day) = MatchRecord{};
  }
}

namespace {

std::optional<int> TwoDigits(std::string_view text, std::size_t at) {
  const char a = text[at];
  const char b = text[at + 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
  return (a - '0') * 10 + (b - '0');
}

// Whole days from the kick-off date to today: positive in the past, negative in the future.
std::optional<int> Distance(const MatchRecord& record, Date today) {
  const std::optional<Date> date = KickOffDate(record.KickOff);
  if (!date) return std::nullopt;
  return static_cast<int>((std::chrono::sys_days(today) - std::chrono::sys_days(*date)).count());
}

}  // namespace

std::optional<Date> KickOffDate(std::string_view kickOff) {
  if (kickOff.size() < 8 || kickOff[2] != '.' || kickOff[5] != '.') return std::nullopt;
  const auto day = TwoDigits(kickOff, 0);
  const auto month = TwoDigits(kickOff, 3);
  const auto year = TwoDigits(kickOff, 6);
  if (!day || !month || !year) return std::nullopt;
  const Date date{std::chrono::year(2000 + *year),
                  std::chrono::month(static_cast<unsigned>(*month)),
                  std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::int16_t GetCurrentDay(const MatchData& data, int league, bool countPlayed, Date today) {
  std::int16_t result = 1;
  bool found = false;
  int best = 0;
  for (int day = 0; day <= GetLastDayIndex(league); ++day) {
    for (int slot = 0; slot <= GetLastMatchIndex(league); ++slot) {
      const MatchRecord& record = data(slot, league, day);
      const std::optional<int> distance = Distance(record, today);
      if (!distance) return result;
      const int nearness = std::abs(*distance);
      if (!found || nearness < best || (record.Played && countPlayed)) {
        best = nearness;
        result = static_cast<std::int16_t>(day + 1);
        found = true;
        if (best == 0) return result;
      }
    }
  }
  return result;
}

std::int16_t GetLastStartedDay(const MatchData& data, int league, Date today) {
  std::int16_t result = 0;
  for (int day = 0; day <= GetLastDayIndex(league); ++day) {
    for (int slot = 0; slot <= GetLastMatchIndex(league); ++slot) {
      const std::optional<int> distance = Distance(data(slot, league, day), today);
      if (!distance) return result;
      if (*distance > 0) result = static_cast<std::int16_t>(day + 1);
    }
  }
  return result;
}

}  // namespace zak
