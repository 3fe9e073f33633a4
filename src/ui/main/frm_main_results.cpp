// Result editing: the two goal boxes of every match row and the take-over of the day on screen
// into the match data, which redraws day and table and stores the league at once.
#include <QValidator>

#include "frm_main.h"
#include "service/league_loading.h"
#include "ui/components/palette.h"
#include "ui/components/text_box_focus.h"

namespace zak::ui {
namespace {

const QColor kFocusedBox(255, 255, 255);
const QColor kUnfocusedBox(212, 208, 200);
// The take-over button's colour while edits wait to be taken over.
const QColor kEditedMark(255, 224, 192);

// A goal box holds digits only, and no number that a 16-bit goal count cannot hold, so the
// take-over always finds a number it can store. What the box refuses never reaches it, pasted
// text included.
class GoalsValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    if (input.size() > 5) return Invalid;
    for (const QChar c : input) {
      if (c < '0' || c > '9') return Invalid;
    }
    return input.isEmpty() || input.toInt() <= 32767 ? Acceptable : Invalid;
  }
};

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

void FrmMain::PrepareGoalBoxes() {
  for (int i = 0; i < 2 * kMatchSlots; ++i) {
    QLineEdit* box = txtResults_[i];
    box->setValidator(new GoalsValidator(box));
    SetBoxColour(box, kUnfocusedBox);
    connect(box, &QLineEdit::textChanged, this, [this, i] { txtResults_Change(i); });
  }
}

void FrmMain::txtResults_GotFocus(int index) {
  QLineEdit* box = txtResults_[index];
  SetBoxColour(box, kFocusedBox);
  SelectWholeText(box);  // typing replaces the goals
}

void FrmMain::txtResults_LostFocus(int index) { SetBoxColour(txtResults_[index], kUnfocusedBox); }

// Every change marks the button, the display's own filling too; the display clears the mark
// as its last step, so the mark stays only after the user's edits.
void FrmMain::txtResults_Change(int) { SetEditMark(true); }

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
  const int d = cmbDays_[0]->currentIndex();
  if (d < 0) {
    SetEditMark(false);  // no match day on screen: nothing to take over, the edit goes
    return;
  }
  for (int m = 0; m <= GetLastMatchIndex(currentLeague_); ++m) {
    TakeOverResult(data_.matchData(m, currentLeague_, d), txtResults_[2 * m]->text(),
                   txtResults_[2 * m + 1]->text());
  }
  std::int16_t day = static_cast<std::int16_t>(d + 1);
  ShowMatchDay(currentLeague_, day);
  if (!SaveLeagueData(data_.matchData, currentLeague_)) TellStoreFailure();
  SetEditMark(false);
}

void FrmMain::SetEditMark(bool edited) {
  SetFaceColour(cmdUpdateTable_, edited ? kEditedMark : QColor());
}

}  // namespace zak::ui
