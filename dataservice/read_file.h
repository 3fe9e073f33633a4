// Reading a whole regular file as bytes, without ever blocking on what is not one.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "core/outcome.h"

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

// The kind of a failed read that callers tell apart: no such file is not an error for a league
// without data; any other failure (kind 0) says why an existing file could not be read.
constexpr int kFileMissing = 1;

// Only regular files are read (a folder, a FIFO or a device is an error, found without
// waiting), and only up to 16 MiB.
Outcome<FileRead> ReadRegularFile(const std::string& path);

// The file's bytes (an empty file gives an empty text).
Outcome<std::string> ReadFile(const std::string& path);

}  // namespace zak::dataservice
