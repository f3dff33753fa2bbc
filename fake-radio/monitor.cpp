// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/monitor.h"

namespace m27::fake {
namespace {

std::uint8_t high(unsigned value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }
std::uint8_t low(unsigned value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::vector<std::uint8_t> rssi_packet(unsigned k) {
  const unsigned rssi = 40 + k % 16;
  const unsigned snr = (300 + 4096 * k) % 65536;
  const unsigned afc = (65536 + 5 - 10 * (k % 8)) % 65536;
  const unsigned audio = 9 + 3 * (k % 10);
  return {1, low(rssi), high(snr), low(snr), high(afc), low(afc), low(audio)};
}

std::vector<std::uint8_t> battery_packet(unsigned k) {
  const std::uint8_t charging = (k / 10) % 2 == 0 ? 1 : 0;
  const unsigned ad = (1000 + 4096 * k) % 65536;
  return {2, charging, high(ad), low(ad)};
}

}  // namespace

std::vector<std::uint8_t> monitor_data(MonitorMode mode, unsigned k) {
  return mode == MonitorMode::kRssi ? rssi_packet(k) : battery_packet(k);
}

}  // namespace m27::fake
