// The season every benchmark runs on: three leagues have real files; the Regionalligen are
// filled with the 1. Bundesliga's results under their own club names, so that every league
// costs what a full one costs.
#pragma once

#include <cstdlib>
#include <memory>

#include "core/season_file.h"

namespace zak {

inline std::unique_ptr<MatchData> WholeSeason() {
  auto data = std::make_unique<MatchData>();
  for (int league = 0; league <= 2; ++league) {
    if (!ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, league), *data, league)) std::abort();
  }
  TeamTable names{};
  FillTeamCatalogue(names, 0);
  for (int league = 3; league < kLeagueCount; ++league) {
    FillTeamCatalogue(names, league);
    for (int d = 0; d <= GetLastDayIndex(league); ++d) {
      for (int m = 0; m <= GetLastMatchIndex(league); ++m) {
        MatchRecord r = (*data)(m, 0, d % 34);
        for (int slot = 0; slot < 18; ++slot) {
          if (r.Home == names[0][slot].Name)
            r.Home = names[league][slot % GetTeamCount(league)].Name;
          if (r.Away == names[0][slot].Name)
            r.Away = names[league][slot % GetTeamCount(league)].Name;
        }
        (*data)(m, league, d) = r;
      }
    }
  }
  return data;
}

}  // namespace zak
