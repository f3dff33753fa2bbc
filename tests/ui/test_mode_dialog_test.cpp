// `Form4`, test mode: the packets of m27-fake-radio's two measurement streams shown as they
// arrive, the stop, and the dialog loaded by a stream that finds it closed.

#include "channels/codec.h"
#include "dialog_test_support.h"
#include "service/colours.h"
#include "service/monitor_command.h"
#include "ui/lamp.h"

namespace m27::testing {
namespace {

// The receiver group as shown: Text1 .. Text4.
QString receiver_values(const QWidget* Form4) {
  return QStringList{text(Form4, "Text1")->text(), text(Form4, "Text2")->text(),
                     text(Form4, "Text3")->text(), text(Form4, "Text4")->text()}
      .join(QLatin1Char(' '));
}

// The battery group as shown: the lamp ("red" or "green") and Text5.
QString battery_values(const QWidget* Form4) {
  const std::uint32_t lamp = child<Lamp>(*Form4, "Shape1")->fill_colour();
  const QString colour = lamp == kRed     ? QStringLiteral("red")
                         : lamp == kGreen ? QStringLiteral("green")
                                          : QString::number(lamp, 16);
  return colour + QLatin1Char(' ') + text(Form4, "Text5")->text();
}

// What a group showed each time its last field was written, in order.
QStringList* history(QLineEdit* last_field, std::function<QString()> shown) {
  auto* values = new QStringList;
  QObject::connect(last_field, &QLineEdit::textChanged, last_field,
                   [values, shown = std::move(shown)] { *values << shown(); });
  QObject::connect(last_field, &QObject::destroyed, [values] { delete values; });
  return values;
}

const QString kStopRequest = QStringLiteral("<- 55 01 00 56");

}  // namespace

class TestModeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_both_streams_until_they_are_stopped() {
    RadioBench bench({"--log"});
    MainWindow& w = *bench.window;

    // A stream loads the dialog, hidden, when it finds it closed; closing does not stop it.
    QVERIFY(w.start_exchange(std::make_unique<MonitorCommand>(MonitorButton::StartRssi)));
    QTRY_VERIFY_WITH_TIMEOUT(w.Form4() && text(w.Form4(), "Text1")->text() != "0",
                             kRadioPatienceMs);
    QVERIFY(!w.Form4()->isVisible());
    open_Form4(w)->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w.Form4(), kRadioPatienceMs);
    QTRY_VERIFY_WITH_TIMEOUT(w.Form4() && text(w.Form4(), "Text1")->text() != "0",
                             kRadioPatienceMs);
    QVERIFY(!w.Form4()->isVisible());
    const TestModeDialog* Form4 = open_Form4(w);
    QVERIFY(Form4->isVisible());
    button(Form4, "Command2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.count_in_log(kStopRequest), 1, kRadioPatienceMs);
    QTRY_VERIFY_WITH_TIMEOUT(!w.exchange_running(), kRadioPatienceMs);

    // Each start begins the radio's stream anew. Battery packet 10, a second after packet 0, is the
    // first without charging.
    const QStringList& battery =
        *history(text(Form4, "Text5"), [Form4] { return battery_values(Form4); });
    button(Form4, "Command3")->click();
    QTRY_VERIFY_WITH_TIMEOUT(battery.contains(QStringLiteral("green 41960")), kRadioPatienceMs);
    QCOMPARE(battery.front(), QStringLiteral("red 1000"));
    QCOMPARE(battery.indexOf(QStringLiteral("green 41960")), 10);
    button(Form4, "Command4")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w.exchange_running(), kRadioPatienceMs);

    text(Form4, "Text4")->setText(QStringLiteral("0"));  // packet 0 may repeat the last one shown
    const QStringList& receiver =
        *history(text(Form4, "Text4"), [Form4] { return receiver_values(Form4); });
    button(Form4, "Command1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(receiver.size() >= 3, kRadioPatienceMs);
    QCOMPARE(receiver.mid(0, 3),
             (QStringList{"40 300 5 9", "41 4396 65531 12", "42 8492 65521 15"}));
    button(Form4, "Command2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.count_in_log(kStopRequest), 2, kRadioPatienceMs);
    QTRY_VERIFY_WITH_TIMEOUT(!w.exchange_running(), kRadioPatienceMs);
    const auto shown_before_stop = receiver.size();

    // A request made after the stop has been answered: the radio has had its time to stream on.
    button(open_Form6(w), "Command2")->click();
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
    QCOMPARE(receiver.size(), shown_before_stop);
    QCOMPARE(bench.boxes.texts(), QStringList{"读取 OK"});
    bench.radio.stop();
    const QStringList log = QString::fromUtf8(bench.radio.log()).split(QLatin1Char('\n'));
    const QStringList after_stop = log.mid(log.lastIndexOf(kStopRequest) + 1);
    QVERIFY(std::none_of(after_stop.begin(), after_stop.end(),
                         [](const QString& line) { return line.startsWith("-> 3D"); }));
  }

  // The stream goes on after its window has closed; the read stops it first and reads exactly.
  void a_read_after_closing_the_window_on_a_stream_is_exact() {
    RadioBench bench({"--log"});
    MainWindow& w = *bench.window;
    button(open_Form4(w), "Command1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(text(w.Form4(), "Text1")->text() != "0", kRadioPatienceMs);
    w.Form4()->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w.exchange_running(), kRadioPatienceMs);
    child<QPushButton>(w, "Command2")->click();
    QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读写完成", "读频完成"}), kRadioPatienceMs);
    QCOMPARE(bench.radio.count_in_log(kStopRequest), 1);
    const auto memory = bench.radio.memory();
    QVERIFY(memory);
    QCOMPARE(memory->options, *encode_options(w.sheet()));
    for (int i = 0; i < kRows; ++i) QCOMPARE(memory->channels[i], *encode_channel(w.sheet(), i));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TestModeDialogTest)
#include "test_mode_dialog_test.moc"
