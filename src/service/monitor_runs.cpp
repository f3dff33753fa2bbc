// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/monitor_runs.h"

namespace m27 {

void MonitorRuns::pressed(MonitorButton button, TimePoint now) {
  rssi.stop();
  battery.stop();
  if (button == MonitorButton::StartRssi) rssi.start(now);
  if (button == MonitorButton::StartBattery) battery.start(now);
}

void MonitorRuns::take(TimePoint now, const Frame& packet) {
  if (!rssi.take(now, packet)) battery.take(now, packet);
}

}  // namespace m27
