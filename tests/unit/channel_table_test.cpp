#include "channels/channel_table.h"

#include <gtest/gtest.h>

#include <string>

namespace m27 {
namespace {

// A message box as one line: "注意 (!) 第3信道频率输入错误，请重新输入".
std::string shown(const std::optional<Message>& message) {
  if (!message) return "nothing";
  const char* icon = message->icon == MessageIcon::Exclamation ? " (!) " : " ";
  return message->title + icon + message->text;
}

TEST(ChannelTable, StartsWithTheDefaultFrequenciesTonesAndBandwidth) {
  const Sheet sheet = startup_sheet();
  struct Case {
    int row;
    const char* frequency;
  };
  const Case kCases[] = {
      {0, "450.12500"}, {1, "450.62500"}, {9, "454.62500"}, {23, "461.62500"}, {24, "462.12500"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(sheet.rows[c.row].Text1, c.frequency) << c.row;
    EXPECT_EQ(sheet.rows[c.row].Text3, c.frequency) << c.row;
  }
  for (const ChannelRow& row : sheet.rows) {
    EXPECT_EQ(row.Text5, "OFF");
    EXPECT_EQ(row.Text2, "OFF");
    EXPECT_EQ(row.Text4, "窄带");
    EXPECT_FALSE(row.Combo2);
    EXPECT_FALSE(row.Combo3);
    EXPECT_TRUE(row.enabled);
    EXPECT_TRUE(row.Text1_tab_stop);
    EXPECT_TRUE(row.Text3_tab_stop);
  }
}

TEST(ChannelTable, StartsWithTheDefaultTotalStepOptionsAndPlan) {
  const Sheet sheet = startup_sheet();
  EXPECT_EQ(sheet.Combo2_60, "25");
  EXPECT_EQ(sheet.Combo2_62, "100");
  EXPECT_EQ(sheet.Combo1, "4:自定义频率");
  EXPECT_EQ(sheet.std_index, 3);
  EXPECT_EQ(sheet.Combo4, "1:普通模式");
  EXPECT_EQ(sheet.Combo5, "允许");
  EXPECT_EQ(sheet.Combo6, "关");
  EXPECT_EQ(sheet.Combo7, "关");
  EXPECT_EQ(sheet.tone_mode, ToneMode::Normal);
}

TEST(ChannelTable, ChannelTotalEnablesTheRowsInUseAndKeepsTheRest) {
  struct Case {
    const char* total;
    int enabled_rows;
  };
  const Case kCases[] = {{"10", 10}, {"25", 25}, {"1", 1}, {"0", 0}, {"24", 24}};
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[20].Text5 = "D023";
    sheet.Combo2_60 = c.total;
    RESET_Ch_Sel(sheet);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < c.enabled_rows) << i;
    EXPECT_EQ(sheet.rows[24].Text1, "462.12500");
    EXPECT_EQ(sheet.rows[20].Text5, "D023");
  }
}

TEST(ChannelTable, ResetTextCommitsOpenToneEditors) {
  Sheet sheet = startup_sheet();
  sheet.rows[3].Combo2 = "D023";
  sheet.rows[5].Combo3 = "67.0";
  RESET_TEXT(sheet);
  EXPECT_EQ(sheet.rows[3].Text2, "D023");
  EXPECT_EQ(sheet.rows[5].Text5, "67.0");
  EXPECT_EQ(sheet.rows[3].Text5, "OFF");
  EXPECT_EQ(sheet.rows[5].Text2, "OFF");
  for (const ChannelRow& row : sheet.rows) {
    EXPECT_FALSE(row.Combo2);
    EXPECT_FALSE(row.Combo3);
  }
}

TEST(ChannelTable, ResetFerMovesAndFormatsBothColumns) {
  Sheet sheet = startup_sheet();
  sheet.rows[2].Text1 = "451.003";
  sheet.rows[2].Text3 = "";
  sheet.rows[3].Text1 = "";
  sheet.rows[7].Text1 = "abc";
  sheet.rows[7].Text3 = "462.5625";
  RESET_FER(sheet);
  EXPECT_EQ(sheet.rows[2].Text1, "451.00000");
  EXPECT_EQ(sheet.rows[2].Text3, "000.00000");
  EXPECT_EQ(sheet.rows[3].Text1, "000.00000");
  EXPECT_EQ(sheet.rows[7].Text1, "abc");
  EXPECT_EQ(sheet.rows[7].Text3, "462.56250");
}

TEST(ChannelTable, FillMakesASeriesFromRowZeroInAll25Rows) {
  struct Case {
    const char* step;
    int row;
    const char* expected;
  };
  const Case kCases[] = {
      {"100", 0, "450.00000"},  {"100", 1, "450.10000"}, {"100", 9, "450.90000"},
      {"100", 24, "452.40000"}, {"900", 1, "450.90000"}, {"900", 24, "471.60000"},
      {"500", 24, "462.00000"},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.Combo2_60 = "10";  // the fill does not stop at the channel total
    sheet.rows[0].Text1 = "450.00000";
    sheet.Combo2_62 = c.step;
    EXPECT_EQ(shown(Command9_Click(sheet)), "nothing");
    EXPECT_EQ(sheet.rows[c.row].Text1, c.expected) << c.step << " row " << c.row;
    EXPECT_EQ(sheet.rows[c.row].Text3, startup_sheet().rows[c.row].Text3) << c.row;
  }
}

TEST(ChannelTable, TransmitFillChangesOnlyTheTransmitColumn) {
  Sheet sheet = startup_sheet();
  sheet.rows[0].Text3 = "450";
  sheet.Combo2_62 = "200";
  EXPECT_EQ(shown(Command10_Click(sheet)), "nothing");
  EXPECT_EQ(sheet.rows[0].Text3, "450.00000");
  EXPECT_EQ(sheet.rows[24].Text3, "454.80000");
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].Text1, startup_sheet().rows[i].Text1);
}

TEST(ChannelTable, FillRefusesARowZeroOrStepThatIsNoNumber) {
  struct Case {
    const char* row0;
    const char* step;
  };
  const Case kBad[] = {
      {"1.2.3", "100"},  // two points in row 0
      {"abc", "100"},    // letters in row 0
      {"", "100"},       // row 0 empty
      {"450", "abc"},    // a fill step that is no number
      {"450", ""},       // no fill step
  };
  for (const auto& c : kBad) {
    Sheet sheet = startup_sheet();
    sheet.rows[0].Text1 = c.row0;
    sheet.rows[0].Text3 = c.row0;
    sheet.Combo2_62 = c.step;
    EXPECT_EQ(shown(Command9_Click(sheet)), "注意 (!) 第1信道频率输入错误，请重新输入") << c.row0;
    EXPECT_EQ(shown(Command10_Click(sheet)), "注意 (!) 第1信道频率输入错误，请重新输入") << c.row0;
    EXPECT_EQ(sheet.rows[0].Text1, c.row0);
    EXPECT_EQ(sheet.rows[0].Text3, c.row0);
    EXPECT_EQ(sheet.rows[24].Text1, "462.12500");
    EXPECT_EQ(sheet.rows[24].Text3, "462.12500");
  }
}

TEST(ChannelTable, FrequencyErrorNamesTheChannelNotTheRow) {
  EXPECT_EQ(shown(frequency_error(0)), "注意 (!) 第1信道频率输入错误，请重新输入");
  EXPECT_EQ(shown(frequency_error(2)), "注意 (!) 第3信道频率输入错误，请重新输入");
  EXPECT_EQ(shown(frequency_error(24)), "注意 (!) 第25信道频率输入错误，请重新输入");
}

TEST(ChannelTable, TotalAndStepOfferTheirItems) {
  const auto totals = channel_total_items();
  ASSERT_EQ(totals.size(), 25u);
  EXPECT_EQ(totals.front(), "1");
  EXPECT_EQ(totals.back(), "25");
  EXPECT_EQ(fill_step_items(), (std::vector<std::string>{"100", "200", "300", "400", "500", "600",
                                                         "700", "800", "900"}));
}

}  // namespace
}  // namespace m27
