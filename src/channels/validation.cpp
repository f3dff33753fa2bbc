// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/validation.h"

#include <string>

#include "channels/cell_rule.h"
#include "channels/channel_table.h"
#include "channels/plans.h"
#include "channels/validation_choices.h"

namespace m27 {
namespace {

constexpr std::int64_t kMaxCount = 65535;

// Rounds toward minus infinity; `b` is a raster, never negative.
FreqUnits floor_div(FreqUnits a, FreqUnits b) { return (a - (a % b + b) % b) / b; }

FreqUnits raster_of(int step) { return step == 1 ? kRaster6_25 : kRaster5; }

void check_one(std::string& text, int& step, FreqUnits base) {
  if (text.empty()) text.assign(1, '0');  // assign(): GCC 12 warns falsely on = "0"
  const auto f = frequency_value(text);
  if (!f) {
    step = 0;
    return;
  }
  const FreqUnits offset = *f - base;
  const bool on_6_25 = offset % kRaster6_25 == 0;
  const bool on_5 = offset % kRaster5 == 0;
  if (!on_6_25 && !on_5) {
    text = plain_frequency_text(base + floor_div(offset, kRaster5) * kRaster5);
  }
  step = on_6_25 ? 1 : 0;
}

}  // namespace

void derive_plan_index(Sheet& sheet) { sheet.plan_index = plan_index_of(sheet.plan); }

void check_rasters(Sheet& sheet) {
  derive_plan_index(sheet);
  for (ChannelRow& row : sheet.rows) check_one(row.rx_frequency, row.rx_step, base_freq);
  for (ChannelRow& row : sheet.rows) check_one(row.tx_frequency, row.tx_step, snap_base);
}

std::optional<std::uint16_t> wire_count(FreqUnits f, int step) {
  const FreqUnits r = raster_of(step);
  const FreqUnits offset = f - base_freq;
  FreqUnits n = floor_div(offset, r);
  const FreqUnits twice_rest = 2 * (offset - n * r);
  if (twice_rest > r || (twice_rest == r && n % 2 != 0)) ++n;
  if (n < 0 || n > kMaxCount) return std::nullopt;
  return static_cast<std::uint16_t>(n);
}

FreqUnits count_frequency(std::uint16_t count, int step) {
  return base_freq + FreqUnits{count} * raster_of(step);
}

// Each test runs over every row before the next one starts, so the message names the first row
// that fails the first failing test.
std::optional<Notice> pre_write_check(const Sheet& sheet) {
  const auto faults = [&sheet](int i, auto&& test) {
    return test(cell_fault(sheet, i, Cell::rx_frequency)) ||
           test(cell_fault(sheet, i, Cell::tx_frequency));
  };
  for (int i = 0; i < kRows; ++i) {
    if (faults(i, [](CellFault f) { return f == CellFault::empty; })) return frequency_error(i);
  }
  for (int i = 0; i < kRows; ++i) {
    if (faults(i, [](CellFault f) { return f == CellFault::too_long; })) {
      return attention(M27_WORDS("channels", "信道频率输入错误，请重新输入"));
    }
  }
  for (int i = 0; i < kRows; ++i) {
    if (faults(i, [](CellFault f) { return f != CellFault::none; })) return frequency_error(i);
  }
  return choice_error(sheet);
}

}  // namespace m27
