// One colour of a control's palette, set for every state (active, inactive, disabled).
#pragma once

#include <QColor>
#include <QWidget>

namespace zak::ui {

// The back colour of a label, frame or panel; the widget then fills its background.
void SetBackColour(QWidget* widget, const QColor& colour);
// The text colour of a label or caption.
void SetForeColour(QWidget* widget, const QColor& colour);
// The back colour of a text box or list (the palette's Base).
void SetBoxColour(QWidget* box, const QColor& colour);
// A button's face colour; an invalid colour gives the system's face back.
void SetFaceColour(QWidget* button, const QColor& colour);

}  // namespace zak::ui
