// The version history against the real data service: the answer shown line by line, the
// built-in history offline (without any request) or when the service fails (with a warning),
// an empty box for a too short answer, and Esc.
#include "ui/info/frm_history.h"

#include <QSignalSpy>
#include <QTest>

#include "core/version_history.h"
#include "info_window_session.h"
#include "service/data_service.h"
#include "support/controls.h"

using zak::testing::Control;
using zak::testing::InfoWindowSession;
using zak::ui::FrmHistory;

namespace {

QString Qt8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The lines as the box shows them.
QStringList ShownLines(QWidget& window) {
  return Control<QPlainTextEdit>(window, "Text1")->document()->toPlainText().split('\n');
}

}  // namespace

class FrmHistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void serviceAnswerShownLineByLine_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF line ends")
        << "v2.1 (01.07.2015)\n- Neue Saison\n\nv2.0.9.2 (17.05.2015)\n- Abzug"
        << "v2.1 (01.07.2015)\r\n- Neue Saison\r\n\r\nv2.0.9.2 (17.05.2015)\r\n- Abzug"
        << QStringList{"v2.1 (01.07.2015)", "- Neue Saison", "", "v2.0.9.2 (17.05.2015)",
                       "- Abzug"};
    // Kept as the program always did: each CR LF becomes CR CR LF, still one line end.
    QTest::newRow("CR LF line ends") << "v1\r\n- a\r\n"
                                     << "v1\r\r\n- a\r\r\n"
                                     << QStringList{"v1", "- a", ""};
    QTest::newRow("umlauts") << "- Färbung für Aufsteiger"
                             << "- Färbung für Aufsteiger"
                             << QStringList{"- Färbung für Aufsteiger"};
    QTest::newRow("two characters") << "ab"
                                    << "" << QStringList{""};
  }
  void serviceAnswerShownLineByLine() {
    QFETCH(QString, answer);
    QFETCH(QString, value);
    QFETCH(QStringList, lines);
    InfoWindowSession session({"--history", answer.toStdString()});
    FrmHistory window(session.gateway(), session.messages(), nullptr);
    window.Form_Load();
    QCOMPARE(window.windowTitle(),
             QString("Historie  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    QCOMPARE(window.Text1(), value);
    QCOMPARE(ShownLines(window), lines);
    QCOMPARE(session.service().RequestCount("/zak/dl/fw1415.php?s=1"), 1);
    QVERIFY(session.shown().empty());
  }

  void serviceDefaultIsTheBuiltInHistory() {
    InfoWindowSession session;
    FrmHistory window(session.gateway(), session.messages(), nullptr);
    window.Form_Load();
    QCOMPARE(window.Text1(), Qt8(zak::kBuiltInHistory));
    QCOMPARE(ShownLines(window).first(), QString("v2.0.9.2 (17.05.2015)"));
    QCOMPARE(ShownLines(window).last(),
             QString("- Erste öffentliche Version mit Download der Ergebnisse"));
  }

  void offlineShowsTheBuiltInHistoryWithoutAsking() {
    InfoWindowSession session({"--history", "v9 (01.01.2020)\n- nie gezeigt"});
    session.gateway().AnswerConnectionStateInAdvance(false);
    FrmHistory window(session.gateway(), session.messages(), nullptr);
    window.Form_Load();
    QCOMPARE(window.Text1(), Qt8(zak::kBuiltInHistory));
    QCOMPARE(ShownLines(window).size(), 102);
    QCOMPARE(session.service().RequestCount("/zak/dl/"), 0);
    QCOMPARE(session.service().RequestCount("/zak/ud/"), 0);
    QVERIFY(session.shown().empty());
  }

  void unreachableServiceShowsTheBuiltInHistoryAndWarns() {
    auto session = InfoWindowSession::WithoutService();
    FrmHistory window(session->gateway(), session->messages(), nullptr);
    window.Form_Load();
    QCOMPARE(window.Text1(), Qt8(zak::kBuiltInHistory));
    QCOMPARE(session->shown().size(), std::size_t{1});
    QCOMPARE(session->shown()[0].kind, zak::MessageKind::kWarning);
    QCOMPARE(session->shown()[0].text, Qt8(zak::kNoConnectionMessage));
    QCOMPARE(session->shown()[0].over, static_cast<QWidget*>(&window));
  }

  void boxIsReadOnlyAndEscCloses() {
    InfoWindowSession session;
    FrmHistory window(session.gateway(), session.messages(), nullptr);
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* box = Control<QPlainTextEdit>(window, "Text1");
    box->setFocus();
    QTest::keyClicks(box, "xyz");
    QCOMPARE(window.Text1(), Qt8(zak::kBuiltInHistory));
    QVERIFY(!box->toPlainText().contains("xyz"));
    QSignalSpy finished(&window, &QDialog::finished);
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(finished.size(), 1);
  }
};

QTEST_MAIN(FrmHistoryTest)
#include "frm_history_test.moc"
