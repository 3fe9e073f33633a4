// What the service answers to a request: chosen from the request target and the agent text
// alone, from answers that were built beforehand. No I/O here.
#pragma once

#include <string>
#include <string_view>

#include "league_answer.h"
#include "options.h"
#include "web_pages.h"

namespace zak::dataservice {

// The answers that do not depend on the season files, built once at start.
struct FixedAnswers {
  Prepared nothingNew;   // "q)W7kd45%", shifted: the client's copy is current
  Prepared wrongAgent;   // "t(%)rwz81", shifted: the agent text did not arrive intact
  Prepared unavailable;  // "2", shifted: a request the program never makes (see README)
  Prepared latestVersion;
  Prepared history;
  Prepared downloadAddress;
  Prepared news;  // shifted
  Prepared notFound;
  Prepared badRequest;      // 400, for a request that cannot be read; the connection ends
  Prepared fieldsTooLarge;  // 431
  WebAnswers web;           // the maker's pages and pictures
};
// `pictures`: the maker's pictures to serve (the service's own are WebPictures()).
FixedAnswers MakeFixedAnswers(const ServiceOptions& options,
                              std::span<const WebPicture> pictures = {});

// What a request asked for, as counted in the metrics.
enum class AnswerKind { kLeague, kVersion, kNews, kPage, kPicture, kOther };
constexpr int kAnswerKinds = 6;

struct Reply {
  unsigned status = 200;
  std::string_view contentType;
  Bytes body;
  // The whole response; null only for a league answer made without one.
  const PreparedAnswer* answer = nullptr;
  AnswerKind kind = AnswerKind::kOther;
};

// The answer to a GET (or HEAD) request.
Reply AnswerRequest(const FixedAnswers& fixed, const LeagueSnapshot& leagues,
                    std::string_view target, std::string_view agent);

// The answer to every other method.
Reply NotFound(const FixedAnswers& fixed);

}  // namespace zak::dataservice
