#include "data_file.h"

#include <array>
#include <memory>
#include <vector>

#include "core/scrambling.h"
#include "core/stored_league_text.h"
#include "core/windows1252.h"
#include "league_loading.h"
#include "settings/file_helpers.h"
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

void Tell(MessageSink& messages, MessageKind kind, std::string_view text) {
  messages.ShowMessage(kind, std::string(text), "");
}

// The warning told, and the failure that carries it.
Failure Refuse(MessageSink& messages, std::string_view text) {
  Tell(messages, MessageKind::kWarning, text);
  return Fail(std::string(text));
}

// True when the field is empty or reads as a league's stored copy, as the loader reads it.
bool IsStoredLeague(const std::string& field, int league) {
  if (field.empty()) return true;
  const auto scratch = std::make_unique<MatchData>();
  return DecodeStoredLeague(ScrambleSetting(field), *scratch, league).ok();
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
      serviceAnswers = LoadLeague(context, data.teamTable, statusBar, league, false, 0).ok();
    } else {
      // The loader tells a damaged copy; without one the league stays empty, the service's
      // silence already told.
      [[maybe_unused]] const Outcome<void> stored = LoadLeagueData(context, statusBar, league);
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
  // A damaged copy is no data: the loader would drop it and download the league again, and the
  // import would refuse the whole file for it.
  for (int league = 0; league < kLeagueCount; ++league) {
    if (!IsStoredLeague(fields[league], league)) fields[league].clear();
  }
  return fields;
}

Outcome<void> ExportDataFile(const std::string& path, MessageSink& messages) {
  if (!IsFolderWritable(GetFolderOfPath(path))) {
    return Refuse(messages, kExportFolderMissingMessage);
  }
  const DataFileFields fields = ReadDataFileFields();
  if (FieldHoldingSeparator(fields)) return Refuse(messages, kExportSeparatorMessage);
  // The file carries the proxy password and is for its owner only, like the store.
  if (!WriteFileWhole(path, ToWindows1252(BuildDataFileText(fields)), FileAccess::kOwnerOnly)) {
    return Refuse(messages, kExportNotWrittenMessage);
  }
  Tell(messages, MessageKind::kInformation, kExportedMessage);
  return {};
}

Outcome<void> ImportDataFile(ServiceContext& context, StatusSink& statusBar,
                             const std::string& path, const std::function<void()>& refresh) {
  const Outcome<DataFileFields> fields = ReadDataFile(path);
  if (!fields) return Refuse(context.messages, fields.message());
  return ApplyDataFile(context, statusBar, *fields, refresh);
}

Outcome<DataFileFields> ReadDataFile(const std::string& path) {
  const Outcome<std::string> bytes = ReadRegularFile(path, kMaxDataFileBytes);
  if (!bytes) {
    const bool tooLarge = bytes.failure().kind == kReadTooLarge;
    return Fail(std::string(tooLarge ? kImportFormatMessage : kImportUnreadableMessage));
  }
  const Outcome<DataFileFields> fields = ParseDataFileText(FromWindows1252(*bytes));
  if (!fields) return Fail(std::string(kImportFormatMessage));
  for (int league = 0; league < kLeagueCount; ++league) {
    if (!IsStoredLeague((*fields)[league], league)) return Fail(std::string(kImportFormatMessage));
  }
  return fields;
}

Outcome<void> ApplyDataFile(ServiceContext& context, StatusSink& statusBar,
                            const DataFileFields& fields, const std::function<void()>& refresh) {
  std::vector<SettingValue> values;
  for (int i = 0; i < kDataFileFieldCount; ++i) {
    const FieldAddress& a = FieldAddresses()[i];
    values.push_back({a.section, a.key, fields[i]});
  }
  if (!SaveSettingValues(values)) return Refuse(context.messages, kImportNotStoredMessage);
  ReloadLeagues(context, statusBar);
  TakeOverOptions(ReadOptionsForm(), context.data.options);
  if (refresh) refresh();
  Tell(context.messages, MessageKind::kInformation, kImportedMessage);
  return {};
}

}  // namespace zak
