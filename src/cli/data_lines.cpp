// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/data_lines.h"

#include "service/monitor.h"
#include "service/radio_id.h"
#include "service/rssi.h"

namespace m27 {

std::optional<std::string> id_line(const Frame& reply) { return decode_id(reply); }

std::optional<std::string> rssi_line(const Frame& reply) {
  const auto values = decode_rssi(reply);
  if (!values) return std::nullopt;
  return std::to_string(values->narrow) + ' ' + std::to_string(values->wide);
}

std::optional<std::string> monitor_line(const Frame& packet) {
  const MonitorView view = decode_monitor_packet(packet);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view)) {
    return rssi->rssi + ' ' + rssi->snr + ' ' + rssi->afc + ' ' + rssi->audio;
  }
  if (const auto* battery = std::get_if<BatteryMonitor>(&view)) {
    return battery->battery_level + (battery->charging ? " 1" : " 0");
  }
  return std::nullopt;
}

}  // namespace m27
