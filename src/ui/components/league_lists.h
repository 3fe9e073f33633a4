// The drop-down lists of leagues and clubs that the statistics and the HTML export window
// offer, filled from the catalogue.
#pragma once

#include <QComboBox>

namespace zak::ui {

// Every league by its short name, and no entry chosen. The list sends no signal meanwhile, so
// that choosing a league afterwards, the first one too, is a change.
void ListLeagues(QComboBox* list);

// Appends the league's clubs in the catalogue's order.
void AddClubs(QComboBox* list, int league);

}  // namespace zak::ui
