#include "channels/options.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// A sheet with tones in every row, some editors open, and 10 channels in use.
Sheet with_tones(std::string_view mode_shown, ToneMode tones_loaded) {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = mode_shown;
  sheet.tone_mode = tones_loaded;
  sheet.Combo2_60 = "10";
  for (ChannelRow& row : sheet.rows) {
    row.Text5 = "D023";
    row.Text2 = "67.0";
    row.Text4 = "宽带";
  }
  sheet.rows[3].Combo2 = "D025";
  sheet.rows[20].Combo3 = "71.9";
  sheet.rows[7].Text1 = "451.003";
  return sheet;
}

TEST(Options, OnlyTheProfessionalItemSelectsTheProfessionalMode) {
  struct Case {
    const char* Combo4;
    ToneMode mode;
  };
  const Case kCases[] = {
      {"2:专业模式", ToneMode::Professional},
      {"1:普通模式", ToneMode::Normal},
      {"", ToneMode::Normal},             // no item counts as normal
      {"2:专业模式 ", ToneMode::Normal},  // nor does a near miss
      {"专业模式", ToneMode::Normal},
  };
  for (const auto& c : kCases) EXPECT_EQ(mode_of(c.Combo4), c.mode) << c.Combo4;
}

TEST(Options, ModeChangeTurnsEveryToneOffAndClosesEveryEditor) {
  struct Case {
    const char* Combo4;
    ToneMode loaded_before;
    ToneMode loaded_after;
  };
  const Case kCases[] = {
      {"2:专业模式", ToneMode::Normal, ToneMode::Professional},
      {"1:普通模式", ToneMode::Professional, ToneMode::Normal},
      {"2:专业模式", ToneMode::Professional, ToneMode::Professional},  // unchanged mode
      {"1:普通模式", ToneMode::Normal, ToneMode::Normal},
  };
  for (const auto& c : kCases) {
    Sheet sheet = with_tones(c.Combo4, c.loaded_before);
    Combo4_Click(sheet);
    EXPECT_EQ(sheet.tone_mode, c.loaded_after) << c.Combo4;
    for (int i = 0; i < kRows; ++i) {
      const ChannelRow& row = sheet.rows[i];
      EXPECT_EQ(row.Text5, "OFF") << c.Combo4 << " row " << i;
      EXPECT_EQ(row.Text2, "OFF") << c.Combo4 << " row " << i;
      EXPECT_FALSE(row.Combo2) << i;
      EXPECT_FALSE(row.Combo3) << i;
    }
  }
}

TEST(Options, ModeChangeKeepsFrequenciesBandwidthTotalAndOptions) {
  Sheet sheet = with_tones("2:专业模式", ToneMode::Normal);
  sheet.Combo5 = "禁止";
  sheet.Combo6 = "开";
  Combo4_Click(sheet);
  EXPECT_EQ(sheet.rows[0].Text1, "450.12500");
  EXPECT_EQ(sheet.rows[7].Text1, "451.00000");  // the raster check ran
  EXPECT_EQ(sheet.rows[24].Text3, "462.12500");
  EXPECT_EQ(sheet.rows[24].Text4, "宽带");
  EXPECT_EQ(sheet.Combo2_60, "10");
  EXPECT_EQ(sheet.Combo5, "禁止");
  EXPECT_EQ(sheet.Combo6, "开");
  EXPECT_EQ(sheet.Combo7, "关");
  EXPECT_EQ(sheet.Combo1, "4:自定义频率");
}

}  // namespace
}  // namespace m27
