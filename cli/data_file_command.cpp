// zak-cli export FILE and zak-cli import FILE: the data file without a window, for backups from
// a script. Messages go to standard error; the exit status is 0 only when the file was written
// or applied.
#include <QDir>
#include <QString>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "platform_session.h"
#include "service/data_file.h"

namespace zak::cli {
namespace {

// The one word after the command: the file. A relative name means the current folder, as in
// any shell command; the data file routines want the folder spelled out.
Outcome<std::string> FileWord(const std::vector<std::string>& words) {
  if (words.size() != 1 || words[0].empty() || words[0].starts_with("--")) {
    return Fail("genau eine Datei erwartet");
  }
  return QDir::current().absoluteFilePath(QString::fromStdString(words[0])).toStdString();
}

int Refuse(const std::string& command, const std::string& error) {
  std::cerr << "zak-cli " << command << ": " << error << "\n";
  return 2;
}

}  // namespace

int ExportCommand(const std::vector<std::string>& words) {
  const Outcome<std::string> path = FileWord(words);
  if (!path) return Refuse("export", path.message());
  // Only reads the store: a backup leaves the user's settings as they are.
  StderrMessages messages;
  return ExportDataFile(*path, messages) ? 0 : 1;
}

int ImportCommand(const std::vector<std::string>& words) {
  const Outcome<std::string> path = FileWord(words);
  if (!path) return Refuse("import", path.message());
  // The file is read and checked before the session loads the options and completes the
  // identity: a refused file leaves even a store that has never seen a start as it was.
  StderrMessages messages;
  const Outcome<DataFileFields> fields = ReadDataFile(*path);
  if (!fields) {
    messages.ShowMessage(MessageKind::kWarning, fields.message(), "");
    return 1;
  }
  PlatformSession session;
  if (!session.held()) {
    std::cerr << "zak-cli import: " << session.held().message() << " Es wird nichts übernommen.\n";
    return 1;
  }
  return ApplyDataFile(session.context(), session.statusBar(), *fields, nullptr) ? 0 : 1;
}

}  // namespace zak::cli
