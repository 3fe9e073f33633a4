// zak: the desktop program. Owns the program-wide data and the clocks, and hands both to the
// main window, whose start-up does the rest.
//
// zak --date YYYY-MM-DD takes that date as today's: the current match days follow from it, and
// the statistics show the season as it stood at the end of that day.
#include <QApplication>
#include <iostream>

#include "core/local_clock.h"
#include "core/program_data.h"
#include "core/season_replay.h"
#include "settings/store_lock.h"
#include "ui/components/message_box.h"
#include "ui/components/qt_german.h"
#include "ui/main/frm_main.h"

namespace {

// The clocks from the command line; a failure with the usage line when it holds anything but a
// valid --date.
zak::Outcome<zak::ui::WindowClocks> ClocksFromArguments(const QStringList& arguments) {
  zak::ui::WindowClocks clocks{zak::LocalToday, zak::LocalNow};
  if (arguments.size() == 1) return clocks;
  const zak::Failure usage = zak::Fail("Aufruf: zak [--date JJJJ-MM-TT]");
  if (arguments.size() != 3 || arguments[1] != "--date") return usage;
  const zak::Outcome<zak::Date> given = zak::ParseIsoDate(arguments[2].toStdString());
  if (!given) return usage;
  // The real today is no replay.
  if (*given != zak::LocalToday()) {
    clocks.today = [date = *given] { return date; };
    clocks.replay = true;
  }
  return clocks;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setDesktopFileName(ZAK_DESKTOP_FILE);
  const zak::Outcome<zak::ui::WindowClocks> clocks = ClocksFromArguments(QApplication::arguments());
  if (!clocks) {
    std::cerr << clocks.message() << "\n";
    return 2;
  }
  // A second program on the store would write its leagues over this one's edits.
  const auto hold = zak::HoldStore("zak");
  if (!hold) {
    const std::string text =
        hold.message() +
        " ZAK 14/15 startet deshalb nicht: zwei Programme auf denselben Einstellungen "
        "würden gegenseitig ihre Änderungen überschreiben.";
    std::cerr << text << "\n";
    zak::ui::MessageBoxHelper(nullptr).ShowMessage(zak::MessageKind::kWarning, text, "");
    return 1;
  }
  zak::ui::LoadQtGermanTexts(application);  // without the file, Qt's own texts stay English
  zak::ProgramData data;
  zak::ui::FrmMain window(data, *clocks);
  window.Form_Load();
  // The start-up lets the window process events; closed meanwhile, there is nothing to run.
  if (!window.isVisible()) return 0;
  return QApplication::exec();
}
