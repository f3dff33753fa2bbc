#include "cli/data_lines.h"

#include "service/monitor.h"
#include "service/radio_id.h"
#include "service/rssi.h"

namespace m27 {

std::string id_line(const RxData& rx_data) { return display_ID(rx_data); }

std::string rssi_line(const RxData& rx_data) {
  const RssiFields fields = display_RSSI(rx_data);
  return fields.Text1 + ' ' + fields.Text2;
}

std::optional<std::string> monitor_line(const RxData& rx_data) {
  const MonitorView view = display_Monit(rx_data);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view)) {
    return rssi->Text1 + ' ' + rssi->Text2 + ' ' + rssi->Text3 + ' ' + rssi->Text4;
  }
  if (const auto* battery = std::get_if<BatteryMonitor>(&view)) {
    return battery->Text5 + (battery->Shape1 == kRed ? " 1" : " 0");
  }
  return std::nullopt;
}

}  // namespace m27
