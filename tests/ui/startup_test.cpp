// The window after start-up, its menus, timers, about box and exit.

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>

#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/splash.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

using namespace std::chrono_literals;

// A window that will not close: the exit stops at it.
class StubbornWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_the_default_table_and_options() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
    QVERIFY(w->sheet() == startup_sheet());
    QStringList shown;  // rows 0 and 24: receive, receive tone, transmit, transmit tone, bandwidth
    for (const int r : {0, 24}) {
      for (const char* array : {"Text1", "Text5", "Text3", "Text2", "Text4"}) {
        shown << cell(*w, array, r)->text();
      }
    }
    QCOMPARE(shown.join(' '),
             QStringLiteral("450.12500 OFF 450.12500 OFF 窄带 462.12500 OFF 462.12500 OFF 窄带"));
    for (int r = 0; r < kRows; ++r) {  // no tone editor open, both frequencies tab stops
      QVERIFY(box(*w, element("Combo2", r))->isHidden() &&
              box(*w, element("Combo3", r))->isHidden());
      QVERIFY(cell(*w, "Text1", r)->focusPolicy() == Qt::StrongFocus &&
              cell(*w, "Text3", r)->focusPolicy() == Qt::StrongFocus);
    }
    QVERIFY2(child(*w, "Frame1")->parentWidget()->rect().contains(child(*w, "Frame1")->geometry()),
             "the grid fits the window without scrolling");
    QStringList options;  // shown item / number of items
    for (const char* name :
         {"Combo1", "Combo4", "Combo5", "Combo6", "Combo7", "Combo2_60", "Combo2_62", "Combo2_0"}) {
      options << box(*w, name)->currentText() + "/" + QString::number(box(*w, name)->count());
    }
    QCOMPARE(options.join(' '),
             QStringLiteral("4:自定义频率/4 1:普通模式/2 允许/2 关/2 关/2 25/25 100/9 /100"));
    QVERIFY(w->progress_window()->isHidden());
    QVERIFY(w->splash_timer()->enabled() && w->splash_timer()->interval() == 2000ms);
    QVERIFY2(!action(*w, "FormCancel")->isCheckable(), "退出 is a plain item");
  }

  // The status panel tells the port's state from the start, and again at each tick of the
  // one-shot status refresh: "串口关闭" only when it is closed. A failure at start-up is silent.
  void checks_com1_only_when_port_1_opened_and_Timer1_shows_it_again() {
    PseudoTerminal pty;
    NotATerminal file;
    for (const QString& port_1 :
         {pty.device(), QStringLiteral("/dev/m27-no-such-tty"), file.device()}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, com1_on(port_1));
      const bool open = port_1 == pty.device();
      const QString state = open ? QStringLiteral("串口开") : QStringLiteral("串口关闭");
      QVERIFY(w->serial_port().is_open() == open && action(*w, "com1")->isChecked() == open);
      QCOMPARE(w->status_bar()->panel1(), state);
      QVERIFY(boxes.shown.empty());
      w->status_bar()->set_panel1(QStringLiteral("读频完成"));
      w->progress_window()->ProgressBar1()->setValue(120);
      w->status_refresh_timer()->arm(1000ms);
      w->refresh_port_status();
      QCOMPARE(w->status_bar()->panel1(), state);
      QVERIFY(!w->status_refresh_timer()->enabled() &&
              w->progress_window()->ProgressBar1()->value() == 0);
    }
  }

  // Every command can be reached through the menu bar, in this order.
  void the_menus_hold_every_command() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QStringList commands;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
      for (const QAction* item : actions) {
        if (item->menu()) {
          walk(item->menu()->actions());
        } else if (!item->isSeparator() && !item->objectName().isEmpty()) {
          commands << item->objectName();
        }
      }
    };
    walk(w->menuBar()->actions());
    QString ports;
    for (int n = 1; n <= 16; ++n) ports += QStringLiteral(" com%1").arg(n);
    QCOMPARE(commands.join(' '),
             "MenuFileOpen MenuSave MenuExportCsv MenuImportCsv open_backups FormCancel undo redo" +
                 ports +
                 " bt_2 qita MenuTrace backup_after_read verify_after_write xbm27 WriteChn "
                 "StartWrite 工程模式 测试模式 写ID");
  }

  void closes_the_about_box_data() {
    QTest::addColumn<QString>("by");
    QTest::newRow("the first splash timer tick") << "Timer2";
    QTest::newRow("a click on the window's background") << "background";
    QTest::newRow("a click on the box") << "click";
    QTest::newRow("a key on the box") << "key";
  }

  void closes_the_about_box() {
    QFETCH(QString, by);
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    w->show_splash();
    const QPointer<Splash> splash = w->splash();
    QVERIFY(splash && splash->isVisible());
    if (by == "Timer2") {
      w->splash_timer_elapsed();
    } else if (by == "background") {
      QWidget* background = w->centralWidget();
      const QPoint spot(background->width() - 4, background->height() - 4);
      QVERIFY(background->childAt(spot) == nullptr);
      QTest::mouseClick(background, Qt::LeftButton, {}, spot);
    } else if (by == "click") {
      QTest::mouseClick(splash, Qt::LeftButton);
    } else {
      QTest::keyClick(splash, Qt::Key_Space);
    }
    QVERIFY(!splash || !splash->isVisible());
    w->splash_timer_elapsed();  // a later tick finds no box and does nothing
  }

  void exit_asks_once_and_No_keeps_running_data() {
    QTest::addColumn<bool>("by_menu");
    QTest::newRow("menu 退出") << true;
    QTest::newRow("title bar") << false;
  }

  void exit_asks_once_and_No_keeps_running() {
    QFETCH(bool, by_menu);
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    boxes.hold = true;
    const auto w = make_window(boxes, com1_on(pty.device()));
    w->show_splash();
    w->splash_timer()->set_enabled(false);
    if (by_menu) {
      action(*w, "FormCancel")->trigger();
    } else {
      QVERIFY(!w->close());
    }
    QVERIFY(!w->status_refresh_timer()->enabled() && !w->splash_timer()->enabled());
    QVERIFY(!w->close());  // asked again while the question is open: no second question
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].message, (Message{"确认要退出程序吗？", "确认退出"}));
    QVERIFY(boxes.shown[0].question);
    boxes.close_oldest(false);
    QVERIFY(w->isVisible() && w->serial_port().is_open());
    QVERIFY(w->status_refresh_timer()->enabled() && w->splash_timer()->enabled());
    QVERIFY(!w->splash() || !w->splash()->isVisible());
  }

  void exit_with_Yes_closes_the_port_and_the_windows_data() {
    QTest::addColumn<bool>("stubborn");
    QTest::newRow("every window closes") << false;
    QTest::newRow("one window stays open") << true;
  }

  void exit_with_Yes_closes_the_port_and_the_windows() {
    QFETCH(bool, stubborn);
    PseudoTerminal pty;
    RecordingMessageBoxes boxes;
    boxes.answer_yes = true;
    const auto w = make_window(boxes, com1_on(pty.device()));
    StubbornWindow stays;
    QWidget dialog;
    if (stubborn) w->register_window(&stays);
    w->register_window(&dialog);
    for (QWidget* window : std::initializer_list<QWidget*>{w->progress_window(), &stays, &dialog}) {
      window->show();
    }
    w->close();
    QVERIFY(!w->isVisible());
    QVERIFY(!w->serial_port().is_open());
    QVERIFY2(!dialog.isVisible(), "opened after the stubborn one, so it closes");
    QCOMPARE(w->progress_window()->isVisible(), stubborn);
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
