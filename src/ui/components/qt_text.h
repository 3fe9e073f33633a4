// Text between the core (UTF-8 in std::string) and the windows (QString). The byte boundaries
// (network, store, data file) convert to Windows-1252 elsewhere; this is UTF-8 only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zak::ui {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace zak::ui
