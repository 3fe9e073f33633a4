// A modal window's exec() returns only when the window closes, so a test acts on it from inside
// its event loop: the action runs once the window has become the active modal one.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zak::testing {

// Runs `act` on the next modal window other than `notThis` once it is visible. Call it before the
// command that opens the window. Gives up after a generous deadline (the test then fails on what
// `act` did not record).
inline void WhenModalWindowShows(std::function<void(QWidget*)> act,
                                 const QWidget* notThis = nullptr) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll,
                   [poll, act = std::move(act), notThis, tries = 0]() mutable {
                     QWidget* modal = QApplication::activeModalWidget();
                     const bool found = modal != nullptr && modal != notThis && modal->isVisible();
                     if (!found && ++tries < 6000) return;
                     poll->stop();
                     poll->deleteLater();
                     if (found) act(modal);
                   });
  poll->start();
}

}  // namespace zak::testing
