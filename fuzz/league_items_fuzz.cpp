// The league answer as the program receives it: the split at "<>" and the items. First byte:
// the league; the rest: the unshifted answer.
#include <memory>

#include "core/league_answer.h"
#include "core/league_data_text.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;

void zak::fuzz::FuzzLeague(int league, std::string_view answer, MatchData& data, MatchData& again) {
  const LeagueAnswerParts split = SplitLeagueAnswer(answer);
  Require(answer.starts_with(split.data), "the data part is where the answer starts");
  if (split.updateCount) {
    Require(answer.substr(split.data.size(), 2) == "<>", "a count follows \"<>\"");
  }

  const int written = ParseLeagueItems(split.data, data, league);
  Require(written >= 0 && written <= kDaySlots * kMatchSlots, "at most 380 records");
  Require(MarkerIntact(data, league), "parsing stays inside its league");
  RequireSoundRecords(data, league);

  // The same text read again gives the same records: nothing depends on what was there before.
  PlaceMarker(again, league);
  Require(ParseLeagueItems(split.data, again, league) == written, "reading is repeatable");
  Require(SameLeague(data, again, league), "reading is repeatable");
}
