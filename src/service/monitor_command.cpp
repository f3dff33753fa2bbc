#include "service/monitor_command.h"

#include "service/monitor.h"
#include "service/service_exchange.h"

namespace m27 {
namespace {

// The flags are set whether or not the port is open.
MonitorMode set_flags(MonitorButton button, LinkState& link) {
  switch (button) {
    case MonitorButton::StartRssi:
      link.rx.pkt_ok = false;
      link.monitor_flag = true;
      return MonitorMode::Rssi;
    case MonitorButton::StopRssi:
      link.rx.rx_data.fill(0);
      link.monitor_flag = false;
      return MonitorMode::Stop;
    case MonitorButton::StartBattery:
      link.rx.pkt_ok = false;
      link.monitor_flag = true;
      return MonitorMode::Battery;
    case MonitorButton::StopBattery:
      link.monitor_flag = false;
      return MonitorMode::Stop;
  }
  return MonitorMode::Stop;
}

}  // namespace

std::optional<Request> MonitorCommand::begin(LinkState& link, std::vector<Action>&) {
  const MonitorMode mode = set_flags(button_, link);
  // The interval only bounds the wait for the request to leave the port.
  return Request{make_Monit_cmd(mode), kServiceInterval, 0, false};
}

std::optional<Request> MonitorCommand::next(LinkState& link, std::vector<Action>&) {
  sent_ = link.port_open;
  return std::nullopt;
}

void MonitorCommand::on_cancel(std::vector<Action>&) {}

}  // namespace m27
