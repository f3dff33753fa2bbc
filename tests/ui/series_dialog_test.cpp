// SPDX-License-Identifier: GPL-3.0-or-later
// 批量写频 against m27-fake-radio on the window's own port: the job uses the port the window has
// open, locks the window's exchanges while it runs, and shows a finished radio green with its
// IDs. The job's rules are the core's, tested in virtual time; this proves the window reaches it.

#include "ui/series_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include "service/id_operations.h"
#include "support/fake_radio_process.h"
#include "ui/connection_check_dialog.h"
#include "ui/lamp.h"
#include "ui_test_support.h"

namespace m27::testing {

constexpr int kPatienceMs = 30'000;  // a radio takes about 3.5 s

class SeriesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void finishes_a_radio_on_the_windows_port() {
    QTemporaryDir dir;
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, com1_on(radio.device()));
    w->series_job()->trigger();
    SeriesDialog* dialog = w->series_dialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(child<QCheckBox>(*dialog, "series_com1")->isChecked());  // the port the window has open
    child<QLineEdit>(*dialog, "first_id")->setText("5000");
    child<QLineEdit>(*dialog, "id_count")->setText("3");
    child<QLineEdit>(*dialog, "log_file")->setText(dir.filePath("series.csv"));
    child<QPushButton>(*dialog, "start_job")->click();
    QCOMPARE(exchange_commands(*w), "off");

    const auto* table = child<QTableWidget>(*dialog, "stations");
    const auto shown = [table](SeriesDialog::Column column) {
      const QTableWidgetItem* item = table->item(0, column);
      return item ? item->text() : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(shown(SeriesDialog::kOk), "1", kPatienceMs);
    QCOMPARE((QStringList{shown(SeriesDialog::kPort), shown(SeriesDialog::kState),
                          shown(SeriesDialog::kOldId), shown(SeriesDialog::kNewId),
                          shown(SeriesDialog::kFailed)}),
             (QStringList{"com1", "完成，请换下一台", "12345678", "5000", "0"}));
    QCOMPARE(table->item(0, SeriesDialog::kState)->background().color(), kLampGreen);
    // The window's port is the job's: between two of its requests nothing else starts on it.
    QTRY_VERIFY(!w->exchange_running());
    QVERIFY(!w->start_exchange(std::make_unique<ReadId>()));
    w->connection_check()->trigger();
    QCOMPARE(child<QLabel>(*w->connection_check_dialog(), "step1")->text(), "");

    child<QPushButton>(*dialog, "stop_job")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->job_running(), kPatienceMs);
    QCOMPARE(exchange_commands(*w), "on");
    QVERIFY(child<QLabel>(*dialog, "totals")->text().startsWith("完成 1 台，失败 0 台，用时 "));
    QCOMPARE(boxes.texts(), QStringList());
    QFile log(dir.filePath("series.csv"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count(",com1,12345678,5000,"), 2);  // reserved, then ok
    const auto memory = radio.memory();
    QVERIFY(memory && memory->id == 5000);
  }

  // The window's own port and a port of the job's own: an exit mid-write ends both exchanges at
  // once and logs each radio as interrupted, not as a failed write or not at all.
  void the_exit_logs_the_radios_on_their_way_as_interrupted() {
    QTemporaryDir dir;
    const QStringList slow{"--paced", "--delay", "200"};
    FakeRadioProcess radio1(slow), radio2(slow);
    PortMap ports = com1_on(radio1.device());
    ports.set({2, radio2.device()});
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, ports);
    w->series_job()->trigger();
    SeriesDialog* dialog = w->series_dialog();
    child<QCheckBox>(*dialog, "series_com2")->setChecked(true);
    child<QLineEdit>(*dialog, "log_file")->setText(dir.filePath("series.csv"));
    child<QPushButton>(*dialog, "start_job")->click();
    const auto* table = child<QTableWidget>(*dialog, "stations");
    const auto writing = [table](int row) {
      const QTableWidgetItem* item = table->item(row, SeriesDialog::kState);
      return item && item->text() == "正在写频......";
    };
    QTRY_VERIFY_WITH_TIMEOUT(writing(0) && writing(1), kPatienceMs);

    boxes.answer_yes = true;
    w->close();
    QVERIFY(!w->isVisible());
    QFile log(dir.filePath("series.csv"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray lines = log.readAll();
    QCOMPARE(lines.count(",interrupted,"), 2);
    QCOMPARE(lines.count('\n'), 3);  // the header and the two radios
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::SeriesDialogTest)
#include "series_dialog_test.moc"
