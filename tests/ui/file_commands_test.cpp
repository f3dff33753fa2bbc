// "保存文件" and "打开文件" in the window: the dialogs, the remembered name, the timers held off
// and given back, the tab stops, and nothing changed by a file that cannot be opened.

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "channels/options.h"
#include "ui/form_timer.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

// Answers the dialogs as a test tells it, and notes where the open dialog started.
class ScriptedFileDialogs : public FileDialogs {
 public:
  std::optional<QString> save_file_name(QWidget*) override { return save_answer; }
  std::optional<QString> open_file_name(QWidget*, const QString& start) override {
    open_starts << start;
    return open_answer;
  }

  std::optional<QString> save_answer;
  std::optional<QString> open_answer;
  QStringList open_starts;
};

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

bool timers_running(const MainWindow& w) {
  return child<FormTimer>(w, "Timer1")->enabled() && child<FormTimer>(w, "Timer2")->enabled();
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saves_132_gbk_lines_and_turns_the_tab_stops_off();
  void opens_what_was_saved_in_professional_mode();
  void a_cancelled_save_forgets_the_name();
  void a_file_that_is_not_gbk_changes_nothing();
  void a_failed_save_says_why();
};

void FileCommandsTest::saves_132_gbk_lines_and_turns_the_tab_stops_off() {
  QTemporaryDir dir;
  ScriptedFileDialogs dialogs;
  dialogs.save_answer = dir.filePath("a.m27");
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, {}, &dialogs);
  child<QPushButton>(*w, "Command6")->click();
  const QByteArray saved = contents(dir.filePath("a.m27"));
  QCOMPARE(saved.count("\r\n"), 132);
  QVERIFY(saved.startsWith("1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\r\n450.12500\r\n"));
  QCOMPARE(cell(*w, "Text1", 0)->focusPolicy(), Qt::ClickFocus);
  QCOMPARE(cell(*w, "Text3", 24)->focusPolicy(), Qt::ClickFocus);
  QVERIFY(timers_running(*w));
  QVERIFY(boxes.shown.empty());
}

void FileCommandsTest::opens_what_was_saved_in_professional_mode() {
  QTemporaryDir dir;
  ScriptedFileDialogs dialogs;
  dialogs.save_answer = dialogs.open_answer = dir.filePath("pro.m27");
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, {}, &dialogs);
  Sheet& sheet = w->sheet();
  sheet.Combo4 = "2:专业模式";
  Combo4_Click(sheet);
  sheet.rows[3].Text5 = "I754";
  sheet.rows[4].Text2 = "254.1";
  sheet.Combo2_60 = "7";
  w->render_sheet();
  action(*w, "MenuSave")->trigger();

  w->sheet() = startup_sheet();
  w->render_sheet();
  action(*w, "MenuFileOpen")->trigger();
  QCOMPARE(dialogs.open_starts, QStringList{dir.filePath("pro.m27")});
  QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
  QCOMPARE(cell(*w, "Text5", 3)->text(), QStringLiteral("I754"));
  QCOMPARE(cell(*w, "Text2", 4)->text(), QStringLiteral("254.1"));
  QVERIFY(cell(*w, "Text1", 6)->isEnabled());
  QVERIFY(!cell(*w, "Text1", 7)->isEnabled());
  QCOMPARE(cell(*w, "Text1", 0)->focusPolicy(), Qt::ClickFocus);
  QVERIFY(timers_running(*w));
}

void FileCommandsTest::a_cancelled_save_forgets_the_name() {
  QTemporaryDir dir;
  ScriptedFileDialogs dialogs;
  dialogs.save_answer = dir.filePath("first.m27");
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, {}, &dialogs);
  action(*w, "MenuSave")->trigger();
  action(*w, "MenuFileOpen")->trigger();  // cancelled too: open_answer is empty
  dialogs.save_answer.reset();
  action(*w, "MenuSave")->trigger();
  action(*w, "MenuFileOpen")->trigger();
  QCOMPARE(dialogs.open_starts, (QStringList{dir.filePath("first.m27"), QString()}));
  QVERIFY(timers_running(*w));
  QVERIFY(boxes.shown.empty());
}

void FileCommandsTest::a_file_that_is_not_gbk_changes_nothing() {
  QTemporaryDir dir;
  const QString path = dir.filePath("bad.m27");
  write(path, "2:\xC3\x28\r\n");  // a lead byte followed by a byte no GBK character has
  ScriptedFileDialogs dialogs;
  dialogs.open_answer = path;
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, {}, &dialogs);
  const Sheet before = w->sheet();
  child<QPushButton>(*w, "Command5")->click();
  QVERIFY(w->sheet() == before);
  QCOMPARE(boxes.shown.size(), std::size_t{1});
  const Message& m = boxes.shown[0].message;
  QVERIFY(QString::fromStdString(m.text).startsWith("打开文件失败\n" + path + "\n"));
  QCOMPARE(m.title, std::string("注意"));
  QCOMPARE(m.icon, MessageIcon::Exclamation);
  QVERIFY(timers_running(*w));
}

void FileCommandsTest::a_failed_save_says_why() {
  QTemporaryDir dir;
  ScriptedFileDialogs dialogs;
  dialogs.save_answer = dir.filePath("missing/folder/a.m27");
  RecordingMessageBoxes boxes;
  auto w = make_window(boxes, {}, &dialogs);
  action(*w, "MenuSave")->trigger();
  QCOMPARE(boxes.shown.size(), std::size_t{1});
  QVERIFY(QString::fromStdString(boxes.shown[0].message.text)
              .startsWith("保存文件失败\n" + dir.filePath("missing/folder/a.m27") + "\n"));
  QVERIFY(timers_running(*w));
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::FileCommandsTest)
#include "file_commands_test.moc"
