// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an editor of channel files: "保存文件" and "打开文件" with the title naming the
// file and marking changes, files that cannot be opened or saved, nothing that replaces the sheet
// loses changes without asking, edits undo and redo, the recent files outlive the window, and
// "导入CSV…" and "导出CSV…". The formats and their refusals are the core's; these
// tests prove that the window reaches them and shows what they decide.

#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "link/qt/port_trace.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

// What a user sees of the sheet: the title, every cell and the option boxes.
QStringList shown(const MainWindow& w) {
  QStringList texts = QStringList{w.windowTitle()} + shown_table(w);
  for (const char* name : {"Combo1", "Combo4", "Combo5", "Combo2_60"}) {
    texts << box(w, name)->currentText();
  }
  return texts;
}

// Two digits typed over the first receive frequency: one edit.
void type_into_first_cell(MainWindow& w) { type_into(w, Cell::rx_frequency, 0, "45"); }

// The open editor of the grid's current cell, else the table.
QWidget* focused_cell(const MainWindow& w) {
  QWidget* editor = table(w)->indexWidget(table(w)->currentIndex());
  return editor ? editor : table(w);
}

bool timers_released(const MainWindow& w) { return !w.splash_held(); }

void write_file(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.path());
    QSettings(QSettings::IniFormat, QSettings::UserScope, "m27", "m27").clear();
  }

  // Saved by one button in GBK, opened again by the other: the title names the file and marks
  // changes, the mode, its tones and the rows in use come back, the tab stops are off, an opened
  // file starts a new history; a cancelled save forgets the name, a cancelled open does nothing.
  void saves_opens_again_and_cancels() {
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    dialogs.save_answer = dialogs.open_answer = dir.filePath("pro.m27");
    RecordingMessageBoxes boxes;
    boxes.save_answer = SaveAnswer::Discard;
    auto w = make_window(boxes, {}, &dialogs);
    w->sheet().mode = "2:专业模式";
    change_mode(w->sheet());
    w->sheet().rows[3].rx_tone = "I754";
    w->sheet().channel_total = "7";
    w->render_sheet();
    child<QPushButton>(*w, "Command6")->click();
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - pro.m27"));
    QFile saved(dir.filePath("pro.m27"));
    QVERIFY(saved.open(QIODevice::ReadOnly) &&
            saved.readAll().startsWith("2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n450.12500\r\n"));
    QVERIFY(!w->grid_state()[0].rx_tab_stop);
    child<QPushButton>(*w, "Command9")->click();
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - pro.m27 *"));
    action(*w, "undo")->trigger();  // back to what was saved
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - pro.m27"));
    w->sheet() = startup_sheet();
    w->render_sheet();
    child<QPushButton>(*w, "Command5")->click();
    QCOMPARE(box(*w, "Combo4")->currentText() + cell_text(*w, Cell::rx_tone, 3), "2:专业模式I754");
    QVERIFY(cell_enabled(*w, Cell::rx_frequency, 6) && !cell_enabled(*w, Cell::rx_frequency, 7));
    QVERIFY(!action(*w, "undo")->isEnabled());  // an opened file starts a new history
    dialogs.save_answer.reset();
    dialogs.open_answer.reset();
    action(*w, "MenuSave")->trigger();
    action(*w, "MenuFileOpen")->trigger();
    QCOMPARE(dialogs.open_starts + dialogs.save_starts,
             (QStringList{dir.filePath("pro.m27"), "", "", dir.filePath("pro.m27")}));
    QVERIFY(cell_text(*w, Cell::rx_tone, 3) == "I754" && timers_released(*w));
    QCOMPARE(boxes.texts(), QStringList{"当前信道数据已修改，是否保存？"});
  }

  // Opened by the menu (a file named at start-up takes the same way), text that is no channel
  // file; saved into a folder that does not exist. One box, 注意, naming the file and why; the
  // sheet and the title as they were; the timers back.
  void a_file_that_cannot_be_opened_or_saved() {
    for (const QString command : {"open", "save"}) {
      QTemporaryDir dir;
      const QString path = dir.filePath(command == "save" ? "missing/folder/a.m27" : "bad.m27");
      write_file(path, QByteArray("hello world\r\n").repeated(132));
      ScriptedFileDialogs dialogs;
      dialogs.save_answer = dialogs.open_answer = path;
      RecordingMessageBoxes boxes;
      auto w = make_window(boxes, {}, &dialogs);
      action(*w, command == "save" ? "MenuSave" : "MenuFileOpen")->trigger();
      const QString failed = command == "save" ? "保存文件失败\n" : "打开文件失败\n";
      QCOMPARE(boxes.shown.size(), std::size_t{1});
      QVERIFY(boxes.texts()[0].startsWith(failed + path + "\n") &&
              boxes.shown[0].message.title == "注意");
      QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
      QVERIFY(timers_released(*w) && (command == "save" || w->sheet() == startup_sheet()));
    }
  }

  // A file cut short fills what it leaves out from the start-up sheet, not from the grid just
  // discarded, and the title marks the sheet as not saved.
  void completes_a_file_cut_short_from_the_start_up_sheet() {
    write_file(home_.filePath("short.m27"),
               "\r\n" + QByteArray("450.125\r\n").repeated(50) + "OFF");
    RecordingMessageBoxes boxes;
    boxes.save_answer = SaveAnswer::Discard;
    auto w = make_window(boxes);
    w->sheet().rows[24].tx_tone = "D023";
    w->open_file(home_.filePath("short.m27"));
    QCOMPARE(boxes.texts().value(1) + w->windowTitle() + cell_text(*w, Cell::tx_tone, 24),
             "文件不完整：只读到52行写频软件 - short.m27 *OFF");
  }

  // The toolkit's own dialogs: a name typed without an extension gets ".m27" in the save dialog
  // and ".csv" in the export dialog, so that the open and import dialogs list the file; a name
  // with another extension is kept as typed.
  void the_save_dialogs_add_their_extension_to_a_bare_name() {
    for (const auto& [typed, csv, saved] : {std::tuple{"shop", false, "shop.m27"},
                                            {"shop", true, "shop.csv"},
                                            {"shop.txt", false, "shop.txt"}}) {
      QTimer::singleShot(0, [&, typed = typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialog->selectFile(home_.filePath(typed));
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
      });
      QtFileDialogs dialogs;
      QCOMPARE(csv ? dialogs.csv_export_name(nullptr)->file : *dialogs.save_file_name(nullptr, {}),
               home_.filePath(saved));
    }
  }

  // A trace file that cannot be written (a full disk) ends the trace, the item unchecked, and a
  // settings file that cannot be written (a folder in its place): each is noted in the status
  // bar once.
  void a_trace_or_settings_file_that_cannot_be_written_is_noted_once() {
    const QString file = QCoreApplication::applicationFilePath();  // no folder to write into
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, file);
    QVERIFY(!port_trace().start("/dev/full"));  // as --trace starts it
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes);
    QStringList notes;
    for (int twice = 0; twice < 2; ++twice) {
      port_trace().record(TraceDirection::Sent, std::array<std::uint8_t, 1>{0x53});
      notes << w->status_bar()->currentMessage();
      action(*w, "verify_after_write")->trigger();  // the settings note replaces the trace's
      notes << w->status_bar()->currentMessage();
      w->status_bar()->clearMessage();
    }
    QCOMPARE(notes, (QStringList{"通讯记录失败：/dev/full：No space left on device",
                                 "设置保存失败：" + file + "/m27/m27.ini", "", ""}));
    QVERIFY(!port_trace().active() && !action(*w, "MenuTrace")->isChecked());
  }

  // Before the exit, the open dialog and a read: 保存 saves first and goes on, 不保存 goes on,
  // 取消 stops. An open after 不保存, the test above shows; a read takes the open's way.
  void asks_before_changes_are_lost() {
    for (const auto& [command, answer] : {std::pair{"exit", SaveAnswer::Save},
                                          {"exit", SaveAnswer::Cancel},
                                          {"open", SaveAnswer::Cancel},
                                          {"read", SaveAnswer::Discard}}) {
      QTemporaryDir dir;
      ScriptedFileDialogs dialogs;
      dialogs.save_answer = dir.filePath("kept.m27");
      RecordingMessageBoxes boxes;
      boxes.save_answer = answer;
      auto w = make_window(boxes, {}, &dialogs);
      type_into_first_cell(*w);
      const QString run = command;
      if (run == "exit") w->close();
      if (run == "open") action(*w, "MenuFileOpen")->trigger();
      if (run == "read") action(*w, "WriteChn")->trigger();
      const bool goes_on = answer != SaveAnswer::Cancel;
      QCOMPARE(boxes.texts().value(0), QStringLiteral("当前信道数据已修改，是否保存？"));
      QCOMPARE(QFile::exists(dir.filePath("kept.m27")), answer == SaveAnswer::Save);
      if (run == "exit") QCOMPARE(!w->isVisible(), goes_on);
      if (run == "open") QCOMPARE(!dialogs.open_starts.isEmpty(), goes_on);
      if (run == "read") QCOMPARE(boxes.texts().value(1) == "请打开通信端口", goes_on);
    }
  }

  // Typing in a cell (one step), a plan with the title it gives and the mode with its tone lists;
  // Ctrl+Z and Ctrl+Y reach the window's steps even from inside a cell. Every other edit goes
  // through the same step, and a read shows it undone.
  void undoes_and_redoes() {
    for (const QString change : {"edit", "plan", "mode"}) {
      RecordingMessageBoxes boxes;
      auto w = make_window(boxes);
      const QStringList before = shown(*w);
      if (change == "edit") type_into_first_cell(*w);
      if (change == "plan") choose(box(*w, "Combo1"), "2:中国频率");
      if (change == "mode") choose(box(*w, "Combo4"), "2:专业模式");
      const QStringList after = shown(*w);
      QVERIFY(after != before);
      QApplication::setActiveWindow(w.get());
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      QTest::keyClick(focused_cell(*w), Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(shown(*w), before);
      QVERIFY(!action(*w, "undo")->isEnabled());
      QTest::keyClick(focused_cell(*w), Qt::Key_Y, Qt::ControlModifier);
      QCOMPARE(shown(*w), after);
    }
  }

  // The last eight, the one opened last on top, gone files forgotten; an item opens its file.
  void remembers_the_last_eight_files_after_a_restart() {
    QTemporaryDir dir;
    QStringList files;
    for (int n = 0; n < 9; ++n) {  // each saved by a window of its own
      files.prepend(dir.filePath(QStringLiteral("f%1.m27").arg(n)));
      RecordingMessageBoxes boxes;
      ScriptedFileDialogs dialogs;
      dialogs.save_answer = files.front();
      action(*make_window(boxes, {}, &dialogs), "MenuSave")->trigger();
    }
    RecordingMessageBoxes boxes;
    make_window(boxes)->open_file(files[3]);
    QFile::remove(files[1]);
    auto w = make_window(boxes);
    QStringList listed;
    for (QAction* item : child<QMenu>(*w, "recent_files")->actions()) listed << item->text();
    QCOMPARE(listed,
             (QStringList{files[3], files[0], files[2], files[4], files[5], files[6], files[7]}));
    child<QMenu>(*w, "recent_files")->actions().at(1)->trigger();
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - f8.m27"));
  }
  // A list longer than the radio's 25 channels asks for a range (取消 changes nothing); rows
  // this radio cannot hold are listed, to be left out (跳过并导入) or not (取消); the rows taken
  // fill the grid and the channel total follows them down. A value that is no value is refused,
  // after the question about unsaved changes, naming where and why, and changes nothing. The
  // export writes the layout chosen.
  void imports_a_range_skips_unfit_rows_exports_and_refuses_a_bad_sheet_unchanged() {
    QTemporaryDir dir;
    write_file(dir.filePath("bad.csv"),
               "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\n"
               "1,440,67,440,OFF,窄带\n2,4x0,OFF,451,D023,宽带\n");
    ScriptedFileDialogs dialogs;
    RecordingMessageBoxes boxes;
    boxes.save_answer = SaveAnswer::Discard;
    auto w = make_window(boxes, {}, &dialogs);
    const auto import = [&](const QString& file) {
      dialogs.csv_import_answer = file;
      action(*w, "MenuImportCsv")->trigger();
    };
    const Sheet start = w->sheet();
    import(M27_CSV_SEEDS "/frs-gmrs-52.csv");
    QVERIFY(w->sheet() == start && dialogs.row_counts == QList<int>{52});
    dialogs.row_range_answer = CsvRowRange{8, 14};
    import(M27_CSV_SEEDS "/frs-gmrs-52.csv");
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 0) + " " + cell_text(*w, Cell::rx_frequency, 6),
             QStringLiteral("467.56250 467.71250"));
    QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("7"));
    QVERIFY(cell_enabled(*w, Cell::rx_frequency, 6) && !cell_enabled(*w, Cell::rx_frequency, 7));
    const Sheet frs = w->sheet();
    import(M27_CSV_SEEDS "/mixed-band.csv");
    QVERIFY(w->sheet() == frs && dialogs.skip_questions.size() == 1);
    QCOMPARE(dialogs.skip_questions[0].size(), 6);
    QCOMPARE(dialogs.skip_questions[0][0],
             QStringLiteral("跳过第1个：Frequency“146.52000”不在400～490 MHz之内"));
    dialogs.skip_answer = true;
    import(M27_CSV_SEEDS "/mixed-band.csv");
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 2) + " " + cell_text(*w, Cell::tx_tone, 2),
             QStringLiteral("462.67500 D074"));
    QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("3"));
    dialogs.csv_export_answer = FileDialogs::CsvChoice{dir.filePath("out.csv"), CsvLayout::Generic};
    action(*w, "MenuExportCsv")->trigger();
    QFile exported(dir.filePath("out.csv"));
    QVERIFY(exported.open(QIODevice::ReadOnly) &&
            exported.readAll().contains("\r\n2,,450.000000,,0.000000,TSQL,100.0,100.0,"));
    const Sheet before = w->sheet();
    import(dir.filePath("bad.csv"));
    QVERIFY(w->sheet() == before && timers_released(*w));
    QCOMPARE(boxes.texts(), QStringList(3, QStringLiteral("当前信道数据已修改，是否保存？")) +
                                QStringList{"导入CSV失败\n" + dir.filePath("bad.csv") +
                                            "\n第3行第2列（接收频率）：“4x0”不是频率（只可有数字"
                                            "和一个小数点，最多9个字符）"});
  }

 private:
  QTemporaryDir home_;  // the settings and files of this test alone
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::EditorTest)
#include "editor_test.moc"
