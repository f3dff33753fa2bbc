// The real message boxes: one at a time, each shown when the one before is closed.

#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <optional>

namespace m27::testing {
namespace {

QList<QMessageBox*> open_boxes() {
  QList<QMessageBox*> boxes;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box && box->isVisible()) boxes << box;
  }
  return boxes;
}

QMessageBox* the_open_box() {
  const auto boxes = open_boxes();
  return boxes.size() == 1 ? boxes.front() : nullptr;
}

}  // namespace

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_text_title_and_icon_data();
  void shows_text_title_and_icon();
  void shows_one_box_at_a_time_in_order();
  void answers_a_question_data();
  void answers_a_question();
};

void MessageBoxesTest::shows_text_title_and_icon_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<bool>("exclamation");
  QTest::addColumn<QString>("shown_title");
  QTest::addColumn<int>("icon");
  QTest::newRow("attention") << "注意" << true << "注意" << int(QMessageBox::Warning);
  QTest::newRow("default title, no icon") << "" << false << "写频软件" << int(QMessageBox::NoIcon);
}

void MessageBoxesTest::shows_text_title_and_icon() {
  QFETCH(QString, title);
  QFETCH(bool, exclamation);
  QFETCH(QString, shown_title);
  QFETCH(int, icon);
  QueuedMessageBoxes boxes;
  bool closed = false;
  boxes.show(
      {"读频完成", title.toStdString(), exclamation ? MessageIcon::Exclamation : MessageIcon::None},
      [&] { closed = true; });
  QMessageBox* box = the_open_box();
  QVERIFY(box);
  QCOMPARE(box->text(), QStringLiteral("读频完成"));
  QCOMPARE(box->windowTitle(), shown_title);
  QCOMPARE(int(box->icon()), icon);
  QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(box->isModal());
  QVERIFY(!closed);
  box->button(QMessageBox::Ok)->click();
  QVERIFY(closed);
}

void MessageBoxesTest::shows_one_box_at_a_time_in_order() {
  QueuedMessageBoxes boxes;
  QStringList closed;
  boxes.show(Message{"first", "", MessageIcon::None}, [&] { closed << "first"; });
  boxes.show(Message{"second", "", MessageIcon::None}, [&] { closed << "second"; });
  QCOMPARE(the_open_box()->text(), QStringLiteral("first"));
  the_open_box()->button(QMessageBox::Ok)->click();
  QCOMPARE(closed, QStringList{"first"});
  QVERIFY(the_open_box());
  QCOMPARE(the_open_box()->text(), QStringLiteral("second"));
  the_open_box()->button(QMessageBox::Ok)->click();
  QCOMPARE(closed, (QStringList{"first", "second"}));
}

void MessageBoxesTest::answers_a_question_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<bool>("yes");
  QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
  QTest::newRow("No") << int(QMessageBox::No) << false;
}

void MessageBoxesTest::answers_a_question() {
  QFETCH(int, button);
  QFETCH(bool, yes);
  QueuedMessageBoxes boxes;
  std::optional<bool> answer;
  boxes.show(Message{"a message already up", "", MessageIcon::None});
  boxes.ask_yes_no(Message{"确认要退出程序吗？", "确认退出", MessageIcon::None},
                   [&](bool said_yes) { answer = said_yes; });
  the_open_box()->button(QMessageBox::Ok)->click();
  QMessageBox* question = the_open_box();
  QVERIFY(question);
  QCOMPARE(question->windowTitle(), QStringLiteral("确认退出"));
  QCOMPARE(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  QVERIFY(!answer);
  question->button(QMessageBox::StandardButton(button))->click();
  QCOMPARE(answer, std::optional<bool>(yes));
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::MessageBoxesTest)
#include "message_boxes_test.moc"
