// `Form6`, radio ID: IDs written into and read from m27-fake-radio, the series advance, the
// refused inputs, the key filter and the lamp.

#include <QGroupBox>
#include <QLabel>

#include "dialog_test_support.h"
#include "service/colours.h"
#include "support/pseudo_terminal.h"
#include "ui/bgr_colour.h"
#include "ui/status_bar.h"

namespace m27::testing {
namespace {

const QColor kRedLamp = from_bgr(kRed);
const QColor kGreenLamp = from_bgr(kGreen);

// The ID field and the success count: "Text1 Text2".
QString fields(const QWidget* Form6) {
  return text(Form6, "Text1")->text() + QLatin1Char(' ') + text(Form6, "Text2")->text();
}

// Presses "写ID" with `id` typed and waits until Command1 comes back.
void write_id(RadioIdDialog* Form6, const QString& id) {
  text(Form6, "Text1")->setText(id);
  button(Form6, "Command1")->click();
  QTRY_VERIFY_WITH_TIMEOUT(button(Form6, "Command1")->isEnabled(), kRadioPatienceMs);
}

}  // namespace

class RadioIdDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void loads_with_zeros();
  void the_key_filter_lets_digits_through_data();
  void the_key_filter_lets_digits_through();
  void enter_moves_on_to_write();
  void a_write_advances_the_id_data();
  void a_write_advances_the_id();
  void two_writes_from_100_leave_102_and_2();
  void the_lamp_is_grey_while_the_write_is_out();
  void refuses_an_id_that_is_no_32_bit_number_data();
  void refuses_an_id_that_is_no_32_bit_number();
  void a_write_to_a_silent_radio_fails();
  void reads_the_radios_id();
  void read_asks_for_the_port_when_it_is_closed();
};

void RadioIdDialogTest::loads_with_zeros() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  const RadioIdDialog* Form6 = open_Form6(*w);
  QCOMPARE(Form6->windowTitle(), QStringLiteral("输入ID"));
  QCOMPARE(child<QGroupBox>(*Form6, "ID")->title(), QStringLiteral("ID"));
  QCOMPARE(child<QLabel>(*Form6, "Label1")->text(), QStringLiteral("ID"));
  QCOMPARE(child<QLabel>(*Form6, "Label2")->text(), QStringLiteral("成功数"));
  QCOMPARE(child<QLabel>(*Form6, "Label3")->text(), QStringLiteral("(十进制)"));
  QCOMPARE(button(Form6, "Command1")->text(), QStringLiteral("写ID"));
  QCOMPARE(button(Form6, "Command2")->text(), QStringLiteral("读ID"));
  QCOMPARE(fields(Form6), QStringLiteral("0 0"));
  QCOMPARE(text(Form6, "Text1")->maxLength(), 10);
}

void RadioIdDialogTest::the_key_filter_lets_digits_through_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::newRow("digits") << "0123456789"
                          << "0123456789";
  QTest::newRow("eleven digits") << "12345678901"
                                 << "1234567890";  // at most 10 characters
  QTest::newRow("letters") << "1a2B3"
                           << "123";
  QTest::newRow("sign, blank, point") << "-4 5.6+"
                                      << "456";
  QTest::newRow("wide characters") << "7十8"
                                   << "78";
}

void RadioIdDialogTest::the_key_filter_lets_digits_through() {
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QLineEdit* Text1 = text(open_Form6(*w), "Text1");
  Text1->clear();
  type_text(Text1, typed);
  QCOMPARE(Text1->text(), kept);
  QTest::keyClick(Text1, Qt::Key_Backspace);
  QCOMPARE(Text1->text(), kept.chopped(1));
}

void RadioIdDialogTest::enter_moves_on_to_write() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  RadioIdDialog* Form6 = open_Form6(*w);
  QVERIFY(QTest::qWaitForWindowActive(Form6));
  text(Form6, "Text1")->setFocus();
  QTest::keyClick(text(Form6, "Text1"), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), button(Form6, "Command1"));
  QCOMPARE(text(Form6, "Text1")->text(), QStringLiteral("0"));
  QVERIFY(boxes.shown.empty());
}

void RadioIdDialogTest::a_write_advances_the_id_data() {
  QTest::addColumn<QString>("id");
  QTest::addColumn<uint>("held");
  QTest::addColumn<QString>("next");
  QTest::newRow("0") << "0" << 0u << "1";
  QTest::newRow("40000") << "40000" << 40000u << "40001";
  QTest::newRow("leading zeros") << "0042" << 42u << "43";
  QTest::newRow("the largest") << "4294967295" << 4294967295u << "0";
}

void RadioIdDialogTest::a_write_advances_the_id() {
  QFETCH(QString, id);
  QFETCH(uint, held);
  QFETCH(QString, next);
  RadioBench bench;
  RadioIdDialog* Form6 = open_Form6(*bench.window);
  write_id(Form6, id);
  QCOMPARE(fields(Form6), next + QStringLiteral(" 1"));
  QCOMPARE(background(text(Form6, "Text1")), kGreenLamp);
  QCOMPARE(Form6->focusWidget(), button(Form6, "Command1"));
  QVERIFY(bench.boxes.shown.empty());
  const auto memory = bench.radio.memory();
  QVERIFY(memory);
  QCOMPARE(memory->id, held);
}

void RadioIdDialogTest::two_writes_from_100_leave_102_and_2() {
  RadioBench bench;
  RadioIdDialog* Form6 = open_Form6(*bench.window);
  write_id(Form6, QStringLiteral("100"));
  button(Form6, "Command1")->click();
  QTRY_VERIFY_WITH_TIMEOUT(button(Form6, "Command1")->isEnabled(), kRadioPatienceMs);
  QCOMPARE(fields(Form6), QStringLiteral("102 2"));

  button(Form6, "Command2")->click();
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
  QCOMPARE(fields(Form6), QStringLiteral("101 2"));
  const auto memory = bench.radio.memory();
  QVERIFY(memory);
  QCOMPARE(memory->id, 101u);
}

void RadioIdDialogTest::the_lamp_is_grey_while_the_write_is_out() {
  PseudoTerminal pty;  // nobody answers
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, com1_on(pty.device()));
  RadioIdDialog* Form6 = open_Form6(*w);
  text(Form6, "Text1")->setText(QStringLiteral("7"));
  button(Form6, "Command1")->click();
  QVERIFY(w->exchange_running());
  QCOMPARE(background(text(Form6, "Text1")), Form6->preparing_colour());
  QVERIFY(!button(Form6, "Command1")->isEnabled());
  QVERIFY(!button(Form6, "Command2")->isEnabled());
  QVERIFY(!w->Command2()->isEnabled());
}

void RadioIdDialogTest::refuses_an_id_that_is_no_32_bit_number_data() {
  QTest::addColumn<QString>("id");
  QTest::newRow("empty") << "";                 // no number at all
  QTest::newRow("9999999999") << "9999999999";  // ten digits that fit the field but not 32 bits
  QTest::newRow("4294967296") << "4294967296";  // one more than the largest ID
  QTest::newRow("pasted sign") << "-1";         // the key filter does not see a pasted text
}

void RadioIdDialogTest::refuses_an_id_that_is_no_32_bit_number() {
  QFETCH(QString, id);
  PseudoTerminal pty;  // an open port, so a request would go out and wait
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, com1_on(pty.device()));
  RadioIdDialog* Form6 = open_Form6(*w);
  text(Form6, "Text1")->setText(id);
  button(Form6, "Command1")->click();
  QCOMPARE(texts_shown(boxes), QStringList{"ID 输入错误，请重新输入"});
  QCOMPARE(boxes.shown[0].message, attention("ID 输入错误，请重新输入"));
  QVERIFY2(!w->exchange_running(), "nothing is sent");
  QCOMPARE(background(text(Form6, "Text1")), kRedLamp);
  QCOMPARE(fields(Form6), id + QStringLiteral(" 0"));
  QVERIFY(button(Form6, "Command1")->isEnabled());
  QCOMPARE(Form6->focusWidget(), button(Form6, "Command1"));
}

void RadioIdDialogTest::a_write_to_a_silent_radio_fails() {
  RadioBench bench({"--fault", "silent"});
  RadioIdDialog* Form6 = open_Form6(*bench.window);
  write_id(Form6, QStringLiteral("100"));
  QCOMPARE(texts_shown(bench.boxes), QStringList{"写ID 通讯失败"});
  QCOMPARE(bench.window->StatusBar1()->panel1(), QStringLiteral("通讯失败"));
  QCOMPARE(background(text(Form6, "Text1")), kRedLamp);
  QCOMPARE(fields(Form6), QStringLiteral("100 0"));
  QCOMPARE(Form6->focusWidget(), button(Form6, "Command1"));
}

void RadioIdDialogTest::reads_the_radios_id() {
  RadioBench bench;
  RadioIdDialog* Form6 = open_Form6(*bench.window);
  button(Form6, "Command2")->click();
  QVERIFY(!button(Form6, "Command2")->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(button(Form6, "Command2")->isEnabled(), kRadioPatienceMs);
  QCOMPARE(fields(Form6), QStringLiteral("12345678 0"));  // the radio's factory ID
  QCOMPARE(texts_shown(bench.boxes), QStringList{"读取 OK"});
  QCOMPARE(background(text(Form6, "Text1")), kGreenLamp);
}

void RadioIdDialogTest::read_asks_for_the_port_when_it_is_closed() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);  // com1 leads nowhere
  RadioIdDialog* Form6 = open_Form6(*w);
  const QColor before = background(text(Form6, "Text1"));
  button(Form6, "Command2")->click();
  QCOMPARE(texts_shown(boxes), QStringList{"请打开通信端口"});
  QVERIFY(button(Form6, "Command2")->isEnabled());
  QCOMPARE(background(text(Form6, "Text1")), before);
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::RadioIdDialogTest)
#include "radio_id_dialog_test.moc"
