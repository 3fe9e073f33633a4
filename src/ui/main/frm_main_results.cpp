// The take-over of typed results: the goals of every match row of the day on screen go into
// the match data, which redraws day and table and stores the league at once.
#include <QComboBox>

#include "day_panel.h"
#include "frm_main.h"
#include "service/league_loading.h"

namespace zak::ui {
namespace {

// Both boxes filled: a played match with these goals. Anything else, a half-entered result
// included, leaves the match without result.
void TakeOverResult(MatchRecord& record, const QString& home, const QString& away) {
  bool homeOk = false;
  bool awayOk = false;
  const short homeGoals = home.toShort(&homeOk);
  const short awayGoals = away.toShort(&awayOk);
  const bool played = homeOk && awayOk && homeGoals >= 0 && awayGoals >= 0;
  record.HomeGoals = played ? homeGoals : -1;
  record.AwayGoals = played ? awayGoals : -1;
  record.Played = played;
}

}  // namespace

// Enter takes the day over; only digits and Backspace reach a goal box.
void FrmMain::txtResults_KeyPress(int, int& key) {
  if (key == 13) {
    cmdUpdateTable_Click();
    key = 0;
    return;
  }
  const bool digit = key >= '0' && key <= '9';
  if (key != 8 && !digit) key = 0;
}

void FrmMain::cmdUpdateTable_Click() {
  const int d = dayPanel_->cmbDays()->currentIndex();
  if (d < 0) {
    dayPanel_->SetEditMark(false);  // no match day on screen: nothing to take over, the edit goes
    return;
  }
  for (int m = 0; m <= GetLastMatchIndex(currentLeague_); ++m) {
    TakeOverResult(data_.matchData(m, currentLeague_, d), dayPanel_->Goals(2 * m),
                   dayPanel_->Goals(2 * m + 1));
  }
  std::int16_t day = static_cast<std::int16_t>(d + 1);
  ShowMatchDay(currentLeague_, day);
  if (!SaveLeagueData(data_.matchData, currentLeague_)) TellStoreFailure();
  dayPanel_->SetEditMark(false);
}

}  // namespace zak::ui
