// Web links and the mail link leave the program through here, to the user's browser or mail
// program. Only http, https and mailto addresses are handed on: an address that comes from data
// must never start a local file or program. A test can observe the addresses instead.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace zak::ui {

class DesktopOpener {
 public:
  using Observer = std::function<void(const QUrl&)>;

  // True when `address` is an absolute http, https or mailto address.
  static bool IsOpenable(const QUrl& address);

  // Hands the address to the desktop's opener; false, and nothing opened, when it is refused.
  // Whether a browser really opens is not reported, as the desktop does not tell.
  bool Open(const QString& address);

  // From now on an accepted address is handed to `observer` instead of the desktop.
  void ObserveInstead(Observer observer) { observer_ = std::move(observer); }

 private:
  Observer observer_;
};

}  // namespace zak::ui
