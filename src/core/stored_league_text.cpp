#include "stored_league_text.h"

#include "text_util.h"

namespace zak {

std::string BoolToText(bool b) { return b ? "Wahr" : "Falsch"; }

bool IsTrueText(std::string_view text) { return text == "Wahr"; }

std::string EncodeStoredLeague(const MatchData& data, int league) {
  std::string text;
  if (league < 0 || league >= kLeagueCount) return text;
  text.reserve(kStoredRecordCount * 48);
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      const MatchRecord& r = data(slot, league, day);
      if (day != 0 || slot != 0) text += '|';
      // The reverse of the in-memory order, as the stored copies have always been written.
      text += BoolToText(r.Played) + ';' + r.KickOff + ';' + std::to_string(r.AwayGoals) + ';' +
              std::to_string(r.HomeGoals) + ';' + r.Away + ';' + r.Home;
    }
  }
  return text;
}

StoredLeagueRead DecodeStoredLeague(std::string_view text, MatchData& data, int league) {
  StoredLeagueRead read;
  if (league < 0 || league >= kLeagueCount) return read;
  const std::vector<std::string> records = Split(text, "|");
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      const std::size_t number = static_cast<std::size_t>(slot + kMatchSlots * day);
      if (number >= records.size()) return read;
      const std::vector<std::string> fields = Split(records[number], ";");
      if (fields.size() < 6) return read;
      const auto away = ParseInt16(fields[2]);
      const auto home = ParseInt16(fields[3]);
      MatchRecord& r = data(slot, league, day);
      const bool played = IsTrueText(fields[0]);
      // A record counts as played only once both its goals are known to be a result.
      r.Played = false;
      r.KickOff = fields[1];
      // A goal field that is no number ends the reading at this record, as a conversion error
      // did: the fields before it in the record are already taken.
      if (!away) return read;
      r.AwayGoals = *away;
      if (!home) return read;
      r.HomeGoals = *home;
      // A result with a negative goal was never written by the program: the copy is damaged.
      if (played && (*home < 0 || *away < 0)) return read;
      r.Played = played;
      r.Away = fields[4];
      r.Home = fields[5];
      ++read.records;
    }
  }
  read.ok = true;
  return read;
}

}  // namespace zak
