// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two runs of the test mode, the RSSI stream's and the battery stream's, as the buttons
// change the radio's mode: a 开始 starts its own run afresh and ends the other one's (the radio
// switches from one stream to the other), either 停止 ends both (the radio has one stop). A run
// keeps its samples until its own 开始.

#include "service/monitor_command.h"
#include "service/monitor_samples.h"

namespace m27 {

struct MonitorRuns {
  MonitorSamples rssi{MonitorMode::Rssi};
  MonitorSamples battery{MonitorMode::Battery};

  // The request of `button` was sent at `now`.
  void pressed(MonitorButton button, TimePoint now);
  // A packet of the stream arrived at `now`: the run it belongs to keeps it, if that runs.
  void take(TimePoint now, const Frame& packet);
};

}  // namespace m27
