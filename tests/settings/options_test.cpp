#include "settings/options.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "core/scrambling.h"
#include "settings/identity.h"
#include "settings/settings_store.h"
#include "support/temporary_store.h"

namespace zak {
namespace {

class OptionsTest : public ::testing::Test {
 protected:
  testing::TemporaryStore store_;
  std::unique_ptr<ProgramData> data_ = std::make_unique<ProgramData>();
};

TEST_F(OptionsTest, FreshStoreGivesTheDefaultsAndWritesThemBack) {
  const OptionsForm form = LoadOptions(*data_);
  EXPECT_FALSE(form.UsingProxy);
  EXPECT_TRUE(form.AutoDownload);
  EXPECT_TRUE(form.AutoUpdate);
  EXPECT_EQ(TimeoutEntryText(form.ServerTimeoutIndex), "30 Sekunden");
  EXPECT_FALSE(data_->options.ProxyEnabled);
  EXPECT_TRUE(data_->options.AutoDownload);
  EXPECT_TRUE(data_->options.AutoUpdate);
  EXPECT_EQ(data_->options.ServerTimeoutMs, 30000);
  EXPECT_EQ(data_->identity.OsVersionCode, -1);
  EXPECT_EQ(data_->identity.InstallationId, "");
  EXPECT_EQ(GetSettingValue(kSectionStart, "liga", SettingDefault(kSectionStart, "liga")), "0");
  EXPECT_EQ(GetSettingValue(kSectionStart, "autodl", ""), "1");
  EXPECT_EQ(GetSettingValue(kSectionProxy, "en", ""), "0");
  EXPECT_EQ(GetSettingValue(kSectionServer, "Timeout", ""), "5");
}

TEST_F(OptionsTest, SavedValuesComeBackAtTheNextLoad) {
  OptionsForm form;
  form.UsingProxy = true;
  form.AutoDownload = false;
  form.ProxyServer = "proxy";
  form.ProxyPort = "8080";
  form.ProxyUser = "fan";
  form.ProxyPassword = "g€heim§";
  form.ServerTimeoutIndex = 11;
  ASSERT_TRUE(SaveOptions(form, *data_));
  // The password is never stored in plain text.
  EXPECT_EQ(GetSettingValue(kSectionProxy, "Pass", ""), ScrambleSetting("g€heim§"));
  ASSERT_TRUE(SaveSettingValue(kSectionData, UpdateCountKey(6), "17"));

  const auto owner = std::make_unique<ProgramData>();
  ProgramData& next = *owner;
  const OptionsForm read = LoadOptions(next);
  EXPECT_EQ(read.ProxyPassword, "g€heim§");
  EXPECT_TRUE(next.options.ProxyEnabled);
  EXPECT_FALSE(next.options.AutoDownload);
  EXPECT_TRUE(next.options.AutoUpdate);
  EXPECT_EQ(next.options.ProxyServer, "proxy");
  EXPECT_EQ(next.options.ProxyPort, 8080);
  EXPECT_EQ(next.options.ProxyUser, "fan");
  EXPECT_EQ(next.options.ProxyPassword, "g€heim§");
  EXPECT_EQ(next.options.ServerTimeoutMs, 60000);
  EXPECT_EQ(next.serverUpdateCount[6], 17);
  EXPECT_EQ(next.serverUpdateCount[5], 0);
}

TEST_F(OptionsTest, PortThatIsNoNumberIsStoredButKeepsThePreviousPort) {
  OptionsForm form;
  form.ProxyPort = "3128";
  ASSERT_TRUE(SaveOptions(form, *data_));
  form.ProxyPort = "abc";
  ASSERT_TRUE(SaveOptions(form, *data_));
  EXPECT_EQ(GetSettingValue(kSectionProxy, "Port", ""), "abc");
  EXPECT_EQ(data_->options.ProxyPort, 3128);
  for (const char* text : {"65536", "-1", "80.5", ""}) EXPECT_FALSE(ParsePortText(text)) << text;
  EXPECT_EQ(ParsePortText(" 65535 "), 65535);
}

TEST_F(OptionsTest, TimeoutPositionOutsideTheListKeepsTheDefaultEntry) {
  for (const char* stored : {"12", "-1", "zehn"}) {
    ASSERT_TRUE(SaveSettingValue(kSectionServer, "Timeout", stored));
    EXPECT_EQ(ReadOptionsForm().ServerTimeoutIndex, 5) << stored;
  }
  ASSERT_TRUE(SaveSettingValue(kSectionServer, "Timeout", "0"));
  LoadOptions(*data_);
  EXPECT_EQ(data_->options.ServerTimeoutMs, 5000);
}

TEST_F(OptionsTest, FirstStartDeterminesTheIdentityAndTheNextStartReadsIt) {
  LoadOptions(*data_);
  ASSERT_TRUE(CompleteIdentity(data_->identity));
  const Identity first = data_->identity;
  EXPECT_TRUE(std::regex_match(first.InstallationId, std::regex("[0-9A-F]{2}(-[0-9A-F]{2}){5}")))
      << first.InstallationId;
  EXPECT_LE(first.SystemInfoText.size(), 15u);
  EXPECT_EQ(first.OsVersionCode, 18);
  EXPECT_EQ(ScrambleSetting(GetSettingValue(kSectionStart, "id1", "")), "18");

  auto next = std::make_unique<ProgramData>();
  LoadOptions(*next);
  EXPECT_EQ(next->identity.InstallationId, first.InstallationId);
  EXPECT_EQ(next->identity.SystemInfoText, first.SystemInfoText);
  EXPECT_EQ(next->identity.OsVersionCode, 18);
}

TEST_F(OptionsTest, StoredIdentityIsKeptEvenWhenTheMachineDiffers) {
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "id", ScrambleSetting("0A-1B-2C-3D-4E-5F")));
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "id0", ScrambleSetting("KABINE")));
  ASSERT_TRUE(SaveSettingValue(kSectionStart, "id1", ScrambleSetting("11")));
  LoadOptions(*data_);
  ASSERT_TRUE(CompleteIdentity(data_->identity));
  EXPECT_EQ(data_->identity.InstallationId, "0A-1B-2C-3D-4E-5F");
  EXPECT_EQ(data_->identity.SystemInfoText, "KABINE");
  EXPECT_EQ(data_->identity.OsVersionCode, 11);
  EXPECT_EQ(ScrambleSetting(GetSettingValue(kSectionStart, "id0", "")), "KABINE");
}

}  // namespace
}  // namespace zak
