// The window after start-up, its menus, timers, about box and exit.

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

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

const std::pair<const char*, std::string ChannelRow::*> kColumns[] = {
    {"Text1", &ChannelRow::rx_frequency},
    {"Text5", &ChannelRow::rx_tone},
    {"Text3", &ChannelRow::tx_frequency},
    {"Text2", &ChannelRow::tx_tone},
    {"Text4", &ChannelRow::bandwidth}};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_the_default_table_options_and_menu_checks() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
    QVERIFY(w->sheet() == startup_sheet());
    for (int r = 0; r < kRows; ++r) {
      for (const auto& [array, field] : kColumns) {
        QCOMPARE(cell(*w, array, r)->text(), QString::fromStdString(w->sheet().rows[r].*field));
        QVERIFY2(cell(*w, array, r)->isEnabled() && !cell(*w, array, r)->isHidden(), array);
      }
      QVERIFY(box(*w, element("Combo3", r))->isHidden());
      QCOMPARE(cell(*w, "Text1", r)->focusPolicy(), Qt::StrongFocus);
    }
    QCOMPARE(cell(*w, "Text1", 0)->text() + cell(*w, "Text5", 0)->text() +
                 cell(*w, "Text4", 0)->text() + cell(*w, "Text3", 24)->text(),
             QStringLiteral("450.12500OFF窄带462.12500"));
    QCOMPARE(child<QLabel>(*w, "Label1_25")->text(), QStringLiteral("25"));
    QVERIFY2(child(*w, "Frame1")->parentWidget()->rect().contains(child(*w, "Frame1")->geometry()),
             "the grid fits the window without scrolling");
    QStringList options;
    for (const char* name :
         {"Combo1", "Combo4", "Combo5", "Combo6", "Combo7", "Combo2_60", "Combo2_62"}) {
      options << box(*w, name)->currentText() + "/" + QString::number(box(*w, name)->count());
    }
    QCOMPARE(options.join(' '),
             QStringLiteral("4:自定义频率/4 1:普通模式/2 允许/2 关/2 关/2 25/25 100/9"));
    QCOMPARE(box(*w, "Combo1")->itemText(1), QStringLiteral("2:中国频率"));
    for (const char* array : {"Combo2", "Combo3"}) {  // only row 0 holds the tone list
      QCOMPARE(box(*w, element(array, 0))->count(), 100);
      QCOMPARE(box(*w, element(array, 0))->itemText(99), QStringLiteral("D503"));
      QCOMPARE(box(*w, element(array, 1))->count(), 0);
    }

    QVERIFY(action(*w, "xbm27")->isChecked() && action(*w, "bt_2")->isChecked());
    for (int n = 1; n <= 16; ++n) QVERIFY(!action(*w, QStringLiteral("com%1").arg(n))->isChecked());
    QVERIFY(!action(*w, "FormCancel")->isChecked());
    QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口关闭"));
    QVERIFY(boxes.shown.empty());
    QVERIFY(w->Form5()->isHidden() && w->Form5()->ProgressBar1()->isHidden());
    QVERIFY(w->Timer2()->enabled());
    QCOMPARE(w->Timer2()->interval(), 2000ms);
  }

  // The status panel tells the port's state from the start: "串口关闭" only when it is closed.
  void checks_com1_only_when_port_1_opened() {
    PseudoTerminal pty;
    NotATerminal file;
    for (const QString& port_1 :
         {pty.device(), QStringLiteral("/dev/m27-no-such-tty"), file.device()}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, com1_on(port_1));
      QCOMPARE(w->serial_port().is_open(), port_1 == pty.device());
      QCOMPARE(action(*w, "com1")->isChecked(), port_1 == pty.device());
      QCOMPARE(w->StatusBar1()->panel1(),
               port_1 == pty.device() ? QStringLiteral("串口开") : QStringLiteral("串口关闭"));
      QVERIFY2(boxes.shown.empty(), "a failure at start-up is silent");
    }
  }

  void lays_out_the_menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("layout");  // caption: name=caption ...; "-" for a separator
    QTest::newRow("file") << "MenuFile"
                          << "文件(&F): MenuFileOpen=打开文件(&O) MenuSave=保存文件(&s) "
                             "=最近打开的文件 wer6wr6=- FormCancel=退出(&E)";
    QTest::newRow("edit") << "edit"
                          << "编辑(&E): undo=撤销 redo=重做";
    QTest::newRow("settings") << "chuankoushezhi"
                              << "设置(&I): =端口(&C) =波特率(&P) qita=其他(&O) w13888=-";
    QTest::newRow("baud rate") << "botelv"
                               << "波特率(&P): bt_2=9600";
    QTest::newRow("model") << "jixinxinxi"
                           << "机型选择(&J): xbm27=------ jjj=-";
    QTest::newRow("programming") << "xie"
                                 << "编程操作(&X): w138888=- WriteChn=读取频率(&R) w1388888=- "
                                    "StartWrite=开始写频(&W) aa=- 工程模式=工程模式 GG=- "
                                    "测试模式=测试模式 rr=- 写ID=写ID";
    QString ports = QStringLiteral("端口(&C):");
    for (int n = 1; n <= 16; ++n) ports += QStringLiteral(" com%1=com%1").arg(n);
    QTest::newRow("ports") << "com" << ports;
  }

  void lays_out_the_menus() {
    QFETCH(QString, menu);
    QFETCH(QString, layout);
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QMenu* shown = child<QMenu>(*w, menu);
    QVERIFY(!shown->separatorsCollapsible());
    QStringList found{shown->title() + ":"};
    for (QAction* item : shown->actions()) {
      found << (item->menu() ? QString() : item->objectName()) + "=" +
                   (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(found.join(' '), layout);
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
    const QPointer<Splash> splash = w->frmSplash();
    QVERIFY(splash && splash->isVisible());
    QCOMPARE(child<QLabel>(*splash, "lblCompanyProduct")->text(), QStringLiteral("对讲机写频软件"));
    QCOMPARE(child<QLabel>(*splash, "lblPlatform")->text(), QStringLiteral("版本：1.0.0.0"));
    QCOMPARE(child<QLabel>(*splash, "lblVersion")->text(), QStringLiteral("发行日：2015.11"));
    QVERIFY(child<QPushButton>(*splash, "Command1")->isHidden());
    if (by == "Timer2") {
      w->Timer2_Timer();
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
    w->Timer2_Timer();  // a later tick finds no box and does nothing
  }

  void Timer1_shows_the_port_state_once() {
    PseudoTerminal pty;
    for (const bool open : {true, false}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, open ? com1_on(pty.device()) : PortMap());
      w->StatusBar1()->set_panel1(QStringLiteral("读频完成"));
      w->Form5()->ProgressBar1()->setValue(120);
      w->Timer1()->arm(1000ms);
      w->Timer1_Timer();
      QCOMPARE(w->StatusBar1()->panel1(),
               open ? QStringLiteral("串口开") : QStringLiteral("串口关闭"));
      QVERIFY(!w->Timer1()->enabled());
      QCOMPARE(w->Form5()->ProgressBar1()->value(), 0);
    }
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
    w->Timer2()->set_enabled(false);
    if (by_menu) {
      action(*w, "FormCancel")->trigger();
    } else {
      QVERIFY(!w->close());
    }
    QVERIFY(action(*w, "FormCancel")->isChecked());
    QVERIFY(!w->Timer1()->enabled() && !w->Timer2()->enabled());
    QVERIFY(!w->close());  // asked again while the question is open: no second question
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].message, (Message{"确认要退出程序吗？", "确认退出"}));
    QVERIFY(boxes.shown[0].question);
    boxes.close_oldest(false);
    QVERIFY(w->isVisible());
    QVERIFY(!action(*w, "FormCancel")->isChecked());
    QVERIFY(w->Timer1()->enabled() && w->Timer2()->enabled());
    QVERIFY(w->serial_port().is_open());
    QVERIFY(!w->frmSplash() || !w->frmSplash()->isVisible());
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
    for (QWidget* window : std::initializer_list<QWidget*>{w->Form5(), &stays, &dialog}) {
      window->show();
    }
    w->close();
    QVERIFY(!w->isVisible());
    QVERIFY(!w->serial_port().is_open());
    QVERIFY2(!dialog.isVisible(), "opened after the stubborn one, so it closes");
    QCOMPARE(w->Form5()->isVisible(), stubborn);
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
