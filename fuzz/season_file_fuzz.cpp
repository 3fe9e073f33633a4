// A season file as the data service reads it, and the way of its matches to the program: what
// the service encodes, the program decodes unchanged. First byte: the league; the rest: the
// file's bytes.
#include "core/league_answer.h"
#include "core/league_data_text.h"
#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/windows1252.h"
#include "league_answer.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;

void zak::fuzz::FuzzLeague(int league, std::string_view text, MatchData& data,
                           MatchData& received) {
  const Outcome<int> read = ReadSeasonText(text, "f", data, league);
  Require(MarkerIntact(data, league), "reading stays inside its league");
  RequireSoundRecords(data, league);
  Require(read || !read.message().empty(), "a rejected file says why");
  // The service serves only files read whole.
  if (!read || *read == 0) return;

  const std::string wire =
      dataservice::LeagueAnswerBytes(dataservice::LeagueDataBytes(data, league), 7);
  const LeagueAnswerParts answer = SplitLeagueAnswer(FromWindows1252(ShiftBytes(wire)));
  Require(answer.updateCount == 7, "the count arrives");
  Require(ParseLeagueItems(answer.data, received, league) == *read, "every match arrives");
  Require(SameLeague(data, received, league), "every match arrives unchanged");
}
