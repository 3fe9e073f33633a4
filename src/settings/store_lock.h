// One program at a time on a settings store. Two programs on one store would each write their
// own copy of a league over the other's edits, so a writer holds a lock file beside the store
// ("ZAK1415.ini.zak-lock"). The operating system holds the lock for as long as the holder's
// file is open: a program that died holds nothing.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/outcome.h"

namespace zak {

class StoreHold {
 public:
  ~StoreHold();
  StoreHold(const StoreHold&) = delete;
  StoreHold& operator=(const StoreHold&) = delete;

 private:
  friend Outcome<std::unique_ptr<StoreHold>> HoldStore(std::string_view holder);
  StoreHold(int fd, std::string lockPath);
  int fd_;
  std::string lockPath_;
};

// Takes the store for as long as the hold lives; `holder` ("zak", "zak-cli") names this program
// to a program that is refused meanwhile. Every write of this process then goes ahead and every
// other program's hold and write is refused. Fails only when another program holds the store,
// with a German sentence that says which. Where no lock file can be made (a read-only folder) a
// hold without one is given: the store cannot be written there anyway.
Outcome<std::unique_ptr<StoreHold>> HoldStore(std::string_view holder);

// The store held for one write: by this process's hold, or else taken for the guard's life.
class StoreWriteGuard {
 public:
  StoreWriteGuard();
  ~StoreWriteGuard();
  StoreWriteGuard(const StoreWriteGuard&) = delete;
  StoreWriteGuard& operator=(const StoreWriteGuard&) = delete;
  // False when another program holds the store: the write must not happen.
  bool ok() const { return ok_; }

 private:
  int fd_ = -1;
  bool ok_ = true;
};

}  // namespace zak
