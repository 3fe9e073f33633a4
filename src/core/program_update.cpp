#include "program_update.h"

#include "protocol.h"
#include "text_util.h"

namespace zak {

std::string ShownNewestVersion(std::string_view answer) {
  return std::string(answer == kConnectionFailedText ? kUnknownVersion : answer);
}

UpdateState CompareVersionTexts(std::string_view installed, std::string_view newest) {
  if (newest == kUnknownVersion) return UpdateState::kNoConnection;
  // UTF-8 bytes sort as the characters' codes do.
  const int order = installed.compare(newest);
  if (order > 0) return UpdateState::kTestVersion;
  if (order < 0) return UpdateState::kNewerAvailable;
  return UpdateState::kCurrent;
}

bool IsNewerVersionOffered(std::string_view installed, std::string_view answer) {
  if (answer == kConnectionFailedText) return false;
  return Utf8Length(answer) > 2 && installed.compare(answer) < 0;
}

std::string HistoryForDisplay(std::string_view answer) {
  if (Utf8Length(answer) <= 2) return {};
  std::string text;
  text.reserve(answer.size() + answer.size() / 16);
  for (const char c : answer) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

}  // namespace zak
