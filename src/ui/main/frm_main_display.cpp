// The table and match day on screen: the rows never move; a club is brought to a row by
// writing its values into that row's cells and by moving its logo.
#include <QDate>
#include <QLocale>

#include "core/spoken_texts.h"
#include "core/standings.h"
#include "core/table_order.h"
#include "frm_main.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

int LogoTop(int row) { return row * 360 + 885; }

QString Number(int value) { return QString::number(value); }

// "Mo" .. "So": the German weekday of a date, abbreviated without a point.
QString WeekdayAbbreviation(const Date& date) {
  const QDate day(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                  static_cast<int>(unsigned(date.day())));
  return QLocale(QLocale::German).standaloneDayName(day.dayOfWeek(), QLocale::ShortFormat);
}

}  // namespace

bool FrmMain::UpdateData(int league) {
  std::int16_t upToDay = -1;
  CalculateTable(data_.teamTable, data_.matchData, league, upToDay, clocks_.today());
  FillDayLists(league);
  for (QLabel* logo : imgTeam_) logo->hide();
  // A smaller league leaves its lowest rows empty: they are hidden.
  const std::vector<int> order = SlotsInTableOrder(data_.teamTable, league);
  for (int r = 0; r < kTeamSlots; ++r) {
    const bool club = r < static_cast<int>(order.size());
    if (club) {
      QLabel* logo = imgTeam_[league * kTeamSlots + r];
      MoveTopTwips(logo, LogoTop(r));
      logo->show();
      SetBackColour(lblLineBack_[r],
                    ColourFromValue(ColourTextToValue(data_.rankColour(league, r + 1))));
    }
    ShowRowCells(r, club);
  }
  std::int16_t day = -1;
  ShowMatchDay(league, day);
  return true;
}

void FrmMain::ShowRowCells(int row, bool visible) {
  for (QLabel* cell :
       {lblLineBack_[row], lblTDays_[row], lblTDraw_[row], lblTeam_[row], lblTGoalDiff_[row],
        lblTGoalMinus_[row], lblTGoalPlus_[row], lblTLost_[row], lblTPoints_[row], lblTRank_[row],
        lblTWon_[row], Label14_[row], imgDiff_[row]}) {
    cell->setVisible(visible);
  }
}

void FrmMain::ShowMatchDay(int league, std::int16_t& day) {
  if (cmbDays_[0]->count() == 0) {
    ShowLeagueWithoutDays(league);
    return;
  }
  if (day == -1) day = GetCurrentDay(data_.matchData, league, false, clocks_.today());
  // A day that the lists do not hold (not delivered) cannot be selected: the display stays.
  if (day < 1 || day > cmbDays_[0]->count() || day > cmbDays_[1]->count()) return;
  // Each list is brought to the day first; the selection's event comes back here, and the
  // innermost call, which finds both lists in step, draws.
  for (QComboBox* list : cmbDays_) {
    if (list->currentIndex() != day - 1) {
      list->setCurrentIndex(day - 1);
      return;
    }
  }
  DrawMatchRows(league, day);
  ctrStatusProgress_->SetText(QStringLiteral("Zeige Daten..."));
  DrawTableRows(league, day);
  ctrStatusProgress_->SetText(ReadyText());
  ctrStatusProgress_->SetCurProgressValue(0);
  lblWait_->hide();
  lblCurDay_->setText(QString("<-  %1. Spieltag  ").arg(day));
  SetEditMark(false);
  ++displayCount_;
}

// A league whose data lists no match day yet: its clubs with the table before the first day
// (the season's corrections only), no match rows.
void FrmMain::ShowLeagueWithoutDays(int league) {
  for (int m = 0; m < kMatchSlots; ++m) {
    txtResults_[2 * m]->hide();
    txtResults_[2 * m + 1]->hide();
    Label4_[m]->hide();
    txtDays_[m]->clear();
    ForgetMatchRow(m);
  }
  ctrStatusProgress_->SetText(QStringLiteral("Zeige Daten..."));
  DrawTableRows(league, 0);
  ctrStatusProgress_->SetText(ReadyText());
  ctrStatusProgress_->SetCurProgressValue(0);
  lblWait_->hide();
  lblCurDay_->clear();
  SetEditMark(false);
  ++displayCount_;
}

void FrmMain::DrawMatchRows(int league, int day) {
  for (int m = 0; m <= GetLastMatchIndex(league); ++m) {
    const MatchRecord& k = data_.matchData(m, league, day - 1);
    // A kick-off that is no date leaves the line as it was.
    if (const std::optional<Date> date = KickOffDate(k.KickOff)) {
      const QString weekday = WeekdayAbbreviation(*date);
      txtDays_[m]->setText(weekday + "  " + ToQString(k.KickOff) + "\t  " + ToQString(k.Home) +
                           "  -  " + ToQString(k.Away));
      TellMatchRow(m, weekday, k);
      // A long pairing runs past the box's end: the row shows its start, the day and time.
      txtDays_[m]->setCursorPosition(0);
    }
    txtResults_[2 * m]->setText(k.Played ? Number(k.HomeGoals) : QString());
    txtResults_[2 * m + 1]->setText(k.Played ? Number(k.AwayGoals) : QString());
    txtResults_[2 * m]->show();
    txtResults_[2 * m + 1]->show();
    Label4_[m]->show();
  }
  for (int m = GetMatchCount(league); m < kMatchSlots; ++m) {
    txtResults_[2 * m]->hide();
    txtResults_[2 * m + 1]->hide();
    Label4_[m]->hide();
    txtDays_[m]->clear();
    ForgetMatchRow(m);
  }
}

void FrmMain::DrawTableRows(int league, int day) {
  const Date today = clocks_.today();
  const TeamTable now =
      CalculateTableAfterDay(data_.matchData, static_cast<std::int16_t>(day), league, today);
  TeamTable before{};
  if (day > 1) {
    before =
        CalculateTableAfterDay(data_.matchData, static_cast<std::int16_t>(day - 1), league, today);
  }
  for (int w = 0; w < kTeamSlots; ++w) {
    const int deduction = data_.teamTable[league][w].PointsDeduction;
    lblMinusPoints_[w]->setVisible(deduction != 0);
    if (deduction != 0) {
      lblMinusPoints_[w]->setToolTip(ToQString(DeductionText(deduction)));
      TellDeduction(w, deduction);
    }
  }
  const std::vector<int> order = SlotsInTableOrder(now, league);
  const std::array<Trend, kTeamSlots> trends = TableTrends(before, now, league, day);
  for (int w = 0; w < static_cast<int>(order.size()); ++w) {
    const int a = order[w];
    const TeamRow& club = now[league][a];
    lblTeam_[w]->setText(ToQString(club.Name));
    lblTDays_[w]->setText(Number(club.Games));
    lblTDraw_[w]->setText(Number(club.Drawn));
    lblTGoalDiff_[w]->setText(Number(club.GoalDiff));
    lblTGoalMinus_[w]->setText(Number(club.GoalsAgainst));
    lblTGoalPlus_[w]->setText(Number(club.GoalsFor));
    lblTLost_[w]->setText(Number(club.Lost));
    lblTPoints_[w]->setText(Number(club.Points));
    lblTRank_[w]->setText(Number(club.Rank));
    lblTWon_[w]->setText(Number(club.Won));

    QLabel* logo = imgTeam_[league * kTeamSlots + a];
    MoveTopTwips(logo, LogoTop(w));
    lblMinusPoints_[a]->move(lblMinusPoints_[a]->x(), logo->y());
    SetBackColour(lblLineBack_[w],
                  ColourFromValue(ColourTextToValue(data_.rankColour(league, w + 1))));
    for (QLabel* cell :
         {lblTDays_[w], lblTDraw_[w], lblTeam_[w], lblTGoalDiff_[w], lblTGoalMinus_[w],
          lblTGoalPlus_[w], lblTLost_[w], lblTPoints_[w], lblTRank_[w], lblTWon_[w], Label14_[w]}) {
      SetForeColour(cell, Qt::black);
    }
    const int picture = static_cast<int>(trends[a]);
    imgDiff_[w]->setPixmap(Image4_[picture]->pixmap(Qt::ReturnByValue));
    TellTableRow(w, club, trends[a]);
  }
}

void FrmMain::FillDayLists(int league) {
  const QSignalBlocker block0(cmbDays_[0]);
  const QSignalBlocker block1(cmbDays_[1]);
  cmbDays_[0]->clear();
  cmbDays_[1]->clear();
  for (int n = 1; n <= kDaySlots; ++n) {
    const std::string& kickOff = data_.matchData(0, league, n - 1).KickOff;
    if (kickOff.empty()) break;
    const std::string& lastKickOff =
        data_.matchData(GetLastMatchIndex(league), league, n - 1).KickOff;
    const QString first = ToQString(kickOff.substr(0, 8));
    const QString last = ToQString(lastKickOff.substr(0, 8));
    cmbDays_[0]->addItem(QString("%1. Spieltag (%2 bis %3)").arg(n).arg(first, last));
    cmbDays_[1]->addItem(QString("%1. Spieltag").arg(n));
  }
  // No entry is selected until a display chooses one.
  cmbDays_[0]->setCurrentIndex(-1);
  cmbDays_[1]->setCurrentIndex(-1);
}

}  // namespace zak::ui
