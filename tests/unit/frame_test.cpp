#include "link/frame.h"

#include <gtest/gtest.h>

#include "channels/sheet.h"
#include "link/requests.h"

namespace m27 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Frame, FixedRequestsAreByteExact) {
  struct Case {
    const char* name;
    Frame frame;
    Bytes expected;
  };
  const Case kCases[] = {
      {"end", Put_End(), {0x45, 0x00, 0x45}},
      {"option read", Ask_Opt_Data(), {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A}},
      {"channel read row 0", Ask_Chn_Data(0), {0x52, 0x03, 0x00, 0x00, 0x05, 0x5A}},
      {"channel read row 24", Ask_Chn_Data(24), {0x52, 0x03, 0x18, 0x00, 0x05, 0x72}},
  };
  for (const auto& c : kCases) EXPECT_EQ(wire_bytes(c.frame), c.expected) << c.name;
}

TEST(Frame, ChecksumKeepsTheLowEightBits) {
  const Frame f = make_frame(0x57, {0x18, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xA0, 0xA0, 0x1F});
  unsigned sum = 0;
  for (int i = 0; i < 11; ++i) sum += f.tx_buf[i];
  EXPECT_EQ(f.tx_cnt, 12);
  EXPECT_EQ(f.tx_buf[11], sum % 256);
  EXPECT_GT(sum, 255u);
}

TEST(Frame, OnlyTxCntEntriesAreSent) {
  Frame f = make_frame(0x57, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  f.tx_buf[1] = 0;  // an old, longer packet is still in the buffer
  Seal_Packet(f);
  EXPECT_EQ(wire_bytes(f), (Bytes{0x57, 0x00, 0x57}));
}

TEST(Frame, WritePacketsCarryTheSheet) {
  Sheet sheet = startup_sheet();
  sheet.rows[0].Text1 = sheet.rows[0].Text3 = "462.56250";
  sheet.rows[0].rx_step = sheet.rows[0].tx_step = 1;
  EXPECT_EQ(wire_bytes(*Put_Chn_Data(sheet, 0)),
            (Bytes{0x57, 0x09, 0x00, 0x00, 0x27, 0x1A, 0x27, 0x1A, 0x00, 0x00, 0x03, 0xE5}));
  EXPECT_EQ(wire_bytes(*Put_Opt_Data(sheet)),
            (Bytes{0x58, 0x06, 0x00, 0x00, 0x01, 0x03, 0x19, 0x00, 0x7B}));
}

TEST(Frame, UnsendableRecordsBuildNoPacket) {
  Sheet sheet = startup_sheet();
  sheet.Combo2_60 = "abc";  // a channel total loaded from an edited file
  EXPECT_EQ(Put_Opt_Data(sheet), std::nullopt);
  sheet.rows[4].Text3 = "300.00000";  // below the wire's base
  EXPECT_EQ(Put_Chn_Data(sheet, 4), std::nullopt);
}

TEST(Frame, StrIntReadsOneHexDigit) {
  struct Case {
    const char* text;
    int value;
  };
  const Case kCases[] = {{"0", 0},  {"7", 7}, {"9", 9}, {"A", 10}, {"F", 15}, {"a", 10},
                         {"f", 15}, {"G", 0}, {"g", 0}, {"", 0},   {"-", 0}};
  for (const auto& c : kCases) EXPECT_EQ(Str_Int(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace m27
