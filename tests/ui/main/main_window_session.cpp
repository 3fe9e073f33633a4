#include "main_window_session.h"

#include <QDate>
#include <QFile>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "core/catalogue.h"
#include "settings/settings_store.h"

namespace zak::testing {
namespace {

// Fixtures for every team against every other twice (the circle method), one match day a week
// from 1 August 2014, with results made up from the pairing. Days after `lastPlayedDay` have
// no results; days after `lastDay` are not written.
QString RoundRobin(int league, int lastDay, int lastPlayedDay) {
  TeamTable catalogue{};
  FillTeamCatalogue(catalogue, league);
  const int teams = GetTeamCount(league);
  QString text = "day\tkickoff\thome\taway\thome_goals\taway_goals\n";
  const int firstHalf = teams - 1;
  for (int day = 1; day <= std::min(lastDay, 2 * firstHalf); ++day) {
    const int round = (day - 1) % firstHalf;
    const bool second = day > firstHalf;
    const QString kickOff =
        QDate(2014, 8, 1).addDays(7 * (day - 1)).toString("dd.MM.yy") + " 14:00";
    for (int m = 0; m < teams / 2; ++m) {
      int a = m == 0 ? teams - 1 : (round + m) % firstHalf;
      int b = (round + firstHalf - m) % firstHalf;
      if ((m == 0 && round % 2 == 1) != second) std::swap(a, b);
      QString goals = "\t";
      if (day <= lastPlayedDay) {
        goals = QString("%1\t%2").arg((a + 2 * b + day) % 4).arg((3 * a + b + day) % 3);
      }
      text += QString("%1\t%2\t%3\t%4\t%5\n")
                  .arg(day)
                  .arg(kickOff, QString::fromStdString(catalogue[league][a].Name),
                       QString::fromStdString(catalogue[league][b].Name), goals);
    }
  }
  return text;
}

void WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(text.toUtf8());
}

}  // namespace

TestSeason::TestSeason() : TestSeason({0, 1, 2}) {
  WriteText(path() + "/league-4.tsv", RoundRobin(4, 30, 29));
  WriteText(path() + "/league-5.tsv", RoundRobin(5, 3, 3));
}

TestSeason::TestSeason(const std::vector<int>& leagues)
    : path_(CopySeason(folder_.path(), leagues)) {}

MainWindowSession::MainWindowSession(SessionOptions options) : replayDate_(options.replayDate) {
  QString host;
  if (options.withService) {
    ServiceStart start;
    start.season = options.seasonDir.toStdString();
    for (const QString& argument : options.serviceArguments) {
      start.arguments.push_back(argument.toStdString());
    }
    service_ = std::make_unique<ServiceProcess>(start);
    if (!service_->running()) qFatal("zak-dataservice did not start: %s", service_->Log().c_str());
    host = QString::fromStdString(service_->host());
  } else {
    host = QString("127.0.0.1:%1").arg(FreePort());
  }
  std::vector<SettingValue> settings{{kSectionServer, "Host", host.toStdString()}};
  for (const auto& [section, key, value] : options.settings)
    settings.push_back({section, key, value});
  if (const Outcome<void> saved = SaveSettingValues(settings); !saved) {
    qFatal("the test's settings cannot be stored: %s", saved.message().c_str());
  }
  CreateWindow();
}

void MainWindowSession::CreateWindow() {
  ui::WindowClocks clocks{TestToday, TestNow};
  if (replayDate_) {
    clocks.today = [date = *replayDate_] { return date; };
    clocks.replay = true;
  }
  window_ = std::make_unique<ui::FrmMain>(data_, clocks);
  window_->messages().AnswerInAdvance(
      [this](const ui::ShownMessage& message) { messages_.push_back(message); });
}

void MainWindowSession::Start() { window_->Form_Load(); }

void MainWindowSession::Restart() {
  window_.reset();
  data_ = ProgramData{};
  CreateWindow();
  Start();
}

void MainWindowSession::SlideDayMenu() {
  window_->ToggleDayMenu();
  DriveSlideToEnd();
}

int MainWindowSession::DriveSlideToEnd() {
  auto* slide = window_->findChild<QTimer*>("tmrOpenDay");
  int ticks = 0;
  while (slide->isActive()) {
    if (++ticks > 200) qFatal("a slide without end");
    window_->tmrOpenDay_Timer();
  }
  return ticks;
}

void MainWindowSession::Activate() {
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_.get())) qFatal("the window does not become active");
}

bool MainWindowSession::HasMessage(const QString& text) const {
  for (const ui::ShownMessage& message : messages_) {
    if (message.text.contains(text)) return true;
  }
  return false;
}

}  // namespace zak::testing
