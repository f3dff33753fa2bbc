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

QStringList items_of(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_the_default_table_and_options();
  void checks_xbm27_bt_2_and_no_port_and_hides_Form5();
  void checks_com1_only_when_port_1_opened_data();
  void checks_com1_only_when_port_1_opened();
  void lays_out_the_menus_data();
  void lays_out_the_menus();
  void closes_the_about_box_data();
  void closes_the_about_box();
  void Timer1_shows_the_port_state_once_data();
  void Timer1_shows_the_port_state_once();
  void exit_asks_once_and_No_keeps_running_data();
  void exit_asks_once_and_No_keeps_running();
  void exit_with_Yes_closes_the_port_and_the_windows_data();
  void exit_with_Yes_closes_the_port_and_the_windows();
};

void StartupTest::shows_the_default_table_and_options() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
  QVERIFY(w->sheet() == startup_sheet());
  for (int r = 0; r < kRows; ++r) {
    const ChannelRow& row = w->sheet().rows[r];
    const std::pair<const char*, const std::string*> shown[] = {{"Text1", &row.Text1},
                                                                {"Text5", &row.Text5},
                                                                {"Text3", &row.Text3},
                                                                {"Text2", &row.Text2},
                                                                {"Text4", &row.Text4}};
    for (const auto& [array, field] : shown) {
      QCOMPARE(cell(*w, array, r)->text(), QString::fromStdString(*field));
      QVERIFY2(cell(*w, array, r)->isEnabled() && !cell(*w, array, r)->isHidden(), array);
    }
    QVERIFY(box(*w, element("Combo3", r))->isHidden() && box(*w, element("Combo2", r))->isHidden());
    QCOMPARE(cell(*w, "Text1", r)->focusPolicy(), Qt::StrongFocus);
  }
  QCOMPARE(cell(*w, "Text1", 0)->text(), QStringLiteral("450.12500"));
  QCOMPARE(cell(*w, "Text3", 24)->text(), QStringLiteral("462.12500"));
  QCOMPARE(cell(*w, "Text5", 7)->text() + cell(*w, "Text4", 7)->text(), QStringLiteral("OFF窄带"));
  QCOMPARE(child<QLabel>(*w, "Label1_25")->text(), QStringLiteral("25"));
  QVERIFY2(child(*w, "Frame1")->parentWidget()->rect().contains(child(*w, "Frame1")->geometry()),
           "the grid fits the window without scrolling");

  struct Case {
    const char* name;
    const char* text;
    QStringList items;
  };
  const Case kCases[] = {
      {"Combo1", "4:自定义频率", {"1:美国频率", "2:中国频率", "3:台湾频率", "4:自定义频率"}},
      {"Combo4", "1:普通模式", {"1:普通模式", "2:专业模式"}},
      {"Combo5", "允许", {"允许", "禁止"}},
      {"Combo6", "关", {"关", "开"}},
      {"Combo7", "关", {"关", "开"}},
  };
  for (const auto& c : kCases) {
    QCOMPARE(box(*w, c.name)->currentText(), QString::fromUtf8(c.text));
    QCOMPARE(items_of(box(*w, c.name)), c.items);
  }
  QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("25"));
  QCOMPARE(box(*w, "Combo2_60")->count(), 25);
  QCOMPARE(box(*w, "Combo2_62")->currentText(), QStringLiteral("100"));
  QCOMPARE(box(*w, "Combo2_62")->itemText(8), QStringLiteral("900"));
  for (const char* array : {"Combo2", "Combo3"}) {  // only row 0 holds the tone list
    QCOMPARE(box(*w, element(array, 0))->count(), 100);
    QCOMPARE(box(*w, element(array, 0))->itemText(99), QStringLiteral("D503"));
    QCOMPARE(box(*w, element(array, 1))->count(), 0);
  }
}

void StartupTest::checks_xbm27_bt_2_and_no_port_and_hides_Form5() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QVERIFY(action(*w, "xbm27")->isChecked());
  QVERIFY(action(*w, "bt_2")->isChecked());
  for (int n = 1; n <= 16; ++n) QVERIFY(!action(*w, QStringLiteral("com%1").arg(n))->isChecked());
  QVERIFY(!action(*w, "FormCancel")->isChecked());
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口关闭"));
  QVERIFY(boxes.shown.empty());
  QVERIFY(w->Form5()->isHidden());
  QVERIFY(w->Form5()->ProgressBar1()->isHidden());
  QCOMPARE(w->Form5()->ProgressBar1()->maximum(), 250);
  QVERIFY(w->Timer2()->enabled());
  QCOMPARE(w->Timer2()->interval(), 2000ms);
  QCOMPARE(w->Timer1()->interval(), 0ms);
}

void StartupTest::checks_com1_only_when_port_1_opened_data() {
  QTest::addColumn<QString>("device");
  QTest::addColumn<bool>("opened");
  QTest::newRow("a port that opens") << "pty" << true;
  QTest::newRow("a missing device") << QStringLiteral("/dev/m27-no-such-tty") << false;
  QTest::newRow("no serial port") << "no tty" << false;
}

void StartupTest::checks_com1_only_when_port_1_opened() {
  QFETCH(QString, device);
  QFETCH(bool, opened);
  PseudoTerminal pty;
  NotATerminal file;
  const QString port_1 = device == "pty"      ? pty.device()
                         : device == "no tty" ? file.device()
                                              : device;
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, com1_on(port_1));
  QCOMPARE(w->serial_port().is_open(), opened);
  QCOMPARE(action(*w, "com1")->isChecked(), opened);
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口关闭"));
  QVERIFY2(boxes.shown.empty(), "a failure at start-up is silent");
}

void StartupTest::lays_out_the_menus_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("layout");  // caption: name=caption ...; "-" for a separator
  QTest::newRow("file") << "MenuFile"
                        << "文件(&F): MenuFileOpen=打开文件(&O) MenuSave=保存文件(&s) wer6wr6=- "
                           "FormCancel=退出(&E)";
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
  QTest::newRow("ports") << "com"
                         << "端口(&C): com1=com1 com2=com2 com3=com3 com4=com4 com5=com5 "
                            "com6=com6 com7=com7 com8=com8 com9=com9 com10=com10 com11=com11 "
                            "com12=com12 com13=com13 com14=com14 com15=com15 com16=com16";
}

void StartupTest::lays_out_the_menus() {
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

void StartupTest::closes_the_about_box_data() {
  QTest::addColumn<QString>("by");
  QTest::newRow("the first splash timer tick") << "Timer2";
  QTest::newRow("a click on the window's background") << "background";
  QTest::newRow("a click on the box") << "click";
  QTest::newRow("a key on the box") << "key";
}

void StartupTest::closes_the_about_box() {
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

void StartupTest::Timer1_shows_the_port_state_once_data() {
  QTest::addColumn<bool>("open");
  QTest::addColumn<QString>("status");
  QTest::newRow("port open") << true << "串口开";
  QTest::newRow("port closed") << false << "串口关闭";
}

void StartupTest::Timer1_shows_the_port_state_once() {
  QFETCH(bool, open);
  QFETCH(QString, status);
  PseudoTerminal pty;
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, open ? com1_on(pty.device()) : PortMap());
  w->StatusBar1()->set_panel1(QStringLiteral("读频完成"));
  w->Form5()->ProgressBar1()->setValue(120);
  w->Timer1()->arm(1000ms);
  w->Timer1_Timer();
  QCOMPARE(w->StatusBar1()->panel1(), status);
  QVERIFY(!w->Timer1()->enabled());
  QCOMPARE(w->Form5()->ProgressBar1()->value(), 0);
}

void StartupTest::exit_asks_once_and_No_keeps_running_data() {
  QTest::addColumn<bool>("by_menu");
  QTest::newRow("menu 退出") << true;
  QTest::newRow("title bar") << false;
}

void StartupTest::exit_asks_once_and_No_keeps_running() {
  QFETCH(bool, by_menu);
  PseudoTerminal pty;
  RecordingMessageBoxes boxes;
  boxes.hold_questions = true;
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
  QCOMPARE(boxes.shown[0].buttons, RecordingMessageBoxes::Buttons::YesNo);
  boxes.answer_held(false);
  QVERIFY(w->isVisible());
  QVERIFY(!action(*w, "FormCancel")->isChecked());
  QVERIFY(w->Timer1()->enabled() && w->Timer2()->enabled());
  QVERIFY(w->serial_port().is_open());
  QVERIFY(!w->frmSplash() || !w->frmSplash()->isVisible());
}

void StartupTest::exit_with_Yes_closes_the_port_and_the_windows_data() {
  QTest::addColumn<bool>("stubborn");
  QTest::newRow("every window closes") << false;
  QTest::newRow("one window stays open") << true;
}

void StartupTest::exit_with_Yes_closes_the_port_and_the_windows() {
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

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
