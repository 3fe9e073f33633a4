// Text boxes that select their whole text when they get the focus, so that typing replaces it.
#pragma once

#include <QLineEdit>

namespace zak::ui {

// Selects the box's whole text now, and once more after the event loop has run, because the
// mouse press that brought the focus places the cursor after the focus event.
void SelectWholeText(QLineEdit* box);

// From now on the box selects its whole text whenever it gets the focus, however it came.
void SelectAllOnFocus(QLineEdit* box);

}  // namespace zak::ui
