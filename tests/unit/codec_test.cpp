// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/codec.h"

#include <gtest/gtest.h>

#include <string>

#include "channels/channel_table.h"
#include "channels/options.h"
#include "channels/validation.h"
#include "hex.h"
#include "sheet_line.h"

namespace m27 {
namespace {

constexpr auto N = ToneMode::Normal;
constexpr auto P = ToneMode::Professional;
constexpr int kRow = 11;
enum Way { kBoth, kEncode, kDecode };  // what a row of a table proves

template <std::size_t Size>
std::string hex_or_none(const std::optional<std::array<std::uint8_t, Size>>& record) {
  return record ? hex(*record) : "none";
}

ChannelRecord channel_record(std::string_view text) {
  ChannelRecord record{};
  const auto bytes = unhex(text);
  std::copy(bytes.begin(), bytes.end(), record.begin());
  return record;
}

// A sheet of the given mode with row kRow holding `line`, normalised as a write does.
Sheet sheet_with(ToneMode mode, std::string_view line) {
  Sheet sheet = startup_sheet_in(mode);
  set_line(sheet.rows[kRow], kRowFields, line);
  normalise_frequencies(sheet);
  return sheet;
}

// Each flag bit, the count bytes at 0, 256 and 65535, tones inverted or not in the list; no
// record for a receive or transmit frequency that is no number or a transmit count of 65536.
TEST(Codec, ChannelRecordsEncodeAndDecodeByteForByte) {
  struct Case {
    ToneMode mode;
    const char* row;
    const char* record;
    Way way = kBoth;
  };
  const Case kCases[] = {
      {N, "462.56250|462.56250|OFF|OFF|窄带", "27 1A 27 1A 00 00 03"},
      {N, "451.00500|450.00000|OFF|OFF|窄带", "27 D9 1F 40 00 00 02"},
      {N, "401.60000|401.28000|OFF|OFF|窄带", "01 00 01 00 00 00 01"},
      {N, "400.00500|400.00000|OFF|OFF|窄带", "00 01 00 00 00 00 02"},
      {N, "450.00000|451.00500|67.0|D503|宽带", "1F 40 27 D9 01 63 05"},
      {P, "462.56250|462.56250|I023|D023|宽带", "27 1A 27 1A 38 38 0F"},
      {P, "462.56250|462.56250|D754|I754|窄带", "27 1A 27 1A A0 A0 13"},
      {P, "451.00500|809.59375|254.1|245.1|窄带", "27 D9 FF FF 32 37 02"},
      {N, "809.59375|727.67500|OFF|OFF|窄带", "FF FF FF FF 00 00 01", kDecode},
      {N, "1.2.3|450|OFF|OFF|窄带", "none", kEncode},
      {N, "450|abc|OFF|OFF|窄带", "none", kEncode},
      {N, "450|809.6|OFF|OFF|窄带", "none", kEncode},
  };
  for (const auto& c : kCases) {
    if (c.way != kDecode) {
      EXPECT_EQ(hex_or_none(encode_channel(sheet_with(c.mode, c.row), kRow)), c.record) << c.row;
    }
    if (c.way == kEncode) continue;
    Sheet sheet = sheet_with(c.mode, "450|450|OFF|OFF|窄带");
    decode_channel(sheet, kRow, channel_record(c.record));
    normalise_frequencies(sheet);  // the read ends with it
    EXPECT_EQ(line_of(sheet.rows[kRow], kRowFields), c.row) << c.record;
    EXPECT_EQ(line_of(sheet.rows[kRow - 1], kRowFields), "455.12500|455.12500|OFF|OFF|窄带");
  }
}

// Each switch, each plan (an index past the items shows no plan), channel totals 0 and 255 (the
// most a byte holds; more than 25 channels are shown as 25); a total that is no number, too
// large or negative has no record. A write derives the plan index first; a read shows the plan
// but does not apply it.
TEST(Codec, OptionRecordsEncodeAndDecodeByteForByte) {
  const std::tuple<const char*, const char*, Way> kCases[] = {
      {"1:普通模式|允许|关|关|4:自定义频率|25", "01 03 19", kBoth},
      {"2:专业模式|禁止|开|开|4:自定义频率|25", "E5 03 19", kBoth},
      {"2:专业模式|允许|关|关|1:美国频率|22", "41 00 16", kBoth},
      {"1:普通模式|禁止|关|关|2:中国频率|20", "81 01 14", kBoth},
      {"1:普通模式|允许|开|关|3:台湾频率|14", "05 02 0E", kBoth},
      {"1:普通模式|允许|关|开||0", "21 04 00", kBoth},
      {"1:普通模式|允许|关|关|4:自定义频率|25", "01 03 1E", kDecode},
      {"1:普通模式|允许|关|关|4:自定义频率|255", "01 03 FF", kEncode},
      {"1:普通模式|允许|关|关||", "none", kEncode},
      {"1:普通模式|允许|关|关||256", "none", kEncode},
      {"1:普通模式|允许|关|关||-1", "none", kEncode},
  };
  for (const auto& [options, record, way] : kCases) {
    Sheet sheet = startup_sheet();
    if (way != kDecode) {
      set_line(sheet, kOptionFields, options);
      check_rasters(sheet);
      EXPECT_EQ(hex_or_none(encode_options(sheet)), record) << options;
    }
    if (way == kEncode) continue;
    const auto bytes = unhex(record);
    sheet = startup_sheet();
    EXPECT_EQ(decode_options(sheet, {bytes[0], bytes[1], bytes[2]}), bytes[2]);
    EXPECT_EQ(line_of(sheet, kOptionFields), options) << record;
    EXPECT_EQ(sheet.plan_index, bytes[1]);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < bytes[2]) << i;
    EXPECT_EQ(sheet.rows[0].rx_frequency, "450.12500");
  }
}

TEST(Codec, OptionRecordOfTheOtherModeResetsTheTonesBeforeTheChannels) {
  const std::tuple<const char*, std::uint8_t, bool> kCases[] = {
      {"1:普通模式", 0x40, false},
      {"2:专业模式", 0x41, true},
      {"2:专业模式", 0x01, false},
      {"1:普通模式", 0x01, true},
  };
  for (const auto& [shown, flags, tones_kept] : kCases) {
    Sheet sheet = startup_sheet_in(mode_of(shown));
    for (ChannelRow& row : sheet.rows) row.rx_tone = row.tx_tone = "D023";
    decode_options(sheet, {flags, 3, 25});
    const bool professional = flags & 0x40;
    EXPECT_EQ(sheet.tone_mode, professional ? P : N) << int{flags};
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_EQ(row.rx_tone + " " + row.tx_tone, tones_kept ? "D023 D023" : "OFF OFF");
    }
    // The channels that follow are decoded with the table of the radio's mode.
    decode_channel(sheet, 0, channel_record("27 1A 27 1A 38 38 08"));
    EXPECT_EQ(sheet.rows[0].rx_tone, professional ? "I023" : "");
  }
}

}  // namespace
}  // namespace m27
