#include "store_file.h"

#include <sys/stat.h>

#include <QStandardPaths>

namespace zak {

std::string StoreFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (folder + "/ZAK1415/ZAK1415.ini").toStdString();
}

bool IsStoreFileSound(const std::string& path) {
  struct stat info {};
  // What cannot be looked at cannot be read either: the store then behaves as unreadable.
  if (::stat(path.c_str(), &info) != 0) return true;
  return S_ISREG(info.st_mode) && info.st_size <= kLargestStoreFile;
}

}  // namespace zak
