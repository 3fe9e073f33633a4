// The update window against the real data service: the four states it shows after comparing
// the installed version with the newest, the download address handed to the opener (web
// addresses only), the history opened over it, and Esc.
#include "ui/info/frm_update.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "info_window_session.h"
#include "service/data_service.h"
#include "support/controls.h"
#include "support/modal_window.h"

using zak::testing::Control;
using zak::testing::InfoWindowSession;
using zak::ui::FrmUpdate;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

QColor TextColour(QWidget* label) { return label->palette().color(QPalette::WindowText); }

// The index of the one status text shown, -1 when none or several are.
int ShownStatus(QWidget& window) {
  int shown = -1;
  for (int i = 0; i < 4; ++i) {
    if (Control(window, "Label2", i)->isHidden()) continue;
    if (shown != -1) return -1;
    shown = i;
  }
  return shown;
}

QString NoConnectionMessage() {
  return QString::fromUtf8(zak::kNoConnectionMessage.data(),
                           static_cast<qsizetype>(zak::kNoConnectionMessage.size()));
}

}  // namespace

class FrmUpdateTest : public QObject {
  Q_OBJECT

 private slots:
  void stateAfterComparingTheVersions_data() {
    QTest::addColumn<QString>("newest");
    QTest::addColumn<int>("status");
    QTest::addColumn<QColor>("installedColour");
    QTest::addColumn<bool>("download");
    QTest::newRow("2.0.9.2") << "2.0.9.2" << 0 << kBlue << false;
    QTest::newRow("2.0.9.3") << "2.0.9.3" << 1 << kRed << true;
    QTest::newRow("2.0.10.0") << "2.0.10.0" << 3 << kBlue << false;
    QTest::newRow("1.9") << "1.9" << 3 << kBlue << false;
  }
  void stateAfterComparingTheVersions() {
    QFETCH(QString, newest);
    QFETCH(int, status);
    QFETCH(QColor, installedColour);
    QFETCH(bool, download);
    InfoWindowSession session({"--latest-version", newest.toStdString()});
    FrmUpdate window(session.gateway(), session.messages(), session.opener(), nullptr);
    window.Form_Load();
    QCOMPARE(window.windowTitle(), QString("Update  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    QCOMPARE(Control(window, "lblVersions", 0)->text(), QString("2.0.9.2"));
    QCOMPARE(Control(window, "lblVersions", 1)->text(), newest);
    QCOMPARE(TextColour(Control(window, "lblVersions", 0)), installedColour);
    QCOMPARE(TextColour(Control(window, "lblVersions", 1)), kBlue);
    QCOMPARE(ShownStatus(window), status);
    QCOMPARE(Control<QPushButton>(window, "cmdDownload")->isEnabled(), download);
    QCOMPARE(Control<QPushButton>(window, "cmdDownload")->isDefault(), download);
    QCOMPARE(Control<QPushButton>(window, "cmdClose")->isDefault(), !download);
    QCOMPARE(session.service().RequestCount("/zak/dl/fw1415.php?s=2"), 1);
    QVERIFY(session.shown().empty());
  }

  void statusTextsAndColours() {
    InfoWindowSession session;
    FrmUpdate window(session.gateway(), session.messages(), session.opener(), nullptr);
    const std::tuple<QString, QColor> texts[] = {
        {"Sie besitzen bereits die aktuellste Version.", kGreen},
        {"Es gibt eine neuere Version von ZAK. Laden Sie sich die neueste Version jetzt herunter "
         "um immer auf dem aktuellsten Stand zu bleiben.",
         kRed},
        {"Es konnte keine Verbindung zum Server hergestellt werden um die aktuellste Version des "
         "Programms zu prüfen.",
         kRed},
        {"Sie besitzen eine vorläufige Testversion.", kGreen}};
    for (int i = 0; i < 4; ++i) {
      auto* label = Control(window, "Label2", i);
      QCOMPARE(label->text(), std::get<0>(texts[i]));
      QCOMPARE(TextColour(label), std::get<1>(texts[i]));
      QVERIFY(label->font().bold());
      // A status text shows whole: its lines fit the label's height.
      const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                             Qt::TextWordWrap, label->text());
      QVERIFY2(needed.height() <= label->height(), qPrintable(label->text()));
    }
  }

  void withoutServiceTheNewestIsUnknown() {
    auto session = InfoWindowSession::WithoutService();
    FrmUpdate window(session->gateway(), session->messages(), session->opener(), nullptr);
    window.Form_Load();
    QCOMPARE(Control(window, "lblVersions", 1)->text(), QString("???"));
    QCOMPARE(ShownStatus(window), 2);
    QCOMPARE(TextColour(Control(window, "lblVersions", 0)), kBlue);
    QVERIFY(!Control<QPushButton>(window, "cmdDownload")->isEnabled());
    QVERIFY(Control<QPushButton>(window, "cmdClose")->isDefault());
    QVERIFY(session->shown().empty());
  }

  // The address comes from the network: only web addresses reach the desktop.
  void downloadOpensTheServiceAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    QTest::newRow("http") << "http://zak.example/zak/zak1415_setup.exe"
                          << "http://zak.example/zak/zak1415_setup.exe";
    QTest::newRow("https with a line end") << "https://zak.example/dl/zak.exe\n"
                                           << "https://zak.example/dl/zak.exe";
    QTest::newRow("file") << "file:///etc/passwd"
                          << "";
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "";
    QTest::newRow("a program") << "/usr/bin/xterm"
                               << "";
    QTest::newRow("two characters") << "ab"
                                    << "";
  }
  void downloadOpensTheServiceAddress() {
    QFETCH(QString, address);
    QFETCH(QString, opened);
    InfoWindowSession session(
        {"--latest-version", "2.0.9.3", "--download-address", address.toStdString()});
    FrmUpdate window(session.gateway(), session.messages(), session.opener(), nullptr);
    window.Form_Load();
    window.show();
    QTest::mouseClick(Control<QPushButton>(window, "cmdDownload"), Qt::LeftButton);
    QCOMPARE(session.service().RequestCount("/zak/dl/fw1415.php?s=0"), 1);
    if (opened.isEmpty()) {
      QVERIFY(session.opened().empty());
    } else {
      QCOMPARE(session.opened().size(), std::size_t{1});
      QCOMPARE(session.opened()[0].toString(), opened);
    }
    QVERIFY(session.shown().empty());
    QVERIFY(window.isVisible());
  }

  void downloadWithoutServiceWarnsAndStaysOpen() {
    InfoWindowSession session({"--latest-version", "2.0.9.3"});
    FrmUpdate window(session.gateway(), session.messages(), session.opener(), nullptr);
    window.Form_Load();
    window.show();
    session.service().Stop();
    QTest::mouseClick(Control<QPushButton>(window, "cmdDownload"), Qt::LeftButton);
    QCOMPARE(session.shown().size(), std::size_t{1});
    QCOMPARE(session.shown()[0].kind, zak::MessageKind::kWarning);
    QCOMPARE(session.shown()[0].text, NoConnectionMessage());
    QCOMPARE(session.shown()[0].title, QString("ZAK 14/15 v2.0.9.2"));
    QCOMPARE(session.shown()[0].over, static_cast<QWidget*>(&window));  // not over the main one
    QVERIFY(session.opened().empty());
    QVERIFY(window.isVisible());
    QCOMPARE(ShownStatus(window), 1);
  }

  void historyOpensModalOverTheWindow() {
    InfoWindowSession session({"--history", "v9.9 (01.01.2016)\n- Neu"});
    FrmUpdate window(session.gateway(), session.messages(), session.opener(), nullptr);
    window.Form_Load();
    window.move(200, 150);
    window.show();
    QString caption;
    QPoint centre;
    QString text;
    zak::testing::WhenModalWindowShows([&](QWidget* history) {
      caption = history->windowTitle();
      centre = history->geometry().center();
      text = Control<QPlainTextEdit>(*history, "Text1")->toPlainText();
      QTest::keyClick(history, Qt::Key_Escape);
    });
    QTest::mouseClick(Control<QPushButton>(window, "cmdShowHistory"), Qt::LeftButton);
    QCOMPARE(caption, QString("Historie  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    QVERIFY2((centre - window.geometry().center()).manhattanLength() <= 2,
             qPrintable(QString("%1,%2 over %3,%4")
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(window.geometry().center().x())
                            .arg(window.geometry().center().y())));
    QCOMPARE(text, QString("v9.9 (01.01.2016)\n- Neu"));
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void escClosesWhateverHasTheFocus_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("cmdShowHistory") << "cmdShowHistory";
    QTest::newRow("cmdDownload") << "cmdDownload";
    QTest::newRow("cmdClose") << "cmdClose";
  }
  void escClosesWhateverHasTheFocus() {
    QFETCH(QString, focus);
    InfoWindowSession session({"--latest-version", "2.0.9.3"});
    FrmUpdate window(session.gateway(), session.messages(), session.opener(), nullptr);
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* control = Control<QPushButton>(window, focus);
    control->setFocus();
    QSignalSpy finished(&window, &QDialog::finished);
    QTest::keyClick(control, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(finished.size(), 1);
    QVERIFY(session.opened().empty());
    QCOMPARE(session.service().RequestCount("/zak/dl/fw1415.php?s=0"), 0);
  }
};

QTEST_MAIN(FrmUpdateTest)
#include "frm_update_test.moc"
