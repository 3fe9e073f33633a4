// The about window: its texts character for character, texts that fit their labels, the three
// links through the opener, and Esc whichever control has the focus.
#include "ui/info/frm_info.h"

#include <QSignalSpy>
#include <QTest>

#include "info_window_session.h"
#include "support/controls.h"

using zak::testing::Control;
using zak::testing::InfoWindowSession;
using zak::ui::FrmInfo;

class FrmInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = InfoWindowSession::WithoutService();
    window_ = std::make_unique<FrmInfo>(session_->opener(), session_->host(), nullptr);
    window_->Form_Load();
  }
  void cleanup() {
    window_.reset();
    session_.reset();
  }

  void textsSetAtLoad() {
    FrmInfo& w = *window_;
    QCOMPARE(w.windowTitle(), QString("Info  -  ZAK 14/15 v2.0.9.2  © 2005–2015 ZAK-Team"));
    // One blank around "Version", three on each side of the dash.
    QCOMPARE(Control(w, "Label1", 0)->text(),
             QString("ZAK 14/15 Version 2.0.9.2   -   17.05.2015"));
    QCOMPARE(Control(w, "Label1", 1)->text(), QString("© 2005–2015 ZAK-Team"));
    QCOMPARE(Control(w, "Label15")->text(), QString("ZAK-Team"));
    QCOMPARE(Control(w, "Label15")->toolTip(), QString("Mail an ZAK-Team (kontakt@zak.example)"));
    QCOMPARE(Control(w, "Label17")->text(),
             QString::fromStdString("http://" + session_->host() + "/zak/"));
    QCOMPARE(Control(w, "Picture1")->toolTip(), QString("Hier klicken, um zu spenden."));
    QCOMPARE(Control(w, "Label5", 0)->text(), QString("Beispielbank"));
    QCOMPARE(Control(w, "Label5", 1)->text(), QString("BLZ: 000 000 00"));
    QCOMPARE(Control(w, "Label5", 2)->text(), QString("Konto-Nr.: 00 0000 0000"));
    QCOMPARE(Control(w, "Label3", 1)->text(), QString());
    QVERIFY(Control(w, "Label1", 0)->font().bold());
    QVERIFY(!Control(w, "Picture1")->pixmap().isNull());
    QVERIFY(!Control(w, "Image1")->pixmap().isNull());
  }

  // No label cuts its text: single lines fit their width, wrapped texts their height.
  void everyTextShowsWhole() {
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      const QFontMetrics metrics = label->fontMetrics();
      const QRect needed = label->wordWrap()
                               ? metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                      Qt::TextWordWrap, label->text())
                               : metrics.boundingRect(label->text());
      QVERIFY2(needed.width() <= label->width() && metrics.height() <= label->height() + 1 &&
                   needed.height() <= std::max(label->height(), metrics.height()),
               qPrintable(QString("%1 needs %2 x %3: %4")
                              .arg(label->objectName())
                              .arg(needed.width())
                              .arg(needed.height())
                              .arg(label->text())));
      QVERIFY2(label->geometry().right() < window_->width(), qPrintable(label->objectName()));
    }
  }

  void linksOpenTheirAddresses_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("Label15") << "Label15"
                             << "mailto:kontakt@zak.example";
    QTest::newRow("Picture1") << "Picture1"
                              << "https://zak.example/spenden";
    QTest::newRow("Label17") << "Label17"
                             << "";
  }
  void linksOpenTheirAddresses() {
    QFETCH(QString, link);
    QFETCH(QString, address);
    if (address.isEmpty()) address = QString::fromStdString("http://" + session_->host() + "/zak/");
    auto* control = Control(*window_, link);
    QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(session_->opened().size(), std::size_t{1});
    QCOMPARE(session_->opened()[0].toString(), address);
  }

  void plainLabelsOpenNothing() {
    QTest::mouseClick(Control(*window_, "Label2"), Qt::LeftButton);
    QTest::mouseClick(Control(*window_, "Label5", 0), Qt::LeftButton);
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(session_->opened().empty());
  }

  void escClosesWhicheverControlHasTheFocus_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("window") << "";
    QTest::newRow("Picture1") << "Picture1";
  }
  void escClosesWhicheverControlHasTheFocus() {
    QFETCH(QString, focus);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QWidget* target =
        focus.isEmpty() ? static_cast<QWidget*>(window_.get()) : Control<QWidget>(*window_, focus);
    target->setFocus();
    QSignalSpy finished(window_.get(), &QDialog::finished);
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QCOMPARE(finished.size(), 1);
    QVERIFY(session_->opened().empty());
  }

 private:
  std::unique_ptr<InfoWindowSession> session_;
  std::unique_ptr<FrmInfo> window_;
};

QTEST_MAIN(FrmInfoTest)
#include "frm_info_test.moc"
