// Secondary windows see key presses before their controls: Esc closes the window whichever of
// its controls has the focus, even one that would take the key for itself. A list's open popup
// and a message box over the window are windows of their own and keep their Esc.
#pragma once

#include <QDialog>
#include <functional>

namespace zak::ui {

// Call once the window's controls exist. `onEscape` is the window's own way out (its cancel
// handler); without one, Esc closes the window.
void CloseOnEscape(QDialog* window, std::function<void()> onEscape = {});

}  // namespace zak::ui
