// SPDX-License-Identifier: GPL-3.0-or-later
// The grid as a user works it: tone editors and bandwidths on a plain click, keys, tab stops, the
// fill buttons, copy and paste with the clipboard, cells in error, the option boxes, and what a
// screen reader is told. The rules behind them are the core's and the model's; these tests
// prove that the table reaches them and shows what they decide.

#include <QAccessible>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QStyledItemDelegate>

#include "ui/grid/grid_clipboard.h"
#include "ui/grid/grid_header.h"
#include "ui/window/choice_box.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

ChoiceBox* editor_of(const MainWindow& w, Cell column, int row) {
  return w.grid()->tone_editor({row, column});
}

void select(const MainWindow& w, Cell column, int first, int last, Cell to_column) {
  table(w)->setCurrentIndex(cell_index(w, column, first));
  table(w)->selectionModel()->select(
      QItemSelection(cell_index(w, column, first), cell_index(w, to_column, last)),
      QItemSelectionModel::ClearAndSelect);
}

QString column_texts(const MainWindow& w, Cell column, int first, int last) {
  QStringList texts;
  for (int row = first; row <= last; ++row) texts << cell_text(w, column, row);
  return texts.join(' ');
}

void press(const MainWindow& w, Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
  QWidget* editor = table(w)->indexWidget(table(w)->currentIndex());
  QTest::keyClick(editor ? editor : table(w), key, held);
}

// A click on a channel number.
void click_number(const MainWindow& w, int row) {
  QHeaderView* numbers = table(w)->verticalHeader();
  QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                    QPoint(numbers->width() / 2, numbers->sectionViewportPosition(row) + 5));
}

std::unique_ptr<MainWindow> active_window(RecordingMessageBoxes& boxes) {
  auto w = make_window(boxes);
  QApplication::setActiveWindow(w.get());
  if (!QTest::qWaitForWindowActive(w.get())) qFatal("the window never became active");
  table(*w)->setFocus();
  return w;
}

}  // namespace

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  // An editor opens on a plain click over its cell; its choice reaches the cell when another
  // editor of the same column opens or a frequency is clicked; the receive editor shows any text
  // and takes a typed one. Shift+click only selects. Clicked inside a selection of its column, a
  // tone chosen or a bandwidth toggled goes to every selected cell, one undo step.
  void tone_editors_and_bandwidths_on_a_plain_click() {
    RecordingMessageBoxes boxes;
    const auto w = active_window(boxes);
    w->sheet().rows[4].rx_tone = "88.8";
    set_frequency_tab_stops(w->grid_state(), false);  // as after a file was opened
    w->render_sheet();
    click_cell(*w, Cell::tx_tone, 7);
    QCOMPARE(editor_of(*w, Cell::tx_tone, 7)->objectName(), QStringLiteral("Combo2_7"));
    QCOMPARE(editor_of(*w, Cell::tx_tone, 7)->geometry(),
             table(*w)->visualRect(cell_index(*w, Cell::tx_tone, 7)));
    choose(editor_of(*w, Cell::tx_tone, 7), "D023");
    QCOMPARE(cell_text(*w, Cell::tx_tone, 7), QStringLiteral("OFF"));  // not committed yet
    click_cell(*w, Cell::tx_tone, 3);
    QCOMPARE(cell_text(*w, Cell::tx_tone, 7), QStringLiteral("D023"));
    QVERIFY(!editor_of(*w, Cell::tx_tone, 7));
    choose(editor_of(*w, Cell::tx_tone, 3), "D432");
    click_cell(*w, Cell::rx_tone, 4);
    QCOMPARE(editor_of(*w, Cell::rx_tone, 4)->currentText(), QStringLiteral("88.8"));
    editor_of(*w, Cell::rx_tone, 4)->lineEdit()->selectAll();
    QTest::keyClicks(editor_of(*w, Cell::rx_tone, 4)->lineEdit(), "D1");
    QVERIFY(editor_of(*w, Cell::tx_tone, 3));  // the other column's editor stays open
    click_cell(*w, Cell::tx_frequency, 10);    // a frequency click commits both
    QCOMPARE(cell_text(*w, Cell::tx_tone, 3) + cell_text(*w, Cell::rx_tone, 4), "D432D1");
    QVERIFY(!editor_of(*w, Cell::tx_tone, 3) && !editor_of(*w, Cell::rx_tone, 4));
    // ... and brings the Tab key back to the receive column only.
    QVERIFY(w->grid_state()[24].rx_tab_stop && !w->grid_state()[10].tx_tab_stop);

    click_cell(*w, Cell::tx_tone, 5, Qt::ShiftModifier);
    click_cell(*w, Cell::bandwidth, 5, Qt::ControlModifier);
    QVERIFY(!editor_of(*w, Cell::tx_tone, 5) && cell_text(*w, Cell::bandwidth, 5) == "窄带");
    select(*w, Cell::tx_tone, 0, 3, Cell::tx_tone);
    click_cell(*w, Cell::tx_tone, 1);
    choose(editor_of(*w, Cell::tx_tone, 1), "67.0");
    QCOMPARE(column_texts(*w, Cell::tx_tone, 0, 4), QStringLiteral("67.0 67.0 67.0 67.0 OFF"));
    QVERIFY(!editor_of(*w, Cell::tx_tone, 1));
    action(*w, "undo")->trigger();
    QCOMPARE(column_texts(*w, Cell::tx_tone, 0, 3), QStringLiteral("OFF OFF OFF D432"));
    w->sheet().rows[2].bandwidth = "宽带";
    w->render_sheet();
    select(*w, Cell::bandwidth, 1, 3, Cell::bandwidth);
    click_cell(*w, Cell::bandwidth, 1);
    QCOMPARE(column_texts(*w, Cell::bandwidth, 0, 4), QStringLiteral("窄带 宽带 宽带 宽带 窄带"));
  }

  // The receive frequency filters keys (a dropped key opens no editor), Enter moves on, nine
  // characters at most, Esc takes the typing back; the tones and the bandwidth take no typing, a
  // click, Space and Enter toggle the bandwidth; Tab skips frequency cells that are no tab stop;
  // the fill buttons start from what is typed.
  void keys_tab_stops_and_fill_buttons() {
    RecordingMessageBoxes boxes;
    const auto w = active_window(boxes);
    const std::tuple<Cell, const char*, const char*> kCases[] = {
        {Cell::rx_frequency, "a4a5.中", "45."},  // a letter and a wide character dropped
        {Cell::tx_frequency, "4a5", "4a5"},      // the transmit frequency takes every key
        {Cell::tx_tone, "67", "OFF"},            // it changes through its editor
        {Cell::bandwidth, "宽abc带", "窄带"},    // it only toggles
    };
    for (const auto& [column, typed, shown] : kCases) {
      type_into(*w, column, 0, QString::fromUtf8(typed));
      QCOMPARE(cell_text(*w, column, 0), QString::fromUtf8(shown));
    }
    QCOMPARE(QString::fromStdString(w->sheet().rows[0].rx_frequency), QStringLiteral("45."));
    type_into(*w, Cell::rx_tone, 6, "D1");  // typing opens the receive tone's editor
    QCOMPARE(editor_of(*w, Cell::rx_tone, 6)->currentText(), QStringLiteral("D1"));
    table(*w)->setCurrentIndex(cell_index(*w, Cell::rx_frequency, 0));
    press(*w, Qt::Key_Return);
    QCOMPARE(table(*w)->currentIndex(), cell_index(*w, Cell::rx_tone, 0));
    type_into(*w, Cell::rx_frequency, 1, "1234567890");
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 1), QStringLiteral("123456789"));
    type_into(*w, Cell::rx_frequency, 2, "47");
    press(*w, Qt::Key_Escape);
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 2), QStringLiteral("451.12500"));
    click_cell(*w, Cell::bandwidth, 12);
    press(*w, Qt::Key_Space);
    press(*w, Qt::Key_Return);
    QCOMPARE(cell_text(*w, Cell::bandwidth, 12), QStringLiteral("宽带"));
    set_frequency_tab_stops(w->grid_state(), false);
    w->render_sheet();
    table(*w)->setCurrentIndex(cell_index(*w, Cell::rx_tone, 3));
    press(*w, Qt::Key_Tab);
    QCOMPARE(table(*w)->currentIndex(), cell_index(*w, Cell::tx_tone, 3));
    // Each fill button fills its own column from row 0 by the step; a start that is no number is
    // reported.
    const auto fill = [&w](Cell column, const char* start, const char* step, const char* button) {
      type_into(*w, column, 0, start);
      choose(box(*w, "Combo2_62"), step);
      child<QPushButton>(*w, button)->click();
    };
    fill(Cell::rx_frequency, "450", "900", "Command9");
    fill(Cell::tx_frequency, "450", "500", "Command10");
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 24) + cell_text(*w, Cell::tx_frequency, 1) +
                 cell_text(*w, Cell::tx_frequency, 24),
             QStringLiteral("471.60000450.50000462.00000"));
    fill(Cell::tx_frequency, "4x", "500", "Command10");
    QCOMPARE(boxes.shown.at(0).message, attention("第1信道频率输入错误，请重新输入"));
  }

  // Ctrl+C puts a block on the clipboard as a spreadsheet takes it, whole rows also as rows that
  // paste back unchanged; Ctrl+V puts a spreadsheet's values in as the grid writes them: one
  // value into every selected cell, a block from the current cell, a first line of captions
  // skipped. A value a cell cannot take changes nothing and names its cell; a paste is one step.
  void copies_and_pastes_with_spreadsheets() {
    RecordingMessageBoxes boxes;
    const auto w = active_window(boxes);
    QClipboard* clipboard = QGuiApplication::clipboard();
    select(*w, Cell::rx_frequency, 1, 2, Cell::tx_frequency);
    press(*w, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(),
             QStringLiteral("450.62500\tOFF\t450.62500\n451.12500\tOFF\t451.12500\n"));
    QVERIFY(!clipboard->mimeData()->hasFormat(kChannelRowsType));

    clipboard->setText(QStringLiteral("462.5625\r\n"));
    select(*w, Cell::rx_frequency, 3, 5, Cell::rx_frequency);
    press(*w, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(column_texts(*w, Cell::rx_frequency, 2, 6),
             QStringLiteral("451.12500 462.56250 462.56250 462.56250 453.12500"));

    const QStringList before = shown_table(*w);
    clipboard->setText(QStringLiteral("67\t462.5625\td023\n71.9\t462.6\t254.1\n"));
    select(*w, Cell::rx_tone, 4, 4, Cell::rx_tone);
    press(*w, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shown_table(*w), before);
    QCOMPARE(boxes.texts(), QStringList{"第6信道 发射亚音：“254.1”不是普通模式的亚音"});
    clipboard->setText(QStringLiteral("接收亚音\t发射频率\t发射亚音\r\n67\t462.5625\td023\r\n"));
    press(*w, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shown_table(*w).mid(21, 3), (QStringList{"67.0", "462.56250", "D023"}));
    action(*w, "undo")->trigger();
    QCOMPARE(shown_table(*w), before);

    w->sheet().rows[0].rx_tone = "x";  // rows copied whole arrive as they were
    w->render_sheet();
    click_number(*w, 0);
    press(*w, Qt::Key_C, Qt::ControlModifier);
    table(*w)->setCurrentIndex(cell_index(*w, Cell::bandwidth, 9));
    press(*w, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shown_table(*w).mid(45, 5), shown_table(*w).mid(0, 5));
  }

  // The keys of the edit menu: Ctrl+Down moves the selected rows and they stay selected, a drag
  // of a channel number moves its row, Insert copies the current row below it, Delete deletes
  // rows selected whole and nothing on cells, Ctrl+D fills down, Ctrl+Enter ends typing into
  // every selected cell of its column. One undo step each.
  void channels_move_come_and_go_by_keys() {
    RecordingMessageBoxes boxes;
    const auto w = active_window(boxes);
    choose(box(*w, "Combo2_60"), "6");
    const QString first = cell_text(*w, Cell::rx_frequency, 0);
    select(*w, Cell::rx_frequency, 0, 1, Cell::tx_tone);
    press(*w, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(column_texts(*w, Cell::rx_frequency, 0, 2),
             QStringLiteral("451.12500 450.12500 450.62500"));
    QCOMPARE(table(*w)->selectionModel()->selectedIndexes().size(), 10);
    QHeaderView* numbers = table(*w)->verticalHeader();
    numbers->moveSection(2, 0);
    QCOMPARE(column_texts(*w, Cell::rx_frequency, 0, 2),
             QStringLiteral("450.62500 451.12500 450.12500"));
    select(*w, Cell::rx_frequency, 0, 1, Cell::rx_tone);
    press(*w, Qt::Key_Delete);  // on cells: nothing
    QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("6"));
    table(*w)->setCurrentIndex(cell_index(*w, Cell::bandwidth, 2));
    press(*w, Qt::Key_Insert);
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 3) + box(*w, "Combo2_60")->currentText(),
             first + "7");
    click_number(*w, 3);
    press(*w, Qt::Key_Delete);
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 3) + box(*w, "Combo2_60")->currentText(),
             QStringLiteral("451.62500") + "6");
    select(*w, Cell::tx_frequency, 0, 3, Cell::tx_frequency);
    press(*w, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(column_texts(*w, Cell::tx_frequency, 0, 4),
             QStringLiteral("450.62500 450.62500 450.62500 450.62500 452.12500"));
    select(*w, Cell::rx_frequency, 4, 5, Cell::rx_frequency);
    type_text(table(*w), "462.55");
    press(*w, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(column_texts(*w, Cell::rx_frequency, 4, 6), QStringLiteral("462.55 462.55 453.12500"));
    action(*w, "undo")->trigger();
    QCOMPARE(column_texts(*w, Cell::rx_frequency, 4, 5), QStringLiteral("462.55 452.62500"));
  }

  // A cell the check before a write would refuse is drawn in the error colour with the reason as
  // its tooltip, rows beyond the total too; the status bar counts the channels in error.
  void a_bad_cell_shows_what_is_wrong() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    w->sheet().rows[2].rx_frequency = "500.00000";
    w->sheet().rows[2].tx_tone = "X";
    w->sheet().rows[24].bandwidth = "?";
    choose(box(*w, "Combo2_60"), "10");
    const QModelIndex bad = cell_index(*w, Cell::rx_frequency, 2);
    QVERIFY(bad.data(Qt::BackgroundRole).value<QColor>() != QColor());
    QVERIFY(!cell_index(*w, Cell::rx_frequency, 3).data(Qt::BackgroundRole).isValid());
    QCOMPARE(bad.data(Qt::ToolTipRole).toString(), QStringLiteral("不在400～490 MHz之内"));
    QCOMPARE(cell_index(*w, Cell::bandwidth, 24).data(Qt::ToolTipRole).toString(),
             QStringLiteral("不是带宽（宽带或窄带）"));
    QCOMPARE(child<QLabel>(*w, "error_count")->text(), QStringLiteral("2个信道有错误"));
    const QImage drawn = table(*w)->viewport()->grab().toImage();
    QCOMPARE(drawn.pixelColor(table(*w)->visualRect(bad).topLeft() + QPoint(3, 3)),
             bad.data(Qt::BackgroundRole).value<QColor>());
  }

  // A plan fills the grid and names the window; the channel total enables the rows in use. The
  // mode box resets the tones, closes the editors and swaps the tone lists.
  void a_plan_the_channel_total_and_the_mode_change_the_grid() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    choose(box(*w, "Combo1"), "2:中国频率");
    QCOMPARE(w->windowTitle(), QStringLiteral("中国标准 *"));
    QCOMPARE(cell_text(*w, Cell::rx_frequency, 0), QStringLiteral("409.75000"));
    QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("20"));
    choose(box(*w, "Combo2_60"), QStringLiteral("10"));
    QVERIFY(cell_enabled(*w, Cell::bandwidth, 9) && !cell_enabled(*w, Cell::rx_frequency, 10));
    w->sheet().rows[0].tx_tone = "D023";
    w->sheet().busy_lockout = "半开";
    w->render_sheet();
    QCOMPARE(box(*w, "Combo6")->currentText(), QStringLiteral("半开"));
    click_cell(*w, Cell::rx_tone, 5);
    choose(box(*w, "Combo4"), "2:专业模式");
    QCOMPARE(cell_text(*w, Cell::tx_tone, 0), QStringLiteral("OFF"));
    QVERIFY(!editor_of(*w, Cell::rx_tone, 5));
    click_cell(*w, Cell::rx_tone, 5);
    QCOMPARE(editor_of(*w, Cell::rx_tone, 5)->itemText(265), QStringLiteral("I754"));
  }

  // An option box shows any text the sheet holds, one of its items or not, and looks the same
  // either way, enabled or not; typed characters, Home, End and Space change nothing, Up and Down
  // pick an item.
  void an_option_box_shows_any_text_and_drops_typing() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QComboBox* fsk = box(*w, "Combo7");
    const auto looks = [fsk] {
      QList<QImage> images;
      for (bool enabled : {true, false}) {
        fsk->setEnabled(enabled);
        images << fsk->grab().toImage();
      }
      fsk->setEnabled(true);
      return images;
    };
    const QList<QImage> plain = looks();
    const struct {
      const char* held;
      Qt::Key pick;
      const char* picked;
    } cases[] = {{"关", Qt::Key_Down, "开"}, {"odd", Qt::Key_Up, "关"}};
    for (const auto& c : cases) {
      w->sheet().fsk = c.held;
      w->render_sheet();
      for (Qt::Key key : {Qt::Key_K, Qt::Key_Home, Qt::Key_End, Qt::Key_Space}) {
        QTest::keyClick(fsk, key);
      }
      QCOMPARE(fsk->currentText() + QString::fromStdString(w->sheet().fsk),
               QString(c.held) + c.held);
      QVERIFY(!fsk->view()->isVisible());
      QTest::keyClick(fsk, c.pick);
      QCOMPARE(QString::fromStdString(w->sheet().fsk), QString(c.picked));
    }
    w->sheet().fsk = "关";
    w->render_sheet();
    QCOMPARE(looks(), plain);
  }

  // The grid's cells look as the style's own delegate paints them: plain, selected, current,
  // greyed and in error, in the window's font and in a larger one; its lines lie where Qt draws
  // them.
  void cells_and_lines_look_as_qt_paints_them() {
    RecordingMessageBoxes boxes;
    const auto w = active_window(boxes);
    w->sheet().rows[2].rx_frequency = "999";
    choose(box(*w, "Combo2_60"), "20");
    select(*w, Cell::rx_frequency, 1, 4, Cell::tx_frequency);
    table(*w)->setCurrentIndex(cell_index(*w, Cell::rx_tone, 6));
    QStyledItemDelegate stock;
    for (int points : {0, 14}) {
      if (points) table(*w)->setFont(QFont(table(*w)->font().family(), points));
      const QImage ours = table(*w)->grab().toImage();
      std::vector<QAbstractItemDelegate*> own;
      for (int column = 0; column < kColumns; ++column) {
        own.push_back(table(*w)->itemDelegateForColumn(column));
        table(*w)->setItemDelegateForColumn(column, &stock);
      }
      table(*w)->setGridStyle(Qt::SolidLine);
      QCOMPARE(ours, table(*w)->grab().toImage());
      table(*w)->setGridStyle(Qt::NoPen);
      for (int column = 0; column < kColumns; ++column) {
        table(*w)->setItemDelegateForColumn(column, own[column]);
      }
    }
  }

  // A header of the grid is as thick as Qt's own over the same captions, or as it is fixed.
  void a_header_is_as_thick_as_its_captions_or_fixed() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    QHeaderView stock(Qt::Horizontal);
    stock.setModel(table(*w)->model());
    GridHeader captions(Qt::Horizontal, nullptr);
    captions.setModel(table(*w)->model());
    GridHeader numbers(Qt::Vertical, nullptr);
    numbers.setFixedWidth(31);
    numbers.setModel(table(*w)->model());
    QCOMPARE(captions.sizeHint().height(), stock.sizeHint().height());
    QCOMPARE(numbers.sizeHint().width(), 31);
  }

  // A screen reader finds one table of 25 rows, the captions and channel numbers as headers,
  // each cell's value as its text, a greyed row disabled, an invalid cell's reason as its
  // description, and a tone editor named by its row and column.
  void a_screen_reader_reads_a_table() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    w->sheet().rows[1].rx_frequency = "39";
    choose(box(*w, "Combo2_60"), "20");
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(table(*w));
    QAccessibleTableInterface* cells = grid->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount() * 10 + cells->columnCount(), 255);
    QAccessibleInterface* cell = cells->cellAt(1, 0);
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("039.00000"));
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("不在400～490 MHz之内"));
    QCOMPARE(place->columnHeaderCells().at(0)->text(QAccessible::Name) +
                 place->rowHeaderCells().at(0)->text(QAccessible::Name),
             QStringLiteral("接收频率2"));
    QVERIFY(cells->cellAt(20, 3)->state().disabled && !cells->cellAt(19, 3)->state().disabled);
    click_cell(*w, Cell::tx_tone, 2);
    QCOMPARE(QAccessible::queryAccessibleInterface(editor_of(*w, Cell::tx_tone, 2)->lineEdit())
                 ->text(QAccessible::Name),
             QStringLiteral("第3信道 发射亚音"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::GridTest)
#include "grid_test.moc"
