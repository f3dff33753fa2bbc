// The window after start-up, the port menu and the port's state in the status panel, the about
// box and the exit.

#include <QProgressBar>

#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"
#include "ui/form_timer.h"
#include "ui/port_messages.h"
#include "ui/progress_window.h"
#include "ui/splash.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {

using namespace std::chrono_literals;

QAction* com(const MainWindow& w, int n) { return action(w, QStringLiteral("com%1").arg(n)); }

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  // Port 1 is opened at start-up, a failure in silence; the status panel tells the port's state
  // from the start and again at each tick of the one-shot status refresh, which also empties the
  // progress bar: "串口关闭" only when it is closed.
  void checks_com1_only_when_port_1_opened_and_Timer1_shows_it_again() {
    PseudoTerminal pty;
    NotATerminal file;
    for (const QString& port_1 : {pty.device(), file.device()}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, com1_on(port_1));
      QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
      QCOMPARE(shown_table(*w).mid(0, 5).join(' '),
               QStringLiteral("450.12500 OFF 450.12500 OFF 窄带"));
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

  // Port 2 is open before each choice; an item's device is its status tip.
  void a_choice_opens_its_port_or_leaves_none_checked() {
    PseudoTerminal chosen;
    NotATerminal file;
    const QString missing = QStringLiteral("/dev/m27-no-such-tty");
    const struct {
      int port_no;
      QString device;
      const char* status;
      const char* message;  // nullptr: none
    } kCases[] = {
        {7, chosen.device(), "串口7", nullptr},
        {1, missing, "串口关", "该串口1 不存在或有问题"},
        {3, file.device(), "串口关", nullptr},  // no serial port: passed over in silence
        {7, missing, "串口关", "该串口 不存在或有问题"},
    };
    for (const auto& c : kCases) {
      PseudoTerminal open_before;
      PortMap ports;
      ports.set({c.port_no, c.device});
      ports.set({2, open_before.device()});
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, ports);
      com(*w, 2)->trigger();
      QVERIFY(w->serial_port().is_open());
      QCOMPARE(com(*w, c.port_no)->statusTip() + com(*w, 9)->statusTip(), c.device + "—");
      com(*w, c.port_no)->trigger();
      const bool opened = c.device == chosen.device();
      int checked = 0;
      for (int n = 1; n <= 16; ++n) checked += com(*w, n)->isChecked();
      QVERIFY(checked == int(opened) && com(*w, c.port_no)->isChecked() == opened);
      QVERIFY(w->serial_port().is_open() == opened && w->port_no() == c.port_no);
      QCOMPARE(w->status_bar()->panel1(), QString::fromUtf8(c.status));
      QCOMPARE(boxes.texts(), c.message ? QStringList{c.message} : QStringList{});
      if (c.message) QCOMPARE(boxes.shown[0].message, attention(c.message));
    }
  }

  // The texts differ from item to item as the radio's users know them.
  void each_item_has_its_own_failure_message() {
    using enum OpenOutcome;
    const struct {
      int port_no;
      OpenOutcome outcome;
      const char* text;  // nullptr: no message
    } kCases[] = {
        {1, Failed, "该串口1 不存在或有问题"},
        {2, Failed, "该串口2不存在或有问题"},
        {3, DoesNotExist, "该串口3不存在或有问题"},
        {3, Failed, nullptr},
        {4, InUseOrNoPermission, "串口4不存在或有问题"},
        {5, DoesNotExist, "串口5不存在或有问题"},
        {6, InUseOrNoPermission, "该串口6不存在或有问题"},
        {9, DoesNotExist, "该串口 不存在或有问题"},
        {16, Failed, nullptr},
        {16, Opened, nullptr},
    };
    for (const auto& c : kCases) {
      QCOMPARE(port_failure_message(c.port_no, c.outcome),
               c.text ? std::optional(attention(c.text)) : std::nullopt);
    }
  }
  // The first splash timer tick, a click on the window's background, a click or a key on the
  // box; a later tick finds no box and does nothing.
  void closes_the_about_box() {
    for (const QString by : {"Timer2", "background", "click", "key"}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes);
      QVERIFY(w->splash_timer()->enabled() && w->splash_timer()->interval() == 2000ms);
      w->show_splash();
      const QPointer<Splash> splash = w->splash();
      QWidget* background = w->centralWidget();
      const QPoint spot(background->width() - 4, background->height() - 4);
      QVERIFY(splash && splash->isVisible() && background->childAt(spot) == nullptr);
      if (by == "Timer2") w->splash_timer_elapsed();
      if (by == "background") QTest::mouseClick(background, Qt::LeftButton, {}, spot);
      if (by == "click") QTest::mouseClick(splash, Qt::LeftButton);
      if (by == "key") QTest::keyClick(splash, Qt::Key_Space);
      QVERIFY2(!splash || !splash->isVisible(), qPrintable(by));
      w->splash_timer_elapsed();
    }
  }

  void the_exit_asks_once_data() {
    QTest::addColumn<bool>("by_menu");
    QTest::addColumn<bool>("yes");
    QTest::newRow("menu 退出, 否: runs on") << true << false;
    QTest::newRow("title bar, 否: runs on") << false << false;
    QTest::newRow("menu 退出, 是: the port and every window close") << true << true;
  }

  // The question stops both timers and closes the about box; 否 starts both timers again, 是
  // closes the port and the windows the program opened.
  void the_exit_asks_once() {
    QFETCH(bool, by_menu);
    QFETCH(bool, yes);
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    const auto w = make_window(boxes, com1_on(pty.device()));
    QWidget dialog;
    w->register_window(&dialog);
    dialog.show();
    w->progress_window()->show();
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
    const bool runs = !yes;
    QVERIFY(w->isVisible() == runs && w->serial_port().is_open() == runs &&
            dialog.isVisible() == runs && w->progress_window()->isVisible() == runs);
    if (!yes) QVERIFY(w->status_refresh_timer()->enabled() && w->splash_timer()->enabled());
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
