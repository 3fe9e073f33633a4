#include "frm_main.h"

#include <QCoreApplication>

#include "core/maker.h"
#include "core/season_replay.h"
#include "service/league_loading.h"
#include "settings/settings_store.h"
#include "ui/components/pictures.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"
#include "ui/datafile/frm_export.h"
#include "ui/options/frm_options.h"
#include "ui/stats/frm_stats.h"

namespace zak::ui {

FrmMain::FrmMain(ProgramData& data, WindowClocks clocks, QWidget* parent)
    : QWidget(parent),
      data_(data),
      clocks_(std::move(clocks)),
      messages_(this),
      gateway_(std::make_unique<HttpGateway>(data.options, data.identity, clocks_.now,
                                             [] { QCoreApplication::processEvents(); })) {
  CreateControls();
  PrepareGoalBoxes();
  PrepareDayMenu();
  PrepareCommands();
  WatchControls();
  PrepareReaders();
  ConnectHandlers();
  setWindowIcon(QIcon(RenderPicture(kProgramIcon, 64, 64)));
}

FrmMain::~FrmMain() = default;

ServiceContext FrmMain::Context() {
  return ServiceContext{data_, *gateway_, messages_, clocks_.today};
}

// After anything that stores (a choice, a take-over, a window closed): a failed write of the
// settings is told once a run.
void FrmMain::TellStoreFailure() {
  ServiceContext context = Context();
  zak::TellStoreFailure(context);
}

void FrmMain::ConnectHandlers() {
  for (int i = 0; i < 2; ++i) {
    connect(cmbLiga_[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbLiga_Click(i); });
    connect(cmbDays_[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbDays_Click(i); });
  }
  connect(cmdShowCurTable_, &QPushButton::clicked, this, [this] { cmdShowCurTable_Click(); });
  connect(cmdPreferences_, &QPushButton::clicked, this, [this] { cmdPreferences_Click(); });
  connect(cmdStatistics_, &QPushButton::clicked, this, [this] { cmdStatistics_Click(); });
  connect(cmdExport_, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
}

// Both league lists hold the same entries; a choice in one selects the same entry in the other,
// whose event then finds both equal and switches the league, so it is drawn once.
void FrmMain::cmbLiga_Click(int index) {
  const int s0 = cmbLiga_[0]->currentIndex();
  const int s1 = cmbLiga_[1]->currentIndex();
  if (s0 != s1) {
    if (index == 0) cmbLiga_[1]->setCurrentIndex(s0);
    if (index == 1) cmbLiga_[0]->setCurrentIndex(s1);
    return;
  }
  if (s0 < 0) return;
  bool changed = false;
  SelectLeague(cmbLiga_[index]->currentIndex(), changed);
}

void FrmMain::SelectLeague(int league, bool& changed) {
  changed = false;
  if (league == currentLeague_) return;
  currentLeague_ = league;
  changed = UpdateData(league);
  if (!SaveSettingValue(kSectionStart, "liga", std::to_string(currentLeague_))) TellStoreFailure();
  PlaceRowHighlight(915 - 15);
}

void FrmMain::cmbDays_Click(int index) {
  const int position = cmbDays_[index]->currentIndex();
  if (position < 0) return;
  std::int16_t day = static_cast<std::int16_t>(position + 1);
  ShowMatchDay(currentLeague_, day);
}

void FrmMain::cmdShowCurTable_Click() {
  std::int16_t day = -1;
  ShowMatchDay(currentLeague_, day);
}

void FrmMain::cmdPreferences_Click() {
  FrmOptions options(data_, this);
  options.Form_Load();
  options.exec();
  TellStoreFailure();
}

void FrmMain::cmdStatistics_Click() {
  FrmStats stats(data_, StatsDate{clocks_.today, clocks_.replay}, currentLeague_, this);
  stats.Form_Load();
  stats.exec();
  TellStoreFailure();
}

QString FrmMain::ReadyText() const {
  if (!clocks_.replay) return QStringLiteral("Fertig");
  return QStringLiteral("Fertig (Stand %1)").arg(ToQString(GermanDate(clocks_.today())));
}

// The data file window; after an import it reloads the leagues with this window's status bar
// and lets this window show its league again.
void FrmMain::cmdExport_Click() {
  FrmExport window(
      Context(), *ctrStatusProgress_, [this] { UpdateData(currentLeague_); }, this);
  window.Form_Load();
  window.exec();
  TellStoreFailure();
}

}  // namespace zak::ui
