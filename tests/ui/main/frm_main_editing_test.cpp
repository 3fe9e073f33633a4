// Result editing in the main window against the real data service: what the goal boxes let
// through, the take-over into the match data and the settings store, and the unsaved-edits mark.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/catalogue.h"
#include "main_window_session.h"
#include "service/data_service.h"
#include "settings/settings_store.h"
#include "support/controls.h"
#include "support/file_size_limit.h"

using zak::testing::Cell;
using zak::testing::Control;
using zak::testing::MainWindowSession;
using zak::testing::SessionOptions;
using zak::testing::TestSeason;

namespace {

const QColor kEditedMark(255, 224, 192);

QLineEdit* GoalBox(QWidget& window, int index) {
  return Control<QLineEdit>(window, "txtResults", index);
}

bool EditMarked(QWidget& window) {
  return Control<QPushButton>(window, "cmdUpdateTable")->palette().color(QPalette::Button) ==
         kEditedMark;
}

// Starts the program, shows `day` (1-based; 0 keeps the current day) and opens the
// match-day menu, whose goal boxes then take input.
void StartEditing(MainWindowSession& session, int day = 0) {
  session.Start();
  session.Activate();
  QWidget& w = session.window();
  if (day > 0) Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(day - 1);
  session.SlideDayMenu();
}

// The points in the table on screen of the club named `name`; empty when it is not shown.
QString PointsOf(QWidget& window, const QString& name) {
  for (int row = 0; row < zak::kTeamSlots; ++row) {
    if (Cell(window, "lblTeam", row) == name) return Cell(window, "lblTPoints", row);
  }
  return {};
}

// Home and away club of match row m, from its line "Sa  23.08.14 15:30\t  Home  -  Away".
QStringList PairingOf(QWidget& window, int m) {
  const QString line = Control<QLineEdit>(window, "txtDays", m)->text();
  return line.section("\t  ", 1).split("  -  ");
}

SessionOptions NordostSeason(const TestSeason& season) {
  SessionOptions options;
  options.seasonDir = season.path();
  options.settings.emplace_back(zak::kSectionStart, "liga", "4");
  return options;
}

}  // namespace

class FrmMainEditingTest : public QObject {
  Q_OBJECT

 private slots:
  // Regionalliga Nordost (16 teams) on its last day, which has no results yet.
  void typedResultIsTakenOverStoredAndKeptAfterARestart() {
    TestSeason season;
    MainWindowSession session(NordostSeason(season));
    StartEditing(session);
    QWidget& w = session.window();
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->currentIndex(), 29);
    const QStringList pairing = PairingOf(w, 0);
    QCOMPARE(pairing.size(), 2);
    const int homePoints = PointsOf(w, pairing[0]).toInt();
    const int awayPoints = PointsOf(w, pairing[1]).toInt();
    const std::string storedBefore =
        zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(4), "");

    QCOMPARE(QApplication::focusWidget(), GoalBox(w, 0));
    QTest::keyClicks(GoalBox(w, 0), "2");
    QTest::keyClick(GoalBox(w, 0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), GoalBox(w, 1));
    QTest::keyClicks(GoalBox(w, 1), "1");
    QVERIFY(EditMarked(w));
    // Slots 8 and 9 do not exist in a 16-team league: their hidden boxes are never read.
    GoalBox(w, 16)->setText("3");
    GoalBox(w, 17)->setText("3");
    QTest::keyClick(GoalBox(w, 1), Qt::Key_Return);

    const zak::MatchRecord& match = session.data().matchData(0, 4, 29);
    QVERIFY(match.Played);
    QCOMPARE(match.HomeGoals, std::int16_t{2});
    QCOMPARE(match.AwayGoals, std::int16_t{1});
    QCOMPARE(session.data().matchData(8, 4, 29), zak::MatchRecord{});
    QCOMPARE(PointsOf(w, pairing[0]).toInt(), homePoints + 3);
    QCOMPARE(PointsOf(w, pairing[1]).toInt(), awayPoints);
    QCOMPARE(GoalBox(w, 0)->text(), QString("2"));
    QVERIFY(!EditMarked(w));
    QVERIFY(zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(4), "") != storedBefore);

    // A new start without download reads the result from the stored copy.
    QVERIFY(zak::SaveSettingValue(zak::kSectionStart, "autodl", "0"));
    const int nordostRequests = session.service().RequestCount("/zak/ud/gd1415.php?l=5&");
    session.Restart();
    QWidget& again = session.window();
    QCOMPARE(session.service().RequestCount("/zak/ud/gd1415.php?l=5&"), nordostRequests);
    QCOMPARE(session.window().CurrentLeague(), 4);
    QVERIFY(session.data().matchData(0, 4, 29).Played);
    QCOMPARE(GoalBox(again, 0)->text(), QString("2"));
    QCOMPARE(GoalBox(again, 1)->text(), QString("1"));
    QCOMPARE(PointsOf(again, pairing[0]).toInt(), homePoints + 3);
  }

  // A disk that is full: the take-over still counts on screen, the store keeps the previous
  // copy, and the user is told once that nothing can be stored; a league choice that cannot be
  // stored either stays quiet then.
  void aSaveThatFailsIsToldOnce() {
    TestSeason season;
    MainWindowSession session(NordostSeason(season));
    StartEditing(session);
    QWidget& w = session.window();
    const std::string storedBefore =
        zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(4), "");
    const auto toldCount = [&] {
      int told = 0;
      for (const auto& message : session.messages()) {
        told += message.text.startsWith("Die Einstellungen können nicht gespeichert werden");
      }
      return told;
    };
    QCOMPARE(toldCount(), 0);
    {
      zak::testing::FileSizeLimit full(1);
      QTest::keyClicks(GoalBox(w, 0), "4");
      QTest::keyClicks(GoalBox(w, 1), "0");
      QTest::keyClick(GoalBox(w, 1), Qt::Key_Return);
      QVERIFY(session.data().matchData(0, 4, 29).Played);
      QCOMPARE(toldCount(), 1);
      Control<QComboBox>(w, "cmbLiga", 0)->setCurrentIndex(0);
      QCOMPARE(session.window().CurrentLeague(), 0);
    }
    QCOMPARE(toldCount(), 1);
    QCOMPARE(zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(4), ""), storedBefore);
    QCOMPARE(zak::GetSettingValue(zak::kSectionStart, "liga", ""), std::string("4"));
  }

  // Day 1 of the 1. Bundesliga opened with Bayern München 2 : 1 VfL Wolfsburg in slot 0.
  void clearingOneBoxRemovesTheResultAndItsPoints() {
    MainWindowSession session;
    StartEditing(session, 1);
    QWidget& w = session.window();
    QCOMPARE(PointsOf(w, "Bayern München"), QString("3"));
    GoalBox(w, 1)->setFocus();
    QTest::keyClick(GoalBox(w, 1), Qt::Key_Backspace);
    QCOMPARE(GoalBox(w, 1)->text(), QString());
    QTest::keyClick(GoalBox(w, 1), Qt::Key_Enter);
    const zak::MatchRecord& match = session.data().matchData(0, 0, 0);
    QVERIFY(!match.Played);
    QCOMPARE(match.HomeGoals, std::int16_t{-1});
    QCOMPARE(match.AwayGoals, std::int16_t{-1});
    QCOMPARE(match.Home, std::string("Bayern München"));
    QCOMPARE(PointsOf(w, "Bayern München"), QString("0"));
    QCOMPARE(PointsOf(w, "VfL Wolfsburg"), QString("0"));
    // Both boxes are drawn empty again.
    QCOMPARE(GoalBox(w, 0)->text(), QString());
    QCOMPARE(Cell(w, "lblTDays", 17), QString("1"));
  }

  void goalBoxesTakeDigitsOnly() {
    MainWindowSession session;
    StartEditing(session, 1);
    QWidget& w = session.window();
    QLineEdit* home = GoalBox(w, 0);
    QCOMPARE(QApplication::focusWidget(), home);
    QCOMPARE(home->palette().color(QPalette::Base), QColor(255, 255, 255));
    QCOMPARE(GoalBox(w, 1)->palette().color(QPalette::Base), QColor(212, 208, 200));
    // The focus selects the whole text; letters, signs, blanks and the like are swallowed.
    QCOMPARE(home->selectedText(), QString("2"));
    QTest::keyClicks(home, "a-  +,.xZ");
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, "ä");
    QApplication::sendEvent(home, &umlaut);
    QCOMPARE(home->text(), QString("2"));
    QCOMPARE(home->selectedText(), QString("2"));
    // Control keys are no editing aid either: pasting digits is refused.
    QApplication::clipboard()->setText("12");
    QTest::keyClick(home, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(home->text(), QString("2"));
    QVERIFY(!EditMarked(w));
    QTest::keyClick(home, Qt::Key_7);
    QCOMPARE(home->text(), QString("7"));
    QVERIFY(EditMarked(w));
    QTest::keyClick(home, Qt::Key_Backspace);
    QCOMPARE(home->text(), QString());
    // The largest number a goal count holds, and no more.
    QTest::keyClicks(home, "32767");
    QCOMPARE(home->text(), QString("32767"));
    home->clear();
    QTest::keyClicks(home, "40000");
    QCOMPARE(home->text(), QString("4000"));
    home->clear();
    QTest::keyClicks(home, "0032767");
    QCOMPARE(home->text(), QString("00327"));
    // Text put in some other way than typing is refused as well.
    home->clear();
    home->insert("1a");
    home->insert("-1");
    home->insert("99999");
    QCOMPARE(home->text(), QString());
    home->insert("12");
    QCOMPARE(home->text(), QString("12"));
    // The focus moves on: the colours follow it.
    QTest::keyClick(home, Qt::Key_Tab);
    QCOMPARE(home->palette().color(QPalette::Base), QColor(212, 208, 200));
    QCOMPARE(GoalBox(w, 1)->palette().color(QPalette::Base), QColor(255, 255, 255));
    QCOMPARE(GoalBox(w, 1)->selectedText(), QString("1"));
  }

  void anotherDayDropsAnEditThatWasNotTakenOver() {
    MainWindowSession session;
    StartEditing(session, 1);
    QWidget& w = session.window();
    const zak::MatchRecord before = session.data().matchData(0, 0, 0);
    const std::string stored = zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(0), "");
    QTest::keyClicks(GoalBox(w, 0), "9");
    QVERIFY(EditMarked(w));
    Control<QComboBox>(w, "cmbDays", 0)->setCurrentIndex(1);
    QVERIFY(!EditMarked(w));
    Control<QComboBox>(w, "cmbDays", 0)->setCurrentIndex(0);
    QCOMPARE(GoalBox(w, 0)->text(), QString("2"));
    QCOMPARE(session.data().matchData(0, 0, 0), before);
    QCOMPARE(zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(0), ""), stored);
    // Another league drops it too.
    QTest::keyClicks(GoalBox(w, 0), "5");
    QVERIFY(EditMarked(w));
    Control<QComboBox>(w, "cmbLiga", 0)->setCurrentIndex(1);
    QVERIFY(!EditMarked(w));
  }
};

QTEST_MAIN(FrmMainEditingTest)
#include "frm_main_editing_test.moc"
