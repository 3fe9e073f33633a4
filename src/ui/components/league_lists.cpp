#include "league_lists.h"

#include "core/catalogue.h"
#include "qt_text.h"

namespace zak::ui {

void ListLeagues(QComboBox* list) {
  const QSignalBlocker block(list);
  list->clear();
  for (int league = 0; league < kLeagueCount; ++league) {
    list->addItem(ToQString(GetLeagueName(league, false)));
  }
  list->setCurrentIndex(-1);
}

void AddClubs(QComboBox* list, int league) {
  TeamTable table{};
  FillTeamCatalogue(table, league);
  for (const TeamRow& row : table[league]) {
    if (!row.Name.empty()) list->addItem(ToQString(row.Name));
  }
}

}  // namespace zak::ui
