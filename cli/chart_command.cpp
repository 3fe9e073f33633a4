// zak-cli chart: one club's position chart as an SVG or PNG file, painted by the statistics
// window's own code, for a club's web site.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/team_statistics.h"
#include "league_source.h"
#include "settings/file_helpers.h"
#include "ui/stats/chart_painting.h"

namespace zak::cli {
namespace {

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

// Painting text needs a GUI application; without a display it paints off screen.
std::unique_ptr<QGuiApplication> PaintingApplication() {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
      std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  static int argc = 1;
  static char name[] = "zak-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// Each file is painted in memory and written whole: a full disk leaves last week's chart.
int WriteFiles(const Arguments& args, const PositionChart& chart, const std::string& title) {
  const auto app = PaintingApplication();
  for (const char* option : {"--svg", "--png"}) {
    const auto path = args.values.find(option);
    if (path == args.values.end()) continue;
    const QByteArray bytes = std::string(option) == "--svg"
                                 ? ui::ChartSvg(chart, QString::fromStdString(title))
                                 : ui::ChartPng(chart);
    if (bytes.isEmpty() ||
        !WriteFileWhole(path->second, std::string_view(bytes.constData(), bytes.size()))) {
      std::cerr << "zak-cli chart: Datei konnte nicht geschrieben werden: " << path->second << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace

int ChartCommand(const std::vector<std::string>& words) {
  std::string error;
  const auto args = ParseArguments(
      words, {"--season", "--league", "--club", "--date", "--svg", "--png"}, {}, error);
  if (!args) {
    std::cerr << "zak-cli chart: " << error << "\n";
    return 2;
  }
  const auto league = NumberOption(*args, "--league", 0, kLeagueCount - 1, error);
  if (error.empty() && !league) error = "Option --league fehlt";
  if (error.empty() && !args->values.contains("--club")) error = "Option --club fehlt";
  if (error.empty() && !args->values.contains("--svg") && !args->values.contains("--png")) {
    error = "Option --svg oder --png fehlt";
  }
  if (!error.empty()) {
    std::cerr << "zak-cli chart: " << error << "\n";
    return 2;
  }
  const std::string& club = args->values.at("--club");
  const int team = FindClub(*league, club);
  if (team < 0) return 2;
  const DateInForce date = ChooseDate("chart", *args);
  if (!date.ok) return 2;

  auto data = std::make_unique<MatchData>();
  const int status = ReadLeague("chart", *args, *league, *data);
  if (status != 0) return status;
  AsItStood(date, *data);
  auto history = std::make_unique<PositionHistory>();
  CalculatePositionHistory(*history, *data, date.today, {});
  RankColourTable colours;
  InitRankColours(colours);
  const PositionChart chart =
      BuildPositionChart(*history, *data, colours, *league, team, date.today);
  return WriteFiles(*args, chart, club + " - " + GetLeagueName(*league, true));
}

}  // namespace zak::cli
