// The two HTML fragments a club's web master pastes into a page: the league table after a match
// day and that day's fixtures. Each is a run of fixed-width tables with inline styles between two
// comment lines; badges, trend arrows and the closing banner come from the maker's web server.
#pragma once

#include <string>
#include <string_view>

#include "catalogue.h"
#include "html_escape.h"
#include "match_data.h"
#include "table_order.h"

namespace zak {

// Where the fragments' pictures and links point: the maker's web server, which is the data
// service's host.
struct HtmlAddresses {
  std::string imageBase;   // ".../zak/i/": badges under "t/a/", the arrows beside them
  std::string homePage;    // ".../zak/": where the banner links
  std::string bannerLogo;  // ".../zak/img/zak_logo.png"

  static HtmlAddresses ForHost(std::string_view host);
};

// What both fragments are built from.
struct HtmlSource {
  const MatchData& data;
  const RankColourTable& rankColour;
  HtmlAddresses addresses;
};

// The text in bold blue when it belongs to the favourite club, otherwise unchanged.
std::string HighlightFavourite(std::string_view text, bool isFavourite);

// "&HBBGGRR" of the position's rank colour as "RRGGBB".
std::string RankColourHtml(const RankColourTable& colours, int league, int position);

// The arrow picture of a club's move since the day before.
std::string TrendImage(const HtmlAddresses& addresses, Trend trend);

// The badge picture of a club id.
std::string TeamLogoImage(const HtmlAddresses& addresses, std::int32_t teamId);

// The badge of the league's first club whose name equals `name` exactly; empty when none does.
std::string TeamLogoByName(const HtmlAddresses& addresses, const TeamTable& table, int league,
                           std::string_view name);

// The table after match day dayIndex + 1, with the favourite's row highlighted (favourite is a
// team slot, -1 for none). Empty for a league or day outside the catalogue.
std::string BuildTableHtml(const HtmlSource& source, int league, int dayIndex, int favourite);

// The fixtures of match day dayIndex + 1, the favourite's name highlighted.
std::string BuildMatchDayHtml(const HtmlSource& source, int league, int dayIndex, int favourite);

}  // namespace zak
