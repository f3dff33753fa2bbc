// SPDX-License-Identifier: GPL-3.0-or-later
// What each edit of the window does to the sheet: normalising, the fill buttons, the frequency
// plans, the mode change, the boxes of the edit frame, and the keys and pastes a frequency cell
// lets in. (Tab stops and tone editors are the window's; its grid tests show them.)

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>

#include "channels/channel_table.h"
#include "channels/grid_edit.h"
#include "channels/options.h"
#include "channels/plans.h"
#include "sheet_line.h"

namespace m27 {
namespace {

TEST(ChannelTable, NormalisingMovesAndFormatsFrequencies) {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[2], kRowFields, "451.003||OFF|OFF|窄带");
  set_line(sheet.rows[7], kRowFields, "abc|450.0251|OFF|OFF|窄带");
  normalise_frequencies(sheet);
  EXPECT_EQ(line_of(sheet.rows[2], kRowFields), "451.00000|000.00000|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[7], kRowFields), "abc|450.02500|OFF|OFF|窄带");
}

// "接收" fills the receive column, "发射" the transmit column, in all 25 rows past the channel
// total; a row 0 or a step that is no number is refused and changes nothing.
TEST(ChannelTable, FillMakesASeriesFromRowZeroOrRefusesToStart) {
  const char* const kRefused = "注意 (!) 第1信道频率输入错误，请重新输入";
  const std::tuple<const char*, const char*, int, const char*, const char*> kCases[] = {
      {"450", "100", 0, "450.00000", "nothing"}, {"450", "900", 24, "471.60000", "nothing"},
      {"1.2.3", "100", 0, "1.2.3", kRefused},    {"", "100", 24, "462.12500", kRefused},
      {"450", "abc", 0, "450", kRefused},
  };
  for (const auto& [click, filled, kept] :
       {std::tuple{&fill_receive_frequencies, &ChannelRow::rx_frequency, &ChannelRow::tx_frequency},
        std::tuple{&fill_transmit_frequencies, &ChannelRow::tx_frequency,
                   &ChannelRow::rx_frequency}}) {
    for (const auto& [row0, step, row, expected, message] : kCases) {
      Sheet sheet = startup_sheet();
      sheet.channel_total = "10";
      sheet.rows[0].*filled = row0;
      sheet.fill_step = step;
      EXPECT_EQ(shown(click(sheet)), message) << row0 << " " << step;
      EXPECT_EQ(sheet.rows[row].*filled, expected) << step << " row " << row;
      EXPECT_EQ(sheet.rows[row].*kept, startup_sheet().rows[row].rx_frequency) << row;
    }
  }
}

// Every row holds tones, wide band and unformatted frequencies, so that a row the plan leaves
// alone can be told from one it fills; the radio options stay.
TEST(Plans, EachPlanFillsItsRowsWithNoTonesAndNarrowBandAndDisablesTheRest) {
  const std::tuple<const char*, const char*, const char*> kCases[] = {
      {"1:美国频率", "美国标准",
       "462.56250 462.58750 462.61250 462.63750 462.66250 462.68750 462.71250 467.56250 467.58750 "
       "467.61250 467.63750 467.66250 467.68750 467.71250 462.55000 462.57500 462.60000 462.62500 "
       "462.65000 462.67500 462.70000 462.72500"},
      {"2:中国频率", "中国标准",
       "409.75000 409.76250 409.77500 409.78750 409.80000 409.81250 409.82500 409.83750 409.85000 "
       "409.86250 409.87500 409.88750 409.90000 409.91250 409.92500 409.93750 409.95000 409.96250 "
       "409.97500 409.98750"},
      {"3:台湾频率", "台湾标准",
       "467.51250 467.52500 467.53750 467.55000 467.56250 467.57500 467.58750 467.60000 467.61250 "
       "467.62500 467.63750 467.65000 467.66250 467.67500"},
      {"中国", "自定义标准",  // a text that is no item applies the custom plan
       "400.12500 400.62500 401.12500 401.62500 402.12500 402.62500 403.12500 403.62500 404.12500 "
       "404.62500 405.12500 405.62500 406.12500 406.62500 407.12500 407.62500 408.12500 408.62500 "
       "409.12500 409.62500 410.12500 410.62500 411.12500 411.62500 412.12500"},
  };
  for (const auto& [plan, title, frequencies] : kCases) {
    Sheet sheet = startup_sheet();
    set_line(sheet, kOptionFields, "2:专业模式|禁止|开|关||3");
    sheet.plan = plan;
    for (ChannelRow& row : sheet.rows) {
      set_line(row, kRowFields, "470.1|470.2|D023|67.0|宽带");
    }
    EXPECT_EQ(source_text(apply_plan(sheet)), title);
    std::istringstream words(frequencies);
    const std::vector<std::string> filled{std::istream_iterator<std::string>(words), {}};
    const int total = static_cast<int>(filled.size());
    EXPECT_EQ(line_of(sheet, kOptionFields),
              "2:专业模式|禁止|开|关|" + std::string(plan) + "|" + std::to_string(total));
    for (int i = 0; i < kRows; ++i) {
      const ChannelRow& row = sheet.rows[i];
      const std::string f = i < total ? filled[i] : "";
      EXPECT_EQ(line_of(row, kRowFields),
                i < total ? f + "|" + f + "|OFF|OFF|窄带" : "470.10000|470.20000|D023|67.0|宽带")
          << plan << " row " << i;
      EXPECT_EQ(row.enabled, i < total) << plan << " row " << i;
    }
  }
}

// Shown again, the mode still resets the tones; the raster check and formatting run too.
TEST(Options, ModeChangeTurnsEveryToneOffKeepingTheRest) {
  const std::pair<const char*, ToneMode> kCases[] = {{"2:专业模式", ToneMode::Normal},
                                                     {"1:普通模式", ToneMode::Professional},
                                                     {"2:专业模式", ToneMode::Professional}};
  for (const auto& [mode, loaded_before] : kCases) {
    Sheet sheet = startup_sheet();
    set_line(sheet, kOptionFields, "|禁止|开|关|1:美国频率|10");
    sheet.mode = mode;
    sheet.tone_mode = loaded_before;
    for (ChannelRow& row : sheet.rows) set_line(row, kRowFields, "451.003|450|D023|67.0|宽带");
    change_mode(sheet);
    EXPECT_EQ(sheet.tone_mode, mode_of(mode));
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_EQ(line_of(row, kRowFields), "451.00000|450.00000|OFF|OFF|宽带") << mode;
    }
    EXPECT_EQ(line_of(sheet, kOptionFields), std::string(mode) + "|禁止|开|关|1:美国频率|10");
  }
  EXPECT_EQ(mode_of("2:专业模式 "), ToneMode::Normal);  // only the very item is professional
}

TEST(GridEdit, ChoosingATotalOrStepSetsItAndChecksFrequencies) {
  Sheet sheet = startup_sheet();
  sheet.rows[20].rx_frequency = "451.003";
  sheet.rows[20].rx_tone = "D023";  // a row out of use keeps its texts
  choose_channel_total(sheet, "10");
  choose_fill_step(sheet, "900");
  EXPECT_EQ(sheet.channel_total + " " + sheet.fill_step, "10 900");
  EXPECT_EQ(fill_step_items(), (std::vector<std::string>{"100", "200", "300", "400", "500", "600",
                                                         "700", "800", "900"}));
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < 10) << i;
  EXPECT_EQ(sheet.rows[20].rx_frequency + " " + sheet.rows[20].rx_tone, "451.00000 D023");
  EXPECT_EQ(toggled_bandwidth("宽带"), "窄带");
  EXPECT_EQ(toggled_bandwidth(""), "宽带");  // neither text: becomes wide
}

// Typed or pasted: digits and one point; not their neighbours, a blank, a second point, nothing.
TEST(GridEdit, AReceiveFrequencyTakesDigitsAndOnePoint) {
  for (const char* text : {"462.5625", "45", "0", "9", "."}) {
    EXPECT_TRUE(frequency_input_allowed(text)) << text;
  }
  for (const char* text : {"1.2.3", " 450", "", "/", ":", "a", "\t"}) {
    EXPECT_FALSE(frequency_input_allowed(text)) << text;
  }
}

}  // namespace
}  // namespace m27
