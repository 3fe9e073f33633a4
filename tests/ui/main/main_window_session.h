// One start of the program for a test: a settings store of its own, the real zak-dataservice
// on a free loopback port (or none), the program's data and the main window, with the message
// boxes answered in advance and written down.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "support/fixed_values.h"
#include "support/free_port.h"
#include "support/service_process.h"
#include "support/temporary_store.h"
#include "ui/main/frm_main.h"

namespace zak::testing {

// A season folder: the bundled files of leagues 0 to 2, and for Regionalliga Nordost (4) and
// West (5) fixtures of our own: Nordost plays all 30 days, the last without results; West plays
// three days. Or the bundled files of `leagues` only.
class TestSeason {
 public:
  TestSeason();
  explicit TestSeason(const std::vector<int>& leagues);
  QString path() const { return QString::fromStdString(path_.string()); }

 private:
  TemporaryFolder folder_;
  std::filesystem::path path_;
};

struct SessionOptions {
  bool withService = true;
  QStringList serviceArguments;
  QString seasonDir = ZAK_SEASON_DIR;
  // Settings stored before the start, as section, key, value.
  std::vector<std::tuple<int, std::string, std::string>> settings;
  // A date given as today's instead of the test date, as `zak --date` gives it: a replay.
  std::optional<Date> replayDate;
};

class MainWindowSession {
 public:
  explicit MainWindowSession(SessionOptions options = {});

  // Runs the start-up.
  void Start();
  // Ends the program and starts it again on the same settings store and data service.
  void Restart();
  // Makes the window the active one, so that focus changes take effect.
  void Activate();
  // Opens or closes the match-day menu and runs the slide to its end.
  void SlideDayMenu();
  // Runs the slide under way to its end by calling the timer's handler, tick by tick, as the
  // timer would (no waiting: a test never depends on the timer's pace); the ticks it took.
  int DriveSlideToEnd();

  ui::FrmMain& window() { return *window_; }
  ProgramData& data() { return data_; }
  ServiceProcess& service() { return *service_; }
  const std::vector<ui::ShownMessage>& messages() const { return messages_; }
  bool HasMessage(const QString& text) const;

 private:
  TemporaryStore store_;
  std::unique_ptr<ServiceProcess> service_;
  ProgramData data_;
  std::unique_ptr<ui::FrmMain> window_;
  std::vector<ui::ShownMessage> messages_;
  std::optional<Date> replayDate_;

  void CreateWindow();
};

}  // namespace zak::testing
