// The status bar as the loaders drive it: text, maximum, and a bar that keeps what was painted.
#include "ui/components/ctr_status_progress_bar.h"

#include <QApplication>
#include <QTest>

using zak::ui::CtrStatusProgressBar;

namespace {

// Painted columns of the progress panel, counted from the left along its middle line.
int PaintedWidth(const CtrStatusProgressBar& bar) {
  const QImage& canvas = bar.picProgress()->canvas();
  int painted = 0;
  for (int x = 0; x < canvas.width(); ++x) {
    if (QColor(canvas.pixel(x, canvas.height() / 2)) == CtrStatusProgressBar::kBarColour) {
      ++painted;
    }
  }
  return painted;
}

}  // namespace

class StatusBarTest : public QObject {
  Q_OBJECT

 private:
  // A bar whose progress panel is 200 pixels wide.
  static void MakeWide(CtrStatusProgressBar& bar) {
    bar.SetStatusWidth(1500);
    bar.resize(304, 19);
    bar.show();
  }

 private slots:
  void newControlStartsEmpty() {
    CtrStatusProgressBar bar;
    QCOMPARE(bar.Text(), QString());
    QCOMPARE(bar.StatusWidth(), 1455.0f);
    QCOMPARE(bar.MaxProgress(), 100);
    QCOMPARE(bar.CurProgress(), 0);
  }

  void textIsShownAsGiven() {
    CtrStatusProgressBar bar;
    zak::StatusSink& sink = bar;
    sink.SetText(std::string("Lade Daten von <b>1. Bundesliga</b>..."));
    QCOMPARE(bar.Text(), QString("Lade Daten von <b>1. Bundesliga</b>..."));
    auto* label = bar.findChild<QLabel*>("lblStatus");
    QVERIFY(label != nullptr);
    QCOMPARE(label->textFormat(), Qt::PlainText);
  }

  void barShowsTheValuesShare_data() {
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("painted");
    QTest::newRow("half") << QList<int>{50} << 100;
    QTest::newRow("full") << QList<int>{100} << 200;
    QTest::newRow("80 then 20 leaves a fifth") << QList<int>{80, 20} << 40;
    QTest::newRow("0 after a higher value clears") << QList<int>{60, 0} << 0;
    QTest::newRow("negative draws nothing") << QList<int>{-5} << 0;
    QTest::newRow("above the maximum fills the panel") << QList<int>{150} << 200;
  }
  void barShowsTheValuesShare() {
    QFETCH(QList<int>, values);
    QFETCH(int, painted);
    CtrStatusProgressBar bar;
    MakeWide(bar);
    QCOMPARE(bar.picProgress()->width(), 200);
    for (const int value : values) bar.SetCurProgress(value);
    QCOMPARE(PaintedWidth(bar), painted);
  }

  void newMaximumAppliesFromTheNextValue() {
    CtrStatusProgressBar bar;
    MakeWide(bar);
    bar.SetCurProgress(50);
    bar.SetMaxProgress(200);
    QCOMPARE(PaintedWidth(bar), 100);  // the maximum alone repaints nothing
    bar.SetCurProgress(60);            // raising paints over the old bar
    QCOMPARE(PaintedWidth(bar), 100);
    bar.SetCurProgress(150);
    QCOMPARE(PaintedWidth(bar), 150);
  }

  void maximumZeroDrawsNothing() {
    CtrStatusProgressBar bar;
    MakeWide(bar);
    bar.SetMaxProgress(0);
    bar.SetCurProgress(40);
    QCOMPARE(PaintedWidth(bar), 0);
    QCOMPARE(bar.CurProgress(), 40);
  }

  void statusWidthMovesTheBorderAtOnce() {
    CtrStatusProgressBar bar;
    bar.resize(400, 19);
    bar.show();
    bar.SetStatusWidth(1800);
    QCOMPARE(bar.picProgress()->x(), (1800 + 45) / 15);
    QCOMPARE(bar.picProgress()->width(), (400 * 15 - 1800 - 60) / 15);
    bar.SetStatusWidth(3000);
    QCOMPARE(bar.picProgress()->x(), (3000 + 45) / 15);
    QCOMPARE(bar.findChild<QLabel*>("lblStatus")->width(), 3000 / 15);
  }
};

QTEST_MAIN(StatusBarTest)
#include "ctr_status_progress_bar_test.moc"
