// zak-cli chart: one club's position chart as an SVG or PNG file, painted by the statistics
// window's own code, for a club's web site.
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/team_statistics.h"
#include "league_source.h"
#include "output_file.h"
#include "painting_application.h"
#include "ui/drawing/chart_painting.h"

namespace zak::cli {
namespace {

int Refuse(const std::string& error) {
  std::cerr << "zak-cli chart: " << error << "\n";
  return 2;
}

std::vector<std::string> ClubNames(int league) {
  TeamTable names{};
  FillTeamCatalogue(names, league);
  std::vector<std::string> clubs;
  for (int slot = 0; slot < GetTeamCount(league); ++slot) clubs.push_back(names[league][slot].Name);
  return clubs;
}

// The club's slot in the league, or -1 after a message that lists the league's clubs.
int FindClub(int league, const std::string& club) {
  const std::vector<std::string> clubs = ClubNames(league);
  for (std::size_t slot = 0; slot < clubs.size(); ++slot) {
    if (clubs[slot] == club) return static_cast<int>(slot);
  }
  std::cerr << "zak-cli chart: kein Verein \"" << club << "\" in der Liga " << league << " ("
            << GetLeagueName(league, false) << "). Ihre Vereine:\n";
  for (const std::string& name : clubs) std::cerr << "  " << name << "\n";
  return -1;
}

int WriteFiles(const Arguments& args, const PositionChart& chart, const std::string& title) {
  const auto app = PaintingApplication();
  for (const char* option : {"--svg", "--png"}) {
    const auto path = args.values.find(option);
    if (path == args.values.end()) continue;
    const QByteArray bytes = std::string(option) == "--svg"
                                 ? ui::ChartSvg(chart, QString::fromStdString(title))
                                 : ui::ChartPng(chart);
    if (const int status = WriteOutputFile("chart", path->second,
                                           std::string_view(bytes.constData(), bytes.size()));
        status != 0) {
      return status;
    }
  }
  return 0;
}

}  // namespace

int ChartCommand(const std::vector<std::string>& words) {
  const auto args =
      ParseArguments(words, {"--season", "--league", "--club", "--date", "--svg", "--png"}, {});
  if (!args) return Refuse(args.message());
  const Outcome<int> league = LeagueOption(*args);
  if (!league) return Refuse(league.message());
  if (!args->values.contains("--club")) return Refuse("Option --club fehlt");
  if (!args->values.contains("--svg") && !args->values.contains("--png")) {
    return Refuse("Option --svg oder --png fehlt");
  }
  const std::string& club = args->values.at("--club");
  const int team = FindClub(*league, club);
  if (team < 0) return 2;
  const DatedLeague read = ReadDatedLeague("chart", *args, *league);
  if (read.status != 0) return read.status;
  auto history = std::make_unique<PositionHistory>();
  CalculatePositionHistory(*history, *read.data, read.today, {});
  RankColourTable colours;
  InitRankColours(colours);
  const PositionChart chart =
      BuildPositionChart(*history, *read.data, colours, *league, team, read.today);
  return WriteFiles(*args, chart, club + " - " + GetLeagueName(*league, true));
}

}  // namespace zak::cli
