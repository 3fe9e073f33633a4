// The start-up: connection test, layout, options, identity, news line, version check, the
// automatic download of every league, loading every league, and the first table on screen.
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <charconv>

#include "command_column.h"
#include "core/league_answer.h"
#include "day_panel.h"
#include "frm_main.h"
#include "service/league_loading.h"
#include "settings/identity.h"
#include "settings/settings_store.h"
#include "status_strip.h"
#include "table_panel.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"
#include "ui/components/whole_items.h"
#include "ui/components/window_title.h"

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
  LoadOptions();
  // A value that cannot be stored is told over the window, with the store's other failures.
  [[maybe_unused]] const Outcome<void> identity = CompleteIdentity(data_.identity);
  setWindowTitle(TitleLine());
  setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
  dayPanel_->PlaceClosed();
  column_->ShowStartNotice();
  status_->SetText(QStringLiteral("Lade Daten..."));
  for (QFrame* shape : shpBackground_) shape->hide();
  shpBackground_[0]->resize(shpBackground_[0]->width(), Twips(435));
  table_->PlaceRowHighlight(915 - 15);
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
  dayPanel_->cmbLiga()->setCurrentIndex(currentLeague_);
  column_->cmbLiga()->setCurrentIndex(currentLeague_);
  UpdateData(currentLeague_);
  status_->ShowReady();
  QApplication::restoreOverrideCursor();
}

// Start-up spreads the rows of the table, stacks the column from the first row down and lowers
// the header line; the designed sizes stay.
void FrmMain::ApplyRunTimeLayout() {
  table_->ApplyRunTimeLayout();
  column_->ApplyRunTimeLayout();
  MoveTopTwips(lblNewsLine_, 165);
  MoveTopTwips(lblInfoURL_, 165);
  SetForeColour(lblNewsLine_, Qt::black);
}

void FrmMain::FillLeagueLists() {
  QComboBox* lists[] = {dayPanel_->cmbLiga(), column_->cmbLiga()};
  const QSignalBlocker block0(lists[0]);
  const QSignalBlocker block1(lists[1]);
  for (QComboBox* list : lists) list->clear();
  ServiceContext context = Context();
  for (int league = 0; league < kLeagueCount; ++league) {
    // A league without data was told by the loader; its list entry stays all the same.
    [[maybe_unused]] const Outcome<void> loaded =
        LoadLeague(context, data_.teamTable, *status_, league, false, 0);
    const QString name = ToQString(GetLeagueName(league, false));
    for (QComboBox* list : lists) list->addItem(name, league);
  }
  for (QComboBox* list : lists) {
    list->setCurrentIndex(-1);
    ShowItemsWhole(list);
  }
}

Outcome<void> FrmMain::RefreshLeagueData(int league, bool showAfter, std::int32_t updateCount) {
  column_->ShowWait(true);
  QCoreApplication::processEvents();
  ServiceContext context = Context();
  Outcome<void> loaded = LoadLeague(context, data_.teamTable, *status_, league, true, updateCount);
  if (loaded && showAfter) {
    FillDayLists(league);
    std::int16_t day = -1;
    ShowMatchDay(league, day);
  }
  status_->ShowReady();
  column_->ShowWait(false);
  return loaded;
}

}  // namespace zak::ui
