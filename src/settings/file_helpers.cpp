#include "file_helpers.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <QString>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdlib>

#include "core/text_util.h"

namespace zak {
namespace {

// Closes the descriptor when the routine leaves, whichever way.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the close reported a failure (a write the disk did not take).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool InProc(const std::string& path) {
  char* real = ::realpath(FolderOf(path).c_str(), nullptr);
  if (real == nullptr) return false;
  const std::string folder(real);
  std::free(real);
  return folder == "/proc" || folder.starts_with("/proc/");
}

// Where the bytes go: the path itself, or the entry its links lead to. A rename must not reach
// through /proc (/dev/stdout and /dev/fd/N lead there, to a file some process holds open).
struct Destination {
  std::string path;
  bool throughProc = false;
  bool found = false;  // false for a chain of links that does not end
};

Destination Follow(std::string path) {
  Destination d;
  for (int hop = 0; hop < 40; ++hop) {
    // The links there name open files ("pipe:[…]"), not paths: only opening follows them.
    d.throughProc = InProc(path);
    char next[PATH_MAX];
    const ssize_t n = d.throughProc ? -1 : ::readlink(path.c_str(), next, sizeof next);
    if (n < 0) {
      d.path = path;
      d.found = true;
      return d;
    }
    std::string target(next, static_cast<std::size_t>(n));
    path = target.starts_with('/') ? target : FolderOf(path) + "/" + target;
  }
  return d;
}

// A sibling of the target with a name nobody uses, created empty; -1 when none could be made.
int CreateSibling(const std::string& target, mode_t mode, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + "." + std::to_string(QRandomGenerator::global()->bounded(100000, 1000000));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool ReplaceWhole(const std::string& target, std::string_view bytes, FileAccess access) {
  struct stat old {};
  const bool replaces = ::stat(target.c_str(), &old) == 0;
  // A new file gets what the umask leaves of 0666; otherwise the mode is set exactly, and until
  // then nobody but the owner can read the temporary file.
  const bool keepUmask = access == FileAccess::kAsBefore && !replaces;
  const mode_t mode = access == FileAccess::kOwnerOnly ? 0600 : (old.st_mode & 07777);
  std::string temporary;
  Descriptor fd(CreateSibling(target, keepUmask ? 0666 : 0600, temporary));
  if (fd.get() < 0) return false;
  bool ok = (keepUmask || ::fchmod(fd.get(), mode) == 0) && WriteAll(fd.get(), bytes) &&
            ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The new name on the disk too; a folder that cannot be synced does not undo the write.
  if (const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

// A device or a pipe takes the bytes as they come; opening never waits for a reader.
bool WriteDirectly(const std::string& path, std::string_view bytes) {
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  struct stat st {};
  const int flags = ::fcntl(fd.get(), F_GETFL);
  bool ok = ::fstat(fd.get(), &st) == 0 && !S_ISDIR(st.st_mode) && flags >= 0 &&
            ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd.get(), bytes);
  if (ok && S_ISREG(st.st_mode)) ok = ::fsync(fd.get()) == 0;
  return fd.Close() && ok;
}

bool WrittenWhole(std::string_view path, std::string_view bytes, FileAccess access) {
  if (path.empty()) return false;
  const Destination d = Follow(std::string(path));
  if (!d.found) return false;
  struct stat st {};
  if (::lstat(d.path.c_str(), &st) != 0) {
    return errno == ENOENT && !d.throughProc && ReplaceWhole(d.path, bytes, access);
  }
  if (S_ISDIR(st.st_mode)) return false;
  if (S_ISREG(st.st_mode) && !d.throughProc) return ReplaceWhole(d.path, bytes, access);
  return WriteDirectly(d.path, bytes);
}

}  // namespace

bool FileExists(std::string_view path) {
  struct stat st {};
  return !path.empty() && ::stat(std::string(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFolderWritable(std::string_view folder) {
  std::string probe(Trim(folder));
  if (probe.empty() || (probe.back() != '/' && probe.back() != '\\')) probe += '/';
  // A unique name: a file "test.tmp" of the user's must never be overwritten and deleted.
  QTemporaryFile file(QString::fromStdString(probe) + "zak-probe-XXXXXX.tmp");
  file.setAutoRemove(true);
  return file.open();
}

std::string GetFolderOfPath(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/");
  if (last != std::string_view::npos) return std::string(path.substr(0, last + 1));
  if (Utf8Length(path) > 2) return std::string(path);
  return std::string(path) + "\\";
}

Outcome<void> WriteFileWhole(std::string_view path, std::string_view bytes, FileAccess access) {
  if (WrittenWhole(path, bytes, access)) return {};
  return Fail("Die Datei " + std::string(path) + " konnte nicht geschrieben werden.");
}

Outcome<std::string> ReadRegularFile(std::string_view path, std::int64_t maxBytes) {
  const std::string name(path);
  // Asked first, so a device is not even opened; the opened file is asked again.
  if (!FileExists(name)) return Fail("Die Datei fehlt oder ist keine Datei.", kReadUnreadable);
  Descriptor fd(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    return Fail("Die Datei kann nicht geöffnet werden.", kReadUnreadable);
  }
  if (st.st_size > maxBytes) return Fail("Die Datei ist zu groß.", kReadTooLarge);
  // Never more than the limit and one byte: a file that grows meanwhile is cut off there.
  std::string bytes;
  char buffer[65536];
  while (static_cast<std::int64_t>(bytes.size()) <= maxBytes) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Fail("Die Datei kann nicht gelesen werden.", kReadUnreadable);
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  if (static_cast<std::int64_t>(bytes.size()) > maxBytes) {
    return Fail("Die Datei ist zu groß.", kReadTooLarge);
  }
  return bytes;
}

}  // namespace zak
