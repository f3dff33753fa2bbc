// The window after start-up, the port's state in the status panel, the about box and the exit.

#include <QCloseEvent>
#include <QProgressBar>

#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/splash.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

using namespace std::chrono_literals;

// A window that will not close: the exit stops at it.
class StubbornWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  // The grid and the boxes show the start-up sheet: rows 0 and 24 (receive, receive tone,
  // transmit, transmit tone, bandwidth) and each box's item / number of items.
  void shows_the_default_table_and_options() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
    QVERIFY(w->sheet() == startup_sheet());
    QStringList shown;
    for (const int r : {0, 24}) {
      for (const char* array : {"Text1", "Text5", "Text3", "Text2", "Text4"}) {
        shown << cell(*w, array, r)->text();
      }
    }
    for (const char* name :
         {"Combo1", "Combo4", "Combo5", "Combo6", "Combo7", "Combo2_60", "Combo2_62", "Combo2_0"}) {
      shown << box(*w, name)->currentText() + "/" + QString::number(box(*w, name)->count());
    }
    QCOMPARE(shown.join(' '),
             QStringLiteral("450.12500 OFF 450.12500 OFF 窄带 462.12500 OFF 462.12500 OFF 窄带 "
                            "4:自定义频率/4 1:普通模式/2 允许/2 关/2 关/2 25/25 100/9 /100"));
    QVERIFY(w->progress_window()->isHidden() && box(*w, "Combo2_0")->isHidden());
    QVERIFY(w->splash_timer()->enabled() && w->splash_timer()->interval() == 2000ms);
  }

  // The status panel tells the port's state from the start, and again at each tick of the
  // one-shot status refresh: "串口关闭" only when it is closed. A failure at start-up is silent.
  void checks_com1_only_when_port_1_opened_and_Timer1_shows_it_again() {
    PseudoTerminal pty;
    NotATerminal file;
    for (const QString& port_1 :
         {pty.device(), QStringLiteral("/dev/m27-no-such-tty"), file.device()}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, com1_on(port_1));
      const bool open = port_1 == pty.device();
      const QString state = open ? QStringLiteral("串口开") : QStringLiteral("串口关闭");
      QVERIFY(w->serial_port().is_open() == open && action(*w, "com1")->isChecked() == open);
      QCOMPARE(w->status_bar()->panel1(), state);
      QVERIFY(boxes.shown.empty());
      w->status_bar()->set_panel1(QStringLiteral("读频完成"));
      w->progress_window()->ProgressBar1()->setValue(120);
      w->status_refresh_timer()->arm(1000ms);
      w->refresh_port_status();
      QCOMPARE(w->status_bar()->panel1(), state);
      QVERIFY(!w->status_refresh_timer()->enabled() &&
              w->progress_window()->ProgressBar1()->value() == 0);
    }
  }

  // The first splash timer tick, a click on the window's background, a click or a key on the box.
  void closes_the_about_box() {
    for (const QString by : {"Timer2", "background", "click", "key"}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes);
      w->show_splash();
      const QPointer<Splash> splash = w->splash();
      QVERIFY(splash && splash->isVisible());
      QWidget* background = w->centralWidget();
      const QPoint spot(background->width() - 4, background->height() - 4);
      QVERIFY(background->childAt(spot) == nullptr);
      if (by == "Timer2") w->splash_timer_elapsed();
      if (by == "background") QTest::mouseClick(background, Qt::LeftButton, {}, spot);
      if (by == "click") QTest::mouseClick(splash, Qt::LeftButton);
      if (by == "key") QTest::keyClick(splash, Qt::Key_Space);
      QVERIFY2(!splash || !splash->isVisible(), qPrintable(by));
      w->splash_timer_elapsed();  // a later tick finds no box and does nothing
    }
  }

  void the_exit_asks_once_data() {
    QTest::addColumn<bool>("by_menu");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("stubborn");
    QTest::newRow("menu 退出, 否: runs on") << true << false << false;
    QTest::newRow("title bar, 否: runs on") << false << false << false;
    QTest::newRow("是: the port and every window close") << false << true << false;
    QTest::newRow("是, a window refuses: those opened before it stay") << true << true << true;
  }

  // The question stops both timers and closes the about box; 否 starts both timers again.
  void the_exit_asks_once() {
    QFETCH(bool, by_menu);
    QFETCH(bool, yes);
    QFETCH(bool, stubborn);
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    const auto w = make_window(boxes, com1_on(pty.device()));
    StubbornWindow stays;
    QWidget dialog;
    if (stubborn) w->register_window(&stays);
    w->register_window(&dialog);
    for (QWidget* window : std::initializer_list<QWidget*>{w->progress_window(), &stays, &dialog}) {
      window->show();
    }
    w->show_splash();
    w->splash_timer()->set_enabled(false);
    by_menu ? action(*w, "FormCancel")->trigger() : void(w->close());
    QVERIFY(!w->status_refresh_timer()->enabled() && !w->splash_timer()->enabled());
    QVERIFY(!w->splash() || !w->splash()->isVisible());
    QVERIFY(!w->close());  // asked again while the question is open: no second question
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].message, (Message{"确认要退出程序吗？", "确认退出"}));
    QVERIFY(boxes.shown[0].question);
    boxes.close_oldest(yes);
    QCOMPARE(w->isVisible(), !yes);
    QCOMPARE(w->serial_port().is_open(), !yes);
    QCOMPARE(dialog.isVisible(), !yes);
    QCOMPARE(w->progress_window()->isVisible(), !yes || stubborn);
    if (!yes) QVERIFY(w->status_refresh_timer()->enabled() && w->splash_timer()->enabled());
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
