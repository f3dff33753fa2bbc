// The three service dialogs against m27-fake-radio on a pseudo-terminal: each button's request on
// the line and what the dialog shows; the menu items that open them; the refusal of a second
// exchange; what is particular to each dialog. The operations' rules are unit-tested; these tests
// prove that the widgets reach them and show what they decide.

#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <memory>

#include "channels/codec.h"
#include "service/colours.h"
#include "service/monitor_command.h"
#include "support/fake_radio_process.h"
#include "support/pseudo_terminal.h"
#include "ui/bgr_colour.h"
#include "ui/engineering_dialog.h"
#include "ui/lamp.h"
#include "ui/radio_id_dialog.h"
#include "ui/status_bar.h"
#include "ui/test_mode_dialog.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

// An exchange takes about 50 ms, a silent radio 3 s: only a hang runs into this.
constexpr int kPatienceMs = 20'000;

// The window with com1 on a fake radio started with `options`, logging every request.
struct RadioBench {
  explicit RadioBench(const QStringList& options = {})
      : radio(QStringList{"--log"} + options),
        window(make_window(boxes, com1_on(radio.device()))) {}
  FakeRadioProcess radio;
  RecordingMessageBoxes boxes;
  std::unique_ptr<MainWindow> window;
};

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

void open_all(MainWindow& w) {
  for (const char* item : {"工程模式", "测试模式", "写ID"}) action(w, item)->trigger();
}

QLineEdit* text(const QWidget* dialog, const char* name) { return child<QLineEdit>(*dialog, name); }

QPushButton* button(const QWidget* dialog, const QString& name) {
  return child<QPushButton>(*dialog, name);
}

QString colour_name(const QColor& colour, const QWidget* dialog) {
  if (colour == from_bgr(kGreen)) return QStringLiteral("green");
  if (colour == from_bgr(kRed)) return QStringLiteral("red");
  const auto* radio_id_dialog = qobject_cast<const RadioIdDialog*>(dialog);
  if (radio_id_dialog && colour == radio_id_dialog->preparing_colour())
    return QStringLiteral("preparing");
  return colour.name();
}

// What a dialog shows: engineering_dialog "HScroll1 Text1 HScroll2 Text2", test_mode_dialog "Text1
// .. Text4 Shape1 Text5", radio_id_dialog "Text1 Text2 lamp".
QString fields(const QWidget* dialog) {
  const auto shown = [dialog](const char* name) { return text(dialog, name)->text(); };
  const auto scrolled = [dialog](const char* name) {
    return QString::number(child<QScrollBar>(*dialog, name)->value());
  };
  QStringList f;
  if (dialog->objectName() == "Form3") {
    f = {scrolled("HScroll1"), shown("Text1"), scrolled("HScroll2"), shown("Text2")};
  } else if (dialog->objectName() == "Form4") {
    const QColor lamp = from_bgr(child<Lamp>(*dialog, "Shape1")->fill_colour());
    f = {shown("Text1"), shown("Text2"), shown("Text3"), shown("Text4"), colour_name(lamp, dialog),
         shown("Text5")};
  } else {
    f = {shown("Text1"), shown("Text2"),
         colour_name(text(dialog, "Text1")->palette().color(QPalette::Base), dialog)};
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

// "on" when every command that starts an exchange is enabled, "off" when none is.
QString exchange_commands(const MainWindow& w) {
  QList<bool> enabled = {w.write_button()->isEnabled(), w.read_button()->isEnabled(),
                         action(w, "WriteChn")->isEnabled(), action(w, "StartWrite")->isEnabled()};
  for (const char* name : {"Form3", "Form4", "Form6"}) {
    for (const QWidget* dialog : windows_named(name)) {
      for (const QPushButton* b : dialog->findChildren<QPushButton*>()) enabled << b->isEnabled();
    }
  }
  if (enabled.count(true) == enabled.size()) return QStringLiteral("on");
  return enabled.count(false) == enabled.size() ? QStringLiteral("off") : QStringLiteral("mixed");
}

// The requests in the radio's log ("<- 54 03 00 00 07 5E"), once it has stopped.
QStringList requests(const FakeRadioProcess& radio) {
  return QString::fromUtf8(radio.log()).split('\n').filter(QRegularExpression("^<- "));
}

struct Case {
  const char* name;
  const char* dialog;
  const char* set;  // "HScroll1=10 Text2=60": moves a scrollbar, types into a field
  const char* button;
  const char* radio;     // the fake radio's options
  const char* sent;      // the request on the line,
  int times;             // so often; at least once when answered: a busy machine may miss the reply
  const char* commands;  // "off" when the click disables every command that starts an exchange
  const char* during;    // the fields right after the click
  const char* shown;     // ... at the end; for a stream, among those it passed through
  const char* message;
};
const Case kCases[] = {
    {"数据读取", "Form3", "", "Command1", "", "54 03 00 00 07 5E", 1, "off", "42 42 40 40",
     "45 45 43 43", "读取 OK"},
    // The scrollbar writes its text and stops at 21; a typed text leaves its scrollbar alone.
    {"调整 a value scrolled below 21 and a typed one", "Form3", "HScroll1=10 Text2=60", "Command2",
     "", "59 08 00 00 80 80 15 3C 80 00 32", 1, "off", "21 21 40 60", "21 21 40 60", "OK"},
    {"调整 a value scrolled above 99, silent radio", "Form3", "HScroll2=200", "Command2",
     "--fault silent", "59 08 00 00 80 80 2A 63 80 00 6E", 3, "off", "42 42 99 99", "42 42 99 99",
     "通讯失败"},
    {"调整 256, refused", "Form3", "Text2=256", "Command2", "", "", 0, "on", "42 42 40 256",
     "42 42 40 256", "RSSI 输入错误，请重新输入"},
    {"RSSI 开始", "Form4", "", "Command1", "", "55 01 01 57", 1, "off", "0 0 0 0 green 0",
     "40 300 5 9 green 0", ""},
    {"RSSI 停止", "Form4", "", "Command2", "", "55 01 00 56", 1, "off", "0 0 0 0 green 0",
     "0 0 0 0 green 0", ""},
    {"电池 开始", "Form4", "", "Command3", "", "55 01 02 58", 1, "off", "0 0 0 0 green 0",
     "0 0 0 0 red 1000", ""},
    {"电池 停止", "Form4", "", "Command4", "", "55 01 00 56", 1, "off", "0 0 0 0 green 0",
     "0 0 0 0 green 0", ""},
    {"读ID", "Form6", "", "Command2", "", "5B 03 00 00 00 5E", 1, "off", "0 0 #ffffff",
     "12345678 0 green", "读取 OK"},
    {"写ID 100: the next ID and the count", "Form6", "Text1=100", "Command1", "",
     "5A 04 00 00 00 64 C2", 1, "off", "100 0 preparing", "101 1 green", ""},
    {"写ID 9999999999, refused", "Form6", "Text1=9999999999", "Command1", "", "", 0, "on",
     "9999999999 0 red", "9999999999 0 red", "ID 输入错误，请重新输入"},
};

QStringList words(const char* text) {
  return QString::fromUtf8(text).split(' ', Qt::SkipEmptyParts);
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
    RadioBench bench(words(c.radio));
    MainWindow& w = *bench.window;
    open_all(w);
    QWidget* dialog = windows_named(c.dialog).front();
    for (const QString& assignment : words(c.set)) {
      const QString name = assignment.section('=', 0, 0);
      const QString value = assignment.section('=', 1);
      if (name.startsWith("HScroll")) {
        child<QScrollBar>(*dialog, name)->setValue(value.toInt());
      } else {
        child<QLineEdit>(*dialog, name)->setText(value);
      }
    }
    const auto passed = watch(dialog);
    button(dialog, c.button)->click();
    QCOMPARE(fields(dialog), QString::fromUtf8(c.during));
    QCOMPARE(exchange_commands(w), c.commands);
    QTRY_VERIFY_WITH_TIMEOUT(
        !w.exchange_running() && (fields(dialog) == c.shown || passed->contains(c.shown)),
        kPatienceMs);
    QCOMPARE(exchange_commands(w), "on");
    QCOMPARE(bench.boxes.texts(), *c.message ? QStringList{c.message} : QStringList{});
    if (c.dialog == QStringLiteral("Form6") && c.button == QStringLiteral("Command1")) {
      QCOMPARE(dialog->focusWidget(), button(dialog, "Command1"));  // Enter writes the next radio
    }
    bench.radio.stop();
    QStringList sent = requests(bench.radio);
    const qsizetype repeated = sent.removeDuplicates();
    QCOMPARE(sent, c.times ? QStringList{QStringLiteral("<- ") + c.sent} : QStringList{});
    if (c.times > 1) QCOMPARE(repeated + 1, c.times);
  }

  void each_item_opens_one_dialog_brings_it_forward_and_the_exit_closes_it() {
    RecordingMessageBoxes boxes;
    boxes.answer_yes = true;
    const auto w = make_window(boxes);
    const char* const kItems[][3] = {{"工程模式", "Form3", "工程模式"},
                                     {"测试模式", "Form4", "测试模式"},
                                     {"写ID", "Form6", "输入ID"}};
    for (int round = 0; round < 2; ++round) {  // chosen again while another is in front
      for (const auto& [item, name, caption] : kItems) {
        action(*w, item)->trigger();
        QCOMPARE(windows_named(name).size(), 1);
        QWidget* shown = windows_named(name).front();
        QVERIFY(shown->isVisible() && !shown->parentWidget());
        QCOMPARE(shown->windowModality(), Qt::NonModal);
        QCOMPARE(shown->windowTitle(), QString::fromUtf8(caption));
        QTRY_VERIFY(shown->isActiveWindow());
      }
    }
    QVERIFY(w->isEnabled() && boxes.shown.empty());
    QVERIFY(w->close());
    QCOMPARE(visible_windows(), QList<QWidget*>{});
  }

  void items_without_a_command_do_nothing() {
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes, com1_on(pty.device()));
    const Sheet before = w->sheet();
    const QString status = w->status_bar()->panel1();
    const auto windows = visible_windows();
    for (const char* item : {"qita", "bt_2", "xbm27"}) action(*w, item)->trigger();
    QVERIFY(boxes.shown.empty() && w->sheet() == before && !w->exchange_running());
    QCOMPARE(visible_windows(), windows);
    QCOMPARE(w->status_bar()->panel1(), status);
    QVERIFY(action(*w, "bt_2")->isChecked() && action(*w, "xbm27")->isChecked());
  }

  void a_main_read_disables_the_dialogs_buttons_even_of_one_opened_meanwhile() {
    RadioBench bench;
    MainWindow& w = *bench.window;
    open_all(w);
    w.read_button()->click();
    QCOMPARE(exchange_commands(w), "off");
    w.radio_id_dialog()->close();
    QTRY_VERIFY(!w.radio_id_dialog());
    action(w, "写ID")->trigger();
    QCOMPARE(exchange_commands(w), "off");
    QTRY_COMPARE_WITH_TIMEOUT(bench.boxes.texts(), QStringList{"读写完成"}, kPatienceMs);
    QCOMPARE(exchange_commands(w), "on");
  }

  // A stream loads the test mode dialog, hidden, whenever it finds it closed; only the stop ends
  // it, and nothing arrives after the stop.
  void a_stream_loads_test_mode_hidden_until_it_is_stopped() {
    RadioBench bench;
    MainWindow& w = *bench.window;
    QVERIFY(w.start_exchange(std::make_unique<MonitorCommand>(MonitorButton::StartRssi)));
    for (int loaded = 1; loaded <= 2; ++loaded) {
      QTRY_VERIFY_WITH_TIMEOUT(
          w.test_mode_dialog() && text(w.test_mode_dialog(), "Text1")->text() != "0", kPatienceMs);
      QVERIFY(!w.test_mode_dialog()->isVisible());
      action(w, "测试模式")->trigger();
      QVERIFY(w.test_mode_dialog()->isVisible());
      if (loaded == 1) w.test_mode_dialog()->close();
    }
    const auto passed = watch(w.test_mode_dialog());
    button(w.test_mode_dialog(), "Command2")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w.exchange_running(), kPatienceMs);
    const qsizetype before_the_stop = passed->size();
    action(w, "写ID")->trigger();
    button(w.radio_id_dialog(), "Command2")
        ->click();  // the radio has its time to stream on meanwhile
    QTRY_COMPARE_WITH_TIMEOUT(bench.boxes.texts(), QStringList{"读取 OK"}, kPatienceMs);
    QCOMPARE(passed->size(), before_the_stop);
    bench.radio.stop();
    const QString log = QString::fromUtf8(bench.radio.log());
    QVERIFY(!log.mid(log.lastIndexOf("<- 55 01 00 56")).contains("-> 3D"));
  }

  // The stream goes on after its window has closed; a read stops it first and reads exactly.
  void a_read_after_closing_the_window_on_a_stream_is_exact() {
    RadioBench bench;
    MainWindow& w = *bench.window;
    action(w, "测试模式")->trigger();
    button(w.test_mode_dialog(), "Command1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(text(w.test_mode_dialog(), "Text1")->text() != "0", kPatienceMs);
    w.test_mode_dialog()->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w.exchange_running(), kPatienceMs);
    child<QPushButton>(w, "Command2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(bench.boxes.texts(), QStringList{"读写完成"}, kPatienceMs);
    QCOMPARE(bench.radio.count_in_log(QStringLiteral("<- 55 01 00 56")), 1);
    const auto memory = bench.radio.memory();
    QVERIFY(memory);
    QCOMPARE(memory->options, *encode_options(w.sheet()));
    for (int i = 0; i < kRows; ++i) QCOMPARE(memory->channels[i], *encode_channel(w.sheet(), i));
  }

  void the_id_field_takes_ten_digits_and_enter_moves_on_to_write() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    action(*w, "写ID")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(w->radio_id_dialog()));
    QLineEdit* id = text(w->radio_id_dialog(), "Text1");
    id->clear();
    type_text(id, QStringLiteral("1a-2 十3.4567890123"));
    QCOMPARE(id->text(), QStringLiteral("1234567890"));
    QTest::keyClick(id, Qt::Key_Backspace);
    QCOMPARE(id->text(), QStringLiteral("123456789"));
    id->setFocus();
    QTest::keyClick(id, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button(w->radio_id_dialog(), "Command1"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::ServiceDialogsTest)
#include "service_dialogs_test.moc"
