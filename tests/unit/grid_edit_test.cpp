#include "channels/grid_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "channels/channel_table.h"

namespace m27 {
namespace {

TEST(GridEdit, OpeningATransmitEditorCommitsTheOneOpenInTheColumn) {
  Sheet sheet = startup_sheet();
  open_tx_tone_editor(sheet, 7);
  sheet.rows[7].Combo2 = "D023";  // the user's choice, not yet in the cell
  open_tx_tone_editor(sheet, 3);
  EXPECT_EQ(sheet.rows[7].Text2, "D023");
  EXPECT_FALSE(sheet.rows[7].Combo2);
  EXPECT_EQ(sheet.rows[3].Combo2, "OFF");
  EXPECT_EQ(sheet.rows[3].Text2, "OFF");
}

TEST(GridEdit, OpeningAReceiveEditorCommitsTheOneOpenInTheColumn) {
  Sheet sheet = startup_sheet();
  open_rx_tone_editor(sheet, 0);
  sheet.rows[0].Combo3 = "67.0";
  open_rx_tone_editor(sheet, 24);
  EXPECT_EQ(sheet.rows[0].Text5, "67.0");
  EXPECT_FALSE(sheet.rows[0].Combo3);
  EXPECT_EQ(sheet.rows[24].Combo3, "OFF");
}

TEST(GridEdit, EditorsOfTheTwoToneColumnsStayOpenTogetherUntilResetText) {
  Sheet sheet = startup_sheet();
  open_rx_tone_editor(sheet, 5);
  sheet.rows[5].Combo3 = "D025";
  open_tx_tone_editor(sheet, 9);
  sheet.rows[9].Combo2 = "D026";
  open_rx_tone_editor(sheet, 6);  // commits row 5's receive editor only
  EXPECT_EQ(sheet.rows[5].Text5, "D025");
  EXPECT_EQ(sheet.rows[9].Combo2, "D026");
  EXPECT_EQ(sheet.rows[9].Text2, "OFF");
  EXPECT_EQ(sheet.rows[6].Combo3, "OFF");
  RESET_TEXT(sheet);
  EXPECT_EQ(sheet.rows[9].Text2, "D026");
  EXPECT_FALSE(sheet.rows[9].Combo2);
  EXPECT_FALSE(sheet.rows[6].Combo3);
}

TEST(GridEdit, AnEditorShowsACellTextThatIsNotInTheList) {
  Sheet sheet = startup_sheet();
  sheet.rows[2].Text2 = "100.0";
  sheet.rows[2].Text5 = "";
  open_tx_tone_editor(sheet, 2);
  open_rx_tone_editor(sheet, 2);
  EXPECT_EQ(sheet.rows[2].Combo2, "100.0");
  EXPECT_EQ(sheet.rows[2].Combo3, "");
}

TEST(GridEdit, OpeningAnEditorFormatsFrequenciesWithoutTheRasterCheck) {
  struct Case {
    bool receive_editor;
    const char* Text3_after;
  };
  const Case kCases[] = {{false, "451.003"}, {true, "451.00300"}};
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[1].Text1 = "451.003";
    sheet.rows[1].Text3 = "451.003";
    if (c.receive_editor) {
      open_rx_tone_editor(sheet, 0);
    } else {
      open_tx_tone_editor(sheet, 0);
    }
    EXPECT_EQ(sheet.rows[1].Text1, "451.00300");
    EXPECT_EQ(sheet.rows[1].Text3, c.Text3_after);
  }
}

TEST(GridEdit, FrequencyClickChecksFormatsAndCommitsEverything) {
  Sheet sheet = startup_sheet();
  sheet.rows[1].Text1 = "451.003";
  sheet.rows[1].Text3 = "450.0251";
  sheet.rows[2].Combo2 = "D023";
  sheet.rows[3].Combo3 = "67.0";
  frequency_click(sheet);
  EXPECT_EQ(sheet.rows[1].Text1, "451.00000");
  EXPECT_EQ(sheet.rows[1].Text3, "450.02500");
  EXPECT_EQ(sheet.rows[2].Text2, "D023");
  EXPECT_EQ(sheet.rows[3].Text5, "67.0");
  EXPECT_FALSE(sheet.rows[2].Combo2);
  EXPECT_FALSE(sheet.rows[3].Combo3);
}

TEST(GridEdit, ChoosingAChannelTotalEnablesRowsAndChecksFrequencies) {
  Sheet sheet = startup_sheet();
  sheet.rows[20].Text1 = "451.003";
  Combo2_Click(sheet, 60, "10");
  EXPECT_EQ(sheet.Combo2_60, "10");
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < 10) << i;
  EXPECT_EQ(sheet.rows[20].Text1, "451.00000");
}

TEST(GridEdit, ChoosingAFillStepChangesOnlyTheStep) {
  Sheet sheet = startup_sheet();
  Combo2_Click(sheet, 62, "900");
  EXPECT_EQ(sheet.Combo2_62, "900");
  EXPECT_EQ(sheet.Combo2_60, "25");
  EXPECT_EQ(sheet.rows[24].Text1, "462.12500");
}

TEST(GridEdit, AToneChoiceStaysInTheEditorUntilItCommits) {
  Sheet sheet = startup_sheet();
  open_tx_tone_editor(sheet, 4);
  open_rx_tone_editor(sheet, 4);
  Combo2_Click(sheet, 4, "D023");
  Combo3_Change(sheet, 4, "67.0");
  EXPECT_EQ(sheet.rows[4].Combo2, "D023");
  EXPECT_EQ(sheet.rows[4].Combo3, "67.0");
  EXPECT_EQ(sheet.rows[4].Text2, "OFF");
  EXPECT_EQ(sheet.rows[4].Text5, "OFF");
  RESET_TEXT(sheet);
  EXPECT_EQ(sheet.rows[4].Text2, "D023");
  EXPECT_EQ(sheet.rows[4].Text5, "67.0");
}

TEST(GridEdit, AChoiceForAClosedEditorChangesNoCell) {
  Sheet sheet = startup_sheet();
  Combo2_Click(sheet, 4, "D023");
  Combo3_Change(sheet, 4, "67.0");
  EXPECT_EQ(sheet.rows[4].Text2, "OFF");
  EXPECT_EQ(sheet.rows[4].Text5, "OFF");
  EXPECT_FALSE(sheet.rows[4].Combo2);
  EXPECT_FALSE(sheet.rows[4].Combo3);
}

TEST(GridEdit, BandwidthClickToggles) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case kCases[] = {
      {"宽带", "窄带"},
      {"窄带", "宽带"},
      {"", "宽带"},  // neither text: becomes wide
      {"wide", "宽带"},
  };
  for (const auto& c : kCases) EXPECT_EQ(toggled_bandwidth(c.before), c.after) << c.before;
}

TEST(GridEdit, ReceiveFrequencyKeysPassDigitsPointAndEditingKeys) {
  for (int key = '0'; key <= '9'; ++key) EXPECT_EQ(Text1_KeyPress(key), KeyAction::Pass) << key;
  EXPECT_EQ(Text1_KeyPress('.'), KeyAction::Pass);
  EXPECT_EQ(Text1_KeyPress(8), KeyAction::Pass);
  EXPECT_EQ(Text1_KeyPress(127), KeyAction::Pass);
  EXPECT_EQ(Text1_KeyPress(13), KeyAction::MoveFocus);
}

TEST(GridEdit, ReceiveFrequencyKeysDropEverythingElse) {
  const int kBad[] = {
      'a', 'e',  // letters, including the exponent
      '-', '+',  // signs
      ',',       // a decimal comma
      '/', ':',  // the neighbours of '0' and '9'
      ' ',       // a blank
      9,         // Tab
      10,        // line feed is not Enter
      27,        // Escape
      0,         // no key
  };
  for (const int key : kBad) EXPECT_EQ(Text1_KeyPress(key), KeyAction::Drop) << key;
}

TEST(GridEdit, TabStopsFollowClicksDoubleClicksAndFiles) {
  using Event = void (*)(Sheet&);
  struct Case {
    const char* event;
    Event run;
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

TEST(GridEdit, ReceiveDoubleClickDerivesThePlanIndexAndFormatsNothing) {
  Sheet sheet = startup_sheet();
  sheet.Combo1 = "1:美国频率";
  sheet.rows[0].Text1 = "450.1";
  receive_frequency_double_click(sheet);
  EXPECT_EQ(sheet.std_index, 0);
  EXPECT_EQ(sheet.rows[0].Text1, "450.1");
}

}  // namespace
}  // namespace m27
