// The match rows of the day on screen: day, kick-off and pairing in the row, the goals in its
// two boxes, and each row as a screen reader hears it.
#include <QDate>
#include <QLabel>
#include <QLocale>

#include "core/spoken_texts.h"
#include "day_panel.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"

namespace zak::ui {
namespace {

// "Mo" .. "So": the German weekday of a date, abbreviated without a point.
QString WeekdayAbbreviation(const Date& date) {
  const QDate day(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                  static_cast<int>(unsigned(date.day())));
  return QLocale(QLocale::German).standaloneDayName(day.dayOfWeek(), QLocale::ShortFormat);
}

QString GoalsText(bool played, int goals) { return played ? QString::number(goals) : QString(); }

}  // namespace

void DayPanel::ShowMatch(int slot, const MatchRecord& match) {
  // A kick-off that is no date leaves the line as it was.
  if (const std::optional<Date> date = KickOffDate(match.KickOff)) {
    const QString weekday = WeekdayAbbreviation(*date);
    txtDays_[slot]->setText(weekday + "  " + ToQString(match.KickOff) + "\t  " +
                            ToQString(match.Home) + "  -  " + ToQString(match.Away));
    TellMatchRow(slot, weekday, match);
    // A long pairing runs past the box's end: the row shows its start, the day and time.
    txtDays_[slot]->setCursorPosition(0);
  }
  txtResults_[2 * slot]->setText(GoalsText(match.Played, match.HomeGoals));
  txtResults_[2 * slot + 1]->setText(GoalsText(match.Played, match.AwayGoals));
  txtResults_[2 * slot]->show();
  txtResults_[2 * slot + 1]->show();
  Label4_[slot]->show();
}

void DayPanel::HideMatches(int first) {
  for (int m = first; m < kMatchSlots; ++m) {
    txtResults_[2 * m]->hide();
    txtResults_[2 * m + 1]->hide();
    Label4_[m]->hide();
    txtDays_[m]->clear();
    ForgetMatchRow(m);
  }
}

void DayPanel::TellMatchRow(int slot, const QString& weekday, const MatchRecord& match) {
  HideFromReaders(txtDays_[slot], false);
  txtDays_[slot]->setFocusPolicy(Qt::StrongFocus);
  txtDays_[slot]->setAccessibleName(ToQString(MatchRowSpeech(ToUtf8(weekday), match)));
  txtResults_[2 * slot]->setAccessibleName(ToQString(GoalBoxSpeech(match.Home)));
  txtResults_[2 * slot + 1]->setAccessibleName(ToQString(GoalBoxSpeech(match.Away)));
}

// A slot the league does not fill: an empty line that neither Tab nor a reader stops at.
void DayPanel::ForgetMatchRow(int slot) {
  HideFromReaders(txtDays_[slot]);
  txtDays_[slot]->setFocusPolicy(Qt::NoFocus);
  txtDays_[slot]->setAccessibleName(QString());
}

}  // namespace zak::ui
