// SPDX-License-Identifier: GPL-3.0-or-later
// 批量写频 against m27-fake-radio on the window's own port: the job uses the port the window has
// open, locks the window's exchanges while it runs, and shows a finished radio green with its
// IDs; a job follows a job in one dialog, and closing the dialog ends a job at once. The job's
// rules are the core's, tested in virtual time; this proves the window reaches it.

#include "ui/dialogs/series_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include "service/id_operations.h"
#include "support/fake_radio_process.h"
#include "ui/window/lamp.h"
#include "ui_test_support.h"

namespace m27::testing {

constexpr int kPatienceMs = 30'000;  // a radio takes about 3.5 s

class SeriesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Fields the job refuses, then two jobs in one dialog: the first asks before it creates the
  // log and numbers a radio, and after 停止 the rows keep their results; the second, on a fresh
  // radio, replaces the rows and totals and numbers it too. 保存报告… saves the report of the job
  // that has ended, which holds its radio and not the other job's.
  void numbers_a_radio_in_each_of_two_jobs_on_the_windows_port() {
    QTemporaryDir dir;
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    ScriptedFileDialogs files;
    auto w = make_window(boxes, com1_on(radio.device()), &files);
    w->series_job()->trigger();
    SeriesDialog* dialog = w->series_dialog();
    const QStringList kRefused[] = {
        {"1.5", "3", "起始ID 须在1到4294967295之间"},
        {"1", "", "数量 须在1到4294967295之间"},
        {"4294967295", "2", "起始ID+数量 不能超过4294967296"},
    };
    const QString log = dir.filePath("series.csv");
    child<QLineEdit>(*dialog, "log_file")->setText(log);
    for (const QStringList& refused : kRefused) {
      child<QLineEdit>(*dialog, "first_id")->setText(refused[0]);
      child<QLineEdit>(*dialog, "id_count")->setText(refused[1]);
      child<QPushButton>(*dialog, "start_job")->click();
      QCOMPARE(boxes.texts().takeLast(), refused[2]);
    }
    child<QLineEdit>(*dialog, "first_id")->setText("5000");
    child<QLineEdit>(*dialog, "id_count")->setText("3");
    boxes.shown.clear();
    child<QPushButton>(*dialog, "start_job")->click();  // no log yet: not without a yes
    const QString question = "记录文件 " + log + " 不存在，要新建吗？";
    QCOMPARE(boxes.texts(), QStringList{question});
    QVERIFY(!dialog->job_running() && !QFile::exists(log));
    boxes.answer_yes = true;
    auto* save_report = child<QPushButton>(*dialog, "save_report");
    const auto saved_report = [&files, save_report](const QString& file) {
      files.report_answer = file;
      save_report->click();
      QFile report(file);
      return report.open(QIODevice::ReadOnly) ? QString::fromUtf8(report.readAll()) : QString();
    };
    const QString radio_5000 =
        "<td>com1</td><td class=\"number\">12345678</td><td "
        "class=\"number\">5000</td><td class=\"ok\">完成</td>";
    child<QPushButton>(*dialog, "start_job")->click();
    QCOMPARE(exchange_commands(*w), "off");
    QVERIFY(!save_report->isEnabled());

    const auto* table = child<QTableWidget>(*dialog, "stations");
    const auto row = [table] {
      QStringList shown;
      for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->item(0, column);
        shown << (item ? item->text() : QString());
      }
      return shown;
    };
    QTRY_COMPARE_WITH_TIMEOUT(row().value(SeriesDialog::kOk), "1", kPatienceMs);
    QCOMPARE(row(), (QStringList{"com1", "完成，请换下一台", "12345678", "5000", "1", "0"}));
    QCOMPARE(table->item(0, SeriesDialog::kState)->toolTip(), "完成，请换下一台");
    // The window's port is the job's: between two of its requests nothing else starts on it.
    QTRY_VERIFY(!w->exchange_running());
    QVERIFY(!w->start_exchange(std::make_unique<ReadId>()));

    child<QPushButton>(*dialog, "stop_job")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->job_running(), kPatienceMs);
    QCOMPARE(exchange_commands(*w), "on");
    QCOMPARE(row().value(SeriesDialog::kState), "完成，请换下一台");
    QCOMPARE(child<QLabel>(*dialog, "job_state")->text(), "批量写频已结束");
    QVERIFY(child<QLabel>(*dialog, "totals")->text().startsWith("完成 1 台，失败 0 台，用时 "));
    const QString first = saved_report(dir.filePath("job.html"));
    QVERIFY(first.contains(radio_5000) && first.contains("已中断") && first.contains("未命名"));

    radio.say("plug 0");
    QCOMPARE(radio.next_line(), "unplugged");
    child<QPushButton>(*dialog, "start_job")->click();
    QTRY_COMPARE_WITH_TIMEOUT(row().value(SeriesDialog::kOk), "1", kPatienceMs);
    QCOMPARE(row(), (QStringList{"com1", "完成，请换下一台", "0", "5001", "1", "0"}));
    QCOMPARE(child<QLineEdit>(*dialog, "first_id")->text(), "5000");
    QCOMPARE(child<QLabel>(*dialog, "totals")->text(), "完成 1 台，失败 0 台");
    QCOMPARE(boxes.texts(), QStringList({question, question}));  // once refused, once agreed
    QFile logged(log);
    QVERIFY(logged.open(QIODevice::ReadOnly));
    const QByteArray lines = logged.readAll();
    QCOMPARE(lines.count(",com1,12345678,5000,"), 2);  // reserved, then ok
    QCOMPARE(lines.count(",com1,0,5001,"), 2);
    child<QPushButton>(*dialog, "stop_job")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->job_running(), kPatienceMs);
    const QString second = saved_report(dir.filePath("job.html"));
    QVERIFY(second.contains(">5001</td>") && !second.contains(">5000</td>"));
    saved_report(dir.filePath("no/job.html"));
    QVERIFY(boxes.texts().last().startsWith("保存报告失败\n" + dir.filePath("no/job.html") + "\n"));
  }

  // A station waits for its radio's removal; closing the dialog ends the job there and then,
  // every time, and frees the log and the port for the next job.
  void closing_while_a_station_waits_for_removal_ends_the_job() {
    QTemporaryDir dir;
    FakeRadioProcess radio;
    RecordingMessageBoxes boxes;
    boxes.answer_yes = true;  // the log may be created
    auto w = make_window(boxes, com1_on(radio.device()));
    const auto start = [&w, &dir] {
      w->series_job()->trigger();
      SeriesDialog* dialog = w->series_dialog();
      child<QLineEdit>(*dialog, "log_file")->setText(dir.filePath("series.csv"));
      child<QLineEdit>(*dialog, "first_id")->setText("1");
      child<QPushButton>(*dialog, "start_job")->click();
      return dialog;
    };
    const auto shown = [](const SeriesDialog* dialog, SeriesDialog::Column column) {
      const QTableWidgetItem* item = child<QTableWidget>(*dialog, "stations")->item(0, column);
      static const QTableWidgetItem nothing;  // a cell not filled yet
      return item ? item : &nothing;
    };
    for (int time = 0; time < 20; ++time) {
      SeriesDialog* dialog = start();
      QTRY_COMPARE_WITH_TIMEOUT(shown(dialog, SeriesDialog::kState)->background().color(),
                                kLampGreen, kPatienceMs);
      dialog->close();
      QVERIFY2(!dialog->isVisible() && !dialog->job_running(), qPrintable(QString::number(time)));
      QCOMPARE(exchange_commands(*w), "on");
      QTRY_VERIFY(!w->series_dialog());  // gone, with its job, before it opens again
    }
    radio.say("plug 0");
    SeriesDialog* dialog = start();
    QTRY_COMPARE_WITH_TIMEOUT(shown(dialog, SeriesDialog::kNewId)->text(), "2", kPatienceMs);
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
    boxes.answer_yes = true;  // a new log, then the exit
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
