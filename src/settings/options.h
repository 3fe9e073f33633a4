// Loading the program-wide option values from the store and saving them back: what the settings
// window does in its load step and on OK, without the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/outcome.h"
#include "core/program_data.h"

namespace zak {

// The settings window's controls as values: check boxes, text boxes, the time-out list.
struct OptionsForm {
  bool UsingProxy = false;                        // chkUsingProxy
  bool AutoDownload = true;                       // chkAutoDownload
  bool AutoUpdate = true;                         // chkAutoUpdate
  std::string ProxyServer;                        // txtProxyServer
  std::string ProxyPort;                          // txtProxyPort, as typed
  std::string ProxyUser;                          // txtProxyUser
  std::string ProxyPassword;                      // txtProxyPassword, plain
  int ServerTimeoutIndex = kDefaultTimeoutIndex;  // cmbServerTimeout list position

  static constexpr int kTimeoutEntries = 12;      // "5 Sekunden" .. "60 Sekunden"
  static constexpr int kDefaultTimeoutIndex = 5;  // "30 Sekunden"
};

// Seconds of a time-out list entry: 5, 10, ..., 60.
int TimeoutSeconds(int index);
// "5 Sekunden" .. "60 Sekunden".
std::string TimeoutEntryText(int index);

// A port text the program takes: a whole decimal number 0..65535 (blanks around allowed).
std::optional<std::uint16_t> ParsePortText(const std::string& text);

// The controls' content as the store holds it. A time-out position that is no number within
// the list falls back to the default entry.
OptionsForm ReadOptionsForm();

// The load step: update counts, the form's values, identity and time-out into `data`, then
// SaveOptions. Returns the form so a window can show it.
OptionsForm LoadOptions(ProgramData& data);

// Stores the form's values (and the scrambled InstallationId) and takes them over into the
// program-wide values. A port that is not a number is stored as typed but leaves ProxyPort.
// All values go in one write of the store; when it fails they are taken over all the same.
Outcome<void> SaveOptions(const OptionsForm& form, ProgramData& data);

// Takes the form's values over into the program-wide option values without storing anything.
// A port that is not a number leaves ProxyPort as it was.
void TakeOverOptions(const OptionsForm& form, Options& options);

}  // namespace zak
