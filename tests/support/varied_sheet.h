// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table for a round trip through the radio: the professional mode with inverted DCS codes and
// the extra CTCSS tones, both rasters, both bandwidths and every option away from its default.

#include "channels/options.h"
#include "channels/sheet.h"

namespace m27::testing {

inline Sheet varied_sheet() {
  Sheet sheet = startup_sheet();
  sheet.mode = "2:专业模式";
  change_mode(sheet);
  sheet.plan = "3:台湾频率";
  sheet.channel_total = "17";
  sheet.transmit = "禁止";
  sheet.busy_lockout = "开";
  sheet.fsk = "开";
  const char* tones[] = {"I754", "254.1", "95.2", "D023", "OFF", "I023", "67.0"};
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.rx_frequency = i % 2 ? "409.76250" : "440.00500";  // 6.25 kHz only, 5 kHz only
    row.tx_frequency = i % 3 ? "450.02500" : "467.71250";
    row.rx_tone = tones[i % 7];
    row.tx_tone = tones[(i + 3) % 7];
    row.bandwidth = i % 4 ? "宽带" : "窄带";
  }
  return sheet;
}

// A normal-mode table with every tone kind of its list and a transmit frequency above, below
// and equal to the receive one.
inline Sheet varied_normal_sheet() {
  Sheet sheet = startup_sheet();
  const char* tones[] = {"OFF", "100", "D503", "250.3", "67.0", "D023"};
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.rx_frequency = i % 2 ? "400.00000" : "489.99375";
    row.tx_frequency = i % 3 == 0 ? row.rx_frequency : i % 3 == 1 ? "460.01000" : "402.50625";
    row.rx_tone = tones[i % 6];
    row.tx_tone = tones[(i + 1) % 6];
    row.bandwidth = i % 2 ? "宽带" : "窄带";
  }
  return sheet;
}

}  // namespace m27::testing
