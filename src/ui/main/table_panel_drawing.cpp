// The table on screen: the rows never move; a club is brought to a row by writing its values
// into that row's cells and by moving its logo.
#include <QLabel>

#include "core/spoken_texts.h"
#include "core/standings.h"
#include "table_panel.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

int LogoTop(int row) { return row * 360 + 885 - TablePanel::kTop; }

QString Number(int value) { return QString::number(value); }

QColor RankColourOf(const ProgramData& data, int league, int row) {
  return ColourFromValue(ColourTextToValue(data.rankColour(league, row + 1)));
}

}  // namespace

void TablePanel::ShowLeague(const ProgramData& data, int league) {
  const int clubCount = static_cast<int>(SlotsInTableOrder(data.teamTable, league).size());
  for (QLabel* logo : imgTeam_) logo->hide();
  // A smaller league leaves its lowest rows empty: they are hidden.
  for (int r = 0; r < kTeamSlots; ++r) {
    const bool club = r < clubCount;
    if (club) {
      QLabel* logo = imgTeam_[league * kTeamSlots + r];
      MoveTopTwips(logo, LogoTop(r));
      logo->show();
      SetBackColour(lblLineBack_[r], RankColourOf(data, league, r));
    }
    ShowRowCells(r, club);
  }
}

void TablePanel::ShowRowCells(int row, bool visible) {
  lblLineBack_[row]->setVisible(visible);
  for (QLabel* cell : cells_[row]) cell->setVisible(visible);
  imgDiff_[row]->setVisible(visible);
}

void TablePanel::ShowTable(const ProgramData& data, int league, int day, Date today) {
  const TeamTable now =
      CalculateTableAfterDay(data.matchData, static_cast<std::int16_t>(day), league, today);
  TeamTable before{};
  if (day > 1) {
    before =
        CalculateTableAfterDay(data.matchData, static_cast<std::int16_t>(day - 1), league, today);
  }
  for (int w = 0; w < kTeamSlots; ++w) {
    const int deduction = data.teamTable[league][w].PointsDeduction;
    lblMinusPoints_[w]->setVisible(deduction != 0);
    if (deduction != 0) {
      lblMinusPoints_[w]->setToolTip(ToQString(DeductionText(deduction)));
      lblMinusPoints_[w]->setAccessibleName(ToQString(DeductionLinkSpeech(deduction)));
    }
  }
  const std::vector<int> order = SlotsInTableOrder(now, league);
  const std::array<Trend, kTeamSlots> trends = TableTrends(before, now, league, day);
  for (int w = 0; w < static_cast<int>(order.size()); ++w) {
    const int a = order[w];
    ShowRow(w, a, now[league][a], trends[a], data, league);
  }
}

// Row `row` shows the club of team slot `slot`.
void TablePanel::ShowRow(int row, int slot, const TeamRow& club, Trend trend,
                         const ProgramData& data, int league) {
  std::array<QLabel*, kCellCount>& cells = cells_[row];
  cells[kTeam]->setText(ToQString(club.Name));
  cells[kDays]->setText(Number(club.Games));
  cells[kDraw]->setText(Number(club.Drawn));
  cells[kGoalDiff]->setText(Number(club.GoalDiff));
  cells[kGoalsAgainst]->setText(Number(club.GoalsAgainst));
  cells[kGoalsFor]->setText(Number(club.GoalsFor));
  cells[kLost]->setText(Number(club.Lost));
  cells[kPoints]->setText(Number(club.Points));
  cells[kRank]->setText(Number(club.Rank));
  cells[kWon]->setText(Number(club.Won));

  QLabel* logo = imgTeam_[league * kTeamSlots + slot];
  MoveTopTwips(logo, LogoTop(row));
  lblMinusPoints_[slot]->move(lblMinusPoints_[slot]->x(), logo->y());
  SetBackColour(lblLineBack_[row], RankColourOf(data, league, row));
  for (QLabel* cell : cells) SetForeColour(cell, Qt::black);
  imgDiff_[row]->setPixmap(Image4_[static_cast<int>(trend)]->pixmap(Qt::ReturnByValue));
  lblLineBack_[row]->setAccessibleName(ToQString(TableRowSpeech(club, trend)));
  imgDiff_[row]->setAccessibleName("Tendenz: " + ToQString(TrendWord(trend)));
}

}  // namespace zak::ui
