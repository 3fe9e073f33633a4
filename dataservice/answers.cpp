#include "answers.h"

#include <optional>

#include "core/maker.h"
#include "core/protocol.h"
#include "core/scrambling.h"
#include "core/text_util.h"
#include "core/windows1252.h"

namespace zak::dataservice {
namespace {

constexpr std::string_view kText = "text/plain; charset=windows-1252";
constexpr std::string_view kHtml = "text/html; charset=utf-8";

constexpr std::string_view kNotFoundPage =
    "<!DOCTYPE html>\n"
    "<html lang=\"de\"><head><meta charset=\"utf-8\"><title>Seite nicht gefunden</title></head>\n"
    "<body><h1>Seite nicht gefunden</h1>\n"
    "<p>Die angeforderte Seite gibt es auf diesem Server nicht.</p></body></html>\n";

Prepared Make(std::string bytes, std::string_view type = kText, unsigned status = 200) {
  return std::make_shared<const PreparedAnswer>(
      status, type, std::make_shared<const std::string>(std::move(bytes)));
}

Reply Answer(const Prepared& answer, AnswerKind kind) {
  return {answer->status(), answer->contentType(), answer->body(), answer.get(), kind};
}

// The value of the first parameter with that name in a query "a=1&b=2".
std::optional<std::string_view> Parameter(std::string_view query, std::string_view name) {
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    const std::size_t equals = pair.find('=');
    if (pair.substr(0, equals) == name) {
      return equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1);
    }
    if (amp == std::string_view::npos) break;
    query.remove_prefix(amp + 1);
  }
  return std::nullopt;
}

bool AgentIsTheProgram(std::string_view agent) {
  return agent.size() >= kBuildMarker.size() &&
         ShiftBytes(agent.substr(0, kBuildMarker.size())) == kBuildMarker;
}

Reply LeagueData(const FixedAnswers& fixed, const LeagueSnapshot& leagues, std::string_view query,
                 std::string_view agent) {
  constexpr AnswerKind kLeague = AnswerKind::kLeague;
  if (!AgentIsTheProgram(agent)) return Answer(fixed.wrongAgent, kLeague);
  const auto l = ParseInt32(Parameter(query, kLeagueParameter).value_or(""));
  const auto ui = ParseInt32(Parameter(query, kUpdateCountParameter).value_or(""));
  if (!l || *l < 1 || *l > kLeagueCount || !ui) return Answer(fixed.unavailable, kLeague);
  const LeagueAnswer& league = leagues[*l - 1];
  // A published count above ours was given by an instance that has read a newer manifest:
  // the client's copy is newer than ours, and ours must not replace it.
  if (league.count == 0 || *ui == league.count || (league.published && *ui > league.count)) {
    return Answer(fixed.nothingNew, kLeague);
  }
  return {200, kText, league.bytes, league.answer.get(), kLeague};
}

Reply VersionText(const FixedAnswers& fixed, std::string_view query) {
  const auto s = Parameter(query, kVersionParameter);
  if (s == kDownloadAddressSelector) return Answer(fixed.downloadAddress, AnswerKind::kVersion);
  if (s == kVersionHistorySelector) return Answer(fixed.history, AnswerKind::kVersion);
  if (s == kLatestVersionSelector) return Answer(fixed.latestVersion, AnswerKind::kVersion);
  return NotFound(fixed);
}

}  // namespace

FixedAnswers MakeFixedAnswers(const ServiceOptions& options, std::span<const WebPicture> pictures) {
  FixedAnswers fixed;
  fixed.nothingNew = Make(ShiftBytes(kAnswerNothingNew));
  fixed.wrongAgent = Make(ShiftBytes(kAnswerFiltered));
  fixed.unavailable = Make(ShiftBytes(kAnswerCannotConnect));
  fixed.latestVersion = Make(ToWindows1252(options.latestVersion));
  fixed.history = Make(ToWindows1252(options.history));
  fixed.downloadAddress = Make(ToWindows1252(options.downloadAddress));
  fixed.news = Make(ShiftBytes(ToWindows1252(options.news)));
  fixed.notFound = Make(std::string(kNotFoundPage), kHtml, 404);
  constexpr std::string_view kPlain = "text/plain; charset=utf-8";
  fixed.badRequest = std::make_shared<const PreparedAnswer>(400, kPlain, nullptr);
  fixed.fieldsTooLarge = std::make_shared<const PreparedAnswer>(431, kPlain, nullptr);
  fixed.web = MakeWebAnswers(options, pictures);
  return fixed;
}

Reply AnswerRequest(const FixedAnswers& fixed, const LeagueSnapshot& leagues,
                    std::string_view target, std::string_view agent) {
  const std::size_t mark = target.find('?');
  const std::string_view path = target.substr(0, mark);
  const std::string_view query =
      mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);
  if (path == kLeagueDataPath) return LeagueData(fixed, leagues, query, agent);
  if (path == kVersionPath) return VersionText(fixed, query);
  if (path == kNewsPath) return Answer(fixed.news, AnswerKind::kNews);
  if (const WebAnswer* web = FindWebAnswer(fixed.web, path, query)) {
    return Answer(web->answer, web->picture ? AnswerKind::kPicture : AnswerKind::kPage);
  }
  return NotFound(fixed);
}

Reply NotFound(const FixedAnswers& fixed) { return Answer(fixed.notFound, AnswerKind::kOther); }

}  // namespace zak::dataservice
