// The main window: it owns the header line and the panels (the table, the match-day menu with
// its slide, the command column, the status strip) and wires them: start-up, the choice of
// league and day, the take-over of typed results, keys, and the commands of the window.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "control_events.h"
#include "core/outcome.h"
#include "core/program_data.h"
#include "service/data_service.h"
#include "ui/components/ctr_status_progress_bar.h"
#include "ui/components/desktop_opener.h"
#include "ui/components/message_box.h"
#include "window_clocks.h"

class QFrame;
class QLabel;
class QPushButton;

namespace zak::ui {

class CommandColumn;
class DayPanel;
class StatusStrip;
class TablePanel;

class FrmMain : public QWidget {
 public:
  // The client area that the window's outer size of 8850 x 9220 twips leaves inside a frame.
  static constexpr int kClientWidth = 8760;
  static constexpr int kClientHeight = 8660;

  FrmMain(ProgramData& data, WindowClocks clocks, QWidget* parent = nullptr);
  ~FrmMain() override;

  // The start-up, from the connection test to the first table on screen; shows the window.
  void Form_Load();
  // Downloads one league with the wait notice shown, then with showAfter shows its current
  // match day. `updateCount` is the count sent to the service (0 asks for everything); fails
  // when the league has no usable data (the loading has told why).
  Outcome<void> RefreshLeagueData(int league, bool showAfter, std::int32_t updateCount);
  // Recomputes the league's table and shows its current match day.
  bool UpdateData(int league);
  // Shows match day `day` (1-based); -1 means the current match day, written back.
  void ShowMatchDay(int league, std::int16_t& day);
  void FillDayLists(int league);
  // Switches the league on screen; true when anything was redrawn.
  bool SelectLeague(int league);
  void cmbLiga_Click(int index);
  void cmbDays_Click(int index);
  void cmdShowCurTable_Click();
  // Typing in goal box txtResults(index): `key` is a character code; 0 swallows the key. Enter
  // takes the whole day on screen over into the match data.
  void txtResults_KeyPress(int index, int& key);
  void cmdUpdateTable_Click();
  // The match-day menu: a toggle starts a slide, which always runs to its end.
  void ToggleDayMenu();
  void tmrOpenDay_Timer();
  // The mouse over the window's background; Esc (27) opens and closes the match-day menu.
  void Form_MouseMove();
  void Form_KeyPress(int& key);
  // The windows it opens, modal (frm_main_windows.cpp).
  void cmdPreferences_Click();
  void cmdStatistics_Click();
  void cmdExport_Click();
  void cmdUpdateProgram_Click();
  void cmdInfo_Click();
  void cmdHTMLExport_Click();
  // Downloads, printouts of the day in cmbDays(0), its table or both, links.
  void cmdDownloadDays_Click(int index);
  void cmdPrintDay_Click() { PrintShownDay(false, true); }
  void cmdPrintTable_Click() { PrintShownDay(true, false); }
  void cmdPrintTableDay_Click() { PrintShownDay(true, true); }
  void cmdReportBug_Click();
  void lblInfoURL_Click();
  void imgTeamLogo_Click();
  void lblMinusPoints_Click(int index);
  int CurrentLeague() const { return currentLeague_; }
  bool Offline() const { return offline_; }
  // How often a table and match day have been drawn; each user choice draws exactly once.
  int DisplayCount() const { return displayCount_; }
  // Top of the match-day panel in twips, as the slide holds it (single precision).
  float DayPanelTop() const;
  // The button that Enter presses when the focus is on no other button.
  QPushButton* DefaultButton() const { return defaultButton_; }
  MessageBoxHelper& messages() { return messages_; }
  DesktopOpener& opener() { return opener_; }
  CtrStatusProgressBar* statusBar() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void CreateHeader();
  void ConnectHandlers();
  void WatchControls();
  bool HandleKey(QObject* target, QKeyEvent* event);
  void PressEnter(QObject* target);
  void ApplyRunTimeLayout();
  void CheckVersion();
  void FillLeagueLists();
  void ShowLeagueWithoutDays(int league);
  void ShowTable(int league, int day);
  void DayMenuOpened();
  void DayMenuClosed();
  void SetDefaultButton(QPushButton* button);
  void LoadOptions();
  void PrintShownDay(bool printTable, bool printDay);
  ServiceContext Context();
  void TellStoreFailure();

  ProgramData& data_;
  WindowClocks clocks_;
  MessageBoxHelper messages_;
  std::unique_ptr<HttpGateway> gateway_;
  DesktopOpener opener_;
  ControlEvents events_;
  TablePanel* table_ = nullptr;
  CommandColumn* column_ = nullptr;
  DayPanel* dayPanel_ = nullptr;
  StatusStrip* status_ = nullptr;
  int currentLeague_ = 0;
  bool offline_ = false;
  int displayCount_ = 0;
  QPushButton* defaultButton_ = nullptr;
  // The white areas behind the header and the column (shpBackgroundTop, shpBackgroundRight),
  // and the header line.
  std::array<QFrame*, 2> shpBackground_{};
  QLabel* lblNewsLine_ = nullptr;
  QLabel* lblInfoURL_ = nullptr;
};

}  // namespace zak::ui
