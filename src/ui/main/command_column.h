// The column on the right: the table's match day, the flag, the season, the commands, the wait
// notice, the league and match-day lists (while the match-day menu is closed) and the fan
// club's banner at its foot.
#pragma once

#include <QWidget>
#include <array>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace zak::ui {

class CommandColumn : public QWidget {
 public:
  // The column's buttons, top to bottom.
  enum Command {
    kInfo,
    kReportBug,
    kPreferences,
    kExport,
    kUpdateProgram,
    kHTMLExport,
    kShowCurTable,
    kDownloadDays,  // cmdDownloadDays(0)
    kPrintTable,
    kStatistics,
    kCommandCount
  };

  explicit CommandColumn(QWidget* window);

  // Start-up stacks the column from the first table row down; the designed sizes stay.
  void ApplyRunTimeLayout();
  // The start-up's notice, shown until the first table is on screen.
  void ShowStartNotice();
  void ShowWait(bool shown);
  // "<-  7. Spieltag", the day of the table beside it; 0: none.
  void ShowTableDay(int day);
  // While the match-day menu is open, the panel's twins take over lists and commands.
  void SetDayMenuOpen(bool open);

  QPushButton* button(Command command) const { return buttons_[command]; }
  QComboBox* cmbLiga() const { return cmbLiga_; }  // cmbLiga(1)
  QComboBox* cmbDays() const { return cmbDays_; }  // cmbDays(1)
  QLabel* imgTeamLogo() const { return imgTeamLogo_; }

 private:
  void CreateHead();
  void CreateButtons(Command first, Command last);
  void CreateListsAndWait();
  void PrepareReaders();
  // The control goes `gap` twips below the one stacked before it when start-up lays out.
  void Stack(QWidget* control, int gap) { stack_.emplace_back(control, gap); }

  // Top to bottom.
  QLabel* lblCurDay_ = nullptr;
  std::array<QLabel*, 3> Label1_{};
  QLabel* lblSaison_ = nullptr;
  std::array<QPushButton*, kCommandCount> buttons_{};
  QLabel* lblWait_ = nullptr;
  QComboBox* cmbLiga_ = nullptr;
  QComboBox* cmbDays_ = nullptr;
  QLabel* imgTeamLogo_ = nullptr;
  std::vector<std::pair<QWidget*, int>> stack_;
};

}  // namespace zak::ui
