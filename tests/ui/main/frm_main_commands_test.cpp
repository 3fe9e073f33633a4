// The main window's commands and links: the two download buttons, the web links through the
// desktop opener, and the commands whose windows the program does not have yet.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/catalogue.h"
#include "core/maker.h"
#include "main_window_session.h"
#include "service/data_service.h"
#include "settings/settings_store.h"
#include "support/controls.h"
#include "support/modal_window.h"
#include "ui/components/desktop_opener.h"

using zak::testing::Cell;
using zak::testing::Control;
using zak::testing::MainWindowSession;

namespace {

// The addresses the window hands to the desktop opener.
QStringList& ObserveOpenedAddresses(MainWindowSession& session, QStringList& opened) {
  session.window().opener().ObserveInstead(
      [&opened](const QUrl& address) { opened << address.toString(); });
  return opened;
}

int LeagueRequests(MainWindowSession& session, int league, int updateCount) {
  return session.service().RequestCount(
      QString("/zak/ud/gd1415.php?l=%1&ui=%2").arg(league + 1).arg(updateCount).toStdString());
}

}  // namespace

class FrmMainCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void openerTakesWebAndMailAddressesOnly_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opened");
    QTest::newRow("http") << "http://127.0.0.1:8014/zak/" << true;
    QTest::newRow("https, capitals") << "HTTPS://www.dfb.de/news/" << true;
    QTest::newRow("mailto") << "mailto:kontakt@zak.example" << true;
    QTest::newRow("mailto without address") << "mailto:" << false;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("bare path") << "/usr/bin/xterm" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("ftp") << "ftp://zak.example/zak.exe" << false;
    QTest::newRow("http without host") << "http:///zak/" << false;
    QTest::newRow("empty") << "" << false;
  }
  void openerTakesWebAndMailAddressesOnly() {
    QFETCH(QString, address);
    QFETCH(bool, opened);
    zak::ui::DesktopOpener opener;
    int handed = 0;
    opener.ObserveInstead([&handed](const QUrl&) { ++handed; });
    QCOMPARE(opener.Open(address), opened);
    QCOMPARE(handed, opened ? 1 : 0);
  }

  void linksOpenTheirPages() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    QStringList opened;
    ObserveOpenedAddresses(session, opened);
    const QString host = QString::fromStdString(session.service().host());
    QTest::mouseClick(Control(w, "lblInfoURL"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(w, "cmdReportBug"), Qt::LeftButton);
    QTest::mouseClick(Control(w, "imgTeamLogo"), Qt::LeftButton);
    QCOMPARE(opened, QStringList({"http://" + host + "/zak/", "http://" + host + "/zak/?s=report",
                                  QString::fromUtf8(zak::kFanClubPage.data())}));
    // Enter presses the button that has the focus, not the default one.
    const int displays = session.window().DisplayCount();
    QTest::keyClick(Control<QPushButton>(w, "cmdReportBug"), Qt::Key_Return);
    QCOMPARE(opened.size(), 4);
    QCOMPARE(opened.last(), "http://" + host + "/zak/?s=report");
    QCOMPARE(session.window().DisplayCount(), displays);
    // A deduction marker opens the news article on its club's deduction.
    Control<QComboBox>(w, "cmbLiga", 1)->setCurrentIndex(1);
    opened.clear();
    int markers = 0;
    for (int slot = 0; slot < zak::kTeamSlots; ++slot) {
      QLabel* marker = Control(w, "lblMinusPoints", slot);
      if (marker->isHidden()) continue;
      QTest::mouseClick(marker, Qt::LeftButton);
      QCOMPARE(opened.size(), 1);
      const QString article = opened.takeFirst();
      QCOMPARE(article, QString::fromStdString(session.data().teamTable[1][slot].NewsUrl));
      QVERIFY(article.startsWith(QString::fromUtf8(zak::kNewsSite.data()) + "/"));
      ++markers;
    }
    QCOMPARE(markers, 2);  // VfR Aalen and SV Sandhausen
  }

  // A download asks for everything (update count 0) with its button off meanwhile, so a second
  // click starts nothing; the other download button is left as it was.
  void downloadButtonIsOffWhileItsDownloadRuns() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    auto* download = Control<QPushButton>(w, "cmdDownloadDays", 0);
    const int before = LeagueRequests(session, 0, 0);
    Control<QComboBox>(w, "cmbDays", 1)->setCurrentIndex(4);
    const int displays = session.window().DisplayCount();
    bool offMeanwhile = false;
    bool otherUntouched = false;
    QTimer::singleShot(0, [&] {
      offMeanwhile = !download->isEnabled();
      otherUntouched = !Control<QWidget>(w, "cmdDownloadDays", 1)->isEnabled();
      QTest::mouseClick(download, Qt::LeftButton);
    });
    QTest::mouseClick(download, Qt::LeftButton);
    QVERIFY(offMeanwhile);
    QVERIFY(otherUntouched);
    QVERIFY(download->isEnabled());
    QCOMPARE(LeagueRequests(session, 0, 0), before + 1);
    // The league's current day is shown afterwards.
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 1)->currentIndex(), 33);
    QCOMPARE(session.window().DisplayCount(), displays + 1);
    QCOMPARE(session.window().statusBar()->Text(), QString("Fertig"));
  }

  void downloadWithoutServiceKeepsTheDisplay() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    session.SlideDayMenu();
    Control<QComboBox>(w, "cmbDays", 0)->setCurrentIndex(9);
    const int displays = session.window().DisplayCount();
    QVERIFY(
        zak::SaveSettingValue(zak::kSectionServer, "Host",
                              QString("127.0.0.1:%1").arg(zak::testing::FreePort()).toStdString()));
    QTest::mouseClick(Control<QPushButton>(w, "cmdDownloadDays", 1), Qt::LeftButton);
    const std::string_view noConnection = zak::kNoConnectionMessage;
    QVERIFY(session.HasMessage(QString::fromUtf8(noConnection.data(), noConnection.size())));
    QVERIFY(Control<QPushButton>(w, "cmdDownloadDays", 1)->isEnabled());
    QCOMPARE(session.window().DisplayCount(), displays);
    QCOMPARE(Control<QComboBox>(w, "cmbDays", 0)->currentIndex(), 9);
    QCOMPARE(Cell(w, "lblTDays", 0), QString("10"));
    QVERIFY(!Control(w, "lblWait")->isVisible());
  }

  // Every command has its window now; the slide of the match-day menu switches the ones that
  // belong to the table or to the day on screen, and leaves the others on.
  void theSlideSwitchesTheCommandsOfTheDayOnScreen() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    const char* always[] = {"cmdHTMLExport",  "cmdExport",        "cmdReportBug",
                            "cmdPreferences", "cmdUpdateProgram", "cmdInfo"};
    const char* closedOnly[] = {"cmdPrintTable", "cmdStatistics"};
    const char* openOnly[] = {"cmdPrintDay", "cmdPrintTableDay"};
    auto verify = [&](bool open) {
      for (const char* name : always) QVERIFY2(Control<QPushButton>(w, name)->isEnabled(), name);
      for (const char* name : closedOnly) {
        QVERIFY2(Control<QPushButton>(w, name)->isEnabled() == !open, name);
      }
      for (const char* name : openOnly) {
        QVERIFY2(Control<QPushButton>(w, name)->isEnabled() == open, name);
      }
    };
    verify(false);
    session.SlideDayMenu();
    verify(true);
    session.SlideDayMenu();
    verify(false);
  }

  // Each opens its window modal, centred over the main window; Esc closes it again.
  void updateAndInfoOpenTheirWindowsModal_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("versionRequests");
    QTest::newRow("cmdUpdateProgram") << "cmdUpdateProgram"
                                      << "frmUpdate"
                                      << "Update" << 1;
    QTest::newRow("cmdInfo") << "cmdInfo"
                             << "frmInfo"
                             << "Info" << 0;
  }
  void updateAndInfoOpenTheirWindowsModal() {
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(int, versionRequests);
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    const int requestsAtStart = session.service().RequestCount("/zak/dl/fw1415.php?s=2");
    QString shown;
    QString title;
    bool modal = false;
    QPoint centre;
    zak::testing::WhenModalWindowShows([&](QWidget* opened) {
      shown = opened->objectName();
      title = opened->windowTitle();
      modal = opened->isModal();
      centre = opened->geometry().center();
      QTest::keyClick(opened, Qt::Key_Escape);
    });
    QTest::mouseClick(Control<QPushButton>(w, command.toUtf8().constData()), Qt::LeftButton);
    QCOMPARE(shown, window);
    QCOMPARE(title, caption + "  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team");
    QVERIFY(modal);
    QVERIFY((centre - w.geometry().center()).manhattanLength() <= 2);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(session.service().RequestCount("/zak/dl/fw1415.php?s=2") - requestsAtStart,
             versionRequests);
    QVERIFY(session.messages().empty());
  }

  // The export window opens modal over the league and the day on screen, and Esc closes it.
  void htmlExportOpensOnTheDayOnScreen() {
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    Control<QComboBox>(w, "cmbDays", 0)->setCurrentIndex(9);
    auto* button = Control<QPushButton>(w, "cmdHTMLExport");
    QCOMPARE(button->text(), QString("HTML-Export..."));
    QCOMPARE(button->toolTip(), QString("Export von Tabelle und Spieltag für HTML-Seiten"));
    QString seen;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      seen = modal->objectName() + "|" + Control<QComboBox>(*modal, "cmbLiga")->currentText() +
             "|" + Control<QComboBox>(*modal, "cmbDay")->currentText();
      QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(seen, QString("frmHTML|1. Bundesliga|10. Spieltag"));
  }

  // The data file window opens modal over the main window; closing it changes nothing here.
  void dataFileCommandOpensItsWindowModal() {
    MainWindowSession session;
    session.Start();
    auto* button = Control<QPushButton>(session.window(), "cmdExport");
    QCOMPARE(button->text(), QString("Daten im-/exportieren..."));
    QCOMPARE(button->toolTip(),
             QString("Daten und Einstellungen von Datei importieren bzw. in Datei exportieren"));
    QVERIFY(button->isEnabled());
    QString opened;
    bool modal = false;
    // Looks for the window while it runs its own event loop, then closes it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      QWidget* window = QApplication::activeModalWidget();
      if (window == nullptr) return;
      closer.stop();
      opened = window->objectName();
      modal = window->isModal();
      window->close();
    });
    closer.start(10);
    const int displays = session.window().DisplayCount();
    button->click();
    QCOMPARE(opened, QString("frmExport"));
    QVERIFY(modal);
    QCOMPARE(session.window().DisplayCount(), displays);
  }
};

QTEST_MAIN(FrmMainCommandsTest)
#include "frm_main_commands_test.moc"
