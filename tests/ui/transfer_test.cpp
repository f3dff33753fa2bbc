// Reading and writing the radio from the window, against the real fake radio over a pty: what
// is written comes back, what the user sees comes in order, and nothing stays disabled.

#include <QProgressBar>
#include <QPushButton>

#include "channels/codec.h"
#include "support/fake_radio_process.h"
#include "support/pseudo_terminal.h"
#include "support/varied_sheet.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

constexpr int kPatienceMs = 30'000;  // a whole transfer takes about two seconds

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

QStringList shown_table(const MainWindow& w) {
  QStringList texts;
  for (int i = 0; i < kRows; ++i) {
    for (const char* array : {"Text1", "Text5", "Text3", "Text2", "Text4"}) {
      texts << cell(w, array, i)->text();
    }
  }
  return texts;
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT

 private slots:
  void write_then_read_gives_back_the_table() {
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->sheet() = varied_sheet();
    w->render_sheet();
    const QStringList table = shown_table(*w);

    child<QPushButton>(*w, "Command1")->click();
    QCOMPARE(exchange_commands_enabled(*w), kAllDisabled);
    QVERIFY(w->Form5()->isVisible());
    QCOMPARE(w->Form5()->windowTitle(), QStringLiteral("向对讲机写入数据"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"写频完成"}, kPatienceMs);
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(!w->Form5()->isVisible());
    QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("写频完成"));

    w->sheet() = startup_sheet();
    w->render_sheet();
    action(*w, "WriteChn")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), (QStringList{"写频完成", "读写完成"}), kPatienceMs);
    QCOMPARE(boxes.shown.back().message.title, std::string("读频完成"));
    QCOMPARE(shown_table(*w), table);
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));  // unchanged since the read
    action(*w, "undo")->trigger();                                // the read is one step
    QVERIFY(w->sheet() == startup_sheet());
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 *"));
    action(*w, "redo")->trigger();
    QCOMPARE(shown_table(*w), table);
    QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
    QCOMPARE(w->Form5()->ProgressBar1()->value(), 0);
    QVERIFY(w->Timer1()->enabled() && w->Timer2()->enabled());

    const auto memory = radio.memory();
    QVERIFY(memory);
    for (int i = 0; i < kRows; ++i) QCOMPARE(memory->channels[i], *encode_channel(w->sheet(), i));
  }

  // The first message holds the rest: the buttons come back only once it is closed.
  void a_missing_channel_record_shows_both_messages_in_order() {
    FakeRadioProcess radio({"--fault", "silent-after=3"});
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    auto w = make_window(boxes, com1_on(radio.device()));
    child<QPushButton>(*w, "Command2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"通讯失败，请检查对讲机是否进入写频模式"},
                              kPatienceMs);
    QVERIFY(!w->exchange_running());
    QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("通讯失败"));
    QCOMPARE(exchange_commands_enabled(*w), kAllDisabled);

    boxes.close_oldest();
    QCOMPARE(boxes.texts(), (QStringList{"通讯失败，请检查对讲机是否进入写频模式", "读频出错"}));
    QCOMPARE(boxes.shown[1].message, (Message{"读频出错", "读频出错"}));
    QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("读频出错"));
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(w->Timer2()->enabled());
    // Rows 0 and 1 came from the radio (the US plan of its factory state), row 2 did not.
    QCOMPARE(cell(*w, "Text1", 1)->text(), QStringLiteral("462.58750"));
    QCOMPARE(cell(*w, "Text1", 2)->text(), QStringLiteral("451.12500"));

    boxes.close_oldest();
    QVERIFY(w->Timer1()->enabled());
    w->Timer1_Timer();
    QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口开"));
  }

  void closing_the_progress_window_ends_the_read_at_once() {
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
    QCOMPARE(w->Form5()->ProgressBar1()->value(), 0);
    QVERIFY(w->Timer1()->enabled() && w->Timer2()->enabled());
  }

  void a_refused_write_sends_nothing_and_holds_no_timer() {
    PseudoTerminal pty;  // an open port, so a request would go out
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(pty.device()));
    w->sheet().rows[2].rx_frequency = "399.95000";
    w->render_sheet();
    child<QPushButton>(*w, "Command1")->click();
    QCOMPARE(boxes.texts(), QStringList{"第3信道频率输入错误，请重新输入"});
    QCOMPARE(boxes.shown[0].message, attention("第3信道频率输入错误，请重新输入"));
    QVERIFY(!w->exchange_running());
    QCOMPARE(w->serial_port().port().bytesToWrite(), 0);
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(w->Timer2()->enabled());
  }

  void a_read_with_the_port_closed_only_asks_to_open_it() {
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes);  // port 1 maps to nothing
    child<QPushButton>(*w, "Command2")->click();
    QCOMPARE(boxes.texts(), QStringList{"请打开通信端口"});
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(!w->Form5()->isVisible());
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TransferTest)
#include "transfer_test.moc"
