#include "data_file_text.h"

#include "text_util.h"

namespace zak {
namespace {

std::string Join(const DataFileFields& fields, int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) {
    if (i > first) text += kDataFileSeparator;
    // A port stored empty goes out as "0", the port's value when absent.
    text += i == kDataFilePortField && fields[i].empty() ? "0" : fields[i];
  }
  return text;
}

}  // namespace

std::string BuildLeagueDataText(const DataFileFields& fields) {
  return Join(fields, 0, kDataFileFirstOption - 1);
}

std::string BuildOptionsText(const DataFileFields& fields) {
  return Join(fields, kDataFileFirstOption, kDataFileFieldCount - 1);
}

std::string BuildDataFileText(const DataFileFields& fields) {
  return BuildLeagueDataText(fields) + std::string(kDataFileSeparator) + BuildOptionsText(fields);
}

std::optional<int> FieldHoldingSeparator(const DataFileFields& fields) {
  for (int i = 0; i < kDataFileFieldCount; ++i) {
    if (fields[i].find(kDataFileSeparator) != std::string::npos) return i;
  }
  return std::nullopt;
}

Outcome<DataFileFields> ParseDataFileText(std::string_view text) {
  const std::vector<std::string> parts = Split(text, kDataFileSeparator);
  if (parts.size() != kDataFileFieldCount) {
    return Fail("Die Datei hat " + std::to_string(parts.size()) + " statt " +
                std::to_string(kDataFileFieldCount) + " Felder.");
  }
  DataFileFields fields;
  for (int i = 0; i < kDataFileFieldCount; ++i) fields[i] = parts[i];
  return fields;
}

}  // namespace zak
