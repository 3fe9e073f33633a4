// How the window hears its controls: every control reports to the window first, which turns
// keys into the window's key handler and the control's, and mouse moves, clicks and focus
// changes into the handlers named after the control (ControlEvents).
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "command_column.h"
#include "day_panel.h"
#include "frm_main.h"
#include "table_panel.h"

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

// The panels have told their own handlers; the window adds those of its commands.
void FrmMain::WatchControls() {
  // Every control of ours sees its keys through the window first.
  for (QWidget* control : findChildren<QWidget*>()) {
    const QString name = control->objectName();
    if (!name.isEmpty() && !name.startsWith("qt_")) control->installEventFilter(this);
  }
  for (int i = 0; i < 2 * kMatchSlots; ++i) {
    events_.OnKeyPress(dayPanel_->txtResults(i),
                       [this, i](int& key) { txtResults_KeyPress(i, key); });
  }
  events_.OnClick(lblInfoURL_, [this] { lblInfoURL_Click(); });
  events_.OnClick(column_->imgTeamLogo(), [this] { imgTeamLogo_Click(); });
  for (int t = 0; t < kTeamSlots; ++t) {
    events_.OnClick(table_->lblMinusPoints(t), [this, t] { lblMinusPoints_Click(t); });
  }
  // Mouse moves over the window's own background.
  setMouseTracking(true);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    return HandleKey(watched, static_cast<QKeyEvent*>(event));
  }
  return events_.Handle(watched, event) || QWidget::eventFilter(watched, event);
}

bool FrmMain::HandleKey(QObject* target, QKeyEvent* event) {
  int key = KeyCode(*event);
  if (key == 0) return false;
  Form_KeyPress(key);
  // Esc belongs to the window alone; no control acts on it.
  if (key == 27) return true;
  if (const std::function<void(int&)>* keyPress = events_.KeyHandler(target)) {
    (*keyPress)(key);
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

}  // namespace zak::ui
