// The window as an editor: the title names the file and marks unsaved changes, nothing that
// replaces the sheet loses them without asking, edits undo and redo, and the recent files
// outlive the window.

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>

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

void type_into_first_cell(MainWindow& w) {
  cell(w, "Text1", 0)->selectAll();
  type_text(cell(w, "Text1", 0), QStringLiteral("46"));
}

// A channel file as the window saves it, with one receive frequency of its own.
void save_file(const QString& path, const char* rx_frequency) {
  RecordingMessageBoxes boxes;
  ScriptedFileDialogs dialogs;
  dialogs.save_answer = path;
  auto w = make_window(boxes, {}, &dialogs);
  w->sheet().rows[0].rx_frequency = rx_frequency;
  action(*w, "MenuSave")->trigger();
}

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    QSettings(QSettings::IniFormat, QSettings::UserScope, "m27", "m27").clear();
  }

  // An opened file, as `m27 other.m27` opens it at start-up, starts a new history.
  void the_title_names_the_file_and_marks_changes() {
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes, {}, &dialogs);
    type_into_first_cell(*w);
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 *"));
    dialogs.save_answer = dir.filePath("shop.m27");
    action(*w, "MenuSave")->trigger();
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - shop.m27"));
    child<QPushButton>(*w, "Command9")->click();
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - shop.m27 *"));
    action(*w, "undo")->trigger();  // back to what was saved
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - shop.m27"));
    save_file(dir.filePath("other.m27"), "460.00000");
    w->open_file(dir.filePath("other.m27"));
    QCOMPARE(w->windowTitle() + cell(*w, "Text1", 0)->text(), "写频软件 - other.m27460.00000");
    QVERIFY(!action(*w, "undo")->isEnabled() && boxes.shown.empty());
  }

  void asks_before_changes_are_lost_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<SaveAnswer>("answer");
    QTest::newRow("exit, 保存: saved, then the program ends") << "exit" << SaveAnswer::Save;
    QTest::newRow("exit, 取消: runs on") << "exit" << SaveAnswer::Cancel;
    QTest::newRow("open, 不保存: the dialog comes") << "open" << SaveAnswer::Discard;
    QTest::newRow("open, 取消: no dialog") << "open" << SaveAnswer::Cancel;
    QTest::newRow("read, 不保存: the read starts") << "read" << SaveAnswer::Discard;
    QTest::newRow("read, 取消: no read") << "read" << SaveAnswer::Cancel;
  }

  // 保存 saves first, 不保存 goes on, 取消 stops.
  void asks_before_changes_are_lost() {
    QFETCH(QString, command);
    QFETCH(SaveAnswer, answer);
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    dialogs.save_answer = dir.filePath("kept.m27");
    RecordingMessageBoxes boxes;
    boxes.save_answer = answer;
    auto w = make_window(boxes, {}, &dialogs);
    type_into_first_cell(*w);
    if (command == "exit") w->close();
    if (command == "open") action(*w, "MenuFileOpen")->trigger();
    if (command == "read") action(*w, "WriteChn")->trigger();
    const bool goes_on = answer != SaveAnswer::Cancel;
    QCOMPARE(boxes.texts().value(0), QStringLiteral("当前信道数据已修改，是否保存？"));
    QCOMPARE(QFile::exists(dir.filePath("kept.m27")), answer == SaveAnswer::Save);
    if (command == "exit") QCOMPARE(!w->isVisible(), goes_on);
    if (command == "open") QCOMPARE(!dialogs.open_starts.isEmpty(), goes_on);
    if (command == "read") QCOMPARE(boxes.texts().value(1) == "请打开通信端口", goes_on);
  }

  void undoes_and_redoes_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("typing in a cell, one step") << "edit";
    QTest::newRow("the receive fill") << "fill";
    QTest::newRow("a plan, with the title it gives") << "plan";
    QTest::newRow("the mode, with every tone reset") << "mode";
    QTest::newRow("an option") << "option";
  }

  // Ctrl+Z and Ctrl+Y reach the window's steps even from inside a cell.
  void undoes_and_redoes() {
    QFETCH(QString, change);
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes);
    w->sheet().rows[2].rx_tone = "D023";
    w->render_sheet();
    const QStringList before = shown(*w);
    if (change == "edit") type_into_first_cell(*w);
    if (change == "fill") child<QPushButton>(*w, "Command9")->click();
    if (change == "plan") choose(box(*w, "Combo1"), "2:中国频率");
    if (change == "mode") choose(box(*w, "Combo4"), "2:专业模式");
    if (change == "option") choose(box(*w, "Combo5"), "禁止");
    const QStringList after = shown(*w);
    QVERIFY(after != before);
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(cell(*w, "Text1", 0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shown(*w), before);
    QVERIFY(!action(*w, "undo")->isEnabled());
    QTest::keyClick(cell(*w, "Text1", 0), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(shown(*w), after);
  }

  // The last eight, the one opened last on top, gone files forgotten; an item or a file dropped
  // on the window opens it.
  void remembers_the_last_eight_files_after_a_restart() {
    QTemporaryDir dir;
    QStringList files;
    for (int n = 0; n < 9; ++n) {
      files.prepend(dir.filePath(QStringLiteral("f%1.m27").arg(n)));
      save_file(files.front(), "450.00000");
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
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(files[7])});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &drop);
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件 - f1.m27"));
  }

 private:
  QTemporaryDir settings_;
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::EditorTest)
#include "editor_test.moc"
