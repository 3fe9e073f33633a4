// What every window shares: the title line and captions, text between core and windows,
// palette colours, twip placement, centring, the text boxes that select all on focus and Esc.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/controls.h"
#include "ui/components/escape_closes.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/text_box_focus.h"
#include "ui/components/twips.h"
#include "ui/components/whole_items.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

using namespace zak::ui;

class ComponentsTest : public QObject {
  Q_OBJECT

 private slots:
  void titleLineAndCaptions() {
    QCOMPARE(TitleLine(), QString::fromUtf8("ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    QCOMPARE(WindowCaption("Statistik"),
             QString::fromUtf8("Statistik  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
  }

  void textCrossesBetweenCoreAndWindowsUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("umlauts") << QString::fromUtf8("Fortuna Düsseldorf – Größe");
    QTest::newRow("codes Windows-1252 leaves undefined") << QString(QChar(0x81)) + QChar(0x9D);
    QTest::newRow("empty") << QString();
  }
  void textCrossesBetweenCoreAndWindowsUnchanged() {
    QFETCH(QString, text);
    QCOMPARE(ToQString(ToUtf8(text)), text);
  }

  void partOfATextConvertsOnlyThatPart() {
    const std::string kickOff = "23.05.15 15:30";
    QCOMPARE(ToQString(std::string_view(kickOff).substr(0, 8)), QString("23.05.15"));
  }

  void placedControlCarriesNameAndTwipGeometry() {
    QWidget window;
    auto* box = PlaceControl<QLineEdit>(&window, "txtDays_3", 1200, 690, 2700, 285);
    QCOMPARE(box->objectName(), QString("txtDays_3"));
    QCOMPARE(box->geometry(), QRect(80, 46, 180, 19));
    QCOMPARE(zak::testing::Control<QLineEdit>(window, "txtDays", 3), box);
  }

  void paletteSettersColourEveryState() {
    QLineEdit box;
    SetBoxColour(&box, QColor(212, 208, 200));
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      QCOMPARE(box.palette().color(group, QPalette::Base), QColor(212, 208, 200));
    }
    QLabel label;
    SetBackColour(&label, Qt::red);
    QVERIFY(label.autoFillBackground());
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::Window), QColor(Qt::red));
    SetForeColour(&label, Qt::blue);
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
  }

  void faceColourComesAndGoes() {
    QPushButton button;
    const QColor system = button.palette().color(QPalette::Button);
    SetFaceColour(&button, QColor(255, 224, 192));
    QCOMPARE(button.palette().color(QPalette::Button), QColor(255, 224, 192));
    SetFaceColour(&button, QColor());
    QCOMPARE(button.palette().color(QPalette::Button), system);
  }

  void centredOverItsOwner() {
    QWidget owner;
    owner.setGeometry(100, 50, 400, 300);
    QWidget dialog;
    dialog.resize(200, 100);
    CentreOver(&dialog, &owner);
    QCOMPARE(dialog.pos(), QPoint(200, 150));
    dialog.move(7, 9);
    CentreOver(&dialog, nullptr);
    QCOMPARE(dialog.pos(), QPoint(7, 9));
  }

  void listShowsItsLongestEntryWholeAtItsWidth_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("fontKept");
    QTest::newRow("short names keep the font") << QStringList{"1. Liga", "2. Liga"} << true;
    QTest::newRow("long names take a narrower font")
        << QStringList{"1. Bundesliga", QString::fromUtf8("Regionalliga Südwest")} << false;
  }
  void listShowsItsLongestEntryWholeAtItsWidth() {
    QFETCH(QStringList, entries);
    QFETCH(bool, fontKept);
    QWidget window;
    window.setFont(QFont("Liberation Sans", 8));
    auto* list = PlaceControl<QComboBox>(&window, "cmbLiga_1", 0, 0, 1815, 315);
    list->addItems(entries);
    const QFont designed = list->font();
    ShowItemsWhole(list);
    QCOMPARE(list->width(), 121);
    QCOMPARE(list->font() == designed, fontKept);
    for (const QString& entry : entries) {
      const int needed = QFontMetrics(list->font()).horizontalAdvance(entry);
      QVERIFY2(needed <= ItemFieldWidth(list) - 2, qPrintable(entry));
      QVERIFY(list->view()->minimumWidth() >= needed);
    }
  }

  // Esc reaches the window's way out from any of its controls, but an open list's popup, a
  // window of its own, keeps Esc for closing the list.
  void escapeGoesToTheWindowNotToAnOpenList_data() {
    QTest::addColumn<bool>("listOpen");
    QTest::newRow("text box") << false;
    QTest::newRow("open list") << true;
  }
  void escapeGoesToTheWindowNotToAnOpenList() {
    QFETCH(bool, listOpen);
    QDialog window;
    auto* box = PlaceControl<QLineEdit>(&window, "box", 0, 0, 1500, 300);
    auto* list = PlaceControl<QComboBox>(&window, "list", 0, 600, 1500, 315);
    list->addItems({"a", "b"});
    QAbstractItemView* popup = list->view();  // exists before the filter, so the filter sees it
    int waysOut = 0;
    CloseOnEscape(&window, [&] { ++waysOut; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* target = box;
    if (listOpen) {
      list->showPopup();
      QTRY_VERIFY(popup->isVisible());
      target = popup;
    }
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(waysOut, listOpen ? 0 : 1);
    QTRY_VERIFY(!popup->isVisible());
    QVERIFY(window.isVisible());
  }

  // The click that brings the focus places the cursor after the focus event: the whole text
  // is still selected afterwards.
  void textBoxSelectsAllWhenClickedOrTabbedInto() {
    QWidget window;
    auto* first = PlaceControl<QLineEdit>(&window, "first", 0, 0, 1500, 300);
    auto* second = PlaceControl<QLineEdit>(&window, "second", 0, 600, 1500, 300);
    second->setText("3128");
    SelectAllOnFocus(second);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(second->selectedText(), QString("3128"));
    first->setFocus();
    QCOMPARE(second->selectedText(), QString());
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_COMPARE(second->selectedText(), QString("3128"));
  }
};

QTEST_MAIN(ComponentsTest)
#include "components_test.moc"
