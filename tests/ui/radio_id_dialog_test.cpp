// `Form6`, radio ID: IDs written into and read from m27-fake-radio, the series advance, the
// refused inputs, the key filter and the lamp.

#include "dialog_test_support.h"
#include "service/colours.h"
#include "support/pseudo_terminal.h"
#include "ui/bgr_colour.h"

namespace m27::testing {
namespace {

// The ID field and the success count: "Text1 Text2".
QString fields(const QWidget* Form6) {
  return text(Form6, "Text1")->text() + QLatin1Char(' ') + text(Form6, "Text2")->text();
}

}  // namespace

class RadioIdDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void reads_then_writes_a_series_from_100() {
    RadioBench bench;
    RadioIdDialog* Form6 = open_Form6(*bench.window);
    QCOMPARE(fields(Form6), QStringLiteral("0 0"));
    button(Form6, "Command2")->click();
    QVERIFY(!button(Form6, "Command2")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button(Form6, "Command2")->isEnabled(), kRadioPatienceMs);
    QCOMPARE(fields(Form6), QStringLiteral("12345678 0"));  // the radio's factory ID
    QCOMPARE(bench.boxes.texts(), QStringList{"读取 OK"});
    QCOMPARE(background(text(Form6, "Text1")), from_bgr(kGreen));

    text(Form6, "Text1")->setText(QStringLiteral("100"));
    for (const char* after : {"101 1", "102 2"}) {
      button(Form6, "Command1")->click();
      QVERIFY(bench.window->exchange_running());
      QCOMPARE(background(text(Form6, "Text1")), Form6->preparing_colour());
      QVERIFY(!button(Form6, "Command1")->isEnabled() && !button(Form6, "Command2")->isEnabled());
      QVERIFY(!bench.window->Command2()->isEnabled());
      QTRY_VERIFY_WITH_TIMEOUT(button(Form6, "Command1")->isEnabled(), kRadioPatienceMs);
      QCOMPARE(fields(Form6), QString::fromLatin1(after));
      QCOMPARE(background(text(Form6, "Text1")), from_bgr(kGreen));
      QCOMPARE(Form6->focusWidget(), button(Form6, "Command1"));
    }
    button(Form6, "Command2")->click();
    QTRY_VERIFY_WITH_TIMEOUT(button(Form6, "Command2")->isEnabled(), kRadioPatienceMs);
    QCOMPARE(fields(Form6), QStringLiteral("101 2"));
    QCOMPARE(bench.boxes.texts(), (QStringList{"读取 OK", "读取 OK"}));
    const auto memory = bench.radio.memory();
    QVERIFY(memory);
    QCOMPARE(memory->id, 101u);
  }

  void refuses_an_id_that_is_no_32_bit_number() {
    PseudoTerminal pty;  // an open port, so a request would go out and wait
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes, com1_on(pty.device()));
    RadioIdDialog* Form6 = open_Form6(*w);
    for (const char* id : {
             "",            // no number at all
             "9999999999",  // ten digits that fit the field but not 32 bits
         }) {
      boxes.shown.clear();
      text(Form6, "Text1")->setText(QString::fromLatin1(id));
      button(Form6, "Command1")->click();
      QCOMPARE(boxes.texts(), QStringList{"ID 输入错误，请重新输入"});
      QCOMPARE(boxes.shown[0].message, attention("ID 输入错误，请重新输入"));
      QVERIFY2(!w->exchange_running(), "nothing is sent");
      QCOMPARE(background(text(Form6, "Text1")), from_bgr(kRed));
      QCOMPARE(fields(Form6), QString::fromLatin1(id) + QStringLiteral(" 0"));
      QVERIFY(button(Form6, "Command1")->isEnabled());
    }
  }

  void the_key_filter_lets_digits_through_and_enter_moves_on() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    RadioIdDialog* Form6 = open_Form6(*w);
    QVERIFY(QTest::qWaitForWindowActive(Form6));
    QLineEdit* Text1 = text(Form6, "Text1");
    Text1->clear();
    type_text(Text1, QStringLiteral("1a-2 十3.4567890123"));
    QCOMPARE(Text1->text(), QStringLiteral("1234567890"));  // digits only, at most 10
    QTest::keyClick(Text1, Qt::Key_Backspace);
    QCOMPARE(Text1->text(), QStringLiteral("123456789"));
    Text1->setFocus();
    QTest::keyClick(Text1, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button(Form6, "Command1"));
    QVERIFY(boxes.shown.empty());
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::RadioIdDialogTest)
#include "radio_id_dialog_test.moc"
