// The slide of the match-day menu: a timer moves the panel up over the window and back along a
// braking curve, and at the end the panel's controls take over from the ones it covers or give
// them back; the strip's hover colour.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/day_menu_motion.h"
#include "day_panel.h"
#include "ui/components/palette.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

const QColor kStripLit(255, 192, 128);
const QColor kStripPlain(224, 224, 224);

}  // namespace

// During a slide nothing changes: a slide always runs to its end, and its direction cannot be
// reversed half-way.
void DayPanel::ToggleDayMenu() {
  if (!tmrOpenDay_->isActive()) tmrOpenDay_->start();
}

// The direction lies in the close image: hidden while the panel is closed or opening.
DayPanel::Slide DayPanel::SlideStep() {
  const bool opening = imgOpenDay_[1]->isHidden();
  if (opening) {
    imgOpenDay_[0]->hide();
    lblDayMenu_->hide();
  }
  ++SlideTick_;
  MoveTo(NextDayPanelTop(top_, SlideTick_, opening));
  if (!DayPanelSlideEnded(top_, opening)) return Slide::kGoingOn;
  return opening ? Slide::kOpened : Slide::kClosed;
}

void DayPanel::MoveTo(float top) {
  top_ = top;
  move(x(), Twips(top));
}

void DayPanel::PlaceClosed() {
  MoveTo(kDayPanelClosedTop);
  MoveTopTwips(picHideDay_, kDayPanelClosedTop + 255);
}

void DayPanel::Opened() {
  SlideTick_ = 0;
  MoveTo(kDayPanelOpenTop);
  tmrOpenDay_->stop();
  SetOwnControlsEnabled(true);
  txtResults_[0]->setFocus(Qt::OtherFocusReason);
  imgOpenDay_[1]->show();
}

void DayPanel::Closed() {
  SlideTick_ = 0;
  SetOwnControlsEnabled(false);
  MoveTo(kDayPanelClosedTop);
  tmrOpenDay_->stop();
  lblDayMenu_->show();
  imgOpenDay_[0]->show();
  imgOpenDay_[1]->hide();
}

// Closed, the league list keeps no input of its own either: it is disabled with the frame.
void DayPanel::SetOwnControlsEnabled(bool open) {
  fraDays_->setEnabled(open);
  cmbDays_->setEnabled(open);
  cmbLiga_->setEnabled(open);
  for (QPushButton* button : buttons_) button->setEnabled(open);
}

// The close image lies on the open panel, where the strip is hidden: nothing to light.
void DayPanel::imgOpenDay_MouseMove(int index) {
  if (index == 0) SetStripHighlight(true);
}

void DayPanel::SetStripHighlight(bool highlighted) {
  SetBackColour(lblDayMenu_, highlighted ? kStripLit : kStripPlain);
}

}  // namespace zak::ui
