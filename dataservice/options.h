// Command-line options of zak-dataservice.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zak::dataservice {

struct ServiceOptions {
  std::string bind = "127.0.0.1";
  std::uint16_t port = 8014;      // 0: the system picks a free port, announced on standard output
  std::string seasonDir;          // folder with league-<index>.tsv
  std::string stateFile;          // update counts; empty: kept in memory only
  int threads = 0;                // 0: one per core
  int checkIntervalSeconds = 2;   // periodic look at the season files; 0: only on SIGHUP
  int clientTimeoutSeconds = 10;  // a request (or an idle keep-alive pause) may take this long
  // The texts, UTF-8 as given; the service sends them in Windows-1252.
  std::string latestVersion;
  std::string history;  // lines separated by LF
  std::string downloadAddress;
  std::string news;
};

struct HelpRequested {};
struct OptionError {
  std::string message;
};
using ParsedOptions = std::variant<ServiceOptions, HelpRequested, OptionError>;

// `defaults` supplies the values of options that are not given.
ParsedOptions ParseOptions(const std::vector<std::string>& args, const ServiceOptions& defaults);

// The defaults: the season folder that came with the program (installed, or the source tree's
// when run from a build), state under XDG_STATE_HOME (or ~/.local/state), the program's texts.
ServiceOptions DefaultOptions();

std::string UsageText();

}  // namespace zak::dataservice
