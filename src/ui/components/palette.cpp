#include "palette.h"

#include <QPalette>

namespace zak::ui {
namespace {

void SetRole(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

void SetBackColour(QWidget* widget, const QColor& colour) {
  SetRole(widget, QPalette::Window, colour);
  widget->setAutoFillBackground(true);
}

void SetForeColour(QWidget* widget, const QColor& colour) {
  SetRole(widget, QPalette::WindowText, colour);
}

void SetBoxColour(QWidget* box, const QColor& colour) { SetRole(box, QPalette::Base, colour); }

void SetFaceColour(QWidget* button, const QColor& colour) {
  QPalette palette;  // the system's face
  if (colour.isValid()) palette.setColor(QPalette::Button, colour);
  button->setPalette(palette);
}

}  // namespace zak::ui
