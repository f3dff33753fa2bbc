// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the radio from the window over a real port, against the fake radio on a
// pty: what is written comes back, what the user sees comes in order (status texts, boxes, the
// progress window), nothing stays locked, and the exit ends any exchange at once. The orders
// themselves, each ending and every time-out are the link's, tested in virtual time.

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "files/file_commands.h"
#include "service/monitor_command.h"
#include "support/fake_radio_process.h"
#include "support/pseudo_terminal.h"
#include "support/varied_sheet.h"
#include "ui/window/settings.h"
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
  // title clean and is backed up as it completes, while its box is still open.
  void write_then_read_gives_back_the_table() {
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->sheet() = varied_sheet();
    w->render_sheet();
    const QStringList table = shown_table(*w);
    QStringList bar_ends;  // each transfer's bar reaches its own end
    QProgressBar* bar = w->progress_window()->bar();
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
    boxes.hold = true;
    action(*w, "WriteChn")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), (QStringList{"写频完成", "读写完成"}), kPatienceMs);
    const QStringList kept = backups_.entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QFile backup(backups_.filePath(kept.value(0)));
    QVERIFY(backup.open(QIODevice::ReadOnly) &&
            backup.readAll().toStdString() == *channel_file_bytes(w->sheet()));
    boxes.close_oldest();
    QCOMPARE(boxes.shown.back().message.title, std::string("读频完成"));
    QCOMPARE(shown_table(*w), table);
    QCOMPARE(bar_ends, (QStringList{"156", "75"}));
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
    QVERIFY(w->status_refresh_timer()->isActive() && !w->splash_held());
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
    type_into(*w, Cell::rx_frequency, 0, "450.1374");
    w->write_button()->click();
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 0), QStringLiteral("450.13500"));
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].message, attention("请设置串口"));
    QVERIFY(exchange_commands(*w) == "on" && w->windowTitle().endsWith(" *"));
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(table(*w), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 0), QStringLiteral("450.1374"));
    char byte;
    fcntl(pty.master(), F_SETFL, O_NONBLOCK);
    QCOMPARE(::read(pty.master(), &byte, 1), -1);
  }

  // With 写后校验 on, the radio is read back before any box: one box at the end, the write's,
  // says what the read-back found (what the radio did not keep, or that it could not be read).
  // A read-back is backed up nowhere; the choice outlives the window.
  void verify_after_write_reads_back_before_the_one_box() {
    const std::pair<const char*, const char*> kCases[] = {
        {"store-wrong=2", "写频完成\n校验不一致\n3 接收频率 451.12500 451.13125"},
        {"silent-after=27", "写频完成\n写频已完成，但读回对讲机失败，未能校验"},  // 27: the write
    };
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    for (const auto& [fault, text] : kCases) {
      FakeRadioProcess radio({"--log", "--fault", fault});
      boxes.shown.clear();
      auto w = make_window(boxes, com1_on(radio.device()));
      action(*w, "verify_after_write")->setChecked(true);
      w->write_button()->click();
      QTRY_COMPARE_WITH_TIMEOUT(boxes.shown.size(), 1u, kPatienceMs);
      QVERIFY2(radio.log().contains("<- 53 03 00 00 04 5A"), fault);  // the read-back's first
      QCOMPARE(boxes.shown[0].message, (Message{text, "写频完成", MessageIcon::Exclamation}));
      boxes.close_oldest();
      QCOMPARE(boxes.shown.size(), 1u);
      QCOMPARE(exchange_commands(*w), "on");
      QCOMPARE(cell_text(*w, Cell::rx_frequency, 2),
               QStringLiteral("451.12500"));  // the table stays
    }
    QVERIFY2(!backups_.exists(), "a read-back is no read of the user's");
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
    QTRY_VERIFY_WITH_TIMEOUT(w->progress_window()->bar()->value() > 0, kPatienceMs);
    w->progress_window()->close();
    QCOMPARE(boxes.texts(), QStringList{"读频出错"});
    QVERIFY(!w->exchange_running() && exchange_commands(*w) == "on");
    QCOMPARE(w->progress_window()->bar()->value(), 0);
    QVERIFY(w->status_refresh_timer()->isActive() && !w->splash_held());
  }

  // A read and a monitor stream wait for a reply that never comes; the exit ends the exchange,
  // the port and the program at once (a stream stopped first, a read with nothing more), and no
  // box comes up afterwards. The line holds back what is written until the event loop runs
  // again: the stop request is on it all the same before the port closes.
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
      tcflow(pty.slave(), TCOOFF);
      QTimer::singleShot(0, [&pty] { tcflow(pty.slave(), TCOON); });
      w->close();
      QVERIFY(exited.count() == 1 && !w->isVisible() && !w->progress_window()->isVisible());
      QVERIFY(!w->exchange_running() && !w->serial_port().is_open());
      char sent[64];
      fcntl(pty.master(), F_SETFL, O_NONBLOCK);
      const auto size = std::max<qsizetype>(0, ::read(pty.master(), sent, sizeof sent));
      QCOMPARE(QByteArray(sent, size).toHex(' '),
               monitor ? "55 01 01 57 55 01 00 56" : "53 03 00 00 04 5a");
      QTest::qWait(0);  // what was still posted has no box to show
      QCOMPARE(boxes.texts(), QStringList{"确认要退出程序吗？"});
    }
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::TransferTest)
#include "transfer_test.moc"
