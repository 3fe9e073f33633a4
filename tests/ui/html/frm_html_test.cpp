// The HTML export window over a store of its own and the real season: what it offers, what it
// writes where, and what it remembers.
#include "ui/html/frm_html.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/html_fragments.h"
#include "core/season_file.h"
#include "settings/settings_store.h"
#include "support/bundled_season.h"
#include "support/controls.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "support/fixed_values.h"
#include "support/temporary_store.h"
#include "ui/components/cls_common_dialog.h"

using zak::testing::Control;
using zak::testing::FileBytes;
using zak::ui::DialogAnswer;
using zak::ui::DialogAnswers;
using zak::ui::FrmHtml;
using zak::ui::ShownDialog;
using zak::ui::ShownMessage;

namespace {

constexpr const char* kHost = "zak.test:8014";

std::unique_ptr<zak::ProgramData> SeasonData() {
  auto data = std::make_unique<zak::ProgramData>();
  zak::testing::ReadBundledSeason(data->matchData, {0, 1, 2});
  data->rankColour = zak::testing::RankColours();
  return data;
}

// One window over the season, with the store, the dialogs and the messages in the test's hand.
struct Session {
  explicit Session(int league = 0, int shownDay = 33)
      : window(*data, league, shownDay, today, kHost, nullptr) {
    window.messages().AnswerInAdvance([this](const ShownMessage& m) { messages.push_back(m); });
  }
  // Loads and shows the window, as the main window does before it waits on it.
  void Load() {
    window.Form_Load();
    window.show();
  }
  // Presses "Exportieren" and answers the save dialog with the name typed and the filter
  // chosen (1 HTML, 2 text, 3 all files); an empty name cancels.
  void Export(const QString& fileName, int filter = 1) {
    DialogAnswers answers([&](const ShownDialog& shown) {
      if (shown.file != nullptr) filters = shown.file->nameFilters();
      return fileName.isEmpty() ? DialogAnswer::Cancel() : DialogAnswer::Confirm(fileName, filter);
    });
    QTest::mouseClick(Control<QPushButton>(window, "cmdGenerate"), Qt::LeftButton);
  }
  QComboBox* Box(const char* name) { return Control<QComboBox>(window, name); }

  zak::testing::TemporaryStore store;
  QTemporaryDir folder;
  zak::Date today = zak::testing::TestToday();
  std::unique_ptr<zak::ProgramData> data = SeasonData();
  FrmHtml window;
  std::vector<ShownMessage> messages;
  QStringList filters;
};

// A click on the box itself, which toggles it.
void Tick(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

std::string Fragments(const zak::ProgramData& data, int league, int day, int favourite, bool table,
                      bool matchDay) {
  const zak::HtmlSource source{data.matchData, data.rankColour, zak::HtmlAddresses::ForHost(kHost)};
  return (table ? zak::BuildTableHtml(source, league, day, favourite) : "") +
         (matchDay ? zak::BuildMatchDayHtml(source, league, day, favourite) : "");
}

}  // namespace

class FrmHtmlTest : public QObject {
  Q_OBJECT

 private slots:
  void loadPresetsLeagueDayAndCaption() {
    Session s(1, 20);
    s.Load();
    QVERIFY(s.window.windowTitle().startsWith("HTML-Export  -  ZAK 14/15 v2.0.9.2  "));
    QCOMPARE(s.Box("cmbLiga")->count(), 8);
    QCOMPARE(s.Box("cmbLiga")->currentText(), QString("2. Bundesliga"));
    QCOMPARE(s.Box("cmbDay")->count(), 34);
    QCOMPARE(s.Box("cmbDay")->currentText(), QString("21. Spieltag"));
    QCOMPARE(s.Box("cmbTeams")->itemText(0), QString("< Keine >"));
    QCOMPARE(s.Box("cmbTeams")->count(), 19);
    // Nothing stored: the default "0" makes the league's first club the favourite.
    QCOMPARE(s.Box("cmbTeams")->currentText(), QString("1. FC Heidenheim 1846"));
    QVERIFY(Control<QCheckBox>(s.window, "chkExportTable")->isChecked());
    QVERIFY(Control<QCheckBox>(s.window, "chkExportDay")->isChecked());
  }

  void anotherLeagueShowsItsClubsAndItsCurrentDay() {
    Session s(0, 3);
    s.Load();
    s.Box("cmbLiga")->setCurrentIndex(2);
    QCOMPARE(s.Box("cmbTeams")->count(), 21);
    QCOMPARE(s.Box("cmbDay")->count(), 38);
    QCOMPARE(s.Box("cmbDay")->currentText(), QString("38. Spieltag"));
  }

  void exportButtonNeedsATickedBox_data() {
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("day");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both") << true << true << true;
    QTest::newRow("table only") << true << false << true;
    QTest::newRow("day only") << false << true << true;
    QTest::newRow("neither") << false << false << false;
  }
  void exportButtonNeedsATickedBox() {
    QFETCH(bool, table);
    QFETCH(bool, day);
    QFETCH(bool, enabled);
    Session s;
    s.Load();
    auto* boxTable = Control<QCheckBox>(s.window, "chkExportTable");
    auto* boxDay = Control<QCheckBox>(s.window, "chkExportDay");
    // Untick both first, then tick what the row asks for, by clicks as a user would.
    for (QCheckBox* box : {boxTable, boxDay}) Tick(box);
    QVERIFY(!Control<QPushButton>(s.window, "cmdGenerate")->isEnabled());
    if (table) Tick(boxTable);
    if (day) Tick(boxDay);
    QCOMPARE(Control<QPushButton>(s.window, "cmdGenerate")->isEnabled(), enabled);
  }

  void exportWritesTheTickedFragmentsInUtf8_data() {
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("day");
    QTest::newRow("table and day") << true << true;
    QTest::newRow("table") << true << false;
    QTest::newRow("day") << false << true;
  }
  void exportWritesTheTickedFragmentsInUtf8() {
    QFETCH(bool, table);
    QFETCH(bool, day);
    Session s;
    s.Load();
    s.Box("cmbTeams")->setCurrentIndex(5);  // Bayern München, slot 4
    if (!table) Tick(Control<QCheckBox>(s.window, "chkExportTable"));
    if (!day) Tick(Control<QCheckBox>(s.window, "chkExportDay"));
    const QString path = s.folder.filePath("tabelle.html");
    s.Export(path);
    const std::string written = FileBytes(path.toStdString());
    QCOMPARE(written, Fragments(*s.data, 0, 33, 4, table, day) + "\r\n");
    QVERIFY(written.find("Bayern M\xC3\xBCnchen") != std::string::npos);
    QCOMPARE(s.filters.size(), 3);
    QVERIFY(s.filters[0].startsWith("HTML-Dateien (*.html)"));
    QVERIFY(s.filters[1].startsWith("Textdateien (*.txt)"));
    QVERIFY(s.filters[2].startsWith("Alle Dateien (*.*)"));
    QCOMPARE(s.messages.size(), std::size_t{1});
    QCOMPARE(s.messages[0].kind, zak::MessageKind::kInformation);
    QCOMPARE(s.messages[0].text, "Daten erfolgreich nach \"" + path + "\" exportiert.");
    QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav0", ""), std::string("4"));
    QCOMPARE(s.window.result(), int(QDialog::Accepted));
  }

  // The save dialog appends the chosen filter's extension to a name without a three-letter
  // one, so "x.html" comes back as "x.html.html"; the window mends doubled extensions.
  void doubledExtensionIsRepaired_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::newRow("a.html, HTML") << "a.html" << 1 << "a.html";
    QTest::newRow("a, HTML") << "a" << 1 << "a.html";
    QTest::newRow("a.htm.htm, HTML") << "a.htm.htm" << 1 << "a.htm";
    QTest::newRow("a.txt.txt, text") << "a.txt.txt" << 2 << "a.txt";
    QTest::newRow("a.html.html, all files") << "a.html.html" << 3 << "a.html";
    QTest::newRow("a.txt, HTML") << "a.txt" << 1 << "a.txt";
    QTest::newRow("a.htm.html, all files") << "a.htm.html" << 3 << "a.htm.html";
  }
  void doubledExtensionIsRepaired() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    Session s;
    s.Load();
    s.Export(s.folder.filePath(typed), filter);
    QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(s.messages.size(), std::size_t{1});
    QVERIFY2(s.messages[0].text.endsWith("/" + written + "\" exportiert."),
             qPrintable(s.messages[0].text));
  }

  void keineStoresMinusOneAndHighlightsNothing() {
    Session s;
    QVERIFY(zak::SaveSettingValue(zak::kSectionHtml, "fav0", "9"));
    s.Load();
    QCOMPARE(s.Box("cmbTeams")->currentText(), QString("FC Schalke 04"));
    s.Box("cmbTeams")->setCurrentIndex(0);
    const QString path = s.folder.filePath("x.html");
    s.Export(path);
    QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav0", ""), std::string("-1"));
    QCOMPARE(FileBytes(path.toStdString()).find("color:blue"), std::string::npos);
  }

  void storedFavouriteOutsideTheListSelectsKeine_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("-1") << "-1";
    QTest::newRow("18, a free slot") << "18";
    QTest::newRow("40") << "40";
    QTest::newRow("-7") << "-7";
    QTest::newRow("not a number") << "Bayern";
  }
  void storedFavouriteOutsideTheListSelectsKeine() {
    QFETCH(QString, stored);
    Session s;
    QVERIFY(zak::SaveSettingValue(zak::kSectionHtml, "fav0", stored.toStdString()));
    s.Load();
    QCOMPARE(s.Box("cmbTeams")->currentIndex(), 0);
  }

  void dayListEndsAtTheLastDatedDay() {
    Session s;
    for (int day = 10; day < zak::kDaySlots; ++day) {
      for (int slot = 0; slot < zak::kMatchSlots; ++slot) s.data->matchData(slot, 0, day) = {};
    }
    s.Load();
    QCOMPARE(s.Box("cmbDay")->count(), 10);
    QCOMPARE(s.Box("cmbDay")->itemText(9), QString("10. Spieltag"));
  }

  void leagueWithoutDatesOffersNoExport() {
    Session s(5, 0);
    s.Load();
    QCOMPARE(s.Box("cmbDay")->count(), 0);
    QVERIFY(!Control<QPushButton>(s.window, "cmdGenerate")->isEnabled());
  }

  void unwritableFileIsReportedAndTheWindowStays() {
    Session s;
    s.Load();
    const QString path = s.folder.filePath("fehlt/x.html");
    s.Export(path);
    QCOMPARE(s.messages.size(), std::size_t{1});
    QCOMPARE(s.messages[0].kind, zak::MessageKind::kWarning);
    QVERIFY(s.messages[0].text.contains(path));
    QVERIFY(s.window.isVisible());
    QCOMPARE(zak::GetSettingValue(zak::kSectionHtml, "fav0", "<absent>"), std::string("<absent>"));
  }

  // A disk that fills up during the write: last week's fragment stays on the web page whole.
  void fullDiskKeepsTheOldFileWhole() {
    Session s;
    s.Load();
    const QString path = s.folder.filePath("tabelle.html");
    {
      QFile old(path);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("<p>alt</p>\r\n");
    }
    {
      zak::testing::FileSizeLimit full(512);
      s.Export(path);
    }
    QCOMPARE(s.messages.size(), std::size_t{1});
    QCOMPARE(s.messages[0].kind, zak::MessageKind::kWarning);
    QVERIFY(s.window.isVisible());
    QCOMPARE(FileBytes(path.toStdString()), std::string("<p>alt</p>\r\n"));
    QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"tabelle.html"});
  }

  void cancelledDialogWritesNothingAndStays() {
    Session s;
    s.Load();
    s.Export("");
    QVERIFY(s.messages.empty());
    QVERIFY(s.window.isVisible());
    QVERIFY(QDir(s.folder.path()).isEmpty());
  }

  void escAndAbbrechenClose_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("Abbrechen") << false;
  }
  void escAndAbbrechenClose() {
    QFETCH(bool, escape);
    Session s;
    s.Load();
    if (escape) {
      QTest::keyClick(s.Box("cmbTeams"), Qt::Key_Escape);
    } else {
      QTest::mouseClick(Control<QPushButton>(s.window, "cmdCancel"), Qt::LeftButton);
    }
    QVERIFY(!s.window.isVisible());
    QCOMPARE(s.window.result(), int(QDialog::Rejected));
    QVERIFY(s.messages.empty());
  }
};

QTEST_MAIN(FrmHtmlTest)
#include "frm_html_test.moc"
