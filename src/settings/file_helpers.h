// Files the user names: whether a path names a file to read, whether a folder takes a new file,
// reading one without ever blocking, and replacing one whole. A pipe or a device is never
// mistaken for a file: reading one is refused, writing one goes to it directly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/outcome.h"

namespace zak {

// True when the path names a regular file (a link to one counts); a folder, a pipe, a device or
// a socket is no file.
bool FileExists(std::string_view path);
// True when a file can be created in the folder. Probes with a unique temporary name and
// removes it again, so no file of the user's is touched.
bool IsFolderWritable(std::string_view folder);
// The part up to and including the last "\" (or "/"); a path without one that is longer than
// two characters unchanged; a shorter one (a bare drive "C:") followed by "\".
std::string GetFolderOfPath(std::string_view path);

// The permissions a written file gets: those of the file it replaces (a new one: readable by
// everyone, as the user's umask allows), or readable by its owner only.
enum class FileAccess { kAsBefore, kOwnerOnly };

// Writes exactly these bytes to the path. A regular file (or a new one) is replaced whole or
// left as it was: the bytes go to a temporary file beside it, which is renamed over it only
// once every byte is on the disk. A device or a pipe (also through a link such as /dev/stdout)
// stays what it is and gets the bytes directly; a pipe nobody reads and a folder are refused.
// A failure naming the path when anything failed (a temporary file is then removed).
Outcome<void> WriteFileWhole(std::string_view path, std::string_view bytes,
                             FileAccess access = FileAccess::kAsBefore);

// Kinds of ReadRegularFile's failures.
inline constexpr int kReadUnreadable = 1;  // missing, no regular file, or a read failed
inline constexpr int kReadTooLarge = 2;    // more than the limit

// The whole content of a regular file of at most `maxBytes` bytes. Opening never waits: a pipe
// without a writer, a device or a folder is refused as unreadable.
Outcome<std::string> ReadRegularFile(std::string_view path, std::int64_t maxBytes);

}  // namespace zak
