// The league table: the black header strip with the column captions, twenty rows whose cells
// never move (a club is brought to a row by writing its values into the row's cells and by
// moving its logo), the trend arrows, the deduction marks and the frame that follows the mouse
// over the rows.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "control_events.h"
#include "core/program_data.h"
#include "core/table_order.h"

class QFrame;
class QLabel;

namespace zak::ui {

class TablePanel : public QWidget {
 public:
  // The panel's Top in the window's twips: the header strip's; it reaches down to the
  // match-day menu's strip.
  static constexpr int kTop = 480;

  // The cells of a row, left to right.
  enum Cell {
    kRank,
    kTeam,
    kDays,
    kWon,
    kDraw,
    kLost,
    kGoalsFor,
    kColon,
    kGoalsAgainst,
    kGoalDiff,
    kPoints,
    kCellCount
  };

  TablePanel(QWidget* window, ControlEvents& events);

  // Start-up spreads the rows over the panel and lowers the header strip.
  void ApplyRunTimeLayout();
  // The league's clubs on their rows with the rank colours; rows no club fills are hidden.
  void ShowLeague(const ProgramData& data, int league);
  // The table after match day `day` (0: before the first), with the trends since the day before.
  void ShowTable(const ProgramData& data, int league, int day, Date today);

  // The frame follows the mouse to the row under it; `top` in the window's twips.
  void MoveRowHighlight(std::int16_t row);
  void PlaceRowHighlight(int top);
  void imgDiff_MouseMove(int index);

  // The deduction mark of team slot `slot`, a link to the article.
  QLabel* lblMinusPoints(int slot) const { return lblMinusPoints_[slot]; }

 private:
  void CreateHeader();
  void CreateRows();
  void CreateLogosAndMarks();
  void WatchRows(ControlEvents& events);
  void PrepareReaders();
  void ShowRowCells(int row, bool visible);
  void ShowRow(int row, int slot, const TeamRow& club, Trend trend, const ProgramData& data,
               int league);

  int rowHighlightTop_ = 900;
  QLabel* lblTopLineBack_ = nullptr;
  std::array<QLabel*, 9> Label6_{};
  // Rows indexed by row; cells by row and Cell; markers by team slot; logos by league × 20 + slot.
  std::array<std::array<QLabel*, kCellCount>, kTeamSlots> cells_{};
  std::array<QLabel*, kTeamSlots> lblLineBack_{}, imgDiff_{}, lblMinusPoints_{};
  std::array<QLabel*, kLeagueCount * kTeamSlots> imgTeam_{};
  // The three trend pictures, unseen, that the arrows copy.
  std::array<QLabel*, 3> Image4_{};
  QFrame* Shape1_ = nullptr;
};

}  // namespace zak::ui
