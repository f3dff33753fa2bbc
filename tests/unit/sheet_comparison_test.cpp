// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/sheet_comparison.h"

#include <gtest/gtest.h>

#include "channels/channel_page.h"
#include "sheet_line.h"

namespace m27 {
namespace {

// Two start-up sheets, each changed, compared as the records carry them: equal once formatted
// or snapped to the 5 kHz raster; a text that is no number against a number; every channel
// field; an empty tone is no tone of the table; inverted codes of the professional mode; the
// mode; every option; a channel total of the same value.
TEST(SheetComparison, ComparesWhatTheRecordsCarryAndNamesEachField) {
  using Change = void (*)(Sheet&);
  const Change none = [](Sheet&) {};
  const struct {
    Change first;
    Change second;
    const char* lines;
  } kCases[] = {
      {[](Sheet& s) { s.rows[0].rx_frequency = "450.1"; },
       [](Sheet& s) { s.rows[0].rx_frequency = "450.10000"; }, ""},
      {[](Sheet& s) { s.rows[4].tx_frequency = "450.1231"; },
       [](Sheet& s) { s.rows[4].tx_frequency = "450.12"; }, ""},
      {none, [](Sheet& s) { s.rows[1].rx_frequency = "4x0"; }, "2 接收频率 450.62500 4x0\n"},
      {none, [](Sheet& s) { set_line(s.rows[0], kRowFields, "450.13125|451|67.0|D023|窄带"); },
       "1 接收频率 450.12500 450.13125\n1 接收亚音 OFF 67.0\n1 发射频率 450.12500 451.00000\n"
       "1 发射亚音 OFF D023\n"},
      {none, [](Sheet& s) { s.rows[24].bandwidth = "宽带"; }, "25 带宽 窄带 宽带\n"},
      {none, [](Sheet& s) { s.rows[2].rx_tone = ""; }, "3 接收亚音 OFF \"\"\n"},
      {[](Sheet& s) { s = startup_sheet_in(ToneMode::Professional), s.rows[6].tx_tone = "I023"; },
       [](Sheet& s) { s = startup_sheet_in(ToneMode::Professional), s.rows[6].tx_tone = "D023"; },
       "7 发射亚音 I023 D023\n"},
      {none, [](Sheet& s) { s = startup_sheet_in(ToneMode::Professional); },
       "模式 1:普通模式 2:专业模式\n"},
      {[](Sheet& s) { s.channel_total = "025"; },
       [](Sheet& s) { set_line(s, kOptionFields, "1:普通模式|禁止|开|开|1:美国频率|17"); },
       "发射 允许 禁止\n遇忙禁发 关 开\nFSK 关 开\n信道总数 025 17\n频率选择 4:自定义频率 "
       "1:美国频率\n"},
      {[](Sheet& s) { s.channel_total = "025"; }, none, ""},
  };
  for (const auto& c : kCases) {
    Sheet first = startup_sheet();
    Sheet second = startup_sheet();
    c.first(first);
    c.second(second);
    std::string lines;
    for (const Difference& d : compare_sheets(first, second))
      lines += source_text(difference_line(d)) + "\n";
    EXPECT_EQ(lines, c.lines) << "case " << &c - kCases;
  }
}

// The printed page: the file's name (未命名 for one never saved), the date, the options, the ID
// read from the radio, and the channels in use only.
TEST(ChannelPage, HoldsTheFileTheDateTheOptionsTheIdAndTheChannelsInUse) {
  Sheet sheet = startup_sheet();
  sheet.channel_total = "2";
  const ChannelPage page = channel_page(sheet, "", "2026-12-07", "12345678");
  EXPECT_EQ(source_text(page.heading), "未命名");
  EXPECT_EQ(source_text(page.facts.at(7).first) + page.facts.back().second, "对讲机ID12345678");
  EXPECT_EQ(page.rows.size(), 2u);
}

}  // namespace
}  // namespace m27
