// The port menu: com1 .. com16 open their port, report failures, keep the check marks and the
// status panel true.

#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"
#include "ui/port_messages.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

QAction* com(const MainWindow& w, int n) { return action(w, QStringLiteral("com%1").arg(n)); }

}  // namespace

class PortMenuTest : public QObject {
  Q_OBJECT

 private slots:
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
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::PortMenuTest)
#include "port_menu_test.moc"
