// The real message boxes: one at a time, each shown when the one before is closed.

#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <memory>
#include <optional>

#include "ui/qt_chinese.h"

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
  void shows_one_box_at_a_time_in_order() {
    QueuedMessageBoxes boxes;
    QStringList closed;
    boxes.show(attention("读频完成"), [&] { closed << "first"; });
    boxes.show(Message{"second", "", MessageIcon::None}, [&] { closed << "second"; });
    QMessageBox* first = the_open_box();
    QVERIFY(first);
    QCOMPARE(first->text(), QStringLiteral("读频完成"));
    QCOMPARE(first->windowTitle(), QStringLiteral("注意"));
    QCOMPARE(first->icon(), QMessageBox::Warning);
    QCOMPARE(first->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(first->isModal());
    QVERIFY(closed.isEmpty());
    first->button(QMessageBox::Ok)->click();
    QCOMPARE(closed, QStringList{"first"});

    QMessageBox* second = the_open_box();
    QVERIFY(second);
    QCOMPARE(second->text(), QStringLiteral("second"));
    QCOMPARE(second->windowTitle(), QStringLiteral("写频软件"));  // the default title
    QCOMPARE(second->icon(), QMessageBox::NoIcon);
    second->button(QMessageBox::Ok)->click();
    QCOMPARE(closed, (QStringList{"first", "second"}));
  }

  // A question comes up after the box before it is closed; each button gives its answer.
  void answers_a_question() {
    for (const bool yes : {true, false}) {
      QueuedMessageBoxes boxes;
      std::optional<bool> answer;
      boxes.show(Message{"a message already up", "", MessageIcon::None});
      boxes.ask_yes_no(Message{"确认要退出程序吗？", "确认退出", MessageIcon::None},
                       [&](bool said_yes) { answer = said_yes; });
      the_open_box()->button(QMessageBox::Ok)->click();
      QMessageBox* question = the_open_box();
      QVERIFY(question && !answer);
      QCOMPARE(question->windowTitle(), QStringLiteral("确认退出"));
      QCOMPARE(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
      question->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
      QCOMPARE(answer, std::optional<bool>(yes));
    }
    for (const auto& [caption, expected] : {std::pair{"保存", SaveAnswer::Save},
                                            {"不保存", SaveAnswer::Discard},
                                            {"取消", SaveAnswer::Cancel}}) {
      QueuedMessageBoxes boxes;
      std::optional<SaveAnswer> answer;
      boxes.ask_save(Message{"当前信道数据已修改，是否保存？", "", MessageIcon::None},
                     [&](SaveAnswer a) { answer = a; });
      QVERIFY(the_open_box());
      QCOMPARE(the_open_box()->buttons().size(), 3);
      for (QAbstractButton* b : the_open_box()->buttons()) {
        if (b->text() == QString::fromUtf8(caption)) b->click();
      }
      QCOMPARE(answer, std::optional<SaveAnswer>(expected));
    }
  }

  // Last: the translations stay installed.
  void Qt_s_own_buttons_and_menus_speak_Chinese_whatever_the_locale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(install_qt_chinese(*qApp));
    QueuedMessageBoxes boxes;
    boxes.ask_yes_no(Message{"确认要退出程序吗？"}, [](bool) {});
    boxes.show(Message{"写频完成"});
    QMessageBox* question = the_open_box();
    QVERIFY(question);
    QCOMPARE(question->button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    QCOMPARE(question->button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
    question->button(QMessageBox::No)->click();
    QCOMPARE(the_open_box()->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    the_open_box()->button(QMessageBox::Ok)->click();
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QCOMPARE(menu->actions().at(5)->text().section(QLatin1Char('\t'), 0, 0),
             QStringLiteral("粘贴(&P)"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::MessageBoxesTest)
#include "message_boxes_test.moc"
