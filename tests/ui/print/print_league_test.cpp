// Printing from the main window into real PDF files, read back with pdftotext: the lines appear
// character for character, a long printout continues on the next page, and a cancelled or
// failing dialog or printer prints nothing. printsOnCups runs against a CUPS of the test's own
// (with_cupsd.sh), and skips without one.
#include "ui/print/print_league.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/printed_layout.h"
#include "support/controls.h"
#include "support/file_bytes.h"
#include "support/fixed_values.h"
#include "ui/components/cls_common_dialog.h"
#include "ui/main/main_window_session.h"

using zak::testing::Control;
using zak::testing::MainWindowSession;
using zak::ui::DialogAnswer;
using zak::ui::DialogAnswers;
using zak::ui::ShownDialog;

namespace {

// The text of a PDF as pdftotext lays it out; pages end with a form feed. With a point size,
// pdftotext takes the pitch of that size in the fixed-pitch font (0.6 of it), so lines printed
// in that size come back column for column.
QString PdfText(const QString& pdf, int pointSize = 0) {
  QStringList arguments{"-layout"};
  if (pointSize > 0) arguments << "-fixed" << QString::number(0.6 * pointSize);
  QProcess process;
  process.start("pdftotext", arguments << pdf << "-");
  if (!process.waitForFinished(60000) || process.exitCode() != 0) qFatal("pdftotext failed");
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString RightTrimmed(QString line) {
  while (line.endsWith(' ')) line.chop(1);
  return line;
}

QStringList PdfLines(const QString& pdf, int pointSize) {
  QStringList lines;
  for (const QString& line : PdfText(pdf, pointSize).split('\n')) lines << RightTrimmed(line);
  return lines;
}

// The clock of MainWindowSession.
const std::chrono::local_seconds kSessionNow = zak::testing::TestNow();

// A print dialog confirmed with a PDF file on the given paper.
zak::ui::clsCommonDialog::Answerer PrintToPdf(const QString& pdf,
                                              QPageSize::PageSizeId paper = QPageSize::A4) {
  return [pdf, paper](const ShownDialog& shown) {
    if (shown.print == nullptr) qFatal("a print dialog was expected");
    shown.print->printer()->setOutputFormat(QPrinter::PdfFormat);
    shown.print->printer()->setOutputFileName(pdf);
    shown.print->printer()->setPageSize(QPageSize(paper));
    // Column 0 at the paper's edge, so that pdftotext counts columns from the first character.
    shown.print->printer()->setPageMargins(QMarginsF(0, 20, 0, 20), QPageLayout::Point);
    return DialogAnswer::Confirm();
  };
}

// The printed lines of one size that carry text, as pdftotext gives them back.
QStringList ExpectedLines(const zak::PrintLines& lines, int pointSize) {
  QStringList texts;
  for (const zak::PrintLine& line : lines) {
    if (!line.text.empty() && line.pointSize == pointSize) {
      texts << RightTrimmed(QString::fromStdString(line.text));
    }
  }
  return texts;
}

// Table and match day of the 1. Bundesliga's last day, printed with the dialog answered so.
void PrintAnswered(
    MainWindowSession& session, zak::ui::clsCommonDialog::Answerer answerer,
    const zak::ui::PrintClock& now = [] { return kSessionNow; }) {
  const DialogAnswers answers(std::move(answerer));
  zak::ui::PrintLeague({34, 0, true, true}, session.data().matchData, session.data().rankColour,
                       now, session.window().messages());
}

// A command of CUPS's own, on the test's CUPS (CUPS_SERVER): its output.
QString Cups(QStringList command) {
  QProcess process;
  process.start(command.takeFirst(), command);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) qFatal("CUPS command failed");
  return QString::fromUtf8(process.readAllStandardOutput());
}

// One line per job that printed: queue, job, name, copies, sides (with_cupsd.sh's format).
QString PageLog() {
  const QString log = QDir(qEnvironmentVariable("ZAK_CUPS_DIR")).filePath("log/page_log");
  return QString::fromStdString(zak::testing::FileBytes(log.toStdString()));
}

}  // namespace

class PrintLeagueTest : public QObject {
  Q_OBJECT

 private slots:
  void printButtonsPrintTheDaySelected_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("day");
    QTest::newRow("cmdPrintDay") << "cmdPrintDay" << false << true;
    QTest::newRow("cmdPrintTable") << "cmdPrintTable" << true << false;
    QTest::newRow("cmdPrintTableDay") << "cmdPrintTableDay" << true << true;
  }

  // The 1. Bundesliga's last day, printed from the main window, read back from the PDF.
  void printButtonsPrintTheDaySelected() {
    QFETCH(QString, button);
    QFETCH(bool, table);
    QFETCH(bool, day);
    MainWindowSession session;
    session.Start();
    QWidget& w = session.window();
    Control<QComboBox>(w, "cmbLiga", 0)->setCurrentIndex(0);
    Control<QComboBox>(w, "cmbDays", 0)->setCurrentIndex(33);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("druck.pdf");
    {
      const DialogAnswers answers(PrintToPdf(pdf));
      auto* command = Control<QPushButton>(w, button);
      if (!command->isEnabled()) session.SlideDayMenu();  // the menu holds the day's commands
      QVERIFY(command->isEnabled());
      QTest::mouseClick(command, Qt::LeftButton);
    }
    QVERIFY(session.messages().empty());
    // Every line of every size, in order, character for character.
    const zak::PrintLines lines = zak::PrintLeagueLines(
        session.data().matchData, session.data().rankColour, {34, 0, table, day}, kSessionNow);
    for (const int size : {10, 11, 13, 16}) {
      const QStringList printed = PdfLines(pdf, size);
      qsizetype at = 0;
      for (const QString& line : ExpectedLines(lines, size)) {
        at = printed.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable(QString("not printed at %1 points: %2").arg(size).arg(line)));
      }
    }
    // Lines written down by hand, independent of the layout code.
    const QStringList body = PdfLines(pdf, 13);
    QCOMPARE(body.contains("  1.( 1) Bayern München            34   25  4  5   80:18     62    79"),
             table);
    QCOMPARE(body.contains("  34. Spieltag (23.05.15 bis 23.05.15)"), true);
    QCOMPARE(
        PdfLines(pdf, 11).contains(" Sa 23.05.15 15:30  Bor. Mönchengladbach        - FC Augsburg" +
                                   QString(15, ' ') + "  1:3"),
        day);
    QVERIFY(PdfLines(pdf, 16).contains("  Tabelle der 1. Fußball Bundesliga 2014 / 2015"));
    QVERIFY(PdfLines(pdf, 10).contains("  Samstag, 23.05.2015  17:00:00" + QString(19, ' ') +
                                       "ZAK v2.0.9.2  © 2005–2015 ZAK-Team"));
  }

  // A6 holds about 30 lines: the table with its match day continues on a second page, and
  // nothing is lost or printed twice at the break.
  void longPrintoutContinuesOnTheNextPage() {
    MainWindowSession session;
    session.Start();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("a6.pdf");
    // The clock stands a day earlier while the dialog is open: the footer must not show that.
    auto now = kSessionNow - std::chrono::days(1);
    PrintAnswered(
        session,
        [&, print = PrintToPdf(pdf, QPageSize::A6)](const ShownDialog& shown) {
          now = kSessionNow;
          return print(shown);
        },
        [&] { return now; });
    const QStringList pages = PdfText(pdf).split('\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QVERIFY(pages.first().contains("Tabelle der 1. Fußball"));  // the rest is past the edge
    // The footer's date; its version line lies past the narrow paper's edge.
    QVERIFY(!pages.first().contains("23.05.2015"));
    QVERIFY(pages.last().contains("Samstag, 23.05.2015"));
    const QString all = pages.join("");
    // Twice each: once in the match day, once in the table (these clubs play at home, at the
    // start of the line, which the narrow paper does not cut off).
    for (const char* club : {"Bayern München", "Hamburger SV", "SC Paderborn 07", "Hannover 96",
                             "Borussia Dortmund"}) {
      QCOMPARE(all.count(club), 2);
    }
  }

  void nothingPrintedWhenTheDialogEndsWithout_data() {
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << 0 << QString();
    QTest::newRow("no printers") << 4103
                                 << "Fehler 4103: The function could not find any printers.";
  }

  void nothingPrintedWhenTheDialogEndsWithout() {
    QFETCH(int, errorCode);
    QFETCH(QString, message);
    MainWindowSession session;
    session.Start();
    int dialogs = 0;
    const DialogAnswers answers([&](const ShownDialog& shown) {
      ++dialogs;
      shown.print->printer()->setOutputFileName(QDir::temp().filePath("nie-gedruckt.pdf"));
      return errorCode ? DialogAnswer::Failure(errorCode) : DialogAnswer::Cancel();
    });
    QTest::mouseClick(Control<QPushButton>(session.window(), "cmdPrintTable"), Qt::LeftButton);
    QCOMPARE(dialogs, 1);
    QVERIFY(!QFile::exists(QDir::temp().filePath("nie-gedruckt.pdf")));
    QCOMPARE(session.messages().size(), message.isEmpty() ? std::size_t{0} : std::size_t{1});
    if (!message.isEmpty()) QCOMPARE(session.messages()[0].text, message);
  }

  // A printer that cannot be written is reported, not taken for a printout.
  void printerThatCannotBeWritten() {
    MainWindowSession session;
    session.Start();
    const DialogAnswers answers(PrintToPdf("/proc/kein-ordner/druck.pdf"));
    QTest::mouseClick(Control<QPushButton>(session.window(), "cmdPrintTable"), Qt::LeftButton);
    QCOMPARE(session.messages().size(), std::size_t{1});
    QCOMPARE(session.messages()[0].kind, zak::MessageKind::kWarning);
    QVERIFY(session.messages()[0].text.startsWith("Der Ausdruck konnte nicht erstellt werden"));
  }

  // The second page alone, twice: a range or copies chosen in the dialog are kept in a file too.
  void pagesAndCopiesChosenInTheDialog() {
    MainWindowSession session;
    session.Start();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("seite2.pdf");
    PrintAnswered(session, [print = PrintToPdf(pdf, QPageSize::A6)](const ShownDialog& shown) {
      const DialogAnswer answer = print(shown);
      shown.print->printer()->setPrintRange(QPrinter::PageRange);
      shown.print->printer()->setFromTo(2, 2);
      shown.print->printer()->setCopyCount(2);
      return answer;
    });
    const QStringList pages = PdfText(pdf).split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0], pages[1]);
    QVERIFY(!pages[0].contains("Tabelle der"));
  }

  void printsOnCups_data() {
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("reason");  // in the warning; empty when nothing is said
    QTest::newRow("printed") << "zak_druck" << QString();
    QTest::newRow("rejecting") << "zak_abweisend"
                               << "server-error-not-accepting-jobs";
    QTest::newRow("removed") << "zak_entfernt"
                             << "CUPS kennt diesen Drucker nicht (mehr).";
    QTest::newRow("cancelled") << "zak_abgebrochen" << QString();
  }

  // The printout as a job of a real CUPS on its PDF printer: under its name, with the copies
  // chosen, the lines in the PDF the printer made. A job CUPS does not take (the queue rejects
  // jobs, the printer went while the dialog was open) is said by printer and reason; a
  // cancelled dialog sends none.
  void printsOnCups() {
    if (qEnvironmentVariableIsEmpty("ZAK_CUPS_DIR")) QSKIP("no CUPS of the test's own");
    QFETCH(QString, queue);
    QFETCH(QString, reason);
    const QByteArray row = QTest::currentDataTag();
    Cups({"lpadmin", "-p", queue, "-E", "-v", qEnvironmentVariable("ZAK_CUPS_DEVICE"), "-P",
          "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd", "-o",
          "pdftops-renderer-default=pdftocairo"});
    if (row == "rejecting") Cups({"cupsreject", queue});
    MainWindowSession session;
    session.Start();
    PrintAnswered(session, [&](const ShownDialog& shown) {
      shown.print->printer()->setPrinterName(queue);
      shown.print->printer()->setCopyCount(2);
      if (row == "removed") Cups({"lpadmin", "-x", queue});
      return row == "cancelled" ? DialogAnswer::Cancel() : DialogAnswer::Confirm();
    });
    QCOMPARE(session.messages().size(), std::size_t{reason.isEmpty() ? 0u : 1u});
    for (const auto& message : session.messages()) {
      QVERIFY2(message.text.contains("\u201e" + queue + "\u201c") && message.text.contains(reason),
               qPrintable(message.text));
    }
    if (row != "printed") {
      QVERIFY(!Cups({"lpstat", "-W", "all", "-o"}).contains(queue));
      return;
    }
    const QRegularExpression job(queue +
                                 "\t\\d+\tZAK 14/15 \u2013 1\\. Bundesliga \u2013 34\\. "
                                 "Spieltag\t2\tone-sided\"");
    QTRY_VERIFY_WITH_TIMEOUT(PageLog().contains(job), 120000);
    const QDir made(QDir(qEnvironmentVariable("ZAK_CUPS_DIR")).filePath("pdf"));
    QStringList lines;
    for (const QString& line : PdfLines(made.filePath(made.entryList({"*.pdf"}).value(0)), 13)) {
      lines << line.simplified();
    }
    QVERIFY(lines.contains("Tabelle der 1. Fußball Bundesliga 2014 / 2015"));
    QVERIFY(lines.contains("1.( 1) Bayern München 34 25 4 5 80:18 62 79"));
  }
};

QTEST_MAIN(PrintLeagueTest)
#include "print_league_test.moc"
