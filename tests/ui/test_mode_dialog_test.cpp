// `Form4`, test mode: the packets of m27-fake-radio's two measurement streams shown as they
// arrive, the stop, and the dialog loaded by a stream that finds it closed.

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>

#include "dialog_test_support.h"
#include "service/colours.h"
#include "service/monitor_command.h"
#include "service/rx_data.h"
#include "ui/lamp.h"

namespace m27::testing {
namespace {

Lamp* Shape1(const QWidget* Form4) { return child<Lamp>(*Form4, "Shape1"); }

// The receiver group as shown: Text1 .. Text4.
QString receiver_values(const QWidget* Form4) {
  return QStringList{text(Form4, "Text1")->text(), text(Form4, "Text2")->text(),
                     text(Form4, "Text3")->text(), text(Form4, "Text4")->text()}
      .join(QLatin1Char(' '));
}

// The battery group as shown: the lamp ("red" or "green") and Text5.
QString battery_values(const QWidget* Form4) {
  const std::uint32_t lamp = Shape1(Form4)->fill_colour();
  const QString colour = lamp == kRed     ? QStringLiteral("red")
                         : lamp == kGreen ? QStringLiteral("green")
                                          : QString::number(lamp, 16);
  return colour + QLatin1Char(' ') + text(Form4, "Text5")->text();
}

// What a group showed each time its last field was written, in order.
class History : public QObject {
 public:
  History(QLineEdit* last_field, std::function<QString()> shown) : QObject(last_field) {
    connect(last_field, &QLineEdit::textChanged, this,
            [this, shown = std::move(shown)] { values << shown(); });
  }

  QStringList values;
};

const QString kStopRequest = QStringLiteral("<- 55 01 00 56");

// The lines of the radio's log after the first `line`.
QStringList log_after(FakeRadioProcess& radio, const QString& line) {
  const QStringList lines = QString::fromUtf8(radio.log()).split(QLatin1Char('\n'));
  const auto at = lines.indexOf(line);
  return at < 0 ? QStringList{} : lines.mid(at + 1);
}

bool any_monitor_packet(const QStringList& log) {
  return std::any_of(log.begin(), log.end(),
                     [](const QString& line) { return line.startsWith(QStringLiteral("-> 3D")); });
}

}  // namespace

class TestModeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void loads_with_zeros_and_a_green_lamp();
  void display_Monit_shows_a_packet_data();
  void display_Monit_shows_a_packet();
  void shows_the_rssi_stream_until_it_is_stopped();
  void shows_the_battery_stream_with_its_charge_lamp();
  void a_stream_loads_the_dialog_hidden_when_it_is_closed();
};

void TestModeDialogTest::loads_with_zeros_and_a_green_lamp() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  const TestModeDialog* Form4 = open_Form4(*w);
  QCOMPARE(Form4->windowTitle(), QStringLiteral("测试模式"));
  QCOMPARE(child<QGroupBox>(*Form4, "Frame1")->title(), QStringLiteral("RSSI 监控"));
  QCOMPARE(child<QGroupBox>(*Form4, "Frame2")->title(), QStringLiteral("电池AD监控"));
  const QStringList labels = {"RSSI(Reg68)",    "SNR(Reg102)", "AFC(Reg70)",
                              "AudioLv(Reg74)", "充电",        "AD 值"};
  for (int i = 0; i < labels.size(); ++i) {
    QCOMPARE(child<QLabel>(*Form4, QStringLiteral("Label%1").arg(i + 1))->text(), labels[i]);
  }
  const QStringList captions = {"开始", "停止", "开始", "停止"};
  for (int i = 0; i < captions.size(); ++i) {
    QCOMPARE(child<QPushButton>(*Form4, QStringLiteral("Command%1").arg(i + 1))->text(),
             captions[i]);
  }
  QCOMPARE(receiver_values(Form4), QStringLiteral("0 0 0 0"));
  QCOMPARE(battery_values(Form4), QStringLiteral("green 0"));
}

void TestModeDialogTest::display_Monit_shows_a_packet_data() {
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<QString>("receiver");
  QTest::addColumn<QString>("battery");
  QTest::newRow("rssi") << QByteArray::fromHex("0128012c000509") << "40 300 5 9"
                        << "green 0";
  QTest::newRow("rssi, high bytes 128 and more")
      << QByteArray::fromHex("01c88000ffffff") << "200 32768 65535 255"
      << "green 0";
  QTest::newRow("battery, charging") << QByteArray::fromHex("020103e8") << "0 0 0 0"
                                     << "red 1000";
  QTest::newRow("battery, not charging") << QByteArray::fromHex("020003e8") << "0 0 0 0"
                                         << "green 1000";
  QTest::newRow("battery, other charge state") << QByteArray::fromHex("0207ffff") << "0 0 0 0"
                                               << "green 65535";
  // A late reply of another request: consumed, nothing shown.
  QTest::newRow("another type") << QByteArray::fromHex("0301020304050607") << "0 0 0 0"
                                << "green 0";
}

void TestModeDialogTest::display_Monit_shows_a_packet() {
  QFETCH(QByteArray, data);
  QFETCH(QString, receiver);
  QFETCH(QString, battery);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  TestModeDialog* Form4 = open_Form4(*w);
  RxData rx_data{};
  std::copy(data.begin(), data.end(), rx_data.begin());
  Form4->display_Monit(rx_data);
  QCOMPARE(receiver_values(Form4), receiver);
  QCOMPARE(battery_values(Form4), battery);
}

void TestModeDialogTest::shows_the_rssi_stream_until_it_is_stopped() {
  RadioBench bench({"--log"});
  const TestModeDialog* Form4 = open_Form4(*bench.window);
  const QStringList& shown =
      (new History(text(Form4, "Text4"), [Form4] { return receiver_values(Form4); }))->values;
  button(Form4, "Command1")->click();
  QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= 3, kRadioPatienceMs);
  // Packets 0, 1, 2 of the stream.
  QCOMPARE(shown.mid(0, 3), (QStringList{"40 300 5 9", "41 4396 65531 12", "42 8492 65521 15"}));

  button(Form4, "Command2")->click();
  const auto shown_before_stop = shown.size();
  QTRY_VERIFY_WITH_TIMEOUT(!bench.window->exchange_running(), kRadioPatienceMs);
  QTRY_VERIFY_WITH_TIMEOUT(QString::fromUtf8(bench.radio.log()).contains(kStopRequest),
                           kRadioPatienceMs);
  // A request made after the stop has been answered: the radio has had its time to stream on.
  button(open_Form6(*bench.window), "Command2")->click();
  QTRY_VERIFY_WITH_TIMEOUT(was_shown(bench.boxes, {"读取 OK"}), kRadioPatienceMs);
  bench.radio.stop();
  QVERIFY(!any_monitor_packet(log_after(bench.radio, kStopRequest)));
  QCOMPARE(shown.size(), shown_before_stop);
  QVERIFY(bench.boxes.shown.size() == 1);
}

void TestModeDialogTest::shows_the_battery_stream_with_its_charge_lamp() {
  RadioBench bench;
  const TestModeDialog* Form4 = open_Form4(*bench.window);
  const QStringList& shown =
      (new History(text(Form4, "Text5"), [Form4] { return battery_values(Form4); }))->values;
  button(Form4, "Command3")->click();
  // Packet 0 of the stream; packet 10, a second later, is the first without charging.
  QTRY_VERIFY_WITH_TIMEOUT(shown.contains(QStringLiteral("green 41960")), kRadioPatienceMs);
  QCOMPARE(shown.front(), QStringLiteral("red 1000"));
  QCOMPARE(shown.indexOf(QStringLiteral("green 41960")), 10);
  button(Form4, "Command4")->click();
  QTRY_VERIFY_WITH_TIMEOUT(!bench.window->exchange_running(), kRadioPatienceMs);
  QVERIFY(bench.boxes.shown.empty());
}

void TestModeDialogTest::a_stream_loads_the_dialog_hidden_when_it_is_closed() {
  RadioBench bench;
  MainWindow& w = *bench.window;
  QVERIFY(!w.Form4());
  QVERIFY(w.start_exchange(std::make_unique<MonitorCommand>(MonitorButton::StartRssi)));
  QTRY_VERIFY_WITH_TIMEOUT(w.Form4() && text(w.Form4(), "Text1")->text() != "0", kRadioPatienceMs);
  QVERIFY(!w.Form4()->isVisible());

  open_Form4(w)->close();  // closing does not stop the stream
  QTRY_VERIFY_WITH_TIMEOUT(!w.Form4(), kRadioPatienceMs);
  QTRY_VERIFY_WITH_TIMEOUT(w.Form4() && text(w.Form4(), "Text1")->text() != "0", kRadioPatienceMs);
  QVERIFY(!w.Form4()->isVisible());
  QVERIFY(open_Form4(w)->isVisible());
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TestModeDialogTest)
#include "test_mode_dialog_test.moc"
