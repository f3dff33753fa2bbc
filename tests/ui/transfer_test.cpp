// Reading and writing the radio from the window, against the real fake radio over a pty: what
// is written comes back, what the user sees comes in order, and nothing stays disabled.

#include <QProgressBar>
#include <QPushButton>

#include "channels/options.h"
#include "support/fake_radio_process.h"
#include "ui/choice_box.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

constexpr int kPatienceMs = 30'000;  // a whole transfer takes about two seconds

PortMap com1_on(const QString& device) {
  PortMap ports;
  ports.set({1, device});
  return ports;
}

// The controls that start an exchange or change what it sends.
QList<bool> exchange_commands_enabled(const MainWindow& w) {
  QList<bool> enabled;
  for (const char* name : {"Command1", "Command2", "Command5", "Command6"}) {
    enabled << child<QPushButton>(w, name)->isEnabled();
  }
  for (const char* name : {"Combo1", "Combo4"}) enabled << box(w, name)->isEnabled();
  for (const char* name : {"WriteChn", "StartWrite", "MenuFileOpen", "MenuSave"}) {
    enabled << action(w, name)->isEnabled();
  }
  return enabled;
}

const QList<bool> kAllEnabled(10, true);
const QList<bool> kAllDisabled(10, false);

void fill_varied_table(MainWindow& w) {
  Sheet& sheet = w.sheet();
  sheet.Combo4 = "2:专业模式";
  Combo4_Click(sheet);
  const char* tones[] = {"I754", "254.1", "95.2", "D023", "OFF"};
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.Text1 = i % 2 ? "462.56250" : "451.00500";
    row.Text3 = i % 3 ? "450.02500" : "467.71250";
    row.Text5 = tones[i % 5];
    row.Text2 = tones[(i + 2) % 5];
    row.Text4 = i % 4 ? "宽带" : "窄带";
  }
  w.render_sheet();
}

QStringList column(const MainWindow& w, const char* array) {
  QStringList texts;
  for (int i = 0; i < kRows; ++i) texts << cell(w, array, i)->text();
  return texts;
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT

 private slots:
  void write_then_read_gives_back_the_table();
  void a_missing_channel_record_shows_both_messages_in_order();
  void the_buttons_come_back_once_the_failure_message_is_closed();
  void closing_the_progress_window_ends_the_read_at_once();
  void a_refused_write_sends_nothing_and_holds_no_timer();
  void a_read_with_the_port_closed_only_asks_to_open_it();
};

void TransferTest::write_then_read_gives_back_the_table() {
  FakeRadioProcess radio;
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, com1_on(radio.device()));
  fill_varied_table(*w);
  const QStringList arrays = {"Text1", "Text5", "Text3", "Text2", "Text4"};
  std::vector<QStringList> written;

  child<QPushButton>(*w, "Command1")->click();
  QCOMPARE(exchange_commands_enabled(*w), kAllDisabled);
  QVERIFY(w->Form5()->isVisible());
  QCOMPARE(w->Form5()->windowTitle(), QStringLiteral("向对讲机写入数据"));
  QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"写频完成"}, kPatienceMs);
  QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  QVERIFY(!w->Form5()->isVisible());
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("写频完成"));
  for (const auto& a : arrays) written.push_back(column(*w, a.toLatin1()));

  w->sheet() = startup_sheet();
  w->render_sheet();
  action(*w, "WriteChn")->trigger();
  QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), (QStringList{"写频完成", "读写完成"}), kPatienceMs);
  QCOMPARE(boxes.shown.back().message.title, std::string("读频完成"));
  for (int a = 0; a < arrays.size(); ++a) {
    QCOMPARE(column(*w, arrays[a].toLatin1()), written[a]);
  }
  QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
  QCOMPARE(w->Form5()->ProgressBar1()->value(), 0);
  QVERIFY(child<FormTimer>(*w, "Timer1")->enabled());
  QVERIFY(child<FormTimer>(*w, "Timer2")->enabled());

  const auto memory = radio.memory();
  QVERIFY(memory);
  // Row 0: 451.00500 on 5 kHz, 467.71250 on 6.25 kHz, "I754" (160 inverted), "95.2" (51), narrow.
  QCOMPARE(memory->channels[0],
           (std::array<std::uint8_t, 7>{0x27, 0xD9, 0x2A, 0x52, 0xA0, 0x33, 0x0A}));
}

void TransferTest::a_missing_channel_record_shows_both_messages_in_order() {
  FakeRadioProcess radio({"--fault", "silent-after=3"});
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, com1_on(radio.device()));
  child<QPushButton>(*w, "Command2")->click();
  QTRY_COMPARE_WITH_TIMEOUT(boxes.shown.size(), std::size_t{2}, kPatienceMs);
  QCOMPARE(boxes.shown[0].message, (Message{"通讯失败，请检查对讲机是否进入写频模式"}));
  QCOMPARE(boxes.shown[1].message, (Message{"读频出错", "读频出错"}));
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("读频出错"));
  QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  // Rows 0 and 1 came from the radio (the US plan of its factory state), row 2 did not.
  QCOMPARE(cell(*w, "Text1", 1)->text(), QStringLiteral("462.58750"));
  QCOMPARE(cell(*w, "Text1", 2)->text(), QStringLiteral("451.12500"));
  w->Timer1_Timer();
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口开"));
}

void TransferTest::the_buttons_come_back_once_the_failure_message_is_closed() {
  FakeRadioProcess radio({"--fault", "silent"});
  RecordingMessageBoxes boxes;
  boxes.hold_messages = true;
  auto w = make_window(boxes, com1_on(radio.device()));
  child<QPushButton>(*w, "Command2")->click();
  QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"通讯失败，请检查对讲机是否进入写频模式"},
                            kPatienceMs);
  QVERIFY(!w->exchange_running());
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("通讯失败"));
  QCOMPARE(exchange_commands_enabled(*w), kAllDisabled);
  boxes.close_oldest();
  QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口"));
  QVERIFY(child<FormTimer>(*w, "Timer2")->enabled());
}

void TransferTest::closing_the_progress_window_ends_the_read_at_once() {
  FakeRadioProcess radio({"--paced", "--delay", "200"});
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, com1_on(radio.device()));
  child<QPushButton>(*w, "Command2")->click();
  QTRY_VERIFY_WITH_TIMEOUT(w->Form5()->ProgressBar1()->value() > 0, kPatienceMs);
  w->Form5()->close();
  QVERIFY(!w->exchange_running());
  QCOMPARE(boxes.texts(), QStringList{"读频出错"});
  QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  QVERIFY(!w->Form5()->isVisible());
  QVERIFY(child<FormTimer>(*w, "Timer2")->enabled());
}

void TransferTest::a_refused_write_sends_nothing_and_holds_no_timer() {
  FakeRadioProcess radio;
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, com1_on(radio.device()));
  cell(*w, "Text1", 2)->setText("399.95000");
  w->sheet().rows[2].Text1 = "399.95000";
  child<QPushButton>(*w, "Command1")->click();
  QCOMPARE(boxes.shown.size(), std::size_t{1});
  QCOMPARE(boxes.shown[0].message,
           (Message{"第3信道频率输入错误，请重新输入", "注意", MessageIcon::Exclamation}));
  QVERIFY(!w->exchange_running());
  QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  QVERIFY(child<FormTimer>(*w, "Timer2")->enabled());
  const auto memory = radio.memory();
  QVERIFY(memory);
  QCOMPARE(*memory, fake::default_memory());
}

void TransferTest::a_read_with_the_port_closed_only_asks_to_open_it() {
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes);  // port 1 maps to nothing
  child<QPushButton>(*w, "Command2")->click();
  QCOMPARE(boxes.texts(), QStringList{"请打开通信端口"});
  QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  QVERIFY(!w->Form5()->isVisible());
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TransferTest)
#include "transfer_test.moc"
