#include "channels/options.h"

#include <gtest/gtest.h>

#include "sheet_line.h"

namespace m27 {
namespace {

TEST(Options, OnlyTheProfessionalItemSelectsTheProfessionalMode) {
  EXPECT_EQ(mode_of("2:专业模式"), ToneMode::Professional);
  EXPECT_EQ(mode_of("1:普通模式"), ToneMode::Normal);
  const char* kOthers[] = {
      "",             // no item counts as normal
      "2:专业模式 ",  // nor does a near miss
      "专业模式",
  };
  for (const char* text : kOthers) EXPECT_EQ(mode_of(text), ToneMode::Normal) << text;
}

TEST(Options, ModeChangeTurnsEveryToneOffAndClosesEveryEditorKeepingTheRest) {
  struct Case {
    const char* mode;
    ToneMode loaded_before;
  };
  const Case kCases[] = {
      {"2:专业模式", ToneMode::Normal},
      {"1:普通模式", ToneMode::Professional},
      {"2:专业模式", ToneMode::Professional},  // the mode shown again
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    set_line(sheet, kOptionFields, "|禁止|开|关|1:美国频率|10");
    sheet.mode = c.mode;
    sheet.tone_mode = c.loaded_before;
    for (ChannelRow& row : sheet.rows) set_line(row, kRowFields, "451.003|450|D023|67.0|宽带");
    sheet.rows[3].tx_tone_editor = "D025";
    sheet.rows[20].rx_tone_editor = "71.9";
    change_mode(sheet);
    EXPECT_EQ(sheet.tone_mode, mode_of(c.mode)) << c.mode;
    for (const ChannelRow& row : sheet.rows) {
      // The raster check and formatting ran too.
      EXPECT_EQ(line_of(row, kRowFields), "451.00000|450.00000|OFF|OFF|宽带") << c.mode;
      EXPECT_FALSE(row.tx_tone_editor || row.rx_tone_editor) << c.mode;
    }
    EXPECT_EQ(line_of(sheet, kOptionFields), std::string(c.mode) + "|禁止|开|关|1:美国频率|10");
  }
}

}  // namespace
}  // namespace m27
