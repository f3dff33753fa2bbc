// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's model without a widget: pastes from spreadsheets, all or nothing, and the channels
// moved, inserted, deleted and filled down with the channel total; each one undo step.

#include <QTest>

#include "channels/channel_table.h"
#include "i18n/translators.h"
#include "ui/grid/channel_model.h"

namespace m27::testing {
namespace {

// The model over a sheet of `total` channels, every step it makes recorded.
struct Grid {
  explicit Grid(const char* total) {
    sheet.channel_total = total;
    enable_rows_in_use(sheet);
  }
  QString row(int r) const {
    QStringList texts;
    for (int c = 0; c < kColumns; ++c) texts << model.index(r, c).data().toString();
    return texts.join(' ');
  }
  QString total() const { return QString::fromStdString(sheet.channel_total); }

  Sheet sheet = startup_sheet();
  GridState grid{};
  QStringList steps;
  ChannelModel model{sheet, grid,
                     [this](const QString& what, const std::function<void()>& change, int) {
                       steps << what;
                       change();
                     }};
};

}  // namespace

class GridModelTest : public QObject {
  Q_OBJECT

 private slots:
  // Three channels from LibreOffice (numbers as it shows them) and two cells from Excel (CR LF,
  // quotes, a trailing line break), each checked and written as the grid writes it.
  void pastes_blocks_from_spreadsheets() {
    Grid g("25");
    QVERIFY(
        !g.model.paste("462.5625\t67\t462.5625\t67\t宽带\n462.5875\t67\t462.5875\t67\t宽带\n"
                       "462.6125\t67\t462.6125\t67\tWide\n",  // as an English sheet says it
                       false, {0, Cell::rx_frequency}, {}));
    QCOMPARE(g.row(2), QStringLiteral("462.61250 67.0 462.61250 67.0 宽带"));
    QVERIFY(!g.model.paste("\"462.6375\"\t\"d023\"\r\n462.66\tOFF\r\n", false,
                           {3, Cell::tx_frequency}, {}));
    QCOMPARE(g.row(3) + " " + g.row(4), QStringLiteral("451.62500 OFF 462.63750 D023 窄带 "
                                                       "452.12500 OFF 462.66000 OFF 窄带"));
    QCOMPARE(g.steps, (QStringList{"粘贴", "粘贴"}));
  }

  // A first line of captions, as written or in the language in use (a copy from the English
  // window pasted into a spreadsheet and back), is skipped; a lone line of them is no header.
  void a_line_of_captions_is_skipped_in_either_language() {
    use_language(*QCoreApplication::instance(), Language::English);
    Grid g("25");
    QVERIFY(!g.model.paste("RX tone\tTX frequency\n67\t462.5625\n", false, {0, Cell::rx_tone}, {}));
    QVERIFY(!g.model.paste("接收亚音\t发射频率\n71.9\t462.5875\n", false, {1, Cell::rx_tone}, {}));
    QCOMPARE(g.row(0) + " " + g.row(1), QStringLiteral("450.12500 67.0 462.56250 OFF Narrow "
                                                       "450.62500 71.9 462.58750 OFF Narrow"));
    QVERIFY(g.model.paste("Bandwidth\n", false, {2, Cell::bandwidth}, {}).has_value());
    use_language(*QCoreApplication::instance(), Language::AsWritten);
  }

  // A paste past the channel total or the last column, with an empty cell, ragged lines or a
  // value its cell cannot take changes nothing and names the first bad cell.
  void a_bad_paste_changes_nothing() {
    const struct {
      const char* text;
      CellPos at;
      const char* refusal;
    } kCases[] = {
        {"451\n451\n451\n", {1, Cell::rx_frequency}, "粘贴超出了信道总数：第4信道 接收频率"},
        {"宽带\t窄带", {0, Cell::bandwidth}, "粘贴超出了最后一列"},
        {"462.5\t\n", {0, Cell::rx_frequency}, "第1信道 接收亚音：没有值"},
        {"462.5\t67\n462.5\n", {0, Cell::rx_frequency}, "粘贴的各行列数不同"},
        {"462.5\n500\n", {0, Cell::rx_frequency}, "第2信道 接收频率：“500”不在400～490 MHz之内"},
        {"I023", {2, Cell::rx_tone}, "第3信道 接收亚音：“I023”不是普通模式的亚音"},
        {"中", {0, Cell::bandwidth}, "第1信道 带宽：“中”不是带宽（宽带或窄带）"},
    };
    for (const auto& c : kCases) {
      Grid g("3");
      const Sheet before = g.sheet;
      QCOMPARE(g.model.paste(QString::fromUtf8(c.text), false, c.at, {}).value_or(""),
               QString::fromUtf8(c.refusal));
      QVERIFY(g.sheet == before && g.steps.isEmpty());
    }
  }

  // Moves stay within the rows in use; an insert copies the row below itself and the total
  // grows, refused at 25; a delete shifts up, the freed rows start afresh and the total drops,
  // refused for every row; a fill down copies each column's top cell. One step each.
  void moves_inserts_deletes_and_fills_with_the_total() {
    Grid g("5");
    const auto channel = [&g](int r) { return g.model.index(r, 0).data().toString(); };
    QCOMPARE(g.model.move_rows({1, 2}, -1), (std::vector<int>{0, 1}));
    QCOMPARE(g.model.move_rows({0, 4}, 1), (std::vector<int>{1, 4}));
    QCOMPARE(QStringList({channel(0), channel(1), channel(2), channel(4)}).join(' '),
             QStringLiteral("451.12500 450.62500 450.12500 452.12500"));
    g.model.move_row_to(0, 9);
    QCOMPARE(channel(4), QStringLiteral("451.12500"));
    QVERIFY(!g.model.insert_channel(1));
    QCOMPARE(channel(2) + " " + channel(5) + " " + g.total(), "450.12500 451.12500 6");
    QVERIFY(!g.model.delete_channels({0, 2, 7}));
    QCOMPARE(channel(0) + " " + channel(3) + " " + channel(5) + " " + g.total(),
             "450.12500 451.12500 452.62500 4");
    QVERIFY(g.model.flags(g.model.index(3, 0)) & Qt::ItemIsEnabled);
    QVERIFY(!(g.model.flags(g.model.index(4, 0)) & Qt::ItemIsEnabled));
    QCOMPARE(g.model.delete_channels({0, 1, 2, 3}).value_or(""),
             QStringLiteral("不能删除全部信道"));
    g.model.fill_down({{0, Cell::rx_frequency}, {1, Cell::rx_frequency}, {2, Cell::rx_frequency}});
    g.model.fill_down({{3, Cell::tx_frequency}});
    QCOMPARE(channel(2) + " " + g.model.index(3, 2).data().toString(), "450.12500 452.12500");
    QCOMPARE(g.steps, (QStringList{"上移", "下移", "移动信道", "插入信道", "删除信道", "向下填充",
                                   "向下填充"}));
    Grid full("25");
    QCOMPARE(full.model.insert_channel(3).value_or(""),
             QStringLiteral("已有25个信道，不能再插入信道"));
    QVERIFY(full.steps.isEmpty());
  }
};

}  // namespace m27::testing

QTEST_GUILESS_MAIN(m27::testing::GridModelTest)
#include "grid_model_test.moc"
