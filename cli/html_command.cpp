// zak-cli html: the HTML fragments of one league and match day, as the export window writes
// them, so a club's web site can refresh its fragment from a script every match day.
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/html_fragments.h"
#include "core/local_clock.h"
#include "core/maker.h"
#include "league_source.h"
#include "output_file.h"
#include "settings/settings_store.h"

namespace zak::cli {
namespace {

int Refuse(const std::string& error) {
  std::cerr << "zak-cli html: " << error << "\n";
  return 2;
}

// The team slot of the club with exactly this name; -1 when the league has none.
int FavouriteSlot(int league, const std::string& name) {
  TeamTable table{};
  FillTeamCatalogue(table, league);
  for (int slot = 0; slot < kTeamSlots; ++slot) {
    if (!name.empty() && table[league][slot].Name == name) return slot;
  }
  return -1;
}

// The fragments followed by one line end, as the export window writes its file.
int Write(const std::string& text, const Arguments& args) {
  const auto output = args.values.find("--output");
  if (output == args.values.end()) {
    std::cout << text << "\r\n";
    return std::cout.good() ? 0 : 1;
  }
  // A cron job on a full disk must not leave the web page a cut-off fragment.
  return WriteOutputFile("html", output->second, text + "\r\n");
}

}  // namespace

int HtmlCommand(const std::vector<std::string>& words) {
  const auto args =
      ParseArguments(words, {"--season", "--league", "--day", "--favourite", "--output"},
                     {"--table", "--match-day"});
  if (!args) return Refuse(args.message());
  const Outcome<int> league = LeagueOption(*args);
  if (!league) return Refuse(league.message());
  const Outcome<std::optional<int>> day = DayOption(*args, *league);
  if (!day) return Refuse(day.message());
  int favourite = -1;
  if (const auto club = args->values.find("--favourite"); club != args->values.end()) {
    favourite = FavouriteSlot(*league, club->second);
    if (favourite < 0) return Refuse("keine Mannschaft der Liga heißt \"" + club->second + "\"");
  }

  auto data = std::make_unique<MatchData>();
  if (const int status = ReadLeague("html", *args, *league, *data); status != 0) return status;
  const int dayIndex = (*day ? **day : GetCurrentDay(*data, *league, false, LocalToday())) - 1;

  RankColourTable colours;
  InitRankColours(colours);
  const HtmlSource source{
      *data, colours,
      HtmlAddresses::ForHost(GetSettingValue(kSectionServer, "Host", kDefaultServerHost))};
  const bool both = !args->flags.contains("--table") && !args->flags.contains("--match-day");
  std::string text;
  if (both || args->flags.contains("--table")) {
    text += BuildTableHtml(source, *league, dayIndex, favourite);
  }
  if (both || args->flags.contains("--match-day")) {
    text += BuildMatchDayHtml(source, *league, dayIndex, favourite);
  }
  return Write(text, *args);
}

}  // namespace zak::cli
