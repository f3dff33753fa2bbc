// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/sheet.h"

#include "channels/channel_table.h"
#include "channels/options.h"
#include "channels/plans.h"

namespace m27 {

Sheet startup_sheet() {
  Sheet sheet;
  sheet.transmit = kTransmitAllowed;
  sheet.busy_lockout = kSwitchOff;
  sheet.fsk = kSwitchOff;
  sheet.mode = kNormalMode;
  sheet.plan = kPlanItems[kCustomPlan];
  sheet.channel_total = "25";
  sheet.fill_step = "100";
  set_default_frequencies(sheet);
  for (ChannelRow& row : sheet.rows) {
    row.tx_tone = kToneOff;
    row.rx_tone = kToneOff;
    row.bandwidth = kNarrow;
  }
  return sheet;
}

}  // namespace m27
