// What the main window's controls do when the mouse moves over them, when the left button is
// released over the control it was pressed on (a click), when they gain or lose the focus and,
// for the goal boxes, when a key types a character. Every control reports to the window first,
// as the window sees a key before the control that has the focus; the window looks its
// handlers up here.
#pragma once

#include <QEvent>
#include <QHash>
#include <QWidget>
#include <functional>

namespace zak::ui {

class ControlEvents {
 public:
  // A watched control reports every mouse move. With a handler the move ends at the control;
  // without, it goes on to what lies below.
  void OnMouseMove(QWidget* control, std::function<void()> handler);
  void OnClick(QWidget* control, std::function<void()> handler);
  void OnFocus(QWidget* control, std::function<void()> gained, std::function<void()> lost);
  // `key` is a character code (13 Enter, 8 Backspace, otherwise the character); the handler
  // sets it to 0 to swallow the key.
  void OnKeyPress(QWidget* control, std::function<void(int& key)> handler);
  // A watched control's mouse move, click or focus change: true when a handler took it, so
  // that the control does not see it.
  bool Handle(QObject* control, QEvent* event) const;
  // The control's key handler, or none.
  const std::function<void(int&)>* KeyHandler(const QObject* control) const;

 private:
  struct Handlers {
    std::function<void()> mouseMove;
    std::function<void()> click;
    std::function<void()> focusIn;
    std::function<void()> focusOut;
    std::function<void(int&)> keyPress;
  };
  Handlers& Watch(QWidget* control);

  QHash<const QObject*, Handlers> handlers_;
};

}  // namespace zak::ui
