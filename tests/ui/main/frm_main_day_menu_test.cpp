// The sliding match-day menu of the main window: its slide and end positions, the controls
// each end switches, Esc and Enter, the strip's hover colour and the row highlight.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "main_window_session.h"
#include "support/controls.h"

using zak::testing::Control;
using zak::testing::InWindow;
using zak::testing::MainWindowSession;
using zak::testing::Px;

namespace {

QTimer* SlideTimer(QWidget& window) { return window.findChild<QTimer*>("tmrOpenDay"); }

void MoveMouseOver(QWidget* control) {
  QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(control, &move);
}

QColor StripColour(QWidget& window) {
  return Control(window, "lblDayMenu")->palette().color(QPalette::Window);
}

// Counts the moves of a control.
class MoveCounter : public QObject {
 public:
  explicit MoveCounter(QWidget* control) { control->installEventFilter(this); }
  int moves = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Move) ++moves;
    return false;
  }
};

// The state every closing end leaves, and the start too (but for cmbLiga(0)).
void VerifyClosed(MainWindowSession& session) {
  QWidget& w = session.window();
  QCOMPARE(session.window().DayPanelTop(), 8120.0f);
  QCOMPARE(Control<QWidget>(w, "picDays")->y(), Px(8120));
  QVERIFY(!SlideTimer(w)->isActive());
  QVERIFY(!Control<QWidget>(w, "fraDays")->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmbDays", 0)->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmbDays", 1)->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmbLiga", 1)->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmdDownloadDays", 0)->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmdDownloadDays", 1)->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmdUpdateTable")->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmdShowCurTable")->isEnabled());
  QCOMPARE(session.window().DefaultButton(), Control<QPushButton>(w, "cmdShowCurTable"));
  QVERIFY(Control<QPushButton>(w, "cmdShowCurTable")->isDefault());
  QVERIFY(!Control<QPushButton>(w, "cmdUpdateTable")->isDefault());
  QVERIFY(!Control(w, "lblDayMenu")->isHidden());
  QVERIFY(!Control(w, "imgOpenDay", 0)->isHidden());
  QVERIFY(Control(w, "imgOpenDay", 1)->isHidden());
  QCOMPARE(Control<QWidget>(w, "cmdPreferences")->focusPolicy(), Qt::StrongFocus);
}

void VerifyOpen(MainWindowSession& session) {
  QWidget& w = session.window();
  QCOMPARE(session.window().DayPanelTop(), 5035.0f);
  QCOMPARE(Control<QWidget>(w, "picDays")->y(), Px(5035));
  QVERIFY(!SlideTimer(w)->isActive());
  QVERIFY(Control<QWidget>(w, "fraDays")->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmbDays", 0)->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmbLiga", 0)->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmbDays", 1)->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmbLiga", 1)->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmdDownloadDays", 0)->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmdDownloadDays", 1)->isEnabled());
  QVERIFY(Control<QWidget>(w, "cmdUpdateTable")->isEnabled());
  QVERIFY(!Control<QWidget>(w, "cmdShowCurTable")->isEnabled());
  QCOMPARE(session.window().DefaultButton(), Control<QPushButton>(w, "cmdUpdateTable"));
  QVERIFY(Control<QPushButton>(w, "cmdUpdateTable")->isDefault());
  QVERIFY(!Control<QPushButton>(w, "cmdShowCurTable")->isDefault());
  QCOMPARE(QApplication::focusWidget(), Control<QWidget>(w, "txtResults", 0));
  QVERIFY(Control(w, "lblDayMenu")->isHidden());
  QVERIFY(Control(w, "imgOpenDay", 0)->isHidden());
  QVERIFY(!Control(w, "imgOpenDay", 1)->isHidden());
  for (const char* name : {"cmdInfo", "cmdPreferences", "cmdUpdateProgram"}) {
    QCOMPARE(Control<QWidget>(w, name)->focusPolicy(), Qt::ClickFocus);
  }
}

}  // namespace

class FrmMainDayMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = std::make_unique<MainWindowSession>();
    session_->Start();
    session_->Activate();
  }
  void cleanup() { session_.reset(); }

  void startsClosed() {
    VerifyClosed(*session_);
    // The panel's league list is itself enabled, but lies in the disabled frame.
    QWidget& w = session_->window();
    QVERIFY(Control<QWidget>(w, "cmbLiga", 0)->isEnabledTo(Control<QWidget>(w, "fraDays")));
    QVERIFY(!Control<QWidget>(w, "cmbLiga", 0)->isEnabled());
  }

  // 13 ticks at full speed and 25 braking ones open the menu, 14 and 22 close it.
  void aSlideTakesItsTicks() {
    QWidget& w = session_->window();
    session_->window().ToggleDayMenu();
    QCOMPARE(session_->DriveSlideToEnd(), 38);
    VerifyOpen(*session_);
    session_->window().ToggleDayMenu();
    QCOMPARE(session_->DriveSlideToEnd(), 36);
    VerifyClosed(*session_);
    QVERIFY(!SlideTimer(w)->isActive());
  }

  // The slide was made for a timer that fires 64 times a second (about 0.6 s to open), not for
  // one that really fires every millisecond, which makes it a jump.
  void timerTicksAtTheSystemTimersPaceAndRunsTheSlideItself() {
    QWidget& w = session_->window();
    QTimer* timer = SlideTimer(w);
    QCOMPARE(timer->interval(), 16);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    session_->window().ToggleDayMenu();
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 30000);
    VerifyOpen(*session_);
  }

  void twoQuickClicksOnTheStripGiveOneOpening() {
    QWidget& w = session_->window();
    QTest::mouseClick(Control(w, "lblDayMenu"), Qt::LeftButton);
    QTest::mouseClick(Control(w, "lblDayMenu"), Qt::LeftButton);
    session_->DriveSlideToEnd();
    VerifyOpen(*session_);
    // No second slide follows.
    QTest::qWait(50);
    VerifyOpen(*session_);
  }

  void escOpensAndClosesButNotDuringASlide() {
    QWidget& w = session_->window();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(SlideTimer(w)->isActive());
    QTest::qWait(5);
    QVERIFY(SlideTimer(w)->isActive());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    session_->DriveSlideToEnd();
    VerifyOpen(*session_);
    // Closing from a goal box, which has the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(5);
    QTest::keyClick(&w, Qt::Key_Escape);
    session_->DriveSlideToEnd();
    VerifyClosed(*session_);
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(w, "cmdShowCurTable"));
  }

  void closeLabelAndCloseImageCloseTheMenu() {
    QWidget& w = session_->window();
    QTest::mouseClick(Control(w, "imgOpenDay", 0), Qt::LeftButton);
    session_->DriveSlideToEnd();
    VerifyOpen(*session_);
    QTest::mouseClick(Control(w, "Label20"), Qt::LeftButton);
    session_->DriveSlideToEnd();
    VerifyClosed(*session_);
    session_->window().ToggleDayMenu();
    session_->DriveSlideToEnd();
    QTest::mouseClick(Control(w, "imgOpenDay", 1), Qt::LeftButton);
    session_->DriveSlideToEnd();
    VerifyClosed(*session_);
  }

  // Enter presses the default button, whichever control has the focus.
  void enterPressesTheDefaultButton() {
    QWidget& w = session_->window();
    auto* days = Control<QComboBox>(w, "cmbDays", 1);
    days->setCurrentIndex(4);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(days->currentIndex(), 33);  // "Aktuelle Tabelle"
    session_->window().ToggleDayMenu();
    session_->DriveSlideToEnd();
    Control<QLineEdit>(w, "txtResults", 0)->setText("7");
    auto* league = Control<QComboBox>(w, "cmbLiga", 0);
    league->setFocus();
    QTest::keyClick(league, Qt::Key_Enter);
    QCOMPARE(session_->data().matchData(0, 0, 33).HomeGoals, std::int16_t{7});
  }

  void stripLightsUnderTheMouse() {
    QWidget& w = session_->window();
    const QColor lit(255, 192, 128);
    const QColor plain(224, 224, 224);
    QCOMPARE(StripColour(w), plain);
    MoveMouseOver(Control(w, "lblDayMenu"));
    QCOMPARE(StripColour(w), lit);
    MoveMouseOver(&w);
    QCOMPARE(StripColour(w), plain);
    MoveMouseOver(Control(w, "imgOpenDay", 0));
    QCOMPARE(StripColour(w), lit);
    MoveMouseOver(Control(w, "imgOpenDay", 1));
    QCOMPARE(StripColour(w), lit);
    MoveMouseOver(Control<QWidget>(w, "picHideDay"));
    QCOMPARE(StripColour(w), plain);
  }

  void rowHighlightFollowsTheMouseOverTheTable() {
    QWidget& w = session_->window();
    auto* frame = Control<QFrame>(w, "Shape1");
    QCOMPARE(InWindow(frame).y(), Px(900));
    MoveCounter moves(frame);
    for (const char* cell :
         {"lblLineBack", "lblTRank", "lblTeam", "lblTDays", "lblTWon", "lblTDraw", "lblTLost",
          "lblTGoalPlus", "lblTGoalMinus", "lblTGoalDiff", "lblTPoints"}) {
      MoveMouseOver(Control(w, cell, 7));
      QCOMPARE(InWindow(frame).y(), Px(3420));
    }
    // Along the same row the frame is placed once.
    QCOMPARE(moves.moves, 1);
    // Each trend arrow maps back to its own row.
    for (int row = 0; row < 18; ++row) {
      MoveMouseOver(Control(w, "imgDiff", row));
      QCOMPARE(InWindow(frame).y(), Px(row * 360 + 900));
    }
    // Halves go to the even row: Top 1080 is row 0.5, 1260 is 1.0, 1440 is 1.5.
    QLabel* arrow = Control(w, "imgDiff", 0);
    const std::pair<int, int> cases[] = {{1080, 0}, {1260, 1}, {1440, 2}};
    for (const auto& [top, row] : cases) {
      arrow->move(arrow->x(), top / 15 - InWindow(arrow->parentWidget()).y());
      MoveMouseOver(arrow);
      QCOMPARE(InWindow(frame).y(), Px(row * 360 + 900));
    }
    // Choosing a league puts the frame back on the first row.
    Control<QComboBox>(w, "cmbLiga", 1)->setCurrentIndex(1);
    QCOMPARE(InWindow(frame).y(), Px(900));
  }

 private:
  std::unique_ptr<MainWindowSession> session_;
};

QTEST_MAIN(FrmMainDayMenuTest)
#include "frm_main_day_menu_test.moc"
