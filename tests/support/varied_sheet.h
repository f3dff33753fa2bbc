#pragma once
// A table for a round trip through the radio: the professional mode with inverted DCS codes and
// the extra CTCSS tones, both rasters, both bandwidths and every option away from its default.

#include "channels/options.h"
#include "channels/sheet.h"

namespace m27::testing {

inline Sheet varied_sheet() {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = "2:专业模式";
  Combo4_Click(sheet);
  sheet.Combo1 = "3:台湾频率";
  sheet.Combo2_60 = "17";
  sheet.Combo5 = "禁止";
  sheet.Combo6 = "开";
  sheet.Combo7 = "开";
  const char* tones[] = {"I754", "254.1", "95.2", "D023", "OFF", "I023", "67.0"};
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.Text1 = i % 2 ? "409.76250" : "440.00500";  // 6.25 kHz only, 5 kHz only
    row.Text3 = i % 3 ? "450.02500" : "467.71250";
    row.Text5 = tones[i % 7];
    row.Text2 = tones[(i + 3) % 7];
    row.Text4 = i % 4 ? "宽带" : "窄带";
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
    row.Text1 = i % 2 ? "400.00000" : "489.99375";
    row.Text3 = i % 3 == 0 ? row.Text1 : i % 3 == 1 ? "460.01000" : "402.50625";
    row.Text5 = tones[i % 6];
    row.Text2 = tones[(i + 1) % 6];
    row.Text4 = i % 2 ? "宽带" : "窄带";
  }
  return sheet;
}

}  // namespace m27::testing
