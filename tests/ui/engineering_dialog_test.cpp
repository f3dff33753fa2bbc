// `Form3`, engineering mode: the two RSSI calibration values read from m27-fake-radio, shown in
// the texts and the scrollbars, and sent back with "调整".

#include <QScrollBar>

#include "dialog_test_support.h"
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

}  // namespace

class EngineeringDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void reads_adjusts_and_reads_again() {
    RadioBench bench;
    const EngineeringDialog* Form3 = open_Form3(*bench.window);
    QCOMPARE(shown_values(Form3), QStringLiteral("42 42 40 40"));
    QCOMPARE(scrollbar(Form3, "HScroll2")->minimum(), 21);
    QCOMPARE(scrollbar(Form3, "HScroll2")->maximum(), 99);
    button(Form3, "Command1")->click();
    QVERIFY(!button(Form3, "Command1")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
    QCOMPARE(shown_values(Form3), QStringLiteral("45 45 43 43"));  // the radio's factory values
    QVERIFY(button(Form3, "Command1")->isEnabled());

    scrollbar(Form3, "HScroll1")->setValue(50);           // the scrollbar writes its text
    text(Form3, "Text2")->setText(QStringLiteral("60"));  // typed: the scrollbar stays at 43
    QCOMPARE(shown_values(Form3), QStringLiteral("50 50 43 60"));
    button(Form3, "Command2")->click();
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"OK", "调整"}), kRadioPatienceMs);

    scrollbar(Form3, "HScroll1")->setValue(30);
    scrollbar(Form3, "HScroll2")->setValue(30);
    button(Form3, "Command1")->click();
    QTRY_COMPARE_WITH_TIMEOUT(bench.boxes.texts(), (QStringList{"读取 OK", "OK", "读取 OK"}),
                              kRadioPatienceMs);
    QCOMPARE(shown_values(Form3), QStringLiteral("50 50 60 60"));
    QVERIFY(bench.window->Timer1()->enabled());
    const auto memory = bench.radio.memory();
    QVERIFY(memory);
    QCOMPARE(memory->rssi_narrow, 50);
    QCOMPARE(memory->rssi_wide, 60);
  }

  void adjust_refuses_a_value_that_is_no_byte() {
    PseudoTerminal pty;  // an open port, so a request would go out and wait
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes, com1_on(pty.device()));
    const EngineeringDialog* Form3 = open_Form3(*w);
    const struct {
      const char* narrow;
      const char* wide;
    } kBad[] = {
        {"", "40"},     // no number at all
        {"42", "256"},  // one more than a byte holds
    };
    for (const auto& bad : kBad) {
      boxes.shown.clear();
      text(Form3, "Text1")->setText(QString::fromLatin1(bad.narrow));
      text(Form3, "Text2")->setText(QString::fromLatin1(bad.wide));
      button(Form3, "Command2")->click();
      QCOMPARE(boxes.texts(), QStringList{"RSSI 输入错误，请重新输入"});
      QCOMPARE(boxes.shown[0].message, attention("RSSI 输入错误，请重新输入"));
      QVERIFY2(!w->exchange_running(), "nothing is sent");
      QCOMPARE(w->serial_port().port().bytesToWrite(), 0);
      QVERIFY(w->Timer1()->enabled() && w->Timer2()->enabled());
      QVERIFY(button(Form3, "Command2")->isEnabled() && w->Command2()->isEnabled());
    }
  }

  void a_silent_radio_is_asked_three_times() {
    RadioBench bench({"--fault", "silent", "--log"});
    const EngineeringDialog* Form3 = open_Form3(*bench.window);
    button(Form3, "Command1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取超时"}), kRadioPatienceMs);
    QCOMPARE(bench.boxes.texts(), QStringList{"读取超时"});
    QCOMPARE(shown_values(Form3), QStringLiteral("42 42 40 40"));
    QVERIFY(button(Form3, "Command1")->isEnabled());

    button(Form3, "Command2")->click();
    QVERIFY(!bench.window->Timer2()->enabled());
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"通讯失败"}), kRadioPatienceMs);
    QCOMPARE(bench.boxes.texts(), (QStringList{"读取超时", "通讯失败"}));
    QCOMPARE(bench.window->StatusBar1()->panel1(), QStringLiteral("通讯失败"));
    QVERIFY(bench.window->Timer1()->enabled() && bench.window->Timer2()->enabled());
    QVERIFY(button(Form3, "Command2")->isEnabled());
    bench.radio.stop();
    QCOMPARE(bench.radio.count_in_log(QStringLiteral("<- 54 03 00 00 07 5E")), 3);
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::EngineeringDialogTest)
#include "engineering_dialog_test.moc"
