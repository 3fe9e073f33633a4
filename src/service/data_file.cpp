#include "data_file.h"

#include <QFile>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/windows1252.h"
#include "league_loading.h"
#include "settings/options.h"
#include "settings/settings_store.h"

namespace zak {

const std::string_view kExportFolderMissingMessage =
    "Der Zielpfad konnte nicht gefunden werden. Bitte überprüfen Sie Ihre Eingabe.";
const std::string_view kExportedMessage = "Die Daten wurden erfolgreich exportiert.";
const std::string_view kExportNotWrittenMessage =
    "Die Datei konnte nicht geschrieben werden. Es wurde nichts exportiert.";
const std::string_view kExportSeparatorMessage =
    "Ein gespeicherter Wert enthält die Zeichenfolge \"Rw](e\", die in der Exportdatei die Werte "
    "trennt. Es wurde nichts exportiert.";
const std::string_view kImportFormatMessage =
    "Importdatei konnte nicht geladen werden. Die Datei hat ein falsches Format oder ist "
    "fehlerhaft.";
const std::string_view kImportUnreadableMessage =
    "Importdatei konnte nicht gelesen werden. Bitte überprüfen Sie Ihre Eingabe.";
const std::string_view kImportNotStoredMessage =
    "Die Daten konnten nicht gespeichert werden. Es wurde nichts importiert.";
const std::string_view kImportedMessage = "Daten wurden erfolgreich importiert.";

namespace {

// Where each field of the file lives in the store, and what the file says when it is absent.
struct FieldAddress {
  int section;
  std::string key;
  std::string defaultValue;
};

const std::array<FieldAddress, kDataFileFieldCount>& FieldAddresses() {
  static const std::array<FieldAddress, kDataFileFieldCount> addresses = [] {
    std::array<FieldAddress, kDataFileFieldCount> a;
    for (int league = 0; league < kLeagueCount; ++league) {
      a[league] = {kSectionData, LeagueDataKey(league), ""};
    }
    a[8] = {kSectionStart, "autodl", "0"};
    a[9] = {kSectionStart, "autoup", "0"};
    a[10] = {kSectionProxy, "en", "0"};
    a[11] = {kSectionProxy, "Address", ""};
    a[12] = {kSectionProxy, "Port", "0"};
    a[13] = {kSectionProxy, "User", ""};
    a[14] = {kSectionProxy, "Pass", ""};
    return a;
  }();
  return addresses;
}

QString QtPath(const std::string& path) { return QString::fromStdString(path); }

void Tell(MessageSink& messages, MessageKind kind, std::string_view text) {
  messages.ShowMessage(kind, std::string(text), "");
}

enum class ReadOutcome { kRead, kUnreadable, kTooLarge };

// The file's bytes, never more than the limit and one byte: a device that keeps giving, or a
// file that grows meanwhile, is cut off there.
ReadOutcome ReadLimited(const std::string& path, std::string& bytes) {
  QFile file(QtPath(path));
  if (!file.open(QIODevice::ReadOnly)) return ReadOutcome::kUnreadable;
  if (file.size() > kMaxDataFileBytes) return ReadOutcome::kTooLarge;
  const QByteArray read = file.read(kMaxDataFileBytes + 1);
  if (file.error() != QFileDevice::NoError) return ReadOutcome::kUnreadable;
  if (read.size() > kMaxDataFileBytes) return ReadOutcome::kTooLarge;
  bytes.assign(read.constData(), static_cast<std::size_t>(read.size()));
  return ReadOutcome::kRead;
}

// Every league again from the store, as the loader reads it. A league without a stored copy is
// downloaded; once the service has failed to answer, the remaining leagues are only read, so
// the user sees one connection message rather than eight.
void ReloadLeagues(ServiceContext& context, StatusSink& statusBar) {
  ProgramData& data = context.data;
  bool serviceAnswers = true;
  for (int league = 0; league < kLeagueCount; ++league) {
    // The records of the file replace the old ones: nothing of the league before stays behind.
    data.matchData.ClearLeague(league);
    if (serviceAnswers) {
      serviceAnswers = LoadLeague(context, data.teamTable, statusBar, league, false, 0);
    } else {
      LoadLeagueData(context, statusBar, league);
    }
  }
}

}  // namespace

DataFileFields ReadDataFileFields() {
  DataFileFields fields;
  for (int i = 0; i < kDataFileFieldCount; ++i) {
    const FieldAddress& a = FieldAddresses()[i];
    fields[i] = GetSettingValue(a.section, a.key, a.defaultValue);
  }
  return fields;
}

bool ExportDataFile(const std::string& path, MessageSink& messages) {
  if (!IsFolderWritable(GetFolderOfPath(path))) {
    Tell(messages, MessageKind::kWarning, kExportFolderMissingMessage);
    return false;
  }
  const DataFileFields fields = ReadDataFileFields();
  if (FieldHoldingSeparator(fields)) {
    Tell(messages, MessageKind::kWarning, kExportSeparatorMessage);
    return false;
  }
  if (!WriteFileWhole(path, ToWindows1252(BuildDataFileText(fields)))) {
    Tell(messages, MessageKind::kWarning, kExportNotWrittenMessage);
    return false;
  }
  Tell(messages, MessageKind::kInformation, kExportedMessage);
  return true;
}

bool ImportDataFile(ServiceContext& context, StatusSink& statusBar, const std::string& path,
                    const std::function<void()>& refresh) {
  const std::optional<DataFileFields> fields = ReadDataFile(path, context.messages);
  return fields && ApplyDataFile(context, statusBar, *fields, refresh);
}

std::optional<DataFileFields> ReadDataFile(const std::string& path, MessageSink& messages) {
  std::string bytes;
  switch (ReadLimited(path, bytes)) {
    case ReadOutcome::kUnreadable:
      Tell(messages, MessageKind::kWarning, kImportUnreadableMessage);
      return std::nullopt;
    case ReadOutcome::kTooLarge:
      Tell(messages, MessageKind::kWarning, kImportFormatMessage);
      return std::nullopt;
    case ReadOutcome::kRead:
      break;
  }
  std::optional<DataFileFields> fields = ParseDataFileText(FromWindows1252(bytes));
  if (!fields) Tell(messages, MessageKind::kWarning, kImportFormatMessage);
  return fields;
}

bool ApplyDataFile(ServiceContext& context, StatusSink& statusBar, const DataFileFields& fields,
                   const std::function<void()>& refresh) {
  std::vector<SettingValue> values;
  for (int i = 0; i < kDataFileFieldCount; ++i) {
    const FieldAddress& a = FieldAddresses()[i];
    values.push_back({a.section, a.key, fields[i]});
  }
  if (!SaveSettingValues(values)) {
    Tell(context.messages, MessageKind::kWarning, kImportNotStoredMessage);
    return false;
  }
  ReloadLeagues(context, statusBar);
  TakeOverOptions(ReadOptionsForm(), context.data.options);
  if (refresh) refresh();
  Tell(context.messages, MessageKind::kInformation, kImportedMessage);
  return true;
}

}  // namespace zak
