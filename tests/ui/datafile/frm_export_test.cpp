// The data file window over a settings store of its own: when its buttons may be pressed, the
// folder question, the browse dialogs, an import that reloads the leagues and refreshes the
// main window, and closing.
#include "ui/datafile/frm_export.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/data_file_text.h"
#include "core/program_data.h"
#include "service/data_file.h"
#include "service/league_loading.h"
#include "service/recording_sinks.h"
#include "settings/settings_store.h"
#include "support/controls.h"
#include "support/file_bytes.h"
#include "support/fixed_values.h"
#include "support/temporary_store.h"
#include "ui/components/cls_common_dialog.h"

using zak::testing::Control;
using zak::ui::FrmExport;
using zak::ui::ShownMessage;

namespace {

// The window as the main window opens it, with its messages and questions written down.
struct ExportWindow {
  explicit ExportWindow(bool answerYes = false, QWidget* owner = nullptr)
      : window(
            zak::ServiceContext{data, gateway, unused, zak::testing::TestToday}, status,
            [this] { ++refreshes; }, owner) {
    window.messages().AnswerInAdvance([this](const ShownMessage& m) { shown.push_back(m); });
    window.messages().AnswerQuestionsInAdvance([this, answerYes](const ShownMessage& m) {
      questions.push_back(m);
      return answerYes;
    });
    window.Form_Load();
  }

  QLineEdit* File(int index) { return Control<QLineEdit>(window, "txtFile", index); }
  QPushButton* Button(const char* name) { return Control<QPushButton>(window, name); }

  zak::testing::TemporaryStore store;
  zak::ProgramData data;
  zak::HttpGateway gateway{data.options, data.identity, zak::testing::TestNow};
  zak::testing::RecordingMessages unused;
  zak::testing::RecordingStatus status;
  int refreshes = 0;
  std::vector<ShownMessage> shown;
  std::vector<ShownMessage> questions;
  FrmExport window;
};

}  // namespace

class FrmExportTest : public QObject {
  Q_OBJECT

 private slots:
  void exportButtonWantsAPathBelowAFolder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("/a") << "/a" << false;
    QTest::newRow("/ab") << "/ab" << false;
    QTest::newRow("/ab/") << "/ab/" << true;
    QTest::newRow("/abc") << "/abc" << true;
    QTest::newRow("daten/x") << "daten/x" << true;
    QTest::newRow("sicherung.zak") << "sicherung.zak" << false;
    QTest::newRow("C:\\ZAK\\daten.zak") << "C:\\ZAK\\daten.zak" << false;
    QTest::newRow("empty") << "" << false;
  }
  void exportButtonWantsAPathBelowAFolder() {
    QFETCH(QString, path);
    QFETCH(bool, enabled);
    ExportWindow w;
    w.File(FrmExport::kExport)->setText("/tmp/x.zak");
    w.File(FrmExport::kExport)->setText(path);
    QCOMPARE(w.Button("cmdExportFile")->isEnabled(), enabled);
    QVERIFY(!w.Button("cmdImportFile")->isEnabled());
  }

  void importFieldTellsAFileFromTheRest_data() {
    QTest::addColumn<QString>("name");  // below a temporary folder; "" for an empty field
    QTest::addColumn<bool>("noteShown");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("existing file") << "daten.zak" << false << true;
    QTest::newRow("existing folder") << "ordner" << true << false;
    QTest::newRow("missing file") << "fehlt.zak" << true << false;
    QTest::newRow("empty") << "" << false << false;
    // Reading these would wait for a writer or never end: no file to import.
    QTest::newRow("named pipe") << "pipe.zak" << true << false;
    QTest::newRow("device") << "geraet.zak" << true << false;
  }
  void importFieldTellsAFileFromTheRest() {
    QFETCH(QString, name);
    QFETCH(bool, noteShown);
    QFETCH(bool, enabled);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("ordner");
    QFile file(dir.path() + "/daten.zak");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(mkfifo(QFile::encodeName(dir.path() + "/pipe.zak").constData(), 0600), 0);
    // Root may make a device node (as /dev/null); for anyone else the row is a missing file.
    mknod(QFile::encodeName(dir.path() + "/geraet.zak").constData(), S_IFCHR | 0600, makedev(1, 3));
    ExportWindow w;
    w.window.show();
    w.File(FrmExport::kImport)->setText("x");  // a change to an empty text must count too
    w.File(FrmExport::kImport)->setText(name.isEmpty() ? "" : dir.path() + "/" + name);
    QCOMPARE(Control(w.window, "lblFileExists")->isVisible(), noteShown);
    QCOMPARE(Control(w.window, "lblFileExists")->text(), QString("Datei existiert nicht"));
    QCOMPARE(w.Button("cmdImportFile")->isEnabled(), enabled);
    // Clearing the field hides the note and leaves nothing to import.
    w.File(FrmExport::kImport)->clear();
    QVERIFY(!Control(w.window, "lblFileExists")->isVisible());
    QVERIFY(!w.Button("cmdImportFile")->isEnabled());
  }

  void missingFolderIsCreatedOnlyAfterYes_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
  }
  void missingFolderIsCreatedOnlyAfterYes() {
    QFETCH(bool, yes);
    QTemporaryDir dir;
    const QString folder = dir.path() + "/neu/tiefer/";
    ExportWindow w(yes);
    w.File(FrmExport::kExport)->setText(folder + "daten.zak");
    w.Button("cmdExportFile")->click();
    QCOMPARE(w.questions.size(), std::size_t{1});
    QCOMPARE(w.questions[0].text,
             "Der Pfad \"" + folder + "\" existiert nicht. Soll dieser angelegt werden?");
    QCOMPARE(w.questions[0].kind, zak::MessageKind::kInformation);
    QCOMPARE(w.questions[0].title, QString("ZAK 14/15 v2.0.9.2"));
    QCOMPARE(QDir(folder).exists(), yes);
    if (!yes) {
      QVERIFY(w.shown.empty());
      QVERIFY(!QDir(dir.path() + "/neu").exists());
      return;
    }
    QCOMPARE(w.shown.size(), std::size_t{1});
    QCOMPARE(w.shown[0].text, QString("Die Daten wurden erfolgreich exportiert."));
    QCOMPARE(zak::testing::FileBytes((folder + "daten.zak").toStdString()),
             zak::BuildDataFileText(zak::ReadDataFileFields()));
  }

  // The import through the window: the file's leagues in memory, the main window's status bar
  // during the reloading, the main window refreshed once, the outcome told by this window.
  void importReloadsTheLeaguesAndRefreshesTheMainWindow() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/daten.zak";
    ExportWindow w;
    zak::MatchData typed;
    for (int league = 0; league < zak::kLeagueCount; ++league) {
      zak::MatchRecord& r = typed(0, league, 0);
      r = {"Heim " + std::to_string(league), "Gast", 2, 1, true, "02.08.14 14:00"};
      QVERIFY(zak::SaveLeagueData(typed, league));
    }
    QVERIFY(zak::ExportDataFile(path.toStdString(), w.unused));
    for (int league = 0; league < zak::kLeagueCount; ++league) {
      QVERIFY(zak::SaveSettingValue(zak::kSectionData, zak::LeagueDataKey(league), ""));
    }
    w.File(FrmExport::kImport)->setText(path);
    w.Button("cmdImportFile")->click();
    QCOMPARE(w.refreshes, 1);
    QCOMPARE(w.data.matchData, typed);
    QVERIFY(std::count(w.status.texts.begin(), w.status.texts.end(), "Daten laden...") >= 8);
    QCOMPARE(w.shown.size(), std::size_t{1});
    QCOMPARE(w.shown[0].kind, zak::MessageKind::kInformation);
    QCOMPARE(w.shown[0].text, QString("Daten wurden erfolgreich importiert."));
    QVERIFY(w.unused.shown.size() == 1);  // only the test's own export spoke there
  }

  void browseButtonsOfferDataFilesInTheProgramFolder_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("export, chosen") << int{FrmExport::kExport} << true;
    QTest::newRow("export, cancelled") << int{FrmExport::kExport} << false;
    QTest::newRow("import, chosen") << int{FrmExport::kImport} << true;
    QTest::newRow("import, cancelled") << int{FrmExport::kImport} << false;
  }
  void browseButtonsOfferDataFilesInTheProgramFolder() {
    QFETCH(int, index);
    QFETCH(bool, confirm);
    ExportWindow w;
    w.File(index)->setText("/vorher.zak");
    QStringList filters;
    QString folder;
    bool save = false;
    zak::ui::DialogAnswers answers([&](const zak::ui::ShownDialog& shown) {
      filters = shown.file->nameFilters();
      folder = shown.file->directory().absolutePath();
      save = shown.file->acceptMode() == QFileDialog::AcceptSave;
      return confirm ? zak::ui::DialogAnswer::Confirm("/daten/sicherung.zak", 1)
                     : zak::ui::DialogAnswer::Cancel();
    });
    Control<QPushButton>(w.window, "cmdBrowseForFile", index)->click();
    QCOMPARE(filters.size(), 2);  // as the dialog shows them, with their patterns behind
    QVERIFY2(filters[0].startsWith("ZAK-Daten Datei (*.zak)"), qPrintable(filters[0]));
    QVERIFY2(filters[1].startsWith("Alle Dateien (*.*)"), qPrintable(filters[1]));
    QCOMPARE(folder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
    QCOMPARE(save, index == FrmExport::kExport);
    QCOMPARE(w.File(index)->text(), confirm ? QString("/daten/sicherung.zak") : "/vorher.zak");
  }

  void escAndCloseButtonClose_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("Schließen") << false;
  }
  void escAndCloseButtonClose() {
    QFETCH(bool, escape);
    ExportWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.Button("cmdClose")->text(), QString("Schließen"));
    if (escape) {
      w.File(FrmExport::kExport)->setFocus();
      QTest::keyClick(w.File(FrmExport::kExport), Qt::Key_Escape);
    } else {
      w.Button("cmdClose")->click();
    }
    QTRY_VERIFY(!w.window.isVisible());
  }

  void captionAndCentreOverTheOwner() {
    QWidget owner;
    owner.setGeometry(100, 80, 590, 615);
    ExportWindow w(false, &owner);
    FrmExport& window = w.window;
    QCOMPARE(window.windowTitle(),
             QString("Datei Im-/Export  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    QVERIFY(window.isModal());
    QVERIFY(qAbs(window.geometry().center().x() - owner.geometry().center().x()) <= 1);
    QVERIFY(qAbs(window.geometry().center().y() - owner.geometry().center().y()) <= 1);
    QCOMPARE(Control<QWidget>(window, "Frame2")->property("title").toString(),
             QString("Dateiexport"));
    QCOMPARE(Control<QWidget>(window, "Frame1")->property("title").toString(),
             QString("Dateiimport"));
    QVERIFY(Control<QWidget>(window, "Frame2")->y() < Control<QWidget>(window, "Frame1")->y());
  }
};

QTEST_MAIN(FrmExportTest)
#include "frm_export_test.moc"
