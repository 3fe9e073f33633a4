#include "identity.h"

#include <QNetworkInterface>
#include <QSysInfo>
#include <vector>

#include "core/scrambling.h"
#include "settings_store.h"

namespace zak {

std::string GetAdapterAddress() {
  for (const QNetworkInterface& adapter : QNetworkInterface::allInterfaces()) {
    const auto flags = adapter.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
        flags.testFlag(QNetworkInterface::IsLoopBack)) {
      continue;
    }
    // "aa:bb:cc:dd:ee:ff" → "AA-BB-CC-DD-EE-FF"; other address forms do not identify anyone.
    QString address = adapter.hardwareAddress().toUpper();
    if (address.size() != 17) continue;
    address.replace(':', '-');
    return address.toStdString();
  }
  return "00-00-00-00-00-00";
}

std::string GetComputerNameText() {
  // The old name service held at most 15 characters.
  return QSysInfo::machineHostName().left(15).toStdString();
}

std::int16_t GetOsVersionCode() {
  // Every platform the program runs on now is newer than all the codes distinguish.
  return 18;
}

Outcome<void> CompleteIdentity(Identity& identity) {
  std::vector<SettingValue> values;
  if (identity.InstallationId.empty()) {
    identity.InstallationId = GetAdapterAddress();
    values.push_back({kSectionStart, "id", ScrambleSetting(identity.InstallationId)});
  }
  if (identity.SystemInfoText.empty()) {
    identity.SystemInfoText = GetComputerNameText();
    values.push_back({kSectionStart, "id0", ScrambleSetting(identity.SystemInfoText)});
  }
  if (identity.OsVersionCode == -1) {
    identity.OsVersionCode = GetOsVersionCode();
    values.push_back(
        {kSectionStart, "id1", ScrambleSetting(std::to_string(identity.OsVersionCode))});
  }
  if (values.empty()) return {};
  return SaveSettingValues(values);
}

}  // namespace zak
