// The statistics window on the real season served by the real data service: opened from the
// main window, the loading step and its notice, the stored favourite club, Esc, and the chart's
// pixels.
#include "ui/stats/frm_stats.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "settings/settings_store.h"
#include "support/controls.h"
#include "ui/components/window_title.h"
#include "ui/drawing/chart_painting.h"
#include "ui/main/main_window_session.h"

using zak::testing::Control;
using zak::testing::MainWindowSession;
using zak::ui::FrmStats;

namespace {

const zak::Date kMidSeason{std::chrono::year(2015), std::chrono::month(3), std::chrono::day(1)};

// A statistics window over the session's main window, loaded to its end.
std::unique_ptr<FrmStats> OpenLoaded(MainWindowSession& session, zak::ui::StatsDate date,
                                     int league = 0) {
  auto stats =
      std::make_unique<FrmStats>(session.data(), std::move(date), league, &session.window());
  stats->Form_Load();
  stats->show();
  if (!QTest::qWaitFor([&] { return stats->loaded(); }, 60000)) qFatal("loading did not end");
  return stats;
}

zak::ui::StatsDate AfterSeason() { return {zak::testing::TestToday, false}; }
zak::ui::StatsDate Replay(zak::Date day) {
  return {[day] { return day; }, true};
}

QComboBox* List(QWidget& w, const char* name) { return Control<QComboBox>(w, name); }

// The chart as the window shows it, and one of its points given in twips.
QColor ChartPixel(FrmStats& stats, int xTwips, int yTwips) {
  const QImage image = Control<QWidget>(stats, "Picture1")->grab().toImage();
  return image.pixelColor(xTwips / 15, yTwips / 15);
}

// Whether a pixel of that colour lies within one pixel of the point.
bool ColourNear(FrmStats& stats, int xTwips, int yTwips, const QColor& colour) {
  const QImage image = Control<QWidget>(stats, "Picture1")->grab().toImage();
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if (image.pixelColor(xTwips / 15 + dx, yTwips / 15 + dy) == colour) return true;
    }
  }
  return false;
}

}  // namespace

class FrmStatsTest : public QObject {
  Q_OBJECT

 private slots:
  void opensModalFromTheMainWindowAndClosesOnEsc() {
    MainWindowSession session;
    session.Start();
    QPushButton* command = Control<QPushButton>(session.window(), "cmdStatistics");
    QVERIFY(command->isEnabled());
    QCOMPARE(command->text(), QString("Statistiken..."));
    QCOMPARE(command->toolTip(), QString("Statistiken zu Spieltag und Mannschaften aufrufen"));
    // The open match-day menu covers the command and switches it off.
    session.SlideDayMenu();
    QVERIFY(!command->isEnabled());
    session.SlideDayMenu();
    QVERIFY(command->isEnabled());
    QString caption;
    bool modal = false;
    bool noticeFirst = false;
    bool centred = false;
    int league = -1;
    int team = -1;
    QTimer::singleShot(0, [&] {
      auto* dialog = dynamic_cast<FrmStats*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      modal = dialog->isModal();
      caption = dialog->windowTitle();
      // Centred up to the frame's width, which the placement leaves to the platform.
      const QPoint offset = dialog->geometry().center() - session.window().geometry().center();
      centred = std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3;
      noticeFirst = Control(*dialog, "lblLoadData")->isVisible() &&
                    !List(*dialog, "cmbLiga")->isEnabled() &&
                    !List(*dialog, "cmbTeam")->isEnabled();
      QTRY_VERIFY_WITH_TIMEOUT(dialog->loaded(), 60000);
      league = List(*dialog, "cmbLiga")->currentIndex();
      team = List(*dialog, "cmbTeam")->currentIndex();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(command, Qt::LeftButton);
    QVERIFY(modal);
    QCOMPARE(caption, zak::ui::WindowCaption("Statistiken"));
    QCOMPARE(session.window().statusBar()->Text(), QString("Fertig"));
    QVERIFY(caption.startsWith("Statistiken  -  ZAK 14/15 v2.0.9.2"));
    QVERIFY(noticeFirst);
    QVERIFY(centred);
    QCOMPARE(league, 0);  // the league on screen
    QCOMPARE(team, 0);    // no favourite stored yet: the first club
    QVERIFY(session.window().findChild<QDialog*>("frmStats") == nullptr);
  }

  void noticeShowsAndListsWaitWhileTheHistoryIsComputed() {
    MainWindowSession session;
    session.Start();
    FrmStats stats(session.data(), AfterSeason(), 2, &session.window());
    stats.Form_Load();
    stats.show();
    int seenDuringLoad = 0;
    int seenWrong = 0;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (stats.loaded()) return;
      ++seenDuringLoad;
      if (!Control(stats, "lblLoadData")->isVisible() || List(stats, "cmbLiga")->isEnabled() ||
          List(stats, "cmbTeam")->isEnabled() || List(stats, "cmbLiga")->currentIndex() != -1) {
        ++seenWrong;
      }
    });
    watch.start();
    QTRY_VERIFY_WITH_TIMEOUT(stats.loaded(), 60000);
    watch.stop();
    QVERIFY(seenDuringLoad > 0);  // the window kept processing events
    QCOMPARE(seenWrong, 0);
    QVERIFY(!Control(stats, "lblLoadData")->isVisible());
    QVERIFY(List(stats, "cmbLiga")->isEnabled());
    QCOMPARE(List(stats, "cmbLiga")->currentIndex(), 2);
    QCOMPARE(List(stats, "cmbTeam")->count(), 20);
    QCOMPARE(List(stats, "cmbTeam")->itemText(1), QString("Arminia Bielefeld"));
  }

  void escDuringLoadingStopsTheHistory() {
    MainWindowSession session;
    session.Start();
    FrmStats stats(session.data(), AfterSeason(), 0, &session.window());
    stats.Form_Load();
    stats.show();
    auto* timer = stats.findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    // Esc once the loading step is under way (its timer has fired, the notice still shows).
    bool pressed = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (pressed || timer->isActive()) return;
      pressed = true;
      QTest::keyClick(&stats, Qt::Key_Escape);
    });
    watch.start();
    QTRY_VERIFY_WITH_TIMEOUT(pressed && !stats.isVisible(), 60000);
    watch.stop();
    QVERIFY(!stats.loaded());
    QVERIFY(Control(stats, "lblLoadData")->isVisibleTo(&stats));
    QCOMPARE(List(stats, "cmbLiga")->currentIndex(), -1);
  }

  void choiceIsStoredAsTheLeaguesFavourite() {
    MainWindowSession session;
    session.Start();
    {
      auto stats = OpenLoaded(session, AfterSeason());
      List(*stats, "cmbLiga")->setCurrentIndex(1);
      List(*stats, "cmbTeam")->setCurrentIndex(7);
      QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav1", ""), std::string("7"));
      QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav0", "none"), std::string("0"));
    }
    auto again = OpenLoaded(session, AfterSeason(), 1);
    QCOMPARE(List(*again, "cmbTeam")->currentIndex(), 7);
    QCOMPARE(List(*again, "cmbTeam")->currentText(), QString("FC St. Pauli"));
  }

  void storedFavourite_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("in the list") << "17" << 17;
    QTest::newRow("beyond the list") << "18" << 0;
    QTest::newRow("not a number") << "Bayern" << 0;
    QTest::newRow("no favourite") << "-1" << -1;
  }
  void storedFavourite() {
    QFETCH(QString, stored);
    QFETCH(int, shown);
    MainWindowSession session;
    session.Start();
    QVERIFY(zak::SaveSettingValue(zak::kSectionHtml, "fav0", stored.toStdString()));
    auto stats = OpenLoaded(session, AfterSeason());
    QCOMPARE(List(*stats, "cmbTeam")->currentIndex(), shown);
    auto* picture = dynamic_cast<zak::ui::PositionChartView*>(Control<QWidget>(*stats, "Picture1"));
    QCOMPARE(picture->showsChart(), shown >= 0);
    if (shown < 0) {
      // Nothing drawn and nothing stored until the user picks a club.
      QCOMPARE(ChartPixel(*stats, 4000, 1000), zak::ui::kChartBackColour);
      QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav0", ""), std::string("-1"));
      List(*stats, "cmbTeam")->setCurrentIndex(3);
      QVERIFY(picture->showsChart());
      QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav0", ""), std::string("3"));
    }
  }

  // zak --date 2015-03-01: the status text names the date, and the statistics opened from the
  // main window show the season as it stood that day, with the places still within reach.
  void replayedDateReachesTheWindowFromTheMainWindow() {
    zak::testing::SessionOptions options;
    options.replayDate = kMidSeason;
    MainWindowSession session(options);
    session.Start();
    QCOMPARE(session.window().statusBar()->Text(), QString("Fertig (Stand 01.03.2015)"));
    bool band = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = dynamic_cast<FrmStats*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      QTRY_VERIFY_WITH_TIMEOUT(dialog->loaded(), 60000);
      // 1. FC Köln, first in the list, on match day 34: its darkened grey band of position 10.
      band = ChartPixel(*dialog, 33 * 248 + 446, 9 * 201 + 100) == QColor(0xB0, 0xB0, 0xB0);
      dialog->reject();
    });
    QTest::mouseClick(Control<QPushButton>(session.window(), "cmdStatistics"), Qt::LeftButton);
    QVERIFY(band);
  }

  void chartPixelsMidSeason() {
    MainWindowSession session;
    session.Start();
    QVERIFY(zak::SaveSettingValue(zak::kSectionHtml, "fav0", "4"));  // Bayern München
    auto stats = OpenLoaded(session, Replay(kMidSeason));
    QCOMPARE(List(*stats, "cmbTeam")->currentText(), QString("Bayern München"));
    // 18 clubs and 34 days: columns of 248 twips, rows of 201.
    const auto column = [](int d) { return d * 248 + 446; };  // middle of a band cell
    const auto row = [](int p) { return p * 201 + 100; };
    // Position 6's band on a past day.
    QCOMPARE(ChartPixel(*stats, column(10), row(5)), QColor(0xDD, 0xF0, 0xDD));
    // The line: first after match day 23, the last one begun before 1 March.
    QVERIFY(ColourNear(*stats, 22 * 248 + 420, 201 - 100, Qt::black));
    // The red marker right after day 23, here over position 10's grey band.
    QVERIFY(ColourNear(*stats, 23 * 248 + 315, row(9), QColor(255, 0, 0)));
    // The leader's top place is still his on day 31: the darkened yellow of position 1.
    QCOMPARE(ChartPixel(*stats, column(30), row(0)), QColor(0xCF, 0xBF, 0x7F));
    // One day after the marker the last place is out of his reach: its own colour.
    QCOMPARE(ChartPixel(*stats, column(23), row(17)), QColor(0xFF, 0xDD, 0xDD));
  }
};

QTEST_MAIN(FrmStatsTest)
#include "frm_stats_test.moc"
