#include "frm_stats.h"

#include <QApplication>
#include <QPointer>

#include "core/season_replay.h"
#include "settings/settings_store.h"
#include "ui/components/escape_closes.h"
#include "ui/components/fonts.h"
#include "ui/components/league_lists.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"
#include "ui/drawing/chart_painting.h"

namespace zak::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                  int height) {
  auto* label =
      PlaceControl<QLabel>(parent, name, left, top, width, height, QString::fromUtf8(text));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

FrmStats::FrmStats(ProgramData& data, StatsDate date, int currentLeague, QWidget* owner)
    : QDialog(owner),
      data_(data),
      date_(std::move(date)),
      currentLeague_(currentLeague),
      owner_(owner) {
  setModal(true);
  CreateControls();
}

void FrmStats::CreateControls() {
  SetWindowFrame(this, {"frmStats", 9015, 4560, 8});
  Picture1_ = PlaceControl<PositionChartView>(this, "Picture1", 120, 120, kChartWidthTwips,
                                              kChartHeightTwips);
  Label1_ = MakeLabel(this, "Label1", "Auswahl:", 120, 4140, 690, 255);
  cmbLiga_ = PlaceControl<QComboBox>(this, "cmbLiga", 840, 4080, 1815, 315);
  cmbTeam_ = PlaceControl<QComboBox>(this, "cmbTeam", 2760, 4080, 2535, 315);
  NameList(cmbLiga_, "Liga");
  NameList(cmbTeam_, "Verein");
  Label2_ = MakeLabel(this, "Label2", "Mögliche Platzierungen sind dunkel hinterlegt", 5400, 4080,
                      3495, 315);
  Label2_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblLoadData_ = MakeLabel(this, "lblLoadData", "Lade Daten...", 3300, 1800, 2400, 360);
  lblLoadData_->setFont(SansFont(11.25, true));
  lblLoadData_->setAlignment(Qt::AlignCenter);
  cmbLiga_->setEnabled(false);
  cmbTeam_->setEnabled(false);
  Timer1_ = new QTimer(this);
  Timer1_->setObjectName("Timer1");
  Timer1_->setInterval(1);
  Timer1_->setSingleShot(true);
  connect(Timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  connect(cmbLiga_, &QComboBox::currentIndexChanged, this, [this] { cmbLiga_Click(); });
  connect(cmbTeam_, &QComboBox::currentIndexChanged, this, [this] { cmbTeam_Click(); });
  CloseOnEscape(this);
}

void FrmStats::Form_Load() {
  Timer1_->start();
  setWindowTitle(WindowCaption("Statistiken"));
  CentreOver(this, owner_);
  ListLeagues(cmbLiga_);
  FillTeams(currentLeague_);
  Picture1_->Clear();
}

void FrmStats::FillTeams(int league) {
  const QSignalBlocker blockTeams(cmbTeam_);
  cmbTeam_->clear();
  AddClubs(cmbTeam_, league);
  cmbTeam_->setCurrentIndex(-1);
}

const MatchData& FrmStats::Season() {
  if (!date_.replay) return data_.matchData;
  if (!replayed_) {
    replayed_ = std::make_unique<MatchData>(data_.matchData);
    WithholdResultsAfter(*replayed_, date_.today());
  }
  return *replayed_;
}

// The history takes a while; the window keeps processing events meanwhile and stops when it
// has been closed.
void FrmStats::Timer1_Timer() {
  Timer1_->stop();
  QPointer<FrmStats> self(this);
  const bool done = CalculatePositionHistory(data_.positionHistory, Season(), date_.today(), [&] {
    QApplication::processEvents();
    return !self.isNull() && isVisible();
  });
  if (!done) return;
  cmbLiga_->setCurrentIndex(currentLeague_);
  cmbLiga_->setEnabled(true);
  cmbTeam_->setEnabled(true);
  lblLoadData_->hide();
  loaded_ = true;
}

void FrmStats::cmbLiga_Click() {
  const int league = cmbLiga_->currentIndex();
  if (league < 0) return;
  FillTeams(league);
  const int favourite = FavouriteTeamIndex(
      GetSettingValue(kSectionHtml, FavouriteTeamKey(league), "0"), cmbTeam_->count());
  if (favourite < 0) {
    // No favourite: no club, no chart, until the user picks one.
    Picture1_->Clear();
    return;
  }
  cmbTeam_->setCurrentIndex(favourite);
}

void FrmStats::cmbTeam_Click() {
  const int league = cmbLiga_->currentIndex();
  const int team = cmbTeam_->currentIndex();
  if (league < 0 || team < 0) return;
  Picture1_->Show(BuildPositionChart(data_.positionHistory, Season(), data_.rankColour, league,
                                     team, date_.today()),
                  cmbTeam_->currentText());
  // A favourite that cannot be stored is told by the main window once this one closes.
  [[maybe_unused]] const Outcome<void> favourite =
      SaveSettingValue(kSectionHtml, FavouriteTeamKey(league), std::to_string(team));
}

}  // namespace zak::ui
