// SPDX-License-Identifier: GPL-3.0-or-later
// The service requests byte for byte, the decoders of their replies and the checks of what the
// user types into the service dialogs.

#include <gtest/gtest.h>

#include "hex.h"
#include "service/monitor.h"
#include "service/radio_id.h"
#include "service/rssi.h"

namespace m27 {
namespace {

Frame reply_of(std::initializer_list<std::uint8_t> data) { return Frame{0x44, data}; }

TEST(ServiceFrames, RequestsAreByteExact) {
  const std::pair<Frame, const char*> kCases[] = {
      {adjust_rssi_request(42, 40), "59 08 00 00 80 80 2A 28 80 00 33"},
      {read_id_request(), "5B 03 00 00 00 5E"},
      {write_id_request(4294967295), "5A 04 FF FF FF FF 5A"},
      {write_id_request(0), "5A 04 00 00 00 00 5E"},
  };
  for (const auto& [frame, bytes] : kCases) EXPECT_EQ(hex(wire_bytes(frame)), bytes);
}

// Bytes two and three, whatever follows them; a reply without them is none.
TEST(ServiceFrames, RssiIsDataBytesTwoAndThree) {
  EXPECT_EQ(decode_rssi(reply_of({0x77, 0x77, 50, 60, 0x77})), (RssiValues{50, 60}));
  EXPECT_EQ(decode_rssi(reply_of({0x77, 0x77, 0, 255})), (RssiValues{0, 255}));
  EXPECT_EQ(decode_rssi(reply_of({0x77, 0x77, 50})), std::nullopt);
}

// SNR and AFC are signed, RSSI and audio single bytes; the battery's AD value is unsigned and it
// charges only at 1. Another type, and a packet too short for its type, show nothing.
TEST(ServiceFrames, EachMonitorPacketTypeShowsItsFields) {
  const std::pair<Frame, MonitorView> kCases[] = {
      {reply_of({1, 40, 0x01, 0x2C, 0x00, 0x05, 9}), RssiMonitor{"40", "300", "5", "9"}},
      {reply_of({1, 255, 128, 0, 255, 0xDD, 255}), RssiMonitor{"255", "-32768", "-35", "255"}},
      {reply_of({1, 0, 0x7F, 0xFF, 255, 255, 0}), RssiMonitor{"0", "32767", "-1", "0"}},
      {reply_of({2, 1, 0x03, 0xE8}), BatteryMonitor{true, "1000"}},
      {reply_of({2, 0, 0xC3, 0x50}), BatteryMonitor{false, "50000"}},
      {reply_of({2, 7, 0x00, 0x00}), BatteryMonitor{false, "0"}},
      {reply_of({0, 40, 1, 2, 3, 4, 5}), {}},
      {reply_of({3, 40, 1, 2, 3, 4, 5}), {}},
      {reply_of({1, 40, 0x01, 0x2C, 0x00, 0x05}), {}},
      {reply_of({2, 1, 0x03}), {}},
      {reply_of({}), {}},
  };
  for (const auto& [packet, shown] : kCases) {
    EXPECT_EQ(decode_monitor_packet(packet), shown) << hex(packet.data);
  }
}

TEST(ServiceFrames, TypedValuesMustFitTheirBytes) {
  EXPECT_EQ(rssi_value("042"), 42);
  EXPECT_EQ(rssi_value("255"), 255);
  EXPECT_EQ(id_value("0000000040"), 40u);
  EXPECT_EQ(id_value("4294967295"), 4294967295u);
  // Nothing typed, a sign, a blank, a letter, beyond any integer type's digits.
  for (const char* text : {"", "+5", " 42", "12a", "99999999999"}) {
    EXPECT_EQ(rssi_value(text), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(id_value(text), std::nullopt) << '"' << text << '"';
  }
  EXPECT_EQ(rssi_value("256"), std::nullopt);       // one more than a byte holds
  EXPECT_EQ(id_value("4294967296"), std::nullopt);  // one past the largest 32-bit ID
}

// Typed into the ID field: digits only; not their neighbours, a point, a line feed, nothing.
TEST(ServiceFrames, TheIdFieldTakesDigitsOnly) {
  for (const char* text : {"0", "9", "42"}) EXPECT_TRUE(id_input_allowed(text)) << text;
  for (const char* text : {"", ".", "/", ":", "\n", "4a"}) {
    EXPECT_FALSE(id_input_allowed(text)) << text;
  }
}

// An ID is four bytes, most significant first. A write advances it, later in a series; past the
// largest ID back to 0; a count that is no number starts again.
TEST(ServiceFrames, AnIdIsFourBytesAndAWriteAdvancesItAndTheCount) {
  EXPECT_EQ(decode_id(reply_of({0x12, 0x34, 0x56, 0x78, 0x55})), "305419896");
  EXPECT_EQ(decode_id(reply_of({0xFF, 0xFF, 0xFF, 0xFF})), "4294967295");
  EXPECT_EQ(decode_id(reply_of({0x12, 0x34, 0x56})), std::nullopt);
  EXPECT_EQ(write_id_request(305419896), make_frame(command::kWriteId, {0x12, 0x34, 0x56, 0x78}));
  EXPECT_EQ(after_write(305419896, "41"), (IdFields{"305419897", "42"}));
  EXPECT_EQ(after_write(4294967295, "7"), (IdFields{"0", "8"}));
  EXPECT_EQ(after_write(5, "abc"), (IdFields{"6", "1"}));
}

}  // namespace
}  // namespace m27
