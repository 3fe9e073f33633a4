#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>

#include "core/scrambling.h"
#include "core/windows1252.h"
#include "settings/file_helpers.h"
#include "support/temporary_store.h"

namespace zak {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  testing::TemporaryStore store_;
};

TEST_F(SettingsStoreTest, AbsentKeyGivesTheCallersDefault) {
  EXPECT_EQ(GetSettingValue(kSectionStart, "liga", "0"), "0");
  EXPECT_EQ(GetSettingValue(kSectionProxy, "Address", "fallback"), "fallback");
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "liga", "5"));
  EXPECT_EQ(GetSettingValue(kSectionStart, "liga", "0"), "5");
  // The same key in another section is another value.
  EXPECT_EQ(GetSettingValue(kSectionHtml, "liga", "x"), "x");
}

TEST_F(SettingsStoreTest, SectionNamesAndUnknownSections) {
  EXPECT_EQ(GetSectionName(0), "HTML");
  EXPECT_EQ(GetSectionName(1), "Start");
  EXPECT_EQ(GetSectionName(2), "Data");
  EXPECT_EQ(GetSectionName(3), "Proxy");
  EXPECT_EQ(GetSectionName(4), "Server");
  EXPECT_EQ(GetSectionName(5), "");
  EXPECT_EQ(GetSectionName(-1), "");
  EXPECT_FALSE(SaveSettingValue(7, "k", "v"));
  EXPECT_EQ(GetSettingValue(7, "k", "d"), "d");
}

// Every byte a scrambled value can hold, NUL included, must come back from the file itself.
TEST_F(SettingsStoreTest, EveryByteSurvivesTheFile) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  const std::string text = FromWindows1252(bytes);
  ASSERT_TRUE(SaveSettingValue(kSectionData, "140", text));
  // "Ê" is the complement of the key's first character: its scrambled code is 0.
  const std::string plain = "Ê Bayern München;-1;;Wahr";
  const std::string scrambled = ScrambleSetting(plain);
  ASSERT_NE(scrambled.find('\0'), std::string::npos);
  ASSERT_TRUE(SaveSettingValue(kSectionProxy, "Pass", scrambled));
  EXPECT_EQ(GetSettingValue(kSectionData, "140", ""), text);

  // A copy of the file is read by a settings object that has never seen it: what it finds
  // was written to disk, not kept in this process.
  const QString copy = store_.path() + "/copy.ini";
  ASSERT_TRUE(QFile::copy(QString::fromStdString(SettingsFilePath()), copy));
  const QSettings fresh(copy, QSettings::IniFormat);
  const QByteArray stored = fresh.value("Data/140").toByteArray();
  EXPECT_EQ(std::string(stored.constData(), stored.size()), bytes);
  const QByteArray pass = fresh.value("Proxy/Pass").toByteArray();
  EXPECT_EQ(ScrambleSetting(FromWindows1252(std::string(pass.constData(), pass.size()))), plain);
}

TEST_F(SettingsStoreTest, FileLivesInTheUsersFolderAndOnlyTheOwnerReadsIt) {
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "liga", "1"));
  const QString file = QString::fromStdString(SettingsFilePath());
  EXPECT_EQ(file, store_.path() + "/ZAK1415/ZAK1415.ini");
  struct stat info {};
  ASSERT_EQ(stat(file.toLocal8Bit().constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(SettingsStoreTest, HandWrittenValuesReadAsText) {
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "liga", "1"));
  {
    std::ofstream file(SettingsFilePath(), std::ios::app);
    file << "[Server]\nHost=127.0.0.1:9\n";
  }
  EXPECT_EQ(GetSettingValue(kSectionServer, "Host", ""), "127.0.0.1:9");
}

TEST(BooleanTextTest, OnlyWahrIsTrue) {
  EXPECT_EQ(BoolToText(true), "Wahr");
  EXPECT_EQ(BoolToText(false), "Falsch");
  EXPECT_TRUE(IsTrueText("Wahr"));
  for (const char* text : {"wahr", "Wahr ", "WAHR", "Falsch", "", "1", "True"}) {
    EXPECT_FALSE(IsTrueText(text)) << text;
  }
}

TEST(FileHelpersTest, FolderOfPath) {
  EXPECT_EQ(GetFolderOfPath("C:\\Daten\\zak\\liga.zak"), "C:\\Daten\\zak\\");
  EXPECT_EQ(GetFolderOfPath("/home/fan/zak/liga.zak"), "/home/fan/zak/");
  EXPECT_EQ(GetFolderOfPath("D:"), "D:\\");
  EXPECT_EQ(GetFolderOfPath("liga.zak"), "liga.zak");
  EXPECT_EQ(GetFolderOfPath(""), "\\");
}

TEST(FileHelpersTest, FileExistsOnlyForFiles) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string file = folder + "/liga.zak";
  std::ofstream(file) << "x";
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(folder));
  EXPECT_FALSE(FileExists(folder + "/fehlt.zak"));
  EXPECT_FALSE(FileExists(""));
}

TEST(FileHelpersTest, WritableFolderKeepsTheUsersFilesAndLeavesNothingBehind) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  std::ofstream(folder + "/test.tmp") << "the user's own file";
  EXPECT_TRUE(IsFolderWritable("  " + folder + "  "));
  EXPECT_TRUE(IsFolderWritable(folder + "/"));
  std::ifstream kept(folder + "/test.tmp");
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "the user's own file");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Folders nobody can write into, root included (the tests run as root on CI, and root writes
// into a folder without write permission all the same): one that does not exist, a file where
// the folder should be, a folder below such a file, and a folder of a file system that takes
// no files.
TEST(FileHelpersTest, UnwritableFoldersAreToldAsSuch) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  std::ofstream(folder + "/liga.zak") << "x";
  for (const std::string& unwritable :
       {folder + "/fehlt", folder + "/liga.zak", folder + "/liga.zak/unter", std::string("/proc"),
        std::string("/proc/")}) {
    EXPECT_FALSE(IsFolderWritable(unwritable)) << unwritable;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// A folder without write permission. Root writes into it all the same, so run as root the check
// is made by a child process that has given root up for the user "nobody".
TEST(FileHelpersTest, FolderWithoutWritePermission) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                        QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
  if (geteuid() != 0) {
    EXPECT_FALSE(IsFolderWritable(folder));
  } else {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      constexpr uid_t kNobody = 65534;
      const bool gaveUpRoot = setgid(kNobody) == 0 && setuid(kNobody) == 0;
      _exit(gaveUpRoot ? (IsFolderWritable(folder) ? 1 : 0) : 2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: writable as nobody; 2: could not give root up";
  }
  QFile::setPermissions(dir.path(), readOnly | QFileDevice::WriteOwner);
  EXPECT_TRUE(IsFolderWritable(folder));
}

}  // namespace
}  // namespace zak
