#include "control_events.h"

#include <QMouseEvent>

namespace zak::ui {
namespace {

// True when the handler is set and has been called.
bool Call(const std::function<void()>& handler) {
  if (!handler) return false;
  handler();
  return true;
}

}  // namespace

ControlEvents::Handlers& ControlEvents::Watch(QWidget* control) {
  control->setMouseTracking(true);
  return handlers_[control];
}

void ControlEvents::OnMouseMove(QWidget* control, std::function<void()> handler) {
  Watch(control).mouseMove = std::move(handler);
}

void ControlEvents::OnClick(QWidget* control, std::function<void()> handler) {
  Watch(control).click = std::move(handler);
}

void ControlEvents::OnFocus(QWidget* control, std::function<void()> gained,
                            std::function<void()> lost) {
  Handlers& handlers = Watch(control);
  handlers.focusIn = std::move(gained);
  handlers.focusOut = std::move(lost);
}

void ControlEvents::OnKeyPress(QWidget* control, std::function<void(int&)> handler) {
  Watch(control).keyPress = std::move(handler);
}

bool ControlEvents::Handle(QObject* control, QEvent* event) const {
  const auto found = handlers_.constFind(control);
  if (found == handlers_.constEnd()) return false;
  const Handlers& handlers = *found;
  switch (event->type()) {
    case QEvent::FocusIn:
      Call(handlers.focusIn);
      return false;  // the control still shows its focus
    case QEvent::FocusOut:
      Call(handlers.focusOut);
      return false;
    case QEvent::MouseMove:
      return Call(handlers.mouseMove);
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const auto* widget = static_cast<QWidget*>(control);
      const bool click =
          mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
      return click && Call(handlers.click);
    }
    default:
      return false;
  }
}

const std::function<void(int&)>* ControlEvents::KeyHandler(const QObject* control) const {
  const auto found = handlers_.constFind(control);
  if (found == handlers_.constEnd() || !found->keyPress) return nullptr;
  return &found->keyPress;
}

}  // namespace zak::ui
