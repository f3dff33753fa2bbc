#include "channels/channel_table.h"

#include <gtest/gtest.h>

#include <string>

#include "sheet_line.h"

namespace m27 {
namespace {

TEST(ChannelTable, StartsWithTheDefaults) {
  const Sheet sheet = startup_sheet();
  EXPECT_EQ(line_of(sheet.rows[0], kRowFields), "450.12500|450.12500|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[1], kRowFields), "450.62500|450.62500|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[24], kRowFields), "462.12500|462.12500|OFF|OFF|窄带");
  for (const ChannelRow& row : sheet.rows) {
    EXPECT_EQ(line_of(row, kRowFields),
              row.rx_frequency + "|" + row.rx_frequency + "|OFF|OFF|窄带");
    EXPECT_TRUE(!row.tx_tone_editor && !row.rx_tone_editor && row.enabled);
    EXPECT_TRUE(row.rx_tab_stop && row.tx_tab_stop);
  }
  EXPECT_EQ(line_of(sheet, kOptionFields), "1:普通模式|允许|关|关|4:自定义频率|25");
  EXPECT_EQ(sheet.fill_step, "100");
  EXPECT_EQ(sheet.plan_index, 3);
  EXPECT_EQ(sheet.tone_mode, ToneMode::Normal);
  const auto totals = channel_total_items();
  EXPECT_EQ(totals.size(), 25u);
  EXPECT_EQ(totals.front() + " " + totals.back(), "1 25");
  EXPECT_EQ(fill_step_items(), (std::vector<std::string>{"100", "200", "300", "400", "500", "600",
                                                         "700", "800", "900"}));
}

TEST(ChannelTable, ChannelTotalEnablesTheRowsInUseAndKeepsTheRest) {
  for (const int total : {0, 1, 10, 25}) {
    Sheet sheet = startup_sheet();
    sheet.rows[20].rx_tone = "D023";
    sheet.channel_total = std::to_string(total);
    enable_rows_in_use(sheet);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < total) << i;
    EXPECT_EQ(sheet.rows[20].rx_tone, "D023");
  }
}

TEST(ChannelTable, ResetTextMovesFormatsAndCommitsOpenToneEditors) {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[2], kRowFields, "451.003||OFF|OFF|窄带");
  set_line(sheet.rows[7], kRowFields, "abc|462.5625|OFF|OFF|窄带");
  sheet.rows[3].tx_tone_editor = "D023";
  sheet.rows[5].rx_tone_editor = "67.0";
  commit_edits(sheet);
  EXPECT_EQ(line_of(sheet.rows[2], kRowFields), "451.00000|000.00000|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[7], kRowFields), "abc|462.56250|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[3], kRowFields), "451.62500|451.62500|OFF|D023|窄带");
  EXPECT_EQ(line_of(sheet.rows[5], kRowFields), "452.62500|452.62500|67.0|OFF|窄带");
  for (const ChannelRow& row : sheet.rows) EXPECT_TRUE(!row.tx_tone_editor && !row.rx_tone_editor);
}

// The two fill buttons: "接收" fills the receive column, "发射" the transmit column.
struct FillButton {
  std::optional<Message> (*click)(Sheet&);
  std::string ChannelRow::*filled;
  std::string ChannelRow::*kept;
};
const FillButton kFillButtons[] = {
    {fill_receive_frequencies, &ChannelRow::rx_frequency, &ChannelRow::tx_frequency},
    {fill_transmit_frequencies, &ChannelRow::tx_frequency, &ChannelRow::rx_frequency}};

TEST(ChannelTable, FillMakesASeriesFromRowZeroInAll25RowsOfItsColumn) {
  struct Case {
    const char* step;
    int row;
    const char* expected;
  };
  const Case kCases[] = {{"100", 0, "450.00000"},
                         {"100", 24, "452.40000"},
                         {"900", 1, "450.90000"},
                         {"900", 24, "471.60000"}};
  for (const auto& button : kFillButtons) {
    for (const auto& c : kCases) {
      Sheet sheet = startup_sheet();
      sheet.channel_total = "10";  // the fill does not stop at the channel total
      sheet.rows[0].*button.filled = "450";
      sheet.fill_step = c.step;
      EXPECT_EQ(shown(button.click(sheet)), "nothing");
      EXPECT_EQ(sheet.rows[c.row].*button.filled, c.expected) << c.step << " row " << c.row;
      EXPECT_EQ(sheet.rows[c.row].*button.kept, startup_sheet().rows[c.row].rx_frequency) << c.row;
    }
  }
}

TEST(ChannelTable, FillRefusesARowZeroOrStepThatIsNoNumber) {
  struct Case {
    const char* row0;
    const char* step;
  };
  const Case kBad[] = {
      {"1.2.3", "100"},  // two points in row 0
      {"", "100"},       // row 0 empty
      {"450", "abc"},    // a fill step that is no number
      {"450", ""},       // no fill step
  };
  for (const auto& button : kFillButtons) {
    for (const auto& c : kBad) {
      Sheet sheet = startup_sheet();
      sheet.rows[0].*button.filled = c.row0;
      sheet.fill_step = c.step;
      EXPECT_EQ(shown(button.click(sheet)), "注意 (!) 第1信道频率输入错误，请重新输入") << c.row0;
      EXPECT_EQ(sheet.rows[0].*button.filled, c.row0);
      EXPECT_EQ(sheet.rows[24].*button.filled, "462.12500");
    }
  }
}

}  // namespace
}  // namespace m27
