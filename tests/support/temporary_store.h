// A settings store of its own for one test: QSettings' per-user folder points into a temporary
// folder, as a fresh XDG_CONFIG_HOME does for a whole process.
#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

namespace zak::testing {

class TemporaryStore {
 public:
  TemporaryStore() {
    setenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit().constData(), 1);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

}  // namespace zak::testing
