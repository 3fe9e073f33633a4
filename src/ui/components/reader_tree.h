// What screen readers see of the windows, beyond what Qt's own accessibility gives: controls
// hidden from the tree (decorative pictures, cells whose row speaks for them), labels that act
// on a click shown as links or buttons that Tab reaches and Enter or the reader presses, a
// picture box shown as a picture with a text alternative, and a value with its maximum shown as
// a progress bar. Everything else keeps Qt's interface.
#pragma once

#include <QComboBox>
#include <QString>
#include <QWidget>

namespace zak::ui {

// The control leaves the accessibility tree (or, with `hidden` false, comes back); the window
// still shows it.
void HideFromReaders(QWidget* control, bool hidden = true);
bool HiddenFromReaders(const QWidget* control);

// A label that reacts to a click of the left button: to readers a link or a button named
// `name`, whose press action clicks it; Tab reaches it, and Enter or the space bar clicks it.
enum class CommandKind { kLink, kButton };
void MakeReaderCommand(QWidget* control, CommandKind kind, const QString& name);

// A picture drawn by a widget of its own: a picture to readers, named `name`, with the words
// that tell what it shows as its description.
void MakeReaderPicture(QWidget* control);
void DescribePicture(QWidget* control, const QString& name, const QString& description);

// A status bar whose name is its status text; the text's own label is hidden.
void MakeReaderStatusBar(QWidget* control);
// A painted bar: to readers a progress bar named `name`, with value and maximum told by
// SetReaderProgress.
void MakeReaderProgress(QWidget* control, const QString& name);
void SetReaderProgress(QWidget* control, int value, int maximum);

// A frame of controls, to readers a group named `name`.
void MakeReaderGroup(QWidget* control, const QString& name);

// A drop-down list named `name`. Qt on Linux gives a list its chosen entry as name, so the
// name goes into the description too, which readers say after it.
void NameList(QComboBox* list, const QString& name);

}  // namespace zak::ui
