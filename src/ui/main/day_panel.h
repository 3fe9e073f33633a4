// The match-day menu along the lower edge (picDays): a panel that a timer slides up over the
// window and back, with the match rows of the day chosen, their goal boxes, the panel's own
// league and match-day lists and its commands. While closed, only its strip shows; the box
// picHideDay below it hides the rest.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <cstdint>

#include "control_events.h"
#include "core/match_data.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace zak::ui {

class DayPanel : public QWidget {
 public:
  enum class Slide { kGoingOn, kOpened, kClosed };
  // The panel's buttons, top to bottom.
  enum Command { kUpdateTable, kDownloadDays, kPrintDay, kPrintTableDay, kCommandCount };

  DayPanel(QWidget* window, ControlEvents& events);

  // A toggle starts a slide, which always runs to its end; each tick of the timer moves the
  // panel one step and tells when the slide has ended.
  void ToggleDayMenu();
  Slide SlideStep();
  QTimer* tmrOpenDay() const { return tmrOpenDay_; }
  // Top in twips, as the slide holds it (single precision).
  float Top() const { return top_; }
  void PlaceClosed();
  // The panel's controls take over from the ones it covers, or give back.
  void Opened();
  void Closed();

  void lblDayMenu_Click() { ToggleDayMenu(); }
  void imgOpenDay_Click(int) { ToggleDayMenu(); }
  void Label20_Click() { ToggleDayMenu(); }
  // The strip lights up under the mouse.
  void lblDayMenu_MouseMove() { SetStripHighlight(true); }
  void imgOpenDay_MouseMove(int index);
  void picHideDay_MouseMove() { SetStripHighlight(false); }
  void SetStripHighlight(bool highlighted);

  // Match slot m: its row and the goal boxes txtResults(2m) and (2m + 1).
  void ShowMatch(int slot, const MatchRecord& match);
  // The rows from slot `first` on are empty.
  void HideMatches(int first);
  QString Goals(int box) const { return txtResults_[box]->text(); }
  QLineEdit* txtResults(int box) const { return txtResults_[box]; }
  void txtResults_GotFocus(int index);
  void txtResults_LostFocus(int index);
  // Every change marks the take-over button until the take-over or the next display.
  void txtResults_Change(int) { SetEditMark(true); }
  void SetEditMark(bool edited);

  QComboBox* cmbLiga() const { return cmbLiga_; }  // cmbLiga(0)
  QComboBox* cmbDays() const { return cmbDays_; }  // cmbDays(0)
  // cmdUpdateTable, cmdDownloadDays(1), cmdPrintDay, cmdPrintTableDay.
  QPushButton* button(Command command) const { return buttons_[command]; }

 private:
  void CreateStrips();
  void CreateMatchRows();
  void CreateCommands();
  void PrepareGoalBoxes();
  void Watch(ControlEvents& events);
  void PrepareReaders();
  void MoveTo(float top);
  void SetOwnControlsEnabled(bool open);
  void TellMatchRow(int slot, const QString& weekday, const MatchRecord& match);
  void ForgetMatchRow(int slot);

  // Top to bottom: the strip, the notice behind the frame, the frame and the commands beside
  // it, the foot; the images lie on the strips.
  QLabel* lblDayMenu_ = nullptr;
  std::array<QLabel*, 2> imgOpenDay_{};
  QLabel* Label21_ = nullptr;
  QGroupBox* fraDays_ = nullptr;
  QComboBox* cmbDays_ = nullptr;
  QComboBox* cmbLiga_ = nullptr;
  std::array<QLineEdit*, kMatchSlots> txtDays_{};
  std::array<QLineEdit*, 2 * kMatchSlots> txtResults_{};
  std::array<QLabel*, kMatchSlots> Label4_{};
  std::array<QPushButton*, kCommandCount> buttons_{};
  QFrame* Line1_ = nullptr;
  QLabel* Label20_ = nullptr;
  QWidget* picHideDay_ = nullptr;
  // The slide: its timer, its tick count (the braking curve's angle in degrees) and the
  // panel's Top.
  std::int16_t SlideTick_ = 0;
  float top_ = 8120;
  QTimer* tmrOpenDay_ = nullptr;
};

}  // namespace zak::ui
