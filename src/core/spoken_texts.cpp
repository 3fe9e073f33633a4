#include "spoken_texts.h"

#include <vector>

namespace zak {
namespace {

std::string Number(int value) { return std::to_string(value); }

// "1 Spiel", "2 Spiele": a count with its noun, singular for exactly one.
std::string Count(int value, std::string_view one, std::string_view many) {
  return Number(value) + " " + std::string(value == 1 ? one : many);
}

// "12. Spieltag" or "3. bis 7. Spieltag": a run of match days.
std::string DayRun(int first, int last) {
  if (first == last) return Number(first) + ". Spieltag";
  return Number(first) + ". bis " + Number(last) + ". Spieltag";
}

std::string Places(int best, int worst) {
  if (best == worst) return "Platz " + Number(best);
  return "Platz " + Number(best) + " bis " + Number(worst);
}

// Consecutive match days with the same places are told as one run, so that a season at the top
// is one phrase, not 34.
struct Run {
  int firstDay;
  int lastDay;
  int best;
  int worst;
};

void Extend(std::vector<Run>& runs, int day, int best, int worst) {
  if (!runs.empty() && runs.back().lastDay == day - 1 && runs.back().best == best &&
      runs.back().worst == worst) {
    runs.back().lastDay = day;
    return;
  }
  runs.push_back({day, day, best, worst});
}

std::string Joined(const std::vector<Run>& runs) {
  std::string text;
  for (const Run& run : runs) {
    if (!text.empty()) text += ", ";
    text += DayRun(run.firstDay, run.lastDay) + " " + Places(run.best, run.worst);
  }
  return text;
}

}  // namespace

std::string TrendWord(Trend trend) {
  switch (trend) {
    case Trend::kBetter:
      return "besser";
    case Trend::kWorse:
      return "schlechter";
    case Trend::kSame:
      break;
  }
  return "unverändert";
}

std::string TableRowSpeech(const TeamRow& club, Trend trend) {
  std::string text = "Platz " + Number(club.Rank) + ", " + club.Name + ", " +
                     Count(club.Games, "Spiel", "Spiele") + ", " +
                     Count(club.Won, "Sieg", "Siege") + ", " + Number(club.Drawn) +
                     " Unentschieden, " + Count(club.Lost, "Niederlage", "Niederlagen") +
                     ", Tore " + Number(club.GoalsFor) + " zu " + Number(club.GoalsAgainst) +
                     ", Differenz " + Number(club.GoalDiff) + ", " +
                     Count(club.Points, "Punkt", "Punkte") + ", Tendenz: " + TrendWord(trend);
  if (club.PointsDeduction != 0) text += ", " + DeductionText(club.PointsDeduction);
  return text;
}

std::string TableHeaderSpeech() {
  return "Spalten: Platz, Mannschaft, Spiele, Siege, Unentschieden, Niederlagen, Tore, "
         "Tordifferenz, Punkte";
}

std::string DeductionText(int points) { return Count(points, "Punkt", "Punkte") + " Abzug"; }

std::string DeductionLinkSpeech(int points) {
  return DeductionText(points) + " – Meldung des Verbands öffnen";
}

std::string MatchRowSpeech(std::string_view weekday, const MatchRecord& match) {
  std::string text = std::string(weekday) + " " + match.KickOff + ", " + match.Home + " gegen " +
                     match.Away + ", ";
  if (!match.Played) return text + "noch kein Ergebnis";
  return text + Number(match.HomeGoals) + " zu " + Number(match.AwayGoals);
}

std::string GoalBoxSpeech(std::string_view club) { return "Tore " + std::string(club); }

std::string PositionChartSpeech(const PositionChart& chart, std::string_view club) {
  std::vector<Run> played;
  for (std::size_t d = 0; d < chart.line.size(); ++d) {
    Extend(played, static_cast<int>(d) + 1, chart.line[d], chart.line[d]);
  }
  std::vector<Run> reachable;
  for (const ReachableColumn& column : chart.band) {
    Extend(reachable, column.column + 1, column.first + 1, column.last + 1);
  }
  std::string text = std::string(club) + ", Platz nach jedem Spieltag: ";
  text += played.empty() ? "noch kein Spieltag gespielt." : Joined(played) + ".";
  if (!reachable.empty()) text += " Noch erreichbar: " + Joined(reachable) + ".";
  return text;
}

}  // namespace zak
