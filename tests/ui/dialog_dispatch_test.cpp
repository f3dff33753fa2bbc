// The menu items that open the service dialogs (one of each, modeless, brought forward when
// chosen again, closed with the program), the items that do nothing, and the refusal of every
// command that would start a second exchange while one runs.

#include "dialog_test_support.h"
#include "support/pseudo_terminal.h"
#include "ui/status_bar.h"

namespace m27::testing {
namespace {

QList<QWidget*> windows_named(const QString& name) {
  QList<QWidget*> named;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name) named << window;
  }
  return named;
}

QList<QWidget*> visible_windows() {
  QList<QWidget*> visible;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) visible << window;
  }
  return visible;
}

// Whether the buttons of the three dialogs that start an exchange are all `enabled`.
bool service_buttons_are(const MainWindow& w, bool enabled) {
  const QList<QPushButton*> buttons = {
      button(w.Form3(), "Command1"), button(w.Form3(), "Command2"), button(w.Form4(), "Command1"),
      button(w.Form4(), "Command2"), button(w.Form4(), "Command3"), button(w.Form4(), "Command4"),
      button(w.Form6(), "Command1"), button(w.Form6(), "Command2")};
  return std::all_of(buttons.begin(), buttons.end(),
                     [enabled](QPushButton* b) { return b->isEnabled() == enabled; });
}

void open_all(MainWindow& w) {
  open_Form3(w);
  open_Form4(w);
  open_Form6(w);
}

}  // namespace

class DialogDispatchTest : public QObject {
  Q_OBJECT

 private slots:
  void each_item_opens_one_dialog_brings_it_forward_and_the_exit_closes_it() {
    RecordingMessageBoxes boxes;
    boxes.answer_yes = true;
    const auto w = make_window(boxes);
    const struct {
      const char* item;
      const char* dialog;
      const char* caption;
    } kItems[] = {{"工程模式", "Form3", "工程模式"},
                  {"测试模式", "Form4", "测试模式"},
                  {"写ID", "Form6", "输入ID"}};
    for (const auto& c : kItems) {
      action(*w, c.item)->trigger();
      action(*w, c.item)->trigger();
      QCOMPARE(windows_named(c.dialog).size(), 1);
      QWidget* shown = windows_named(c.dialog).front();
      QVERIFY(shown->isVisible() && shown->isWindow());
      QCOMPARE(shown->parentWidget(), nullptr);  // no owner window
      QCOMPARE(shown->windowModality(), Qt::NonModal);
      QCOMPARE(shown->windowTitle(), QString::fromUtf8(c.caption));
      QTRY_VERIFY(shown->isActiveWindow());
    }
    for (const auto& c : kItems) {  // chosen again while another is in front
      action(*w, c.item)->trigger();
      QTRY_VERIFY(windows_named(c.dialog).front()->isActiveWindow());
    }
    QVERIFY(w->isEnabled());
    QVERIFY(boxes.shown.empty());
    QVERIFY(w->close());
    QCOMPARE(visible_windows(), QList<QWidget*>{});
  }

  void items_without_a_command_do_nothing() {
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes, com1_on(pty.device()));
    const Sheet before = w->sheet();
    const QString status = w->StatusBar1()->panel1();
    const auto windows = visible_windows();
    for (const char* item : {"qita", "bt_2", "xbm27"}) action(*w, item)->trigger();
    QVERIFY(boxes.shown.empty());
    QCOMPARE(visible_windows(), windows);
    QVERIFY(w->sheet() == before);
    QCOMPARE(w->StatusBar1()->panel1(), status);
    QVERIFY(w->serial_port().is_open() && !w->exchange_running());
    QVERIFY(action(*w, "bt_2")->isChecked());
    QVERIFY(action(*w, "xbm27")->isChecked());
  }

  void a_main_read_and_a_service_exchange_wait_for_each_other() {
    RadioBench bench;
    MainWindow& w = *bench.window;
    open_all(w);
    QVERIFY(service_buttons_are(w, true));
    w.Command2()->click();
    QVERIFY(w.exchange_running());
    QVERIFY(service_buttons_are(w, false));
    w.Form6()->close();
    QTRY_VERIFY(!w.Form6());
    QVERIFY2(!button(open_Form6(w), "Command1")->isEnabled(), "opened during the read");
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读写完成", "读频完成"}), kRadioPatienceMs);
    QTRY_VERIFY(service_buttons_are(w, true));

    button(w.Form3(), "Command1")->click();
    QVERIFY(!w.Command1()->isEnabled() && !w.Command2()->isEnabled());
    QVERIFY(!action(w, "WriteChn")->isEnabled() && !action(w, "StartWrite")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
    QVERIFY(w.Command1()->isEnabled() && w.Command2()->isEnabled());
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::DialogDispatchTest)
#include "dialog_dispatch_test.moc"
