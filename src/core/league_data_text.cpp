#include "league_data_text.h"

#include <bitset>
#include <optional>

#include "text_util.h"

namespace zak {
namespace {

// "dd.mm.yy hh:mm" → "ddmmyyhhmm".
std::string KickOffDigits(std::string_view kickOff) {
  std::string digits;
  for (const char c : kickOff) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

// "ddmmyyhhmm" → "dd.mm.yy hh:mm"; shorter digit texts leave their fields short.
std::string KickOffText(std::string_view digits) {
  if (digits.empty()) return {};
  const auto part = [&](std::size_t at) {
    return at < digits.size() ? std::string(digits.substr(at, 2)) : std::string();
  };
  return part(0) + "." + part(2) + "." + part(4) + " " + part(6) + ":" + part(8);
}

std::string GoalField(std::int16_t goals) { return goals < 0 ? "" : std::to_string(goals); }

// One item's fixture into its record. A goal field that is no goal count (a sign, a letter, a
// number beyond 32767) counts as empty: the fixture stays, without a result.
void WriteItem(MatchRecord& r, const std::vector<std::string>& fields, std::string_view digits) {
  const std::optional<std::int16_t> home = ParseGoals(fields[4]);
  const std::optional<std::int16_t> away = ParseGoals(fields[5]);
  r.KickOff = KickOffText(digits);
  r.Home = fields[2];
  r.Away = fields[3];
  r.HomeGoals = home.value_or(-1);
  r.AwayGoals = away.value_or(-1);
  r.Played = home && away;
}

// The number of slots in use on a day: up to the last record that is not cleared.
int SlotsInUse(const MatchData& data, int league, int day) {
  int used = 0;
  for (int slot = 0; slot < kMatchSlots; ++slot) {
    if (!(data(slot, league, day) == MatchRecord{})) used = slot + 1;
  }
  return used;
}

}  // namespace

std::string EncodeLeagueData(const MatchData& data, int league) {
  std::string text;
  if (league < 0 || league >= kLeagueCount) return text;
  int previousDay = -1;
  std::string previousKickOff;
  for (int day = 0; day < kDaySlots; ++day) {
    const int used = SlotsInUse(data, league, day);
    for (int slot = 0; slot < used; ++slot) {
      const MatchRecord& r = data(slot, league, day);
      const std::string kickOff = KickOffDigits(r.KickOff);
      if (!text.empty()) text += ';';
      text += day == previousDay ? "" : std::to_string(day + 1);
      text += '|';
      text += (kickOff == previousKickOff && previousDay >= 0) ? "" : kickOff;
      text +=
          '|' + r.Home + '|' + r.Away + '|' + GoalField(r.HomeGoals) + '|' + GoalField(r.AwayGoals);
      previousDay = day;
      previousKickOff = kickOff;
    }
  }
  return text;
}

int ParseLeagueItems(std::string_view text, MatchData& data, int league,
                     const ItemProgress& progress) {
  if (league < 0 || league >= kLeagueCount) return 0;
  data.ClearLeague(league);
  const std::vector<std::string> items = Split(text, ";");
  const int last = static_cast<int>(items.size()) - 1;
  // A day listed again after another starts over at its first slot and overwrites what its
  // earlier items wrote: a record counts once, however often it was written.
  std::bitset<kDaySlots * kMatchSlots> written;
  int day = 0;
  int previousDay = 0;
  int slot = 0;
  std::string digits;
  for (int position = 0; position <= last; ++position) {
    const std::vector<std::string> fields = Split(items[position], "|");
    bool takesSlot = true;
    if (fields.size() == 6) {
      const std::optional<std::int16_t> number =
          fields[0].empty() ? std::optional<std::int16_t>(day + 1) : ParseInt16(fields[0]);
      if (!number || *number < 1 || *number > kDaySlots) {
        takesSlot = false;  // no day to put it on
      } else {
        day = *number - 1;
        if (day != previousDay) slot = 0;
        previousDay = day;
        if (!fields[1].empty()) digits = fields[1];
        if (slot < kMatchSlots) {
          WriteItem(data(slot, league, day), fields, digits);
          written.set(static_cast<std::size_t>(day * kMatchSlots + slot));
        }
      }
    }
    if (takesSlot) ++slot;
    if (progress) progress(position, last);
  }
  return static_cast<int>(written.count());
}

}  // namespace zak
