// Requests to the data service: league data into the match data, the version texts and the news
// line, and the messages shown when a league cannot be had.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/league_answer.h"
#include "core/program_data.h"
#include "core/reporting.h"
#include "http_gateway.h"

namespace zak {

// What the protocol and the loaders work with; the window (or zak-cli) builds one.
struct ServiceContext {
  ProgramData& data;
  HttpGateway& gateway;
  MessageSink& messages;
  std::function<Date()> today;  // today's date: the current match day depends on it
};

// Results of RequestLeagueData.
inline constexpr std::int16_t kRequestNewData = 0;     // parsed into the match data
inline constexpr std::int16_t kRequestNothingNew = 1;  // the service had nothing new
inline constexpr std::int16_t kRequestFailed = 2;      // a message was shown

// Message 1: a program between us and the service changed the request; names the maker.
std::string FilteredRequestMessage();
// Message 2: no connection to the service.
extern const std::string_view kNoConnectionMessage;
// Message 3: the service's page is unavailable.
extern const std::string_view kPageUnavailableMessage;

// Asks for one league. Returns the failure text unchanged (also for an answer that is neither
// league data nor one of the service's short answers), "t(%)rwz81", or the unshifted data part;
// an update count after "<>" is taken into ServerUpdateCount (LoadLeague stores it with the
// data).
std::string DownloadLeague(ServiceContext& context, StatusSink& statusBar, int league,
                           std::int32_t ui);

// Downloads the league and, when data came, parses it into the match data and `table`.
// Shows message 1, 2 or 3 when the data cannot be had; data whose every item is rejected counts
// as no connection and leaves the match data and the update count as they were.
std::int16_t RequestLeagueData(ServiceContext& context, TeamTable& table, StatusSink& statusBar,
                               int league, std::int32_t ui);

// Clears the league, fills it from the data part (bad items are ignored without touching other
// records), refreshes the catalogue rows and computes the league's rows of `table`.
void ParseLeagueData(ServiceContext& context, TeamTable& table, std::string_view text,
                     StatusSink& statusBar, int league);

// The newest version number, trimmed; the whole version history; the download information.
// Each gives kConnectionFailedText when the request fails.
std::string GetLatestVersionText(HttpGateway& gateway);
std::string GetVersionListText(HttpGateway& gateway);
std::string GetVersionInfoText(HttpGateway& gateway);

// The news line to show: the service's line unshifted, or kDefaultNewsLine when it gives none.
std::string GetNewsLine(HttpGateway& gateway);

}  // namespace zak
