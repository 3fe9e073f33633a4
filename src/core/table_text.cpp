#include "table_text.h"

#include <vector>

#include "table_order.h"
#include "text_util.h"

namespace zak {
namespace {

// The league's rows ordered by position, only those of its real clubs.
std::vector<const TeamRow*> RowsByPosition(const TeamTable& table, int league) {
  std::vector<const TeamRow*> rows;
  for (const int slot : SlotsInTableOrder(table, league)) rows.push_back(&table[league][slot]);
  return rows;
}

}  // namespace

std::string TableAsTsv(const TeamTable& table, int league) {
  std::string out;
  for (const TeamRow* row : RowsByPosition(table, league)) {
    for (const auto& field :
         {std::to_string(row->Rank), row->Name, std::to_string(row->Games),
          std::to_string(row->Won), std::to_string(row->Drawn), std::to_string(row->Lost),
          std::to_string(row->GoalsFor), std::to_string(row->GoalsAgainst),
          std::to_string(row->GoalDiff), std::to_string(row->Points)}) {
      out += field;
      out += '\t';
    }
    out.back() = '\n';
  }
  return out;
}

std::string TableAsText(const TeamTable& table, int league, int day) {
  std::string out = GetLeagueName(league, true) + " - " + std::to_string(day) + ". Spieltag\n\n";
  std::size_t nameWidth = 6;
  const std::vector<const TeamRow*> rows = RowsByPosition(table, league);
  for (const TeamRow* row : rows) nameWidth = std::max(nameWidth, Utf8Length(row->Name));
  out += "Pl. " + PadRight("Verein", nameWidth) + "  Sp.   S   U   N   Tore   Diff  Pkt.\n";
  for (const TeamRow* row : rows) {
    const std::string goals =
        std::to_string(row->GoalsFor) + ":" + std::to_string(row->GoalsAgainst);
    std::string diff = std::to_string(row->GoalDiff);
    if (row->GoalDiff > 0) diff = "+" + diff;
    out += PadLeft(std::to_string(row->Rank) + ".", 3) + " " + PadRight(row->Name, nameWidth) +
           PadLeft(std::to_string(row->Games), 5) + PadLeft(std::to_string(row->Won), 4) +
           PadLeft(std::to_string(row->Drawn), 4) + PadLeft(std::to_string(row->Lost), 4) +
           PadLeft(goals, 7) + PadLeft(diff, 7) + PadLeft(std::to_string(row->Points), 6) + "\n";
  }
  return out;
}

}  // namespace zak
