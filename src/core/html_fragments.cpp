#include "html_fragments.h"

#include "maker.h"
#include "standings.h"

namespace zak {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kPictureStyle = "\" style=\"vertical-align:middle;\" />";

bool ValidLeague(int league) { return league >= 0 && league < kLeagueCount; }
bool ValidDay(int dayIndex) { return dayIndex >= 0 && dayIndex < kDaySlots; }

// The standings after `days` match days; the clock is not asked, as the day is given.
TeamTable TableAfter(const MatchData& data, int league, int days) {
  return CalculateTableAfterDay(data, static_cast<std::int16_t>(days), league, Date{});
}

std::string TitleTable(int league, int dayIndex) {
  return "<table style=\"padding: 0px 3px 0px 3px; width:540px; border:1px solid #000000; "
         "border-bottom:0px; font-family:Arial; font-size:12pt; font-weight:bold; "
         "color:#000000; background-color:#DDDDDD;\"><tr><td>" +
         HtmlEscape(GetLeagueName(league, false)) + "</td><td style=\"text-align:right;\">" +
         std::to_string(dayIndex + 1) + ". Spieltag</td></tr></table>";
}

std::string Banner(const HtmlAddresses& addresses) {
  return "<table style=\"text-align:right; padding: 0px 3px 0px 3px; width:540px; border:0px; "
         "font-family:Arial; font-size:8pt; color:FFFFFF; background-color:#000000;\"><tr><td "
         "style=\"text-align:center;\"><a href=\"" +
         addresses.homePage +
         "\" target=\"_blank\" style=\"font-decoration:underlined; color:#FFFFFF;\" title=\"ZAK "
         "- Die Zakliste\"><img src=\"" +
         addresses.bannerLogo + "\" /></a></td></tr></table><br /><br />";
}

// The end of a fragment's rows: the banner and the closing comment line, then an empty line.
std::string FragmentEnd(const HtmlAddresses& addresses, std::string_view name) {
  std::string out = "</table>" + Banner(addresses);
  out += kLineEnd;
  out += "<!-- " + std::string(name) + " ENDE -->";
  out += kLineEnd;
  out += kLineEnd;
  return out;
}

constexpr std::string_view kTableHeader =
    "<table cellspacing=\"1px\" style=\"width:540px; border:1px solid #000000; "
    "font-family:Arial; font-size:10pt\"><tr style=\"background-color:#000000; "
    "color:#FFFFFF;\"><td><b>&nbsp;Platz&nbsp;</b></td><td><b>&nbsp;Mannschaft&nbsp;</b></td>"
    "<td><b>&nbsp;Spiele&nbsp;</b></td><td style=\"width:30px; text-align:center;\"><b>S</b></td>"
    "<td style=\"width:30px; text-align:center;\"><b>U</b></td><td style=\"width:30px; "
    "text-align:center;\"><b>N</b></td><td style=\"width:50px; "
    "text-align:center;\"><b>&nbsp;Tore&nbsp;</b></td><td style=\"width:45px; "
    "text-align:center;\"><b>&nbsp;Diff.&nbsp;</b></td><td><b>&nbsp;Punkte&nbsp;</b></td></tr>";

constexpr std::string_view kMatchDayHeader =
    "<table cellspacing=\"1px\" style=\"width:540px; border:1px solid #000000; "
    "font-family:Arial; font-size:10pt\"><tr style=\"background-color:#000000; "
    "color:#FFFFFF;\"><td style=\"width:110px;\"><b>&nbsp;Datum&nbsp;</b></td><td "
    "style=\"text-align:right; width:200px;\"><b>&nbsp;Heimmannschaft&nbsp;</b></td><td "
    "style=\"width:50px;\"></td><td style=\"text-align:left; "
    "width:200px;\"><b>&nbsp;Gastmannschaft&nbsp;</b></td></tr>";

std::string CentredCell(const std::string& content) {
  return "<td style=\"text-align:center\">" + content + "</td>";
}

std::string TableRow(const HtmlSource& source, int league, const TeamRow& club, Trend trend,
                     bool fav) {
  const auto h = [fav](const std::string& text) { return HighlightFavourite(text, fav); };
  const auto number = [&h](int value) { return h(std::to_string(value)); };
  std::string row = "<tr style=\"background-color:#" +
                    RankColourHtml(source.rankColour, league, club.Rank) + ";\">";
  row += "<td style=\"text-align:right\"><b>" + number(club.Rank) + "</b>&nbsp;" +
         TrendImage(source.addresses, trend) + "&nbsp;&nbsp;</td>";
  row +=
      "<td>" + TeamLogoImage(source.addresses, club.Id) + " " + h(HtmlEscape(club.Name)) + "</td>";
  row += CentredCell(number(club.Games));
  row += CentredCell(number(club.Won));
  row += CentredCell(number(club.Drawn));
  row += CentredCell(number(club.Lost));
  row += CentredCell(h(std::to_string(club.GoalsFor) + ":" + std::to_string(club.GoalsAgainst)));
  row += CentredCell(number(club.GoalDiff));
  row += "<td style=\"text-align:center\"><b>" + number(club.Points) + "</b></td>";
  return row + "</tr>";
}

std::string MatchRow(const HtmlSource& source, const TeamTable& table, int league,
                     const MatchRecord& match, const std::string* favouriteName) {
  const auto fav = [favouriteName](const std::string& name) {
    return favouriteName != nullptr && *favouriteName == name;
  };
  const HtmlAddresses& at = source.addresses;
  std::string row = "<tr style=\"background-color:#DDF0DD;\">";
  row += "<td style=\"width:100px;\">&nbsp;" + HtmlEscape(match.KickOff) + "&nbsp;</td>";
  row += "<td style=\"width:200px; text-align:right;\">" +
         HighlightFavourite(HtmlEscape(match.Home), fav(match.Home)) + " " +
         TeamLogoByName(at, table, league, match.Home) + "&nbsp;</td>";
  row +=
      match.Played
          ? CentredCell(std::to_string(match.HomeGoals) + " : " + std::to_string(match.AwayGoals))
          : CentredCell("&nbsp;:&nbsp;");
  row += "<td style=\"width:200px; text-align:left;\">&nbsp;" +
         TeamLogoByName(at, table, league, match.Away) + " " +
         HighlightFavourite(HtmlEscape(match.Away), fav(match.Away)) + "</td>";
  return row + "</tr>";
}

}  // namespace

HtmlAddresses HtmlAddresses::ForHost(std::string_view host) {
  return {HtmlEscape(ImageFolder(host)), HtmlEscape(HomePage(host)), HtmlEscape(BannerLogo(host))};
}

std::string HighlightFavourite(std::string_view text, bool isFavourite) {
  if (!isFavourite) return std::string(text);
  return "<b><span style=\"color:blue;\">" + std::string(text) + "</span></b>";
}

std::string RankColourHtml(const RankColourTable& colours, int league, int position) {
  if (!ValidLeague(league) || position < 1 || position > kTeamSlots) return "";
  const std::string& text = colours(league, position);
  if (text.size() < 8) return "";
  return text.substr(6, 2) + text.substr(4, 2) + text.substr(2, 2);
}

std::string TrendImage(const HtmlAddresses& addresses, Trend trend) {
  const char* picture = trend == Trend::kBetter  ? "p.gif"
                        : trend == Trend::kWorse ? "m.gif"
                                                 : "n.gif";
  return "<img src=\"" + addresses.imageBase + picture + std::string(kPictureStyle);
}

std::string TeamLogoImage(const HtmlAddresses& addresses, std::int32_t teamId) {
  return "<img src=\"" + addresses.imageBase + "t/a/" + std::to_string(teamId) + ".gif" +
         std::string(kPictureStyle);
}

std::string TeamLogoByName(const HtmlAddresses& addresses, const TeamTable& table, int league,
                           std::string_view name) {
  // A free slot has no name and no badge: an empty fixture name matches nothing.
  if (!ValidLeague(league) || name.empty()) return "";
  for (const TeamRow& row : table[league]) {
    if (NamesEqual(row.Name, name, 0)) return TeamLogoImage(addresses, row.Id);
  }
  return "";
}

std::string BuildTableHtml(const HtmlSource& source, int league, int dayIndex, int favourite) {
  if (!ValidLeague(league) || !ValidDay(dayIndex)) return "";
  const TeamTable now = TableAfter(source.data, league, dayIndex + 1);
  const TeamTable before = dayIndex > 0 ? TableAfter(source.data, league, dayIndex) : now;
  const std::array<Trend, kTeamSlots> trends = TableTrends(before, now, league, dayIndex + 1);
  std::string out = "<!-- Tabelle START -->";
  out += kLineEnd;
  out += TitleTable(league, dayIndex);
  out += kTableHeader;
  for (const int t : SlotsInTableOrder(now, league)) {
    out += TableRow(source, league, now[league][t], trends[t], t == favourite);
  }
  return out + FragmentEnd(source.addresses, "Tabelle");
}

std::string BuildMatchDayHtml(const HtmlSource& source, int league, int dayIndex, int favourite) {
  if (!ValidLeague(league) || !ValidDay(dayIndex)) return "";
  TeamTable table{};
  FillTeamCatalogue(table, league);
  const bool hasFavourite =
      favourite >= 0 && favourite < kTeamSlots && !table[league][favourite].Name.empty();
  const std::string* favouriteName = hasFavourite ? &table[league][favourite].Name : nullptr;
  std::string out = "<!-- Spieltag START -->";
  out += kLineEnd;
  out += TitleTable(league, dayIndex);
  out += kMatchDayHeader;
  for (int m = 0; m < GetMatchCount(league); ++m) {
    out += MatchRow(source, table, league, source.data(m, league, dayIndex), favouriteName);
  }
  return out + FragmentEnd(source.addresses, "Spieltag");
}

}  // namespace zak
