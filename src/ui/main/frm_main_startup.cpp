// The start-up: connection test, layout, options, identity, news line, version check, the
// automatic download of every league, loading every league, and the first table on screen.
#include <QApplication>
#include <QCursor>
#include <charconv>

#include "core/day_menu_motion.h"
#include "core/league_answer.h"
#include "core/maker.h"
#include "core/program_update.h"
#include "frm_main.h"
#include "service/league_loading.h"
#include "settings/identity.h"
#include "settings/settings_store.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"
#include "ui/components/whole_items.h"
#include "ui/components/window_title.h"
#include "ui/info/frm_update.h"
#include "ui/options/frm_options.h"

namespace zak::ui {
namespace {

// The league stored under "liga"; a text that is no league number gives the first league.
int StoredLeague() {
  const std::string text = GetSettingValue(kSectionStart, "liga", "0");
  int league = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), league);
  if (error != std::errc() || league < 0 || league >= kLeagueCount) return 0;
  return league;
}

}  // namespace

void FrmMain::Form_Load() {
  offline_ = !gateway_->IsInternetConnected();
  lblInfoURL_->setText("ZAK Homepage");
  lblNewsLine_->setText(ToQString(kDefaultNewsLine));
  ApplyRunTimeLayout();
  {
    // The settings window, loaded unseen, reads every option into the program's values.
    FrmOptions loader(data_, this);
    loader.Form_Load();
  }
  // A value that cannot be stored is told over the window, with the store's other failures.
  [[maybe_unused]] const Outcome<void> identity = CompleteIdentity(data_.identity);
  setWindowTitle(TitleLine());
  setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
  MoveDayPanel(kDayPanelClosedTop);
  MoveTopTwips(picHideDay_, kDayPanelClosedTop + 255);
  lblSaison_->setText("2014 / 2015");
  lblWait_->setText("Tabelle wird aktualisiert\r\nBitte warten...");
  lblWait_->show();
  ctrStatusProgress_->SetText(QStringLiteral("Lade Daten..."));
  shpBackgroundRight_->hide();
  shpBackgroundTop_->hide();
  shpBackgroundTop_->resize(shpBackgroundTop_->width(), Twips(435));
  PlaceRowHighlight(915 - 15);
  if (data_.options.AutoUpdate && !offline_) {
    // The news line comes from the network: it is shown as plain text only.
    lblNewsLine_->setText(ToQString(GetNewsLine(*gateway_)));
  }
  show();
  QCoreApplication::processEvents();
  // A damaged settings file, or options that could not be stored, is told over the window.
  TellStoreFailure();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  currentLeague_ = StoredLeague();
  InitRankColours(data_.rankColour);
  if (data_.options.AutoUpdate && !offline_) CheckVersion();
  if (data_.options.AutoDownload && !offline_) {
    for (int league = 0; league < kLeagueCount; ++league) {
      if (!RefreshLeagueData(league, false, data_.serverUpdateCount[league])) {
        offline_ = true;
        break;
      }
    }
  }
  FillLeagueLists();
  cmbLiga_[0]->setCurrentIndex(currentLeague_);
  cmbLiga_[1]->setCurrentIndex(currentLeague_);
  UpdateData(currentLeague_);
  ctrStatusProgress_->SetText(ReadyText());
  QApplication::restoreOverrideCursor();
}

// Start-up spreads the rows of the table and stacks the right-hand column from the first row
// down; the designed sizes stay.
void FrmMain::ApplyRunTimeLayout() {
  for (int i = 0; i < kLeagueCount * kTeamSlots; ++i) {
    MoveTopTwips(imgTeam_[i], (i % kTeamSlots) * 360 + 885);
  }
  for (int r = 0; r < kTeamSlots; ++r) {
    for (QLabel* cell : {lblLineBack_[r], lblTRank_[r], lblTeam_[r], lblTDays_[r], lblTWon_[r],
                         lblTDraw_[r], lblTLost_[r], lblTGoalPlus_[r], Label14_[r],
                         lblTGoalMinus_[r], lblTGoalDiff_[r], lblTPoints_[r]}) {
      MoveTopTwips(cell, r * 360 + 915);
    }
    MoveTopTwips(imgDiff_[r], r * 360 + 960);
  }
  struct Step {
    QWidget* control;
    int gap;
  };
  const Step column[] = {
      {Label1_[0], 0},        {Label1_[1], 360},       {Label1_[2], 360},
      {lblSaison_, 420},      {cmdInfo_, 420},         {cmdReportBug_, 360},
      {cmdPreferences_, 480}, {cmdExport_, 360},       {cmdUpdateProgram_, 360},
      {cmdHTMLExport_, 360},  {lblWait_, 360},         {cmbLiga_[1], 480},
      {cmbDays_[1], 360},     {cmdShowCurTable_, 480}, {cmdDownloadDays_[0], 360},
      {cmdPrintTable_, 540},  {cmdStatistics_, 360}};
  int top = 915;  // the Top of the first row's strip
  for (const Step& step : column) {
    top += step.gap;
    MoveTopTwips(step.control, top);
  }
  MoveTopTwips(lblCurDay_, 570);
  MoveTopTwips(lblTopLineBack_, 540);
  MoveTopTwips(lblNewsLine_, 165);
  MoveTopTwips(lblInfoURL_, 165);
  SetForeColour(lblNewsLine_, Qt::black);
  SetForeColour(lblSaison_, Qt::black);
  lblSaison_->setText("2014 / 2015");
  for (QLabel* header : Label6_) MoveTopTwips(header, 570);
}

// The program's version against the newest one: a plain character comparison, as the service
// has always been answered.
void FrmMain::CheckVersion() {
  const std::string latest = GetLatestVersionText(*gateway_);
  if (latest == kConnectionFailedText) {
    messages_.Show(
        MessageKind::kWarning,
        "Konnte keine Verbindung zum Internet herstellen, um die aktuellste Version zu prüfen.");
    return;
  }
  if (IsNewerVersionOffered(kProgramVersion, latest)) {
    messages_.Show(MessageKind::kInformation, "Eine neue Version des Programms ist verfügbar.");
    // Modeless: start-up goes on at once; the window goes when it is closed.
    auto* update = new FrmUpdate(*gateway_, messages_, opener_, this);
    update->setAttribute(Qt::WA_DeleteOnClose);
    update->Form_Load();
    update->show();
  }
}

void FrmMain::FillLeagueLists() {
  const QSignalBlocker block0(cmbLiga_[0]);
  const QSignalBlocker block1(cmbLiga_[1]);
  cmbLiga_[0]->clear();
  cmbLiga_[1]->clear();
  ServiceContext context = Context();
  for (int league = 0; league < kLeagueCount; ++league) {
    // A league without data was told by the loader; its list entry stays all the same.
    [[maybe_unused]] const Outcome<void> loaded =
        LoadLeague(context, data_.teamTable, *ctrStatusProgress_, league, false, 0);
    const QString name = ToQString(GetLeagueName(league, false));
    cmbLiga_[0]->addItem(name, league);
    cmbLiga_[1]->addItem(name, league);
  }
  cmbLiga_[0]->setCurrentIndex(-1);
  cmbLiga_[1]->setCurrentIndex(-1);
  for (QComboBox* list : cmbLiga_) ShowItemsWhole(list);
}

bool FrmMain::RefreshLeagueData(int league, bool showAfter, std::int32_t& updateCount) {
  lblWait_->show();
  QCoreApplication::processEvents();
  ServiceContext context = Context();
  const bool ok =
      LoadLeague(context, data_.teamTable, *ctrStatusProgress_, league, true, updateCount).ok();
  if (ok && showAfter) {
    FillDayLists(league);
    std::int16_t day = -1;
    ShowMatchDay(league, day);
  }
  ctrStatusProgress_->SetText(ReadyText());
  lblWait_->hide();
  return ok;
}

}  // namespace zak::ui
