#include "service/data_file.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "core/scrambling.h"
#include "core/windows1252.h"
#include "service/league_loading.h"
#include "service_fixture.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "support/free_port.h"
#include "support/service_process.h"

namespace zak {
namespace {

using testing::ServiceProcess;
using testing::TemporaryStore;

std::string Sep(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += kDataFileSeparator;
  return text;
}

// What a fresh store exports: eight empty leagues, "0" for the switches and the port.
const std::string kFreshFile = Sep(8) + "0" + Sep(1) + "0" + Sep(1) + "0" + Sep(2) + "0" + Sep(2);

class DataFileTest : public testing::ServiceFixture {
 protected:
  DataFileTest() { UseHost(DeadHost()); }

  // Back to a store after a test's second store has gone.
  static void UseStore(const TemporaryStore& store) {
    setenv("XDG_CONFIG_HOME", store.path().toLocal8Bit().constData(), 1);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
  }

  // An address where nothing listens: a league without a stored copy asks in vain, at once.
  static std::string DeadHost() { return "127.0.0.1:" + std::to_string(testing::FreePort()); }

  std::string FilePath(const char* name) const {
    return (files_.path() + "/" + name).toStdString();
  }

  static void WriteFile(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  bool Import(const std::string& path) {
    return ImportDataFile(*context_, status_, path, [this] { ++refreshes_; }).ok();
  }

  void ExpectOnlyMessage(MessageKind kind, std::string_view text) {
    ASSERT_EQ(messages_.shown.size(), 1u) << messages_.shown.back().text;
    EXPECT_EQ(messages_.shown[0].kind, kind);
    EXPECT_EQ(messages_.shown[0].text, text);
    EXPECT_EQ(messages_.shown[0].title, "");
  }

  // Typed results in every league: the first two days of each league with its own clubs, the
  // second day's first match unplayed again, and options with a proxy password.
  void FillStoreWithTypedResults() {
    for (int league = 0; league < kLeagueCount; ++league) {
      FillTeamCatalogue(data_->teamTable, league);
      for (int day = 0; day < 2; ++day) {
        for (int slot = 0; slot < GetMatchCount(league); ++slot) {
          MatchRecord& r = data_->matchData(slot, league, day);
          r.Home = data_->teamTable[league][(2 * slot + day) % GetTeamCount(league)].Name;
          r.Away = data_->teamTable[league][(2 * slot + 1 + day) % GetTeamCount(league)].Name;
          r.KickOff = day == 0 ? "01.08.14 15:30" : "08.08.14 20:30";
          r.Played = !(day == 1 && slot == 0);
          r.HomeGoals = r.Played ? static_cast<std::int16_t>((slot + league) % 5) : -1;
          r.AwayGoals = r.Played ? static_cast<std::int16_t>((slot * 3 + day) % 4) : -1;
        }
      }
      ASSERT_TRUE(SaveLeagueData(data_->matchData, league));
    }
    OptionsForm form;
    form.UsingProxy = true;
    form.AutoDownload = false;
    form.ProxyServer = "proxy.verein.example";
    form.ProxyPort = "3128";
    form.ProxyUser = "Kassenwart";
    form.ProxyPassword = "Geheim§Übung";
    ASSERT_TRUE(SaveOptions(form, *data_));
  }

  // zak-cli table of every league on the current store, as a user's script would print them.
  std::vector<QByteArray> CliTables() const {
    std::vector<QByteArray> tables;
    for (int league = 0; league < kLeagueCount; ++league) {
      QProcess cli;  // inherits XDG_CONFIG_HOME: the store of the moment
      cli.start(ZAK_CLI, {"table", "--league", QString::number(league), "--day", "2", "--tsv"});
      EXPECT_TRUE(cli.waitForFinished(60000));
      EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
      tables.push_back(cli.readAllStandardOutput());
    }
    return tables;
  }

  QTemporaryDir files_;
  int refreshes_ = 0;
};

TEST_F(DataFileTest, FreshStoreExportsEmptyLeaguesAndZerosAndImportStoresExactlyThat) {
  const std::string path = FilePath("frisch.zak");
  {
    TemporaryStore fresh;  // nothing stored yet, not even the options
    ASSERT_TRUE(ExportDataFile(path, messages_));
  }
  UseStore(store_);
  ExpectOnlyMessage(MessageKind::kInformation, "Die Daten wurden erfolgreich exportiert.");
  EXPECT_EQ(testing::FileBytes(path), kFreshFile);

  // Back on a store with a league and options of its own.
  FillStoreWithTypedResults();
  messages_.shown.clear();
  ASSERT_TRUE(Import(path));
  const DataFileFields stored = ReadDataFileFields();
  EXPECT_EQ(BuildDataFileText(stored), kFreshFile);
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(3), "absent"), "");
  EXPECT_EQ(GetSettingValue(kSectionStart, "autoup", "absent"), "0");
  EXPECT_FALSE(data_->options.AutoUpdate);
  EXPECT_FALSE(data_->options.ProxyEnabled);
  EXPECT_EQ(data_->options.ProxyPassword, "");
  EXPECT_EQ(data_->options.ProxyPort, 0);
  // The leagues of the file replace those in memory: none is left; the service was asked once
  // for the first league without a copy and, not answering, not again.
  EXPECT_EQ(data_->matchData, MatchData());
  EXPECT_EQ(refreshes_, 1);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0].text, kNoConnectionMessage);
  EXPECT_EQ(messages_.shown[1].kind, MessageKind::kInformation);
  EXPECT_EQ(messages_.shown[1].text, "Daten wurden erfolgreich importiert.");
}

TEST_F(DataFileTest, RoundTripMovesEveryLeagueAndTheOptionsIntoAFreshStore) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  FillStoreWithTypedResults();
  const MatchData typed = data_->matchData;
  const DataFileFields exported = ReadDataFileFields();
  const std::vector<QByteArray> tables = CliTables();
  const std::string path = FilePath("umzug.zak");
  ASSERT_TRUE(ExportDataFile(path, messages_));
  EXPECT_EQ(testing::FileBytes(path), ToWindows1252(BuildDataFileText(exported)));

  TemporaryStore other;  // another installation
  Restart();
  UseHost(service.host());
  messages_.shown.clear();
  ASSERT_TRUE(Import(path));
  ExpectOnlyMessage(MessageKind::kInformation, "Daten wurden erfolgreich importiert.");
  EXPECT_EQ(service.RequestCount("/zak/ud/"), 0) << "every league came from the file";
  EXPECT_EQ(ReadDataFileFields(), exported);
  // Stored scrambled, byte for byte; taken over in plain text.
  EXPECT_EQ(ScrambleSetting(GetSettingValue(kSectionProxy, "Pass", "")), "Geheim§Übung");
  EXPECT_EQ(data_->options.ProxyPassword, "Geheim§Übung");
  EXPECT_EQ(data_->options.ProxyServer, "proxy.verein.example");
  EXPECT_EQ(data_->options.ProxyPort, 3128);
  EXPECT_EQ(data_->options.ProxyUser, "Kassenwart");
  EXPECT_TRUE(data_->options.ProxyEnabled);
  EXPECT_FALSE(data_->options.AutoDownload);
  EXPECT_EQ(data_->matchData, typed);
  EXPECT_EQ(CliTables(), tables);
  for (const QByteArray& table : tables) EXPECT_TRUE(table.contains("\t2\t")) << table.data();
}

TEST_F(DataFileTest, ExportReplacesALongerFileWithExactlyTheNewText) {
  const std::string path = FilePath("alt.zak");
  WriteFile(path, std::string(100000, 'x'));
  ASSERT_TRUE(ExportDataFile(path, messages_));
  EXPECT_EQ(testing::FileBytes(path), ToWindows1252(BuildDataFileText(ReadDataFileFields())));
  EXPECT_EQ(QDir(files_.path()).entryList(QDir::Files), QStringList{"alt.zak"});
}

struct ExportFailure {
  const char* name;
  const char* target;  // below the test's folder
  std::string_view message;
};

class DataFileExportFailure : public DataFileTest,
                              public ::testing::WithParamInterface<ExportFailure> {};

// A failed export says so and leaves an existing file whole and no file behind.
TEST_P(DataFileExportFailure, SaysSoAndLeavesTheOldFileWhole) {
  QDir(files_.path()).mkdir("ordner");
  const std::string old = FilePath("alt.zak");
  WriteFile(old, "die alte Sicherung");
  const std::string path = FilePath(GetParam().target);
  {
    const testing::FileSizeLimit full(10);
    EXPECT_FALSE(ExportDataFile(path, messages_));
  }
  ExpectOnlyMessage(MessageKind::kWarning, GetParam().message);
  EXPECT_EQ(testing::FileBytes(old), "die alte Sicherung");
  EXPECT_EQ(QDir(files_.path()).entryList(QDir::Files), QStringList{"alt.zak"});
  EXPECT_TRUE(QDir(files_.path() + "/ordner").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Targets, DataFileExportFailure,
    ::testing::Values(ExportFailure{"DiskFullOverAnOldFile", "alt.zak", kExportNotWrittenMessage},
                      ExportFailure{"MissingFolder", "fehlt/neu.zak", kExportFolderMissingMessage},
                      ExportFailure{"TargetIsAFolder", "ordner", kExportNotWrittenMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFileTest, ExportRefusesAValueHoldingTheSeparator) {
  ASSERT_TRUE(SaveSettingValue(kSectionProxy, "User", "abcRw](edef"));
  const std::string path = FilePath("neu.zak");
  EXPECT_FALSE(ExportDataFile(path, messages_));
  ExpectOnlyMessage(MessageKind::kWarning, kExportSeparatorMessage);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DataFileTest, EmptyStoredPortIsExportedAsZero) {
  ASSERT_TRUE(SaveSettingValue(kSectionProxy, "Port", ""));
  ASSERT_TRUE(ExportDataFile(FilePath("p.zak"), messages_));
  const auto fields = ParseDataFileText(testing::FileBytes(FilePath("p.zak")));
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[kDataFilePortField], "0");
}

enum class Source { kFile, kSparse, kPath, kPipe, kDevice };

struct RefusedImport {
  const char* name;
  Source source;
  std::string content;  // the file's bytes, its size for a sparse file, or a path
  std::string_view message;
};

class DataFileRefusedImport : public DataFileTest,
                              public ::testing::WithParamInterface<RefusedImport> {};

// A refused file changes neither the store, nor the program's data, nor the window.
TEST_P(DataFileRefusedImport, ChangesNothingAndSaysWhy) {
  FillStoreWithTypedResults();
  const DataFileFields before = ReadDataFileFields();
  const MatchData data = data_->matchData;
  const Options options = data_->options;
  const std::string settings = testing::FileBytes(SettingsFilePath());
  std::string path = FilePath("import.zak");
  switch (GetParam().source) {
    case Source::kFile:
      WriteFile(path, GetParam().content);
      break;
    case Source::kSparse: {
      QFile file(QString::fromStdString(path));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      ASSERT_TRUE(file.resize(std::stoll(GetParam().content)));
      break;
    }
    case Source::kPath:
      path = GetParam().content.starts_with('/') ? GetParam().content
                                                 : FilePath(GetParam().content.c_str());
      break;
    case Source::kPipe:  // nobody writes into it: opened for reading as a file, it would block
      ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
      break;
    case Source::kDevice:  // /dev/null's numbers, made where the test may (it runs as root)
      if (mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) GTEST_SKIP() << "not root";
      break;
  }
  EXPECT_FALSE(Import(path));
  ExpectOnlyMessage(MessageKind::kWarning, GetParam().message);
  EXPECT_EQ(ReadDataFileFields(), before);
  EXPECT_EQ(testing::FileBytes(SettingsFilePath()), settings);
  EXPECT_EQ(data_->matchData, data);
  EXPECT_EQ(data_->options.ProxyPassword, options.ProxyPassword);
  EXPECT_EQ(data_->options.AutoDownload, options.AutoDownload);
  EXPECT_EQ(refreshes_, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DataFileRefusedImport,
    ::testing::Values(
        RefusedImport{"FourteenFields", Source::kFile, Sep(13) + "0", kImportFormatMessage},
        RefusedImport{"SixteenFields", Source::kFile, kFreshFile + Sep(1), kImportFormatMessage},
        RefusedImport{"EmptyFile", Source::kFile, "", kImportFormatMessage},
        RefusedImport{"LargerThan64MiB", Source::kSparse, std::to_string((64 << 20) + 1),
                      kImportFormatMessage},
        RefusedImport{"EndlessDevice", Source::kPath, "/dev/zero", kImportUnreadableMessage},
        RefusedImport{"NamedPipe", Source::kPipe, "", kImportUnreadableMessage},
        RefusedImport{"DeviceNode", Source::kDevice, "", kImportUnreadableMessage},
        // Fifteen fields, but the first league is no stored copy: it would replace all eight.
        RefusedImport{"JunkLeague", Source::kFile, "Müll" + kFreshFile, kImportFormatMessage},
        RefusedImport{"MissingFile", Source::kPath, "fehlt.zak", kImportUnreadableMessage},
        RefusedImport{"Folder", Source::kPath, ".", kImportUnreadableMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFileTest, ImportWhoseStoreWriteFailsChangesNothingAndSaysSo) {
  FillStoreWithTypedResults();
  const DataFileFields before = ReadDataFileFields();
  const MatchData data = data_->matchData;
  const std::string settings = testing::FileBytes(SettingsFilePath());
  const std::string path = FilePath("frisch.zak");
  WriteFile(path, kFreshFile);
  const auto fields = ReadDataFile(path);
  ASSERT_TRUE(fields);
  // The sanitizer checks a virtual call's object once, through a pipe: done here, while files
  // can still be opened, it need not be done under the limit.
  context_->messages.ShowMessage(MessageKind::kInformation, "", "");
  messages_.shown.clear();
  {
    // The store's file cannot be replaced (it is written as a temporary file, then renamed).
    const testing::NoFileOpens noFiles;
    const Outcome<void> applied =
        ApplyDataFile(*context_, status_, *fields, [this] { ++refreshes_; });
    ASSERT_FALSE(applied);
    EXPECT_EQ(applied.message(), kImportNotStoredMessage);
  }
  ExpectOnlyMessage(MessageKind::kWarning, kImportNotStoredMessage);
  EXPECT_EQ(testing::FileBytes(SettingsFilePath()), settings);
  EXPECT_EQ(ReadDataFileFields(), before);
  EXPECT_EQ(data_->matchData, data);
  EXPECT_EQ(data_->options.ProxyPassword, "Geheim§Übung");
  EXPECT_EQ(refreshes_, 0);
  // A later write of the store keeps the old values too: nothing of the import was left waiting.
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "liga", "3"));
  EXPECT_EQ(ReadDataFileFields(), before);
}

}  // namespace
}  // namespace zak
