// The real message boxes: one at a time, each shown when the one before is closed.

#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <optional>

namespace m27::testing {
namespace {

// The one box open, or nullptr when there is none or more than one.
QMessageBox* the_open_box() {
  QList<QMessageBox*> boxes;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box && box->isVisible()) boxes << box;
  }
  return boxes.size() == 1 ? boxes.front() : nullptr;
}

}  // namespace

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_one_box_at_a_time_in_order_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
  }

  void shows_one_box_at_a_time_in_order() {
    QFETCH(int, button);
    QFETCH(bool, yes);
    QueuedMessageBoxes boxes;
    QStringList closed;
    std::optional<bool> answer;
    boxes.show(attention("读频完成"), [&] { closed << "first"; });
    boxes.show(Message{"second", "", MessageIcon::None}, [&] { closed << "second"; });
    boxes.ask_yes_no(Message{"确认要退出程序吗？", "确认退出", MessageIcon::None},
                     [&](bool said_yes) { answer = said_yes; });
    const struct {
      const char* text;
      const char* title;  // "" for none: the program's name
      QMessageBox::Icon icon;
      QMessageBox::StandardButtons buttons;
      QMessageBox::StandardButton click;
      QStringList closed_after;
    } kShown[] = {
        {"读频完成", "注意", QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, {"first"}},
        {"second",
         "写频软件",
         QMessageBox::NoIcon,
         QMessageBox::Ok,
         QMessageBox::Ok,
         {"first", "second"}},
        {"确认要退出程序吗？",
         "确认退出",
         QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No,
         QMessageBox::StandardButton(button),
         {"first", "second"}},
    };
    for (const auto& shown : kShown) {
      QMessageBox* open = the_open_box();
      QVERIFY2(open, shown.text);
      QCOMPARE(open->text(), QString::fromUtf8(shown.text));
      QCOMPARE(open->windowTitle(), QString::fromUtf8(shown.title));
      QCOMPARE(open->icon(), shown.icon);
      QCOMPARE(open->standardButtons(), shown.buttons);
      QVERIFY(open->isModal() && !answer);
      open->button(shown.click)->click();
      QCOMPARE(closed, shown.closed_after);
    }
    QCOMPARE(answer, std::optional<bool>(yes));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::MessageBoxesTest)
#include "message_boxes_test.moc"
