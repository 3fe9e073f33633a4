#include "store_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <mutex>
#include <string>

#include "store_file.h"

namespace zak {
namespace {

std::string LockFilePath() { return StoreFilePath() + ".zak-lock"; }

// The lock file of this process's hold; empty without one.
std::mutex heldMutex;
std::string heldLockPath;

// The lock file opened (made with its folder where missing), or -1. A lock file only readable
// still locks.
int OpenLockFile(const std::string& path) {
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600);
  return fd >= 0 ? fd : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
}

bool TryLock(int fd) {
  int r;
  do {
    r = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  return r == 0;
}

// Who holds the store, as the holder wrote it into the lock file.
std::string HolderOf(int fd) {
  char name[32] = {};
  const ssize_t n = ::pread(fd, name, sizeof name - 1, 0);
  return n > 0 ? std::string(name, static_cast<std::size_t>(n)) : std::string();
}

std::string RefusalText(const std::string& holder) {
  const std::string store = " (" + StoreFilePath() + ")";
  if (holder == "zak") return "ZAK 14/15 läuft bereits mit diesen Einstellungen" + store + ".";
  if (holder == "zak-cli") return "zak-cli ändert gerade diese Einstellungen" + store + ".";
  return "Ein anderes Programm ändert gerade diese Einstellungen" + store + ".";
}

}  // namespace

StoreHold::StoreHold(int fd, std::string lockPath) : fd_(fd), lockPath_(std::move(lockPath)) {
  const std::lock_guard lock(heldMutex);
  heldLockPath = lockPath_;
}

StoreHold::~StoreHold() {
  {
    const std::lock_guard lock(heldMutex);
    if (heldLockPath == lockPath_) heldLockPath.clear();
  }
  if (fd_ >= 0) ::close(fd_);
}

Outcome<std::unique_ptr<StoreHold>> HoldStore(std::string_view holder) {
  const std::string path = LockFilePath();
  const int fd = OpenLockFile(path);
  if (fd < 0) return std::unique_ptr<StoreHold>(new StoreHold(-1, path));
  if (!TryLock(fd)) {
    const std::string text = RefusalText(HolderOf(fd));
    ::close(fd);
    return Fail(text);
  }
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, holder.data(), holder.size(), 0);
  }
  return std::unique_ptr<StoreHold>(new StoreHold(fd, path));
}

StoreWriteGuard::StoreWriteGuard() {
  const std::string path = LockFilePath();
  {
    const std::lock_guard lock(heldMutex);
    if (heldLockPath == path) return;
  }
  fd_ = OpenLockFile(path);
  if (fd_ >= 0 && !TryLock(fd_)) ok_ = false;
}

StoreWriteGuard::~StoreWriteGuard() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace zak
