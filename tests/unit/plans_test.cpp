#include "channels/plans.h"

#include <gtest/gtest.h>

#include <string>

namespace m27 {
namespace {

// Every row holds a tone, wide band and an unformatted frequency before the plan, so a row
// the plan leaves alone can be told from one it fills.
Sheet before_plan(std::string_view Combo1) {
  Sheet sheet = startup_sheet();
  sheet.Combo1 = Combo1;
  for (ChannelRow& row : sheet.rows) {
    row.Text1 = "470.1";
    row.Text3 = "470.2";
    row.Text5 = "D023";
    row.Text2 = "67.0";
    row.Text4 = "宽带";
    row.Text1_tab_stop = false;
    row.Text3_tab_stop = false;
  }
  return sheet;
}

// Frequency of each row after each plan; nullptr for a row the plan does not fill.
constexpr const char* kPlanRows[kRows][4] = {
    // US          China        Taiwan       Custom
    {"462.56250", "409.75000", "467.51250", "400.12500"},
    {"462.58750", "409.76250", "467.52500", "400.62500"},
    {"462.61250", "409.77500", "467.53750", "401.12500"},
    {"462.63750", "409.78750", "467.55000", "401.62500"},
    {"462.66250", "409.80000", "467.56250", "402.12500"},
    {"462.68750", "409.81250", "467.57500", "402.62500"},
    {"462.71250", "409.82500", "467.58750", "403.12500"},
    {"467.56250", "409.83750", "467.60000", "403.62500"},
    {"467.58750", "409.85000", "467.61250", "404.12500"},
    {"467.61250", "409.86250", "467.62500", "404.62500"},
    {"467.63750", "409.87500", "467.63750", "405.12500"},
    {"467.66250", "409.88750", "467.65000", "405.62500"},
    {"467.68750", "409.90000", "467.66250", "406.12500"},
    {"467.71250", "409.91250", "467.67500", "406.62500"},
    {"462.55000", "409.92500", nullptr, "407.12500"},
    {"462.57500", "409.93750", nullptr, "407.62500"},
    {"462.60000", "409.95000", nullptr, "408.12500"},
    {"462.62500", "409.96250", nullptr, "408.62500"},
    {"462.65000", "409.97500", nullptr, "409.12500"},
    {"462.67500", "409.98750", nullptr, "409.62500"},
    {"462.70000", nullptr, nullptr, "410.12500"},
    {"462.72500", nullptr, nullptr, "410.62500"},
    {nullptr, nullptr, nullptr, "411.12500"},
    {nullptr, nullptr, nullptr, "411.62500"},
    {nullptr, nullptr, nullptr, "412.12500"},
};

TEST(Plans, PlanIndexIsThePositionOfTheTextAmongTheItems) {
  struct Case {
    const char* Combo1;
    int std_index;
  };
  const Case kCases[] = {
      {"1:美国频率", 0},    {"2:中国频率", 1}, {"3:台湾频率", 2},
      {"4:自定义频率", 3},  {"", 4},  // no item
      {"4:自定义频率 ", 4},           // a trailing blank is another text
      {"中国频率", 4},                // without the number
  };
  for (const auto& c : kCases) EXPECT_EQ(std_index_of(c.Combo1), c.std_index) << c.Combo1;
}

TEST(Plans, EachPlanFillsItsRowsWithItsFrequencies) {
  for (int plan = 0; plan < 4; ++plan) {
    Sheet sheet = before_plan(kPlanItems[plan]);
    Set_Std_Freq(sheet);
    for (int i = 0; i < kRows; ++i) {
      const char* expected = kPlanRows[i][plan];
      EXPECT_EQ(sheet.rows[i].Text1, expected ? expected : "470.10000") << plan << " row " << i;
      EXPECT_EQ(sheet.rows[i].Text3, expected ? expected : "470.20000") << plan << " row " << i;
    }
  }
}

TEST(Plans, EachPlanSetsTitleTotalAndIndex) {
  struct Case {
    int plan;
    const char* title;
    const char* total;
  };
  const Case kCases[] = {
      {0, "美国标准", "22"},
      {1, "中国标准", "20"},
      {2, "台湾标准", "14"},
      {3, "自定义标准", "25"},
  };
  for (const auto& c : kCases) {
    Sheet sheet = before_plan(kPlanItems[c.plan]);
    sheet.std_index = 9;
    EXPECT_EQ(Set_Std_Freq(sheet), c.title);
    EXPECT_EQ(sheet.Combo2_60, c.total);
    EXPECT_EQ(sheet.std_index, c.plan);
  }
}

TEST(Plans, RowsOfThePlanGetNoTonesAndNarrowBandTheRestKeepTheirsDisabled) {
  for (int plan = 0; plan < 4; ++plan) {
    Sheet sheet = before_plan(kPlanItems[plan]);
    Set_Std_Freq(sheet);
    for (int i = 0; i < kRows; ++i) {
      const ChannelRow& row = sheet.rows[i];
      const bool in_plan = kPlanRows[i][plan] != nullptr;
      EXPECT_EQ(row.Text5, in_plan ? "OFF" : "D023") << plan << " row " << i;
      EXPECT_EQ(row.Text2, in_plan ? "OFF" : "67.0") << plan << " row " << i;
      EXPECT_EQ(row.Text4, in_plan ? "窄带" : "宽带") << plan << " row " << i;
      EXPECT_EQ(row.enabled, in_plan) << plan << " row " << i;
      EXPECT_TRUE(row.Text1_tab_stop);
      EXPECT_TRUE(row.Text3_tab_stop);
    }
  }
}

TEST(Plans, TextOutsideThePlanThatIsNoNumberStaysAsItIs) {
  Sheet sheet = before_plan("2:中国频率");
  sheet.rows[22].Text1 = "";
  sheet.rows[23].Text3 = "abc";
  Set_Std_Freq(sheet);
  EXPECT_EQ(sheet.rows[22].Text1, "");
  EXPECT_EQ(sheet.rows[23].Text3, "abc");
}

TEST(Plans, ATextThatIsNoItemAppliesTheCustomPlan) {
  Sheet sheet = before_plan("中国");
  EXPECT_EQ(Set_Std_Freq(sheet), "自定义标准");
  EXPECT_EQ(sheet.std_index, 4);
  EXPECT_EQ(sheet.Combo2_60, "25");
  EXPECT_EQ(sheet.rows[24].Text1, "412.12500");
}

TEST(Plans, APlanLeavesTheRadioOptionsAlone) {
  Sheet sheet = before_plan("1:美国频率");
  sheet.Combo4 = "2:专业模式";
  sheet.Combo5 = "禁止";
  sheet.Combo6 = "开";
  sheet.Combo7 = "开";
  sheet.Combo2_62 = "700";
  Set_Std_Freq(sheet);
  EXPECT_EQ(sheet.Combo4, "2:专业模式");
  EXPECT_EQ(sheet.Combo5, "禁止");
  EXPECT_EQ(sheet.Combo6, "开");
  EXPECT_EQ(sheet.Combo7, "开");
  EXPECT_EQ(sheet.Combo2_62, "700");
  EXPECT_EQ(sheet.Combo1, "1:美国频率");
}

}  // namespace
}  // namespace m27
