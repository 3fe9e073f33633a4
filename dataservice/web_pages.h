// The maker's web pages on the data service's host, which the program's links and the exported
// HTML fragments use: the home page "/zak/", the report page "/zak/?s=report", and the club
// badges, trend arrows and banner logo of the fragments.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "league_answer.h"
#include "options.h"
#include "web_pictures.h"

namespace zak::dataservice {

struct WebAnswer {
  Prepared answer;
  bool picture = false;
};

struct WebAnswers {
  WebAnswer home;
  WebAnswer report;
  std::map<std::string, WebAnswer, std::less<>> pictures;  // by path
};

// Built once at start; the home page shows the options' version, download address and history.
// The pictures are served by their paths.
WebAnswers MakeWebAnswers(const ServiceOptions& options, std::span<const WebPicture> pictures);

// The page or picture at this path and query; null when there is none.
const WebAnswer* FindWebAnswer(const WebAnswers& web, std::string_view path,
                               std::string_view query);

}  // namespace zak::dataservice
