// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/monitor.h"

namespace m27 {
namespace {

constexpr std::uint8_t kRssiPacket = 1;
constexpr std::uint8_t kBatteryPacket = 2;
constexpr std::size_t kRssiPacketData = 7;
constexpr std::size_t kBatteryPacketData = 4;
constexpr std::uint8_t kCharging = 1;

std::string word_at(const std::vector<std::uint8_t>& data, int high) {
  return std::to_string(data[high] * 256u + data[high + 1]);
}

}  // namespace

Frame monitor_request(MonitorMode mode) {
  return make_frame(command::kMonitor, {static_cast<std::uint8_t>(mode)});
}

MonitorView decode_monitor_packet(const Frame& packet) {
  const std::vector<std::uint8_t>& data = packet.data;
  if (data.empty()) return std::monostate{};
  if (data[0] == kRssiPacket && data.size() >= kRssiPacketData) {
    return RssiMonitor{std::to_string(data[1]), word_at(data, 2), word_at(data, 4),
                       std::to_string(data[6])};
  }
  if (data[0] == kBatteryPacket && data.size() >= kBatteryPacketData) {
    return BatteryMonitor{data[1] == kCharging, word_at(data, 2)};
  }
  return std::monostate{};
}

}  // namespace m27
