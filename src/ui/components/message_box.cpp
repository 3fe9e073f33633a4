#include "message_box.h"

#include <QMessageBox>

#include "core/maker.h"

namespace zak::ui {

QString MessageBoxHelper::DefaultTitle() {
  return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

void MessageBoxHelper::ShowMessage(MessageKind kind, const std::string& text,
                                   const std::string& title) {
  Show(kind, QString::fromStdString(text), QString::fromStdString(title));
}

void MessageBoxHelper::Show(MessageKind kind, const QString& text, const QString& title) {
  const ShownMessage message{kind, text, title.isEmpty() ? DefaultTitle() : title};
  if (answerer_) {
    answerer_(message);
    return;
  }
  QMessageBox box(kind == MessageKind::kWarning ? QMessageBox::Warning : QMessageBox::Information,
                  message.title, message.text, QMessageBox::Ok, parent_);
  // Messages may quote what the network or a file said: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace zak::ui
