// The match-day menu as the window sees it: Esc and the strips start a slide, and when the
// slide ends the panel's controls and the column's change places as the default button does.
#include <QPushButton>

#include "command_column.h"
#include "day_panel.h"
#include "frm_main.h"

namespace zak::ui {

void FrmMain::ToggleDayMenu() { dayPanel_->ToggleDayMenu(); }

void FrmMain::tmrOpenDay_Timer() {
  switch (dayPanel_->SlideStep()) {
    case DayPanel::Slide::kOpened:
      DayMenuOpened();
      break;
    case DayPanel::Slide::kClosed:
      DayMenuClosed();
      break;
    case DayPanel::Slide::kGoingOn:
      break;
  }
}

float FrmMain::DayPanelTop() const { return dayPanel_->Top(); }

// The panel's controls take over from the ones it covers; its first goal box has the focus.
void FrmMain::DayMenuOpened() {
  dayPanel_->Opened();
  column_->SetDayMenuOpen(true);
  SetDefaultButton(dayPanel_->button(DayPanel::kUpdateTable));
}

void FrmMain::DayMenuClosed() {
  column_->SetDayMenuOpen(false);
  QPushButton* showTable = column_->button(CommandColumn::kShowCurTable);
  SetDefaultButton(showTable);
  showTable->setFocus(Qt::OtherFocusReason);
  dayPanel_->Closed();
}

// The default button is drawn as such, and Enter presses it (PressEnter).
void FrmMain::SetDefaultButton(QPushButton* button) {
  if (defaultButton_ != nullptr) defaultButton_->setDefault(false);
  defaultButton_ = button;
  defaultButton_->setDefault(true);
}

void FrmMain::Form_MouseMove() { dayPanel_->SetStripHighlight(false); }

void FrmMain::Form_KeyPress(int& key) {
  if (key == 27) ToggleDayMenu();
}

}  // namespace zak::ui
