// The file commands of the window: "保存文件" and "打开文件" with their dialogs, the name
// remembered and the cancels, the timers held off and given back; files that cannot be opened or
// saved; "导入CSV…", "导出CSV…" and "通讯记录…". The formats and their refusals are the core's;
// these tests prove that the window reaches them and shows what they decide.

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

void write_file(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // Saved by the button in GBK and opened again: the mode, its tones and the rows in use come
  // back, the tab stops are off; a cancelled save forgets the name, a cancelled open does nothing.
  void saves_opens_again_and_cancels() {
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    dialogs.save_answer = dialogs.open_answer = dir.filePath("pro.m27");
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    w->sheet().mode = "2:专业模式";
    change_mode(w->sheet());
    w->sheet().rows[3].rx_tone = "I754";
    w->sheet().channel_total = "7";
    w->render_sheet();
    child<QPushButton>(*w, "Command6")->click();
    QFile saved(dir.filePath("pro.m27"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n450.12500\r\n"));
    QCOMPARE(cell(*w, "Text1", 0)->focusPolicy(), Qt::ClickFocus);
    w->sheet() = startup_sheet();
    w->render_sheet();
    boxes.save_answer = SaveAnswer::Discard;
    child<QPushButton>(*w, "Command5")->click();
    QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
    QCOMPARE(cell(*w, "Text5", 3)->text(), QStringLiteral("I754"));
    QVERIFY(cell(*w, "Text1", 6)->isEnabled() && !cell(*w, "Text1", 7)->isEnabled());
    dialogs.save_answer.reset();
    dialogs.open_answer.reset();
    action(*w, "MenuSave")->trigger();
    action(*w, "MenuFileOpen")->trigger();
    QCOMPARE(dialogs.open_starts, (QStringList{dir.filePath("pro.m27"), QString()}));
    QCOMPARE(cell(*w, "Text5", 3)->text(), QStringLiteral("I754"));
    QVERIFY(timers_running(*w));
    QCOMPARE(boxes.texts(), QStringList{"当前信道数据已修改，是否保存？"});
  }

  void a_file_that_cannot_be_opened_or_saved_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // %1: the file's path
    const QByteArray not_gbk("2:\xC3\x28\r\n");
    QTest::newRow("a lead byte no GBK character follows")
        << "open" << not_gbk << "打开文件失败\n%1\n";
    QTest::newRow("the same named at start-up") << "start-up" << not_gbk << "打开文件失败\n%1\n";
    QTest::newRow("an empty file") << "open" << QByteArray() << "打开文件失败\n%1\n文件是空的";
    QTest::newRow("a folder that does not exist") << "save" << QByteArray() << "保存文件失败\n%1\n";
    QTest::newRow("a file cut short: opened as far as it reaches")
        << "open" << QByteArray("2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n")
        << "文件不完整：只读到1行";
  }

  // One box, 注意, naming the file and why; the sheet and the title as they were; the timers back.
  void a_file_that_cannot_be_opened_or_saved() {
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(command == "save" ? "missing/folder/a.m27" : "bad.m27");
    if (command != "save") write_file(path, bytes);
    ScriptedFileDialogs dialogs;
    dialogs.save_answer = dialogs.open_answer = path;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    if (command == "start-up") w->open_file(path);
    if (command != "start-up")
      action(*w, command == "save" ? "MenuSave" : "MenuFileOpen")->trigger();
    QCOMPARE(boxes.shown.size(), std::size_t{1});
    QVERIFY2(boxes.texts()[0].startsWith(message.arg(path)), qPrintable(boxes.texts()[0]));
    QCOMPARE(boxes.shown[0].message.title, std::string("注意"));
    const bool cut_short = message.startsWith("文件不完整");
    QCOMPARE(box(*w, "Combo4")->currentText() == "2:专业模式", cut_short);
    if (!cut_short) QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
    QVERIFY(cut_short || command == "save" || w->sheet() == startup_sheet());
    QVERIFY(timers_running(*w));
  }

  // An import is one undoable step; a refused one asks about unsaved changes first, says where
  // and why, and changes nothing; the export writes the layout chosen.
  void imports_a_sheet_exports_it_and_refuses_a_bad_one_unchanged() {
    QTemporaryDir dir;
    const QByteArray rows =
        "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\n1,440,67,440,OFF,窄带\n";
    write_file(dir.filePath("good.csv"), rows + "2,450,OFF,451,D023,宽带");
    write_file(dir.filePath("bad.csv"), rows + "2,500,OFF,451,D023,宽带");
    ScriptedFileDialogs dialogs;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    dialogs.csv_import_answer = dir.filePath("good.csv");
    action(*w, "MenuImportCsv")->trigger();
    const auto imported = [&w] {
      return cell(*w, "Text5", 0)->text() + cell(*w, "Text2", 1)->text();
    };
    QCOMPARE(imported(), QStringLiteral("67.0D023"));
    action(*w, "undo")->trigger();
    QCOMPARE(imported(), QStringLiteral("OFFOFF"));
    action(*w, "redo")->trigger();
    dialogs.csv_export_answer = FileDialogs::CsvChoice{dir.filePath("out.csv"), CsvLayout::Generic};
    action(*w, "MenuExportCsv")->trigger();
    QFile exported(dir.filePath("out.csv"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains("\r\n2,,450.000000,+,1.000000,Cross,"));
    const Sheet before = w->sheet();
    dialogs.csv_import_answer = dir.filePath("bad.csv");
    boxes.save_answer = SaveAnswer::Discard;
    action(*w, "MenuImportCsv")->trigger();
    QVERIFY(w->sheet() == before);
    QCOMPARE(boxes.texts(),
             (QStringList{"当前信道数据已修改，是否保存？",
                          "导入CSV失败\n" + dir.filePath("bad.csv") +
                              "\n第3行第2列（接收频率）：“500”不在400～490 MHz之内"}));
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
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::FileCommandsTest)
#include "file_commands_test.moc"
