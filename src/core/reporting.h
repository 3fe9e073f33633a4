// The two small interfaces through which lower layers report to the user: messages, and status
// text with progress. The windows implement them; tests and zak-cli have their own.
#pragma once

#include <string>

namespace zak {

enum class MessageKind { kWarning, kInformation };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A message box with OK only; `title` empty means the program's default title.
  virtual void ShowMessage(MessageKind kind, const std::string& text, const std::string& title) = 0;
};

// The status bar with progress display: a text, a maximum and the current value.
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetMaxProgress(int maximum) = 0;
  virtual void SetCurProgress(int value) = 0;
};

}  // namespace zak
