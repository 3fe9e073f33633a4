// A league table as text lines, for terminals and pipes.
#pragma once

#include <string>

#include "catalogue.h"

namespace zak {

// Rows in position order, ten tab-separated columns each: position, club, games, won, drawn,
// lost, goals for, goals against, goal difference, points.
std::string TableAsTsv(const TeamTable& table, int league);

// A title line (league name, match day), a header and aligned rows in position order.
std::string TableAsText(const TeamTable& table, int league, int day);

}  // namespace zak
