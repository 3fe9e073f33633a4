#include "catalogue.h"

#include <charconv>
#include <vector>

#include "maker.h"
#include "text_util.h"

namespace zak {
namespace {

struct LeagueInfo {
  const char* shortName;
  const char* longName;
  std::int16_t teams;
  const char* names;
  const char* ids;
};

// Slot order is the catalogue order: the starting order of the ranking and of every team choice.
constexpr std::array<LeagueInfo, kLeagueCount> kLeagues = {{
    {"1. Bundesliga", "1. Fußball Bundesliga", 18,
     "1. FC Köln,1. FSV Mainz 05,1899 Hoffenheim,Bayer Leverkusen,Bayern München,"
     "Bor. Mönchengladbach,Borussia Dortmund,Eintracht Frankfurt,FC Augsburg,FC Schalke 04,"
     "Hamburger SV,Hannover 96,Hertha BSC,SC Freiburg,SC Paderborn 07,VfB Stuttgart,"
     "VfL Wolfsburg,Werder Bremen,,",
     "213,337,442,236,222,221,210,205,342,206,211,218,209,245,422,215,246,202,0,0"},
    {"2. Bundesliga", "2. Fußball Bundesliga", 18,
     "1. FC Heidenheim 1846,1. FC Kaiserslautern,1. FC Nürnberg,1. FC Union Berlin,"
     "Eintracht Braunschweig,Erzgebirge Aue,FC Ingolstadt 04,FC St. Pauli,Fortuna Düsseldorf,"
     "FSV Frankfurt,Karlsruher SC,RB Leipzig,SpVgg Greuther Fürth,SV Darmstadt 98,"
     "SV Sandhausen,TSV 1860 München,VfL Bochum,VfR Aalen,,",
     "4497,214,212,330,217,424,4856,234,223,354,208,13247,331,235,491,204,229,440,0,0"},
    {"3. Liga", "3. Fußball Liga", 20,
     "1. FSV Mainz 05 II,Arminia Bielefeld,Borussia Dortmund II,Chemnitzer FC,Dynamo Dresden,"
     "Energie Cottbus,Fortuna Köln,Hallescher FC,Hansa Rostock,Holstein Kiel,Jahn Regensburg,"
     "MSV Duisburg,Preußen Münster,Rot-Weiß Erfurt,SG Sonnenhof Großaspach,SpVgg Unterhaching,"
     "Stuttgarter Kickers,SV Wehen Wiesbaden,VfB Stuttgart II,VfL Osnabrück",
     "692,228,433,340,242,249,231,373,243,385,355,216,207,371,6015,248,240,437,443,341"},
    {"Regionalliga Nord", "Fußball Regionalliga Nord", 18,
     "BV Cloppenburg,Eintracht Braunschweig II,Eintracht Norderstedt,ETSV Weiche Flensburg,"
     "FC St. Pauli II,FT Braunschweig,Goslarer SC,Hamburger SV II,Hannover 96 II,"
     "Lüneburger SK Hansa,Schwarz-Weiß Rehden,SV Meppen,TSV Havelse,VfB Lübeck,VfB Oldenburg,"
     "VfL Wolfsburg II,VfR Neumünster,Werder Bremen II,,",
     "451,3437,448,13547,454,12085,5900,449,3145,11781,3458,378,403,402,379,693,3430,426,0,0"},
    {"Regionalliga Nordost", "Fußball Regionalliga Nordost", 16,
     "1. FC Magdeburg,1. FC Union Berlin II,Berliner AK 07,BFC Dynamo,FC Carl Zeiss Jena,"
     "FC Viktoria 1889 Berlin,FSV Budissa Bautzen,FSV Zwickau,Germania Halberstadt,"
     "Hertha BSC II,SV Babelsberg 03,TSG Neustrelitz,VfB Auerbach,VFC Plauen,Wacker Nordhausen,"
     "ZFC Meuselwitz,,,,",
     "427,6544,4960,470,372,727,6071,401,4859,464,334,3435,4968,468,474,4965,0,0,0,0"},
    {"Regionalliga West", "Fußball Regionalliga West", 18,
     "1. FC Köln II,Alemannia Aachen,Bor. Mönchengladbach II,FC Hennef 05,FC Kray,"
     "FC Schalke 04 II,Fortuna Düsseldorf II,KFC Uerdingen 05,Rot-Weiss Essen,"
     "Rot-Weiß Oberhausen,SC Verl,SC Wiedenbrück,SG Wattenscheid 09,Sportfreunde Lotte,"
     "Sportfreunde Siegen,SV Rödinghausen,VfL Bochum II,Viktoria Köln,,",
     "2413,225,725,4275,18764,697,2932,233,224,336,428,4082,241,4440,439,20645,495,381,0,0"},
    {"Regionalliga Südwest", "Fußball Regionalliga Südwest", 18,
     "1. FC Kaiserslautern II,1. FC Saarbrücken,1899 Hoffenheim II,Eintracht Trier,"
     "FC 08 Homburg,FC Astoria Walldorf,FC Nöttingen,FK Pirmasens,Hessen Kassel,"
     "Kickers Offenbach,KSV Baunatal,SC Freiburg II,SpVgg Neckarelz,SV 07 Elversberg,"
     "SVN Zweibrücken,TuS Koblenz,Waldhof Mannheim,Wormatia Worms,,",
     "441,203,4951,359,238,4971,4049,345,370,226,358,691,13283,435,10405,2905,338,347,0,0"},
    {"Regionalliga Bayern", "Fußball Regionalliga Bayern", 18,
     "1. FC Nürnberg II,1. FC Schweinfurt 05,Bayern München II,Eintracht Bamberg,"
     "FC Augsburg II,FC Ingolstadt 04 II,FC Memmingen,FV Illertissen,"
     "SpVgg Greuther Fürth II,SpVgg Bayreuth,SV Heimstetten,SV Schalding-Heining,"
     "SV Seligenporten,TSV 1860 München II,TSV Buchbach,VfR Garching,Wacker Burghausen,"
     "Würzburger Kickers,,",
     "2860,352,434,7735,4632,5522,4953,12041,3483,351,5861,718,10186,446,11786,20574,436,363,0,0"},
}};

// The season's corrections: three point deductions and one drawn match re-scored as lost.
struct Correction {
  int league;
  int slot;
  std::int16_t points, won, lost, drawn, goalsFor, goalsAgainst;
  const char* newsPath;
};

constexpr std::array<Correction, 4> kCorrections = {{
    {5, 8, 1, 0, -1, 1, 1, -1,
     "/news/detail/dopingfall-soukou-wflv-verbandsgericht-bestaetigt-punktabzug-fuer-rwe-118267/"},
    {1, 17, 2, 0, 0, 0, 0, 0,
     "/news/detail/verstoss-gegen-lizenzierungsauflage-zwei-punkte-abzug-fuer-vfr-aalen-119181/"},
    {1, 14, 3, 0, 0, 0, 0, 0,
     "/news/detail/verstoss-gegen-lizenzierungsordnung-punktabzug-fuer-sandhausen-122734/"},
    {2, 15, 2, 0, 0, 0, 0, 0, "/news/detail/zwei-punkte-abzug-fuer-spvgg-unterhaching-120390/"},
}};

struct Slots {
  std::array<std::string, kTeamSlots> names;
  std::array<std::int32_t, kTeamSlots> ids{};
};

// The comma-separated lists, split once.
const std::array<Slots, kLeagueCount>& SplitLists() {
  static const std::array<Slots, kLeagueCount> lists = [] {
    std::array<Slots, kLeagueCount> result;
    for (int league = 0; league < kLeagueCount; ++league) {
      const std::vector<std::string> names = Split(kLeagues[league].names, ",");
      const std::vector<std::string> ids = Split(kLeagues[league].ids, ",");
      for (int slot = 0; slot < kTeamSlots; ++slot) {
        result[league].names[slot] = names.at(slot);
        const std::string& id = ids.at(slot);
        std::from_chars(id.data(), id.data() + id.size(), result[league].ids[slot]);
      }
    }
    return result;
  }();
  return lists;
}

bool ValidLeague(int league) { return league >= 0 && league < kLeagueCount; }

}  // namespace

std::string GetLeagueName(int league, bool longName) {
  const LeagueInfo& info = kLeagues[(league >= 1 && league <= 7) ? league : 0];
  return longName ? info.longName : info.shortName;
}

std::int16_t GetTeamCount(int league) { return ValidLeague(league) ? kLeagues[league].teams : 0; }

std::int16_t GetMatchCount(int league) { return GetTeamCount(league) / 2; }

std::int16_t GetDayCount(int league) {
  return ValidLeague(league) ? static_cast<std::int16_t>(2 * GetTeamCount(league) - 2) : 0;
}

std::string_view GetTeamList(int league) {
  return ValidLeague(league) ? kLeagues[league].names : "";
}

std::string_view GetTeamIdList(int league) {
  return ValidLeague(league) ? kLeagues[league].ids : "";
}

void FillTeamCatalogue(TeamTable& table, int league) {
  if (ValidLeague(league)) {
    const Slots& slots = SplitLists()[league];
    for (int slot = 0; slot < kTeamSlots; ++slot) {
      table[league][slot].Name = slots.names[slot];
      table[league][slot].Id = slots.ids[slot];
    }
  }
  for (const Correction& c : kCorrections) {
    TeamRow& row = table[c.league][c.slot];
    row.PointsDeduction = c.points;
    row.WonCorrection = c.won;
    row.LostCorrection = c.lost;
    row.DrawnCorrection = c.drawn;
    row.GoalsForCorrection = c.goalsFor;
    row.GoalsAgainstCorrection = c.goalsAgainst;
    row.NewsUrl = std::string(kNewsSite) + c.newsPath;
  }
}

void InitRankColours(RankColourTable& colours) {
  struct Band {
    int from, to;
    const char* colour;
  };
  // Each league's bands from position 1 down; the rest of the 20 positions is grey.
  static const std::array<std::vector<Band>, kLeagueCount> kBands = {{
      {{1, 1, "&HAFEFFF"},
       {2, 3, "&HC4F9FF"},
       {4, 4, "&HE2FCFF"},
       {5, 6, "&HDDF0DD"},
       {7, 15, "&HE0E0E0"},
       {16, 16, "&HEEEEFF"},
       {17, 18, "&HDDDDFF"}},
      {{1, 2, "&HDDF0DD"},
       {3, 3, "&HEEFFEE"},
       {4, 15, "&HE0E0E0"},
       {16, 16, "&HEEEEFF"},
       {17, 18, "&HDDDDFF"}},
      {{1, 2, "&HE2FCFF"},
       {3, 3, "&HDDF0DD"},
       {4, 4, "&HEEFFEE"},
       {5, 17, "&HE0E0E0"},
       {18, 20, "&HEEEEFF"}},
      {{1, 1, "&HEEFFEE"}, {2, 15, "&HE0E0E0"}, {16, 16, "&HEEEEFF"}, {17, 18, "&HDDDDFF"}},
      {{1, 1, "&HEEFFEE"}, {2, 13, "&HE0E0E0"}, {14, 14, "&HEEEEFF"}, {15, 16, "&HDDDDFF"}},
      {{1, 1, "&HEEFFEE"}, {2, 14, "&HE0E0E0"}, {15, 18, "&HEEEEFF"}},
      {{1, 2, "&HEEFFEE"}, {3, 13, "&HE0E0E0"}, {14, 16, "&HEEEEFF"}, {17, 18, "&HDDDDFF"}},
      {{1, 1, "&HEEFFEE"}, {2, 14, "&HE0E0E0"}, {15, 16, "&HEEEEFF"}, {17, 18, "&HDDDDFF"}},
  }};
  for (int league = 0; league < kLeagueCount; ++league) {
    for (int position = 1; position <= kTeamSlots; ++position)
      colours(league, position) = "&HC8D0D4";
    for (const Band& band : kBands[league]) {
      for (int position = band.from; position <= band.to; ++position) {
        colours(league, position) = band.colour;
      }
    }
  }
}

std::uint32_t ColourTextToValue(std::string_view text) {
  if (text.size() != 8 || text.substr(0, 2) != "&H") return 0;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + 8, value, 16);
  return (ec == std::errc() && end == text.data() + 8) ? value : 0;
}

}  // namespace zak
