// The version history window: the versions and their changes as the data service tells them,
// or the history built into the program when the service cannot be asked.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QString>

#include "service/http_gateway.h"
#include "ui/components/message_box.h"

namespace zak::ui {

class FrmHistory : public QDialog {
 public:
  // `owner` is the window it centres over (the update window); it may be null.
  FrmHistory(HttpGateway& gateway, MessageBoxHelper& messages, QWidget* owner);

  // Caption, centring, and the text: offline the built-in history without a request; online
  // the service's answer, or the built-in history and a warning when the request fails.
  void Form_Load();

  // The text box's value as the program holds it, line ends CR LF.
  const QString& Text1() const { return text1_; }

 private:
  void SetText1(const QString& text);

  HttpGateway& gateway_;
  MessageBoxHelper messages_;  // over this window, answered as the owner's
  QWidget* owner_;
  QString text1_;
  QPlainTextEdit* Text1_ = nullptr;
};

}  // namespace zak::ui
