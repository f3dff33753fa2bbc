// Editing in the grid: tone editors, keys, bandwidth, tab stops, rows in use, plans, mode,
// fill buttons and the option boxes.

#include <QApplication>
#include <QPushButton>

#include "channels/channel_table.h"
#include "channels/grid_edit.h"
#include "channels/options.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

QWidget* background(MainWindow& w) { return w.centralWidget(); }

QPoint background_spot(MainWindow& w) {
  return {background(w)->width() - 4, background(w)->height() - 4};
}

// Starts every test with the frequency cells out of the Tab order, as after a file was opened.
void clear_tab_stops(MainWindow& w) {
  clear_frequency_tab_stops(w.sheet());
  w.render_sheet();
}

}  // namespace

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  void a_tone_click_opens_the_editor_over_the_cell_data();
  void a_tone_click_opens_the_editor_over_the_cell();
  void opening_a_tone_editor_commits_the_open_one_of_its_column();
  void editors_of_the_two_columns_stay_open_until_RESET_TEXT();
  void an_editor_shows_a_text_that_is_not_in_its_list();
  void a_transmit_tone_choice_runs_Combo2_Click();
  void a_typed_receive_tone_runs_Combo3_Change();
  void the_receive_frequency_takes_only_number_keys_data();
  void the_receive_frequency_takes_only_number_keys();
  void a_frequency_takes_at_most_nine_characters();
  void enter_moves_on_only_from_a_receive_frequency();
  void the_transmit_tone_drops_every_key();
  void a_click_toggles_the_bandwidth_data();
  void a_click_toggles_the_bandwidth();
  void tab_stops_follow_the_events_data();
  void tab_stops_follow_the_events();
  void tab_skips_a_cell_that_is_no_tab_stop();
  void a_receive_double_click_follows_the_plan_box();
  void the_channel_total_enables_rows_data();
  void the_channel_total_enables_rows();
  void a_plan_fills_the_table_and_names_the_window();
  void the_mode_change_resets_the_tones_and_the_lists();
  void the_reference_lists_follow_a_mode_change_made_elsewhere();
  void the_fill_buttons_fill_a_column_data();
  void the_fill_buttons_fill_a_column();
  void a_fill_from_a_bad_row_0_reports_and_keeps_the_column();
  void the_switches_write_into_the_sheet();
  void the_option_boxes_drop_typed_characters();
};

void GridTest::a_tone_click_opens_the_editor_over_the_cell_data() {
  QTest::addColumn<QString>("cell_array");
  QTest::addColumn<QString>("editor_array");
  QTest::newRow("receive tone") << "Text5"
                                << "Combo3";
  QTest::newRow("transmit tone") << "Text2"
                                 << "Combo2";
}

void GridTest::a_tone_click_opens_the_editor_over_the_cell() {
  QFETCH(QString, cell_array);
  QFETCH(QString, editor_array);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QWidget* tone = child(*w, cell_array + "_3");
  QComboBox* editor = box(*w, editor_array + "_3");
  click(tone);
  QVERIFY(tone->isHidden());
  QVERIFY(!editor->isHidden());
  QCOMPARE(editor->geometry(), tone->geometry());
  QCOMPARE(editor->currentText(), QStringLiteral("OFF"));
  QCOMPARE(editor->count(), 100);
  QCOMPARE(editor->itemText(99), QStringLiteral("D503"));
}

void GridTest::opening_a_tone_editor_commits_the_open_one_of_its_column() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  click(cell(*w, "Text2", 7));
  choose(box(*w, "Combo2_7"), "D023");
  QCOMPARE(cell(*w, "Text2", 7)->text(), QStringLiteral("OFF"));  // not committed yet
  click(cell(*w, "Text2", 3));
  QCOMPARE(cell(*w, "Text2", 7)->text(), QStringLiteral("D023"));
  QVERIFY(box(*w, "Combo2_7")->isHidden());
  QVERIFY(!cell(*w, "Text2", 7)->isHidden());
  QVERIFY(!box(*w, "Combo2_3")->isHidden());
}

void GridTest::editors_of_the_two_columns_stay_open_until_RESET_TEXT() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  click(cell(*w, "Text5", 2));
  choose(box(*w, "Combo3_2"), "67.0");
  click(cell(*w, "Text2", 4));
  choose(box(*w, "Combo2_4"), "D432");
  QVERIFY(!box(*w, "Combo3_2")->isHidden());
  QVERIFY(!box(*w, "Combo2_4")->isHidden());

  click(cell(*w, "Text3", 10));  // a frequency click runs RESET_TEXT
  QCOMPARE(cell(*w, "Text5", 2)->text(), QStringLiteral("67.0"));
  QCOMPARE(cell(*w, "Text2", 4)->text(), QStringLiteral("D432"));
  QVERIFY(box(*w, "Combo3_2")->isHidden());
  QVERIFY(box(*w, "Combo2_4")->isHidden());
  QCOMPARE(text_of(w->sheet().rows[2].Text5), QStringLiteral("67.0"));
}

void GridTest::an_editor_shows_a_text_that_is_not_in_its_list() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().rows[4].Text5 = "88.8";
  w->render_sheet();
  click(cell(*w, "Text5", 4));
  QCOMPARE(box(*w, "Combo3_4")->currentText(), QStringLiteral("88.8"));
  click(cell(*w, "Text1", 0));
  QCOMPARE(cell(*w, "Text5", 4)->text(), QStringLiteral("88.8"));
}

void GridTest::a_transmit_tone_choice_runs_Combo2_Click() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().rows[6].Text3 = "451.2";
  w->sheet().Combo2_60 = "5";
  w->render_sheet();
  click(cell(*w, "Text2", 0));
  choose(box(*w, "Combo2_0"), "71.9");
  QCOMPARE(cell(*w, "Text3", 6)->text(), QStringLiteral("451.20000"));
  QVERIFY(!cell(*w, "Text1", 5)->isEnabled());
  QCOMPARE(text_of(*w->sheet().rows[0].Combo2), QStringLiteral("71.9"));
}

void GridTest::a_typed_receive_tone_runs_Combo3_Change() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().rows[9].Text1 = "455";
  w->render_sheet();
  click(cell(*w, "Text5", 1));
  QLineEdit* typed = box(*w, "Combo3_1")->lineEdit();
  typed->selectAll();
  QTest::keyClicks(typed, "D1");
  QCOMPARE(text_of(*w->sheet().rows[1].Combo3), QStringLiteral("D1"));
  QCOMPARE(cell(*w, "Text1", 9)->text(), QStringLiteral("455.00000"));
  click(cell(*w, "Text1", 0));
  QCOMPARE(cell(*w, "Text5", 1)->text(), QStringLiteral("D1"));
}

void GridTest::the_receive_frequency_takes_only_number_keys_data() {
  QTest::addColumn<QString>("array");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("digits and the point") << "Text1"
                                        << "462.5625"
                                        << "462.5625";
  QTest::newRow("a letter in a receive cell") << "Text1"
                                              << "4a5b"
                                              << "45";
  QTest::newRow("a letter in a transmit cell") << "Text3"
                                               << "4a5b"
                                               << "4a5b";
  QTest::newRow("signs and blanks") << "Text1"
                                    << "-4 5+"
                                    << "45";
  QTest::newRow("a Chinese character") << "Text1"
                                       << "4中5"
                                       << "45";
  QTest::newRow("in the bandwidth cell") << "Text4"
                                         << "x"
                                         << "x";
}

void GridTest::the_receive_frequency_takes_only_number_keys() {
  QFETCH(QString, array);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QLineEdit* target = child<QLineEdit>(*w, array + "_0");
  target->clear();
  type_text(target, typed);
  QCOMPARE(target->text(), shown);
}

void GridTest::a_frequency_takes_at_most_nine_characters() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QLineEdit* receive = cell(*w, "Text1", 0);
  receive->clear();
  QTest::keyClicks(receive, "1234567890123");
  QCOMPARE(receive->text(), QStringLiteral("123456789"));
  QTest::keyClick(receive, Qt::Key_Backspace);
  QCOMPARE(receive->text(), QStringLiteral("12345678"));
  QCOMPARE(text_of(w->sheet().rows[0].Text1), QStringLiteral("12345678"));

  w->sheet().rows[1].Text3 = "1000.50000";  // a longer text set by the program stays whole
  w->render_sheet();
  QCOMPARE(cell(*w, "Text3", 1)->text(), QStringLiteral("1000.50000"));
}

void GridTest::enter_moves_on_only_from_a_receive_frequency() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w.get()));
  QLineEdit* receive = cell(*w, "Text1", 0);
  receive->setFocus();
  QTest::keyClick(receive, Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), cell(*w, "Text5", 0));
  QCOMPARE(receive->text(), QStringLiteral("450.12500"));

  QLineEdit* transmit = cell(*w, "Text3", 0);
  transmit->setFocus();
  QTest::keyClick(transmit, Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), transmit);
}

void GridTest::the_transmit_tone_drops_every_key() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QLineEdit* tone = cell(*w, "Text2", 0);
  tone->end(false);
  QTest::keyClicks(tone, "67");
  QTest::keyClick(tone, Qt::Key_Backspace);
  QTest::keyClick(tone, Qt::Key_Home);
  QTest::keyClick(tone, Qt::Key_Delete);
  QCOMPARE(tone->text(), QStringLiteral("OFF"));
  QCOMPARE(text_of(w->sheet().rows[0].Text2), QStringLiteral("OFF"));
}

void GridTest::a_click_toggles_the_bandwidth_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::newRow("wide") << "宽带"
                        << "窄带";
  QTest::newRow("narrow") << "窄带"
                          << "宽带";
  QTest::newRow("neither") << "中带"
                           << "宽带";
  QTest::newRow("empty") << ""
                         << "宽带";
}

void GridTest::a_click_toggles_the_bandwidth() {
  QFETCH(QString, before);
  QFETCH(QString, after);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().rows[12].Text4 = before.toStdString();
  w->render_sheet();
  click(cell(*w, "Text4", 12));
  QCOMPARE(cell(*w, "Text4", 12)->text(), after);
  QCOMPARE(text_of(w->sheet().rows[12].Text4), after);
}

void GridTest::tab_stops_follow_the_events_data() {
  QTest::addColumn<QString>("event");
  QTest::addColumn<bool>("receive");
  QTest::addColumn<bool>("transmit");
  QTest::newRow("a file was opened or saved") << "none" << false << false;
  QTest::newRow("click on a receive frequency") << "click Text1" << true << false;
  QTest::newRow("click on a transmit frequency") << "click Text3" << true << false;
  QTest::newRow("double-click on a receive frequency") << "double-click Text1" << true << false;
  QTest::newRow("double-click on the background") << "double-click background" << true << true;
  QTest::newRow("a plan") << "plan" << true << true;
}

void GridTest::tab_stops_follow_the_events() {
  QFETCH(QString, event);
  QFETCH(bool, receive);
  QFETCH(bool, transmit);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  clear_tab_stops(*w);
  if (event == "click Text1") {
    click(cell(*w, "Text1", 8));
  } else if (event == "click Text3") {
    click(cell(*w, "Text3", 8));
  } else if (event == "double-click Text1") {
    QTest::mouseDClick(cell(*w, "Text1", 8), Qt::LeftButton);
  } else if (event == "double-click background") {
    QVERIFY(background(*w)->childAt(background_spot(*w)) == nullptr);
    QTest::mouseDClick(background(*w), Qt::LeftButton, {}, background_spot(*w));
  } else if (event == "plan") {
    choose(box(*w, "Combo1"), "1:美国频率");
  }
  const auto policy = [](bool tab_stop) { return tab_stop ? Qt::StrongFocus : Qt::ClickFocus; };
  for (int r = 0; r < kRows; ++r) {
    QCOMPARE(cell(*w, "Text1", r)->focusPolicy(), policy(receive));
    QCOMPARE(cell(*w, "Text3", r)->focusPolicy(), policy(transmit));
    QCOMPARE(w->sheet().rows[r].Text1_tab_stop, receive);
    QCOMPARE(w->sheet().rows[r].Text3_tab_stop, transmit);
  }
}

void GridTest::tab_skips_a_cell_that_is_no_tab_stop() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  clear_tab_stops(*w);
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w.get()));
  cell(*w, "Text4", 0)->setFocus();
  QTest::keyClick(cell(*w, "Text4", 0), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), cell(*w, "Text5", 1));
}

void GridTest::a_receive_double_click_follows_the_plan_box() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().Combo1 = "2:中国频率";  // shown, as a read from the radio leaves it
  w->render_sheet();
  QTest::mouseDClick(cell(*w, "Text1", 0), Qt::LeftButton);
  QCOMPARE(w->sheet().std_index, 1);
  QCOMPARE(cell(*w, "Text1", 0)->text(), QStringLiteral("450.12500"));  // the plan is not applied
}

void GridTest::the_channel_total_enables_rows_data() {
  QTest::addColumn<QString>("total");
  QTest::addColumn<int>("in_use");
  QTest::newRow("10") << "10" << 10;
  QTest::newRow("1") << "1" << 1;
  QTest::newRow("25") << "25" << 25;
}

void GridTest::the_channel_total_enables_rows() {
  QFETCH(QString, total);
  QFETCH(int, in_use);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  choose(box(*w, "Combo2_60"), total);
  for (int r = 0; r < kRows; ++r) {
    for (const char* array : {"Text1", "Text5", "Text3", "Text2", "Text4"}) {
      QCOMPARE(cell(*w, array, r)->isEnabled(), r < in_use);
    }
  }
  QCOMPARE(cell(*w, "Text1", 24)->text(), QStringLiteral("462.12500"));
  QCOMPARE(text_of(w->sheet().Combo2_60), total);
}

void GridTest::a_plan_fills_the_table_and_names_the_window() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().rows[3].Text5 = "67.0";
  w->sheet().rows[3].Text4 = "宽带";
  w->sheet().rows[22].Text1 = "461.1";
  w->render_sheet();
  choose(box(*w, "Combo1"), "2:中国频率");
  QCOMPARE(w->windowTitle(), QStringLiteral("中国标准"));
  QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("20"));
  const char* kChina[] = {"409.75000", "409.76250", "409.77500", "409.78750", "409.80000",
                          "409.81250", "409.82500", "409.83750", "409.85000", "409.86250",
                          "409.87500", "409.88750", "409.90000", "409.91250", "409.92500",
                          "409.93750", "409.95000", "409.96250", "409.97500", "409.98750"};
  for (int r = 0; r < 20; ++r) {
    QCOMPARE(cell(*w, "Text1", r)->text(), QString::fromLatin1(kChina[r]));
    QCOMPARE(cell(*w, "Text3", r)->text(), QString::fromLatin1(kChina[r]));
    QCOMPARE(cell(*w, "Text5", r)->text(), QStringLiteral("OFF"));
    QCOMPARE(cell(*w, "Text4", r)->text(), QStringLiteral("窄带"));
    QVERIFY(cell(*w, "Text1", r)->isEnabled());
  }
  for (int r = 20; r < kRows; ++r) QVERIFY(!cell(*w, "Text1", r)->isEnabled());
  QCOMPARE(cell(*w, "Text1", 22)->text(), QStringLiteral("461.10000"));  // kept, re-formatted
  QCOMPARE(cell(*w, "Text3", 24)->text(), QStringLiteral("462.12500"));
}

void GridTest::the_mode_change_resets_the_tones_and_the_lists() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().rows[0].Text2 = "D023";
  w->sheet().rows[24].Text5 = "67.0";
  w->render_sheet();
  click(cell(*w, "Text5", 5));

  choose(box(*w, "Combo4"), "2:专业模式");
  for (int r = 0; r < kRows; ++r) {
    QCOMPARE(cell(*w, "Text2", r)->text(), QStringLiteral("OFF"));
    QCOMPARE(cell(*w, "Text5", r)->text(), QStringLiteral("OFF"));
    QVERIFY(box(*w, element("Combo3", r))->isHidden());
  }
  for (const char* array : {"Combo2", "Combo3"}) {
    QCOMPARE(box(*w, element(array, 0))->count(), 266);
    QCOMPARE(box(*w, element(array, 0))->itemText(265), QStringLiteral("I754"));
  }
  click(cell(*w, "Text2", 9));
  QCOMPARE(box(*w, "Combo2_9")->count(), 266);

  choose(box(*w, "Combo4"), "1:普通模式");
  for (const char* array : {"Combo2", "Combo3"}) {
    QCOMPARE(box(*w, element(array, 0))->count(), 100);
    QCOMPARE(box(*w, element(array, 0))->itemText(99), QStringLiteral("D503"));
  }
  QVERIFY(box(*w, "Combo2_9")->isHidden());
}

// A read from the radio or an opened file changes the mode in the sheet, not through the box.
void GridTest::the_reference_lists_follow_a_mode_change_made_elsewhere() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  w->sheet().Combo4 = "2:专业模式";
  Combo4_Click(w->sheet());
  w->render_sheet();
  QCOMPARE(box(*w, "Combo4")->currentText(), QStringLiteral("2:专业模式"));
  QCOMPARE(box(*w, "Combo2_0")->count(), 266);
  QCOMPARE(box(*w, "Combo3_0")->count(), 266);
}

void GridTest::the_fill_buttons_fill_a_column_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("step");
  QTest::addColumn<QString>("row_1");
  QTest::addColumn<QString>("row_24");
  QTest::newRow("receive, 100 kHz") << "Command9"
                                    << "100"
                                    << "450.10000"
                                    << "452.40000";
  QTest::newRow("receive, 900 kHz") << "Command9"
                                    << "900"
                                    << "450.90000"
                                    << "471.60000";
  QTest::newRow("transmit, 500 kHz") << "Command10"
                                     << "500"
                                     << "450.50000"
                                     << "462.00000";
}

void GridTest::the_fill_buttons_fill_a_column() {
  QFETCH(QString, button);
  QFETCH(QString, step);
  QFETCH(QString, row_1);
  QFETCH(QString, row_24);
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  const bool receive = button == "Command9";
  QLineEdit* first = cell(*w, receive ? "Text1" : "Text3", 0);
  first->clear();
  QTest::keyClicks(first, "450");
  choose(box(*w, "Combo2_62"), step);
  choose(box(*w, "Combo2_60"), "5");  // all 25 rows are filled all the same
  click(child<QPushButton>(*w, button));
  QCOMPARE(cell(*w, receive ? "Text1" : "Text3", 0)->text(), QStringLiteral("450.00000"));
  QCOMPARE(cell(*w, receive ? "Text1" : "Text3", 1)->text(), row_1);
  QCOMPARE(cell(*w, receive ? "Text1" : "Text3", 24)->text(), row_24);
  QCOMPARE(cell(*w, receive ? "Text3" : "Text1", 24)->text(), QStringLiteral("462.12500"));
  QVERIFY(boxes.shown.empty());
}

void GridTest::a_fill_from_a_bad_row_0_reports_and_keeps_the_column() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  QLineEdit* first = cell(*w, "Text3", 0);
  first->clear();
  QTest::keyClicks(first, "4x");
  click(child<QPushButton>(*w, "Command10"));
  QCOMPARE(boxes.shown.size(), 1u);
  QCOMPARE(boxes.shown[0].message, attention("第1信道频率输入错误，请重新输入"));
  QCOMPARE(boxes.shown[0].buttons, RecordingMessageBoxes::Buttons::Ok);
  QCOMPARE(first->text(), QStringLiteral("4x"));
  QCOMPARE(cell(*w, "Text3", 1)->text(), QStringLiteral("450.62500"));
}

void GridTest::the_switches_write_into_the_sheet() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  choose(box(*w, "Combo5"), "禁止");
  choose(box(*w, "Combo6"), "开");
  choose(box(*w, "Combo7"), "开");
  QCOMPARE(text_of(w->sheet().Combo5), QStringLiteral("禁止"));
  QCOMPARE(text_of(w->sheet().Combo6), QStringLiteral("开"));
  QCOMPARE(text_of(w->sheet().Combo7), QStringLiteral("开"));
  QCOMPARE(cell(*w, "Text2", 0)->text(), QStringLiteral("OFF"));
}

void GridTest::the_option_boxes_drop_typed_characters() {
  RecordingMessageBoxes boxes;
  const auto w = make_window(boxes);
  for (const char* name :
       {"Combo1", "Combo4", "Combo5", "Combo6", "Combo7", "Combo2_60", "Combo2_62"}) {
    QComboBox* options = box(*w, QString::fromLatin1(name));
    const QString before = options->currentText();
    QTest::keyClicks(options->lineEdit(), "7x");
    QCOMPARE(options->currentText(), before);
  }
  w->sheet().Combo6 = "半开";  // a text from a file that is none of the items
  w->render_sheet();
  QCOMPARE(box(*w, "Combo6")->currentText(), QStringLiteral("半开"));
}

}  // namespace m27::testing

QTEST_MAIN(m27::testing::GridTest)
#include "grid_test.moc"
