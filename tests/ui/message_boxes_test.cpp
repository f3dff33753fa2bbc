// The real message boxes: one at a time, each shown when the one before is closed, each answer
// from its own button, and Qt's own buttons in Chinese.

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

// What the open box shows: its title, text, icon and number of buttons.
QString shown() {
  const QMessageBox* box = the_open_box();
  return box ? QStringLiteral("%1|%2|%3|%4")
                   .arg(box->windowTitle(), box->text())
                   .arg(box->icon())
                   .arg(box->buttons().size())
             : QStringLiteral("none");
}

}  // namespace

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  // A question comes up only after the box before it is closed; each button gives its answer.
  void shows_one_box_at_a_time_and_each_button_answers() {
    for (const auto& [button, yes] :
         {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
      QueuedMessageBoxes boxes;
      QStringList closed;
      boxes.show(attention("读频完成"), [&] { closed << "first"; });
      boxes.ask_yes_no(Message{"确认要退出程序吗？", "确认退出", MessageIcon::None},
                       [&](bool said_yes) { closed << (said_yes ? "yes" : "no"); });
      QCOMPARE(shown(), QStringLiteral("注意|读频完成|%1|1").arg(QMessageBox::Warning));
      QVERIFY(the_open_box()->isModal() && closed.isEmpty());
      the_open_box()->button(QMessageBox::Ok)->click();
      QCOMPARE(shown(),
               QStringLiteral("确认退出|确认要退出程序吗？|%1|2").arg(QMessageBox::NoIcon));
      the_open_box()->button(button)->click();
      QCOMPARE(closed, (QStringList{"first", yes ? "yes" : "no"}));
      QCOMPARE(shown(), QStringLiteral("none"));
    }
    for (const auto& [caption, expected] : {std::pair{"保存", SaveAnswer::Save},
                                            {"不保存", SaveAnswer::Discard},
                                            {"取消", SaveAnswer::Cancel}}) {
      QueuedMessageBoxes boxes;
      std::optional<SaveAnswer> answer;
      boxes.ask_save(Message{"当前信道数据已修改，是否保存？"}, [&](SaveAnswer a) { answer = a; });
      QCOMPARE(
          shown(),
          QStringLiteral("写频软件|当前信道数据已修改，是否保存？|%1|3").arg(QMessageBox::NoIcon));
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
    QCOMPARE(the_open_box()->button(QMessageBox::Yes)->text() +
                 the_open_box()->button(QMessageBox::No)->text(),
             QStringLiteral("是(&Y)否(&N)"));
    the_open_box()->button(QMessageBox::No)->click();
    QCOMPARE(the_open_box()->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QCOMPARE(menu->actions().at(5)->text().section('\t', 0, 0), QStringLiteral("粘贴(&P)"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::MessageBoxesTest)
#include "message_boxes_test.moc"
