// The data service's request handling: the bytes a client sends, parsed as the service parses
// them (same limits), answered from the real season. Every league answer the service gives
// decodes, on the program's side, to exactly the season's matches.
#include <boost/beast/core/error.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>
#include <optional>

#include "answers.h"
#include "core/league_answer.h"
#include "core/league_data_text.h"
#include "core/scrambling.h"
#include "core/windows1252.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;
namespace http = boost::beast::http;

namespace {

struct Service {
  dataservice::FixedAnswers fixed;
  dataservice::LeagueSnapshot leagues;
};

const Service& TheService() {
  static const Service* const service = [] {
    auto* s = new Service;
    dataservice::ServiceOptions options;
    options.latestVersion = "2.0.9.2";
    options.news = "Neuigkeit";
    s->fixed = dataservice::MakeFixedAnswers(options);
    for (int league = 0; league < 3; ++league) {
      const std::string bytes = dataservice::LeagueDataBytes(RealSeason(), league);
      s->leagues[league] = dataservice::MakeLeagueAnswer(bytes, 1, false);
    }
    return s;
  }();
  return *service;
}

void CheckLeagueAnswer(const std::string& body, int league) {
  const LeagueAnswerParts answer = SplitLeagueAnswer(FromWindows1252(ShiftBytes(body)));
  Require(answer.updateCount == 1, "a league answer carries its count");
  static MatchData* const received = new MatchData;
  ParseLeagueItems(answer.data, *received, league);
  Require(SameLeague(*received, RealSeason(), league), "the program reads the season unchanged");
}

void Answer(const http::request<http::empty_body>& request) {
  const Service& service = TheService();
  const auto target = request.target();
  const auto agent = request[http::field::user_agent];
  const dataservice::Reply reply = dataservice::AnswerRequest(
      service.fixed, service.leagues, {target.data(), target.size()}, {agent.data(), agent.size()});
  Require(reply.status == 200 || reply.status == 404, "an answer is found or not found");
  Require(reply.body != nullptr, "every answer has a body");
  Require(reply.answer != nullptr && reply.answer->status() == reply.status,
          "every answer is a whole response");
  for (int league = 0; league < 3; ++league) {
    if (reply.body == service.leagues[league].bytes) CheckLeagueAnswer(*reply.body, league);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  std::string_view rest = Text(bytes, size);
  // One request after another on one connection, as long as they parse.
  while (!rest.empty()) {
    http::request_parser<http::empty_body> parser;
    parser.header_limit(8 * 1024);
    parser.body_limit(8 * 1024);
    parser.eager(true);
    boost::beast::error_code ec;
    const std::size_t used = parser.put(boost::asio::buffer(rest.data(), rest.size()), ec);
    if (ec || !parser.is_done()) return 0;
    Require(used > 0 && used <= rest.size(), "a request uses some of the bytes");
    Answer(parser.get());
    rest.remove_prefix(used);
  }
  return 0;
}
