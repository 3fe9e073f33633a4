// The match-day menu along the lower edge: a panel that a timer slides up over the window and
// back, switching the controls it covers to their twins inside it; the strip's hover colour;
// and the frame that follows the mouse over the rows of the table.
#include "core/day_menu_motion.h"
#include "frm_main.h"
#include "ui/components/palette.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

const QColor kStripLit(255, 192, 128);
const QColor kStripPlain(224, 224, 224);

}  // namespace

void FrmMain::PrepareDayMenu() {
  tmrOpenDay_ = new QTimer(this);
  tmrOpenDay_->setObjectName("tmrOpenDay");
  tmrOpenDay_->setTimerType(Qt::PreciseTimer);
  tmrOpenDay_->setInterval(kDayMenuTickMs);
  connect(tmrOpenDay_, &QTimer::timeout, this, [this] { tmrOpenDay_Timer(); });
  // Closed: the panel's own lists take no input until it opens; its league list is enabled
  // but lies in the disabled frame.
  cmbDays_[0]->setEnabled(false);
  SetDefaultButton(cmdShowCurTable_);
}

// Starts a slide; during a slide nothing changes: a slide always runs to its end, and its
// direction cannot be reversed half-way.
void FrmMain::ToggleDayMenu() {
  if (!tmrOpenDay_->isActive()) tmrOpenDay_->start();
}

// The direction lies in the close image: hidden while the panel is closed or opening.
void FrmMain::tmrOpenDay_Timer() {
  const bool opening = imgOpenDay_[1]->isHidden();
  if (opening) {
    imgOpenDay_[0]->hide();
    lblDayMenu_->hide();
  }
  ++SlideTick_;
  MoveDayPanel(NextDayPanelTop(dayPanelTop_, SlideTick_, opening));
  if (!DayPanelSlideEnded(dayPanelTop_, opening)) return;
  if (opening) {
    DayMenuOpened();
  } else {
    DayMenuClosed();
  }
}

void FrmMain::MoveDayPanel(float top) {
  dayPanelTop_ = top;
  picDays_->move(picDays_->x(), Twips(top));
}

// The panel's controls take over from the ones it covers.
void FrmMain::DayMenuOpened() {
  SlideTick_ = 0;
  MoveDayPanel(kDayPanelOpenTop);
  tmrOpenDay_->stop();
  fraDays_->setEnabled(true);
  cmbDays_[0]->setEnabled(true);
  cmbDays_[1]->setEnabled(false);
  cmbLiga_[0]->setEnabled(true);
  cmbLiga_[1]->setEnabled(false);
  SetDefaultButton(cmdUpdateTable_);
  cmdUpdateTable_->setEnabled(true);
  cmdPrintDay_->setEnabled(true);
  cmdDownloadDays_[0]->setEnabled(false);
  cmdDownloadDays_[1]->setEnabled(true);
  cmdPrintTableDay_->setEnabled(true);
  cmdShowCurTable_->setEnabled(false);
  cmdPrintTable_->setEnabled(false);
  txtResults_[0]->setFocus(Qt::OtherFocusReason);
  imgOpenDay_[1]->show();
  for (QPushButton* button : {cmdInfo_, cmdPreferences_, cmdUpdateProgram_}) {
    button->setFocusPolicy(Qt::ClickFocus);  // out of the tab order, still clickable
  }
  imgTeamLogo_->setFocusPolicy(Qt::NoFocus);  // the panel covers the banner
  cmdStatistics_->setEnabled(false);
}

void FrmMain::DayMenuClosed() {
  SlideTick_ = 0;
  cmbDays_[0]->setEnabled(false);
  cmbDays_[1]->setEnabled(true);
  cmbLiga_[0]->setEnabled(false);
  cmbLiga_[1]->setEnabled(true);
  fraDays_->setEnabled(false);
  cmdDownloadDays_[0]->setEnabled(true);
  cmdDownloadDays_[1]->setEnabled(false);
  cmdPrintTable_->setEnabled(true);
  cmdUpdateTable_->setEnabled(false);
  SetDefaultButton(cmdShowCurTable_);
  cmdShowCurTable_->setEnabled(true);
  cmdShowCurTable_->setFocus(Qt::OtherFocusReason);
  MoveDayPanel(kDayPanelClosedTop);
  tmrOpenDay_->stop();
  lblDayMenu_->show();
  cmdPrintDay_->setEnabled(false);
  cmdPrintTableDay_->setEnabled(false);
  imgOpenDay_[0]->show();
  imgOpenDay_[1]->hide();
  for (QPushButton* button : {cmdInfo_, cmdPreferences_, cmdUpdateProgram_}) {
    button->setFocusPolicy(Qt::StrongFocus);
  }
  imgTeamLogo_->setFocusPolicy(Qt::TabFocus);
  cmdStatistics_->setEnabled(true);
}

// The default button is drawn as such, and Enter presses it (PressEnter).
void FrmMain::SetDefaultButton(QPushButton* button) {
  if (defaultButton_ != nullptr) defaultButton_->setDefault(false);
  defaultButton_ = button;
  defaultButton_->setDefault(true);
}

void FrmMain::lblDayMenu_MouseMove() { SetStripHighlight(true); }

// The close image lies on the open panel, where the strip is hidden: nothing to light.
void FrmMain::imgOpenDay_MouseMove(int index) {
  if (index == 0) SetStripHighlight(true);
}

void FrmMain::Form_MouseMove() { SetStripHighlight(false); }

void FrmMain::picHideDay_MouseMove() { SetStripHighlight(false); }

void FrmMain::SetStripHighlight(bool highlighted) {
  SetBackColour(lblDayMenu_, highlighted ? kStripLit : kStripPlain);
}

void FrmMain::MoveRowHighlight(std::int16_t row) {
  const int target = RowHighlightTop(row);
  if (rowHighlightTop_ != target) PlaceRowHighlight(target);
}

void FrmMain::PlaceRowHighlight(int top) {
  rowHighlightTop_ = top;
  MoveTopTwips(Shape1_, top);
}

// The trend arrow lies 45 twips below its row's top: its Top maps back to the row, halves
// going to the even row.
void FrmMain::imgDiff_MouseMove(int index) {
  const int top = imgDiff_[index]->y() * kTwipsPerPixel;
  MoveRowHighlight(static_cast<std::int16_t>(RowOfTrendArrow(top)));
}

void FrmMain::Form_KeyPress(int& key) {
  if (key == 27) ToggleDayMenu();
}

}  // namespace zak::ui
