// zak: the desktop program. Owns the program-wide data and the clocks, and hands both to the
// main window, whose start-up does the rest.
#include <QApplication>
#include <chrono>
#include <ctime>

#include "core/local_clock.h"
#include "core/program_data.h"
#include "ui/main/frm_main.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zak::ProgramData data;
  zak::ui::WindowClocks clocks{
      [] { return zak::LocalToday(); },
      [] {
        // The local wall-clock time: UTC plus the zone's offset at this moment.
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return std::chrono::local_seconds(std::chrono::seconds(now + local.tm_gmtoff));
      }};
  zak::ui::FrmMain window(data, clocks);
  window.Form_Load();
  return QApplication::exec();
}
