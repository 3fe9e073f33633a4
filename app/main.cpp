// zak: the desktop program. Owns the program-wide data and the clocks, and hands both to the
// main window, whose start-up does the rest.
#include <QApplication>

#include "core/local_clock.h"
#include "core/program_data.h"
#include "ui/main/frm_main.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zak::ProgramData data;
  zak::ui::FrmMain window(data, zak::ui::WindowClocks{zak::LocalToday, zak::LocalNow});
  window.Form_Load();
  // The start-up lets the window process events; closed meanwhile, there is nothing to run.
  if (!window.isVisible()) return 0;
  return QApplication::exec();
}
