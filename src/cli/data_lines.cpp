// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/data_lines.h"

#include "service/monitor.h"
#include "service/radio_id.h"
#include "service/rssi.h"

namespace m27 {

std::string id_line(const RxData& rx_data) { return decode_id(rx_data); }

std::string rssi_line(const RxData& rx_data) {
  const RssiFields fields = decode_rssi(rx_data);
  return fields.narrow_text + ' ' + fields.wide_text;
}

std::optional<std::string> monitor_line(const RxData& rx_data) {
  const MonitorView view = decode_monitor_packet(rx_data);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view)) {
    return rssi->rssi + ' ' + rssi->snr + ' ' + rssi->afc + ' ' + rssi->audio;
  }
  if (const auto* battery = std::get_if<BatteryMonitor>(&view)) {
    return battery->battery_level + (battery->charge_lamp == kRed ? " 1" : " 0");
  }
  return std::nullopt;
}

}  // namespace m27
