// The menu items that open the service dialogs (one of each, modeless, brought forward when
// chosen again, closed with the program), the items that do nothing, and the refusal of every
// command that would start a second exchange while one runs.

#include <QPushButton>

#include "dialog_test_support.h"
#include "support/pseudo_terminal.h"
#include "ui/status_bar.h"

namespace m27::testing {
namespace {

QWidget* loaded(const MainWindow& w, const QString& name) {
  if (name == "Form3") return w.Form3();
  if (name == "Form4") return w.Form4();
  if (name == "Form6") return w.Form6();
  return nullptr;
}

int windows_named(const QString& name) {
  const auto windows = QApplication::topLevelWidgets();
  return static_cast<int>(std::count_if(windows.begin(), windows.end(), [&](QWidget* window) {
    return window->objectName() == name;
  }));
}

QList<QWidget*> visible_windows() {
  QList<QWidget*> visible;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) visible << window;
  }
  return visible;
}

// The buttons of the three dialogs that start an exchange.
QList<QPushButton*> service_buttons(const MainWindow& w) {
  return {button(w.Form3(), "Command1"), button(w.Form3(), "Command2"),
          button(w.Form4(), "Command1"), button(w.Form4(), "Command2"),
          button(w.Form4(), "Command3"), button(w.Form4(), "Command4"),
          button(w.Form6(), "Command1"), button(w.Form6(), "Command2")};
}

bool all_enabled(const QList<QPushButton*>& buttons, bool enabled) {
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
  void a_closed_dialog_opens_anew();
  void the_exit_closes_the_dialogs();
  void items_without_a_command_do_nothing_data();
  void items_without_a_command_do_nothing();
  void the_service_buttons_wait_for_a_main_read();
  void the_main_transfers_wait_for_a_service_exchange();
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
  QVERIFY(!loaded(*w, dialog));
  action(*w, item)->trigger();
  action(*w, item)->trigger();
  QWidget* shown = loaded(*w, dialog);
  QVERIFY(shown);
  QCOMPARE(windows_named(dialog), 1);
  QVERIFY(shown->isVisible());
  QVERIFY(shown->isWindow());
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
  QCOMPARE(windows_named("Form3") + windows_named("Form4") + windows_named("Form6"), 3);
}

void DialogDispatchTest::a_closed_dialog_opens_anew() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  RadioIdDialog* Form6 = open_Form6(*w);
  text(Form6, "Text2")->setText(QStringLiteral("5"));
  Form6->close();
  QTRY_VERIFY(!w->Form6());
  QCOMPARE(windows_named("Form6"), 0);
  QCOMPARE(text(open_Form6(*w), "Text2")->text(), QStringLiteral("0"));
}

void DialogDispatchTest::the_exit_closes_the_dialogs() {
  RecordingMessageBoxes boxes;
  boxes.answer_yes = true;
  const auto w = make_window(boxes);
  open_all(*w);
  QVERIFY(w->close());
  QCOMPARE(visible_windows(), QList<QWidget*>{});
}

void DialogDispatchTest::items_without_a_command_do_nothing_data() {
  QTest::addColumn<QString>("item");
  QTest::newRow("qita") << "qita";
  QTest::newRow("bt_2") << "bt_2";
  QTest::newRow("xbm27") << "xbm27";
}

void DialogDispatchTest::items_without_a_command_do_nothing() {
  QFETCH(QString, item);
  PseudoTerminal pty;
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, com1_on(pty.device()));
  const Sheet before = w->sheet();
  const QString status = w->StatusBar1()->panel1();
  const auto windows = visible_windows();
  action(*w, item)->trigger();
  QVERIFY(boxes.shown.empty());
  QCOMPARE(visible_windows(), windows);
  QVERIFY(w->sheet() == before);
  QCOMPARE(w->StatusBar1()->panel1(), status);
  QVERIFY(w->serial_port().is_open());
  QVERIFY(!w->exchange_running());
  QVERIFY(action(*w, "bt_2")->isChecked());
  QVERIFY(action(*w, "xbm27")->isChecked());
}

void DialogDispatchTest::the_service_buttons_wait_for_a_main_read() {
  RadioBench bench;
  MainWindow& w = *bench.window;
  open_all(w);
  QVERIFY(all_enabled(service_buttons(w), true));
  w.Command2()->click();
  QVERIFY(w.exchange_running());
  QVERIFY(all_enabled(service_buttons(w), false));
  w.Form6()->close();
  QTRY_VERIFY(!w.Form6());
  QVERIFY2(!button(open_Form6(w), "Command1")->isEnabled(), "opened during the read");

  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读写完成", "读频完成"}), kRadioPatienceMs);
  QTRY_VERIFY(all_enabled(service_buttons(w), true));
}

void DialogDispatchTest::the_main_transfers_wait_for_a_service_exchange() {
  RadioBench bench;
  MainWindow& w = *bench.window;
  const EngineeringDialog* Form3 = open_Form3(w);
  button(Form3, "Command1")->click();
  QVERIFY(!w.Command1()->isEnabled());
  QVERIFY(!w.Command2()->isEnabled());
  QVERIFY(!action(w, "WriteChn")->isEnabled());
  QVERIFY(!action(w, "StartWrite")->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
  QVERIFY(w.Command1()->isEnabled());
  QVERIFY(w.Command2()->isEnabled());
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::DialogDispatchTest)
#include "dialog_dispatch_test.moc"
