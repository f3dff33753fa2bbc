#include "channels/plans.h"

#include <gtest/gtest.h>

#include <string>

#include "sheet_line.h"

namespace m27 {
namespace {

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
    const char* plan;
    int plan_index;
  };
  const Case kCases[] = {
      {"1:美国频率", 0},    {"2:中国频率", 1}, {"3:台湾频率", 2},
      {"4:自定义频率", 3},  {"", 4},  // no item
      {"4:自定义频率 ", 4},           // a trailing blank is another text
      {"中国频率", 4},                // without the number
  };
  for (const auto& c : kCases) EXPECT_EQ(plan_index_of(c.plan), c.plan_index) << c.plan;
}

TEST(Plans, EachPlanFillsItsRowsWithNoTonesAndNarrowBandAndDisablesTheRest) {
  struct Case {
    const char* plan;
    int plan;
    const char* title;
    const char* total;
  };
  const Case kCases[] = {
      {"1:美国频率", 0, "美国标准", "22"}, {"2:中国频率", 1, "中国标准", "20"},
      {"3:台湾频率", 2, "台湾标准", "14"}, {"4:自定义频率", 3, "自定义标准", "25"},
      {"中国", 3, "自定义标准", "25"},  // a text that is no item applies the custom plan
  };
  for (const auto& c : kCases) {
    // Every row holds tones, an open tone editor, wide band and unformatted frequencies, so a
    // row the plan leaves alone can be told from one it fills.
    Sheet sheet = startup_sheet();
    set_line(sheet, kOptionFields, "2:专业模式|禁止|开|关||3");
    sheet.plan = c.plan;
    sheet.plan_index = 9;
    for (ChannelRow& row : sheet.rows) {
      set_line(row, kRowFields, "470.1|470.2|D023|67.0|宽带");
      row.tx_tone_editor = "D025";
      row.rx_tab_stop = row.tx_tab_stop = false;
    }
    EXPECT_EQ(apply_plan(sheet), c.title);
    EXPECT_EQ(line_of(sheet, kOptionFields), "2:专业模式|禁止|开|关|" + std::string(c.plan) + "|" +
                                                 c.total);  // the radio options stay
    EXPECT_EQ(sheet.plan_index, plan_index_of(c.plan));
    for (int i = 0; i < kRows; ++i) {
      const ChannelRow& row = sheet.rows[i];
      const char* f = kPlanRows[i][c.plan];
      const std::string filled = f ? std::string(f) + "|" + f + "|OFF|OFF|窄带" : "";
      EXPECT_EQ(line_of(row, kRowFields), f ? filled : "470.10000|470.20000|D023|67.0|宽带")
          << c.plan << " row " << i;
      EXPECT_EQ(row.tx_tone_editor, f ? "OFF" : "D025") << c.plan << " row " << i;
      EXPECT_EQ(row.enabled, f != nullptr) << c.plan << " row " << i;
      EXPECT_TRUE(row.rx_tab_stop && row.tx_tab_stop);
    }
  }
}

}  // namespace
}  // namespace m27
