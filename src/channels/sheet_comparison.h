// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between two sheets as the radio would hold them: both are taken as a write
// would send them (raster check and formatting first), and each field is compared by the value
// its record carries, so "450.1" and "450.10000" are the same frequency and two tone texts with
// the same wire code are the same tone. Used by verify (file against radio), the read-back after
// a write, and diff (file against file).

#include <string>
#include <vector>

#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

struct Difference {
  int channel = 0;  // 1..25, or 0 for an option
  Words field;      // as the grid's header or the option's label names it: "接收频率", "发射"
  std::string first;   // the first sheet's text
  std::string second;  // the second sheet's text
  friend bool operator==(const Difference&, const Difference&) = default;
};

// The options first (发射, 遇忙禁发, FSK, 信道总数, 模式, 频率选择), then channel 1 to 25, each in
// the grid's column order (接收频率, 接收亚音, 发射频率, 发射亚音, 带宽). Empty when they agree.
std::vector<Difference> compare_sheets(Sheet first, Sheet second);

// "3 接收频率 450.12500 450.13125" or "发射 允许 禁止"; an empty text shows as "".
Words difference_line(const Difference& difference);

// The verdict of a verification: "校验通过" or "校验不一致", title "校验".
Notice verification_verdict(bool same);

// The verdict with one line per difference after it, for a message box.
Notice verification_message(const std::vector<Difference>& differences);

// A write that completed but could not be read back to be checked.
Notice read_back_failure();

}  // namespace m27
