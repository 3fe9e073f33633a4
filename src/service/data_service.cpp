#include "data_service.h"

#include <algorithm>
#include <memory>

#include "core/league_data_text.h"
#include "core/maker.h"
#include "core/scrambling.h"
#include "core/standings.h"
#include "core/text_util.h"

namespace zak {
namespace {

std::string VersionTextPath(std::string_view selector) {
  return std::string(kVersionPath) + "?" + std::string(kVersionParameter) + "=" +
         std::string(selector);
}

}  // namespace

const std::string_view kNoConnectionMessage =
    "Konnte keine Verbindung zum Server herstellen.\r\n\r\n"
    "Bitte prüfen Sie ihre aktuellen Interneteinstellungen.\r\n"
    "Zu Stoßzeiten (wie z.B. bei endenden Spieltagen am Wochenende) kann es vorkommen, dass der "
    "Server überlastet ist und damit nicht erreichbar ist. Bitte haben Sie daher Verständnis.";

const std::string_view kPageUnavailableMessage =
    "Die Seite ist zur Zeit nicht erreichbar.\r\n\r\n"
    "Bitte versuchen Sie es zu einem späteren Zeitpunkt.";

std::string FilteredRequestMessage() {
  return "Sie benutzen eine Software (wie bspw. Steganos Internet Anonym, WebWasher, SaferSurf, "
         "BlueCoat, u.A.), die den direkten Kontakt mit dem Datenserver verhindert. Um dieses "
         "problem zu umgehen, deaktivieren Sie bitte etwaige Software. Falls dies das Problem "
         "nicht lösen sollte oder Sie weitere Fragen diesbezüglich haben, wenden Sie sich hierzu "
         "bitte per Mail an " +
         std::string(kMakerName) + " (" + std::string(kContactAddress) + ").";
}

std::string DownloadLeague(ServiceContext& context, StatusSink& statusBar, int league,
                           std::int32_t ui) {
  statusBar.SetText("Download...");
  const std::string answer =
      context.gateway.HttpGetText(LeagueDataPath(league, ui), true, kConnectionFailedText);
  if (answer == kConnectionFailedText) return answer;
  const std::string text = ShiftText(answer);
  if (text == kAnswerFiltered) return text;
  // League data is items followed by "<>" and a count; a page of a portal or a proxy, or any
  // other text that is not one of the service's short answers, is no answer of the service.
  if (text.find("<>") == std::string::npos && text != kAnswerNothingNew && text.size() > 1) {
    return std::string(kConnectionFailedText);
  }
  LeagueAnswerParts split = SplitLeagueAnswer(text);
  // Kept with the data when they are stored: a count stored without its data would make the
  // service answer "nothing new" for data the program never got.
  if (split.updateCount && league >= 0 && league < kLeagueCount) {
    context.data.serverUpdateCount[league] = *split.updateCount;
  }
  return std::move(split.data);
}

std::int16_t RequestLeagueData(ServiceContext& context, TeamTable& table, StatusSink& statusBar,
                               int league, std::int32_t ui) {
  if (league < 0 || league >= kLeagueCount) return kRequestFailed;
  const std::int32_t countBefore = context.data.serverUpdateCount[league];
  const std::string r = DownloadLeague(context, statusBar, league, ui);
  const auto warn = [&](std::string_view text) {
    context.data.serverUpdateCount[league] = countBefore;
    context.messages.ShowMessage(MessageKind::kWarning, std::string(text), "");
    return kRequestFailed;
  };
  if (r == kAnswerFiltered) return warn(FilteredRequestMessage());
  if (r == kConnectionFailedText) return warn(kNoConnectionMessage);
  if (r == kAnswerNothingNew) return kRequestNothingNew;
  if (r == kAnswerPageUnavailable) return warn(kPageUnavailableMessage);
  if (r == kAnswerCannotConnect || r.empty()) return warn(kNoConnectionMessage);
  // Data whose every item is rejected is no league: the stored copy stays.
  if (ParseLeagueItems(r, *std::make_unique<MatchData>(), league) == 0) {
    return warn(kNoConnectionMessage);
  }
  ParseLeagueData(context, table, r, statusBar, league);
  return kRequestNewData;
}

void ParseLeagueData(ServiceContext& context, TeamTable& table, std::string_view text,
                     StatusSink& statusBar, int league) {
  if (league < 0 || league >= kLeagueCount) return;
  MatchData& data = context.data.matchData;
  data.ClearLeague(league);
  FillTeamCatalogue(table, league);
  if (text.empty()) return;
  statusBar.SetMaxProgress(static_cast<int>(std::count(text.begin(), text.end(), ';')));
  statusBar.SetCurProgress(0);
  ParseLeagueItems(text, data, league, [&](int position, int /*last*/) {
    statusBar.SetCurProgress(position);
    context.gateway.ProcessEvents();
  });
  // The rows are computed up to match day 7 here; the stored copy's loading computes the
  // current day.
  std::int16_t upToDay = 7;
  CalculateTable(table, data, league, upToDay, context.today());
  statusBar.SetCurProgress(0);
}

std::string GetLatestVersionText(HttpGateway& gateway) {
  const std::string answer =
      gateway.HttpGetText(VersionTextPath(kLatestVersionSelector), true, kConnectionFailedText);
  return std::string(Trim(answer));
}

std::string GetVersionListText(HttpGateway& gateway) {
  return gateway.HttpGetText(VersionTextPath(kVersionHistorySelector), false,
                             kConnectionFailedText);
}

std::string GetVersionInfoText(HttpGateway& gateway) {
  return gateway.HttpGetText(VersionTextPath(kDownloadAddressSelector), false,
                             kConnectionFailedText);
}

std::string GetNewsLine(HttpGateway& gateway) {
  const std::string text = gateway.HttpGetText(kNewsPath, false, kDefaultNewsLine);
  return text == kDefaultNewsLine ? text : ShiftText(text);
}

}  // namespace zak
