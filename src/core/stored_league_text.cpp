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

namespace {

Failure DamagedAt(int number) {
  return Fail("Datensatz " + std::to_string(number + 1) + " von " +
              std::to_string(kStoredRecordCount) + " fehlt oder ist fehlerhaft.");
}

}  // namespace

Outcome<void> DecodeStoredLeague(std::string_view text, MatchData& data, int league) {
  if (league < 0 || league >= kLeagueCount) {
    return Fail("Keine Liga mit dem Index " + std::to_string(league) + ".");
  }
  const std::vector<std::string> records = Split(text, "|");
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      const int number = slot + kMatchSlots * day;
      if (static_cast<std::size_t>(number) >= records.size()) return DamagedAt(number);
      const std::vector<std::string> fields = Split(records[static_cast<std::size_t>(number)], ";");
      if (fields.size() < 6) return DamagedAt(number);
      const auto away = ParseInt16(fields[2]);
      const auto home = ParseInt16(fields[3]);
      MatchRecord& r = data(slot, league, day);
      const bool played = IsTrueText(fields[0]);
      // A record counts as played only once both its goals are known to be a result.
      r.Played = false;
      r.KickOff = fields[1];
      // A goal field that is no number ends the reading at this record, as a conversion error
      // did: the fields before it in the record are already taken.
      if (!away) return DamagedAt(number);
      r.AwayGoals = *away;
      if (!home) return DamagedAt(number);
      r.HomeGoals = *home;
      // A result with a negative goal was never written by the program: the copy is damaged.
      if (played && (*home < 0 || *away < 0)) return DamagedAt(number);
      r.Played = played;
      r.Away = fields[4];
      r.Home = fields[5];
    }
  }
  return {};
}

}  // namespace zak
