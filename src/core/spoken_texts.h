// What a screen reader says for the things the windows draw: a table row as one sentence, the
// table's columns, a fixture with its result, the goal boxes, the deduction marker and the
// position chart in words. The windows hand these texts to the accessibility layer.
#pragma once

#include <string>
#include <string_view>

#include "catalogue.h"
#include "match_data.h"
#include "table_order.h"
#include "team_statistics.h"

namespace zak {

// "besser", "unverändert", "schlechter": what the trend arrow shows.
std::string TrendWord(Trend trend);

// One table row as a sighted user reads it: "Platz 1, Bayern München, 34 Spiele, 25 Siege,
// 4 Unentschieden, 5 Niederlagen, Tore 80 zu 18, Differenz 62, 79 Punkte, Tendenz:
// unverändert", followed by ", 3 Punkte Abzug" only for a club with a deduction.
std::string TableRowSpeech(const TeamRow& club, Trend trend);

// The header strip's columns, in their order.
std::string TableHeaderSpeech();

// "1 Punkt Abzug", "3 Punkte Abzug": the marker's tooltip.
std::string DeductionText(int points);
// The marker as a link: the deduction and where a click leads.
std::string DeductionLinkSpeech(int points);

// A fixture as its match-day row shows it, with the result in words: "Sa 23.05.15 13:30,
// Energie Cottbus gegen VfB Stuttgart II, 2 zu 3"; "noch kein Ergebnis" while unplayed.
// `weekday` is the abbreviation the row shows.
std::string MatchRowSpeech(std::string_view weekday, const MatchRecord& match);

// "Tore Energie Cottbus": the goal box of one side of a fixture.
std::string GoalBoxSpeech(std::string_view club);

// The position chart in words: the club's place after every match day played, then, for the
// days to come, the best and worst place still within reach.
std::string PositionChartSpeech(const PositionChart& chart, std::string_view club);

}  // namespace zak
