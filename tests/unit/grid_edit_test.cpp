#include "channels/grid_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "channels/channel_table.h"
#include "sheet_line.h"

namespace m27 {
namespace {

TEST(GridEdit, OpeningAToneEditorCommitsTheOneOpenInItsColumnOnly) {
  Sheet sheet = startup_sheet();
  open_rx_tone_editor(sheet, 5);
  sheet.rows[5].rx_tone_editor = "D025";  // the user's choice, not yet in the cell
  open_tx_tone_editor(sheet, 9);
  sheet.rows[9].tx_tone_editor = "D026";
  open_rx_tone_editor(sheet, 6);  // commits row 5's receive editor only
  EXPECT_EQ(sheet.rows[5].rx_tone, "D025");
  EXPECT_FALSE(sheet.rows[5].rx_tone_editor);
  EXPECT_EQ(sheet.rows[6].rx_tone_editor, "OFF");
  EXPECT_EQ(sheet.rows[9].tx_tone_editor, "D026");
  EXPECT_EQ(sheet.rows[9].tx_tone, "OFF");
  open_tx_tone_editor(sheet, 3);  // commits row 9's transmit editor
  EXPECT_EQ(sheet.rows[9].tx_tone, "D026");
  EXPECT_FALSE(sheet.rows[9].tx_tone_editor);
  EXPECT_EQ(sheet.rows[3].tx_tone_editor, "OFF");
  EXPECT_EQ(sheet.rows[6].rx_tone_editor, "OFF");
}

TEST(GridEdit, OpeningAnEditorFormatsFrequenciesWithoutTheRasterCheck) {
  struct Case {
    void (*open)(Sheet&, int);
    const char* tx_after;
  };
  const Case kCases[] = {{open_tx_tone_editor, "451.003"}, {open_rx_tone_editor, "451.00300"}};
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[1].rx_frequency = "451.003";
    sheet.rows[1].tx_frequency = "451.003";
    c.open(sheet, 0);
    EXPECT_EQ(sheet.rows[1].rx_frequency, "451.00300");
    EXPECT_EQ(sheet.rows[1].tx_frequency, c.tx_after);
  }
}

TEST(GridEdit, FrequencyClickChecksFormatsAndCommitsEverything) {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[1], kRowFields, "451.003|450.0251|OFF|OFF|窄带");
  sheet.rows[1].tx_tone_editor = "D023";
  sheet.rows[3].rx_tone_editor = "67.0";
  frequency_click(sheet);
  EXPECT_EQ(line_of(sheet.rows[1], kRowFields), "451.00000|450.02500|OFF|D023|窄带");
  EXPECT_EQ(line_of(sheet.rows[3], kRowFields), "451.62500|451.62500|67.0|OFF|窄带");
  EXPECT_FALSE(sheet.rows[1].tx_tone_editor || sheet.rows[3].rx_tone_editor);
}

TEST(GridEdit, ChoosingATotalOrStepSetsItAndChecksFrequencies) {
  Sheet sheet = startup_sheet();
  sheet.rows[20].rx_frequency = "451.003";
  sheet.rows[20].rx_tone = "D023";  // a row out of use keeps its texts
  choose_in_box(sheet, 60, "10");
  choose_in_box(sheet, 62, "900");
  EXPECT_EQ(sheet.channel_total, "10");
  EXPECT_EQ(sheet.fill_step, "900");
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < 10) << i;
  EXPECT_EQ(sheet.rows[20].rx_frequency + " " + sheet.rows[20].rx_tone, "451.00000 D023");
  EXPECT_EQ(sheet.rows[24].rx_frequency, "462.12500");
}

TEST(GridEdit, AToneChoiceStaysInItsOpenEditorUntilItCommits) {
  for (const bool open : {true, false}) {
    Sheet sheet = startup_sheet();
    if (open) {
      open_tx_tone_editor(sheet, 4);
      open_rx_tone_editor(sheet, 4);
    }
    choose_in_box(sheet, 4, "D023");
    change_rx_tone_editor(sheet, 4, "67.0");
    EXPECT_EQ(sheet.rows[4].tx_tone, "OFF");
    EXPECT_EQ(sheet.rows[4].rx_tone, "OFF");
    commit_edits(sheet);
    EXPECT_EQ(sheet.rows[4].tx_tone, open ? "D023" : "OFF");  // a closed editor changes no cell
    EXPECT_EQ(sheet.rows[4].rx_tone, open ? "67.0" : "OFF");
  }
}

TEST(GridEdit, BandwidthClickToggles) {
  EXPECT_EQ(toggled_bandwidth("宽带"), "窄带");
  EXPECT_EQ(toggled_bandwidth("窄带"), "宽带");
  EXPECT_EQ(toggled_bandwidth(""), "宽带");  // neither text: becomes wide
}

TEST(GridEdit, ReceiveFrequencyKeysAndPastesPassDigitsPointAndEditingKeysOnly) {
  for (int key = '0'; key <= '9'; ++key)
    EXPECT_EQ(frequency_key_action(key), KeyAction::Pass) << key;
  for (const int key : {int{'.'}, 8, 127})
    EXPECT_EQ(frequency_key_action(key), KeyAction::Pass) << key;
  EXPECT_EQ(frequency_key_action(13), KeyAction::MoveFocus);
  const int kBad[] = {
      'a', 'e',  // letters, including the exponent
      '-', '+',  // signs
      ',',       // a decimal comma
      '/', ':',  // the neighbours of '0' and '9'
      ' ',       // a blank
      9,         // Tab
      10,        // line feed is not Enter
      0,         // no key
  };
  for (const int key : kBad) EXPECT_EQ(frequency_key_action(key), KeyAction::Drop) << key;
  for (const char* text : {"462.5625", "45", ".5", "7."}) {
    EXPECT_TRUE(frequency_paste_allowed(text));
  }
  const char* kBadPastes[] = {
      "xyz1",       // letters
      "1.2.3",      // two points in one paste
      "450.125\n",  // a line end copied with it
      " 450",       // a blank
      "",           // nothing
  };
  for (const char* text : kBadPastes) EXPECT_FALSE(frequency_paste_allowed(text)) << text;
}

}  // namespace
}  // namespace m27
