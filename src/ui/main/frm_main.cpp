#include "frm_main.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "command_column.h"
#include "day_panel.h"
#include "main_controls.h"
#include "service/league_loading.h"
#include "settings/settings_store.h"
#include "status_strip.h"
#include "table_panel.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/pictures.h"
#include "ui/components/reader_tree.h"
#include "ui/components/twips.h"

namespace zak::ui {

FrmMain::FrmMain(ProgramData& data, WindowClocks clocks, QWidget* parent)
    : QWidget(parent),
      data_(data),
      clocks_(std::move(clocks)),
      messages_(this),
      gateway_(std::make_unique<HttpGateway>(data.options, data.identity, clocks_.now,
                                             [] { QCoreApplication::processEvents(); })) {
  setObjectName("frmMain");
  setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
  SetBackColour(this, kFaceColour);
  setFont(SansFont(8));
  // Created in this order, which is the order of Tab and of what lies over what.
  CreateHeader();
  table_ = new TablePanel(this, events_);
  column_ = new CommandColumn(this);
  dayPanel_ = new DayPanel(this, events_);
  status_ = new StatusStrip(this, clocks_.today, clocks_.replay);
  SetDefaultButton(column_->button(CommandColumn::kShowCurTable));
  WatchControls();
  ConnectHandlers();
  setWindowIcon(QIcon(RenderPicture(kProgramIcon, 64, 64)));
}

FrmMain::~FrmMain() = default;

// The white areas behind the header and the column, and the header line: the news and the
// link to the homepage.
void FrmMain::CreateHeader() {
  shpBackground_[0] = MakeShape(this, "shpBackgroundTop", 0, 0, 8760, 855);
  SetBackColour(shpBackground_[0], QColor(255, 255, 255));
  shpBackground_[1] = MakeShape(this, "shpBackgroundRight", 6720, 0, 2040, 8120);
  SetBackColour(shpBackground_[1], QColor(255, 255, 255));
  lblNewsLine_ = MakeLabel(this, "lblNewsLine", "", 300, 120, 6315, 255);
  lblNewsLine_->setFont(SansFont(8.25, true));
  SetForeColour(lblNewsLine_, QColor(0, 0, 128));
  lblInfoURL_ = MakeLabel(this, "lblInfoURL", "", 6840, 120, 1815, 255, Qt::AlignRight);
  lblInfoURL_->setToolTip("Gehe zur offiziellen Seite der Zakliste");
  QFont link = SansFont(8.25);
  link.setUnderline(true);
  lblInfoURL_->setFont(link);
  SetForeColour(lblInfoURL_, QColor(0, 0, 255));
  lblInfoURL_->setCursor(Qt::PointingHandCursor);
  for (QFrame* shape : shpBackground_) HideFromReaders(shape);
  MakeReaderCommand(lblInfoURL_, CommandKind::kLink, "ZAK Homepage");
}

void FrmMain::ConnectHandlers() {
  for (int i = 0; i < 2; ++i) {
    QComboBox* liga = i == 0 ? dayPanel_->cmbLiga() : column_->cmbLiga();
    QComboBox* days = i == 0 ? dayPanel_->cmbDays() : column_->cmbDays();
    connect(liga, &QComboBox::currentIndexChanged, this, [this, i] { cmbLiga_Click(i); });
    connect(days, &QComboBox::currentIndexChanged, this, [this, i] { cmbDays_Click(i); });
    QPushButton* download = i == 0 ? column_->button(CommandColumn::kDownloadDays)
                                   : dayPanel_->button(DayPanel::kDownloadDays);
    connect(download, &QPushButton::clicked, this, [this, i] { cmdDownloadDays_Click(i); });
  }
  using Column = CommandColumn;
  const std::pair<QPushButton*, void (FrmMain::*)()> commands[] = {
      {column_->button(Column::kShowCurTable), &FrmMain::cmdShowCurTable_Click},
      {column_->button(Column::kPreferences), &FrmMain::cmdPreferences_Click},
      {column_->button(Column::kStatistics), &FrmMain::cmdStatistics_Click},
      {column_->button(Column::kExport), &FrmMain::cmdExport_Click},
      {column_->button(Column::kReportBug), &FrmMain::cmdReportBug_Click},
      {column_->button(Column::kPrintTable), &FrmMain::cmdPrintTable_Click},
      {column_->button(Column::kUpdateProgram), &FrmMain::cmdUpdateProgram_Click},
      {column_->button(Column::kInfo), &FrmMain::cmdInfo_Click},
      {column_->button(Column::kHTMLExport), &FrmMain::cmdHTMLExport_Click},
      {dayPanel_->button(DayPanel::kUpdateTable), &FrmMain::cmdUpdateTable_Click},
      {dayPanel_->button(DayPanel::kPrintDay), &FrmMain::cmdPrintDay_Click},
      {dayPanel_->button(DayPanel::kPrintTableDay), &FrmMain::cmdPrintTableDay_Click}};
  for (const auto& [button, handler] : commands) {
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
  }
  connect(dayPanel_->tmrOpenDay(), &QTimer::timeout, this, [this] { tmrOpenDay_Timer(); });
}

ServiceContext FrmMain::Context() {
  return ServiceContext{data_, *gateway_, messages_, clocks_.today};
}

// After anything that stores (a choice, a take-over, a window closed): a failed write of the
// settings is told once a run.
void FrmMain::TellStoreFailure() {
  ServiceContext context = Context();
  zak::TellStoreFailure(context);
}

// Both league lists hold the same entries; a choice in one selects the same entry in the other,
// whose event then finds both equal and switches the league, so it is drawn once.
void FrmMain::cmbLiga_Click(int index) {
  QComboBox* lists[] = {dayPanel_->cmbLiga(), column_->cmbLiga()};
  const int s0 = lists[0]->currentIndex();
  const int s1 = lists[1]->currentIndex();
  if (s0 != s1) {
    lists[1 - index]->setCurrentIndex(lists[index]->currentIndex());
    return;
  }
  if (s0 < 0) return;
  SelectLeague(s0);
}

bool FrmMain::SelectLeague(int league) {
  if (league == currentLeague_) return false;
  currentLeague_ = league;
  const bool changed = UpdateData(league);
  if (!SaveSettingValue(kSectionStart, "liga", std::to_string(currentLeague_))) TellStoreFailure();
  table_->PlaceRowHighlight(915 - 15);
  return changed;
}

void FrmMain::cmbDays_Click(int index) {
  QComboBox* list = index == 0 ? dayPanel_->cmbDays() : column_->cmbDays();
  const int position = list->currentIndex();
  if (position < 0) return;
  std::int16_t day = static_cast<std::int16_t>(position + 1);
  ShowMatchDay(currentLeague_, day);
}

void FrmMain::cmdShowCurTable_Click() {
  std::int16_t day = -1;
  ShowMatchDay(currentLeague_, day);
}

CtrStatusProgressBar* FrmMain::statusBar() const { return status_; }

}  // namespace zak::ui
