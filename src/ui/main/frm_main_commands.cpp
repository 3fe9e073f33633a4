// The window's commands that open no window: the downloads of the league on screen, printing,
// and the web pages of the maker, the fan club and the deduction articles.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "command_column.h"
#include "core/maker.h"
#include "day_panel.h"
#include "frm_main.h"
#include "ui/components/qt_text.h"
#include "ui/print/print_league.h"

namespace zak::ui {

// The league on screen, asked for with update count 0 so that the service sends everything.
// The button stays disabled meanwhile, so a second click cannot start a second download;
// failures have been reported by the loading.
void FrmMain::cmdDownloadDays_Click(int index) {
  QPushButton* button = index == 0 ? column_->button(CommandColumn::kDownloadDays)
                                   : dayPanel_->button(DayPanel::kDownloadDays);
  button->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  [[maybe_unused]] const Outcome<void> refreshed = RefreshLeagueData(currentLeague_, true, 0);
  QApplication::restoreOverrideCursor();
  button->setEnabled(true);
}

// The day printed is the one selected in cmbDays(0), even when the menu's list shows another.
void FrmMain::PrintShownDay(bool printTable, bool printDay) {
  PrintLeague({dayPanel_->cmbDays()->currentIndex() + 1, currentLeague_, printTable, printDay},
              data_.matchData, data_.rankColour, clocks_.now, messages_);
}

void FrmMain::cmdReportBug_Click() { opener_.Open(ToQString(ReportPage(gateway_->ServerHost()))); }

void FrmMain::lblInfoURL_Click() { opener_.Open(ToQString(HomePage(gateway_->ServerHost()))); }

void FrmMain::imgTeamLogo_Click() { opener_.Open(ToQString(kFanClubPage)); }

// The news article on the club's point deduction.
void FrmMain::lblMinusPoints_Click(int index) {
  opener_.Open(ToQString(data_.teamTable[currentLeague_][index].NewsUrl));
}

}  // namespace zak::ui
