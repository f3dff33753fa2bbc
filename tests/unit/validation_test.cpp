// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/validation.h"

#include <gtest/gtest.h>

#include <string>

#include "channels/cell_rule.h"
#include "channels/channel_table.h"
#include "channels/frequency.h"
#include "channels/options.h"
#include "sheet_line.h"

namespace m27 {
namespace {

// Every row, in one frequency column, holds the text; the flag is the raster of the first run,
// then of the next. Off both rasters, a frequency moves down onto the 5 kHz raster (below the
// base too); empty becomes "0"; blanks are not empty.
TEST(Validation, RasterCheckMovesOffRasterFrequenciesDownToTheFiveKilohertzRaster) {
  const std::tuple<const char*, const char*, int, int> kCases[] = {
      {"462.56250", "462.56250", 1, 1}, {"451.00500", "451.00500", 0, 0},
      {"450.12500", "450.12500", 1, 1}, {"451.00300", "451", 0, 1},
      {"399.99900", "399.995", 0, 0},   {"", "0", 1, 1},
      {"1.2.3", "1.2.3", 0, 0},         {"   ", "   ", 0, 0},
  };
  for (const auto& [text, after, first_step, next_step] : kCases) {
    for (const auto& [column, step] :
         {std::pair{&ChannelRow::rx_frequency, &ChannelRow::rx_step},
          std::pair{&ChannelRow::tx_frequency, &ChannelRow::tx_step}}) {
      Sheet sheet = startup_sheet();
      sheet.channel_total = "1";  // the check covers all rows, not only those in use
      for (ChannelRow& row : sheet.rows) row.*column = text;
      check_rasters(sheet);
      const Sheet once = sheet;
      check_rasters(sheet);
      for (int i = 0; i < kRows; ++i) {
        EXPECT_EQ(once.rows[i].*column, after) << text << " row " << i;
        EXPECT_EQ(once.rows[i].*step, first_step) << text << " row " << i;
        EXPECT_EQ(sheet.rows[i].*step, next_step) << text << " row " << i;
      }
    }
  }
}

// The count of the raster from 400 MHz, rounded to the nearest and half-way to the even count;
// none below 400 MHz or above 65535.
TEST(Validation, WireCountRoundsToTheNearestStepOfItsRaster) {
  const std::tuple<const char*, int, std::optional<int>> kCases[] = {
      {"400.0025", 0, 0},    {"400.0075", 0, 2},      {"400.003", 0, 1},
      {"400.00313", 1, 1},   {"400.00312", 1, 0},     {"399.995", 0, std::nullopt},
      {"727.675", 0, 65535}, {"809.59375", 1, 65535}, {"727.68", 0, std::nullopt},
  };
  for (const auto& [text, step, count] : kCases) {
    EXPECT_EQ(wire_count(*frequency_value(text), step), count) << text;
  }
}

// Receive within 400..490 MHz; transmit a count 0..65535 of its raster (809.59375 and 727.67 the
// last of each); 399.999 moves to 399.995. Nine characters are not over-long, ten are, whatever
// the row: that message has no row number.
TEST(Validation, PreWriteCheckPassesSendableFrequenciesAndRefusesOthersByRow) {
  const char* const kRefused = "注意 (!) 第7信道频率输入错误，请重新输入";
  const std::tuple<const char*, const char*, const char*> kCases[] = {
      {"400.00000", "400.00000", "nothing"},
      {"490.00000", "809.59375", "nothing"},
      {"490.00000", "727.67000", "nothing"},
      {"399.99900", "450", kRefused},
      {"490.00500", "450", kRefused},
      {"1.2.3", "450", kRefused},
      {"450", "频率频率频率频率频", kRefused},
      {"450", "399.99900", kRefused},
      {"450", "809.60000", kRefused},
      {"450", "727.68000", kRefused},
      {"450", "频率频率频率频率频率", "注意 (!) 信道频率输入错误，请重新输入"},
  };
  for (const auto& [rx_frequency, tx_frequency, message] : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[6].rx_frequency = rx_frequency;
    sheet.rows[6].tx_frequency = tx_frequency;
    check_rasters(sheet);
    normalise_frequencies(sheet);
    EXPECT_EQ(shown(pre_write_check(sheet)), message) << rx_frequency << " " << tx_frequency;
  }
}

TEST(Validation, PreWriteCheckTakesEmptyFieldsFirstThenTheFirstFailingRowOfAll25) {
  Sheet sheet = startup_sheet();
  sheet.channel_total = "10";
  sheet.rows[24].rx_frequency = "300.00000";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第25信道频率输入错误，请重新输入");
  sheet.rows[17].tx_frequency = "abc";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第18信道频率输入错误，请重新输入");
  sheet.rows[0].rx_frequency = "450.1250000";  // over-long: before rows 18 and 25
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 信道频率输入错误，请重新输入");
  sheet.rows[19].tx_frequency = "";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第20信道频率输入错误，请重新输入");
}

// The one rule every check asks of a cell: each fault it names, in the grid's words.
TEST(Validation, TheCellRuleNamesWhatIsWrongWithACell) {
  const std::tuple<Cell, const char*, CellFault, const char*> kCases[] = {
      {Cell::rx_frequency, "490.00000", CellFault::none, ""},
      {Cell::rx_frequency, "", CellFault::empty, "没有频率"},
      {Cell::tx_frequency, "4500000000", CellFault::too_long, "频率最多9个字符"},
      {Cell::tx_frequency, "4a5", CellFault::not_a_number, "不是频率（只可有数字和一个小数点）"},
      {Cell::rx_frequency, "399.99500", CellFault::outside_band, "不在400～490 MHz之内"},
      {Cell::tx_frequency, "809.60000", CellFault::not_encodable, "超出电台能存放的发射频率"},
      {Cell::tx_frequency, "462.56250", CellFault::none, ""},
      {Cell::rx_tone, "I023", CellFault::tone_not_listed, "不是普通模式的亚音"},
      {Cell::bandwidth, "宽", CellFault::no_bandwidth, "不是带宽（宽带或窄带）"},
  };
  for (const auto& [column, text, fault, reason] : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[3].*field_of(column) = text;
    sheet.rows[3].tx_step = 1;
    EXPECT_EQ(cell_fault(sheet, 3, column), fault) << text;
    EXPECT_EQ(source_text(fault_reason(fault, sheet.tone_mode)), reason) << text;
  }
}

// Tones must be in the table of the mode, texts of the option boxes among their items (the
// channel total as text: "05" is not "5"); rows come before options, in the window's order.
TEST(Validation, PreWriteCheckRefusesEveryToneBandwidthAndOptionTheRadioCannotHold) {
  struct Case {
    void (*change)(Sheet&);
    const char* refused;  // the start of "…输入错误，请重新输入", or "" for nothing
  };
  const Case kCases[] = {
      {[](Sheet&) {}, ""},
      {[](Sheet& s) { s.rows[3].rx_tone = "100.0"; }, "第4信道亚音"},
      {[](Sheet& s) { s.rows[3].tx_tone = "D999"; }, "第4信道亚音"},
      {[](Sheet& s) { s.rows[1].rx_tone = "I023"; }, "第2信道亚音"},
      {[](Sheet& s) {
         s = startup_sheet_in(ToneMode::Professional);
         s.rows[1].rx_tone = "I754", s.rows[1].tx_tone = "69.3";
       },
       ""},
      {[](Sheet& s) { s.rows[5].bandwidth = "xx"; }, "第6信道带宽"},
      {[](Sheet& s) { set_line(s, kOptionFields, "1:普通模式|禁止|开|开|1:美国频率|1"); }, ""},
      {[](Sheet& s) { s.plan = "5:火星频率"; }, "频率选择"},
      {[](Sheet& s) { s.mode = "3:火星模式"; }, "模式选择"},
      {[](Sheet& s) { s.transmit = "也许"; }, "发射"},
      {[](Sheet& s) { s.busy_lockout = "on"; }, "遇忙禁发"},
      {[](Sheet& s) { s.fsk = "开 "; }, "FSK"},
      {[](Sheet& s) { s.channel_total = "0"; }, "信道总数"},
      {[](Sheet& s) { s.channel_total = "26"; }, "信道总数"},
      {[](Sheet& s) { s.channel_total = "05"; }, "信道总数"},
      {[](Sheet& s) { s.rows[9].tx_tone = "x", s.rows[2].rx_tone = "y"; }, "第3信道亚音"},
      {[](Sheet& s) { s.rows[1].bandwidth = "x", s.rows[20].rx_tone = "y"; }, "第21信道亚音"},
      {[](Sheet& s) { s.transmit = "x", s.rows[24].bandwidth = "y"; }, "第25信道带宽"},
      {[](Sheet& s) { s.channel_total = "x", s.busy_lockout = "y"; }, "遇忙禁发"},
      {[](Sheet& s) { s.rows[0].rx_tone = "x", s.rows[11].rx_frequency = "300"; }, "第12信道频率"},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    c.change(sheet);
    EXPECT_EQ(
        shown(pre_write_check(sheet)),
        *c.refused ? std::string("注意 (!) ") + c.refused + "输入错误，请重新输入" : "nothing")
        << "case " << &c - kCases;
  }
}

}  // namespace
}  // namespace m27
