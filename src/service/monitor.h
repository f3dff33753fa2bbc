// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's test mode: the request that starts or stops a monitor stream, and what each packet
// of the stream shows.

#include <cstdint>
#include <string>
#include <variant>

#include "link/frame.h"

namespace m27 {

namespace command {
inline constexpr std::uint8_t kMonitor = 0x55;  // 'U'
}  // namespace command

enum class MonitorMode : std::uint8_t { Stop = 0, Rssi = 1, Battery = 2 };

// 55 01 mode cks: 55 01 01 57 starts the RSSI stream, 55 01 02 58 the battery stream, 55 01 00 56
// stops either.
Frame monitor_request(MonitorMode mode);

// A packet of type 1: RSSI (Reg68), SNR (Reg102), AFC (Reg70), audio level (Reg74).
struct RssiMonitor {
  std::string rssi;
  std::string snr;
  std::string afc;
  std::string audio;

  friend bool operator==(const RssiMonitor&, const RssiMonitor&) = default;
};

// A packet of type 2: whether the radio is charging, and the battery AD value.
struct BatteryMonitor {
  bool charging = false;
  std::string battery_level;

  friend bool operator==(const BatteryMonitor&, const BatteryMonitor&) = default;
};

// `decode_monitor_packet`: what a packet of the stream shows; nothing (monostate) for a packet of
// any other type, such as a late reply to another request, or one too short for its type. SNR,
// AFC and the AD value are unsigned 16-bit, high byte first.
using MonitorView = std::variant<std::monostate, RssiMonitor, BatteryMonitor>;
MonitorView decode_monitor_packet(const Frame& packet);

}  // namespace m27
