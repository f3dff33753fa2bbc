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
  void each_item_opens_one_dialog_data();
  void each_item_opens_one_dialog();
  void choosing_an_open_dialog_brings_it_forward();
  void the_exit_closes_the_dialogs();
  void items_without_a_command_do_nothing();
  void a_main_read_and_a_service_exchange_wait_for_each_other();
};

void DialogDispatchTest::each_item_opens_one_dialog_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("caption");
  QTest::newRow("工程模式") << "工程模式"
                            << "Form3"
                            << "工程模式";
  QTest::newRow("测试模式") << "测试模式"
                            << "Form4"
                            << "测试模式";
  QTest::newRow("写ID") << "写ID"
                        << "Form6"
                        << "输入ID";
}

void DialogDispatchTest::each_item_opens_one_dialog() {
  QFETCH(QString, item);
  QFETCH(QString, dialog);
  QFETCH(QString, caption);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  action(*w, item)->trigger();
  action(*w, item)->trigger();
  QCOMPARE(windows_named(dialog).size(), 1);
  QWidget* shown = windows_named(dialog).front();
  QVERIFY(shown->isVisible() && shown->isWindow());
  QCOMPARE(shown->parentWidget(), nullptr);  // no owner window
  QCOMPARE(shown->windowModality(), Qt::NonModal);
  QCOMPARE(shown->windowTitle(), caption);
  QVERIFY(w->isEnabled());
  QVERIFY(boxes.shown.empty());
}

void DialogDispatchTest::choosing_an_open_dialog_brings_it_forward() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  open_all(*w);
  QTRY_VERIFY(w->Form6()->isActiveWindow());
  w->engineering_mode()->trigger();
  QTRY_VERIFY(w->Form3()->isActiveWindow());
  w->test_mode()->trigger();
  QTRY_VERIFY(w->Form4()->isActiveWindow());
  QCOMPARE(
      windows_named("Form3").size() + windows_named("Form4").size() + windows_named("Form6").size(),
      3);
}

void DialogDispatchTest::the_exit_closes_the_dialogs() {
  RecordingMessageBoxes boxes;
  boxes.answer_yes = true;
  const auto w = make_window(boxes);
  open_all(*w);
  QVERIFY(w->close());
  QCOMPARE(visible_windows(), QList<QWidget*>{});
}

void DialogDispatchTest::items_without_a_command_do_nothing() {
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

void DialogDispatchTest::a_main_read_and_a_service_exchange_wait_for_each_other() {
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

}  // namespace m27::testing

QTEST_MAIN(m27::testing::DialogDispatchTest)
#include "dialog_dispatch_test.moc"
