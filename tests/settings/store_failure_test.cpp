// A store that cannot be written: the file keeps every earlier value whole, every read says the
// same, and the failure is reported.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "support/temporary_store.h"

namespace zak {
namespace {

TEST(StoreFailure, AFullDiskLeavesTheWholeFileAndIsReportedOnce) {
  testing::TemporaryStore store;
  const std::string copy(6000, 'k');
  ASSERT_TRUE(SaveSettingValue(kSectionServer, "Host", "zak.example:8014"));
  ASSERT_TRUE(SaveSettingValue(kSectionProxy, "Address", "proxy.example"));
  ASSERT_TRUE(SaveSettingValue(kSectionData, LeagueDataKey(0), copy));
  ASSERT_TRUE(SaveSettingValue(kSectionData, UpdateCountKey(0), "7"));
  const std::string before = testing::FileBytes(SettingsFilePath());
  {
    // Room for the file as it is, not for the new value as well.
    testing::FileSizeLimit full(static_cast<rlim_t>(before.size()) + 100);
    EXPECT_FALSE(SaveSettingValue(kSectionData, LeagueDataKey(1), std::string(4000, 'n')));
    const SettingValue both[] = {{kSectionData, LeagueDataKey(0), std::string(7000, 'n')},
                                 {kSectionData, UpdateCountKey(0), "8"}};
    EXPECT_FALSE(SaveSettingValues(both));
  }
  EXPECT_EQ(testing::FileBytes(SettingsFilePath()), before);
  EXPECT_EQ(GetSettingValue(kSectionServer, "Host", ""), "zak.example:8014");
  EXPECT_EQ(GetSettingValue(kSectionProxy, "Address", ""), "proxy.example");
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(0), ""), copy);
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(0), ""), "7");
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(1), "keine"), "keine");

  const Outcome<void> notice = TakeStoreFailure();
  ASSERT_FALSE(notice);
  EXPECT_NE(notice.message().find(SettingsFilePath()), std::string::npos) << notice.message();
  EXPECT_TRUE(TakeStoreFailure());

  // With room again, the next write stores everything, and nothing of the failed ones.
  EXPECT_TRUE(SaveSettingValue(kSectionData, UpdateCountKey(2), "3"));
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(2), ""), "3");
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(0), ""), "7");
  EXPECT_EQ(testing::FileBytes(SettingsFilePath()).find("nnnn"), std::string::npos);
}

}  // namespace
}  // namespace zak
