#include "options.h"

#include <boost/asio/ip/address.hpp>
#include <cstdlib>
#include <functional>
#include <map>
#include <thread>

#include "core/maker.h"
#include "core/season_folder.h"
#include "core/text_util.h"
#include "core/version_history.h"
#include "read_file.h"

namespace zak::dataservice {
namespace {

std::optional<int> Bounded(const std::string& text, int low, int high) {
  const auto value = ParseInt32(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return *value;
}

std::string WithoutCarriageReturns(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

// "host" or "host:port", a name or an IPv4 address, or an IPv6 address in brackets.
bool IsHostAndPort(std::string_view text) {
  constexpr std::string_view kAllowed =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:[]";
  return text.find_first_not_of(kAllowed) == std::string_view::npos;
}

bool IsWildcard(const std::string& bind) {
  boost::system::error_code ec;
  const auto address = boost::asio::ip::make_address(bind, ec);
  return !ec && address.is_unspecified();
}

using Setter = std::function<std::string(ServiceOptions&, const std::string&)>;

Setter Text(std::string ServiceOptions::*field) {
  return [field](ServiceOptions& o, const std::string& value) {
    o.*field = value;
    return std::string();
  };
}

Setter Number(int ServiceOptions::*field, int low, int high) {
  return [=](ServiceOptions& o, const std::string& value) {
    const auto number = Bounded(value, low, high);
    if (!number) {
      return "\"" + value + "\" is no number from " + std::to_string(low) + " to " +
             std::to_string(high);
    }
    o.*field = *number;
    return std::string();
  };
}

const std::map<std::string, Setter>& Setters() {
  static const std::map<std::string, Setter> setters = {
      {"--bind", Text(&ServiceOptions::bind)},
      {"--port",
       [](ServiceOptions& o, const std::string& value) {
         const auto port = Bounded(value, 0, 65535);
         if (!port) return "\"" + value + "\" is no port number";
         o.port = static_cast<std::uint16_t>(*port);
         return std::string();
       }},
      {"--season", Text(&ServiceOptions::seasonDir)},
      {"--state", Text(&ServiceOptions::stateFile)},
      {"--threads", Number(&ServiceOptions::threads, 1, 256)},
      {"--check-interval", Number(&ServiceOptions::checkIntervalSeconds, 0, 86400)},
      {"--client-timeout", Number(&ServiceOptions::clientTimeoutSeconds, 1, 3600)},
      {"--latest-version", Text(&ServiceOptions::latestVersion)},
      {"--history", Text(&ServiceOptions::history)},
      {"--history-file",
       [](ServiceOptions& o, const std::string& path) {
         const Outcome<std::string> text = ReadFile(path);
         if (!text) return "cannot read \"" + path + "\"";
         o.history = WithoutCarriageReturns(*text);
         return std::string();
       }},
      {"--download-address", Text(&ServiceOptions::downloadAddress)},
      {"--news", Text(&ServiceOptions::news)},
      {"--public-host",
       [](ServiceOptions& o, const std::string& value) {
         if (!IsHostAndPort(value)) return "\"" + value + "\" is no HOST or HOST:PORT";
         o.publicHost = value;
         return std::string();
       }},
      {"--metrics",
       [](ServiceOptions& o, const std::string& value) {
         if (const Outcome<HostPort> at = ParseHostPort(value); !at) return at.message();
         o.metrics = value;
         return std::string();
       }},
  };
  return setters;
}

}  // namespace

Outcome<HostPort> ParseHostPort(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return Fail("\"" + text + "\" is no ADDRESS:PORT");
  std::string address = text.substr(0, colon);
  if (address.front() == '[' && address.back() == ']') address = address.substr(1, colon - 2);
  const auto port = Bounded(text.substr(colon + 1), 0, 65535);
  if (!port || address.empty()) return Fail("\"" + text + "\" is no ADDRESS:PORT");
  return HostPort{address, static_cast<std::uint16_t>(*port)};
}

CommandLineSyntax ServiceSyntax(std::set<std::string> withValue) {
  return {std::move(withValue),
          {"--help", "-h"},
          true,
          {"--help", "-h"},
          "unknown option \"{}\"",
          "{} needs a value",
          "unknown option \"{}\"",
          ""};
}

Outcome<std::optional<ServiceOptions>> ParseOptions(const std::vector<std::string>& args,
                                                    const ServiceOptions& defaults) {
  ServiceOptions options = defaults;
  std::set<std::string> names;
  for (const auto& [name, setter] : Setters()) names.insert(name);
  const CommandLineSyntax syntax = ServiceSyntax(std::move(names));
  // Each option is taken as it comes: the first wrong one is the one reported.
  CommandLineReader reader(args, syntax);
  for (;;) {
    const Outcome<std::optional<CommandLineOption>> next = reader.Next();
    if (!next) return next.failure();
    if (!*next) break;
    const CommandLineOption& option = **next;
    if (!option.value) return std::optional<ServiceOptions>();
    if (std::string problem = Setters().at(option.name)(options, *option.value); !problem.empty()) {
      return Fail(option.name + ": " + problem);
    }
  }
  if (options.publicHost.empty() && IsWildcard(options.bind)) {
    return Fail("--bind " + options.bind +
                " listens on every address: --public-host HOST[:PORT] must tell the one users "
                "reach the service at");
  }
  if (options.threads == 0) {
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  }
  return std::optional<ServiceOptions>(std::move(options));
}

ServiceOptions DefaultOptions() {
  ServiceOptions options;
  options.seasonDir = BundledSeasonFolder();
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state != '\0') {
    options.stateFile = std::string(state) + "/zak-dataservice/counts.tsv";
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    options.stateFile = std::string(home) + "/.local/state/zak-dataservice/counts.tsv";
  }
  options.latestVersion = std::string(kProgramVersion);
  options.history = WithoutCarriageReturns(kBuiltInHistory);
  options.news = "Alle Spieltage der Saison 2014 / 2015 sind jetzt vollständig!";
  return options;
}

ServiceOptions WithPublicHost(ServiceOptions options, std::uint16_t boundPort) {
  if (options.publicHost.empty()) {
    boost::system::error_code ec;
    const auto address = boost::asio::ip::make_address(options.bind, ec);
    const std::string host = address.is_v6() ? "[" + options.bind + "]" : options.bind;
    options.publicHost = host + ":" + std::to_string(boundPort);
  }
  // The maker's home page offers the installer.
  if (options.downloadAddress.empty()) options.downloadAddress = HomePage(options.publicHost);
  return options;
}

std::string UsageText() {
  return R"(Usage: zak-dataservice [options]
       zak-dataservice publish --season DIR [--state FILE]   (see publish --help)
Serves league data, version texts and the news line of ZAK 14/15 over HTTP.

  --bind ADDRESS            address to listen on (default 127.0.0.1)
  --port N                  port (default 8014; 0 picks a free one)
  --season DIR              folder with league-<index>.tsv (default: the bundled season)
  --state FILE              update counts, kept across restarts
                            (default $XDG_STATE_HOME/zak-dataservice/counts.tsv)
  --threads N               worker threads (default: one per core)
  --check-interval SECONDS  look for changed season files this often (default 2; 0: only on SIGHUP)
  --client-timeout SECONDS  time a client has for one request, or between two (default 10)
  --latest-version TEXT     answer of /zak/dl/fw1415.php?s=2 (default 2.0.9.2)
  --history TEXT            answer of ?s=1, lines separated by LF (default: built-in history)
  --history-file FILE       the same, read from a file
  --download-address TEXT   answer of ?s=0 (default: the home page, http://PUBLIC-HOST/zak/)
  --news TEXT               news line of /zak/ud/news1415.php
  --public-host HOST[:PORT] where users reach the service, for the download address and the
                            home page (default: the bound address and port; required with a
                            --bind of 0.0.0.0 or ::)
  --metrics ADDRESS:PORT    serve Prometheus metrics at /metrics there (default: nowhere);
                            never on the public address

With DIR/manifest.tsv (written by "zak-dataservice publish --season DIR") every league's count
comes from it, so instances serving copies of DIR answer alike; --state then only keeps this
instance from ever serving a lower count.

The first line on standard output is "listening on ADDRESS:PORT" once requests are taken.
SIGHUP: look at the season files now. SIGTERM, SIGINT: stop.
)";
}

}  // namespace zak::dataservice
