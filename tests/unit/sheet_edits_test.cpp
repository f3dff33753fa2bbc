// SPDX-License-Identifier: GPL-3.0-or-later
// What each edit of the window does to the sheet: committing, the fill buttons, the frequency
// plans, the mode change, the tone editors, and the keys and pastes a frequency cell lets in.

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

// A frequency click does what the commit does (and turns the receive tab stops on, below).
TEST(ChannelTable, CommitMovesAndFormatsFrequenciesAndCommitsOpenToneEditors) {
  for (const auto commit : {&commit_edits, &frequency_click}) {
    Sheet sheet = startup_sheet();
    set_line(sheet.rows[2], kRowFields, "451.003||OFF|OFF|窄带");
    set_line(sheet.rows[7], kRowFields, "abc|450.0251|OFF|OFF|窄带");
    sheet.rows[3].tx_tone_editor = "D023";
    sheet.rows[5].rx_tone_editor = "67.0";
    commit(sheet);
    EXPECT_EQ(line_of(sheet.rows[2], kRowFields), "451.00000|000.00000|OFF|OFF|窄带");
    EXPECT_EQ(line_of(sheet.rows[7], kRowFields), "abc|450.02500|OFF|OFF|窄带");
    EXPECT_EQ(line_of(sheet.rows[3], kRowFields), "451.62500|451.62500|OFF|D023|窄带");
    EXPECT_EQ(line_of(sheet.rows[5], kRowFields), "452.62500|452.62500|67.0|OFF|窄带");
    for (const ChannelRow& row : sheet.rows) EXPECT_FALSE(row.tx_tone_editor || row.rx_tone_editor);
  }
}

// After a file was opened Tab skips both frequency columns; each grid event turns some back on.
TEST(ChannelTable, GridEventsTurnFrequencyTabStopsBackOn) {
  // The event, and whether it turns the receive and the transmit tab stops on.
  const std::tuple<void (*)(Sheet&), bool, bool> kCases[] = {
      {frequency_click, true, false},
      {receive_frequency_double_click, true, false},
      {background_double_click, true, true},
  };
  for (const auto& [event, receive, transmit] : kCases) {
    Sheet sheet = startup_sheet();
    clear_frequency_tab_stops(sheet);
    event(sheet);
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_EQ(row.rx_tab_stop, receive);
      EXPECT_EQ(row.tx_tab_stop, transmit);
    }
  }
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

// Every row holds tones, an open tone editor, wide band and unformatted frequencies, so that a
// row the plan leaves alone can be told from one it fills; the radio options stay.
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
      row.tx_tone_editor = "D025";
      row.rx_tab_stop = row.tx_tab_stop = false;
    }
    EXPECT_EQ(apply_plan(sheet), title);
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
      EXPECT_EQ(row.tx_tone_editor, i < total ? "OFF" : "D025") << i;
      EXPECT_EQ(row.enabled, i < total) << plan << " row " << i;
      EXPECT_TRUE(row.rx_tab_stop && row.tx_tab_stop);
    }
  }
}

// Shown again, the mode still resets the tones; the raster check and formatting run too.
TEST(Options, ModeChangeTurnsEveryToneOffAndClosesEveryEditorKeepingTheRest) {
  const std::pair<const char*, ToneMode> kCases[] = {{"2:专业模式", ToneMode::Normal},
                                                     {"1:普通模式", ToneMode::Professional},
                                                     {"2:专业模式", ToneMode::Professional}};
  for (const auto& [mode, loaded_before] : kCases) {
    Sheet sheet = startup_sheet();
    set_line(sheet, kOptionFields, "|禁止|开|关|1:美国频率|10");
    sheet.mode = mode;
    sheet.tone_mode = loaded_before;
    for (ChannelRow& row : sheet.rows) set_line(row, kRowFields, "451.003|450|D023|67.0|宽带");
    sheet.rows[3].tx_tone_editor = "D025";
    sheet.rows[20].rx_tone_editor = "71.9";
    change_mode(sheet);
    EXPECT_EQ(sheet.tone_mode, mode_of(mode));
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_EQ(line_of(row, kRowFields), "451.00000|450.00000|OFF|OFF|宽带") << mode;
      EXPECT_FALSE(row.tx_tone_editor || row.rx_tone_editor) << mode;
    }
    EXPECT_EQ(line_of(sheet, kOptionFields), std::string(mode) + "|禁止|开|关|1:美国频率|10");
  }
  EXPECT_EQ(mode_of("2:专业模式 "), ToneMode::Normal);  // only the very item is professional
}

// Frequencies are formatted without the raster check: by the transmit editor the receive column
// only, by the receive editor both.
TEST(GridEdit, OpeningAToneEditorFormatsAndCommitsTheOneOpenInItsColumnOnly) {
  Sheet sheet = startup_sheet();
  const auto editors = [&sheet](int rx, int tx) {
    return sheet.rows[rx].rx_tone_editor.value_or("closed") + "|" +
           sheet.rows[tx].tx_tone_editor.value_or("closed");
  };
  sheet.rows[1].rx_frequency = sheet.rows[1].tx_frequency = "451.003";
  open_tx_tone_editor(sheet, 9);
  EXPECT_EQ(sheet.rows[1].rx_frequency + " " + sheet.rows[1].tx_frequency, "451.00300 451.003");
  sheet.rows[9].tx_tone_editor = "D026";  // the user's choice, not yet in the cell
  open_rx_tone_editor(sheet, 5);
  EXPECT_EQ(sheet.rows[1].tx_frequency, "451.00300");
  sheet.rows[5].rx_tone_editor = "D025";
  open_rx_tone_editor(sheet, 6);  // commits row 5's receive editor only
  EXPECT_EQ(sheet.rows[5].rx_tone + "|" + sheet.rows[9].tx_tone, "D025|OFF");
  EXPECT_EQ(editors(5, 9), "closed|D026");
  EXPECT_EQ(editors(6, 9), "OFF|D026");
  open_tx_tone_editor(sheet, 3);  // commits row 9's transmit editor only
  EXPECT_EQ(sheet.rows[9].tx_tone, "D026");
  EXPECT_EQ(editors(6, 9), "OFF|closed");
  EXPECT_EQ(editors(6, 3), "OFF|OFF");
}

TEST(GridEdit, ChoosingATotalOrStepSetsItAndChecksFrequencies) {
  Sheet sheet = startup_sheet();
  sheet.rows[20].rx_frequency = "451.003";
  sheet.rows[20].rx_tone = "D023";  // a row out of use keeps its texts
  choose_in_box(sheet, kChannelTotalBox, "10");
  choose_in_box(sheet, kFillStepBox, "900");
  EXPECT_EQ(sheet.channel_total + " " + sheet.fill_step, "10 900");
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < 10) << i;
  EXPECT_EQ(sheet.rows[20].rx_frequency + " " + sheet.rows[20].rx_tone, "451.00000 D023");
}

TEST(GridEdit, AToneChoiceStaysInItsOpenEditorUntilItCommits) {
  for (const bool open : {true, false}) {
    Sheet sheet = startup_sheet();
    if (open) {
      open_tx_tone_editor(sheet, 4);
      open_rx_tone_editor(sheet, 4);
    }
    choose_in_box(sheet, 4, "D023");
    sheet.rows[7].rx_frequency = "451.003";
    change_rx_tone_editor(sheet, 4, "67.0");  // checks and formats the frequencies too
    EXPECT_EQ(sheet.rows[7].rx_frequency, "451.00000");
    EXPECT_EQ(sheet.rows[4].tx_tone + " " + sheet.rows[4].rx_tone, "OFF OFF");
    commit_edits(sheet);  // a closed editor changes no cell
    EXPECT_EQ(sheet.rows[4].tx_tone + " " + sheet.rows[4].rx_tone, open ? "D023 67.0" : "OFF OFF");
  }
  EXPECT_EQ(toggled_bandwidth("宽带"), "窄带");
  EXPECT_EQ(toggled_bandwidth(""), "宽带");  // neither text: becomes wide
}

// Enter moves on as Tab does; the neighbours of '0' and '9', Tab and line feed are dropped.
TEST(GridEdit, ReceiveFrequencyKeysAndPastesPassDigitsPointAndEditingKeysOnly) {
  for (int key = '0'; key <= '9'; ++key) EXPECT_EQ(frequency_key_action(key), KeyAction::Pass);
  for (const int key : {int{'.'}, 8, 127}) EXPECT_EQ(frequency_key_action(key), KeyAction::Pass);
  EXPECT_EQ(frequency_key_action(13), KeyAction::MoveFocus);
  for (const int key : {int{'/'}, int{':'}, int{'a'}, 9, 10})
    EXPECT_EQ(frequency_key_action(key), KeyAction::Drop) << key;
  for (const char* text : {"462.5625", "45"}) EXPECT_TRUE(frequency_paste_allowed(text)) << text;
  for (const char* text : {"1.2.3", " 450", ""}) EXPECT_FALSE(frequency_paste_allowed(text));
}

}  // namespace
}  // namespace m27
