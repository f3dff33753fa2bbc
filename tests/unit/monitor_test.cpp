#include "service/monitor.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

using Bytes = std::vector<std::uint8_t>;

RxData packet(std::initializer_list<std::uint8_t> data) {
  RxData rx_data{};
  std::copy(data.begin(), data.end(), rx_data.begin());
  return rx_data;
}

TEST(Monitor, RequestsAreByteExact) {
  struct Case {
    MonitorMode mode;
    Bytes expected;
  };
  const Case kCases[] = {
      {MonitorMode::Rssi, {0x55, 0x01, 0x01, 0x57}},
      {MonitorMode::Battery, {0x55, 0x01, 0x02, 0x58}},
      {MonitorMode::Stop, {0x55, 0x01, 0x00, 0x56}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(wire_bytes(make_Monit_cmd(c.mode)), c.expected) << static_cast<int>(c.mode);
  }
}

TEST(Monitor, EachPacketTypeShowsItsFields) {
  struct Case {
    const char* name;
    RxData rx_data;
    MonitorView expected;
  };
  const Case kCases[] = {
      {"RSSI packet", packet({1, 40, 0x01, 0x2C, 0x00, 0x05, 9}),
       RssiMonitor{"40", "300", "5", "9"}},
      {"RSSI packet, high bytes of 128 and more are unsigned",
       packet({1, 255, 0x80, 0x00, 0xFF, 0xFF, 255}), RssiMonitor{"255", "32768", "65535", "255"}},
      {"battery packet while charging", packet({2, 1, 0x03, 0xE8}), BatteryMonitor{kRed, "1000"}},
      {"battery packet, not charging", packet({2, 0, 0x03, 0xE8}), BatteryMonitor{kGreen, "1000"}},
      {"battery packet, another charge state", packet({2, 7, 0x00, 0x00}),
       BatteryMonitor{kGreen, "0"}},
      {"battery packet, AD high byte of 128 and more is unsigned", packet({2, 1, 0xC3, 0x50}),
       BatteryMonitor{kRed, "50000"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(display_Monit(c.rx_data), c.expected) << c.name;
}

TEST(Monitor, PacketsOfOtherTypesShowNothing) {
  const RxData kOthers[] = {
      packet({0, 40, 1, 2, 3, 4, 5}),    // type 0, as rx_data is after "停止"
      packet({3, 40, 1, 2, 3, 4, 5}),    // an unknown type
      packet({0x12, 0x34, 0x56, 0x78}),  // a late ID reply
  };
  for (const auto& rx_data : kOthers) {
    EXPECT_TRUE(std::holds_alternative<std::monostate>(display_Monit(rx_data))) << +rx_data[0];
  }
}

}  // namespace
}  // namespace m27
