// The settings window over a settings store of its own: what it shows, what OK stores, and that
// leaving it otherwise changes nothing.
#include "ui/options/frm_options.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "settings/settings_store.h"
#include "support/controls.h"
#include "support/temporary_store.h"

using zak::ProgramData;
using zak::testing::Control;
using zak::ui::FrmOptions;

namespace {

const char* const kProxyBoxes[] = {"txtProxyServer", "txtProxyPort", "txtProxyUser",
                                   "txtProxyPassword"};

// Every value of the store that the window touches, as one text.
std::string StoreSnapshot() {
  std::string all;
  for (const zak::SettingKey& key : zak::SettingKeys()) {
    all += key.key + "=" + zak::GetSettingValue(key.section, key.key, "<absent>") + "\n";
  }
  return all;
}

}  // namespace

class FrmOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void emptyStoreShowsTheDefaults() {
    zak::testing::TemporaryStore store;
    ProgramData data;
    FrmOptions window(data, nullptr);
    window.Form_Load();
    QVERIFY(!Control<QCheckBox>(window, "chkUsingProxy")->isChecked());
    for (const char* name : kProxyBoxes) {
      auto* box = Control<QLineEdit>(window, name);
      QVERIFY2(!box->isEnabled(), name);
      QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Base), QColor(212, 208, 200));
    }
    QVERIFY(Control<QCheckBox>(window, "chkAutoDownload")->isChecked());
    QVERIFY(Control<QCheckBox>(window, "chkAutoUpdate")->isChecked());
    auto* timeout = Control<QComboBox>(window, "cmbServerTimeout");
    QCOMPARE(timeout->count(), 12);
    QCOMPARE(timeout->currentText(), QString("30 Sekunden"));
    QCOMPARE(timeout->itemData(11).toInt(), 60);
    QCOMPARE(data.options.ServerTimeoutMs, 30000);
    QVERIFY(window.windowTitle().startsWith("Einstellungen  -  ZAK 14/15 v2.0.9.2  "));
    // The load step writes what it read straight back.
    QCOMPARE(zak::GetSettingValue(zak::kSectionStart, "autodl", "<absent>"), std::string("1"));
  }

  void checkingTheProxyEnablesTheBoxes() {
    zak::testing::TemporaryStore store;
    ProgramData data;
    FrmOptions window(data, nullptr);
    window.Form_Load();
    Control<QCheckBox>(window, "chkUsingProxy")->setChecked(true);
    for (const char* name : kProxyBoxes) {
      auto* box = Control<QLineEdit>(window, name);
      QVERIFY2(box->isEnabled(), name);
      QCOMPARE(box->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    }
    QCOMPARE(Control<QLineEdit>(window, "txtProxyPassword")->echoMode(), QLineEdit::Password);
  }

  void storedValuesAreLoadedIntoTheProgram() {
    zak::testing::TemporaryStore store;
    QVERIFY(zak::SaveSettingValue(zak::kSectionStart, "autodl", "0"));
    QVERIFY(zak::SaveSettingValue(zak::kSectionProxy, "en", "1"));
    QVERIFY(zak::SaveSettingValue(zak::kSectionProxy, "Address", "proxy.lan"));
    QVERIFY(zak::SaveSettingValue(zak::kSectionProxy, "Port", "3128"));
    QVERIFY(zak::SaveSettingValue(zak::kSectionServer, "Timeout", "1"));
    ProgramData data;
    FrmOptions window(data, nullptr);
    window.Form_Load();
    QVERIFY(!data.options.AutoDownload);
    QVERIFY(data.options.ProxyEnabled);
    QCOMPARE(data.options.ProxyServer, std::string("proxy.lan"));
    QCOMPARE(data.options.ProxyPort, 3128);
    QCOMPARE(data.options.ServerTimeoutMs, 10000);
    QVERIFY(Control<QLineEdit>(window, "txtProxyServer")->isEnabled());
    QCOMPARE(Control<QComboBox>(window, "cmbServerTimeout")->currentText(), QString("10 Sekunden"));
  }

  void okStoresAPortThatIsNoNumberButKeepsTheProgramsPort() {
    zak::testing::TemporaryStore store;
    QVERIFY(zak::SaveSettingValue(zak::kSectionProxy, "Port", "8080"));
    ProgramData data;
    FrmOptions window(data, nullptr);
    window.Form_Load();
    QCOMPARE(data.options.ProxyPort, 8080);
    Control<QCheckBox>(window, "chkUsingProxy")->setChecked(true);
    Control<QLineEdit>(window, "txtProxyPort")->setText("abc");
    Control<QLineEdit>(window, "txtProxyPassword")->setText("geheim");
    Control<QComboBox>(window, "cmbServerTimeout")->setCurrentIndex(11);
    QTest::mouseClick(Control<QPushButton>(window, "Command1"), Qt::LeftButton);
    QCOMPARE(zak::GetSettingValue(zak::kSectionProxy, "Port", ""), std::string("abc"));
    QCOMPARE(data.options.ProxyPort, 8080);
    QVERIFY(data.options.ProxyEnabled);
    QCOMPARE(data.options.ProxyPassword, std::string("geheim"));
    QCOMPARE(data.options.ServerTimeoutMs, 60000);
    QCOMPARE(zak::GetSettingValue(zak::kSectionServer, "Timeout", ""), std::string("11"));
    // The password is kept scrambled, never as typed.
    QVERIFY(zak::GetSettingValue(zak::kSectionProxy, "Pass", "") != "geheim");
    QVERIFY(window.result() == QDialog::Accepted);
  }

  void leavingWithoutOkChangesNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Abbrechen") << false;
    QTest::newRow("Esc") << true;
  }
  void leavingWithoutOkChangesNothing() {
    QFETCH(bool, escape);
    zak::testing::TemporaryStore store;
    ProgramData data;
    FrmOptions window(data, nullptr);
    window.Form_Load();
    const std::string before = StoreSnapshot();
    const zak::Options optionsBefore = data.options;
    window.show();
    Control<QCheckBox>(window, "chkAutoDownload")->setChecked(false);
    Control<QCheckBox>(window, "chkUsingProxy")->setChecked(true);
    Control<QLineEdit>(window, "txtProxyServer")->setText("anderer.proxy");
    Control<QComboBox>(window, "cmbServerTimeout")->setCurrentIndex(0);
    QSignalSpy rejected(&window, &QDialog::rejected);
    if (escape) {
      // Esc goes to the window even while a text box has the focus.
      QTest::keyClick(Control<QLineEdit>(window, "txtProxyServer"), Qt::Key_Escape);
    } else {
      QTest::mouseClick(Control<QPushButton>(window, "Command2"), Qt::LeftButton);
    }
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(StoreSnapshot(), before);
    QVERIFY(data.options.AutoDownload == optionsBefore.AutoDownload);
    QVERIFY(data.options.ProxyEnabled == optionsBefore.ProxyEnabled);
    QCOMPARE(data.options.ProxyServer, optionsBefore.ProxyServer);
    QCOMPARE(data.options.ServerTimeoutMs, optionsBefore.ServerTimeoutMs);
  }

  void enteringAProxyBoxSelectsItsText_data() {
    QTest::addColumn<QString>("box");
    for (const char* name : kProxyBoxes) QTest::newRow(name) << QString(name);
  }
  void enteringAProxyBoxSelectsItsText() {
    QFETCH(QString, box);
    zak::testing::TemporaryStore store;
    QVERIFY(zak::SaveSettingValue(zak::kSectionProxy, "en", "1"));
    ProgramData data;
    FrmOptions window(data, nullptr);
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* edit = Control<QLineEdit>(window, box.toUtf8().constData());
    edit->setText("3128");
    edit->deselect();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
    QTRY_COMPARE(edit->selectedText(), QString("3128"));
  }
};

QTEST_MAIN(FrmOptionsTest)
#include "frm_options_test.moc"
