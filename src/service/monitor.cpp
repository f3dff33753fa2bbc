// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/monitor.h"

namespace m27 {
namespace {

constexpr std::uint8_t kRssiPacket = 1;
constexpr std::uint8_t kBatteryPacket = 2;
constexpr std::uint8_t kCharging = 1;

std::string word_at(const RxData& rx_data, int high) {
  return std::to_string(rx_data[high] * 256u + rx_data[high + 1]);
}

}  // namespace

Frame monitor_request(MonitorMode mode) {
  return make_frame(command::kMonitor, {static_cast<std::uint8_t>(mode)});
}

MonitorView decode_monitor_packet(const RxData& rx_data) {
  switch (rx_data[0]) {
    case kRssiPacket:
      return RssiMonitor{std::to_string(rx_data[1]), word_at(rx_data, 2), word_at(rx_data, 4),
                         std::to_string(rx_data[6])};
    case kBatteryPacket:
      return BatteryMonitor{rx_data[1] == kCharging ? kRed : kGreen, word_at(rx_data, 2)};
    default:
      return std::monostate{};
  }
}

}  // namespace m27
