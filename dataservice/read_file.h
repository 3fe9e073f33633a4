// Reading a whole regular file as bytes, without ever blocking on what is not one.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace zak::dataservice {

// What identifies one state of a file: a rewrite in place changes the size or the time, a
// rename over it changes the inode.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modifiedNs = 0;  // since the epoch
  bool operator==(const FileStamp&) const = default;
};

struct FileRead {
  std::string bytes;
  FileStamp stamp;
  bool changedWhileRead = false;  // the stamp after reading differs from the one before
};

struct FileReadResult {
  std::optional<FileRead> file;
  bool missing = false;  // no such file: not an error for a league without data
  std::string error;     // why the file could not be read, when it exists
};

// Only regular files are read (a folder, a FIFO or a device is an error, found without
// waiting), and only up to 16 MiB.
FileReadResult ReadRegularFile(const std::string& path);

// The file's bytes (an empty file gives an empty text); nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path);

}  // namespace zak::dataservice
