// How the window hears its controls: every control reports to the window first, which turns
// keys, focus changes, mouse moves and clicks into the handlers named after the control.
#include <QKeyEvent>
#include <QMouseEvent>

#include "frm_main.h"

namespace zak::ui {
namespace {

// The character code of a key that types a character, as the key handlers see it: 13 Enter,
// 8 Backspace, 27 Esc, otherwise the character itself. 0 for keys that type nothing (arrows,
// Delete, Tab and the like), which the handlers never see.
int KeyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return 0;
    default:
      return event.text().size() == 1 ? event.text().front().unicode() : 0;
  }
}

}  // namespace

void FrmMain::WatchControls() {
  // Every control of ours sees its keys through the window first.
  for (QWidget* control : findChildren<QWidget*>()) {
    const QString name = control->objectName();
    if (!name.isEmpty() && !name.startsWith("qt_")) control->installEventFilter(this);
  }
  for (int r = 0; r < kTeamSlots; ++r) {
    for (QLabel* cell :
         {lblLineBack_[r], lblTRank_[r], lblTeam_[r], lblTWon_[r], lblTDraw_[r], lblTLost_[r],
          lblTGoalPlus_[r], lblTGoalMinus_[r], lblTGoalDiff_[r], lblTPoints_[r], lblTDays_[r]}) {
      Watch(cell, Role::kTableCell, r);
    }
    Watch(imgDiff_[r], Role::kTrendArrow, r);
    Watch(lblMinusPoints_[r], Role::kMinusPoints, r);
  }
  for (int i = 0; i < 2 * kMatchSlots; ++i) Watch(txtResults_[i], Role::kGoalBox, i);
  Watch(lblDayMenu_, Role::kDayMenuStrip);
  Watch(imgOpenDay_[0], Role::kOpenImage, 0);
  Watch(imgOpenDay_[1], Role::kOpenImage, 1);
  Watch(Label20_, Role::kCloseLabel);
  Watch(picHideDay_, Role::kHideDay);
  Watch(lblInfoURL_, Role::kInfoURL);
  Watch(imgTeamLogo_, Role::kTeamLogo);
  // Mouse moves over the window's own background.
  setMouseTracking(true);
}

void FrmMain::Watch(QWidget* control, Role role, int index) {
  watched_.insert(control, Watched{role, index});
  control->setMouseTracking(true);
}

FrmMain::Watched FrmMain::WatchedAs(const QObject* object) const {
  return watched_.value(object, Watched{});
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  const Watched control = WatchedAs(watched);
  switch (event->type()) {
    case QEvent::KeyPress:
      return HandleKey(watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      if (control.role == Role::kGoalBox) txtResults_GotFocus(control.index);
      break;
    case QEvent::FocusOut:
      if (control.role == Role::kGoalBox) txtResults_LostFocus(control.index);
      break;
    case QEvent::MouseMove:
      return HandleMouseMove(control);
    case QEvent::MouseButtonRelease: {
      // A click: the left button released over the control it was pressed on.
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const auto* widget = static_cast<QWidget*>(watched);
      if (mouse->button() == Qt::LeftButton &&
          widget->rect().contains(mouse->position().toPoint())) {
        return HandleClick(control);
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool FrmMain::HandleKey(QObject* target, QKeyEvent* event) {
  int key = KeyCode(*event);
  if (key == 0) return false;
  Form_KeyPress(key);
  // Esc belongs to the window alone; no control acts on it.
  if (key == 27) return true;
  const Watched control = WatchedAs(target);
  if (control.role == Role::kGoalBox) {
    txtResults_KeyPress(control.index, key);
    return key == 0;
  }
  if (key == 13) {
    PressEnter(target);
    return true;
  }
  return false;
}

// Enter presses the button that has the focus (the key's target), else the default button.
void FrmMain::PressEnter(QObject* target) {
  auto* focused = qobject_cast<QPushButton*>(target);
  QPushButton* button = focused != nullptr ? focused : defaultButton_;
  if (button != nullptr && button->isEnabled() && !button->isHidden()) button->click();
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(this, event)) QWidget::keyPressEvent(event);
}

void FrmMain::mouseMoveEvent(QMouseEvent*) { Form_MouseMove(); }

bool FrmMain::HandleMouseMove(const Watched& control) {
  switch (control.role) {
    case Role::kTableCell:
      MoveRowHighlight(static_cast<std::int16_t>(control.index));
      return true;
    case Role::kTrendArrow:
      imgDiff_MouseMove(control.index);
      return true;
    case Role::kDayMenuStrip:
      lblDayMenu_MouseMove();
      return true;
    case Role::kOpenImage:
      imgOpenDay_MouseMove(control.index);
      return true;
    case Role::kHideDay:
      picHideDay_MouseMove();
      return true;
    default:
      return false;
  }
}

bool FrmMain::HandleClick(const Watched& control) {
  switch (control.role) {
    case Role::kDayMenuStrip:
      lblDayMenu_Click();
      return true;
    case Role::kOpenImage:
      imgOpenDay_Click(control.index);
      return true;
    case Role::kCloseLabel:
      Label20_Click();
      return true;
    case Role::kInfoURL:
      lblInfoURL_Click();
      return true;
    case Role::kTeamLogo:
      imgTeamLogo_Click();
      return true;
    case Role::kMinusPoints:
      lblMinusPoints_Click(control.index);
      return true;
    default:
      return false;
  }
}

}  // namespace zak::ui
