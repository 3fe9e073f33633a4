// Where a secondary window opens.
#pragma once

#include <QWidget>

namespace zak::ui {

// Moves `window` so that its centre lies on the centre of `owner`; with no owner it stays.
void CentreOver(QWidget* window, const QWidget* owner);

}  // namespace zak::ui
