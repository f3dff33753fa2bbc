// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurement stream of test mode: one packet every 100 ms while a monitor mode is on.
//
// Packet k (k = 0, 1, 2 ... counted from the request that started the mode) carries:
//   type 1 (RSSI monitor):    1, RSSI, SNR hi, lo, AFC hi, lo, audio level with
//                             RSSI = 40 + k mod 16, SNR = (300 + 4096 k) mod 65536,
//                             AFC = (5 - 10 (k mod 8)) mod 65536, audio = 9 + 3 (k mod 10);
//   type 2 (battery monitor): 2, charge state, AD hi, lo with
//                             charge = 1 in the first second of every two, else 0,
//                             AD = (1000 + 4096 k) mod 65536.
// So packet 0 is 01 28 01 2C 00 05 09 (40, 300, 5, 9) or 02 01 03 E8 (charging, 1000), and the
// two-byte values reach high bytes of 128 and more within the first 16 packets.

#include <chrono>
#include <cstdint>
#include <vector>

namespace m27::fake {

enum class MonitorMode : std::uint8_t { kOff = 0, kRssi = 1, kBattery = 2 };

inline constexpr std::chrono::milliseconds kMonitorPeriod{100};

// The data bytes of packet k of a running mode (kRssi or kBattery).
std::vector<std::uint8_t> monitor_data(MonitorMode mode, unsigned k);

}  // namespace m27::fake
