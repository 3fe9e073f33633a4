// The data file: the stored copy of every league and the start and proxy options, out of the
// settings store into one file and back, so that a user can move them to another installation
// or keep a backup.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/data_file_text.h"
#include "core/outcome.h"
#include "core/reporting.h"
#include "data_service.h"

namespace zak {

// A file beyond this size is refused unread: the data of all eight leagues is under 1 MiB.
inline constexpr std::int64_t kMaxDataFileBytes = std::int64_t{64} << 20;

extern const std::string_view kExportFolderMissingMessage;
extern const std::string_view kExportedMessage;
extern const std::string_view kExportNotWrittenMessage;
extern const std::string_view kExportSeparatorMessage;
extern const std::string_view kImportFormatMessage;
extern const std::string_view kImportUnreadableMessage;
extern const std::string_view kImportNotStoredMessage;
extern const std::string_view kImportedMessage;

// The 15 values the file carries, as the store keeps them; "" for an absent league, "0" for an
// absent "autodl", "autoup", "en" and "Port".
DataFileFields ReadDataFileFields();

// Writes the data file. The folder must take a new file; the file is replaced whole (a temporary
// file beside it, flushed to the disk, then renamed over it), so a failed write leaves an
// existing file as it was. Reports the outcome by message; a failure carries the text told.
Outcome<void> ExportDataFile(const std::string& path, MessageSink& messages);

// Reads a data file and applies it: its values are stored with one write of the store, every
// league is reloaded from the store, the options are taken over, `refresh` lets the window show
// the current league again, and the success is reported. A file that cannot be read, is too
// large or is not 15 fields, and a write of the store that fails, change nothing and are
// reported; a failure carries the text told.
Outcome<void> ImportDataFile(ServiceContext& context, StatusSink& statusBar,
                             const std::string& path, const std::function<void()>& refresh);

// The two steps of the import. Reading tells nothing: a refused file is a failure with the
// warning to show (kImportUnreadableMessage or kImportFormatMessage).
Outcome<DataFileFields> ReadDataFile(const std::string& path);
Outcome<void> ApplyDataFile(ServiceContext& context, StatusSink& statusBar,
                            const DataFileFields& fields, const std::function<void()>& refresh);

}  // namespace zak
