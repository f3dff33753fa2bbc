// "保存文件" and "打开文件" in the window: the dialogs, the remembered name, the timers held off
// and given back, the tab stops, and nothing changed by a file that cannot be opened; the
// same for "导入CSV…" and "导出CSV…", and "通讯记录…" started and stopped.

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "channels/options.h"
#include "link/qt/port_trace.h"
#include "ui/form_timer.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

bool timers_running(const MainWindow& w) {
  return w.status_refresh_timer()->enabled() && w.splash_timer()->enabled();
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saves_132_gbk_lines_opens_them_again_and_cancels() {
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    dialogs.save_answer = dialogs.open_answer = dir.filePath("pro.m27");
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    Sheet& sheet = w->sheet();
    sheet.mode = "2:专业模式";
    change_mode(sheet);
    sheet.rows[3].rx_tone = "I754";
    sheet.channel_total = "7";
    w->render_sheet();
    child<QPushButton>(*w, "Command6")->click();
    QFile saved(dir.filePath("pro.m27"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes.count("\r\n"), 132);
    QVERIFY(bytes.startsWith("2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n450.12500\r\n"));
    QCOMPARE(cell(*w, "Text1", 0)->focusPolicy(), Qt::ClickFocus);
    QVERIFY(timers_running(*w));

    w->sheet() = startup_sheet();
    w->render_sheet();
    boxes.save_answer = SaveAnswer::Discard;
    child<QPushButton>(*w, "Command5")->click();
    QCOMPARE(dialogs.open_starts, QStringList{dir.filePath("pro.m27")});
    QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
    QCOMPARE(cell(*w, "Text5", 3)->text(), QStringLiteral("I754"));
    QVERIFY(cell(*w, "Text1", 6)->isEnabled());
    QVERIFY(!cell(*w, "Text1", 7)->isEnabled());
    QCOMPARE(cell(*w, "Text3", 24)->focusPolicy(), Qt::ClickFocus);

    dialogs.save_answer
        .reset();  // a cancelled save forgets the name; a cancelled open does nothing
    dialogs.open_answer.reset();
    action(*w, "MenuSave")->trigger();
    action(*w, "MenuFileOpen")->trigger();
    QCOMPARE(dialogs.open_starts, (QStringList{dir.filePath("pro.m27"), QString()}));
    QCOMPARE(cell(*w, "Text5", 3)->text(), QStringLiteral("I754"));
    QVERIFY(timers_running(*w));
    QCOMPARE(boxes.texts(), QStringList{"当前信道数据已修改，是否保存？"});
  }

  void a_file_that_cannot_be_opened_or_saved_changes_nothing_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("a lead byte followed by a byte no GBK character has") << false << "bad.m27"
                                                                         << "打开文件失败";
    QTest::newRow("a folder that does not exist") << true << "missing/folder/a.m27"
                                                  << "保存文件失败";
  }

  void a_file_that_cannot_be_opened_or_saved_changes_nothing() {
    QFETCH(bool, save);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QFile bad(dir.filePath("bad.m27"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("2:\xC3\x28\r\n");
    bad.close();
    ScriptedFileDialogs dialogs;
    dialogs.save_answer = dialogs.open_answer = path;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    const Sheet before = w->sheet();
    action(*w, save ? "MenuSave" : "MenuFileOpen")->trigger();
    QVERIFY(save || w->sheet() == before);
    QCOMPARE(boxes.shown.size(), std::size_t{1});
    const Message& shown = boxes.shown[0].message;
    QVERIFY(QString::fromStdString(shown.text).startsWith(message + "\n" + path + "\n"));
    QCOMPARE(shown.title, std::string("注意"));
    QVERIFY(timers_running(*w));
  }

  void imports_a_sheet_exports_it_and_refuses_a_bad_one_unchanged() {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.csv");
    const QString bad = dir.filePath("bad.csv");
    for (const auto& [name, row2] :
         {std::pair{good, "2,450,OFF,451,D023,宽带"}, std::pair{bad, "2,500,OFF,451,D023,宽带"}}) {
      QFile file(name);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(
          QByteArray("信道,接收频率,接收亚音,发射频率,发射亚音,带宽\n1,440,67,440,OFF,窄带\n") +
          row2);
    }
    ScriptedFileDialogs dialogs;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    dialogs.csv_import_answer = good;
    action(*w, "MenuImportCsv")->trigger();
    QCOMPARE(cell(*w, "Text5", 0)->text(), QStringLiteral("67.0"));
    QCOMPARE(cell(*w, "Text2", 1)->text(), QStringLiteral("D023"));
    QCOMPARE(cell(*w, "Text1", 2)->text(), QStringLiteral("451.12500"));  // BASE's row 3
    action(*w, "undo")->trigger();                                        // an import is one step
    QCOMPARE(cell(*w, "Text5", 0)->text(), QStringLiteral("OFF"));
    QCOMPARE(cell(*w, "Text2", 1)->text(), QStringLiteral("OFF"));
    action(*w, "redo")->trigger();
    QCOMPARE(cell(*w, "Text5", 0)->text(), QStringLiteral("67.0"));

    dialogs.csv_export_answer = FileDialogs::CsvChoice{dir.filePath("out.csv"), CsvLayout::Generic};
    action(*w, "MenuExportCsv")->trigger();
    QFile exported(dir.filePath("out.csv"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains("\r\n2,,450.000000,+,1.000000,Cross,"));

    const Sheet before = w->sheet();
    dialogs.csv_import_answer = bad;
    boxes.save_answer = SaveAnswer::Discard;
    action(*w, "MenuImportCsv")->trigger();
    QVERIFY(w->sheet() == before);
    QCOMPARE(boxes.texts(),
             (QStringList{
                 "当前信道数据已修改，是否保存？",
                 "导入CSV失败\n" + bad + "\n第3行第2列（接收频率）：“500”不在400～490 MHz之内"}));
    QVERIFY(timers_running(*w));
  }

  void the_trace_item_starts_and_stops_a_trace() {
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    dialogs.trace_answer = dir.filePath("trace.txt");
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    QAction* item = action(*w, "MenuTrace");
    item->trigger();
    QVERIFY(item->isChecked() && port_trace().file_name() == dir.filePath("trace.txt"));
    item->trigger();
    QVERIFY(!item->isChecked() && !port_trace().active());
  }

  void an_empty_file_is_refused_and_a_short_one_says_how_far() {
    QTemporaryDir dir;
    for (const auto& [name, bytes] :
         {std::pair{"empty.m27", ""},
          std::pair{"short.m27", "2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n"}}) {
      QFile file(dir.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(bytes);
    }
    ScriptedFileDialogs dialogs;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    dialogs.open_answer = dir.filePath("empty.m27");
    action(*w, "MenuFileOpen")->trigger();
    QVERIFY(w->sheet() == startup_sheet());
    dialogs.open_answer = dir.filePath("short.m27");
    action(*w, "MenuFileOpen")->trigger();
    QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
    QCOMPARE(boxes.texts(),
             (QStringList{"打开文件失败\n" + dir.filePath("empty.m27") + "\n文件是空的",
                          "文件不完整：只读到1行"}));
    QCOMPARE(boxes.shown[1].message.title, std::string("注意"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::FileCommandsTest)
#include "file_commands_test.moc"
