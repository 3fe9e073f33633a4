#include "read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/season_file.h"

namespace zak::dataservice {
namespace {

// The program's season reader takes no more either.
constexpr off_t kLargestFile = kLargestSeasonFile;

FileStamp StampOf(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size,
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// Reads to the end; false on a read error.
bool ReadAll(int fd, std::string& bytes) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (bytes.size() + static_cast<std::size_t>(n) > static_cast<std::size_t>(kLargestFile)) {
      errno = EFBIG;
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

// Reads the open file; the caller closes it.
Outcome<FileRead> ReadOpen(int fd) {
  struct stat before {};
  if (::fstat(fd, &before) != 0) return Fail(std::strerror(errno));
  if (!S_ISREG(before.st_mode)) return Fail("no regular file");
  if (before.st_size > kLargestFile) return Fail("larger than 16 MiB");
  FileRead file;
  file.bytes.reserve(static_cast<std::size_t>(before.st_size));
  struct stat after {};
  if (!ReadAll(fd, file.bytes) || ::fstat(fd, &after) != 0) return Fail(std::strerror(errno));
  file.stamp = StampOf(before);
  file.changedWhileRead = !(StampOf(after) == file.stamp);
  return file;
}

}  // namespace

Outcome<FileRead> ReadRegularFile(const std::string& path) {
  // Non-blocking: opening a FIFO without a writer would otherwise wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    return Fail(std::strerror(error), error == ENOENT ? kFileMissing : 0);
  }
  Outcome<FileRead> read = ReadOpen(fd);
  ::close(fd);
  return read;
}

Outcome<std::string> ReadFile(const std::string& path) {
  Outcome<FileRead> read = ReadRegularFile(path);
  if (!read) return read.failure();
  return std::move(read->bytes);
}

}  // namespace zak::dataservice
