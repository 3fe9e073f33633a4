// zak-cli export FILE and zak-cli import FILE: the data file without a window, for backups from
// a script. Messages go to standard error; the exit status is 0 only when the file was written
// or applied.
#include <QDir>
#include <QString>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "platform_session.h"
#include "service/data_file.h"

namespace zak::cli {
namespace {

// The one word after the command: the file. A relative name means the current folder, as in
// any shell command; the data file routines want the folder spelled out.
std::optional<std::string> FileWord(const std::string& command,
                                    const std::vector<std::string>& words) {
  if (words.size() != 1 || words[0].empty() || words[0].starts_with("--")) {
    std::cerr << "zak-cli " << command << ": genau eine Datei erwartet\n";
    return std::nullopt;
  }
  return QDir::current().absoluteFilePath(QString::fromStdString(words[0])).toStdString();
}

}  // namespace

int ExportCommand(const std::vector<std::string>& words) {
  const auto path = FileWord("export", words);
  if (!path) return 2;
  // Only reads the store: a backup leaves the user's settings as they are.
  StderrMessages messages;
  return ExportDataFile(*path, messages) ? 0 : 1;
}

int ImportCommand(const std::vector<std::string>& words) {
  const auto path = FileWord("import", words);
  if (!path) return 2;
  // The file is read and checked before the session loads the options and completes the
  // identity: a refused file leaves even a store that has never seen a start as it was.
  StderrMessages messages;
  const std::optional<DataFileFields> fields = ReadDataFile(*path, messages);
  if (!fields) return 1;
  PlatformSession session;
  if (!session.refusal().empty()) {
    std::cerr << "zak-cli import: " << session.refusal() << " Es wird nichts übernommen.\n";
    return 1;
  }
  return ApplyDataFile(session.context(), session.statusBar(), *fields, nullptr) ? 0 : 1;
}

}  // namespace zak::cli
