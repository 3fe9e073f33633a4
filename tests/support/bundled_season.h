// The bundled season as the core reads it, for tests that start from the real figures: the
// match data of some of its leagues, and the rank colours every table is drawn with.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/catalogue.h"
#include "core/season_file.h"

namespace zak::testing {

// The files of `leagues` read into `data`. A file that does not read without a fault ends the
// test at once: every figure taken from it would be wrong.
inline void ReadBundledSeason(MatchData& data, const std::vector<int>& leagues) {
  for (const int league : leagues) {
    if (!ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, league), data, league).ok()) {
      std::fprintf(stderr, "the bundled file of league %d does not read\n", league);
      std::abort();
    }
  }
}

inline std::unique_ptr<MatchData> BundledSeason(const std::vector<int>& leagues) {
  auto data = std::make_unique<MatchData>();
  ReadBundledSeason(*data, leagues);
  return data;
}

inline RankColourTable RankColours() {
  RankColourTable colours;
  InitRankColours(colours);
  return colours;
}

}  // namespace zak::testing
