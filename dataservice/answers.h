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
  Bytes nothingNew;   // "q)W7kd45%", shifted: the client's copy is current
  Bytes wrongAgent;   // "t(%)rwz81", shifted: the agent text did not arrive intact
  Bytes unavailable;  // "2", shifted: a request the program never makes (see README)
  Bytes latestVersion;
  Bytes history;
  Bytes downloadAddress;
  Bytes news;  // shifted
  Bytes notFound;
  WebAnswers web;  // the maker's pages and pictures
};
// `pictures`: the maker's pictures to serve (the service's own are WebPictures()).
FixedAnswers MakeFixedAnswers(const ServiceOptions& options,
                              std::span<const WebPicture> pictures = {});

struct Reply {
  unsigned status = 200;
  std::string_view contentType;
  Bytes body;
};

// The answer to a GET (or HEAD) request.
Reply AnswerRequest(const FixedAnswers& fixed, const LeagueSnapshot& leagues,
                    std::string_view target, std::string_view agent);

// The answer to every other method.
Reply NotFound(const FixedAnswers& fixed);

}  // namespace zak::dataservice
