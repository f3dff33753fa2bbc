// The window after start-up, its menus, timers, about box, progress window and exit.

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "channels/frequency.h"
#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"
#include "ui/channel_grid.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

using namespace std::chrono_literals;

PortMap com1_on(const QString& device) {
  PortMap ports;
  ports.set({1, device});
  return ports;
}

// A window that will not close: the exit stops at it.
class StubbornWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

QPoint background_spot(QWidget* background) {
  return {background->width() - 4, background->height() - 4};
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_the_default_table();
  void shows_the_option_boxes_and_their_items();
  void fills_only_the_row_0_tone_editors();
  void checks_xbm27_bt_2_and_no_port_without_a_port();
  void checks_com1_only_when_port_1_opened_data();
  void checks_com1_only_when_port_1_opened();
  void keeps_the_progress_window_hidden();
  void starts_the_splash_timer_only();
  void shows_the_grid_whole();
  void lays_out_the_menus_data();
  void lays_out_the_menus();
  void shows_the_about_box();
  void closes_the_about_box_data();
  void closes_the_about_box();
  void Timer1_shows_the_port_state_once_data();
  void Timer1_shows_the_port_state_once();
  void closing_the_progress_window_gives_the_controls_back();
  void exit_asks_and_No_keeps_running_data();
  void exit_asks_and_No_keeps_running();
  void exit_asks_once_while_the_question_is_open();
  void exit_with_Yes_closes_the_port_and_the_windows();
  void exit_stops_at_a_window_that_stays_open();
};

void StartupTest::shows_the_default_table() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QCOMPARE(w->windowTitle(), QStringLiteral("写频软件     "));
  for (int r = 0; r < kRows; ++r) {
    const QString frequency =
        QString::fromStdString(frequency_text(45012500 + 50000 * static_cast<FreqUnits>(r)));
    QCOMPARE(cell(*w, "Text1", r)->text(), frequency);
    QCOMPARE(cell(*w, "Text3", r)->text(), frequency);
    QCOMPARE(cell(*w, "Text5", r)->text(), QStringLiteral("OFF"));
    QCOMPARE(cell(*w, "Text2", r)->text(), QStringLiteral("OFF"));
    QCOMPARE(cell(*w, "Text4", r)->text(), QStringLiteral("窄带"));
    QCOMPARE(child<QLabel>(*w, element("Label1", r + 1))->text(), QString::number(r + 1));
    for (const char* array : {"Text1", "Text5", "Text3", "Text2", "Text4"}) {
      QVERIFY2(cell(*w, array, r)->isEnabled(), array);
      QVERIFY2(!cell(*w, array, r)->isHidden(), array);
    }
    QCOMPARE(cell(*w, "Text1", r)->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(cell(*w, "Text3", r)->focusPolicy(), Qt::StrongFocus);
    QVERIFY(box(*w, element("Combo3", r))->isHidden());
    QVERIFY(box(*w, element("Combo2", r))->isHidden());
  }
  QCOMPARE(cell(*w, "Text1", 0)->text(), QStringLiteral("450.12500"));
  QCOMPARE(cell(*w, "Text3", 24)->text(), QStringLiteral("462.12500"));
  QVERIFY(w->sheet() == startup_sheet());
}

void StartupTest::shows_the_option_boxes_and_their_items() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  struct Case {
    const char* name;
    const char* text;
    QStringList items;
  };
  QStringList totals;
  for (int n = 1; n <= 25; ++n) totals << QString::number(n);
  const Case kCases[] = {
      {"Combo1", "4:自定义频率", {"1:美国频率", "2:中国频率", "3:台湾频率", "4:自定义频率"}},
      {"Combo4", "1:普通模式", {"1:普通模式", "2:专业模式"}},
      {"Combo5", "允许", {"允许", "禁止"}},
      {"Combo6", "关", {"关", "开"}},
      {"Combo7", "关", {"关", "开"}},
      {"Combo2_60", "25", totals},
      {"Combo2_62", "100", {"100", "200", "300", "400", "500", "600", "700", "800", "900"}},
  };
  for (const auto& c : kCases) {
    QComboBox* options = box(*w, QString::fromLatin1(c.name));
    QCOMPARE(options->currentText(), QString::fromUtf8(c.text));
    QStringList items;
    for (int i = 0; i < options->count(); ++i) items << options->itemText(i);
    QCOMPARE(items, c.items);
  }
}

void StartupTest::fills_only_the_row_0_tone_editors() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  for (const char* array : {"Combo2", "Combo3"}) {
    QComboBox* reference = box(*w, element(array, 0));
    QCOMPARE(reference->count(), 100);
    QCOMPARE(reference->itemText(0), QStringLiteral("OFF"));
    QCOMPARE(reference->itemText(99), QStringLiteral("D503"));
    QCOMPARE(box(*w, element(array, 1))->count(), 0);
  }
}

void StartupTest::checks_xbm27_bt_2_and_no_port_without_a_port() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QVERIFY(action(*w, "xbm27")->isChecked());
  QVERIFY(action(*w, "bt_2")->isChecked());
  for (int n = 1; n <= 16; ++n) QVERIFY(!action(*w, QStringLiteral("com%1").arg(n))->isChecked());
  QVERIFY(!action(*w, "FormCancel")->isChecked());
  QCOMPARE(w->StatusBar1()->panel1(), QStringLiteral("串口关闭"));
  QVERIFY(boxes.shown.empty());
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

void StartupTest::keeps_the_progress_window_hidden() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  ProgressWindow* form5 = w->Form5();
  QCOMPARE(form5->objectName(), QStringLiteral("Form5"));
  QVERIFY(form5->isHidden());
  QProgressBar* bar = child<QProgressBar>(*form5, "ProgressBar1");
  QVERIFY(bar->isHidden());
  QCOMPARE(bar->minimum(), 0);
  QCOMPARE(bar->maximum(), 250);
  QCOMPARE(bar->value(), 0);
}

void StartupTest::starts_the_splash_timer_only() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  FormTimer* timer2 = child<FormTimer>(*w, "Timer2");
  QVERIFY(timer2->enabled());
  QCOMPARE(timer2->interval(), 2000ms);
  FormTimer* timer1 = child<FormTimer>(*w, "Timer1");
  QCOMPARE(timer1->interval(), 0ms);
}

void StartupTest::shows_the_grid_whole() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QWidget* frame = child(*w, "Frame1");
  const QRect shown = frame->parentWidget()->rect();
  QVERIFY2(shown.contains(frame->geometry()), "the grid fits the window without scrolling");
  QVERIFY(shown.contains(child(*w, "Frame2")->geometry()));
  QVERIFY(shown.contains(child(*w, "Command2")->geometry()));
}

void StartupTest::lays_out_the_menus_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QStringList>("items");  // "name=caption"; "name=-" for a separator
  QTest::newRow("file") << "MenuFile"
                        << "文件(&F)"
                        << QStringList{"MenuFileOpen=打开文件(&O)", "MenuSave=保存文件(&s)",
                                       "wer6wr6=-", "FormCancel=退出(&E)"};
  QTest::newRow("settings") << "chuankoushezhi"
                            << "设置(&I)"
                            << QStringList{"=端口(&C)", "=波特率(&P)", "qita=其他(&O)", "w13888=-"};
  QTest::newRow("baud rate") << "botelv"
                             << "波特率(&P)" << QStringList{"bt_2=9600"};
  QTest::newRow("model") << "jixinxinxi"
                         << "机型选择(&J)" << QStringList{"xbm27=------", "jjj=-"};
  QTest::newRow("programming") << "xie"
                               << "编程操作(&X)"
                               << QStringList{"w138888=-",  "WriteChn=读取频率(&R)",
                                              "w1388888=-", "StartWrite=开始写频(&W)",
                                              "aa=-",       "工程模式=工程模式",
                                              "GG=-",       "测试模式=测试模式",
                                              "rr=-",       "写ID=写ID"};
  QStringList ports;
  for (int n = 1; n <= 16; ++n) ports << QStringLiteral("com%1=com%1").arg(n);
  QTest::newRow("ports") << "com"
                         << "端口(&C)" << ports;
}

void StartupTest::lays_out_the_menus() {
  QFETCH(QString, menu);
  QFETCH(QString, caption);
  QFETCH(QStringList, items);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QMenu* shown = child<QMenu>(*w, menu);
  QCOMPARE(shown->title(), caption);
  QVERIFY(!shown->separatorsCollapsible());
  QStringList found;
  for (QAction* item : shown->actions()) {
    const QString name = item->menu() ? QString() : item->objectName();
    found << name + "=" + (item->isSeparator() ? QStringLiteral("-") : item->text());
  }
  QCOMPARE(found, items);
}

void StartupTest::shows_the_about_box() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->show_splash();
  Splash* splash = w->frmSplash();
  QVERIFY(splash && splash->isVisible());
  QCOMPARE(child<QLabel>(*splash, "lblCompanyProduct")->text(), QStringLiteral("对讲机写频软件"));
  QCOMPARE(child<QLabel>(*splash, "lblPlatform")->text(), QStringLiteral("版本：1.0.0.0"));
  QCOMPARE(child<QLabel>(*splash, "lblVersion")->text(), QStringLiteral("发行日：2015.11"));
  QPushButton* ok = child<QPushButton>(*splash, "Command1");
  QCOMPARE(ok->text(), QStringLiteral("确定(&Q)"));
  QVERIFY(ok->isHidden());
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
  if (by == "Timer2") {
    w->Timer2_Timer();
  } else if (by == "background") {
    QWidget* background = w->centralWidget();
    const QPoint spot = background_spot(background);
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
  QProgressBar* bar = w->Form5()->ProgressBar1();
  bar->setValue(120);
  w->Timer1()->arm(1000ms);
  w->Timer1_Timer();
  QCOMPARE(w->StatusBar1()->panel1(), status);
  QVERIFY(!w->Timer1()->enabled());
  QCOMPARE(bar->value(), 0);
}

void StartupTest::closing_the_progress_window_gives_the_controls_back() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QSignalSpy unloading(w->Form5(), &ProgressWindow::query_unload);
  w->Command1()->setEnabled(false);
  w->Command2()->setEnabled(false);
  w->Form5()->ProgressBar1()->setValue(200);
  w->Form5()->show();
  QVERIFY(w->Form5()->close());
  QCOMPARE(unloading.count(), 1);
  QVERIFY(w->Command1()->isEnabled());
  QVERIFY(w->Command2()->isEnabled());
  QCOMPARE(w->Form5()->ProgressBar1()->value(), 0);
  QVERIFY(w->Timer1()->enabled());
  QCOMPARE(w->Timer1()->interval(), 1000ms);
  QVERIFY(w->isVisible());
}

void StartupTest::exit_asks_and_No_keeps_running_data() {
  QTest::addColumn<bool>("by_menu");
  QTest::newRow("menu 退出") << true;
  QTest::newRow("title bar") << false;
}

void StartupTest::exit_asks_and_No_keeps_running() {
  QFETCH(bool, by_menu);
  PseudoTerminal pty;
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes, com1_on(pty.device()));
  w->show_splash();
  w->Timer2()->set_enabled(false);
  if (by_menu) {
    action(*w, "FormCancel")->trigger();
  } else {
    QVERIFY(!w->close());
  }
  QCOMPARE(boxes.shown.size(), 1u);
  const auto& question = boxes.shown.front();
  QCOMPARE(question.message.text, std::string("确认要退出程序吗？"));
  QCOMPARE(question.message.title, std::string("确认退出"));
  QCOMPARE(question.buttons, RecordingMessageBoxes::Buttons::YesNo);
  QVERIFY(w->isVisible());
  QVERIFY(!action(*w, "FormCancel")->isChecked());
  QVERIFY(w->Timer1()->enabled());
  QVERIFY(w->Timer2()->enabled());
  QVERIFY(w->serial_port().is_open());
  QVERIFY(!w->frmSplash() || !w->frmSplash()->isVisible());
}

void StartupTest::exit_asks_once_while_the_question_is_open() {
  RecordingMessageBoxes boxes;
  boxes.hold_questions = true;
  const auto w = make_window(boxes);
  action(*w, "FormCancel")->trigger();
  QVERIFY(action(*w, "FormCancel")->isChecked());
  QVERIFY(!w->Timer1()->enabled());
  QVERIFY(!w->Timer2()->enabled());
  QVERIFY(!w->close());
  QCOMPARE(boxes.shown.size(), 1u);
  boxes.answer_held(false);
  QVERIFY(w->isVisible());
  QVERIFY(!action(*w, "FormCancel")->isChecked());
  QVERIFY(w->Timer2()->enabled());
}

void StartupTest::exit_with_Yes_closes_the_port_and_the_windows() {
  PseudoTerminal pty;
  RecordingMessageBoxes boxes;
  boxes.answer_yes = true;
  const auto w = make_window(boxes, com1_on(pty.device()));
  QWidget dialog;
  w->register_window(&dialog);
  dialog.show();
  w->Form5()->show();
  QVERIFY(w->close());
  QVERIFY(!w->isVisible());
  QVERIFY(!w->serial_port().is_open());
  QVERIFY(!dialog.isVisible());
  QVERIFY(!w->Form5()->isVisible());
}

void StartupTest::exit_stops_at_a_window_that_stays_open() {
  RecordingMessageBoxes boxes;
  boxes.hold_questions = true;
  const auto w = make_window(boxes);
  StubbornWindow stubborn;
  QWidget later;
  w->register_window(&stubborn);
  w->register_window(&later);
  for (QWidget* window : std::initializer_list<QWidget*>{w->Form5(), &stubborn, &later}) {
    window->show();
  }
  w->close();
  boxes.answer_held(true);
  QVERIFY(!w->isVisible());
  QVERIFY(!later.isVisible());
  QVERIFY(stubborn.isVisible());
  QVERIFY2(w->Form5()->isVisible(), "opened before the stubborn one, so it stays");
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
