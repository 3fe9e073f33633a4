// The commands that open the other windows, each from what this window shows (after a window
// that stores, a failed write of the settings is told), and the update window that the version
// check at start-up opens.
#include <QComboBox>

#include "core/maker.h"
#include "core/program_update.h"
#include "day_panel.h"
#include "frm_main.h"
#include "status_strip.h"
#include "ui/datafile/frm_export.h"
#include "ui/html/frm_html.h"
#include "ui/info/frm_info.h"
#include "ui/info/frm_update.h"
#include "ui/options/frm_options.h"
#include "ui/stats/frm_stats.h"

namespace zak::ui {

// The settings window, loaded unseen, reads every option into the program's values.
void FrmMain::LoadOptions() {
  FrmOptions loader(data_, this);
  loader.Form_Load();
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

// The data file window; after an import it reloads the leagues with this window's status bar
// and lets this window show its league again.
void FrmMain::cmdExport_Click() {
  FrmExport window(
      Context(), *status_, [this] { UpdateData(currentLeague_); }, this);
  window.Form_Load();
  window.exec();
  TellStoreFailure();
}

// The export starts from the league and the day on screen.
void FrmMain::cmdHTMLExport_Click() {
  FrmHtml window(data_, currentLeague_, dayPanel_->cmbDays()->currentIndex(), clocks_.today(),
                 gateway_->ServerHost(), this);
  window.Form_Load();
  window.exec();
  TellStoreFailure();
}

void FrmMain::cmdUpdateProgram_Click() {
  FrmUpdate window(*gateway_, messages_, opener_, this);
  window.Form_Load();
  window.exec();
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

void FrmMain::cmdInfo_Click() {
  FrmInfo window(opener_, gateway_->ServerHost(), this);
  window.Form_Load();
  window.exec();
}

}  // namespace zak::ui
