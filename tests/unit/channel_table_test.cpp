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
    EXPECT_EQ(line_of(row, kRowFields), row.Text1 + "|" + row.Text1 + "|OFF|OFF|窄带");
    EXPECT_TRUE(!row.Combo2 && !row.Combo3 && row.enabled);
    EXPECT_TRUE(row.Text1_tab_stop && row.Text3_tab_stop);
  }
  EXPECT_EQ(line_of(sheet, kOptionFields), "1:普通模式|允许|关|关|4:自定义频率|25");
  EXPECT_EQ(sheet.Combo2_62, "100");
  EXPECT_EQ(sheet.std_index, 3);
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
    sheet.rows[20].Text5 = "D023";
    sheet.Combo2_60 = std::to_string(total);
    RESET_Ch_Sel(sheet);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < total) << i;
    EXPECT_EQ(sheet.rows[20].Text5, "D023");
  }
}

TEST(ChannelTable, ResetTextMovesFormatsAndCommitsOpenToneEditors) {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[2], kRowFields, "451.003||OFF|OFF|窄带");
  set_line(sheet.rows[7], kRowFields, "abc|462.5625|OFF|OFF|窄带");
  sheet.rows[3].Combo2 = "D023";
  sheet.rows[5].Combo3 = "67.0";
  RESET_TEXT(sheet);
  EXPECT_EQ(line_of(sheet.rows[2], kRowFields), "451.00000|000.00000|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[7], kRowFields), "abc|462.56250|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[3], kRowFields), "451.62500|451.62500|OFF|D023|窄带");
  EXPECT_EQ(line_of(sheet.rows[5], kRowFields), "452.62500|452.62500|67.0|OFF|窄带");
  for (const ChannelRow& row : sheet.rows) EXPECT_TRUE(!row.Combo2 && !row.Combo3);
}

// The two fill buttons: "接收" fills the receive column, "发射" the transmit column.
struct FillButton {
  std::optional<Message> (*click)(Sheet&);
  std::string ChannelRow::*filled;
  std::string ChannelRow::*kept;
};
const FillButton kFillButtons[] = {{Command9_Click, &ChannelRow::Text1, &ChannelRow::Text3},
                                   {Command10_Click, &ChannelRow::Text3, &ChannelRow::Text1}};

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
      sheet.Combo2_60 = "10";  // the fill does not stop at the channel total
      sheet.rows[0].*button.filled = "450";
      sheet.Combo2_62 = c.step;
      EXPECT_EQ(shown(button.click(sheet)), "nothing");
      EXPECT_EQ(sheet.rows[c.row].*button.filled, c.expected) << c.step << " row " << c.row;
      EXPECT_EQ(sheet.rows[c.row].*button.kept, startup_sheet().rows[c.row].Text1) << c.row;
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
      sheet.Combo2_62 = c.step;
      EXPECT_EQ(shown(button.click(sheet)), "注意 (!) 第1信道频率输入错误，请重新输入") << c.row0;
      EXPECT_EQ(sheet.rows[0].*button.filled, c.row0);
      EXPECT_EQ(sheet.rows[24].*button.filled, "462.12500");
    }
  }
}

}  // namespace
}  // namespace m27
