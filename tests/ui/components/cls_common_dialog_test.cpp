// The open, save and print dialogs: what the real dialog is set up to show, what the properties
// hold after the user's answer, the save dialog's extension rule and the platform's failures,
// and Qt's own texts in them: German once the translation is loaded, English without its file.
#include "ui/components/cls_common_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <vector>

#include "ui/components/message_box.h"
#include "ui/components/qt_german.h"

using zak::ui::clsCommonDialog;
using zak::ui::DialogAnswer;
using zak::ui::DialogAnswers;
using zak::ui::ShownDialog;

namespace {

const QString kHtmlFilter =
    "HTML-Dateien (*.html)|*.html|Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

// The entries of the file-type list as the user reads them.
QStringList VisibleFilters(QFileDialog& dialog) {
  auto* combo = dialog.findChild<QComboBox*>("fileTypeCombo");
  if (combo == nullptr) qFatal("the file dialog has no file-type list");
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
  return entries;
}

}  // namespace

class ClsCommonDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void propertiesAfterCreation() {
    clsCommonDialog dialog;
    QVERIFY(dialog.Filename.isEmpty() && dialog.FileTitle.isEmpty() && dialog.Filter.isEmpty());
    QVERIFY(dialog.InitDir.isEmpty() && dialog.DialogTitle.isEmpty() &&
            dialog.DeviceName.isEmpty());
    QCOMPARE(dialog.FilterIndex, 0);
    QCOMPARE(dialog.Flags, 0);
    QCOMPARE(dialog.MaxFileSize, 256);
    QVERIFY(dialog.CancelError);
    for (std::int16_t value :
         {dialog.Copies, dialog.FromPage, dialog.ToPage, dialog.Min, dialog.Max}) {
      QCOMPARE(value, 1);
    }
    QCOMPARE(dialog.Orientation, 0);
    QVERIFY(!dialog.PrinterDefault);
  }

  void filterEntriesShown_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("selected");
    QTest::newRow("empty") << QString() << 0 << QStringList{"Alle Dateien (*.*)"}
                           << "Alle Dateien (*.*)";
    QTest::newRow("html export, third chosen")
        << kHtmlFilter << 3
        << QStringList{"HTML-Dateien (*.html)", "Textdateien (*.txt)", "Alle Dateien (*.*)"}
        << "Alle Dateien (*.*)";
    QTest::newRow("trailing bar, index 0 means the first")
        << "ZAK-Daten Datei (*.zak)|*.zak|" << 0 << QStringList{"ZAK-Daten Datei (*.zak)"}
        << "ZAK-Daten Datei (*.zak)";
    QTest::newRow("index beyond the list")
        << "Web|*.html;*.htm|Text|*.txt" << 9 << QStringList{"Web", "Text"} << "Web";
  }

  void filterEntriesShown() {
    QFETCH(QString, filter);
    QFETCH(int, filterIndex);
    QFETCH(QStringList, entries);
    QFETCH(QString, selected);
    QStringList shown;
    QString shownSelected;
    DialogAnswers answers([&](const ShownDialog& dialog) {
      shown = VisibleFilters(*dialog.file);
      shownSelected = dialog.file->findChild<QComboBox*>("fileTypeCombo")->currentText();
      return DialogAnswer::Cancel();
    });
    clsCommonDialog dialog;
    dialog.Filter = filter;
    dialog.FilterIndex = static_cast<std::int16_t>(filterIndex);
    QVERIFY(!dialog.ShowOpen());
    QCOMPARE(shown, entries);
    QCOMPARE(shownSelected, selected);
  }

  // "Alle Dateien" means every file, also one without a dot in its name.
  void everyFileMatchesAllFiles() {
    QStringList patterns;
    DialogAnswers answers([&](const ShownDialog& dialog) {
      patterns = dialog.file->nameFilters();
      return DialogAnswer::Cancel();
    });
    clsCommonDialog dialog;
    dialog.ShowOpen();
    QTemporaryDir folder;
    for (const char* name : {"LIESMICH", "daten.zak"}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QDir listing(folder.path());
    const QString filter = patterns.value(0);
    const QString inner = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
    QCOMPARE(listing.entryList(inner.split(' '), QDir::Files, QDir::Name),
             QStringList({"LIESMICH", "daten.zak"}));
  }

  void initialFolder_data() {
    QTest::addColumn<QString>("initDir");
    QTest::addColumn<QString>("passed");
    QTest::addColumn<QString>("opensIn");
    const QString here = QDir::currentPath();
    const QString temp = QDir::tempPath();
    const QString root = QDir::rootPath();
    QTest::newRow("folder passed") << QString() << temp << temp;
    QTest::newRow("folder passed wins over InitDir") << root << temp << temp;
    QTest::newRow("InitDir alone") << temp << QString() << temp;
    QTest::newRow("neither: the current folder") << QString() << QString() << here;
  }

  void initialFolder() {
    QFETCH(QString, initDir);
    QFETCH(QString, passed);
    QFETCH(QString, opensIn);
    QString folder;
    QString title;
    DialogAnswers answers([&](const ShownDialog& dialog) {
      folder = dialog.file->directory().absolutePath();
      title = dialog.file->windowTitle();
      return DialogAnswer::Cancel();
    });
    clsCommonDialog dialog;
    dialog.InitDir = initDir;
    dialog.DialogTitle = "Datei wählen";
    dialog.ShowSave(passed);
    QCOMPARE(folder, QDir(opensIn).absolutePath());
    QCOMPARE(title, QString("Datei wählen"));
    if (!passed.isEmpty()) QCOMPARE(dialog.InitDir, passed);
  }

  void saveAppendsTheChosenExtension_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("html, no extension") << kHtmlFilter << 1 << "/tmp/export/tabelle"
                                        << "/tmp/export/tabelle.html";
    QTest::newRow("text, ends in .txt") << kHtmlFilter << 2 << "/tmp/export/tabelle.txt"
                                        << "/tmp/export/tabelle.txt";
    QTest::newRow("html, ends in .html: doubled") << kHtmlFilter << 1 << "/tmp/export/tabelle.html"
                                                  << "/tmp/export/tabelle.html.html";
    QTest::newRow("html, three-letter .htm kept") << kHtmlFilter << 1 << "/tmp/export/tabelle.htm"
                                                  << "/tmp/export/tabelle.htm";
    QTest::newRow("text, ends in .html") << kHtmlFilter << 2 << "/tmp/export/tabelle.html"
                                         << "/tmp/export/tabelle.html.txt";
    QTest::newRow("all files: no wildcard in a name") << kHtmlFilter << 3 << "/tmp/export/tabelle"
                                                      << "/tmp/export/tabelle";
    QTest::newRow("three characters") << kHtmlFilter << 2 << "abc"
                                      << "abc.txt";
    QTest::newRow("one character") << kHtmlFilter << 1 << "a"
                                   << "a.html";
    QTest::newRow("pattern without dot") << "Alles|*" << 1 << "/tmp/daten"
                                         << "/tmp/daten";
    QTest::newRow("several patterns: the last one's") << "Web|*.html; *.htm " << 1 << "/tmp/seite"
                                                      << "/tmp/seite.htm";
    QTest::newRow("data file") << "ZAK-Daten Datei (*.zak)|*.zak|Alle Dateien (*.*)|*.*" << 1
                               << "/home/fan/sicherung"
                               << "/home/fan/sicherung.zak";
  }

  void saveAppendsTheChosenExtension() {
    QFETCH(QString, filter);
    QFETCH(int, filterIndex);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    DialogAnswers answers(
        [&](const ShownDialog&) { return DialogAnswer::Confirm(typed, filterIndex); });
    clsCommonDialog dialog;
    dialog.Filter = filter;
    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.Filename, saved);
    QCOMPARE(dialog.FileTitle, saved.mid(saved.lastIndexOf('/') + 1));
    QCOMPARE(dialog.FilterIndex, filterIndex);
  }

  // The filter the dialog had selected counts when the user did not change it.
  void openKeepsTheNameAndTheSelectedFilter() {
    DialogAnswers answers(
        [](const ShownDialog&) { return DialogAnswer::Confirm("/srv/ablage/saison.zak"); });
    clsCommonDialog dialog;
    dialog.Filter = kHtmlFilter;
    dialog.FilterIndex = 2;
    QVERIFY(dialog.ShowOpen("/srv"));
    QCOMPARE(dialog.Filename, QString("/srv/ablage/saison.zak"));
    QCOMPARE(dialog.FileTitle, QString("saison.zak"));
    QCOMPARE(dialog.FilterIndex, 2);
  }

  void cancelling_data() {
    QTest::addColumn<int>("kind");  // 1 open, 2 save, 5 printer
    QTest::addColumn<bool>("cancelError");
    QTest::addColumn<bool>("result");
    for (int kind : {1, 2, 5}) {
      QTest::addRow("kind %d, CancelError", kind) << kind << true << false;
      QTest::addRow("kind %d, no CancelError", kind) << kind << false << true;
    }
  }

  void cancelling() {
    QFETCH(int, kind);
    QFETCH(bool, cancelError);
    QFETCH(bool, result);
    DialogAnswers answers([](const ShownDialog&) { return DialogAnswer::Cancel(); });
    clsCommonDialog dialog;
    dialog.Filename = "/tmp/vorher.html";
    dialog.CancelError = cancelError;
    dialog.PrinterDefault = true;
    const bool confirmed = kind == 1   ? dialog.ShowOpen()
                           : kind == 2 ? dialog.ShowSave()
                                       : dialog.ShowPrinter();
    QCOMPARE(confirmed, result);
    QCOMPARE(dialog.Error().code, 0);
    if (kind != 5) QVERIFY(dialog.Filename.isEmpty());
    if (kind == 5) QVERIFY(dialog.Printer().outputFileName().isEmpty());
  }

  void actionOpensItsDialog_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("opened");
    QTest::newRow("1") << 1 << "open";
    QTest::newRow("2") << 2 << "save";
    QTest::newRow("5") << 5 << "printer";
    QTest::newRow("3") << 3 << "";
    QTest::newRow("0") << 0 << "";
  }

  void actionOpensItsDialog() {
    QFETCH(int, action);
    QFETCH(QString, opened);
    QString seen;
    DialogAnswers answers([&](const ShownDialog& dialog) {
      if (dialog.print != nullptr) seen = "printer";
      if (dialog.file != nullptr) {
        seen = dialog.file->acceptMode() == QFileDialog::AcceptSave ? "save" : "open";
      }
      return DialogAnswer::Cancel();
    });
    clsCommonDialog dialog;
    dialog.InitDir = QDir::tempPath();
    dialog.Action(action);
    QCOMPARE(seen, opened);
  }

  void printerChosen() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("druck.pdf");
    DialogAnswers answers([&](const ShownDialog& shown) {
      QPrinter* printer = shown.print->printer();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(pdf);
      printer->setCopyCount(3);
      printer->setPageOrientation(QPageLayout::Landscape);
      return DialogAnswer::Confirm();
    });
    for (bool makeDefault : {true, false}) {
      clsCommonDialog dialog;
      dialog.PrinterDefault = makeDefault;
      QVERIFY(dialog.ShowPrinter());
      QCOMPARE(dialog.Copies, 3);
      QCOMPARE(dialog.Orientation, 2);
      // Only a printer made the program's own receives the printout.
      QCOMPARE(dialog.Printer().outputFileName(), makeDefault ? pdf : QString());
    }
  }

  void failuresReachTheUser_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printers") << 5 << 4103
                                 << "Fehler 4103: The function could not find any printers.";
    QTest::newRow("dialog does not open")
        << 1 << 65535 << "Fehler 65535: The function could not open the dialog box.";
    QTest::newRow("invalid name") << 2 << 12290
                                  << "Fehler 12290: The function was provided with or received "
                                     "an invalid filename.";
    QTest::newRow("code without text") << 2 << 77 << "Fehler 77";
  }

  void failuresReachTheUser() {
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, message);
    DialogAnswers answers([&](const ShownDialog&) { return DialogAnswer::Failure(code); });
    std::vector<zak::ui::ShownMessage> shown;
    zak::ui::MessageBoxHelper messages(nullptr);
    messages.AnswerInAdvance([&](const zak::ui::ShownMessage& m) { shown.push_back(m); });
    clsCommonDialog dialog(&messages);
    dialog.Filename = "/tmp/vorher.zak";
    dialog.CancelError = false;
    const bool confirmed = kind == 1   ? dialog.ShowOpen()
                           : kind == 2 ? dialog.ShowSave()
                                       : dialog.ShowPrinter();
    QVERIFY(!confirmed);
    QCOMPARE(dialog.Error().code, code);
    QCOMPARE(dialog.Filename, QString("/tmp/vorher.zak"));  // the failed dialog returned nothing
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].kind, zak::MessageKind::kWarning);
    QCOMPARE(shown[0].text, message);
    QCOMPARE(shown[0].title, QString("ZAK 14/15 v2.0.9.2"));
  }

  // The name must fit MaxFileSize characters with its closing NUL.
  void nameLongerThanItsBuffer() {
    const QString name = "/tmp/" + QString(15, 'n');  // 20 characters
    DialogAnswers answers([&](const ShownDialog&) { return DialogAnswer::Confirm(name, 1); });
    for (int size : {20, 21}) {
      clsCommonDialog dialog;
      dialog.MaxFileSize = static_cast<std::int16_t>(size);
      const bool fits = size == 21;
      QCOMPARE(dialog.ShowOpen(), fits);
      QCOMPARE(dialog.Error().code, fits ? 0 : 12291);
      QCOMPARE(dialog.Filename, fits ? name : QString());
    }
  }

  // Confirming a dialog that offers no usable printer (no printer installed, no file named) is
  // a failure, not a printout into nowhere.
  void noUsablePrinterIsAFailure() {
    DialogAnswers answers([](const ShownDialog& shown) {
      shown.print->printer()->setOutputFormat(QPrinter::PdfFormat);
      shown.print->printer()->setOutputFileName({});
      return DialogAnswer::Confirm();
    });
    clsCommonDialog dialog;
    dialog.PrinterDefault = true;
    QVERIFY(!dialog.ShowPrinter());
    QCOMPARE(dialog.Error().code, QPrinterInfo::availablePrinterNames().isEmpty() ? 4103 : 4107);
    QVERIFY(!dialog.Error().description.isEmpty());
  }

  void qtTextsInTheDialogs_data() {
    QTest::addColumn<int>("action");  // 1 open, 2 save, 5 print
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("open") << 1 << true << QStringList{"Öffnen", "Abbrechen", "Dateiname:"};
    QTest::newRow("save") << 2 << true << QStringList{"Speichern unter", "Dateiname:"};
    QTest::newRow("print") << 5 << true << QStringList{"Drucken", "Abbrechen", "Eigenschaften"};
    QTest::newRow("save, no file") << 2 << false << QStringList{"Save As", "File name:"};
    QTest::newRow("print, no file") << 5 << false << QStringList{"Print", "Cancel"};
  }

  void qtTextsInTheDialogs() {
    QFETCH(int, action);
    QFETCH(bool, translated);
    QFETCH(QStringList, texts);
    const QString folder = translated ? zak::ui::QtTranslationFolder() : "/kein/ordner";
    QCOMPARE(zak::ui::LoadQtGermanTexts(*qApp, folder), translated);
    QStringList shown;
    const DialogAnswers answers([&](const ShownDialog& dialog) {
      QWidget* window = dialog.file ? static_cast<QWidget*>(dialog.file) : dialog.print;
      shown << window->windowTitle();
      for (auto* button : window->findChildren<QAbstractButton*>()) shown << button->text();
      for (auto* label : window->findChildren<QLabel*>()) shown << label->text();
      return DialogAnswer::Cancel();
    });
    clsCommonDialog().Action(action);
    qDeleteAll(qApp->findChildren<QTranslator*>());  // a translator leaves when deleted
    for (const QString& text : texts)
      QVERIFY2(shown.replaceInStrings("&", "").contains(text), qPrintable(text));
  }
};

QTEST_MAIN(ClsCommonDialogTest)
#include "cls_common_dialog_test.moc"
