// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the radio from the window over a real port, against the fake radio on a
// pty: what is written comes back, what the user sees comes in order (status texts, boxes, the
// progress window), nothing stays locked, and the exit ends any exchange at once. The orders
// themselves, each ending and every time-out are the link's, tested in virtual time.

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "files/file_commands.h"
#include "service/monitor_command.h"
#include "support/fake_radio_process.h"
#include "support/pseudo_terminal.h"
#include "support/varied_sheet.h"
#include "ui/settings.h"
#include "ui_test_support.h"

namespace m27::testing {

constexpr int kPatienceMs = 30'000;  // a whole transfer takes about two seconds

class TransferTest : public QObject {
  Q_OBJECT

  // The user's data and settings of this test alone: the other window tests read into the build
  // tree's, at the same time.
  QTemporaryDir home_;
  QDir backups_{home_.filePath(QStringLiteral("share/m27/backups"))};

 private slots:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("share"))));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.filePath("config"));
  }

  void init() {
    program_settings().clear();
    backups_.removeRecursively();
  }

  // A write, then a read into the start-up sheet: the read is one undoable step, leaves the
  // title clean and is backed up.
  void write_then_read_gives_back_the_table() {
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->sheet() = varied_sheet();
    w->render_sheet();
    const QStringList table = shown_table(*w);
    QStringList bar_ends;  // each transfer's bar reaches its own end
    QProgressBar* bar = w->progress_window()->ProgressBar1();
    connect(bar, &QProgressBar::valueChanged, bar, [&bar_ends, bar](int value) {
      if (value == bar->maximum()) bar_ends << QString::number(value);
    });
    w->write_button()->click();
    QCOMPARE(exchange_commands(*w), "off");
    QVERIFY(w->progress_window()->isVisible() &&
            w->progress_window()->windowTitle() == QStringLiteral("向对讲机写入数据"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"写频完成"}, kPatienceMs);
    QVERIFY(exchange_commands(*w) == "on" && !w->progress_window()->isVisible());
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("写频完成"));

    w->sheet() = startup_sheet();
    w->render_sheet();
    action(*w, "WriteChn")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), (QStringList{"写频完成", "读写完成"}), kPatienceMs);
    QCOMPARE(boxes.shown.back().message.title, std::string("读频完成"));
    QCOMPARE(shown_table(*w), table);
    QCOMPARE(bar_ends, (QStringList{"156", "75"}));
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
    QVERIFY(w->status_refresh_timer()->isActive() && !w->splash_held());
    const QStringList kept = backups_.entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QFile backup(backups_.filePath(kept.value(0)));
    QVERIFY(backup.open(QIODevice::ReadOnly) &&
            backup.readAll().toStdString() == *channel_file_bytes(w->sheet()));
    action(*w, "undo")->trigger();
    QVERIFY(w->sheet() == startup_sheet());
  }

  // A frequency on neither raster, then 开始写频 with the port closed: the grid shows what the
  // write would send, one step that Ctrl+Z takes back; one box, nothing on the line.
  void a_write_snaps_the_grid_and_a_closed_port_refuses_it_once() {
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(pty.device()));
    w->choose_port(2);  // a port without a device: com1 is closed now
    boxes.shown.clear();
    QLineEdit* frequency = cell(*w, "Text1", 0);
    frequency->clear();
    QTest::keyClicks(frequency, "450.1374");
    w->write_button()->click();
    QCOMPARE(frequency->text(), QStringLiteral("450.13500"));
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].message, attention("请设置串口"));
    QVERIFY(exchange_commands(*w) == "on" && w->windowTitle().endsWith(" *"));
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(frequency, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(frequency->text(), QStringLiteral("450.1374"));
    char byte;
    fcntl(pty.master(), F_SETFL, O_NONBLOCK);
    QCOMPARE(::read(pty.master(), &byte, 1), -1);
  }

  // The read-back after a write names what the radio did not keep, and backs nothing up; the
  // choice outlives the window.
  void verify_after_write_lists_what_the_radio_did_not_keep() {
    FakeRadioProcess radio({"--fault", "store-wrong=2"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    action(*w, "verify_after_write")->trigger();  // off at first
    w->write_button()->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.shown.size(), 3u, kPatienceMs);
    QCOMPARE(boxes.texts(),
             (QStringList{"写频完成", "读写完成", "校验不一致\n3 接收频率 451.12500 451.13125"}));
    QCOMPARE(exchange_commands(*w), "on");
    QCOMPARE(cell(*w, "Text1", 2)->text(), QStringLiteral("451.12500"));  // the table stays
    QVERIFY2(!backups_.exists(), "a read-back is no read of the user's");
    w.reset();
    QVERIFY(action(*make_window(boxes), "verify_after_write")->isChecked());
  }

  // The radio's end of the line goes away during a read: named at once, the port marked closed,
  // the grid as it was.
  void a_lost_port_is_named_and_marked_closed() {
    FakeRadioProcess radio({"--fault", "vanish=3"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->choose_port(1);
    const QStringList before = shown_table(*w);
    w->read_button()->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.shown.size(), 1u, kPatienceMs);
    QCOMPARE(boxes.shown[0].message, attention("串口已断开，请检查数据线"));
    QVERIFY(!w->serial_port().is_open() && !action(*w, "com1")->isChecked());
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("串口关"));
    QVERIFY(shown_table(*w) == before && exchange_commands(*w) == "on");
  }

  // The one silent radio here: the first message holds the rest, and the commands come back
  // only once it is closed.
  void a_missing_channel_record_shows_both_messages_in_order() {
    FakeRadioProcess radio({"--fault", "silent-after=3"});
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    auto w = make_window(boxes, com1_on(radio.device()));
    const QStringList before = shown_table(*w);
    w->read_button()->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{"通讯失败，请检查对讲机是否进入写频模式"},
                              kPatienceMs);
    QVERIFY(!w->exchange_running());
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("通讯失败"));
    QCOMPARE(exchange_commands(*w), "off");
    boxes.close_oldest();
    QCOMPARE(boxes.shown.back().message, (Message{"读频出错", "读频出错"}));
    QCOMPARE(w->status_bar()->panel1(), QStringLiteral("读频出错"));
    QVERIFY(exchange_commands(*w) == "on" && !w->splash_held());
    // Rows 0 and 1 came from the radio before it fell silent: the grid shows none of them.
    QCOMPARE(shown_table(*w), before);
    boxes.close_oldest();
    QVERIFY(w->status_refresh_timer()->isActive());
  }

  void closing_the_progress_window_ends_the_read_at_once() {
    FakeRadioProcess radio({"--paced", "--delay", "200"});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->read_button()->click();
    QTRY_VERIFY_WITH_TIMEOUT(w->progress_window()->ProgressBar1()->value() > 0, kPatienceMs);
    w->progress_window()->close();
    QCOMPARE(boxes.texts(), QStringList{"读频出错"});
    QVERIFY(!w->exchange_running() && exchange_commands(*w) == "on");
    QCOMPARE(w->progress_window()->ProgressBar1()->value(), 0);
    QVERIFY(w->status_refresh_timer()->isActive() && !w->splash_held());
  }

  // A read and a monitor stream wait for a reply that never comes; the exit ends the exchange,
  // the port and the program at once (a stream stopped first, a read with nothing more), and no
  // box comes up afterwards.
  void Yes_to_the_exit_question_ends_the_exchange_and_the_port() {
    for (const bool monitor : {false, true}) {
      PseudoTerminal pty;
      RecordingMessageBoxes boxes;
      boxes.answer_yes = true;
      auto w = make_window(boxes, com1_on(pty.device()));
      QSignalSpy exited(w.get(), &MainWindow::exited);
      if (monitor) w->start_exchange(std::make_unique<MonitorCommand>(MonitorButton::StartRssi));
      if (!monitor) w->read_button()->click();
      QVERIFY(w->exchange_running());
      QTRY_COMPARE(w->serial_port().port().bytesToWrite(), 0);  // the request is on the line
      w->close();
      QVERIFY(exited.count() == 1 && !w->isVisible() && !w->progress_window()->isVisible());
      QVERIFY(!w->exchange_running() && !w->serial_port().is_open());
      QTest::qWait(0);  // what was still posted has no box to show
      QCOMPARE(boxes.texts(), QStringList{"确认要退出程序吗？"});
      // What reached the other end; the last bytes may reach it a moment after the close.
      QByteArray sent;
      fcntl(pty.master(), F_SETFL, O_NONBLOCK);
      const auto line = [&sent, &pty] {
        char chunk[64];
        sent.append(chunk, std::max<qsizetype>(0, ::read(pty.master(), chunk, sizeof chunk)));
        return sent.toHex(' ');
      };
      QTRY_COMPARE(line(), monitor ? "55 01 01 57 55 01 00 56" : "53 03 00 00 04 5a");
    }
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TransferTest)
#include "transfer_test.moc"
