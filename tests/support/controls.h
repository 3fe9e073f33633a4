// Finding a window's controls by objectName in tests ("cmdUpdateTable", an array element as
// "txtResults_3"), and twips as the window's pixels. A missing control ends the test at once.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace zak::testing {

template <typename T = QLabel>
T* Control(QWidget& window, const QString& name) {
  T* control = window.findChild<T*>(name);
  if (control == nullptr) qFatal("no control %s", qPrintable(name));
  return control;
}

template <typename T = QLabel>
T* Control(QWidget& window, const char* name, int index) {
  return Control<T>(window, QString("%1_%2").arg(name).arg(index));
}

inline QString Cell(QWidget& window, const char* name, int row) {
  return Control(window, name, row)->text();
}

// Where a control lies in its window, whichever panel of the window holds it.
inline QPoint InWindow(const QWidget* control) {
  return control->mapTo(control->window(), QPoint(0, 0));
}

// A Top or Left in twips as the window's pixels, rounded as the window places controls.
inline int Px(int twips) { return (twips + 7) / 15; }

}  // namespace zak::testing
