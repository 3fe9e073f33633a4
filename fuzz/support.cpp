#include "support.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/season_file.h"

namespace zak::fuzz {
namespace {

int MarkerLeague(int league) { return (league + 1) % kLeagueCount; }

}  // namespace

void Fail(std::string_view what) {
  std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

void RequireSoundRecords(const MatchData& data, int league) {
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      const MatchRecord& r = data(slot, league, day);
      if (r.Played) {
        Require(r.HomeGoals >= 0 && r.AwayGoals >= 0, "a played record has two goals");
      }
    }
  }
}

bool SameLeague(const MatchData& a, const MatchData& b, int league) {
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      if (!(a(slot, league, day) == b(slot, league, day))) return false;
    }
  }
  return true;
}

void PlaceMarker(MatchData& data, int league) {
  data(9, MarkerLeague(league), 37) = {"Marke", "Marke", 1, 2, true, "01.01.15 00:00"};
}

bool MarkerIntact(const MatchData& data, int league) {
  return data(9, MarkerLeague(league), 37) ==
         MatchRecord{"Marke", "Marke", 1, 2, true, "01.01.15 00:00"};
}

const MatchData& RealSeason() {
  static const MatchData* const season = [] {
    auto* data = new MatchData;
    for (int league = 0; league < 3; ++league) {
      if (!ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, league), *data, league).ok()) {
        Fail("the bundled season cannot be read");
      }
    }
    return data;
  }();
  return *season;
}

}  // namespace zak::fuzz
