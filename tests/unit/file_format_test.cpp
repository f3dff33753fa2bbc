#include "files/file_format.h"

#include <gtest/gtest.h>

#include "channels/options.h"

namespace m27 {
namespace {

TEST(FileFormat, WritesTheStartupSheetByteForByte) {
  std::string expected = "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\r\n";  // 1:普通模式
  for (int column = 0; column < 2; ++column) {
    for (int r = 0; r < kRows; ++r) {  // 450.125 MHz + r * 0.5 MHz
      expected += std::to_string(450 + r / 2) + (r % 2 ? ".62500\r\n" : ".12500\r\n");
    }
  }
  for (int k = 0; k < 2 * kRows; ++k) expected += "OFF\r\n";
  for (int r = 0; r < kRows; ++r) expected += "\xD5\xAD\xB4\xF8\r\n";  // 窄带
  expected += "4:\xD7\xD4\xB6\xA8\xD2\xE5\xC6\xB5\xC2\xCA\r\n";        // 4:自定义频率
  expected += "25\r\n100\r\n";
  expected += "\xD4\xCA\xD0\xED\r\n";      // 允许
  expected += "\xB9\xD8\r\n\xB9\xD8\r\n";  // 关 关

  const auto bytes = encode_channel_file(channel_file_of(startup_sheet()));
  ASSERT_TRUE(bytes) << bytes.reason();
  EXPECT_EQ(*bytes, expected);
}

TEST(FileFormat, ReadsEveryKindOfLineEndAlike) {
  const ChannelFile expected =
      channel_file_from_lines(std::vector<std::string>{"1:普通模式", "450.12500", "", "OFF"});
  const std::string mode = "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD";
  const std::string kFiles[] = {
      mode + "\r\n450.12500\r\n\r\nOFF\r\n", mode + "\n450.12500\n\nOFF\n",
      mode + "\r\n450.12500\r\n\r\nOFF",  // no end on the last line
      mode + "\n450.12500\r\n\nOFF\r",    // mixed, the last line ends in CR only
  };
  for (const auto& bytes : kFiles) {
    const auto file = decode_channel_file(bytes);
    ASSERT_TRUE(file) << file.reason();
    EXPECT_EQ(*file, expected) << bytes;
  }
  EXPECT_EQ(*decode_channel_file(""), ChannelFile{});
}

TEST(FileFormat, ReadsBackWhatItWrote) {
  ChannelFile file = channel_file_of(startup_sheet());
  file.mode = kProfessionalMode;
  file.rx_tone[0] = "I754";
  file.tx_tone[24] = "254.1";
  file.bandwidth[3] = "宽带";
  file.busy_lockout = "€";  // the one single-byte character of GBK above ASCII
  file.fsk = "ab\r";        // a trailing CR survives: only the one of the line end is dropped
  const auto bytes = encode_channel_file(file);
  ASSERT_TRUE(bytes) << bytes.reason();
  const auto back = decode_channel_file(*bytes);
  ASSERT_TRUE(back) << back.reason();
  EXPECT_EQ(*back, file);
}

TEST(FileFormat, RefusesALineThatIsNoGbk) {
  struct Case {
    std::string_view bytes;
    const char* reason;
  };
  const Case kBad[] = {
      // 0xFF is never a GBK byte.
      {"1:\xC6\xD5\r\n\xFF\r\n", "第2行不是有效的GBK文字"},
      // A lead byte whose trail byte would be the CR: half a character.
      {"A\r\nB\r\n\xC6\r\nD", "第3行不是有效的GBK文字"},
      // 0x7F can follow no lead byte.
      {"A\nB\nC\nD\n\x81\x7F", "第5行不是有效的GBK文字"},
  };
  for (const auto& c : kBad) {
    const auto file = decode_channel_file(c.bytes);
    ASSERT_FALSE(file) << c.reason;
    EXPECT_EQ(file.reason(), c.reason);
  }
}

TEST(FileFormat, RefusesTextsThatCannotBeWritten) {
  struct Case {
    void (*edit)(ChannelFile&);
    const char* reason;
  };
  const Case kBad[] = {
      // An emoji typed into the transmit tone of row 4 (line 77 + 4).
      {[](ChannelFile& f) { f.tx_tone[4] = "😀"; }, "第81行含有GBK无法表示的字符"},
      // Thai has no GBK code.
      {[](ChannelFile& f) { f.mode = "ก"; }, "第1行含有GBK无法表示的字符"},
      // A line break would move every later line into the next field.
      {[](ChannelFile& f) { f.plan = "1:美国\n频率"; }, "第127行含有换行符"},
      // Too large to be opened again.
      {[](ChannelFile& f) { f.fsk = std::string(65536, 'x'); }, "文件将大于65536字节"},
  };
  for (const auto& c : kBad) {
    ChannelFile file = channel_file_of(startup_sheet());
    c.edit(file);
    const auto bytes = encode_channel_file(file);
    ASSERT_FALSE(bytes) << c.reason;
    EXPECT_EQ(bytes.reason(), c.reason);
  }
}

}  // namespace
}  // namespace m27
