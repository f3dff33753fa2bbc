#include "files/channel_file.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// A sheet whose every text names its own field, so that a field in the wrong line shows.
Sheet labelled_sheet() {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = "mode";
  for (int r = 0; r < kRows; ++r) {
    const std::string n = std::to_string(r);
    sheet.rows[r].Text1 = "rx" + n;
    sheet.rows[r].Text3 = "tx" + n;
    sheet.rows[r].Text5 = "rt" + n;
    sheet.rows[r].Text2 = "tt" + n;
    sheet.rows[r].Text4 = "bw" + n;
  }
  sheet.Combo1 = "plan";
  sheet.Combo2_60 = "total";
  sheet.Combo2_62 = "step";
  sheet.Combo5 = "transmit";
  sheet.Combo6 = "busy";
  sheet.Combo7 = "fsk";
  return sheet;
}

TEST(ChannelFile, WritesTheLinesColumnByColumnInFileOrderAndReadsThemBack) {
  const ChannelFile file = channel_file_of(labelled_sheet());
  const auto lines = channel_file_lines(file);
  ASSERT_EQ(lines.size(), 132u);
  struct Case {
    int first_line;  // 1-based, of row 0
    const char* prefix;
  };
  const Case kColumns[] = {{2, "rx"}, {27, "tx"}, {52, "rt"}, {77, "tt"}, {102, "bw"}};
  for (const auto& c : kColumns) {
    for (int r = 0; r < kRows; ++r) {
      EXPECT_EQ(lines[c.first_line - 1 + r], c.prefix + std::to_string(r)) << c.first_line;
    }
  }
  EXPECT_EQ(lines[0], "mode");
  EXPECT_EQ(std::vector(lines.begin() + 126, lines.end()),
            (std::vector<std::string>{"plan", "total", "step", "transmit", "busy", "fsk"}));
  EXPECT_EQ(channel_file_from_lines(lines), file);
}

// The fields a test watches, "-" for one the file leaves out: the mode, the first and last of
// the receive column (lines 2 and 26), the first transmit frequency (line 27), the last
// bandwidth (line 126), and the six settings.
std::string watched(const ChannelFile& file) {
  std::string line;
  for (const auto* field :
       {&file.mode, &file.Text1[0], &file.Text1[24], &file.Text3[0], &file.Text4[24], &file.Combo1,
        &file.Combo2_60, &file.Combo2_62, &file.Combo5, &file.Combo6, &file.Combo7}) {
    if (!line.empty()) line += '|';
    line += field->value_or("-");
  }
  return line;
}

TEST(ChannelFile, ReadsAsManyFieldsAsTheFileHasLines) {
  struct Case {
    int lines;
    const char* fields;
  };
  const Case kCases[] = {
      {0, "-|-|-|-|-|-|-|-|-|-|-"},
      {1, "L1|-|-|-|-|-|-|-|-|-|-"},
      {26, "L1|L2|L26|-|-|-|-|-|-|-|-"},
      {27, "L1|L2|L26|L27|-|-|-|-|-|-|-"},
      {126, "L1|L2|L26|L27|L126|-|-|-|-|-|-"},
      {127, "L1|L2|L26|L27|L126|L127|-|-|-|-|-"},
      {132, "L1|L2|L26|L27|L126|L127|L128|L129|L130|L131|L132"},
      // A second group of settings sets them again; a partial one only as far as it goes.
      {135, "L1|L2|L26|L27|L126|L133|L134|L135|L130|L131|L132"},
      {138, "L1|L2|L26|L27|L126|L133|L134|L135|L136|L137|L138"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> lines;  // "L1", "L2", ...: a field's text names its line
    for (int k = 1; k <= c.lines; ++k) lines.push_back(std::string("L").append(std::to_string(k)));
    EXPECT_EQ(watched(channel_file_from_lines(lines)), c.fields) << c.lines;
  }
}

TEST(ChannelFile, OpeningSetsTheFieldsTheFileHasAfterItsModeAndNormalises) {
  std::vector<std::string> lines = channel_file_lines(channel_file_of(startup_sheet()));
  lines[0] = "2:专业模式";
  lines[1 + 5] = "451";       // Text1(5)
  lines[26 + 6] = "";         // Text3(6)
  lines[51] = "I754";         // Text5(0)
  lines[126] = "2:中国频率";  // Combo1
  lines[127] = "3";           // channel total
  struct Case {
    std::size_t lines;
    const char* rows;  // rows 0, 1, 3 (a tone editor open), 4, 5 and 6 after the opening
    const char* plan;
    int enabled_rows;
  };
  const Case kCases[] = {
      // No line only normalises: the frequency is formatted and the open editor commits.
      {0, "450.12500|OFF|D023|D025|宽带|452.62500|453.12500", "1:美国频率", 10},
      // The mode line changes the tone table: every tone off, editors closed unused.
      {1, "450.12500|OFF|OFF|OFF|宽带|452.62500|453.12500", "1:美国频率", 10},
      // The grid comes from the file, the settings stay.
      {126, "450.12500|I754|OFF|OFF|窄带|451.00000|000.00000", "1:美国频率", 10},
      // The settings too; the plan is shown but not applied.
      {132, "450.12500|I754|OFF|OFF|窄带|451.00000|000.00000", "2:中国频率", 3},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[0].Text1 = "450.125";
    sheet.rows[1].Text5 = "D023";
    sheet.rows[3].Combo2 = "D025";
    sheet.rows[4].Text4 = "宽带";
    sheet.Combo1 = "1:美国频率";
    sheet.Combo2_60 = "10";
    apply_channel_file(sheet, channel_file_from_lines(std::span(lines).first(c.lines)));
    const auto& r = sheet.rows;
    EXPECT_EQ(r[0].Text1 + "|" + r[0].Text5 + "|" + r[1].Text5 + "|" + r[3].Text2 + "|" +
                  r[4].Text4 + "|" + r[5].Text1 + "|" + r[6].Text3,
              c.rows)
        << c.lines;
    EXPECT_EQ(sheet.Combo1, c.plan) << c.lines;
    EXPECT_EQ(sheet.tone_mode, c.lines ? ToneMode::Professional : ToneMode::Normal) << c.lines;
    for (int i = 0; i < kRows; ++i) {
      EXPECT_FALSE(r[i].Combo2 || r[i].Combo3 || r[i].Text1_tab_stop || r[i].Text3_tab_stop) << i;
      EXPECT_EQ(r[i].enabled, i < c.enabled_rows) << c.lines << " row " << i;
    }
  }
}

}  // namespace
}  // namespace m27
