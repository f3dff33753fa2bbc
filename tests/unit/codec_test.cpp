#include "channels/codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <span>
#include <string>

#include "channels/channel_table.h"
#include "channels/options.h"
#include "channels/validation.h"

namespace m27 {
namespace {

constexpr auto N = ToneMode::Normal;
constexpr auto P = ToneMode::Professional;

// "27 1A 27 1A 00 00 03": records compare as the hex a protocol trace shows.
std::string hex(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (const std::uint8_t b : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X ", b);
    text += digits;
  }
  if (!text.empty()) text.pop_back();
  return text;
}

template <std::size_t Size>
std::string hex(const std::optional<std::array<std::uint8_t, Size>>& record) {
  return record ? hex(*record) : "none";
}

// Record bytes from their hex text.
ChannelRecord channel_record(const char* text) {
  ChannelRecord record{};
  for (std::size_t i = 0; i < record.size(); ++i) {
    record[i] = static_cast<std::uint8_t>(std::stoi(std::string(text + 3 * i, 2), nullptr, 16));
  }
  return record;
}

// The fields of a row a record carries, raster flags included, as one readable line.
std::string fields(const ChannelRow& row) {
  return row.Text1 + " " + row.Text3 + " " + row.Text5 + " " + row.Text2 + " " + row.Text4 +
         " rx_step " + std::to_string(row.rx_step) + " tx_step " + std::to_string(row.tx_step);
}

struct RowTexts {
  const char* Text1;
  const char* Text3;
  const char* Text5;
  const char* Text2;
  const char* Text4;
};

// A row in a sheet of the given mode, put through `RESET_TEXT` as a write does.
Sheet sheet_with(ToneMode mode, int ch_index, const RowTexts& texts) {
  Sheet sheet = startup_sheet();
  if (mode == P) {
    sheet.Combo4 = kProfessionalMode;
    Combo4_Click(sheet);
  }
  ChannelRow& row = sheet.rows[ch_index];
  row.Text1 = texts.Text1;
  row.Text3 = texts.Text3;
  row.Text5 = texts.Text5;
  row.Text2 = texts.Text2;
  row.Text4 = texts.Text4;
  RESET_TEXT(sheet);
  return sheet;
}

TEST(Codec, EncodesAChannelRecord) {
  struct Case {
    ToneMode mode;
    RowTexts row;
    const char* record;
  };
  const Case kCases[] = {
      {N, {"462.56250", "462.56250", "OFF", "OFF", "窄带"}, "27 1A 27 1A 00 00 03"},
      {N, {"451.00500", "450.00000", "OFF", "OFF", "窄带"}, "27 D9 1F 40 00 00 02"},
      {N, {"401.60000", "401.28000", "OFF", "OFF", "窄带"}, "01 00 01 00 00 00 01"},
      {N, {"400.00500", "400.00000", "OFF", "OFF", "窄带"}, "00 01 00 00 00 00 02"},
      {N, {"450", "451.003", "67.0", "D503", "宽带"}, "1F 40 27 D8 01 63 05"},
      {N, {"450", "450", "100.0", "", "窄带"}, "1F 40 1F 40 64 64 03"},
      {P, {"462.5625", "462.5625", "I023", "D023", "宽带"}, "27 1A 27 1A 38 38 0F"},
      {P, {"462.5625", "462.5625", "D754", "I754", "窄带"}, "27 1A 27 1A A0 A0 13"},
      {P, {"462.5625", "462.5625", "100.0", "OFF", "窄带"}, "27 1A 27 1A A1 00 0B"},
      {P, {"451.005", "809.59375", "254.1", "245.1", "窄带"}, "27 D9 FF FF 32 37 02"},
  };
  for (const auto& c : kCases) {
    const Sheet sheet = sheet_with(c.mode, 11, c.row);
    EXPECT_EQ(hex(encode_channel(sheet, 11)), c.record) << c.row.Text1 << " " << c.row.Text3;
  }
}

TEST(Codec, EncodesTheRowAskedFor) {
  const Sheet sheet = sheet_with(N, 0, {"462.5625", "462.5625", "OFF", "OFF", "窄带"});
  EXPECT_EQ(hex(encode_channel(sheet, 24)), "26 D4 26 D4 00 00 03");
  EXPECT_EQ(hex(encode_channel(sheet, 0)), "27 1A 27 1A 00 00 03");
}

TEST(Codec, RefusesAChannelItCannotCount) {
  const RowTexts kBad[] = {
      {"1.2.3", "450", "OFF", "OFF", "窄带"},      // receive is no number
      {"450", "abc", "OFF", "OFF", "窄带"},        // transmit is no number
      {"450", "300.00000", "OFF", "OFF", "窄带"},  // negative transmit count
      {"450", "809.60000", "OFF", "OFF", "窄带"},  // count 65536
  };
  for (const auto& row : kBad) {
    EXPECT_EQ(encode_channel(sheet_with(N, 2, row), 2), std::nullopt) << row.Text1 << row.Text3;
  }
}

TEST(Codec, EncodesTheOptionRecord) {
  struct Case {
    const char* Combo4;
    const char* Combo5;
    const char* Combo6;
    const char* Combo7;
    const char* Combo1;
    const char* total;
    const char* record;
  };
  const Case kCases[] = {
      {"1:普通模式", "允许", "关", "关", "4:自定义频率", "25", "01 03 19"},
      {"2:专业模式", "禁止", "开", "开", "4:自定义频率", "25", "E5 03 19"},
      {"2:专业模式", "允许", "关", "关", "1:美国频率", "22", "41 00 16"},
      {"1:普通模式", "禁止", "关", "关", "2:中国频率", "20", "81 01 14"},
      {"1:普通模式", "允许", "开", "关", "3:台湾频率", "14", "05 02 0E"},
      {"1:普通模式", "允许", "关", "开", "", "1", "21 04 01"},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.Combo4 = c.Combo4;
    sheet.Combo5 = c.Combo5;
    sheet.Combo6 = c.Combo6;
    sheet.Combo7 = c.Combo7;
    sheet.Combo1 = c.Combo1;
    sheet.Combo2_60 = c.total;
    chk_step(sheet);  // a write derives the plan index first
    EXPECT_EQ(hex(encode_options(sheet)), c.record) << c.record;
  }
}

TEST(Codec, RefusesAnOptionRecordWithoutATotal) {
  const char* kBad[] = {
      "",     // no channel total
      "abc",  // no number
      "256",  // does not fit the byte
      "-1",   // nor does a negative total
  };
  for (const char* total : kBad) {
    Sheet sheet = startup_sheet();
    sheet.Combo2_60 = total;
    EXPECT_EQ(encode_options(sheet), std::nullopt) << total;
  }
}

TEST(Codec, DecodesAChannelRecord) {
  struct Case {
    ToneMode mode;
    const char* record;
    RowTexts row;
  };
  const Case kCases[] = {
      {N, "27 1A 27 1A 00 00 03", {"462.56250", "462.56250", "OFF", "OFF", "窄带"}},
      {N, "27 1A 27 1A 00 00 01", {"462.56250", "450.05000", "OFF", "OFF", "窄带"}},
      {N, "27 D9 1F 40 00 00 02", {"451.00500", "450.00000", "OFF", "OFF", "窄带"}},
      {N, "01 00 01 00 00 00 02", {"401.28000", "401.60000", "OFF", "OFF", "窄带"}},
      {N, "00 01 00 00 00 00 00", {"400.00500", "400.00000", "OFF", "OFF", "窄带"}},
      {N, "FF FF FF FF 00 00 01", {"809.59375", "727.67500", "OFF", "OFF", "窄带"}},
      {N, "80 00 80 00 00 00 03", {"604.80000", "604.80000", "OFF", "OFF", "窄带"}},
      {N, "1F 40 1F 40 01 26 07", {"450.00000", "450.00000", "67.0", "250.3", "宽带"}},
      {N, "1F 40 1F 40 27 63 03", {"450.00000", "450.00000", "D023", "D503", "窄带"}},
      {N, "1F 40 1F 40 38 64 03", {"450.00000", "450.00000", "D125", "", "窄带"}},
      {N, "1F 40 1F 40 00 00 1B", {"450.00000", "450.00000", "", "", "窄带"}},
      {P, "1F 40 1F 40 38 38 0F", {"450.00000", "450.00000", "I023", "D023", "宽带"}},
      {P, "1F 40 1F 40 A0 A0 13", {"450.00000", "450.00000", "D754", "I754", "窄带"}},
      {P, "1F 40 1F 40 A1 FF 1B", {"450.00000", "450.00000", "", "", "窄带"}},
  };
  for (const auto& c : kCases) {
    Sheet sheet = sheet_with(c.mode, 0, {"450", "450", "OFF", "OFF", "窄带"});
    Get_Chn_Data(sheet, 16, channel_record(c.record));
    const ChannelRow& row = sheet.rows[16];
    EXPECT_EQ(row.Text1, c.row.Text1) << c.record;
    EXPECT_EQ(row.Text3, c.row.Text3) << c.record;
    EXPECT_EQ(row.Text5, c.row.Text5) << c.record;
    EXPECT_EQ(row.Text2, c.row.Text2) << c.record;
    EXPECT_EQ(row.Text4, c.row.Text4) << c.record;
    EXPECT_EQ(fields(sheet.rows[15]), "457.62500 457.62500 OFF OFF 窄带 rx_step 1 tx_step 1");
  }
}

TEST(Codec, DecodingLeavesTheRasterFlagsToTheNextCheck) {
  Sheet sheet = startup_sheet();
  Get_Chn_Data(sheet, 4, channel_record("27 D9 1F 40 00 00 00"));
  EXPECT_EQ(sheet.rows[4].rx_step, 0);
  EXPECT_EQ(sheet.rows[4].tx_step, 0);
  RESET_TEXT(sheet);
  EXPECT_EQ(sheet.rows[4].rx_step, 0);  // 451.00500: 5 kHz only
  EXPECT_EQ(sheet.rows[4].tx_step, 1);  // 450.00000: on both, 6.25 kHz wins
}

TEST(Codec, ARowReadFromTheRadioIsNotOverwrittenByAnOpenToneEditor) {
  Sheet sheet = startup_sheet();
  sheet.rows[3].Combo2 = "D023";  // opened by the user before or during the read
  sheet.rows[3].Combo3 = "67.0";
  Get_Chn_Data(sheet, 3, channel_record("27 D9 1F 40 00 00 00"));
  RESET_TEXT(sheet);  // the read ends with it
  EXPECT_EQ(sheet.rows[3].Text2, "OFF");
  EXPECT_EQ(sheet.rows[3].Text5, "OFF");
  EXPECT_FALSE(sheet.rows[3].Combo2 || sheet.rows[3].Combo3);
}

TEST(Codec, OptionRecordSetsTheSwitchesPlanAndTotal) {
  struct Case {
    OptionRecord record;
    const char* Combo5;
    const char* Combo6;
    const char* Combo7;
    const char* Combo1;
    const char* total;
    int enabled_rows;
  };
  const Case kCases[] = {
      {{0x01, 3, 25}, "允许", "关", "关", "4:自定义频率", "25", 25},
      {{0xA5, 0, 22}, "禁止", "开", "开", "1:美国频率", "22", 22},
      {{0x81, 1, 20}, "禁止", "关", "关", "2:中国频率", "20", 20},
      {{0x25, 2, 10}, "允许", "开", "开", "3:台湾频率", "10", 10},
      {{0x01, 4, 1}, "允许", "关", "关", "", "1", 1},                 // plan index past the items
      {{0x01, 255, 0}, "允许", "关", "关", "", "0", 0},               // no channel in use
      {{0x01, 3, 30}, "允许", "关", "关", "4:自定义频率", "25", 25},  // too many channels
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    EXPECT_EQ(Get_Opt_Data(sheet, c.record), c.record[2]);
    EXPECT_EQ(sheet.Combo5, c.Combo5);
    EXPECT_EQ(sheet.Combo6, c.Combo6);
    EXPECT_EQ(sheet.Combo7, c.Combo7);
    EXPECT_EQ(sheet.Combo1, c.Combo1);
    EXPECT_EQ(sheet.std_index, c.record[1]);
    EXPECT_EQ(sheet.Combo2_60, c.total);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < c.enabled_rows) << i;
    EXPECT_EQ(sheet.rows[0].Text1, "450.12500");  // the plan is shown, not applied
  }
}

TEST(Codec, OptionRecordOfTheOtherModeResetsTheTonesBeforeTheChannels) {
  struct Case {
    const char* shown;
    std::uint8_t flags;
    const char* Combo4;
    bool tones_kept;
  };
  const Case kCases[] = {
      {"1:普通模式", 0x40, "2:专业模式", false},
      {"2:专业模式", 0x41, "2:专业模式", true},
      {"2:专业模式", 0x01, "1:普通模式", false},
      {"1:普通模式", 0x01, "1:普通模式", true},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.Combo4 = c.shown;
    Combo4_Click(sheet);
    for (ChannelRow& row : sheet.rows) row.Text5 = row.Text2 = "D023";
    Get_Opt_Data(sheet, {c.flags, 3, 25});
    EXPECT_EQ(sheet.Combo4, c.Combo4) << int{c.flags};
    EXPECT_EQ(sheet.tone_mode, mode_of(c.Combo4));
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_EQ(row.Text5, c.tones_kept ? "D023" : "OFF") << int{c.flags};
      EXPECT_EQ(row.Text2, c.tones_kept ? "D023" : "OFF") << int{c.flags};
    }
  }
}

TEST(Codec, ChannelsReadAfterAProfessionalOptionRecordUseTheProfessionalTable) {
  Sheet sheet = startup_sheet();
  Get_Opt_Data(sheet, {0x40, 3, 25});
  Get_Chn_Data(sheet, 0, channel_record("27 1A 27 1A 38 38 08"));
  EXPECT_EQ(sheet.rows[0].Text5, "I023");
  EXPECT_EQ(sheet.rows[0].Text2, "D023");
}

TEST(Codec, WhatIsWrittenReadsBackTheSame) {
  struct Case {
    ToneMode mode;
    RowTexts row;
  };
  const Case kCases[] = {
      {N, {"462.56250", "451.00500", "67.0", "D503", "宽带"}},
      {N, {"400.00000", "490.00000", "OFF", "100", "窄带"}},
      {P, {"409.98750", "467.51250", "I754", "95.2", "宽带"}},
      {P, {"489.99500", "809.59375", "D023", "I023", "窄带"}},
  };
  for (const auto& c : kCases) {
    const Sheet sent = sheet_with(c.mode, 5, c.row);
    const auto record = encode_channel(sent, 5);
    ASSERT_TRUE(record) << c.row.Text1;
    Sheet read = sheet_with(c.mode, 5, {"450", "450", "OFF", "OFF", "窄带"});
    Get_Chn_Data(read, 5, *record);
    RESET_TEXT(read);
    EXPECT_EQ(fields(read.rows[5]), fields(sent.rows[5]));
  }
}

}  // namespace
}  // namespace m27
