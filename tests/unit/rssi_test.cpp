#include "service/rssi.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Rssi, RequestsAreByteExact) {
  struct Case {
    const char* name;
    Frame frame;
    Bytes expected;
  };
  const Case kCases[] = {
      {"read", read_RSSI_cmd(), {0x54, 0x03, 0x00, 0x00, 0x07, 0x5E}},
      {"adjust 42/40",
       adjust_RSSI_cmd(42, 40),
       {0x59, 0x08, 0x00, 0x00, 0x80, 0x80, 0x2A, 0x28, 0x80, 0x00, 0x33}},
      {"adjust 0/255 wraps the checksum",
       adjust_RSSI_cmd(0, 255),
       {0x59, 0x08, 0x00, 0x00, 0x80, 0x80, 0x00, 0xFF, 0x80, 0x00, 0xE0}},
  };
  for (const auto& c : kCases) EXPECT_EQ(wire_bytes(c.frame), c.expected) << c.name;
}

TEST(Rssi, DisplayShowsBytesTwoAndThree) {
  struct Case {
    const char* name;
    std::uint8_t narrow;
    std::uint8_t wide;
    RssiFields expected;
  };
  const Case kCases[] = {
      {"inside the scrollbars' range", 50, 60, {50, "50", 60, "60"}},
      {"at both ends", 21, 99, {21, "21", 99, "99"}},
      {"below 21: the text says so, the scrollbar stops at 21", 5, 0, {21, "5", 21, "0"}},
      {"above 99: the text says so, the scrollbar stops at 99", 100, 255, {99, "100", 99, "255"}},
  };
  for (const auto& c : kCases) {
    RxData rx_data{};
    rx_data.fill(0x77);  // the other bytes of the reply do not count
    rx_data[2] = c.narrow;
    rx_data[3] = c.wide;
    EXPECT_EQ(display_RSSI(rx_data), c.expected) << c.name;
  }
}

TEST(Rssi, TypedValuesThatFitOneByte) {
  struct Case {
    const char* text;
    std::uint8_t value;
  };
  const Case kCases[] = {{"0", 0}, {"42", 42}, {"042", 42}, {"99", 99}, {"255", 255}};
  for (const auto& c : kCases) EXPECT_EQ(rssi_value(c.text), c.value) << c.text;
}

TEST(Rssi, TypedValuesThatAreRefused) {
  const char* const kBad[] = {
      "",             // nothing typed
      "256",          // one more than a byte holds
      "99999999999",  // beyond any integer type's digits
      "-1",           // negative
      "+5",           // a sign
      "abc",          // not a number
      "4.5",          // not an integer
      "42 ",          // a trailing blank
      " 42",          // a leading blank
      "0x2A",         // hexadecimal
  };
  for (const char* text : kBad) EXPECT_EQ(rssi_value(text), std::nullopt) << '"' << text << '"';
}

}  // namespace
}  // namespace m27
