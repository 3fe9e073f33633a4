#include "options.h"

#include "core/scrambling.h"
#include "core/text_util.h"
#include "settings_store.h"

namespace zak {
namespace {

bool IsOne(int section, std::string_view key) {
  return GetSettingValue(section, key, SettingDefault(section, key)) == "1";
}

std::string OneOrZero(bool b) { return b ? "1" : "0"; }

}  // namespace

int TimeoutSeconds(int index) { return (index + 1) * 5; }

std::string TimeoutEntryText(int index) {
  return std::to_string(TimeoutSeconds(index)) + " Sekunden";
}

std::optional<std::uint16_t> ParsePortText(const std::string& text) {
  const auto number = ParseInt32(Trim(text));
  if (!number || *number < 0 || *number > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(*number);
}

OptionsForm ReadOptionsForm() {
  OptionsForm form;
  form.UsingProxy = IsOne(kSectionProxy, "en");
  form.AutoDownload = IsOne(kSectionStart, "autodl");
  form.AutoUpdate = IsOne(kSectionStart, "autoup");
  form.ProxyServer = GetSettingValue(kSectionProxy, "Address", "");
  form.ProxyPort = GetSettingValue(kSectionProxy, "Port", "");
  form.ProxyUser = GetSettingValue(kSectionProxy, "User", "");
  form.ProxyPassword = ScrambleSetting(GetSettingValue(kSectionProxy, "Pass", ""));
  // The list takes only its own positions; anything else keeps the default entry.
  const auto index = ParseInt32(Trim(GetSettingValue(kSectionServer, "Timeout", "5")));
  if (index && *index >= 0 && *index < OptionsForm::kTimeoutEntries) {
    form.ServerTimeoutIndex = *index;
  }
  return form;
}

OptionsForm LoadOptions(ProgramData& data) {
  for (int league = 0; league < kLeagueCount; ++league) {
    data.serverUpdateCount[league] =
        ParseInt32(Trim(GetSettingValue(kSectionData, UpdateCountKey(league), "0"))).value_or(0);
  }
  const OptionsForm form = ReadOptionsForm();
  data.identity.InstallationId = ScrambleSetting(GetSettingValue(kSectionStart, "id", ""));
  data.identity.SystemInfoText = ScrambleSetting(GetSettingValue(kSectionStart, "id0", ""));
  data.options.ServerTimeoutMs = TimeoutSeconds(form.ServerTimeoutIndex) * 1000;
  // A code that does not read as a number is determined again at start.
  const std::string code = ScrambleSetting(GetSettingValue(kSectionStart, "id1", ""));
  data.identity.OsVersionCode = code.empty() ? -1 : ParseInt16(Trim(code)).value_or(-1);
  // The values hold for this run even when they cannot be stored; the start-up tells that
  // failure with the store's others (TakeStoreFailure).
  [[maybe_unused]] const Outcome<void> saved = SaveOptions(form, data);
  return form;
}

Outcome<void> SaveOptions(const OptionsForm& form, ProgramData& data) {
  const SettingValue values[] = {
      {kSectionStart, "autodl", OneOrZero(form.AutoDownload)},
      {kSectionStart, "autoup", OneOrZero(form.AutoUpdate)},
      {kSectionStart, "id", ScrambleSetting(data.identity.InstallationId)},
      {kSectionProxy, "en", OneOrZero(form.UsingProxy)},
      {kSectionProxy, "Address", form.ProxyServer},
      {kSectionProxy, "Port", form.ProxyPort},
      {kSectionProxy, "User", form.ProxyUser},
      {kSectionProxy, "Pass", ScrambleSetting(form.ProxyPassword)},
      {kSectionServer, "Timeout", std::to_string(form.ServerTimeoutIndex)},
  };
  Outcome<void> saved = SaveSettingValues(values);
  TakeOverOptions(form, data.options);
  return saved;
}

void TakeOverOptions(const OptionsForm& form, Options& options) {
  if (const auto port = ParsePortText(form.ProxyPort)) options.ProxyPort = *port;
  options.ProxyServer = form.ProxyServer;
  options.ProxyUser = form.ProxyUser;
  options.ProxyPassword = form.ProxyPassword;
  options.ProxyEnabled = form.UsingProxy;
  options.AutoDownload = form.AutoDownload;
  options.AutoUpdate = form.AutoUpdate;
  options.ServerTimeoutMs = TimeoutSeconds(form.ServerTimeoutIndex) * 1000;
}

}  // namespace zak
