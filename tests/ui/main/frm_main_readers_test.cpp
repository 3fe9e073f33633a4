// The windows as a screen reader reads them through Qt's accessibility interface, on the real
// season served by the real data service: no shown control without a name, the table rows as
// whole sentences, a match row with its goal boxes, the chart in words, the download's progress.
#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "support/controls.h"
#include "support/modal_window.h"
#include "support/reader_tree.h"
#include "ui/main/main_window_session.h"
#include "ui/stats/frm_stats.h"

using zak::testing::Control;
using zak::testing::MainWindowSession;
using zak::testing::ReaderNode;
using zak::testing::ShownNode;
using zak::testing::ShownToReaders;

namespace {

// Shown controls of ours that tell a reader nothing: no name (plain boxes excepted).
QStringList Unnamed(QWidget& window) {
  QStringList unnamed;
  for (const ReaderNode& node : ShownToReaders(window)) {
    const bool ours = !node.objectName.isEmpty() && !node.objectName.startsWith("qt_");
    if (ours && node.role != QAccessible::Client && node.name.trimmed().isEmpty()) {
      unnamed << node.objectName;
    }
  }
  return unnamed;
}

// Opens the windows of `chain` one from the other by their commands and reads the last one.
void OpenAndRead(QWidget& from, QStringList chain, QStringList& unnamed) {
  if (chain.isEmpty()) {
    unnamed = Unnamed(from);
    return;
  }
  const QString command = chain.takeFirst();
  zak::testing::WhenModalWindowShows(
      [&unnamed, chain](QWidget* window) {
        OpenAndRead(*window, chain, unnamed);
        window->close();
      },
      &from);
  Control<QPushButton>(from, command)->click();
}

}  // namespace

class FrmMainReadersTest : public QObject {
  Q_OBJECT

 private slots:
  void everyShownControlHasAName_data() {
    QTest::addColumn<bool>("menuOpen");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("frmMain") << false << QStringList{};
    QTest::newRow("frmMain, Spieltag-Menü offen") << true << QStringList{};
    QTest::newRow("frmStats") << false << QStringList{"cmdStatistics"};
    QTest::newRow("frmOptions") << false << QStringList{"cmdPreferences"};
    QTest::newRow("frmExport") << false << QStringList{"cmdExport"};
    QTest::newRow("frmHTML") << false << QStringList{"cmdHTMLExport"};
    QTest::newRow("frmUpdate") << false << QStringList{"cmdUpdateProgram"};
    QTest::newRow("frmHistory") << false << QStringList{"cmdUpdateProgram", "cmdShowHistory"};
    QTest::newRow("frmInfo") << false << QStringList{"cmdInfo"};
  }
  void everyShownControlHasAName() {
    QFETCH(bool, menuOpen);
    QFETCH(QStringList, chain);
    MainWindowSession session;
    session.Start();
    if (menuOpen) session.SlideDayMenu();
    QStringList unnamed{"(nicht geöffnet)"};
    OpenAndRead(session.window(), chain, unnamed);
    QCOMPARE(unnamed.join(", "), QString());
  }

  // Regionalliga West after the season: 18 rows, the two empty slots silent; the top, Rot-Weiss
  // Essen with its deduction, both trends that move, and the bottom; no cell read on its own.
  void tableRowsReadAsOneSentence() {
    MainWindowSession session;
    session.Start();
    Control<QComboBox>(session.window(), "cmbLiga_1")->setCurrentIndex(5);
    QStringList rows;
    for (const ReaderNode& node : ShownToReaders(session.window())) {
      if (node.objectName.startsWith("lblLineBack_")) rows << node.name;
      const QRegularExpression cell("^(lblT[A-Z][a-zA-Z]*|Label14|Label6)_");
      QVERIFY2(!cell.match(node.objectName).hasMatch(), qPrintable(node.objectName));
    }
    QCOMPARE(rows.size(), 18);
    const std::vector<std::pair<int, QString>> expected = {
        {0,
         "Platz 1, Bor. Mönchengladbach II, 34 Spiele, 21 Siege, 6 Unentschieden, 7 "
         "Niederlagen, Tore 77 zu 43, Differenz 34, 69 Punkte, Tendenz: unverändert"},
        {4,
         "Platz 5, Rot-Weiss Essen, 34 Spiele, 16 Siege, 8 Unentschieden, 10 Niederlagen, "
         "Tore 58 zu 38, Differenz 20, 56 Punkte, Tendenz: unverändert, 1 Punkt Abzug"},
        {5,
         "Platz 6, Sportfreunde Lotte, 34 Spiele, 13 Siege, 15 Unentschieden, 6 "
         "Niederlagen, Tore 55 zu 34, Differenz 21, 54 Punkte, Tendenz: besser"},
        {6,
         "Platz 7, SC Verl, 34 Spiele, 15 Siege, 9 Unentschieden, 10 Niederlagen, Tore 53 "
         "zu 32, Differenz 21, 54 Punkte, Tendenz: schlechter"},
        {17,
         "Platz 18, FC Hennef 05, 34 Spiele, 3 Siege, 9 Unentschieden, 22 Niederlagen, "
         "Tore 26 zu 80, Differenz -54, 18 Punkte, Tendenz: unverändert"}};
    for (const auto& [row, text] : expected) QCOMPARE(rows.at(row), text);
    QCOMPARE(ShownNode(session.window(), "lblTopLineBack").name,
             QString("Spalten: Platz, Mannschaft, Spiele, Siege, Unentschieden, Niederlagen, "
                     "Tore, Tordifferenz, Punkte"));
  }

  // 3. Liga, last match day: the row tells kick-off, pairing and result; each goal box its club.
  void matchRowAndItsGoalBoxes() {
    MainWindowSession session;
    session.Start();
    Control<QComboBox>(session.window(), "cmbLiga_1")->setCurrentIndex(2);
    session.SlideDayMenu();
    int slot = 0;
    while (slot < 10 && ShownNode(session.window(), QString("txtDays_%1").arg(slot)).name !=
                            "Sa 23.05.15 13:30, Energie Cottbus gegen VfB Stuttgart II, 2 zu 3") {
      ++slot;
    }
    QVERIFY(slot < 10);
    const ReaderNode home = ShownNode(session.window(), QString("txtResults_%1").arg(2 * slot));
    const ReaderNode away = ShownNode(session.window(), QString("txtResults_%1").arg(2 * slot + 1));
    QCOMPARE(home.name + " " + home.value, QString("Tore Energie Cottbus 2"));
    QCOMPARE(away.name + " " + away.value, QString("Tore VfB Stuttgart II 3"));
  }

  // 1. FC Köln's chart in words on a replayed date: the places after the days played, then the
  // band still within reach for every day to come.
  void chartInWordsOnAReplayedDate() {
    MainWindowSession session;
    session.Start();
    const zak::Date today{std::chrono::year(2015), std::chrono::month(3), std::chrono::day(1)};
    zak::ui::FrmStats stats(session.data(), {[today] { return today; }, true}, 0,
                            &session.window());
    stats.Form_Load();
    stats.show();
    QTRY_VERIFY_WITH_TIMEOUT(stats.loaded(), 60000);
    const ReaderNode chart = ShownNode(stats, "Picture1");
    QCOMPARE(chart.role, QAccessible::Graphic);
    QCOMPARE(chart.name, QString("Platzierungsverlauf 1. FC Köln"));
    QVERIFY(
        chart.description.startsWith("1. FC Köln, Platz nach jedem Spieltag: 1. Spieltag "
                                     "Platz 12, 2. Spieltag Platz 4, 3. Spieltag Platz 9, "));
    QVERIFY(chart.description.endsWith(
        "22. bis 23. Spieltag Platz 13. Noch erreichbar: 24. Spieltag Platz 10 bis 17, 25. "
        "Spieltag Platz 8 bis 18, 26. Spieltag Platz 7 bis 18, 27. Spieltag Platz 4 bis 18, 28. "
        "bis 31. Spieltag Platz 3 bis 18, 32. bis 33. Spieltag Platz 2 bis 18, 34. Spieltag "
        "Platz 1 bis 18."));
  }

  // While a download parses the league, a reader finds the loading text as the status bar's
  // name and the share of items parsed as the value of its progress bar.
  void downloadProgressIsAValue() {
    MainWindowSession session;
    session.Start();
    QAccessibleInterface* status =
        QAccessible::queryAccessibleInterface(session.window().statusBar());
    QAccessibleInterface* bar = status->child(0);
    QStringList told;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      const QString text = status->text(QAccessible::Name) + ": " + bar->text(QAccessible::Value);
      if (told.isEmpty() || told.back() != text) told << text;
    });
    watch.start(0);
    Control<QPushButton>(session.window(), "cmdDownloadDays_0")->click();
    watch.stop();
    QCOMPARE(bar->valueInterface()->maximumValue().toInt() > 0, true);
    QVERIFY2(told.contains("Download...: 50 %"), qPrintable(told.join(", ")));
    QCOMPARE(status->text(QAccessible::Name) + ": " + bar->text(QAccessible::Value),
             QString("Fertig: 0 %"));
  }
};

QTEST_MAIN(FrmMainReadersTest)
#include "frm_main_readers_test.moc"
