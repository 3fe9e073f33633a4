// The program's version against the newest one the data service names, and the version history
// as the history window shows it. Versions are compared as plain texts, character by character
// by character code, as the service has always been answered: "2.0.10.0" sorts before "2.0.9.2".
#pragma once

#include <string>
#include <string_view>

namespace zak {

// What the update window says; the value is the index of the status text it shows.
enum class UpdateState {
  kCurrent = 0,         // the installed version is the newest
  kNewerAvailable = 1,  // the service names a newer one: download offered
  kNoConnection = 2,    // the service could not be asked
  kTestVersion = 3,     // the installed version sorts after the newest: a test build
};

// Shown as the newest version when the service cannot be asked.
inline constexpr std::string_view kUnknownVersion = "???";

// The newest version as the update window shows it: the answer, or "???" for the failure text.
std::string ShownNewestVersion(std::string_view answer);

// The update window's state for the installed version and the newest one as shown.
UpdateState CompareVersionTexts(std::string_view installed, std::string_view newest);

// The start-up's question: does the answer name a version that sorts after the installed one?
// Answers of two characters or fewer never do.
bool IsNewerVersionOffered(std::string_view installed, std::string_view answer);

// The history as the window shows it: an answer of two characters or fewer gives an empty box,
// and every LF becomes CR LF, as the text box wants its line ends. An answer already in CR LF
// keeps its CR, so its lines end in CR CR LF.
std::string HistoryForDisplay(std::string_view answer);

}  // namespace zak
