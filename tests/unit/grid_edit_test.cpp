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
  sheet.rows[5].Combo3 = "D025";  // the user's choice, not yet in the cell
  open_tx_tone_editor(sheet, 9);
  sheet.rows[9].Combo2 = "D026";
  open_rx_tone_editor(sheet, 6);  // commits row 5's receive editor only
  EXPECT_EQ(sheet.rows[5].Text5, "D025");
  EXPECT_FALSE(sheet.rows[5].Combo3);
  EXPECT_EQ(sheet.rows[6].Combo3, "OFF");
  EXPECT_EQ(sheet.rows[9].Combo2, "D026");
  EXPECT_EQ(sheet.rows[9].Text2, "OFF");
  open_tx_tone_editor(sheet, 3);  // commits row 9's transmit editor
  EXPECT_EQ(sheet.rows[9].Text2, "D026");
  EXPECT_FALSE(sheet.rows[9].Combo2);
  EXPECT_EQ(sheet.rows[3].Combo2, "OFF");
  EXPECT_EQ(sheet.rows[6].Combo3, "OFF");
}

TEST(GridEdit, OpeningAnEditorFormatsFrequenciesWithoutTheRasterCheck) {
  struct Case {
    void (*open)(Sheet&, int);
    const char* Text3_after;
  };
  const Case kCases[] = {{open_tx_tone_editor, "451.003"}, {open_rx_tone_editor, "451.00300"}};
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[1].Text1 = "451.003";
    sheet.rows[1].Text3 = "451.003";
    c.open(sheet, 0);
    EXPECT_EQ(sheet.rows[1].Text1, "451.00300");
    EXPECT_EQ(sheet.rows[1].Text3, c.Text3_after);
  }
}

TEST(GridEdit, FrequencyClickChecksFormatsAndCommitsEverything) {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[1], kRowFields, "451.003|450.0251|OFF|OFF|窄带");
  sheet.rows[1].Combo2 = "D023";
  sheet.rows[3].Combo3 = "67.0";
  frequency_click(sheet);
  EXPECT_EQ(line_of(sheet.rows[1], kRowFields), "451.00000|450.02500|OFF|D023|窄带");
  EXPECT_EQ(line_of(sheet.rows[3], kRowFields), "451.62500|451.62500|67.0|OFF|窄带");
  EXPECT_FALSE(sheet.rows[1].Combo2 || sheet.rows[3].Combo3);
}

TEST(GridEdit, ChoosingATotalOrStepSetsItAndChecksFrequencies) {
  Sheet sheet = startup_sheet();
  sheet.rows[20].Text1 = "451.003";
  Combo2_Click(sheet, 60, "10");
  Combo2_Click(sheet, 62, "900");
  EXPECT_EQ(sheet.Combo2_60, "10");
  EXPECT_EQ(sheet.Combo2_62, "900");
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < 10) << i;
  EXPECT_EQ(sheet.rows[20].Text1, "451.00000");
  EXPECT_EQ(sheet.rows[24].Text1, "462.12500");
}

TEST(GridEdit, AToneChoiceStaysInItsOpenEditorUntilItCommits) {
  for (const bool open : {true, false}) {
    Sheet sheet = startup_sheet();
    if (open) {
      open_tx_tone_editor(sheet, 4);
      open_rx_tone_editor(sheet, 4);
    }
    Combo2_Click(sheet, 4, "D023");
    Combo3_Change(sheet, 4, "67.0");
    EXPECT_EQ(sheet.rows[4].Text2, "OFF");
    EXPECT_EQ(sheet.rows[4].Text5, "OFF");
    RESET_TEXT(sheet);
    EXPECT_EQ(sheet.rows[4].Text2, open ? "D023" : "OFF");  // a closed editor changes no cell
    EXPECT_EQ(sheet.rows[4].Text5, open ? "67.0" : "OFF");
  }
}

TEST(GridEdit, BandwidthClickToggles) {
  EXPECT_EQ(toggled_bandwidth("宽带"), "窄带");
  EXPECT_EQ(toggled_bandwidth("窄带"), "宽带");
  EXPECT_EQ(toggled_bandwidth(""), "宽带");  // neither text: becomes wide
}

TEST(GridEdit, ReceiveFrequencyKeysAndPastesPassDigitsPointAndEditingKeysOnly) {
  for (int key = '0'; key <= '9'; ++key) EXPECT_EQ(Text1_KeyPress(key), KeyAction::Pass) << key;
  for (const int key : {int{'.'}, 8, 127}) EXPECT_EQ(Text1_KeyPress(key), KeyAction::Pass) << key;
  EXPECT_EQ(Text1_KeyPress(13), KeyAction::MoveFocus);
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
  for (const int key : kBad) EXPECT_EQ(Text1_KeyPress(key), KeyAction::Drop) << key;
  for (const char* text : {"462.5625", "45", ".5", "7."}) EXPECT_TRUE(Text1_paste_allowed(text));
  const char* kBadPastes[] = {
      "xyz1",       // letters
      "1.2.3",      // two points in one paste
      "450.125\n",  // a line end copied with it
      " 450",       // a blank
      "",           // nothing
  };
  for (const char* text : kBadPastes) EXPECT_FALSE(Text1_paste_allowed(text)) << text;
}

TEST(GridEdit, TabStopsFollowClicksDoubleClicksAndFiles) {
  struct Case {
    const char* event;
    void (*run)(Sheet&);
    bool Text1_from_off;
    bool Text3_from_off;
  };
  const Case kCases[] = {
      {"frequency click", frequency_click, true, false},
      {"receive double-click", receive_frequency_double_click, true, false},
      {"background double-click", background_double_click, true, true},
      {"file opened or saved", clear_frequency_tab_stops, false, false},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    clear_frequency_tab_stops(sheet);
    c.run(sheet);
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_EQ(row.Text1_tab_stop, c.Text1_from_off) << c.event;
      EXPECT_EQ(row.Text3_tab_stop, c.Text3_from_off) << c.event;
    }
  }
}

}  // namespace
}  // namespace m27
