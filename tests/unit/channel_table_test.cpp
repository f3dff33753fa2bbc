#include "channels/channel_table.h"

#include <gtest/gtest.h>

#include <string>

#include "sheet_line.h"

namespace m27 {
namespace {

TEST(ChannelTable, ResetTextMovesFormatsAndCommitsOpenToneEditors) {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[2], kRowFields, "451.003||OFF|OFF|窄带");
  set_line(sheet.rows[7], kRowFields, "abc|462.5625|OFF|OFF|窄带");
  sheet.rows[3].tx_tone_editor = "D023";
  sheet.rows[5].rx_tone_editor = "67.0";
  commit_edits(sheet);
  EXPECT_EQ(line_of(sheet.rows[2], kRowFields), "451.00000|000.00000|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[7], kRowFields), "abc|462.56250|OFF|OFF|窄带");
  EXPECT_EQ(line_of(sheet.rows[3], kRowFields), "451.62500|451.62500|OFF|D023|窄带");
  EXPECT_EQ(line_of(sheet.rows[5], kRowFields), "452.62500|452.62500|67.0|OFF|窄带");
  for (const ChannelRow& row : sheet.rows) EXPECT_TRUE(!row.tx_tone_editor && !row.rx_tone_editor);
}

// The two fill buttons: "接收" fills the receive column, "发射" the transmit column.
struct FillButton {
  std::optional<Message> (*click)(Sheet&);
  std::string ChannelRow::*filled;
  std::string ChannelRow::*kept;
};
const FillButton kFillButtons[] = {
    {fill_receive_frequencies, &ChannelRow::rx_frequency, &ChannelRow::tx_frequency},
    {fill_transmit_frequencies, &ChannelRow::tx_frequency, &ChannelRow::rx_frequency}};

// A series from row 0 in all 25 rows of the column, past the channel total; a row 0 or a step that
// is no number is refused and changes nothing.
TEST(ChannelTable, FillMakesASeriesFromRowZeroOrRefusesToStart) {
  struct Case {
    const char* row0;
    const char* step;
    int row;
    const char* expected;
    const char* message;
  };
  const char* const kRefused = "注意 (!) 第1信道频率输入错误，请重新输入";
  const Case kCases[] = {
      {"450", "100", 0, "450.00000", "nothing"}, {"450", "100", 24, "452.40000", "nothing"},
      {"450", "900", 1, "450.90000", "nothing"}, {"450", "900", 24, "471.60000", "nothing"},
      {"1.2.3", "100", 0, "1.2.3", kRefused},  // two points in row 0
      {"", "100", 24, "462.12500", kRefused},  // row 0 empty
      {"450", "abc", 0, "450", kRefused},      // a fill step that is no number
      {"450", "", 24, "462.12500", kRefused},  // no fill step
  };
  for (const auto& button : kFillButtons) {
    for (const auto& c : kCases) {
      Sheet sheet = startup_sheet();
      sheet.channel_total = "10";
      sheet.rows[0].*button.filled = c.row0;
      sheet.fill_step = c.step;
      EXPECT_EQ(shown(button.click(sheet)), c.message) << c.row0 << " " << c.step;
      EXPECT_EQ(sheet.rows[c.row].*button.filled, c.expected) << c.step << " row " << c.row;
      EXPECT_EQ(sheet.rows[c.row].*button.kept, startup_sheet().rows[c.row].rx_frequency) << c.row;
    }
  }
}

}  // namespace
}  // namespace m27
