// Command-line options of zak-dataservice.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/outcome.h"

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
  std::string history;          // lines separated by LF
  std::string downloadAddress;  // empty: the home page on the public host
  std::string news;
  // Where users reach the service, "host" or "host:port": the download address and the home
  // page are made for it. Empty: the address and port bound, which a wildcard --bind refuses.
  std::string publicHost;
  // "ADDRESS:PORT" where /metrics is served for Prometheus; empty: nowhere.
  std::string metrics;
};

// The address and port of "ADDRESS:PORT" ("[::1]:9814" for IPv6).
struct HostPort {
  std::string address;
  std::uint16_t port = 0;
};
Outcome<HostPort> ParseHostPort(const std::string& text);

// The grammar of the service's and publish's command lines: `withValue` and "--help" (or "-h"),
// which ends the reading; an option may come again, its last value counts.
CommandLineSyntax ServiceSyntax(std::set<std::string> withValue);

// `defaults` supplies the values of options that are not given. Nothing: --help was asked for;
// the failure tells the first wrong option.
Outcome<std::optional<ServiceOptions>> ParseOptions(const std::vector<std::string>& args,
                                                    const ServiceOptions& defaults);

// The defaults: the season folder that came with the program (installed, or the source tree's
// when run from a build), state under XDG_STATE_HOME (or ~/.local/state), the program's texts.
ServiceOptions DefaultOptions();

// The options as served, once the port is bound (with --port 0, the one the system picked):
// the public host filled in when not given, and the download address made from it.
ServiceOptions WithPublicHost(ServiceOptions options, std::uint16_t boundPort);

std::string UsageText();

}  // namespace zak::dataservice
