// The main window: the start-up, the league table and match day on screen, the league and
// match-day choice, the status bar, the sliding match-day menu along the lower edge with the
// typing of results, and the window's commands and links.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/program_data.h"
#include "core/table_order.h"
#include "service/data_service.h"
#include "service/http_gateway.h"
#include "ui/components/ctr_status_progress_bar.h"
#include "ui/components/desktop_opener.h"
#include "ui/components/message_box.h"

namespace zak::ui {

// The clocks the window reads: today's date (the current match day depends on it) and the
// local time (the agent text of every request carries it). A test sets both.
struct WindowClocks {
  std::function<Date()> today;
  LocalClock now;
  // True when today's date was given instead of read (zak --date): the season is replayed.
  bool replay = false;
};

class FrmMain : public QWidget {
 public:
  // The client area that the window's outer size of 8850 x 9220 twips leaves inside a frame.
  static constexpr int kClientWidth = 8760;
  static constexpr int kClientHeight = 8660;

  FrmMain(ProgramData& data, WindowClocks clocks, QWidget* parent = nullptr);
  ~FrmMain() override;

  // The start-up, from the connection test to the first table on screen; shows the window.
  void Form_Load();

  // Downloads one league with the wait notice shown; with showAfter the league's current
  // match day is shown afterwards. True when the league has usable data.
  bool RefreshLeagueData(int league, bool showAfter, std::int32_t& updateCount);

  // Recomputes the league's table and shows its current match day.
  bool UpdateData(int league);
  // Shows match day `day` (1-based); -1 means the current match day, written back.
  void ShowMatchDay(int league, std::int16_t& day);
  void FillDayLists(int league);
  // Switches the league on screen; `changed` tells whether anything was redrawn.
  void SelectLeague(int league, bool& changed);

  void cmbLiga_Click(int index);
  void cmbDays_Click(int index);
  void cmdShowCurTable_Click();
  void cmdPreferences_Click();
  // The update window and the about window, modal.
  void cmdUpdateProgram_Click();
  void cmdInfo_Click();
  void cmdStatistics_Click();
  void cmdExport_Click();

  // Result editing: the goal boxes txtResults(2m) and (2m + 1) of match slot m, and the
  // take-over of the whole day on screen. `key` is a character code; 0 swallows the key.
  void txtResults_GotFocus(int index);
  void txtResults_LostFocus(int index);
  void txtResults_Change(int index);
  void txtResults_KeyPress(int index, int& key);
  void cmdUpdateTable_Click();

  // The match-day menu: a toggle starts a slide, which always runs to its end.
  void ToggleDayMenu();
  void tmrOpenDay_Timer();
  void lblDayMenu_Click() { ToggleDayMenu(); }
  void imgOpenDay_Click(int) { ToggleDayMenu(); }
  void Label20_Click() { ToggleDayMenu(); }
  // Hover: the strip lights up under the mouse; the frame follows the mouse over the table.
  void lblDayMenu_MouseMove();
  void imgOpenDay_MouseMove(int index);
  void Form_MouseMove();
  void picHideDay_MouseMove();
  void MoveRowHighlight(std::int16_t row);
  void imgDiff_MouseMove(int index);
  // Esc (27) opens and closes the match-day menu; every other key is left alone.
  void Form_KeyPress(int& key);

  // Commands and links.
  void cmdDownloadDays_Click(int index);
  void cmdReportBug_Click();
  // Print the match day selected in cmbDays(0), its table, or both.
  void cmdPrintDay_Click() { PrintShownDay(false, true); }
  void cmdPrintTable_Click() { PrintShownDay(true, false); }
  void cmdPrintTableDay_Click() { PrintShownDay(true, true); }
  void cmdHTMLExport_Click();
  void lblInfoURL_Click();
  void imgTeamLogo_Click();
  void lblMinusPoints_Click(int index);

  int CurrentLeague() const { return currentLeague_; }
  bool Offline() const { return offline_; }
  // How often a table and match day have been drawn; each user choice draws exactly once.
  int DisplayCount() const { return displayCount_; }

  // Top of the match-day panel in twips, as the slide holds it (single precision).
  float DayPanelTop() const { return dayPanelTop_; }
  // The button that Enter presses when the focus is on no other button.
  QPushButton* DefaultButton() const { return defaultButton_; }

  ProgramData& data() { return data_; }
  MessageBoxHelper& messages() { return messages_; }
  DesktopOpener& opener() { return opener_; }
  HttpGateway& gateway() { return *gateway_; }
  // The status text when nothing is under way: "Fertig", with the date in force in a replay.
  QString ReadyText() const;
  CtrStatusProgressBar* statusBar() const { return ctrStatusProgress_; }

 protected:
  // Every control reports its keys, focus changes, mouse moves and clicks here first, as the
  // window sees a key before the control that has the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void PrintShownDay(bool printTable, bool printDay);

  // What a watched control is to the window's handlers; `index` is its array index.
  enum class Role {
    kNone,
    kTableCell,
    kTrendArrow,
    kGoalBox,
    kDayMenuStrip,
    kOpenImage,
    kCloseLabel,
    kHideDay,
    kInfoURL,
    kTeamLogo,
    kMinusPoints
  };
  struct Watched {
    Role role = Role::kNone;
    int index = 0;
  };

  void CreateControls();
  void CreateTopAndHeader();
  void CreateTableRows();
  void CreateRightColumn();
  void CreateDayPanel();
  void ConnectHandlers();
  void ApplyRunTimeLayout();
  void CheckVersion();
  void FillLeagueLists();
  void ShowLeagueWithoutDays(int league);
  void DrawMatchRows(int league, int day);
  void DrawTableRows(int league, int day);
  void ShowRowCells(int row, bool visible);
  ServiceContext Context();
  void TellStoreFailure();

  void WatchControls();
  void Watch(QWidget* control, Role role, int index = 0);
  Watched WatchedAs(const QObject* object) const;
  bool HandleKey(QObject* target, QKeyEvent* event);
  bool HandleMouseMove(const Watched& control);
  bool HandleClick(const Watched& control);
  void PressEnter(QObject* target);
  void PrepareGoalBoxes();
  void SetEditMark(bool edited);
  void PrepareDayMenu();
  void MoveDayPanel(float top);
  void DayMenuOpened();
  void DayMenuClosed();
  void SetDefaultButton(QPushButton* button);
  void SetStripHighlight(bool highlighted);
  void PlaceRowHighlight(int top);
  void PrepareCommands();
  // What screen readers hear: set up once, then told with every row drawn.
  void PrepareReaders();
  void TellTableRow(int row, const TeamRow& club, Trend trend);
  void TellDeduction(int slot, int points);
  void TellMatchRow(int slot, const QString& weekday, const MatchRecord& match);
  void ForgetMatchRow(int slot);

  ProgramData& data_;
  WindowClocks clocks_;
  MessageBoxHelper messages_;
  std::unique_ptr<HttpGateway> gateway_;
  int currentLeague_ = 0;
  bool offline_ = false;
  int displayCount_ = 0;
  DesktopOpener opener_;
  QHash<const QObject*, Watched> watched_;
  // The slide: its tick count (the braking curve's angle in degrees) and the panel's Top.
  std::int16_t SlideTick_ = 0;
  float dayPanelTop_ = 8120;
  int rowHighlightTop_ = 900;
  QPushButton* defaultButton_ = nullptr;

  // Header and links.
  QLabel* lblNewsLine_ = nullptr;
  QLabel* lblInfoURL_ = nullptr;
  QLabel* imgTeamLogo_ = nullptr;
  QLabel* lblTopLineBack_ = nullptr;
  std::array<QLabel*, 9> Label6_{};
  QLabel* lblCurDay_ = nullptr;
  QFrame* shpBackgroundTop_ = nullptr;
  QFrame* shpBackgroundRight_ = nullptr;
  QFrame* Shape1_ = nullptr;

  // Table rows, indexed by row; markers by team slot; logos by league × 20 + slot.
  std::array<QLabel*, kTeamSlots> lblLineBack_{}, lblTRank_{}, lblTeam_{}, lblTDays_{}, lblTWon_{},
      lblTDraw_{}, lblTLost_{}, lblTGoalPlus_{}, Label14_{}, lblTGoalMinus_{}, lblTGoalDiff_{},
      lblTPoints_{}, imgDiff_{}, lblMinusPoints_{};
  std::array<QLabel*, kLeagueCount * kTeamSlots> imgTeam_{};
  std::array<QLabel*, 3> Image4_{};

  // Right-hand column.
  std::array<QLabel*, 3> Label1_{};
  QLabel* lblSaison_ = nullptr;
  QLabel* lblWait_ = nullptr;
  QPushButton* cmdInfo_ = nullptr;
  QPushButton* cmdReportBug_ = nullptr;
  QPushButton* cmdPreferences_ = nullptr;
  QPushButton* cmdExport_ = nullptr;
  QPushButton* cmdUpdateProgram_ = nullptr;
  QPushButton* cmdHTMLExport_ = nullptr;
  QPushButton* cmdShowCurTable_ = nullptr;
  QPushButton* cmdPrintTable_ = nullptr;
  QPushButton* cmdStatistics_ = nullptr;
  std::array<QComboBox*, 2> cmbLiga_{};
  std::array<QComboBox*, 2> cmbDays_{};
  std::array<QPushButton*, 2> cmdDownloadDays_{};

  // The match-day panel.
  QWidget* picDays_ = nullptr;
  QWidget* picHideDay_ = nullptr;
  QLabel* lblDayMenu_ = nullptr;
  std::array<QLabel*, 2> imgOpenDay_{};
  QGroupBox* fraDays_ = nullptr;
  std::array<QLineEdit*, kMatchSlots> txtDays_{};
  std::array<QLineEdit*, 2 * kMatchSlots> txtResults_{};
  std::array<QLabel*, kMatchSlots> Label4_{};
  QPushButton* cmdUpdateTable_ = nullptr;
  QPushButton* cmdPrintDay_ = nullptr;
  QPushButton* cmdPrintTableDay_ = nullptr;
  QFrame* Line1_ = nullptr;
  QLabel* Label20_ = nullptr;
  QLabel* Label21_ = nullptr;
  QTimer* tmrOpenDay_ = nullptr;

  CtrStatusProgressBar* ctrStatusProgress_ = nullptr;
};

}  // namespace zak::ui
