#include "message_box.h"

#include <QAbstractButton>
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
  const ShownMessage message{kind, text, title.isEmpty() ? DefaultTitle() : title, parent_};
  if (const Answerer& answerer = Answers().answerer_) {
    answerer(message);
    return;
  }
  QMessageBox box(kind == MessageKind::kWarning ? QMessageBox::Warning : QMessageBox::Information,
                  message.title, message.text, QMessageBox::Ok, parent_);
  // Messages may quote what the network or a file said: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool MessageBoxHelper::AskYesNo(const QString& text, const QString& title) {
  const ShownMessage question{MessageKind::kInformation, text,
                              title.isEmpty() ? DefaultTitle() : title, parent_};
  if (const QuestionAnswerer& answerer = Answers().questionAnswerer_) return answerer(question);
  QMessageBox box(QMessageBox::Information, question.title, question.text,
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Yes)->setText("Ja");
  box.button(QMessageBox::No)->setText("Nein");
  return box.exec() == QMessageBox::Yes;
}

}  // namespace zak::ui
