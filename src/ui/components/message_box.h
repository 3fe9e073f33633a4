// Every message the program shows goes through here: a message box with the program's title,
// a warning or information icon and an OK button, or a question with Yes and No, centred over
// the window that shows the message. A test can answer the boxes in advance.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "core/reporting.h"

namespace zak::ui {

struct ShownMessage {
  MessageKind kind;
  QString text;
  QString title;
  QWidget* over = nullptr;  // the window the box is centred over
};

class MessageBoxHelper : public MessageSink {
 public:
  using Answerer = std::function<void(const ShownMessage&)>;

  explicit MessageBoxHelper(QWidget* parent) : parent_(parent) {}
  // For a window of its own that `shared`'s owner opened: the boxes are centred over `parent`,
  // and the answers given to `shared` in advance answer them.
  MessageBoxHelper(MessageBoxHelper& shared, QWidget* parent)
      : parent_(parent), answers_(shared.answers_ != nullptr ? shared.answers_ : &shared) {}

  // The title a message without its own title carries.
  static QString DefaultTitle();

  void ShowMessage(MessageKind kind, const std::string& text, const std::string& title) override;
  void Show(MessageKind kind, const QString& text, const QString& title = {});

  // From now on each message is handed to `answerer` instead of opening a box, as if the user
  // had read it and pressed OK.
  void AnswerInAdvance(Answerer answerer) { answerer_ = std::move(answerer); }

  // A question with Yes and No buttons and the information icon; true when Yes was pressed.
  bool AskYesNo(const QString& text, const QString& title = {});

  using QuestionAnswerer = std::function<bool(const ShownMessage&)>;
  // From now on each question is handed to `answerer`, whose result stands for the button.
  void AnswerQuestionsInAdvance(QuestionAnswerer answerer) {
    questionAnswerer_ = std::move(answerer);
  }

 private:
  const MessageBoxHelper& Answers() const { return answers_ != nullptr ? *answers_ : *this; }

  QWidget* parent_;
  MessageBoxHelper* answers_ = nullptr;
  Answerer answerer_;
  QuestionAnswerer questionAnswerer_;
};

}  // namespace zak::ui
