#include "files/channel_file.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// A sheet whose every text names its own field, so that a field in the wrong line shows.
Sheet labelled_sheet() {
  Sheet sheet = startup_sheet();
  sheet.mode = "mode";
  for (int r = 0; r < kRows; ++r) {
    const std::string n = std::to_string(r);
    sheet.rows[r].rx_frequency = "rx" + n;
    sheet.rows[r].tx_frequency = "tx" + n;
    sheet.rows[r].rx_tone = "rt" + n;
    sheet.rows[r].tx_tone = "tt" + n;
    sheet.rows[r].bandwidth = "bw" + n;
  }
  sheet.plan = "plan";
  sheet.channel_total = "total";
  sheet.fill_step = "step";
  sheet.transmit = "transmit";
  sheet.busy_lockout = "busy";
  sheet.fsk = "fsk";
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
       {&file.mode, &file.rx_frequency[0], &file.rx_frequency[24], &file.tx_frequency[0],
        &file.bandwidth[24], &file.plan, &file.channel_total, &file.fill_step, &file.transmit,
        &file.busy_lockout, &file.fsk}) {
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
  lines[1 + 5] = "451";       // rx_frequency(5)
  lines[26 + 6] = "";         // tx_frequency(6)
  lines[51] = "I754";         // rx_tone(0)
  lines[126] = "2:中国频率";  // plan
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
    sheet.rows[0].rx_frequency = "450.125";
    sheet.rows[1].rx_tone = "D023";
    sheet.rows[3].tx_tone_editor = "D025";
    sheet.rows[4].bandwidth = "宽带";
    sheet.plan = "1:美国频率";
    sheet.channel_total = "10";
    apply_channel_file(sheet, channel_file_from_lines(std::span(lines).first(c.lines)));
    const auto& r = sheet.rows;
    EXPECT_EQ(r[0].rx_frequency + "|" + r[0].rx_tone + "|" + r[1].rx_tone + "|" + r[3].tx_tone +
                  "|" + r[4].bandwidth + "|" + r[5].rx_frequency + "|" + r[6].tx_frequency,
              c.rows)
        << c.lines;
    EXPECT_EQ(sheet.plan, c.plan) << c.lines;
    EXPECT_EQ(sheet.tone_mode, c.lines ? ToneMode::Professional : ToneMode::Normal) << c.lines;
    for (int i = 0; i < kRows; ++i) {
      EXPECT_FALSE(r[i].tx_tone_editor || r[i].rx_tone_editor || r[i].rx_tab_stop ||
                   r[i].tx_tab_stop)
          << i;
      EXPECT_EQ(r[i].enabled, i < c.enabled_rows) << c.lines << " row " << i;
    }
  }
}

}  // namespace
}  // namespace m27
