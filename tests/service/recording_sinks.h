// What a window would show, written down: messages and the status bar's text and progress.
#pragma once

#include <string>
#include <vector>

#include "core/reporting.h"

namespace zak::testing {

struct Message {
  MessageKind kind;
  std::string text;
  std::string title;
};

class RecordingMessages : public MessageSink {
 public:
  void ShowMessage(MessageKind kind, const std::string& text, const std::string& title) override {
    shown.push_back({kind, text, title});
  }
  std::vector<Message> shown;
};

class RecordingStatus : public StatusSink {
 public:
  void SetText(const std::string& value) override { texts.push_back(value); }
  void SetMaxProgress(int value) override { maximum = value; }
  void SetCurProgress(int value) override {
    current = value;
    highest = std::max(highest, value);
  }
  std::vector<std::string> texts;
  int maximum = 100;
  int current = 0;
  int highest = 0;
};

}  // namespace zak::testing
