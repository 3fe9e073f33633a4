#include "settings_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>
#include <atomic>
#include <cerrno>
#include <utility>
#include <vector>

#include "core/catalogue.h"
#include "core/text_util.h"
#include "core/windows1252.h"
#include "store_file.h"
#include "store_lock.h"

namespace zak {
namespace {

std::vector<SettingKey> BuildKeyTable() {
  std::vector<SettingKey> keys = {
      {kSectionStart, "liga", "0"},
      {kSectionStart, "autodl", "1"},
      {kSectionStart, "autoup", "1"},
      {kSectionStart, "id", ""},
      {kSectionStart, "id0", ""},
      {kSectionStart, "id1", ""},
      {kSectionProxy, "en", "0"},
      {kSectionProxy, "Address", ""},
      {kSectionProxy, "Port", ""},
      {kSectionProxy, "User", ""},
      {kSectionProxy, "Pass", ""},
      {kSectionServer, "Timeout", "5"},
      {kSectionServer, "Host", std::string(ZAK_SERVER_HOST)},
  };
  for (int league = 0; league < kLeagueCount; ++league) {
    keys.push_back({kSectionData, LeagueDataKey(league), ""});
    keys.push_back({kSectionData, UpdateCountKey(league), "0"});
    keys.push_back({kSectionHtml, FavouriteTeamKey(league), "0"});
  }
  return keys;
}

// The store of application "ZAK1415" in the user's configuration folder, that file alone: Qt's
// fall-back files would count their keys as the store's and make every write look cut. QSettings
// keeps one parsed copy per file, so opening it for every access costs little. Only for a file
// that IsStoreFileSound passed.
QSettings OpenStore() {
  return QSettings(QString::fromStdString(StoreFilePath()), QSettings::IniFormat);
}

QString StoreKey(int section, std::string_view key) {
  return QString::fromStdString(GetSectionName(section)) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every key of the store is one line "key=value" (the value escaped) under its "[section]":
// a whole file ends with a line break and has a line for each key.
bool WrittenWhole(const QSettings& store) {
  const QByteArray bytes = FileBytes(store.fileName());
  if (!bytes.endsWith('\n')) return false;
  qsizetype keys = 0;
  for (const QByteArray& line : bytes.split('\n')) keys += !line.isEmpty() && !line.startsWith('[');
  return keys == store.allKeys().size();
}

// Writes `bytes` to a sibling file, checking every write, and renames it over `path`.
void RestoreFile(const QString& path, const QByteArray& bytes) {
  const QByteArray temporary = QFile::encodeName(path + ".restore");
  const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return;
  qsizetype written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
    if (n <= 0 && errno != EINTR) break;
    if (n > 0) written += n;
  }
  const bool whole = written == bytes.size() && ::fsync(fd) == 0;
  ::close(fd);
  if (!whole || ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
    ::unlink(temporary.constData());
  }
}

// Set by the first failed write; the notice about it is given once per run.
std::atomic<bool> storeFailed = false;
std::atomic<bool> storeFailureTold = false;

Failure DamagedNotice() {
  return Fail("Die Einstellungsdatei " + StoreFilePath() +
              " ist beschädigt und bleibt, wie sie ist. Das Programm arbeitet mit den "
              "Voreinstellungen; neue Daten und Änderungen gelten nur, solange es läuft.");
}

Failure UnwritableNotice() {
  return Fail("Die Einstellungen können nicht gespeichert werden (" + StoreFilePath() +
              "). Neue Daten und Änderungen gelten nur, solange das Programm läuft.");
}

}  // namespace

std::string GetSectionName(int section) {
  switch (section) {
    case kSectionHtml:
      return "HTML";
    case kSectionStart:
      return "Start";
    case kSectionData:
      return "Data";
    case kSectionProxy:
      return "Proxy";
    case kSectionServer:
      return "Server";
    default:
      return {};
  }
}

std::span<const SettingKey> SettingKeys() {
  static const std::vector<SettingKey> keys = BuildKeyTable();
  return keys;
}

std::string SettingDefault(int section, std::string_view key) {
  for (const SettingKey& k : SettingKeys()) {
    if (k.section == section && k.key == key) return k.defaultValue;
  }
  return {};
}

std::string LeagueDataKey(int league) { return "14" + std::to_string(league); }
std::string UpdateCountKey(int league) { return "14u" + std::to_string(league); }
std::string FavouriteTeamKey(int league) { return "fav" + std::to_string(league); }

std::string GetSettingValue(int section, std::string_view key, std::string_view defaultValue) {
  if (GetSectionName(section).empty()) return std::string(defaultValue);
  if (!IsStoreFileSound(StoreFilePath())) return std::string(defaultValue);
  const QSettings store = OpenStore();
  const QVariant value = store.value(StoreKey(section, key));
  if (!value.isValid()) return std::string(defaultValue);
  // The program writes bytes; a value typed into the file by hand reads as a string.
  if (value.typeId() == QMetaType::QByteArray) {
    const QByteArray bytes = value.toByteArray();
    return FromWindows1252(std::string_view(bytes.constData(), bytes.size()));
  }
  return value.toString().toStdString();
}

Outcome<void> SaveSettingValue(int section, std::string_view key, std::string_view value) {
  const SettingValue one{section, std::string(key), std::string(value)};
  return SaveSettingValues(std::span(&one, 1));
}

std::string SettingsFilePath() { return StoreFilePath(); }

Outcome<void> SaveSettingValues(std::span<const SettingValue> values) {
  for (const SettingValue& v : values) {
    if (GetSectionName(v.section).empty()) {
      return Fail("Die Einstellungen haben keinen Abschnitt " + std::to_string(v.section) + ".");
    }
  }
  // A damaged file is kept as it is, and another program's store is not written under it.
  const StoreWriteGuard guard;
  if (!IsStoreFileSound(StoreFilePath())) {
    storeFailed = true;
    return DamagedNotice();
  }
  if (!guard.ok()) {
    storeFailed = true;
    return UnwritableNotice();
  }
  QSettings store = OpenStore();
  std::vector<std::pair<QString, QVariant>> before;
  for (const SettingValue& v : values) {
    const QString key = StoreKey(v.section, v.key);
    before.emplace_back(key, store.value(key));
    const std::string bytes = ToWindows1252(v.value);
    store.setValue(key, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
  const QByteArray previous = FileBytes(store.fileName());
  store.sync();
  if (store.status() == QSettings::NoError && WrittenWhole(store)) {
    QFile::setPermissions(store.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return {};
  }
  // Qt's save can put a cut copy in place of the file when a write fails half-way (a full disk,
  // a file size limit) and still report success: the previous file goes back.
  if (store.status() == QSettings::NoError) RestoreFile(store.fileName(), previous);
  // The file is replaced whole or not at all, so it still holds the old values; the process's
  // parsed copy of it must say the same, or every later read (and write) would carry values
  // that were never stored.
  for (auto it = before.rbegin(); it != before.rend(); ++it) {
    if (it->second.isValid()) {
      store.setValue(it->first, it->second);
    } else {
      store.remove(it->first);
    }
  }
  storeFailed = true;
  return UnwritableNotice();
}

bool StoreWriteFailed() { return storeFailed; }

Outcome<void> TakeStoreFailure() {
  const bool damaged = !IsStoreFileSound(StoreFilePath());
  if ((!storeFailed && !damaged) || storeFailureTold.exchange(true)) return {};
  return damaged ? DamagedNotice() : UnwritableNotice();
}

}  // namespace zak
