// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_table.h"

#include <algorithm>

#include "channels/decimal.h"
#include "channels/frequency.h"
#include "channels/validation.h"

namespace m27 {
namespace {

constexpr FreqUnits kDefaultFirst = 450'125 * kUnitsPerMHz / 1000;
constexpr FreqUnits kDefaultSpacing = kUnitsPerMHz / 2;
constexpr int kStepDecimals = 2;  // fill step kHz -> 10 Hz units

std::optional<Notice> fill_column(Sheet& sheet, std::string ChannelRow::*column) {
  const auto first = frequency_value(sheet.rows[0].*column);
  const auto step = parse_decimal(sheet.fill_step, kStepDecimals);
  if (!first || !step) return frequency_error(0);
  for (int i = 0; i < kRows; ++i) {
    sheet.rows[i].*column = frequency_text(*first + *step * i);
  }
  return std::nullopt;
}

}  // namespace

void set_default_frequencies(Sheet& sheet) {
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.rx_frequency = frequency_text(kDefaultFirst + kDefaultSpacing * i);
    row.tx_frequency = row.rx_frequency;
  }
}

void normalise_frequencies(Sheet& sheet) {
  check_rasters(sheet);
  for (ChannelRow& row : sheet.rows) {
    row.rx_frequency = format_frequency(row.rx_frequency);
    row.tx_frequency = format_frequency(row.tx_frequency);
  }
}

void enable_rows_in_use(Sheet& sheet) {
  const auto total = integer_value(sheet.channel_total);
  if (!total) return;
  for (int i = 0; i < kRows; ++i) sheet.rows[i].enabled = i < *total;
}

int channels_in_use(const Sheet& sheet) {
  const auto total = integer_value(sheet.channel_total);
  return total ? static_cast<int>(std::clamp<std::int64_t>(*total, 0, kRows)) : kRows;
}

std::optional<Notice> fill_receive_frequencies(Sheet& sheet) {
  return fill_column(sheet, &ChannelRow::rx_frequency);
}

std::optional<Notice> fill_transmit_frequencies(Sheet& sheet) {
  return fill_column(sheet, &ChannelRow::tx_frequency);
}

Notice frequency_error(int row) {
  return attention(M27_WORDS("channels", "第%1信道频率输入错误，请重新输入").arg(row + 1));
}

std::vector<std::string> channel_total_items() {
  std::vector<std::string> items;
  for (int n = 1; n <= kRows; ++n) items.push_back(std::to_string(n));
  return items;
}

std::vector<std::string> fill_step_items() {
  std::vector<std::string> items;
  for (int k = 100; k <= 900; k += 100) items.push_back(std::to_string(k));
  return items;
}

}  // namespace m27
