// Reading and writing the radio from the window, against the real fake radio over a pty: what
// is written comes back, what the user sees comes in order, and nothing stays disabled.

#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "channels/codec.h"
#include "files/file_commands.h"
#include "service/monitor_command.h"
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

// Whether everything the exchange guard holds is enabled: all of it, none of it, or a mixture.
enum class Guarded { AllEnabled, AllDisabled, Mixed };
Guarded exchange_commands_enabled(const MainWindow& w) {
  int enabled = 0;
  int total = 0;
  for (const QWidget* widget : w.exchange_guard().widgets())
    enabled += widget->isEnabled(), ++total;
  for (const QAction* a : w.exchange_guard().actions()) enabled += a->isEnabled(), ++total;
  if (enabled == total) return Guarded::AllEnabled;
  return enabled == 0 ? Guarded::AllDisabled : Guarded::Mixed;
}

constexpr Guarded kAllEnabled = Guarded::AllEnabled;
constexpr Guarded kAllDisabled = Guarded::AllDisabled;

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

  QTemporaryDir home_;  // the user's data and settings
  QDir backups_{home_.filePath(QStringLiteral("share/m27/backups"))};

 private slots:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("share"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       home_.filePath(QStringLiteral("config")));
  }

  void init() {
    QSettings(QStringLiteral("m27"), QStringLiteral("m27")).clear();
    backups_.removeRecursively();
  }

  void write_then_read_gives_back_the_table() {
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->sheet() = varied_sheet();
    w->render_sheet();
    const QStringList table = shown_table(*w);

    child<QPushButton>(*w, "Command1")->click();
    QCOMPARE(exchange_commands_enabled(*w), kAllDisabled);
    QVERIFY(w->progress_window()->isVisible());
    QCOMPARE(w->progress_window()->windowTitle(), QStringLiteral("向对讲机写入数据"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"写频完成"}, kPatienceMs);
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(!w->progress_window()->isVisible());
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("写频完成"));

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
    QCOMPARE(w->progress_window()->ProgressBar1()->value(), 0);
    QVERIFY(w->status_refresh_timer()->enabled() && w->splash_timer()->enabled());
    const QStringList kept = backups_.entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QFile backup(backups_.filePath(kept[0]));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll().toStdString(), *channel_file_bytes(w->sheet()));

    const auto memory = radio.memory();
    QVERIFY(memory);
    for (int i = 0; i < kRows; ++i) QCOMPARE(memory->channels[i], *encode_channel(w->sheet(), i));
  }

  void verify_after_write_lists_what_the_radio_did_not_keep() {
    FakeRadioProcess radio({"--fault", "store-wrong=2"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    QAction* verify = action(*w, "verify_after_write");
    QVERIFY(verify->isCheckable() && !verify->isChecked());
    verify->trigger();
    child<QPushButton>(*w, "Command1")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.shown.size(), 3u, kPatienceMs);
    QCOMPARE(boxes.texts(),
             (QStringList{"写频完成", "读写完成", "校验不一致\n3 接收频率 451.12500 451.13125"}));
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QCOMPARE(cell(*w, "Text1", 2)->text(), QStringLiteral("451.12500"));  // the table stays
    QVERIFY2(!backups_.exists(), "a read-back is no read of the user's");
  }

  void the_two_settings_persist_across_a_restart() {
    RecordingMessageBoxes boxes;
    auto first = make_window(boxes);
    QVERIFY(action(*first, "backup_after_read")->isChecked());
    QVERIFY(!action(*first, "verify_after_write")->isChecked());
    action(*first, "backup_after_read")->trigger();
    action(*first, "verify_after_write")->trigger();
    first.reset();
    auto second = make_window(boxes);
    QVERIFY(!action(*second, "backup_after_read")->isChecked());
    QVERIFY(action(*second, "verify_after_write")->isChecked());
  }

  // Every control the guard holds, and each one inside it, refuses typing and clicks during a
  // write; the port menu and the menu items do nothing; the radio gets the checked sheet.
  void edits_during_a_write_change_nothing() {
    FakeRadioProcess radio({"--paced", "--delay", "100"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->sheet() = varied_sheet();
    w->render_sheet();
    child<QPushButton>(*w, "Command1")->click();
    const Sheet checked = w->sheet();
    const QStringList table = shown_table(*w);
    QVERIFY(w->exchange_running());
    for (QWidget* container : w->exchange_guard().widgets()) {
      QList<QWidget*> controls = container->findChildren<QWidget*>();
      controls << container;
      for (QWidget* control : controls) {
        QTest::mouseClick(control, Qt::LeftButton);
        QTest::keyClicks(control, QStringLiteral("9"));
        QTest::keyClick(control, Qt::Key_Down);
        QTest::keyClick(control, Qt::Key_Return);
      }
    }
    for (QAction* a : w->exchange_guard().actions()) a->trigger();
    QVERIFY(w->serial_port().is_open());
    QCOMPARE(w->sheet(), checked);
    QCOMPARE(shown_table(*w), table);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"写频完成"}, kPatienceMs);
    const auto memory = radio.memory();
    QVERIFY(memory);
    QCOMPARE(memory->options, *encode_options(checked));
    for (int i = 0; i < kRows; ++i) QCOMPARE(memory->channels[i], *encode_channel(checked, i));
  }

  // The radio's end of the line goes away during a read: named at once, the port marked closed,
  // the grid as it was.
  void a_lost_port_is_named_and_marked_closed() {
    FakeRadioProcess radio({"--fault", "vanish=3"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->choose_port(1);
    const QStringList before = shown_table(*w);
    child<QPushButton>(*w, "Command2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"串口已断开，请检查数据线"}, kPatienceMs);
    QCOMPARE(boxes.shown[0].message, attention("串口已断开，请检查数据线"));
    QVERIFY(!w->serial_port().is_open());
    QVERIFY(!action(*w, "com1")->isChecked());
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("串口关"));
    QCOMPARE(shown_table(*w), before);
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
  }

  // The first message holds the rest: the buttons come back only once it is closed.
  void a_missing_channel_record_shows_both_messages_in_order() {
    FakeRadioProcess radio({"--fault", "silent-after=3"});
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    auto w = make_window(boxes, com1_on(radio.device()));
    const QStringList before = shown_table(*w);
    child<QPushButton>(*w, "Command2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"通讯失败，请检查对讲机是否进入写频模式"},
                              kPatienceMs);
    QVERIFY(!w->exchange_running());
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("通讯失败"));
    QCOMPARE(exchange_commands_enabled(*w), kAllDisabled);

    boxes.close_oldest();
    QCOMPARE(boxes.texts(), (QStringList{"通讯失败，请检查对讲机是否进入写频模式", "读频出错"}));
    QCOMPARE(boxes.shown[1].message, (Message{"读频出错", "读频出错"}));
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("读频出错"));
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(w->splash_timer()->enabled());
    // Rows 0 and 1 came from the radio before it fell silent: the grid shows none of them.
    QCOMPARE(shown_table(*w), before);

    boxes.close_oldest();
    QVERIFY(w->status_refresh_timer()->enabled());
    w->refresh_port_status();
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("串口开"));
  }

  void closing_the_progress_window_ends_the_read_at_once() {
    FakeRadioProcess radio({"--paced", "--delay", "200"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    child<QPushButton>(*w, "Command2")->click();
    QTRY_VERIFY_WITH_TIMEOUT(w->progress_window()->ProgressBar1()->value() > 0, kPatienceMs);
    w->progress_window()->close();
    QVERIFY(!w->exchange_running());
    QCOMPARE(boxes.texts(), QStringList{"读频出错"});
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(!w->progress_window()->isVisible());
    QCOMPARE(w->progress_window()->ProgressBar1()->value(), 0);
    QVERIFY(w->status_refresh_timer()->enabled() && w->splash_timer()->enabled());
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
    QVERIFY(w->splash_timer()->enabled());
  }

  void a_read_with_the_port_closed_only_asks_to_open_it() {
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes);  // port 1 maps to nothing
    child<QPushButton>(*w, "Command2")->click();
    QCOMPARE(boxes.texts(), QStringList{"请打开通信端口"});
    QCOMPARE(exchange_commands_enabled(*w), kAllEnabled);
    QVERIFY(!w->progress_window()->isVisible());
  }

  void Yes_to_the_exit_question_ends_the_exchange_the_port_and_the_program_data() {
    QTest::addColumn<QString>("during");
    QTest::addColumn<QStringList>("radio");
    QTest::newRow("a read, the radio silent") << "read" << QStringList{"--fault", "silent"};
    QTest::newRow("a write, the radio silent after 3")
        << "write" << QStringList{"--fault", "silent-after=3"};
    QTest::newRow("a monitor stream") << "monitor" << QStringList{};
  }

  void Yes_to_the_exit_question_ends_the_exchange_the_port_and_the_program() {
    QFETCH(QString, during);
    QFETCH(QStringList, radio);
    FakeRadioProcess fake(radio + QStringList{"--log"});
    RecordingMessageBoxes boxes;
    boxes.answer_yes = true;
    auto w = make_window(boxes, com1_on(fake.device()));
    QObject::connect(w.get(), &MainWindow::exited, [] { QCoreApplication::exit(0); });  // main()
    if (during == "read") {
      child<QPushButton>(*w, "Command2")->click();
    } else if (during == "write") {
      child<QPushButton>(*w, "Command1")->click();
      // The options and two channels are stored, the third waits for its answer.
      QTRY_COMPARE_WITH_TIMEOUT(fake.count_in_log("-> 41 00 41"), 3, kPatienceMs);
    } else {
      w->start_exchange(std::make_unique<MonitorCommand>(MonitorButton::StartRssi));
      QTRY_VERIFY_WITH_TIMEOUT(fake.log().contains("->"), kPatienceMs);  // packets flow
    }
    QTimer guard;  // only a hang runs into it
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(kPatienceMs);
    QTimer::singleShot(0, w.get(), [&w] { w->close(); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(boxes.texts(), QStringList{"确认要退出程序吗？"});
    QVERIFY(!w->isVisible() && !w->progress_window()->isVisible());
    QVERIFY(!w->exchange_running());
    QVERIFY(!w->serial_port().is_open());
    QTest::qWait(0);  // what was still posted has no box to show
    QCOMPARE(boxes.shown.size(), 1u);
    fake.stop();
    QVERIFY2(!fake.log().contains("<- 45 00 45"), "no end packet");
    QCOMPARE(fake.log().contains("<- 55 01 00 56"), during == "monitor");
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TransferTest)
#include "transfer_test.moc"
