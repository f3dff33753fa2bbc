// SPDX-License-Identifier: GPL-3.0-or-later
// The window after start-up, the port menu and the port's state in the status panel, the about
// box, the exit, and the real message boxes: one at a time, each shown when the one before is
// closed, each answer from its own button, and Qt's own buttons in Chinese.

#include <QAbstractButton>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryFile>
#include <optional>

#include "i18n/translators.h"
#include "support/pseudo_terminal.h"
#include "ui/controllers/port_messages.h"
#include "ui/window/choice_box.h"
#include "ui/window/language_setting.h"
#include "ui/window/plugins_after_first_paint.h"
#include "ui/window/splash.h"
#include "ui_test_support.h"
#include "version.h"

namespace m27::testing {

using namespace std::chrono_literals;

namespace {

QAction* com(const MainWindow& w, int n) { return action(w, QStringLiteral("com%1").arg(n)); }

// The one box open, or nullptr when there is none or more than one.
QMessageBox* the_open_box() {
  QList<QMessageBox*> open;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) open << box;
  }
  return open.size() == 1 ? open.front() : nullptr;
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

// The captions of `items` and `more` that share their Alt+letter: "编辑(&E) 读取频率(&E)".
QString shared_mnemonics(const QList<QAction*>& items, QStringList more = {}) {
  for (const QAction* item : items) more << item->text();
  more = more.filter(QRegularExpression(QStringLiteral("&[^&]")));  // those with a letter
  QList<QKeySequence> keys;
  for (const QString& caption : more) keys << QKeySequence::mnemonic(caption);
  QStringList shared;
  for (qsizetype i = 0; i < more.size(); ++i) shared << (keys.count(keys[i]) > 1 ? more[i] : "");
  return shared.join(' ').simplified();
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  // Port 1 is opened at start-up, a failure in silence, then a port is chosen from the menu; its
  // device is the item's status tip and tooltip. The status panel tells the port's state again at
  // each tick of the one-shot status refresh, which also empties the progress bar.
  void a_choice_opens_its_port_or_leaves_none_checked() {
    PseudoTerminal chosen;
    QTemporaryFile file;  // its own: a serial port locks the device it opens
    QVERIFY(file.open());
    const QString missing = QStringLiteral("/dev/m27-no-such-tty");
    const struct {
      bool port_1_opens;
      int port_no;
      QString device;
      const char* status;
      const char* message;  // nullptr: none
    } kCases[] = {
        {true, 7, chosen.device(), "串口7", nullptr},
        {false, 2, missing, "串口关", "该串口2不存在或有问题"},
        {true, 3, file.fileName(), "串口关", nullptr},  // no serial port: passed over in silence
        {true, 7, missing, "串口关", "该串口 不存在或有问题"},
    };
    for (const auto& c : kCases) {
      PseudoTerminal pty;
      PortMap ports = com1_on(c.port_1_opens ? pty.device() : file.fileName());
      ports.set({c.port_no, c.device});
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes, ports);
      QVERIFY(w->serial_port().is_open() == c.port_1_opens && boxes.shown.empty());
      QVERIFY(com(*w, 1)->isChecked() == c.port_1_opens);
      QCOMPARE(w->status_bar()->panel1(), c.port_1_opens ? "串口开" : "串口关闭");
      QCOMPARE(com(*w, c.port_no)->statusTip() + com(*w, 9)->toolTip(), c.device + "—");
      com(*w, c.port_no)->trigger();
      const bool opened = c.device == chosen.device();
      int checked = 0;
      for (int n = 1; n <= 16; ++n) checked += com(*w, n)->isChecked();
      QVERIFY(checked == int(opened) && com(*w, c.port_no)->isChecked() == opened);
      QVERIFY(w->serial_port().is_open() == opened && w->port_no() == c.port_no);
      QCOMPARE(w->status_bar()->panel1(), QString::fromUtf8(c.status));
      QCOMPARE(boxes.texts(), c.message ? QStringList{c.message} : QStringList{});
      if (c.message) QCOMPARE(boxes.shown[0].message, attention(c.message));
      w->progress_window()->bar()->setValue(120);
      w->status_refresh_timer()->start();
      w->refresh_port_status();
      QCOMPARE(w->status_bar()->panel1(), opened ? "串口开" : "串口关闭");
      QVERIFY(!w->status_refresh_timer()->isActive() && w->progress_window()->bar()->value() == 0);
    }
  }

  // The texts differ from item to item as the radio's users know them; port 3's silence and the
  // text of the ports from 7 on, the test above shows.
  void each_item_has_its_own_failure_message() {
    using enum OpenOutcome;
    const struct {
      int port_no;
      OpenOutcome outcome;
      const char* text;  // nullptr: no message
    } kCases[] = {
        {1, Failed, "该串口1 不存在或有问题"},
        {2, Failed, "该串口2不存在或有问题"},
        {3, DoesNotExist, "该串口3不存在或有问题"},
        {4, InUseOrNoPermission, "串口4不存在或有问题\n串口已被占用：/dev/ttyUSB9"},
        {5, DoesNotExist, "串口5不存在或有问题"},
        {6, InUseOrNoPermission, "该串口6不存在或有问题\n串口已被占用：/dev/ttyUSB9"},
        {16, Opened, nullptr},
    };
    for (const auto& c : kCases) {
      QCOMPARE(port_failure_message(c.port_no, c.outcome, "/dev/ttyUSB9"),
               c.text ? std::optional(attention(c.text)) : std::nullopt);
    }
  }

  // The box shows the program's version. The first splash timer tick, a click on the window's
  // background, a click or a key on the box close it; a later tick finds no box and does nothing.
  void closes_the_about_box() {
    for (const QString by : {"Timer2", "background", "click", "key"}) {
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes);
      QVERIFY(!w->splash_timer()->isActive());
      w->show_splash();
      QVERIFY(w->splash_timer()->isActive() && w->splash_timer()->intervalAsDuration() == 2000ms);
      const QPointer<Splash> splash = w->splash();
      QWidget* background = w->centralWidget();
      const QPoint spot(background->width() - 4, background->height() - 4);
      QVERIFY(splash && splash->isVisible() && background->childAt(spot) == nullptr);
      QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("lblPlatform"))->text(),
               QStringLiteral("版本：") + QLatin1String(kVersion));
      if (by == "Timer2") w->splash_timer_elapsed();
      if (by == "background") QTest::mouseClick(background, Qt::LeftButton, {}, spot);
      if (by == "click") QTest::mouseClick(splash, Qt::LeftButton);
      if (by == "key") QTest::keyClick(splash, Qt::Key_Space);
      QVERIFY2(!splash || !splash->isVisible(), qPrintable(by));
      QTRY_VERIFY(!w->splash_timer()->isActive());  // it runs only while the box is shown
      w->splash_timer_elapsed();
    }
  }

  // By the menu item 退出 or the title bar. The question stops both timers and closes the about
  // box; 否 starts both timers again, 是 closes the port and the windows the program opened.
  void the_exit_asks_once() {
    for (const auto& [by_menu, yes] : {std::pair{true, false}, {false, false}, {true, true}}) {
      PseudoTerminal pty;
      RecordingMessageBoxes boxes;
      boxes.hold = true;
      const auto w = make_window(boxes, com1_on(pty.device()));
      QWidget dialog;
      w->register_window(&dialog);
      dialog.show();
      w->progress_window()->show();
      w->show_splash();
      w->status_refresh_timer()->start();
      by_menu ? action(*w, "FormCancel")->trigger() : void(w->close());
      QVERIFY(!w->status_refresh_timer()->isActive() && w->splash_held());
      QVERIFY(!w->splash() || !w->splash()->isVisible());
      QVERIFY(!w->close());  // asked again while the question is open: no second question
      QCOMPARE(boxes.shown.size(), 1u);
      QVERIFY(boxes.shown[0].question &&
              boxes.shown[0].message == (Message{"确认要退出程序吗？", "确认退出"}));
      boxes.close_oldest(yes);
      const bool runs = !yes;
      QVERIFY(w->isVisible() == runs && w->serial_port().is_open() == runs &&
              dialog.isVisible() == runs && w->progress_window()->isVisible() == runs);
      QVERIFY(yes || (w->status_refresh_timer()->isActive() && !w->splash_held()));
    }
  }

  // What one Alt+letter reaches at once, the menu titles and the window's buttons (Alt+E reads,
  // Alt+S writes), is one thing, and so is each item within a menu, in English too.
  void every_mnemonic_reaches_one_thing() {
    for (const Language language : {Language::English, Language::AsWritten}) {
      use_language(*qApp, language);
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes);
      QStringList buttons;
      for (const auto* b : w->findChildren<QAbstractButton*>()) buttons << b->text();
      QCOMPARE(shared_mnemonics(w->menuBar()->actions(), buttons), "");
      for (const QMenu* m : w->findChildren<QMenu*>()) {
        QCOMPARE(shared_mnemonics(m->actions()), "");
      }
    }
  }

  // 设置 → 语言 retranslates the open window at once and is remembered; 跟随系统 follows the
  // environment (LANGUAGE=en is English, the C locale the texts as written). The sheet keeps its
  // data whatever the window shows for it.
  void the_language_menu_retranslates_the_window() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    const auto shown = [&] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      const QAbstractItemModel* model = w->grid()->model();
      QStringList texts{w->menuBar()->actions().at(0)->text(),
                        action(*w, "MenuFileOpen")->text(),
                        action(*w, "undo")->text(),
                        action(*w, "copy_cells")->text(),
                        w->findChild<QAbstractButton*>("Command2")->text(),
                        w->findChild<QLabel*>("Label5")->text(),
                        w->findChild<QGroupBox*>("Frame2")->title(),
                        model->headerData(0, Qt::Horizontal).toString(),
                        model->headerData(4, Qt::Horizontal).toString(),
                        cell_text(*w, Cell::bandwidth, 0),
                        w->grid()->tone_editor({0, Cell::tx_tone})->accessibleName(),
                        box(*w, "Combo1")->currentText(),
                        box(*w, "Combo1")->accessibleName(),
                        box(*w, "Combo6")->accessibleName(),
                        w->windowTitle().trimmed(),
                        w->status_bar()->panel1(),
                        w->grid()->model()->paste("1\t2\t3\t4\t5\t6", false, {}, {}).value_or("")};
      w->findChild<QAbstractButton*>("Command1")->click();  // refused: channel 3 is off the band
      const Message& refusal = boxes.shown.back().message;
      texts << QString::fromStdString(refusal.title + ": " + refusal.text);
      click_cell(*w, Cell::tx_tone, 0);  // the write committed its editor
      return texts.join('|');
    };
    const QString chinese = QStringLiteral(
        "文件(&F)|打开文件(&O)|撤销(&U)|复制(&C)|读取频率(&E)|遇忙禁发|信道编辑|接收频率|带宽|窄带|"
        "第1信道 发射亚音|"
        "4:自定义频率|频率方案|遇忙禁发|写频软件 *|串口关闭|粘贴超出了最后一列|注意: "
        "第3信道频率输入错误，请重新输入");
    const QString english = QStringLiteral(
        "&File|&Open file|&Undo|&Copy|R&ead radio|Busy lockout|Channel edit|RX frequency|"
        "Bandwidth|Narrow|Channel 1 TX tone|4: Custom|Frequency plan|Busy lockout|Radio programmer "
        "*|Port closed|The paste "
        "goes "
        "past the last column|Attention: Channel 3: invalid frequency, please enter it again");
    type_into(*w, Cell::rx_frequency, 2, "399.95");
    click_cell(*w, Cell::tx_tone, 0);  // its editor opens
    for (const auto& [language_variable, item, expected, saved] :
         {std::tuple{"en", "language_system", english, std::optional<Language>()},
          {"", "language_english", english, std::optional(Language::English)},
          {"", "language_system", chinese, std::optional<Language>()},
          {"en", "language_chinese", chinese, std::optional(Language::Chinese)}}) {
      qputenv("LANGUAGE", language_variable);
      action(*w, item)->trigger();
      QCOMPARE(shown(), expected);
      QCOMPARE(saved_language(), saved);
      QVERIFY(action(*w, item)->isChecked());
      QCOMPARE(w->sheet().plan + w->sheet().rows[0].bandwidth, "4:自定义频率窄带");
    }
    qputenv("LANGUAGE", "");
    action(*w, "language_system")->trigger();
  }

  // In English the window shows words for the sheet's data: a choice in an option box and a
  // click on a bandwidth store the data, a copy gives the cells as shown, and a paste of what
  // was copied stores the data again.
  void english_words_stand_for_the_data() {
    use_language(*qApp, Language::English);
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    choose(box(*w, "Combo1"), "2: China");
    choose(box(*w, "Combo5"), "Forbidden");
    click_cell(*w, Cell::bandwidth, 1);
    QCOMPARE(QString::fromStdString(w->sheet().plan + w->sheet().transmit +
                                    w->sheet().rows[1].bandwidth),
             "2:中国频率禁止宽带");
    QCOMPARE(box(*w, "Combo1")->currentText() + cell_text(*w, Cell::bandwidth, 1), "2: ChinaWide");
    table(*w)->setCurrentIndex(cell_index(*w, Cell::bandwidth, 1));
    w->grid()->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), "Wide\n");
    table(*w)->setCurrentIndex(cell_index(*w, Cell::bandwidth, 2));
    w->grid()->paste();
    QCOMPARE(w->sheet().rows[2].bandwidth, "宽带");
    use_language(*qApp, Language::AsWritten);
  }

  // No caption, label, button, box or heading of the window is cut off, in either language.
  void every_text_fits_its_control() {
    for (const Language language : {Language::English, Language::AsWritten}) {
      use_language(*qApp, language);
      RecordingMessageBoxes boxes;
      const auto w = make_window(boxes);
      w->show();
      QCoreApplication::sendPostedEvents();
      QCOMPARE(cut_off_texts(*w).join(", "), QString());
    }
  }

  // Qt's plug-in folders are hidden while a window is built and come back once it has been
  // painted, or when the watcher goes with a window that never was.
  void plugin_folders_come_back_after_the_first_paint() {
    const QStringList folders = QCoreApplication::libraryPaths();
    {
      PluginsAfterFirstPaint plugins;
      QVERIFY(QCoreApplication::libraryPaths().isEmpty());
    }
    QCOMPARE(QCoreApplication::libraryPaths(), folders);
    PluginsAfterFirstPaint plugins;
    QWidget window;
    plugins.watch(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(QCoreApplication::libraryPaths(), folders);
  }

  // A question comes up only after the box before it is closed; each button gives its answer;
  // Qt's own buttons and menus follow the language, not QLocale: Chinese under the C locale and
  // zh_CN, English under LANGUAGE=en. Last: the Chinese translations stay installed.
  void shows_one_box_at_a_time_and_each_button_answers_in_Chinese() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto& [variables, ok] : {std::pair{LocaleVariables{"", "en", "", "C.UTF-8"}, "OK"},
                                        {LocaleVariables{"", "", "", "zh_CN.UTF-8"}, "确定"},
                                        {LocaleVariables{"", "", "", "C.UTF-8"}, "确定"}}) {
      QVERIFY(use_language(*qApp, language_of(variables)));
      QueuedMessageBoxes boxes;
      boxes.show(attention("读频完成"));
      QCOMPARE(the_open_box()->button(QMessageBox::Ok)->text(), QString::fromUtf8(ok));
      the_open_box()->button(QMessageBox::Ok)->click();
    }
    for (const auto& [button, yes] :
         {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
      QueuedMessageBoxes boxes;
      QStringList closed;
      boxes.show(attention("读频完成"), [&] { closed << "first"; });
      boxes.ask_yes_no(Message{"确认要退出程序吗？", "确认退出", MessageIcon::None},
                       [&](bool said_yes) { closed << (said_yes ? "yes" : "no"); });
      QCOMPARE(shown(), QStringLiteral("注意|读频完成|%1|1").arg(QMessageBox::Warning));
      QVERIFY(the_open_box()->isModal() && closed.isEmpty());
      QCOMPARE(the_open_box()->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
      the_open_box()->button(QMessageBox::Ok)->click();
      QCOMPARE(shown(),
               QStringLiteral("确认退出|确认要退出程序吗？|%1|2").arg(QMessageBox::NoIcon));
      QCOMPARE(the_open_box()->button(QMessageBox::Yes)->text() +
                   the_open_box()->button(QMessageBox::No)->text(),
               QStringLiteral("是(&Y)否(&N)"));
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
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QCOMPARE(menu->actions().at(5)->text().section('\t', 0, 0), QStringLiteral("粘贴(&P)"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::StartupTest)
#include "startup_test.moc"
