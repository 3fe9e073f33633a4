// A settings file that cannot be the program's store: a device, a pipe, a giant.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "settings/settings_store.h"
#include "support/temporary_store.h"

namespace zak {
namespace {

struct DamagedFile {
  const char* name;
  void (*make)(const std::string& path);
};

class DamagedStore : public ::testing::TestWithParam<DamagedFile> {};

// Neither read (no hang, no gigabytes) nor written over; told once, as damaged.
TEST_P(DamagedStore, IsKeptAsItIsAndTheProgramRunsOnDefaults) {
  testing::TemporaryStore store;
  const std::string path = SettingsFilePath();
  QDir().mkpath(QString::fromStdString(path).section('/', 0, -2));
  GetParam().make(path);
  struct stat before {};
  ASSERT_EQ(::lstat(path.c_str(), &before), 0);

  EXPECT_EQ(GetSettingValue(kSectionServer, "Timeout", "5"), "5");
  const Outcome<void> saved = SaveSettingValue(kSectionServer, "Timeout", "7");
  ASSERT_FALSE(saved);
  const Outcome<void> notice = TakeStoreFailure();
  ASSERT_FALSE(notice);
  EXPECT_NE(notice.message().find("ist beschädigt und bleibt, wie sie ist"), std::string::npos)
      << notice.message();
  EXPECT_EQ(saved.message(), notice.message());
  EXPECT_TRUE(TakeStoreFailure());

  struct stat after {};
  ASSERT_EQ(::lstat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_size, before.st_size);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedStore,
    ::testing::Values(
        DamagedFile{"LinkToDevZero",
                    [](const std::string& p) { ASSERT_EQ(symlink("/dev/zero", p.c_str()), 0); }},
        DamagedFile{"Fifo", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        DamagedFile{"FiftyMegabytesOfNoise",
                    [](const std::string& p) {
                      std::string noise(1 << 20, '\0');
                      for (std::size_t i = 0; i < noise.size(); ++i)
                        noise[i] = char(i * 2654435761u >> 13);
                      QFile file(QString::fromStdString(p));
                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                      for (int i = 0; i < 50; ++i) file.write(noise.data(), qint64(noise.size()));
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zak
