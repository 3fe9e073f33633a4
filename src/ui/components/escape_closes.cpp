#include "escape_closes.h"

#include <QEvent>
#include <QKeyEvent>
#include <utility>

namespace zak::ui {
namespace {

class EscapeFilter : public QObject {
 public:
  EscapeFilter(QDialog* window, std::function<void()> onEscape)
      : QObject(window), window_(window), onEscape_(std::move(onEscape)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && InWindow(watched)) {
      if (onEscape_) {
        onEscape_();
      } else {
        window_->close();
      }
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool InWindow(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == window_;
  }

  QDialog* window_;
  std::function<void()> onEscape_;
};

}  // namespace

void CloseOnEscape(QDialog* window, std::function<void()> onEscape) {
  auto* filter = new EscapeFilter(window, std::move(onEscape));
  window->installEventFilter(filter);
  for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(filter);
}

}  // namespace zak::ui
