// SPDX-License-Identifier: GPL-3.0-or-later
// Channel files from both sides: the 132 texts in file order and the GBK bytes they become, a
// file cut short or with settings repeated, its opening into a sheet, and every refusal.

#include "files/channel_file.h"

#include <gtest/gtest.h>

#include "files/file_format.h"
#include "sheet_line.h"

namespace m27 {
namespace {

TEST(ChannelFile, WritesTheStartupSheetByteForByte) {
  std::string expected = "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\r\n";  // 1:普通模式
  for (int column = 0; column < 2; ++column) {
    for (int r = 0; r < kRows; ++r) {  // 450.125 MHz + r * 0.5 MHz
      expected += std::to_string(450 + r / 2) + (r % 2 ? ".62500\r\n" : ".12500\r\n");
    }
  }
  for (int k = 0; k < 2 * kRows; ++k) expected += "OFF\r\n";
  for (int r = 0; r < kRows; ++r) expected += "\xD5\xAD\xB4\xF8\r\n";       // 窄带
  expected += "4:\xD7\xD4\xB6\xA8\xD2\xE5\xC6\xB5\xC2\xCA\r\n";             // 4:自定义频率
  expected += "25\r\n100\r\n\xD4\xCA\xD0\xED\r\n\xB9\xD8\r\n\xB9\xD8\r\n";  // 允许 关 关
  EXPECT_EQ(*encode_channel_file(channel_file_of(startup_sheet())), expected);
}

// Every text names its own field, so that a field in the wrong line shows. "€" is the one
// single-byte character of GBK above ASCII; a trailing CR survives: only the line end's goes.
TEST(ChannelFile, WritesTheLinesColumnByColumnAndReadsThemBack) {
  Sheet sheet = startup_sheet();
  for (int r = 0; r < kRows; ++r) {
    const std::string n = std::to_string(r);
    set_line(sheet.rows[r], kRowFields, "1." + n + "|2." + n + "|rt" + n + "|tt" + n + "|bw" + n);
  }
  set_line(sheet, kOptionFields, "mode|transmit|€|ab\r|plan|total");
  sheet.fill_step = "step";
  const ChannelFile file = channel_file_of(sheet);
  std::vector<std::string> lines = {"mode"};  // the columns in file order
  for (const std::string column : {"1.", "2.", "rt", "tt", "bw"}) {
    for (int r = 0; r < kRows; ++r) lines.push_back(column + std::to_string(r));
  }
  lines.insert(lines.end(), {"plan", "total", "step", "transmit", "€", "ab\r"});
  EXPECT_EQ(channel_file_lines(file), lines);
  EXPECT_EQ(channel_file_from_lines(lines), file);
  EXPECT_EQ(*decode_channel_file(*encode_channel_file(file)), file);
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
    line += (line.empty() ? "" : "|") + field->value_or("-");
  }
  return line;
}

// A second group of settings sets them again; a partial one only as far as it goes.
TEST(ChannelFile, ReadsAsManyFieldsAsTheFileHasLines) {
  const std::pair<int, const char*> kCases[] = {
      {1, "L1|-|-|-|-|-|-|-|-|-|-"},
      {26, "L1|L2|L26|-|-|-|-|-|-|-|-"},
      {27, "L1|L2|L26|L27|-|-|-|-|-|-|-"},
      {126, "L1|L2|L26|L27|L126|-|-|-|-|-|-"},
      {127, "L1|L2|L26|L27|L126|L127|-|-|-|-|-"},
      {135, "L1|L2|L26|L27|L126|L133|L134|L135|L130|L131|L132"},
      {138, "L1|L2|L26|L27|L126|L133|L134|L135|L136|L137|L138"},
  };
  for (const auto& [count, fields] : kCases) {
    std::vector<std::string> lines;  // "L1", "L2", ...: a field's text names its line
    for (int k = 1; k <= count; ++k) lines.push_back("L" + std::to_string(k));
    EXPECT_EQ(watched(channel_file_from_lines(lines)), fields) << count;
  }
}

// The mode line changes the tone table (every tone off); the grid comes
// from the file, then the settings; the plan is shown but not applied; no line only normalises.
TEST(ChannelFile, OpeningSetsTheFieldsTheFileHasAfterItsModeAndNormalises) {
  std::vector<std::string> lines = channel_file_lines(channel_file_of(startup_sheet()));
  lines[0] = "2:专业模式";
  lines[1 + 5] = "451";       // rx_frequency(5)
  lines[26 + 6] = "";         // tx_frequency(6)
  lines[51] = "I754";         // rx_tone(0)
  lines[126] = "2:中国频率";  // plan
  lines[127] = "3";           // channel total
  const std::tuple<std::size_t, const char*, const char*, int> kCases[] = {
      {0, "450.12500|OFF|D023|D025|宽带|452.62500|453.12500", "1:美国频率", 10},
      {1, "450.12500|OFF|OFF|OFF|宽带|452.62500|453.12500", "1:美国频率", 10},
      {126, "450.12500|I754|OFF|OFF|窄带|451.00000|000.00000", "1:美国频率", 10},
      {132, "450.12500|I754|OFF|OFF|窄带|451.00000|000.00000", "2:中国频率", 3},
  };
  for (const auto& [count, rows, plan, enabled_rows] : kCases) {
    Sheet sheet = startup_sheet();
    sheet.rows[0].rx_frequency = "450.125";
    sheet.rows[1].rx_tone = "D023";
    sheet.rows[3].tx_tone = "D025";
    sheet.rows[4].bandwidth = "宽带";
    sheet.plan = "1:美国频率";
    sheet.channel_total = "10";
    apply_channel_file(sheet, channel_file_from_lines(std::span(lines).first(count)));
    const auto& r = sheet.rows;
    EXPECT_EQ(r[0].rx_frequency + "|" + r[0].rx_tone + "|" + r[1].rx_tone + "|" + r[3].tx_tone +
                  "|" + r[4].bandwidth + "|" + r[5].rx_frequency + "|" + r[6].tx_frequency,
              rows)
        << count;
    EXPECT_EQ(sheet.plan, plan) << count;
    EXPECT_EQ(sheet.tone_mode, count ? ToneMode::Professional : ToneMode::Normal) << count;
    for (int i = 0; i < kRows; ++i)
      EXPECT_EQ(r[i].enabled, i < enabled_rows) << count << " row " << i;
  }
}

// CR LF and LF end lines alike, and so does a CR at the end (a file without one is read whole by
// the open commands' tests). 0xFF is never a GBK byte; a lead byte whose trail byte would be the
// CR is half a character; 0x7F can follow no lead byte.
TEST(ChannelFile, ReadsEveryKindOfLineEndAlikeAndRefusesALineThatIsNoGbk) {
  const std::string bytes = "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\n450.12500\r\n\n451\r";
  EXPECT_EQ(*decode_channel_file(bytes), channel_file_from_lines(std::vector<std::string>{
                                             "1:普通模式", "450.12500", "", "451"}));
  EXPECT_EQ(line_count(bytes), 4u);
  EXPECT_EQ(*decode_channel_file(""), ChannelFile{});
  const std::pair<std::string_view, const char*> kBad[] = {
      {"1:\xC6\xD5\r\n\xFF\r\n", "第2行不是有效的GBK文字"},
      {"A\r\nB\r\n\xC6\r\nD", "第3行不是有效的GBK文字"},
      {"A\nB\nC\nD\n\x81\x7F", "第5行不是有效的GBK文字"},
  };
  for (const auto& [bad, reason] : kBad) {
    EXPECT_EQ(source_text(decode_channel_file(bad).why()), reason);
  }
}

// An emoji in the transmit tone of row 4 (line 77 + 4) has no GBK code; a line break
// would move every later line into the next field; a file over 64 KiB could not be opened again;
// a frequency (lines 2 to 51) that is neither empty nor digits with at most one point, however
// long, would not open again either.
TEST(ChannelFile, RefusesTextsThatCannotBeWritten) {
  const auto startup = channel_file_lines(channel_file_of(startup_sheet()));
  const std::size_t room =
      65536 - encode_channel_file(channel_file_of(startup_sheet()))->size() + 2;
  const std::tuple<int, std::string, const char*> kCases[] = {
      {80, "😀", "第81行含有GBK无法表示的字符"},
      {126, "1:美国\n频率", "第127行含有换行符"},
      {131, std::string(room + 1, 'x'), "文件将大于65536字节"},
      {131, std::string(room, 'x'), ""},  // "关" was 2 bytes
      {1, "hello world", "第2行（接收频率）：“hello world”不是有效的频率"},
      {50, "-4.5", "第51行（发射频率）：“-4.5”不是有效的频率"},
      {50, "99999.00000", ""},  // however long
      {51, "hello", ""},
  };
  for (const auto& [line, text, reason] : kCases) {
    auto lines = startup;
    lines[line] = text;
    const auto bytes = encode_channel_file(channel_file_from_lines(lines));
    EXPECT_EQ(bytes ? "" : source_text(bytes.why()), reason);
  }
}

}  // namespace
}  // namespace m27
