// A display: the league's table and the match day chosen, drawn by the panels, with the lists
// of both panels brought to the day first.
#include <QComboBox>

#include "command_column.h"
#include "core/standings.h"
#include "day_panel.h"
#include "frm_main.h"
#include "status_strip.h"
#include "table_panel.h"
#include "ui/components/qt_text.h"

namespace zak::ui {

bool FrmMain::UpdateData(int league) {
  std::int16_t upToDay = -1;
  CalculateTable(data_.teamTable, data_.matchData, league, upToDay, clocks_.today());
  FillDayLists(league);
  table_->ShowLeague(data_, league);
  std::int16_t day = -1;
  ShowMatchDay(league, day);
  return true;
}

void FrmMain::ShowMatchDay(int league, std::int16_t& day) {
  QComboBox* lists[] = {dayPanel_->cmbDays(), column_->cmbDays()};
  if (lists[0]->count() == 0) {
    ShowLeagueWithoutDays(league);
    return;
  }
  if (day == -1) day = GetCurrentDay(data_.matchData, league, false, clocks_.today());
  // A day that the lists do not hold (not delivered) cannot be selected: the display stays.
  if (day < 1 || day > lists[0]->count() || day > lists[1]->count()) return;
  // Each list is brought to the day first; the selection's event comes back here, and the
  // innermost call, which finds both lists in step, draws.
  for (QComboBox* list : lists) {
    if (list->currentIndex() != day - 1) {
      list->setCurrentIndex(day - 1);
      return;
    }
  }
  for (int m = 0; m <= GetLastMatchIndex(league); ++m) {
    dayPanel_->ShowMatch(m, data_.matchData(m, league, day - 1));
  }
  dayPanel_->HideMatches(GetMatchCount(league));
  ShowTable(league, day);
}

// A league whose data lists no match day yet: its clubs with the table before the first day
// (the season's corrections only), no match rows.
void FrmMain::ShowLeagueWithoutDays(int league) {
  dayPanel_->HideMatches(0);
  ShowTable(league, 0);
}

void FrmMain::ShowTable(int league, int day) {
  status_->ShowDrawing();
  table_->ShowTable(data_, league, day, clocks_.today());
  status_->ShowDrawn();
  column_->ShowWait(false);
  column_->ShowTableDay(day);
  dayPanel_->SetEditMark(false);
  ++displayCount_;
}

void FrmMain::FillDayLists(int league) {
  QComboBox* full = dayPanel_->cmbDays();
  QComboBox* brief = column_->cmbDays();
  const QSignalBlocker block0(full);
  const QSignalBlocker block1(brief);
  full->clear();
  brief->clear();
  for (int n = 1; n <= kDaySlots; ++n) {
    const std::string& kickOff = data_.matchData(0, league, n - 1).KickOff;
    if (kickOff.empty()) break;
    const std::string& lastKickOff =
        data_.matchData(GetLastMatchIndex(league), league, n - 1).KickOff;
    const QString first = ToQString(kickOff.substr(0, 8));
    const QString last = ToQString(lastKickOff.substr(0, 8));
    full->addItem(QString("%1. Spieltag (%2 bis %3)").arg(n).arg(first, last));
    brief->addItem(QString("%1. Spieltag").arg(n));
  }
  // No entry is selected until a display chooses one.
  full->setCurrentIndex(-1);
  brief->setCurrentIndex(-1);
}

}  // namespace zak::ui
