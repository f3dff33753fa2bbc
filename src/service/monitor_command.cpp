// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/monitor_command.h"

#include "service/monitor.h"
#include "service/service_exchange.h"

namespace m27 {
namespace {

MonitorMode mode_of(MonitorButton button) {
  switch (button) {
    case MonitorButton::StartRssi:
      return MonitorMode::Rssi;
    case MonitorButton::StartBattery:
      return MonitorMode::Battery;
    case MonitorButton::StopRssi:
    case MonitorButton::StopBattery:
      return MonitorMode::Stop;
  }
  return MonitorMode::Stop;
}

}  // namespace

Request MonitorCommand::begin(std::vector<Event>&) {
  const MonitorMode mode = mode_of(button_);
  const StreamChange change =
      mode == MonitorMode::Stop ? StreamChange::Stops : StreamChange::Starts;
  // The interval only bounds the wait for the request to leave the port.
  return Request{monitor_request(mode), kServiceInterval, 0, false, change};
}

}  // namespace m27
