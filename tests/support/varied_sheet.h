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

}  // namespace m27::testing
