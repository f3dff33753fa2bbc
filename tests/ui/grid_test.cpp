// SPDX-License-Identifier: GPL-3.0-or-later
// Editing in the grid: tone editors, keys, pastes, bandwidth, tab stops, rows in use, plans, mode,
// fill buttons and the option boxes. The rules behind them are the core's; these tests prove
// that the widgets reach them and show what they decide.

#include <QClipboard>
#include <QContextMenuEvent>

#include "ui/grid_state.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

}  // namespace

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  // An editor opens over its cell; its choice reaches the cell when another editor of the same
  // column opens or a frequency is clicked; the receive editor shows any text and takes a typed
  // one.
  void opening_a_tone_editor_commits_the_open_one_of_its_column() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    w->sheet().rows[4].rx_tone = "88.8";
    set_frequency_tab_stops(w->grid_state(), false);  // as after a file was opened
    w->render_sheet();
    click(cell(*w, "Text2", 7));
    QVERIFY(cell(*w, "Text2", 7)->isHidden());
    QCOMPARE(box(*w, "Combo2_7")->geometry(), cell(*w, "Text2", 7)->geometry());
    choose(box(*w, "Combo2_7"), "D023");
    QCOMPARE(cell(*w, "Text2", 7)->text(), QStringLiteral("OFF"));  // not committed yet
    click(cell(*w, "Text2", 3));
    QCOMPARE(cell(*w, "Text2", 7)->text() + text_of(w->sheet().rows[7].tx_tone), "D023D023");
    QVERIFY(box(*w, "Combo2_7")->isHidden() && !cell(*w, "Text2", 7)->isHidden());
    choose(box(*w, "Combo2_3"), "D432");
    click(cell(*w, "Text5", 4));
    QCOMPARE(box(*w, "Combo3_4")->currentText(), QStringLiteral("88.8"));
    box(*w, "Combo3_4")->lineEdit()->selectAll();
    QTest::keyClicks(box(*w, "Combo3_4")->lineEdit(), "D1");
    QVERIFY(!box(*w, "Combo2_3")->isHidden());  // the other column's editor stays open
    click(cell(*w, "Text3", 10));               // a frequency click commits both
    QCOMPARE(cell(*w, "Text2", 3)->text() + cell(*w, "Text5", 4)->text(), "D432D1");
    QVERIFY(box(*w, "Combo2_3")->isHidden() && box(*w, "Combo3_4")->isHidden());
    // ... and brings the Tab key back to the receive column only.
    QVERIFY(cell(*w, "Text1", 24)->focusPolicy() == Qt::StrongFocus &&
            cell(*w, "Text3", 10)->focusPolicy() == Qt::ClickFocus);
  }

  // The receive frequency filters keys and pastes, Enter moves on, nine characters at most; the
  // tones and the bandwidth take no typing, a click, Space and Enter toggle the bandwidth; the
  // fill buttons start from what is typed.
  void typing_pasting_and_filling_the_cells() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const char* const kCases[][3] = {
        {"Text1", "4a5.中", "45."},    // a letter and a wide character dropped
        {"Text3", "4a5", "4a5"},       // the transmit frequency takes every key
        {"Text2", "67", "OFF"},        // it changes through its editor
        {"Text4", "宽abc带", "窄带"},  // it only toggles
    };
    for (const auto& [array, typed, shown] : kCases) {
      if (!cell(*w, array, 0)->isReadOnly()) cell(*w, array, 0)->clear();
      type_text(cell(*w, array, 0), QString::fromUtf8(typed));
      QCOMPARE(cell(*w, array, 0)->text(), QString::fromUtf8(shown));
    }
    QCOMPARE(text_of(w->sheet().rows[0].rx_frequency), QStringLiteral("45."));
    cell(*w, "Text1", 0)->setFocus();
    QTest::keyClick(cell(*w, "Text1", 0), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), cell(*w, "Text5", 0));
    QTest::keyClicks(cell(*w, "Text1", 0), "1234567890");
    QCOMPARE(cell(*w, "Text1", 0)->text(), QStringLiteral("45.123456"));
    click(cell(*w, "Text4", 12));
    QTest::keyClick(cell(*w, "Text4", 12), Qt::Key_Space);
    QTest::keyClick(cell(*w, "Text4", 12), Qt::Key_Return);
    QCOMPARE(text_of(w->sheet().rows[12].bandwidth) + cell(*w, "Text4", 12)->text(), "宽带宽带");
    // Every way of pasting goes through the filter: both keys and the context menu.
    QLineEdit* rx_frequency = cell(*w, "Text1", 0);
    rx_frequency->clear();  // room for the paste: a full cell would cut it off
    for (const QString pasted : {"xyz1", "1.2"}) {
      QGuiApplication::clipboard()->setText(pasted);
      QTest::keyClick(rx_frequency, Qt::Key_V, Qt::ControlModifier);
      QTest::keyClick(rx_frequency, Qt::Key_Insert, Qt::ShiftModifier);
      QContextMenuEvent menu_request(QContextMenuEvent::Mouse, QPoint(2, 2),
                                     rx_frequency->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(rx_frequency, &menu_request);
      QVERIFY(rx_frequency->findChild<QMenu*>());
      rx_frequency->findChild<QMenu*>()->actions().at(5)->trigger();  // "粘贴(&P)"
      rx_frequency->findChild<QMenu*>()->close();
    }
    QCOMPARE(text_of(w->sheet().rows[0].rx_frequency), QStringLiteral("1.21.21.2"));
    // The standard shortcuts are the cell's own: select all and copy in one, paste in another.
    QTest::keyClick(cell(*w, "Text1", 1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell(*w, "Text1", 1), Qt::Key_C, Qt::ControlModifier);
    cell(*w, "Text1", 2)->clear();
    QTest::keyClick(cell(*w, "Text1", 2), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text_of(w->sheet().rows[2].rx_frequency), QStringLiteral("450.62500"));
    // Each fill button fills its own column from row 0 by the step; a start that is no number is
    // reported.
    const auto fill = [&w](const char* array, const char* start, const char* step,
                           const char* button) {
      cell(*w, array, 0)->clear();
      QTest::keyClicks(cell(*w, array, 0), start);
      choose(box(*w, "Combo2_62"), step);
      child<QPushButton>(*w, button)->click();
    };
    fill("Text1", "450", "900", "Command9");
    fill("Text3", "450", "500", "Command10");
    QCOMPARE(cell(*w, "Text1", 24)->text() + cell(*w, "Text3", 1)->text() +
                 cell(*w, "Text3", 24)->text(),
             QStringLiteral("471.60000450.50000462.00000"));
    fill("Text3", "4x", "500", "Command10");
    QCOMPARE(boxes.shown.at(0).message, attention("第1信道频率输入错误，请重新输入"));
  }

  // A plan fills the grid and names the window; the channel total enables the rows in use. The
  // mode box resets the tones, closes the editors and swaps the tone lists; an option from a file
  // that is none of the items is shown. The plans and the lists are the core's.
  void a_plan_the_channel_total_and_the_mode_change_the_grid() {
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    choose(box(*w, "Combo1"), "2:中国频率");
    QCOMPARE(w->windowTitle(), QStringLiteral("中国标准 *"));
    QCOMPARE(cell(*w, "Text1", 0)->text(), QStringLiteral("409.75000"));
    QCOMPARE(box(*w, "Combo2_60")->currentText(), QStringLiteral("20"));
    choose(box(*w, "Combo2_60"), QStringLiteral("10"));
    QVERIFY(cell(*w, "Text4", 9)->isEnabled() && !cell(*w, "Text1", 10)->isEnabled());
    w->sheet().rows[0].tx_tone = "D023";
    w->sheet().busy_lockout = "半开";
    w->render_sheet();
    QCOMPARE(box(*w, "Combo6")->currentText(), QStringLiteral("半开"));
    click(cell(*w, "Text5", 5));
    choose(box(*w, "Combo4"), "2:专业模式");
    QCOMPARE(cell(*w, "Text2", 0)->text(), QStringLiteral("OFF"));
    QVERIFY(box(*w, "Combo3_5")->isHidden());
    QCOMPARE(box(*w, "Combo3_0")->itemText(265), QStringLiteral("I754"));
    choose(box(*w, "Combo4"), "1:普通模式");
    QCOMPARE(box(*w, "Combo2_0")->count() + box(*w, "Combo3_0")->count(), 200);
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::GridTest)
#include "grid_test.moc"
