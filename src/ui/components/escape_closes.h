// Secondary windows see key presses before their controls: Esc closes the window whichever of
// its controls has the focus, even one that would take the key for itself.
#pragma once

#include <QDialog>

namespace zak::ui {

// Call once the window's controls exist.
void CloseOnEscape(QDialog* window);

}  // namespace zak::ui
