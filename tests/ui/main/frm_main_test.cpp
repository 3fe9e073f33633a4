// The main window against the real data service: start-up, the table and match day on screen,
// the league and match-day lists in step, and a start without any data.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/catalogue.h"
#include "main_window_session.h"
#include "service/data_service.h"
#include "settings/settings_store.h"
#include "support/controls.h"
#include "ui/components/twips.h"
#include "ui/components/whole_items.h"

using zak::testing::Cell;
using zak::testing::Control;
using zak::testing::InWindow;
using zak::testing::MainWindowSession;
using zak::testing::Px;
using zak::testing::SessionOptions;
using zak::testing::TestSeason;

namespace {

SessionOptions NoService() {
  SessionOptions options;
  options.withService = false;
  return options;
}

SessionOptions Season(const QString& folder) {
  SessionOptions options;
  options.seasonDir = folder;
  return options;
}

SessionOptions ServiceArguments(const QStringList& arguments) {
  SessionOptions options;
  options.serviceArguments = arguments;
  return options;
}

SessionOptions Setting(int section, const std::string& key, const std::string& value) {
  SessionOptions options;
  options.settings.emplace_back(section, key, value);
  return options;
}

// The colour that marks edits not yet taken over.
const QColor kEditedMark(255, 224, 192);

QColor TakeOverFace(QWidget& window) {
  return Control<QPushButton>(window, "cmdUpdateTable")->palette().color(QPalette::Button);
}

// The team slot of a club of the league, by name.
int SlotOf(int league, const QString& name) {
  zak::TeamTable catalogue{};
  zak::FillTeamCatalogue(catalogue, league);
  for (int slot = 0; slot < zak::kTeamSlots; ++slot) {
    if (QString::fromStdString(catalogue[league][slot].Name) == name) return slot;
  }
  return -1;
}

// Which of the three trend pictures row r shows: 0 better, 1 unchanged, 2 worse; -1 none.
int TrendOf(QWidget& window, int row) {
  const QImage shown = Control(window, "imgDiff", row)->pixmap().toImage();
  for (int i = 0; i < 3; ++i) {
    if (shown == Control(window, "Image4", i)->pixmap().toImage()) return i;
  }
  return -1;
}

// Every visible row's club has its logo at that row's height, and its marker beside it.
void VerifyLogosFollowTheirClubs(QWidget& window, int league) {
  for (int row = 0; row < zak::kTeamSlots; ++row) {
    if (!Control(window, "lblTeam", row)->isVisible()) continue;
    const int slot = SlotOf(league, Cell(window, "lblTeam", row));
    QVERIFY2(slot >= 0, qPrintable(Cell(window, "lblTeam", row)));
    QLabel* logo = Control(window, "imgTeam", league * zak::kTeamSlots + slot);
    QVERIFY(logo->isVisible());
    QCOMPARE(InWindow(logo).y(), Px(row * 360 + 885));
    QCOMPARE(InWindow(Control(window, "lblMinusPoints", slot)).y(), InWindow(logo).y());
  }
}

}  // namespace

class FrmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpShowsTheFirstLeaguesLastMatchDay() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    QCOMPARE(session.messages().size(), size_t{0});
    QCOMPARE(w.windowTitle(), QString("ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    QCOMPARE(w.size(), QSize(584, 577));
    QCOMPARE(session.window().CurrentLeague(), 0);
    for (int i = 0; i < 2; ++i) {
      auto* leagues = Control<QComboBox>(w, "cmbLiga", i);
      QCOMPARE(leagues->count(), 8);
      QCOMPARE(leagues->itemText(4), QString("Regionalliga Nordost"));
      QCOMPARE(leagues->currentIndex(), 0);
      auto* days = Control<QComboBox>(w, "cmbDays", i);
      QCOMPARE(days->count(), 34);
      QCOMPARE(days->currentIndex(), 33);
    }
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->itemText(11),
             QString("12. Spieltag (22.11.14 bis 23.11.14)"));
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->itemText(11), QString("12. Spieltag"));
    QCOMPARE(Cell(w, "lblTRank", 0), QString("1"));
    QCOMPARE(Cell(w, "lblTeam", 0), QString("Bayern München"));
    QCOMPARE(Cell(w, "lblTPoints", 0), QString("79"));
    QCOMPARE(Cell(w, "lblTDays", 0), QString("34"));
    QCOMPARE(Control(w, "lblCurDay")->text(), QString("<-  34. Spieltag  "));
    QCOMPARE(session.window().statusBar()->Text(), QString("Fertig"));
    QVERIFY(!Control(w, "lblWait")->isVisible());
    QCOMPARE(session.window().DisplayCount(), 1);
    // Rank colours from the catalogue's colour table.
    QCOMPARE(Control(w, "lblLineBack", 0)->palette().color(QPalette::Window),
             zak::ui::ColourFromValue(zak::ColourTextToValue(session.data().rankColour(0, 1))));
    // An 18-team league hides its last two rows.
    QVERIFY(Control(w, "lblTeam", 17)->isVisible());
    QVERIFY(!Control(w, "lblLineBack", 18)->isVisible());
    QVERIFY(!Control(w, "imgDiff", 19)->isVisible());
    VerifyLogosFollowTheirClubs(w, 0);
    // Every league was asked for, and what came was stored.
    QVERIFY(session.service().RequestCount("/zak/ud/gd1415.php") >= 8);
    QVERIFY(!zak::GetSettingValue(zak::kSectionData, zak::LeagueDataKey(0), "").empty());
  }

  void runTimeLayoutStacksTheRightHandColumn() {
    MainWindowSession session(NoService());
    session.Start();
    QWidget& w = session.window();
    QCOMPARE(InWindow(Control(w, "lblTeam", 7)).y(), Px(7 * 360 + 915));
    QCOMPARE(InWindow(Control(w, "imgDiff", 7)).y(), Px(7 * 360 + 960));
    QCOMPARE(InWindow(Control(w, "imgTeam", 47)).y(), Px(7 * 360 + 885));
    QCOMPARE(InWindow(Control(w, "Label6", 8)).y(), Px(570));
    QCOMPARE(InWindow(Control(w, "lblNewsLine")).y(), Px(165));
    QCOMPARE(InWindow(Control<QFrame>(w, "Shape1")).y(), Px(900));
    QCOMPARE(Control<QWidget>(w, "picDays")->y(), Px(8120));
    const std::pair<const char*, int> column[] = {
        {"Label1_0", 915},         {"Label1_2", 1635},          {"lblSaison", 2055},
        {"cmdInfo", 2475},         {"cmdPreferences", 3315},    {"cmdHTMLExport", 4395},
        {"lblWait", 4755},         {"cmbLiga_1", 5235},         {"cmbDays_1", 5595},
        {"cmdShowCurTable", 6075}, {"cmdDownloadDays_0", 6435}, {"cmdPrintTable", 6975},
        {"cmdStatistics", 7335}};
    for (const auto& [name, top] : column) {
      QCOMPARE(InWindow(Control<QWidget>(w, name)).y(), Px(top));
      QCOMPARE(InWindow(Control<QWidget>(w, name)).x(), Px(6840));
    }
    QCOMPARE(Control(w, "lblSaison")->text(), QString("2014 / 2015"));
  }

  void choosingALeagueInEitherListDrawsItOnce_data() {
    QTest::addColumn<int>("list");
    QTest::newRow("right-hand column") << 1;
    QTest::newRow("match-day panel") << 0;
  }
  void choosingALeagueInEitherListDrawsItOnce() {
    QFETCH(int, list);
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    const int before = session.window().DisplayCount();
    Control<QComboBox>(w, "cmbLiga", list)->setCurrentIndex(1);
    QCOMPARE(Control<QComboBox>(w, "cmbLiga", 1 - list)->currentIndex(), 1);
    QCOMPARE(session.window().CurrentLeague(), 1);
    QCOMPARE(session.window().DisplayCount(), before + 1);
    QCOMPARE(zak::GetSettingValue(zak::kSectionStart, "liga", ""), std::string("1"));
    QCOMPARE(InWindow(Control<QFrame>(w, "Shape1")).y(), Px(900));
    QCOMPARE(Control(w, "lblCurDay")->text(), QString("<-  34. Spieltag  "));
    QCOMPARE(Cell(w, "lblTeam", 0), QString("FC Ingolstadt 04"));
    VerifyLogosFollowTheirClubs(w, 1);
    // The logos of the league left behind are hidden.
    QVERIFY(!Control(w, "imgTeam", 4)->isVisible());
    // The same league again changes nothing.
    QVERIFY(!session.window().SelectLeague(1));
    QCOMPARE(session.window().DisplayCount(), before + 1);
  }

  void choosingADayKeepsBothDayListsInStep() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    const int before = session.window().DisplayCount();
    Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(4);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->currentIndex(), 4);
    QCOMPARE(session.window().DisplayCount(), before + 1);
    QCOMPARE(Control(w, "lblCurDay")->text(), QString("<-  5. Spieltag  "));
    QCOMPARE(Cell(w, "lblTDays", 0), QString("5"));
    VerifyLogosFollowTheirClubs(w, 0);
    // "Aktuelle Tabelle" goes back to the current day, again drawn once.
    QTest::mouseClick(Control<QPushButton>(w, "cmdShowCurTable"), Qt::LeftButton);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->currentIndex(), 33);
    QCOMPARE(session.window().DisplayCount(), before + 2);
  }

  void matchRowsShowTheDaysFixtures() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    Control<QComboBox>(w, "cmbDays", 0)->setCurrentIndex(0);
    QCOMPARE(Control<QLineEdit>(w, "txtDays", 0)->text(),
             QString("Fr  22.08.14 20:30\t  Bayern München  -  VfL Wolfsburg"));
    QCOMPARE(Control<QLineEdit>(w, "txtResults", 0)->text(), QString("2"));
    QCOMPARE(Control<QLineEdit>(w, "txtResults", 1)->text(), QString("1"));
    QVERIFY(Control<QLineEdit>(w, "txtDays", 1)->text().startsWith("Sa  23.08.14 15:30"));
    // Nine matches a day: the tenth row is empty and its goal boxes hidden.
    QCOMPARE(Control<QLineEdit>(w, "txtDays", 9)->text(), QString());
    QVERIFY(Control<QLineEdit>(w, "txtResults", 19)->isHidden());
    QVERIFY(Control(w, "Label4", 9)->isHidden());
    QVERIFY(!Control(w, "Label4", 8)->isHidden());
  }

  void trendArrows() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(0);
    for (int row = 0; row < 18; ++row) QCOMPARE(TrendOf(w, row), 1);
    Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(1);
    int better = 0, worse = 0;
    for (int row = 0; row < 18; ++row) {
      const int trend = TrendOf(w, row);
      QVERIFY(trend >= 0);
      better += trend == 0;
      worse += trend == 2;
    }
    QVERIFY(better > 0 && worse > 0);
    // On the last day the leader had led before: unchanged.
    Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(33);
    QCOMPARE(TrendOf(w, 0), 1);
  }

  void deductionMarkers() {
    TestSeason season;
    MainWindowSession session(Season(season.path()));
    session.Start();
    QWidget& w = session.window();
    for (int t = 0; t < zak::kTeamSlots; ++t) QVERIFY(Control(w, "lblMinusPoints", t)->isHidden());
    Control<QComboBox>(w, "cmbLiga", 1)->setCurrentIndex(1);
    const int aalen = SlotOf(1, "VfR Aalen");
    const int sandhausen = SlotOf(1, "SV Sandhausen");
    QCOMPARE(Control(w, "lblMinusPoints", aalen)->toolTip(), QString("2 Punkte Abzug"));
    QVERIFY(!Control(w, "lblMinusPoints", aalen)->isHidden());
    QCOMPARE(Control(w, "lblMinusPoints", sandhausen)->toolTip(), QString("3 Punkte Abzug"));
    QCOMPARE(Control(w, "lblMinusPoints", 0)->isHidden(), true);
    VerifyLogosFollowTheirClubs(w, 1);
    Control<QComboBox>(w, "cmbLiga", 1)->setCurrentIndex(5);
    const int essen = SlotOf(5, "Rot-Weiss Essen");
    QCOMPARE(Control(w, "lblMinusPoints", essen)->toolTip(), QString("1 Punkt Abzug"));
    QVERIFY(!Control(w, "lblMinusPoints", essen)->isHidden());
    QVERIFY(Control(w, "lblMinusPoints", aalen)->isHidden());
  }

  void sixteenTeamLeagueHidesItsLastRows() {
    TestSeason season;
    MainWindowSession session(Season(season.path()));
    session.Start();
    QWidget& w = session.window();
    Control<QComboBox>(w, "cmbLiga", 0)->setCurrentIndex(4);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->count(), 30);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->currentIndex(), 29);
    for (int row = 0; row < zak::kTeamSlots; ++row) {
      QCOMPARE(Control(w, "lblLineBack", row)->isHidden(), row >= 16);
      QCOMPARE(Control(w, "lblTeam", row)->isHidden(), row >= 16);
    }
    for (int m = 0; m < zak::kMatchSlots; ++m) {
      QCOMPARE(Control<QLineEdit>(w, "txtResults", 2 * m)->isHidden(), m >= 8);
      QCOMPARE(Control(w, "Label4", m)->isHidden(), m >= 8);
    }
    QCOMPARE(Control<QLineEdit>(w, "txtDays", 8)->text(), QString());
    // The last day has no results yet: empty goal boxes, the ":" still there.
    QCOMPARE(Control<QLineEdit>(w, "txtResults", 0)->text(), QString());
    QCOMPARE(Control<QLineEdit>(w, "txtResults", 1)->text(), QString());
    QVERIFY(!Control(w, "Label4", 0)->isHidden());
    QVERIFY(!Control<QLineEdit>(w, "txtDays", 7)->text().isEmpty());
    VerifyLogosFollowTheirClubs(w, 4);
  }

  // A day that the lists do not hold ends the display: no endless re-entry, nothing drawn.
  void aDayWithoutEntryLeavesTheDisplay() {
    TestSeason season;  // no file for the Regionalliga Nord
    MainWindowSession session(Season(season.path()));
    session.Start();
    QWidget& w = session.window();
    const int before = session.window().DisplayCount();
    for (std::int16_t day : {35, 0, 38}) {
      session.window().ShowMatchDay(0, day);
    }
    QCOMPARE(session.window().DisplayCount(), before);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->currentIndex(), 33);
    QCOMPARE(Cell(w, "lblTeam", 0), QString("Bayern München"));
  }

  // A league whose data lists no match day: its own clubs with the table before the first day
  // (zeros and the season's corrections), no match rows, empty day lists; nothing of the
  // league shown before stays, the mark of edits not taken over included.
  void leagueWithoutDataShowsItsOwnClubs() {
    TestSeason season({0});  // the Bundesliga's file only: every other league has no data yet
    MainWindowSession session(Season(season.path()));
    session.Start();
    QWidget& w = session.window();
    session.SlideDayMenu();
    Control<QLineEdit>(w, "txtResults", 0)->setText("9");
    QCOMPARE(TakeOverFace(w), kEditedMark);
    const int before = session.window().DisplayCount();
    Control<QComboBox>(w, "cmbLiga", 0)->setCurrentIndex(1);
    QCOMPARE(session.window().CurrentLeague(), 1);
    QCOMPARE(session.window().DisplayCount(), before + 1);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->count(), 0);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->count(), 0);
    QVERIFY(TakeOverFace(w) != kEditedMark);
    QCOMPARE(Control(w, "lblCurDay")->text(), QString());
    QStringList clubs;
    for (int row = 0; row < zak::kTeamSlots; ++row) {
      QCOMPARE(Control(w, "lblTeam", row)->isHidden(), row >= 18);
      if (row >= 18) continue;
      clubs << Cell(w, "lblTeam", row);
      QVERIFY2(SlotOf(1, clubs.last()) >= 0, qPrintable(clubs.last()));
      QCOMPARE(Cell(w, "lblTRank", row), QString::number(row + 1));
      QCOMPARE(Cell(w, "lblTDays", row), QString("0"));
      QCOMPARE(Cell(w, "lblTGoalPlus", row), QString("0"));
      QCOMPARE(TrendOf(w, row), 1);
    }
    clubs.removeDuplicates();
    QCOMPARE(clubs.size(), 18);
    // The season's corrections: two points off for Aalen, three for Sandhausen, who rank last.
    QCOMPARE(Cell(w, "lblTeam", 16), QString("VfR Aalen"));
    QCOMPARE(Cell(w, "lblTPoints", 16), QString("-2"));
    QCOMPARE(Cell(w, "lblTeam", 17), QString("SV Sandhausen"));
    QCOMPARE(Cell(w, "lblTPoints", 17), QString("-3"));
    for (int slot = 0; slot < zak::kTeamSlots; ++slot) {
      const bool marked = slot == SlotOf(1, "VfR Aalen") || slot == SlotOf(1, "SV Sandhausen");
      QCOMPARE(Control(w, "lblMinusPoints", slot)->isHidden(), !marked);
    }
    VerifyLogosFollowTheirClubs(w, 1);
    for (int m = 0; m < zak::kMatchSlots; ++m) {
      QCOMPARE(Control<QLineEdit>(w, "txtDays", m)->text(), QString());
      QVERIFY(Control<QLineEdit>(w, "txtResults", 2 * m)->isHidden());
      QVERIFY(Control<QLineEdit>(w, "txtResults", 2 * m + 1)->isHidden());
      QVERIFY(Control(w, "Label4", m)->isHidden());
    }
    // Enter in a goal box with no day on screen takes nothing over, and the mark goes.
    Control<QLineEdit>(w, "txtResults", 1)->setText("4");
    QCOMPARE(TakeOverFace(w), kEditedMark);
    int enter = 13;
    session.window().txtResults_KeyPress(1, enter);
    QCOMPARE(enter, 0);
    QVERIFY(TakeOverFace(w) != kEditedMark);
    QCOMPARE(session.data().matchData(0, 1, 0), zak::MatchRecord{});
    // Back to a league with data: its day is drawn again.
    Control<QComboBox>(w, "cmbLiga", 0)->setCurrentIndex(0);
    QCOMPARE(Cell(w, "lblTeam", 0), QString("Bayern München"));
    QVERIFY(!Control<QLineEdit>(w, "txtResults", 0)->isHidden());
  }

  // "Sa 23.05.15 13:30" must not vanish behind "SG Sonnenhof Großaspach - Arminia Bielefeld":
  // every match row shows its start, however long the line.
  void matchRowsShowTheirStart() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    Control<QComboBox>(w, "cmbLiga", 1)->setCurrentIndex(2);
    Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(37);
    int longRows = 0;
    for (int m = 0; m < zak::kMatchSlots; ++m) {
      auto* row = Control<QLineEdit>(w, "txtDays", m);
      QCOMPARE(row->cursorPosition(), 0);
      if (row->fontMetrics().horizontalAdvance(row->text()) > row->width()) ++longRows;
      if (row->text().contains(QString::fromUtf8("Großaspach"))) {
        QVERIFY(row->text().startsWith("Sa  23.05.15 13:30"));
      }
    }
    QVERIFY(longRows > 0);  // the case is really there
  }

  // The closed lists keep their designed widths and still show every league's name whole;
  // the opened lists are at least as wide as the longest name.
  void leagueListsShowWholeNames() {
    MainWindowSession session(NoService());
    session.Start();
    QWidget& w = session.window();
    const int widths[] = {1935, 1815};
    for (int i = 0; i < 2; ++i) {
      auto* list = Control<QComboBox>(w, "cmbLiga", i);
      QCOMPARE(list->width(), Px(widths[i]));
      const QFontMetrics metrics(list->font());
      const int room = zak::ui::ItemFieldWidth(list) - 2;
      for (int league = 0; league < list->count(); ++league) {
        const int needed = metrics.horizontalAdvance(list->itemText(league));
        QVERIFY2(needed <= room, qPrintable(list->itemText(league)));
        QVERIFY(list->view()->minimumWidth() >= needed);
      }
      QVERIFY(list->font().pointSizeF() >= 6.0);
    }
  }

  void storedLeagueIsShownAtStart() {
    MainWindowSession session(Setting(zak::kSectionStart, "liga", "2"));
    session.Start();
    QWidget& w = session.window();
    QCOMPARE(session.window().CurrentLeague(), 2);
    QCOMPARE(Control<QComboBox>(w, "cmbLiga", 0)->currentText(), QString("3. Liga"));
    QCOMPARE(Control<QComboBox>(w, "cmbLiga", 1)->currentText(), QString("3. Liga"));
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->count(), 38);
    QCOMPARE(Control(w, "lblCurDay")->text(), QString("<-  38. Spieltag  "));
  }

  void newsLineIsPlainText() {
    MainWindowSession session(ServiceArguments({"--news", "<b>Neu:</b> <a href=x>hier</a>"}));
    session.Start();
    auto* news = Control(session.window(), "lblNewsLine");
    QCOMPARE(news->text(), QString("<b>Neu:</b> <a href=x>hier</a>"));
    QCOMPARE(news->textFormat(), Qt::PlainText);
  }

  void versionCheck_data() {
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("offered");
    QTest::newRow("2.1.0.0 is newer") << "2.1.0.0" << true;
    QTest::newRow("2.0.10.0 sorts before") << "2.0.10.0" << false;
    QTest::newRow("the same version") << "2.0.9.2" << false;
    QTest::newRow("two characters") << "3." << false;
  }
  void versionCheck() {
    QFETCH(QString, latest);
    QFETCH(bool, offered);
    MainWindowSession session(ServiceArguments({"--latest-version", latest}));
    session.Start();
    QCOMPARE(session.HasMessage("Eine neue Version des Programms ist verfügbar."), offered);
    QVERIFY(!session.HasMessage("Konnte keine Verbindung"));
    // A newer version opens the update window beside the main window, not modal; Esc ends it.
    auto* update = session.window().findChild<QDialog*>("frmUpdate");
    QCOMPARE(update != nullptr, offered);
    if (!offered) return;
    QVERIFY(update->isVisible());
    QVERIFY(!update->isModal());
    QVERIFY(!Control(*update, "Label2", 1)->isHidden());
    QVERIFY(session.window().isVisible());
    QTest::keyClick(update, Qt::Key_Escape);
    QTRY_VERIFY(session.window().findChild<QDialog*>("frmUpdate") == nullptr);
  }

  void withoutUpdateCheckNoNewsAndNoVersionAreAsked() {
    MainWindowSession session(Setting(zak::kSectionStart, "autoup", "0"));
    session.Start();
    QCOMPARE(session.service().RequestCount("/zak/ud/news1415.php"), 0);
    QCOMPARE(session.service().RequestCount("/zak/dl/fw1415.php"), 0);
    QVERIFY(session.service().RequestCount("/zak/ud/gd1415.php") >= 8);
    QCOMPARE(Cell(session.window(), "lblTPoints", 0), QString("79"));
  }

  void preferencesOpenTheSettingsWindowModally() {
    MainWindowSession session(NoService());
    session.Start();
    QString caption;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      caption = dialog->windowTitle();
      modal = dialog->isModal() && dialog->objectName() == "frmOptions";
      Control<QCheckBox>(*dialog, "chkAutoUpdate")->setChecked(false);
      QTest::mouseClick(Control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QPushButton>(session.window(), "cmdPreferences"), Qt::LeftButton);
    QVERIFY(modal);
    QVERIFY(caption.startsWith("Einstellungen  -  ZAK 14/15 v2.0.9.2"));
    QVERIFY(!session.data().options.AutoUpdate);
    QCOMPARE(zak::GetSettingValue(zak::kSectionStart, "autoup", ""), std::string("0"));
    QVERIFY(session.window().findChild<QDialog*>("frmOptions") == nullptr);
  }

  void noServiceAndNoStoredDataGiveAnEmptyWorkingWindow() {
    MainWindowSession session(NoService());
    session.Start();
    QWidget& w = session.window();
    QVERIFY(session.HasMessage(
        "Konnte keine Verbindung zum Internet herstellen, um die aktuellste Version zu prüfen."));
    QVERIFY(session.window().Offline());
    // The loading's own message that the service cannot be reached.
    const std::string_view noConnection = zak::kNoConnectionMessage;
    QVERIFY(session.HasMessage(QString::fromUtf8(noConnection.data(), noConnection.size())));
    QCOMPARE(Control<QComboBox>(w, "cmbLiga", 1)->count(), 8);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->count(), 0);
    // The first league's clubs, before any match.
    QVERIFY(SlotOf(0, Cell(w, "lblTeam", 0)) >= 0);
    QCOMPARE(Cell(w, "lblTDays", 17), QString("0"));
    QCOMPARE(session.window().statusBar()->Text(), QString("Fertig"));
    QCOMPARE(Control(w, "lblNewsLine")->text(),
             QString("ZAK - Die Zakliste der Saison 2014 / 2015!"));
    // The window still works: another league can be chosen, and is stored.
    Control<QComboBox>(w, "cmbLiga", 1)->setCurrentIndex(2);
    QCOMPARE(Control<QComboBox>(w, "cmbLiga", 0)->currentIndex(), 2);
    QCOMPARE(zak::GetSettingValue(zak::kSectionStart, "liga", ""), std::string("2"));
    QCOMPARE(session.window().DisplayCount(), 2);
    QVERIFY(SlotOf(2, Cell(w, "lblTeam", 19)) >= 0);  // the 3. Liga has 20 clubs
  }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
