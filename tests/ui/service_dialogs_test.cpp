// SPDX-License-Identifier: GPL-3.0-or-later
// The three service dialogs over a real port, against m27-fake-radio on a pseudo-terminal: each
// button's request on the line and what the dialog shows; the menu items that open them; the
// lock while another exchange runs; the test-mode stream. The operations' rules, replies and
// time-outs are unit-tested in virtual time; these tests prove that the widgets reach them.

#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

#include "channels/codec.h"
#include "support/fake_radio_process.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/radio_id_dialog.h"
#include "ui/dialogs/test_mode_dialog.h"
#include "ui/print/print_controller.h"
#include "ui/window/lamp.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

constexpr int kPatienceMs = 20'000;  // an exchange takes about 50 ms: only a hang runs into this

// The window with com1 on a fake radio that logs every request.
struct RadioBench {
  FakeRadioProcess radio{QStringList{"--log"}};
  RecordingMessageBoxes boxes;
  std::unique_ptr<MainWindow> window = make_window(boxes, com1_on(radio.device()));
};

QList<QWidget*> windows_named(const QString& name) {
  QList<QWidget*> named = QApplication::topLevelWidgets();
  named.removeIf([&name](const QWidget* window) { return window->objectName() != name; });
  return named;
}

QLineEdit* text(const QWidget* dialog, const char* name) { return child<QLineEdit>(*dialog, name); }

QString colour_name(const QColor& colour, const QWidget* dialog) {
  const auto* radio_id_dialog = qobject_cast<const RadioIdDialog*>(dialog);
  if (radio_id_dialog && colour == radio_id_dialog->preparing_colour()) return "preparing";
  return colour == kLampGreen ? "green" : colour == kLampRed ? "red" : colour.name();
}

// What a dialog shows, in the order of its controls: the scrollbars' values, the fields' texts,
// the lamp's colour; for the ID also the colour of its field.
QString fields(const QWidget* dialog) {
  QStringList f;
  for (const QScrollBar* bar : dialog->findChildren<QScrollBar*>())
    f << QString::number(bar->value());
  for (const QLineEdit* field : dialog->findChildren<QLineEdit*>()) f << field->text();
  for (const Lamp* lamp : dialog->findChildren<Lamp*>())
    f << colour_name(lamp->fill_colour(), dialog);
  if (dialog->objectName() == "Form6") {
    f << colour_name(text(dialog, "Text1")->palette().color(QPalette::Base), dialog);
  }
  return f.join(' ');
}

// Every state the dialog's fields pass through from now on, in order.
std::shared_ptr<QStringList> watch(QWidget* dialog) {
  auto states = std::make_shared<QStringList>();
  for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
    QObject::connect(field, &QLineEdit::textChanged, dialog,
                     [states, dialog] { *states << fields(dialog); });
  }
  return states;
}

struct Case {
  const char* name;
  const char* dialog;
  const char* set;  // "HScroll1=10 Text2=60": moves a scrollbar, types into a field
  const char* button;
  const char* sent;    // the request on the line, once; none when refused
  const char* during;  // the fields right after the click; the commands are locked unless refused
  const char* shown;   // ... at the end; for a stream, among those it passed through
  const char* message;
};
const Case kCases[] = {
    {"数据读取", "Form3", "", "Command1", "54 03 00 00 07 5E", "42 40 42 40", "45 43 45 43",
     "读取 OK"},
    // The scrollbars write their texts and stop at 21 and 99; a typed text moves no scrollbar.
    {"调整 values scrolled out of range, one typed", "Form3", "HScroll1=10 HScroll2=200 Text2=60",
     "Command2", "59 08 00 00 80 80 15 3C 80 00 32", "21 99 21 60", "21 99 21 60", "OK"},
    {"调整 256, refused", "Form3", "Text2=256", "Command2", "", "42 40 42 256", "42 40 42 256",
     "RSSI 输入错误，请重新输入"},
    // The stream's second packet: its AFC is signed.
    {"RSSI 开始", "Form4", "", "Command1", "55 01 01 57", "0 0 0 0 0 green",
     "41 4396 -5 12 0 green", ""},
    {"RSSI 停止", "Form4", "", "Command2", "55 01 00 56", "0 0 0 0 0 green", "0 0 0 0 0 green", ""},
    {"电池 开始", "Form4", "", "Command3", "55 01 02 58", "0 0 0 0 0 green", "0 0 0 0 1000 red",
     ""},
    {"电池 停止", "Form4", "", "Command4", "55 01 00 56", "0 0 0 0 0 green", "0 0 0 0 0 green", ""},
    {"读ID", "Form6", "", "Command2", "5B 03 00 00 00 5E", "0 0 #ffffff", "12345678 0 green",
     "读取 OK"},
    // Typed with a letter and a sign that the field drops.
    {"写ID 100: the next ID and the count", "Form6", "Text1=1a-00", "Command1",
     "5A 04 00 00 00 64 C2", "100 0 preparing", "101 1 green", ""},
    {"写ID 9999999999, refused", "Form6", "Text1=9999999999", "Command1", "", "9999999999 0 red",
     "9999999999 0 red", "ID 输入错误，请重新输入"},
};

// The connection check's rows shown ("✓ text"), then its search's lines but those of the
// machine's own ports it passed over, the round trip as "N" and the devices as named in
// `devices`.
QString shown(const QWidget* dialog, const std::map<QString, QString>& devices) {
  QStringList rows;
  for (int step = 1; step <= ConnectionCheckDialog::kSteps; ++step) {
    const auto* mark = child<QLabel>(*dialog, QStringLiteral("mark%1").arg(step));
    const auto* text = child<QLabel>(*dialog, QStringLiteral("step%1").arg(step));
    if (!mark->isHidden()) rows << mark->text() + ' ' + text->text();
  }
  QString all = rows.join('\n') + child<QLabel>(*dialog, "search_result")->text();
  for (const auto& [device, name] : devices) all.replace(device, name);
  all.remove(QRegularExpression(".*：未检测：不是常见的写频线\n"));
  return all.replace(QRegularExpression("往返 \\d+ ms"), "往返 N ms");
}

}  // namespace

class ServiceDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void each_button_sends_its_request_and_shows_the_reply_data() {
    QTest::addColumn<int>("row");
    for (const Case& c : kCases) QTest::newRow(c.name) << int(&c - kCases);
  }

  void each_button_sends_its_request_and_shows_the_reply() {
    QFETCH(int, row);
    const Case& c = kCases[row];
    RadioBench bench;
    MainWindow& w = *bench.window;
    for (const char* item : {"工程模式", "测试模式", "写ID"}) action(w, item)->trigger();
    QWidget* dialog = windows_named(c.dialog).front();
    for (const QString& assignment : QString(c.set).split(' ', Qt::SkipEmptyParts)) {
      const QString name = assignment.section('=', 0, 0);
      const QString value = assignment.section('=', 1);
      if (auto* bar = dialog->findChild<QScrollBar*>(name)) bar->setValue(value.toInt());
      if (auto* field = dialog->findChild<QLineEdit*>(name)) {
        field->clear();
        type_text(field, value);
      }
    }
    const auto passed = watch(dialog);
    child<QPushButton>(*dialog, c.button)->click();
    QCOMPARE(fields(dialog), QString::fromUtf8(c.during));
    QCOMPARE(exchange_commands(w), *c.sent ? "off" : "on");
    QTRY_VERIFY_WITH_TIMEOUT(
        !w.exchange_running() && (fields(dialog) == c.shown || passed->contains(c.shown)),
        kPatienceMs);
    QCOMPARE(bench.boxes.texts(), *c.message ? QStringList{c.message} : QStringList{});
    if (c.dialog == QStringLiteral("Form6") && c.button == QStringLiteral("Command1")) {
      QCOMPARE(dialog->focusWidget(),
               child<QPushButton>(*dialog, "Command1"));  // Enter writes the next radio
    }
    bench.radio.stop();
    QStringList sent =
        QString::fromUtf8(bench.radio.log()).split('\n').filter(QRegularExpression("^<- "));
    sent.removeDuplicates();  // a busy machine may miss a reply and send again
    QCOMPARE(sent, *c.sent ? QStringList{QStringLiteral("<- ") + c.sent} : QStringList{});
  }

  // Each item opens one dialog of its own and brings it forward when chosen again. A main read
  // locks every dialog's buttons, even those of one opened meanwhile. A stream goes on after its
  // dialog has closed and loads it again, hidden; a read stops the stream first, once, and reads
  // exactly. The exit closes every dialog.
  void a_main_read_locks_the_dialogs_and_stops_a_stream() {
    RadioBench bench;
    MainWindow& w = *bench.window;
    bench.boxes.answer_yes = true;
    for (int round = 0; round < 2; ++round) {
      for (const auto& [item, name] :
           {std::pair{"工程模式", "Form3"}, {"测试模式", "Form4"}, {"写ID", "Form6"}}) {
        action(w, item)->trigger();
        QCOMPARE(windows_named(name).size(), 1);
        QTRY_VERIFY(windows_named(name).front()->isActiveWindow());
      }
    }
    w.read_button()->click();
    QCOMPARE(exchange_commands(w), "off");
    w.radio_id_dialog()->close();
    QTRY_VERIFY(!w.radio_id_dialog());
    action(w, "写ID")->trigger();
    QCOMPARE(exchange_commands(w), "off");
    QTRY_COMPARE_WITH_TIMEOUT(bench.boxes.texts(), QStringList{"读写完成"}, kPatienceMs);
    QCOMPARE(exchange_commands(w), "on");
    child<QPushButton>(*w.test_mode_dialog(), "Command1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(text(w.test_mode_dialog(), "Text1")->text() != "0", kPatienceMs);
    w.test_mode_dialog()->close();
    QTRY_VERIFY_WITH_TIMEOUT(
        w.test_mode_dialog() && text(w.test_mode_dialog(), "Text1")->text() != "0", kPatienceMs);
    QVERIFY(!w.test_mode_dialog()->isVisible());
    w.read_button()->click();
    QTRY_COMPARE_WITH_TIMEOUT(bench.boxes.texts(), (QStringList{"读写完成", "读写完成"}),
                              kPatienceMs);
    // The run outlives its dialog; its file starts with the packet from before the close.
    QTemporaryDir dir;
    action(w, "测试模式")->trigger();
    w.test_mode_dialog()->save_samples(MonitorMode::Rssi, dir.filePath("s.csv"));
    w.test_mode_dialog()->save_samples(MonitorMode::Rssi, dir.filePath("none/s.csv"));
    QCOMPARE(bench.boxes.texts().size(), 3);
    QVERIFY(bench.boxes.texts().back().startsWith("保存数据失败\n" + dir.filePath("none/s.csv")));
    QFile saved(dir.filePath("s.csv"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(QRegularExpression("^seconds,rssi,snr,afc,audio\r\n\\d+\\.\\d{3},40,300,5,9\r\n")
                .match(QString::fromUtf8(saved.readAll()))
                .hasMatch());
    // 读ID gives the printed page the radio's ID; closing the port forgets it.
    action(w, "写ID")->trigger();
    w.radio_id_dialog()->read_id();
    QTRY_VERIFY_WITH_TIMEOUT(w.print_controller()->page().facts.back().second == "12345678",
                             kPatienceMs);
    w.choose_port(16);
    QVERIFY(source_text(w.print_controller()->page().facts.back().first) != "对讲机ID");
    QVERIFY(w.close());
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
    QCOMPARE(bench.radio.log().count("<- 55 01 00 56\n"), 1);
    const auto memory = bench.radio.memory();
    for (int i = 0; i < kRows; ++i)
      QVERIFY(memory && memory->channels[i] == *encode_channel(w.sheet(), i));
  }

  // The connection check of the window's open port goes through that port (not found busy),
  // one row per step, without a message box; a port that does not open is checked on its own;
  // 自动查找 checks the window's port and the others, and selects the one radio in the port
  // menu.
  void the_connection_check_shows_each_step_and_finds_the_radio() {
    FakeRadioProcess on;
    FakeRadioProcess off({"--fault", "echo-only"});
    PortMap ports = com1_on(on.device());
    ports.set({2, off.device()});
    ports.set({3, "/dev/m27-none"});
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes, ports);
    const std::map<QString, QString> names{{on.device(), "ON"}, {off.device(), "OFF"}};
    const auto steps = [](const char* port, const QString& answer) {
      return QStringLiteral(
                 "✓ 串口存在：%1\n✓ 有权限打开串口\n✓ 串口已由本程序打开\n"
                 "✓ 串口已打开：9600,n,8,1\n%2")
          .arg(port, answer);
    };
    const QString kRadio = QStringLiteral("✓ 连接正常：对讲机ID 12345678，往返 N ms");
    const QString kEcho = QStringLiteral(
        "✗ 只收到回显：数据线正常，但对讲机没有应答，请确认对讲机已开机、插头已插紧");
    action(*w, "connection_check_item")->trigger();
    QWidget* dialog = w->connection_check_dialog();
    QTRY_COMPARE_WITH_TIMEOUT(shown(dialog, names), steps("ON", kRadio), kPatienceMs);
    action(*w, "com2")->trigger();
    child<QPushButton>(*dialog, "check")->click();
    QTRY_COMPARE_WITH_TIMEOUT(shown(dialog, names), steps("OFF", kEcho), kPatienceMs);
    child<QPushButton>(*dialog, "search")->click();
    QTRY_COMPARE_WITH_TIMEOUT(shown(dialog, names),
                              "com1 (ON)：" + kRadio + "\ncom2 (OFF)：" + kEcho +
                                  "\ncom3 (/dev/m27-none)：✗ 串口不存在：/dev/m27-none"
                                  "\n对讲机在 com1 (ON)",
                              kPatienceMs);
    QVERIFY(action(*w, "com1")->isChecked() && !action(*w, "com2")->isChecked());
    QCOMPARE(w->status_bar()->panel1(), "串口开");
    QVERIFY(boxes.texts().isEmpty());
    action(*w, "com3")->trigger();  // does not open: "该串口3不存在或有问题"
    child<QPushButton>(*dialog, "check")->click();
    QVERIFY(shown(dialog, names).startsWith("✗ 串口不存在：/dev/m27-none\n现有串口：\ncom1  ON"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::ServiceDialogsTest)
#include "service_dialogs_test.moc"
