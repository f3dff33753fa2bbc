// Frames out byte for byte, and the receive machine that takes replies in.

#include "link/frame.h"

#include <gtest/gtest.h>

#include "channels/sheet.h"
#include "hex.h"
#include "link/receiver.h"
#include "link/requests.h"

namespace m27 {
namespace {

TEST(Frame, RequestsAreByteExact) {
  Sheet sheet = startup_sheet();
  sheet.rows[0].rx_frequency = sheet.rows[0].tx_frequency = "462.56250";
  sheet.rows[0].rx_step = sheet.rows[0].tx_step = 1;
  struct Case {
    const char* name;
    Frame frame;
    const char* expected;
  };
  const Case kCases[] = {
      {"end", end_request(), "45 00 45"},
      {"option read", read_options_request(), "53 03 00 00 04 5A"},
      {"channel read row 0", read_channel_request(0), "52 03 00 00 05 5A"},
      {"channel read row 24", read_channel_request(24), "52 03 18 00 05 72"},
      {"channel write row 0", *write_channel_request(sheet, 0),
       "57 09 00 00 27 1A 27 1A 00 00 03 E5"},
      {"option write", *write_options_request(sheet), "58 06 00 00 01 03 19 00 7B"},
      {"checksum of the low eight bits",
       make_frame(0x57, {0x18, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xA0, 0xA0, 0x1F}),
       "57 09 18 00 FF FF FF FF A0 A0 1F D3"},
  };
  for (const auto& c : kCases) EXPECT_EQ(hex(wire_bytes(c.frame)), c.expected) << c.name;
  sheet.channel_total = "abc";  // a channel total loaded from an edited file
  EXPECT_EQ(write_options_request(sheet), std::nullopt);
  sheet.rows[4].tx_frequency = "300.00000";  // below the wire's base
  EXPECT_EQ(write_channel_request(sheet, 4), std::nullopt);
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

using S = ReceiveMachine::State;

TEST(ReceiveMachine, TakesOnlyWholeRepliesWithTheirChecksum) {
  struct Case {
    const char* name;
    const char* bytes;
    bool pkt_ok;
    const char* data;  // the first entries of rx_data, which held EE before
    S state;
  };
  const Case kCases[] = {
      {"length 0 leaves rx_data", "45 00 45", true, "EE EE", S::Command},
      {"option reply", "42 03 01 03 19 62", true, "01 03 19", S::Command},
      {"17 data bytes fill entries 0..16",
       "3D 11 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 E7", true,
       "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 EE", S::Command},
      {"length 18 is refused; its bytes then read as commands", "41 12 45 00 45", true, "EE",
       S::Command},
      {"two packets in one burst: the second stays", "42 01 07 4A 43 01 09 4D", true, "09",
       S::Command},
      {"a partial frame is a state, not an error", "42 03 01", false, "01", S::Data},
      {"0x52 is an echo of a read request, not a reply", "52 03 00 00 05 5A", false, "EE",
       S::Command},
      {"checksum off by one", "42 03 01 03 19 63", false, "01 03 19", S::Command},
      {"0x3C is below the reply commands", "3C 00 3C", false, "EE", S::Command},
      {"0x47 is above the reply commands", "47 00 47", false, "EE", S::Command},
  };
  for (const auto& c : kCases) {
    ReceiveMachine rx;
    rx.rx_data.fill(0xEE);
    for (const auto b : unhex(c.bytes)) rx.receive_byte(b);
    const std::size_t shown = unhex(c.data).size();
    EXPECT_EQ(rx.pkt_ok, c.pkt_ok) << c.name;
    EXPECT_EQ(hex(std::span(rx.rx_data).first(shown)), c.data) << c.name;
    EXPECT_EQ(rx.rx_state, c.state) << c.name;
  }
}

}  // namespace
}  // namespace m27
