// `Form3`, engineering mode: the two RSSI calibration values read from m27-fake-radio, shown in
// the texts and the scrollbars, and sent back with "调整".

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

#include "dialog_test_support.h"
#include "service/rx_data.h"
#include "support/pseudo_terminal.h"
#include "ui/form_timer.h"
#include "ui/status_bar.h"

namespace m27::testing {
namespace {

QScrollBar* scrollbar(const QWidget* dialog, const char* name) {
  return child<QScrollBar>(*dialog, QString::fromLatin1(name));
}

// The two values as the dialog shows them: HScroll1, Text1, HScroll2, Text2.
QString shown_values(const QWidget* Form3) {
  return QStringLiteral("%1 %2 %3 %4")
      .arg(scrollbar(Form3, "HScroll1")->value())
      .arg(text(Form3, "Text1")->text())
      .arg(scrollbar(Form3, "HScroll2")->value())
      .arg(text(Form3, "Text2")->text());
}

const QString kReadRequest = QStringLiteral("<- 54 03 00 00 07 5E");

}  // namespace

class EngineeringDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void loads_with_42_and_40();
  void a_scrollbar_writes_its_text_typing_leaves_the_scrollbar();
  void display_RSSI_shows_the_reply_data();
  void display_RSSI_shows_the_reply();
  void reads_the_radios_values();
  void adjust_leaves_the_typed_values_in_the_radio();
  void adjust_refuses_a_value_that_is_no_byte_data();
  void adjust_refuses_a_value_that_is_no_byte();
  void read_asks_three_times_then_times_out();
  void adjust_of_a_silent_radio_fails();
  void read_asks_for_the_port_when_it_is_closed();
};

void EngineeringDialogTest::loads_with_42_and_40() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  const EngineeringDialog* Form3 = open_Form3(*w);
  QCOMPARE(Form3->windowTitle(), QStringLiteral("工程模式"));
  QCOMPARE(button(Form3, "Command1")->text(), QStringLiteral("数据读取"));
  QCOMPARE(button(Form3, "Command2")->text(), QStringLiteral("调整"));
  QCOMPARE(child<QGroupBox>(*Form3, "Frame1")->title(), QStringLiteral("RSSI调整"));
  QCOMPARE(child<QLabel>(*Form3, "Label1")->text(), QStringLiteral("RSSI窄带"));
  QCOMPARE(child<QLabel>(*Form3, "Label2")->text(), QStringLiteral("RSSI宽带"));
  for (const char* name : {"HScroll1", "HScroll2"}) {
    QCOMPARE(scrollbar(Form3, name)->minimum(), 21);
    QCOMPARE(scrollbar(Form3, name)->maximum(), 99);
  }
  QCOMPARE(shown_values(Form3), QStringLiteral("42 42 40 40"));
}

void EngineeringDialogTest::a_scrollbar_writes_its_text_typing_leaves_the_scrollbar() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  const EngineeringDialog* Form3 = open_Form3(*w);
  scrollbar(Form3, "HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  scrollbar(Form3, "HScroll2")->setValue(99);
  QCOMPARE(shown_values(Form3), QStringLiteral("43 43 99 99"));
  text(Form3, "Text1")->clear();
  type_text(text(Form3, "Text1"), QStringLiteral("77"));
  QCOMPARE(shown_values(Form3), QStringLiteral("43 77 99 99"));
}

void EngineeringDialogTest::display_RSSI_shows_the_reply_data() {
  QTest::addColumn<int>("narrow");
  QTest::addColumn<int>("wide");
  QTest::addColumn<QString>("shown");
  QTest::newRow("inside the scrollbars") << 50 << 60 << "50 50 60 60";
  QTest::newRow("at the ends") << 21 << 99 << "21 21 99 99";
  // The radio's value stays readable; the scrollbar stops at its nearer end.
  QTest::newRow("below and above the scrollbars") << 10 << 200 << "21 10 99 200";
  QTest::newRow("the byte's ends") << 0 << 255 << "21 0 99 255";
}

void EngineeringDialogTest::display_RSSI_shows_the_reply() {
  QFETCH(int, narrow);
  QFETCH(int, wide);
  QFETCH(QString, shown);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  EngineeringDialog* Form3 = open_Form3(*w);
  RxData rx_data{};
  rx_data[2] = static_cast<std::uint8_t>(narrow);
  rx_data[3] = static_cast<std::uint8_t>(wide);
  Form3->display_RSSI(rx_data);
  QCOMPARE(shown_values(Form3), shown);
}

void EngineeringDialogTest::reads_the_radios_values() {
  RadioBench bench;
  const EngineeringDialog* Form3 = open_Form3(*bench.window);
  button(Form3, "Command1")->click();
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
  QCOMPARE(shown_values(Form3), QStringLiteral("45 45 43 43"));  // the radio's factory values
  QCOMPARE(texts_shown(bench.boxes), QStringList{"读取 OK"});
  QVERIFY(button(Form3, "Command1")->isEnabled());
  QVERIFY(bench.window->Timer1()->enabled());
}

void EngineeringDialogTest::adjust_leaves_the_typed_values_in_the_radio() {
  RadioBench bench;
  const EngineeringDialog* Form3 = open_Form3(*bench.window);
  scrollbar(Form3, "HScroll1")->setValue(50);
  text(Form3, "Text2")->setText(QStringLiteral("60"));  // typed: the scrollbar stays at 40
  button(Form3, "Command2")->click();
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"OK", "调整"}), kRadioPatienceMs);

  scrollbar(Form3, "HScroll1")->setValue(30);
  scrollbar(Form3, "HScroll2")->setValue(30);
  button(Form3, "Command1")->click();
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
  QCOMPARE(shown_values(Form3), QStringLiteral("50 50 60 60"));

  const auto memory = bench.radio.memory();
  QVERIFY(memory);
  QCOMPARE(memory->rssi_narrow, 50);
  QCOMPARE(memory->rssi_wide, 60);
}

void EngineeringDialogTest::adjust_refuses_a_value_that_is_no_byte_data() {
  QTest::addColumn<QString>("narrow");
  QTest::addColumn<QString>("wide");
  QTest::newRow("empty") << ""
                         << "40";  // no number at all
  QTest::newRow("256") << "42"
                       << "256";  // one more than a byte holds
  QTest::newRow("sign") << "-1"
                        << "40";  // a sign is not a digit
  QTest::newRow("blank") << "4 2"
                         << "40";  // a blank inside the number
  QTest::newRow("point") << "42"
                         << "40.0";  // no fractions
  QTest::newRow("letters") << "x"
                           << "40";  // not a number
}

void EngineeringDialogTest::adjust_refuses_a_value_that_is_no_byte() {
  QFETCH(QString, narrow);
  QFETCH(QString, wide);
  PseudoTerminal pty;  // an open port, so a request would go out and wait
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, com1_on(pty.device()));
  const EngineeringDialog* Form3 = open_Form3(*w);
  text(Form3, "Text1")->setText(narrow);
  text(Form3, "Text2")->setText(wide);
  button(Form3, "Command2")->click();
  QCOMPARE(texts_shown(boxes), QStringList{"RSSI 输入错误，请重新输入"});
  QCOMPARE(boxes.shown[0].message, attention("RSSI 输入错误，请重新输入"));
  QVERIFY2(!w->exchange_running(), "nothing is sent");
  QCOMPARE(w->serial_port().port().bytesToWrite(), 0);
  QVERIFY(w->Timer1()->enabled());
  QVERIFY(w->Timer2()->enabled());
  QVERIFY(button(Form3, "Command2")->isEnabled());
  QVERIFY(w->Command2()->isEnabled());
}

void EngineeringDialogTest::read_asks_three_times_then_times_out() {
  RadioBench bench({"--fault", "silent", "--log"});
  const EngineeringDialog* Form3 = open_Form3(*bench.window);
  button(Form3, "Command1")->click();
  QVERIFY(!button(Form3, "Command1")->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取超时"}), kRadioPatienceMs);
  QCOMPARE(texts_shown(bench.boxes), QStringList{"读取超时"});
  QCOMPARE(shown_values(Form3), QStringLiteral("42 42 40 40"));
  QVERIFY(button(Form3, "Command1")->isEnabled());
  bench.radio.stop();
  QCOMPARE(bench.radio.count_in_log(kReadRequest), 3);
}

void EngineeringDialogTest::adjust_of_a_silent_radio_fails() {
  RadioBench bench({"--fault", "silent"});
  const EngineeringDialog* Form3 = open_Form3(*bench.window);
  button(Form3, "Command2")->click();
  QVERIFY(!bench.window->Timer2()->enabled());
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"通讯失败"}), kRadioPatienceMs);
  QCOMPARE(texts_shown(bench.boxes), QStringList{"通讯失败"});
  QCOMPARE(bench.window->StatusBar1()->panel1(), QStringLiteral("通讯失败"));
  QVERIFY(bench.window->Timer1()->enabled());
  QVERIFY(bench.window->Timer2()->enabled());
  QVERIFY(button(Form3, "Command2")->isEnabled());
}

void EngineeringDialogTest::read_asks_for_the_port_when_it_is_closed() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);  // com1 leads nowhere
  const EngineeringDialog* Form3 = open_Form3(*w);
  button(Form3, "Command1")->click();
  QCOMPARE(texts_shown(boxes), QStringList{"请打开通信端口"});
  QVERIFY(!w->exchange_running());
  QVERIFY(button(Form3, "Command1")->isEnabled());
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::EngineeringDialogTest)
#include "engineering_dialog_test.moc"
