// Drop-down lists whose entries are read whole: the closed list keeps its designed width and
// shows its longest entry without cutting it, and the opened list is at least as wide as that.
#pragma once

#include <QComboBox>

namespace zak::ui {

// Call after filling the list. Keeps the list's font when every entry fits; otherwise takes the
// narrow cut of the font's family, and makes it smaller (down to 6 pt) until the longest entry
// fits the closed list's text field.
void ShowItemsWhole(QComboBox* list);

// The width in pixels of the closed list's text field, where the chosen entry is drawn.
int ItemFieldWidth(const QComboBox* list);

}  // namespace zak::ui
