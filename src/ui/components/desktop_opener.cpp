#include "desktop_opener.h"

#include <QDesktopServices>

namespace zak::ui {

bool DesktopOpener::IsOpenable(const QUrl& address) {
  if (!address.isValid() || address.isRelative()) return false;
  const QString scheme = address.scheme().toLower();
  if (scheme == "mailto") return !address.path().isEmpty();
  return (scheme == "http" || scheme == "https") && !address.host().isEmpty();
}

bool DesktopOpener::Open(const QString& address) {
  const QUrl url(address.trimmed(), QUrl::StrictMode);
  if (!IsOpenable(url)) return false;
  if (observer_) {
    observer_(url);
  } else {
    QDesktopServices::openUrl(url);
  }
  return true;
}

}  // namespace zak::ui
