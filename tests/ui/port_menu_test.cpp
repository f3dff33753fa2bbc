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
  // Another port is open before each choice; its device is the item's status tip.
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
      const int other = c.port_no == 1 ? 2 : 1;
      ports.set({other, open_before.device()});
      ports.set({c.port_no, c.device});
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, ports);
      com(*w, other)->trigger();
      QVERIFY(w->serial_port().is_open());
      QCOMPARE(com(*w, c.port_no)->statusTip(), c.device);
      QCOMPARE(com(*w, 9)->statusTip(), QStringLiteral("—"));  // no device
      com(*w, c.port_no)->trigger();
      const bool opened = c.device == chosen.device();
      QList<int> checked;
      for (int n = 1; n <= 16; ++n) {
        if (com(*w, n)->isChecked()) checked << n;
      }
      QCOMPARE(checked, opened ? QList<int>{c.port_no} : QList<int>{});
      QCOMPARE(w->status_bar()->panel1(), QString::fromUtf8(c.status));
      QCOMPARE(w->serial_port().is_open(), opened);
      QCOMPARE(w->port_no(), c.port_no);
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
