// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/validation.h"

#include <string>

#include "channels/channel_table.h"
#include "channels/plans.h"
#include "channels/validation_choices.h"

namespace m27 {
namespace {

constexpr FreqUnits kReceiveLow = 400 * kUnitsPerMHz;
constexpr FreqUnits kReceiveHigh = 490 * kUnitsPerMHz;
constexpr std::int64_t kMaxCount = 65535;

FreqUnits floor_div(FreqUnits a, FreqUnits b) {
  const FreqUnits q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Length in characters, as the user counts them (the texts are UTF-8).
std::size_t character_count(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

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

bool sendable_receive(const std::string& text) {
  const auto f = frequency_value(text);
  return f && *f >= kReceiveLow && *f <= kReceiveHigh;
}

bool sendable_transmit(const std::string& text, int step) {
  const auto f = frequency_value(text);
  return f && wire_count(*f, step).has_value();
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

std::optional<Message> pre_write_check(const Sheet& sheet) {
  for (int i = 0; i < kRows; ++i) {
    const ChannelRow& row = sheet.rows[i];
    if (row.rx_frequency.empty() || row.tx_frequency.empty()) return frequency_error(i);
  }
  for (const ChannelRow& row : sheet.rows) {
    if (character_count(row.tx_frequency) > kMaxFrequencyLength ||
        character_count(row.rx_frequency) > kMaxFrequencyLength) {
      return attention("信道频率输入错误，请重新输入");
    }
  }
  for (int i = 0; i < kRows; ++i) {
    const ChannelRow& row = sheet.rows[i];
    if (!sendable_receive(row.rx_frequency) || !sendable_transmit(row.tx_frequency, row.tx_step)) {
      return frequency_error(i);
    }
  }
  return choice_error(sheet);
}

}  // namespace m27
