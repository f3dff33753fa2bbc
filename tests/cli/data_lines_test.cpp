#include "cli/data_lines.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

TEST(DataLines, IdAndRssiReplies) {
  EXPECT_EQ(id_line({0x00, 0xBC, 0x61, 0x4E}), "12345678");
  EXPECT_EQ(id_line({0xFF, 0xFF, 0xFF, 0xFF}), "4294967295");
  // Values the scrollbars cannot show are printed as the radio sent them.
  EXPECT_EQ(rssi_line({0, 0, 5, 200}), "5 200");
}

TEST(DataLines, MonitorPackets) {
  struct Case {
    RxData rx_data;
    std::optional<std::string> line;
  };
  const Case kCases[] = {
      {{1, 47, 0x80, 0x00, 0xFF, 0xF6, 30}, "47 32768 65526 30"},  // high bytes of 128 and more
      {{2, 1, 0x03, 0xE8}, "1000 1"},
      {{2, 5, 0xFF, 0xFF}, "65535 0"},  // only 1 lights the charge lamp
      {{3, 40, 1, 2, 3, 4, 5}, std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(monitor_line(c.rx_data), c.line) << int{c.rx_data[0]};
  }
}

}  // namespace
}  // namespace m27
