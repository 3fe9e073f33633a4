// The window's commands and links: the downloads of the league on screen, the web pages of
// the maker, the fan club and the deduction articles, printing, and the commands of windows still
// to come.
#include <QApplication>
#include <algorithm>

#include "core/maker.h"
#include "frm_main.h"
#include "ui/components/qt_text.h"
#include "ui/html/frm_html.h"
#include "ui/info/frm_info.h"
#include "ui/info/frm_update.h"
#include "ui/print/print_league.h"

namespace zak::ui {

void FrmMain::PrepareCommands() {
  for (int i = 0; i < 2; ++i) {
    connect(cmdDownloadDays_[i], &QPushButton::clicked, this,
            [this, i] { cmdDownloadDays_Click(i); });
  }
  connect(cmdUpdateTable_, &QPushButton::clicked, this, [this] { cmdUpdateTable_Click(); });
  connect(cmdReportBug_, &QPushButton::clicked, this, [this] { cmdReportBug_Click(); });
  connect(cmdPrintDay_, &QPushButton::clicked, this, [this] { cmdPrintDay_Click(); });
  connect(cmdPrintTable_, &QPushButton::clicked, this, [this] { cmdPrintTable_Click(); });
  connect(cmdPrintTableDay_, &QPushButton::clicked, this, [this] { cmdPrintTableDay_Click(); });
  connect(cmdUpdateProgram_, &QPushButton::clicked, this, [this] { cmdUpdateProgram_Click(); });
  connect(cmdInfo_, &QPushButton::clicked, this, [this] { cmdInfo_Click(); });
  connect(cmdHTMLExport_, &QPushButton::clicked, this, [this] { cmdHTMLExport_Click(); });
}

// The league on screen, asked for with update count 0 so that the service sends everything.
// The button stays disabled meanwhile, so a second click cannot start a second download;
// failures have been reported by the loading.
void FrmMain::cmdDownloadDays_Click(int index) {
  cmdDownloadDays_[index]->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::int32_t updateCount = 0;
  RefreshLeagueData(currentLeague_, true, updateCount);
  QApplication::restoreOverrideCursor();
  cmdDownloadDays_[index]->setEnabled(true);
}

// The day printed is the one selected in cmbDays(0), even when the menu's list shows another.
void FrmMain::PrintShownDay(bool printTable, bool printDay) {
  PrintLeague({cmbDays_[0]->currentIndex() + 1, currentLeague_, printTable, printDay},
              data_.matchData, data_.rankColour, clocks_.now, messages_);
}

void FrmMain::cmdUpdateProgram_Click() {
  FrmUpdate window(*gateway_, messages_, opener_, this);
  window.Form_Load();
  window.exec();
}

void FrmMain::cmdInfo_Click() {
  FrmInfo window(opener_, gateway_->ServerHost(), this);
  window.Form_Load();
  window.exec();
}

// The export starts from the league and the day on screen.
void FrmMain::cmdHTMLExport_Click() {
  FrmHtml window(data_, currentLeague_, cmbDays_[0]->currentIndex(), clocks_.today(),
                 gateway_->ServerHost(), this);
  window.Form_Load();
  window.exec();
  TellStoreFailure();
}

void FrmMain::cmdReportBug_Click() { opener_.Open(ToQString(ReportPage(gateway_->ServerHost()))); }

void FrmMain::lblInfoURL_Click() { opener_.Open(ToQString(HomePage(gateway_->ServerHost()))); }

void FrmMain::imgTeamLogo_Click() { opener_.Open(ToQString(kFanClubPage)); }

// The news article on the club's point deduction.
void FrmMain::lblMinusPoints_Click(int index) {
  opener_.Open(ToQString(data_.teamTable[currentLeague_][index].NewsUrl));
}

}  // namespace zak::ui
