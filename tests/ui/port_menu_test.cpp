// The port menu: com1 .. com16 open their port, report failures, keep the check marks and the
// status panel true.

#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"
#include "ui/form_timer.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

QAction* com(const MainWindow& w, int n) { return action(w, QStringLiteral("com%1").arg(n)); }

QList<int> checked_ports(const MainWindow& w) {
  QList<int> checked;
  for (int n = 1; n <= 16; ++n) {
    if (com(w, n)->isChecked()) checked << n;
  }
  return checked;
}

}  // namespace

class PortMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_each_ports_device_as_its_status_tip();
  void a_port_that_opens_is_the_one_checked_data();
  void a_port_that_opens_is_the_one_checked();
  void a_failed_choice_leaves_no_port_checked_data();
  void a_failed_choice_leaves_no_port_checked();
  void the_status_refresh_after_a_choice_tells_the_port_state();
};

void PortMenuTest::shows_each_ports_device_as_its_status_tip() {
  PortMap ports;
  ports.set({1, "/dev/ttyUSB0"});
  ports.set({16, "/dev/ttyS3"});
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, ports);
  QCOMPARE(com(*w, 1)->statusTip(), QStringLiteral("/dev/ttyUSB0"));
  QCOMPARE(com(*w, 16)->statusTip(), QStringLiteral("/dev/ttyS3"));
  QCOMPARE(com(*w, 9)->statusTip(), QStringLiteral("—"));
  for (int n = 1; n <= 16; ++n) QCOMPARE(com(*w, n)->text(), QStringLiteral("com%1").arg(n));
}

void PortMenuTest::a_port_that_opens_is_the_one_checked_data() {
  QTest::addColumn<int>("port_no");
  QTest::newRow("com1") << 1;
  QTest::newRow("com7") << 7;
  QTest::newRow("com16") << 16;
}

void PortMenuTest::a_port_that_opens_is_the_one_checked() {
  QFETCH(int, port_no);
  PseudoTerminal first;
  PseudoTerminal chosen;
  PortMap ports;
  ports.set({1, first.device()});
  if (port_no != 1) ports.set({port_no, chosen.device()});
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, ports);
  com(*w, port_no)->trigger();
  QCOMPARE(checked_ports(*w), QList<int>{port_no});
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口%1").arg(port_no));
  QVERIFY(w->serial_port().is_open());
  QCOMPARE(w->port_no(), port_no);
  QVERIFY(boxes.shown.empty());
}

void PortMenuTest::a_failed_choice_leaves_no_port_checked_data() {
  QTest::addColumn<int>("port_no");
  // "busy": held by another program; "no tty": a file that is no terminal
  QTest::addColumn<QString>("device");
  QTest::addColumn<QString>("message");  // empty: the item passes over it in silence
  const QString missing = QStringLiteral("/dev/m27-no-such-tty");
  const QString no_serial = QStringLiteral("no tty");
  QTest::newRow("com1, missing") << 1 << missing << "该串口1 不存在或有问题";
  QTest::newRow("com1, in use") << 1 << "busy"
                                << "该串口1 不存在或有问题";
  QTest::newRow("com1, no serial port") << 1 << no_serial << "该串口1 不存在或有问题";
  QTest::newRow("com2, no serial port") << 2 << no_serial << "该串口2不存在或有问题";
  QTest::newRow("com3, missing") << 3 << missing << "该串口3不存在或有问题";
  QTest::newRow("com3, no serial port") << 3 << no_serial << "";
  QTest::newRow("com4, in use") << 4 << "busy"
                                << "串口4不存在或有问题";
  QTest::newRow("com5, missing") << 5 << missing << "串口5不存在或有问题";
  QTest::newRow("com6, in use") << 6 << "busy"
                                << "该串口6不存在或有问题";
  QTest::newRow("com7, missing") << 7 << missing << "该串口 不存在或有问题";
  QTest::newRow("com9, mapped to nothing") << 9 << ""
                                           << "该串口 不存在或有问题";
  QTest::newRow("com16, in use") << 16 << "busy"
                                 << "该串口 不存在或有问题";
  QTest::newRow("com16, no serial port") << 16 << no_serial << "";
}

void PortMenuTest::a_failed_choice_leaves_no_port_checked() {
  QFETCH(int, port_no);
  QFETCH(QString, device);
  QFETCH(QString, message);
  PseudoTerminal open_before;
  PseudoTerminal held;
  SerialPort holder([&] {
    PortMap map;
    map.set({1, held.device()});
    return map;
  }());
  QCOMPARE(holder.Set_Com(1), OpenOutcome::Opened);

  PortMap ports;
  const bool on_com1 = port_no == 1;
  ports.set({on_com1 ? 2 : 1, open_before.device()});
  NotATerminal file;
  const QString opened = device == "busy"     ? held.device()
                         : device == "no tty" ? file.device()
                                              : device;
  ports.set({port_no, opened});
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, ports);
  com(*w, on_com1 ? 2 : 1)->trigger();
  QVERIFY(w->serial_port().is_open());

  com(*w, port_no)->trigger();
  QCOMPARE(checked_ports(*w), QList<int>{});
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口关"));
  QVERIFY(!w->serial_port().is_open());
  if (message.isEmpty()) {
    QVERIFY(boxes.shown.empty());
  } else {
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].message, attention(message.toStdString()));
    QCOMPARE(boxes.shown[0].buttons, RecordingMessageBoxes::Buttons::Ok);
  }
}

void PortMenuTest::the_status_refresh_after_a_choice_tells_the_port_state() {
  PseudoTerminal pty;
  PortMap ports;
  ports.set({3, pty.device()});
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, ports);
  com(*w, 3)->trigger();
  w->Timer1_Timer();
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口开"));
  com(*w, 4)->trigger();
  w->Timer1_Timer();
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口关闭"));
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::PortMenuTest)
#include "port_menu_test.moc"
