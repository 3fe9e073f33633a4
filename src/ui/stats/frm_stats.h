// The statistics window: a league and a club to choose, and the club's position chart. Opening
// computes the position history of every league once, while "Lade Daten..." shows.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/program_data.h"
#include "position_chart_view.h"

namespace zak::ui {

// How the window learns today's date. `replay`: the date was given rather than read from the
// clock, so results of matches after that day are not known yet.
struct StatsDate {
  std::function<Date()> today;
  bool replay = false;
};

class FrmStats : public QDialog {
 public:
  // `currentLeague` is the league the main window shows; `owner` the window to centre over.
  FrmStats(ProgramData& data, StatsDate date, int currentLeague, QWidget* owner);

  // Caption, centring, the lists of leagues and of the current league's clubs; starts Timer1.
  void Form_Load();
  // The one-shot loading step: the position history, then the current league is chosen.
  void Timer1_Timer();
  void cmbLiga_Click();
  void cmbTeam_Click();

  // True once the loading step has run to its end.
  bool loaded() const { return loaded_; }

 private:
  void CreateControls();
  void FillTeams(int league);
  // The match data as far as the statistics may know it on today's date.
  const MatchData& Season();

  ProgramData& data_;
  StatsDate date_;
  int currentLeague_;
  QWidget* owner_;
  bool loaded_ = false;
  // In a replay, a copy of the match data without the results not known on that day.
  std::unique_ptr<MatchData> replayed_;
  PositionChartView* Picture1_ = nullptr;
  QLabel* Label1_ = nullptr;
  QLabel* Label2_ = nullptr;
  QLabel* lblLoadData_ = nullptr;
  QComboBox* cmbLiga_ = nullptr;
  QComboBox* cmbTeam_ = nullptr;
  QTimer* Timer1_ = nullptr;
};

}  // namespace zak::ui
